// What the display's settings and the user's scaling variables say of the
// toolkit's scale before it starts: a whole number, or possibly not.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "platform/display_scale.h"

namespace tidemark {
namespace {

// An XSETTINGS block laid out by hand, least significant byte first unless
// told: a header, then each setting's type, name, serial and value.
class SettingsBlock {
public:
    explicit SettingsBlock(bool mostSignificantFirst = false) : msbFirst_(mostSignificantFirst) {
        bytes_ = {std::byte{msbFirst_ ? std::uint8_t{1} : std::uint8_t{0}}, {}, {}, {}};
        put(7, 4);  // serial
        put(0, 4);  // settings, counted as they are added
    }
    SettingsBlock& integer(const std::string& name, std::uint32_t value) { return add(0, name).put(value, 4); }
    SettingsBlock& text(const std::string& name, const std::string& value) {
        add(1, name).put(static_cast<std::uint32_t>(value.size()), 4);
        for (char c : value) bytes_.push_back(std::byte(c));
        while (bytes_.size() % 4) bytes_.push_back({});
        return *this;
    }
    SettingsBlock& color(const std::string& name) { return add(2, name).put(0xFFFF, 4).put(0xFFFF, 4); }
    std::vector<std::byte> bytes(std::size_t cut = 0) const { return {bytes_.begin(), bytes_.end() - cut}; }

private:
    SettingsBlock& add(std::uint8_t type, const std::string& name) {
        bytes_.push_back(std::byte{type});
        bytes_.push_back({});
        put(static_cast<std::uint32_t>(name.size()), 2);
        for (char c : name) bytes_.push_back(std::byte(c));
        while (bytes_.size() % 4) bytes_.push_back({});
        put(1, 4);  // last-change serial
        ++count_;
        for (int i = 0; i < 4; ++i) bytes_[8 + i] = std::byte((count_ >> (msbFirst_ ? 8 * (3 - i) : 8 * i)) & 0xFF);
        return *this;
    }
    SettingsBlock& put(std::uint32_t value, int width) {
        for (int i = 0; i < width; ++i)
            bytes_.push_back(std::byte((value >> (msbFirst_ ? 8 * (width - 1 - i) : 8 * i)) & 0xFF));
        return *this;
    }
    bool msbFirst_;
    std::uint32_t count_ = 0;
    std::vector<std::byte> bytes_;
};

std::optional<double> dpiOf(const DpiSetting& setting) { return setting.named ? setting.dpi : -1; }  // -1: not named

TEST(DisplayScale, DpiFromResourcesAndSettingsManager) {
    const std::tuple<const char*, std::string, std::optional<double>> resources[] = {
        {"among others", "Xft.antialias:\t1\nXft.dpi:\t144\nXft.rgba:\trgb\n", 144},
        {"with a fraction", "Xft.dpi:\t143.6", 143.6},
        {"the last one named", "Xft.dpi:\t96\nXft.dpi:\t192\n", 192},
        {"not this name", "Xft.dpi: 144\n*dpi:\t144\n", -1},
        {"unreadable: nothing told", "Xft.dpi:\tlarge\n", std::nullopt},
        {"a trailing space: nothing told", "Xft.dpi:\t144 \n", std::nullopt}};
    for (const auto& [name, text, dpi] : resources) EXPECT_EQ(dpiOf(xftDpiFromResources(text)), dpi) << name;

    std::vector<std::byte> odd = SettingsBlock().integer("Xft/DPI", 98304).bytes();
    odd[0] = std::byte{2};
    const std::tuple<const char*, std::vector<std::byte>, std::optional<double>> blocks[] = {
        {"after a text and a colour",
         SettingsBlock().text("Net/ThemeName", "Adwaita").color("Gtk/Color").integer("Xft/DPI", 147456).bytes(), 144},
        {"most significant byte first",
         SettingsBlock(true).integer("Gtk/CursorBlink", 1).integer("Xft/DPI", 98304).bytes(), 96},
        {"below one dot", SettingsBlock().integer("Xft/DPI", 1000).bytes(), 0},
        {"as a text: nothing told", SettingsBlock().text("Xft/DPI", "147456").bytes(), std::nullopt},
        {"not there", SettingsBlock().integer("Gtk/CursorBlink", 1).bytes(), -1},
        {"an unknown byte order", odd, -1}};
    for (const auto& [name, block, dpi] : blocks) EXPECT_EQ(dpiOf(xftDpiFromXSettings(block)), dpi) << name;
    // Cut short anywhere, in a name, a length or a value: nothing, and no read past the end.
    const std::vector<std::byte> whole =
        SettingsBlock().text("Net/ThemeName", "Adwaita").integer("Xft/DPI", 98304).bytes();
    for (std::size_t cut = 1; cut < whole.size(); ++cut)
        EXPECT_EQ(dpiOf(xftDpiFromXSettings(std::vector<std::byte>(whole.begin(), whole.end() - cut))), -1) << cut;
}

TEST(DisplayScale, WholeOnlyWhenSurely) {
    const DpiSetting dpi144{true, 144}, dpi192{true, 192}, dpi96{true, 96}, unreadable{true, std::nullopt};
    const std::tuple<const char*, ScaleSettings, bool> rows[] = {
        {"nothing set", {}, true},
        {"192 dots per inch", {.resources = dpi192}, true},
        {"144 dots per inch", {.resources = dpi144}, false},
        {"the settings manager wins", {.resources = dpi96, .xsettings = dpi144}, false},
        {"the settings manager wins, whole", {.resources = dpi144, .xsettings = dpi96}, true},
        {"the manager's zero stands for 96", {.resources = dpi144, .xsettings = {true, 0}}, true},
        {"an unreadable resource", {.resources = unreadable}, false},
        {"an unreadable manager's value", {.xsettings = unreadable}, false},
        {"scale factor 2", {.scaleFactor = "2"}, true},
        {"scale factor 1.5", {.scaleFactor = "1.5"}, false},
        {"scale factor not a number", {.scaleFactor = "two"}, false},
        {"half of 192 dots", {.scaleFactor = "0.5", .resources = dpi192}, true},
        {"the screen's factor never below 1", {.scaleFactor = "1.5", .resources = {true, 64}}, false},
        {"scaling off", {.enableHighDpiScaling = "0", .resources = dpi144}, true},
        {"scaling on", {.enableHighDpiScaling = "1", .resources = dpi144}, false},
        {"scaling neither on nor off", {.enableHighDpiScaling = "00"}, false},
        {"rounded", {.roundingPolicy = "Round", .resources = dpi144}, true},
        {"floored", {.roundingPolicy = "Floor", .resources = dpi144}, true},
        {"1.5 rounds down when the floor is preferred",
         {.roundingPolicy = "RoundPreferFloor", .resources = dpi144},
         true},
        {"an unknown policy", {.roundingPolicy = "Sideways", .resources = dpi144}, false},
        {"screen factors", {.screenScaleFactors = "2"}, false},
        {"physical dots", {.usePhysicalDpi = "1"}, false},
        {"a font's dots per inch", {.fontDpi = "144"}, false}};
    for (const auto& [name, settings, whole] : rows) EXPECT_EQ(wholeScaleExpected(settings), whole) << name;
}

}  // namespace
}  // namespace tidemark
