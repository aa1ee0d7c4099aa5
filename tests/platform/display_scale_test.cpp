// What the display's settings and the user's scaling variables say of the
// toolkit's scale before it starts: a whole number, or possibly not.
#include <gtest/gtest.h>

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

TEST(DisplayScale, DpiFromResourcesAndSettingsManager) {
    EXPECT_EQ(xftDpiFromResources("Xft.antialias:\t1\nXft.dpi:\t144\nXft.rgba:\trgb\n"), 144);
    EXPECT_EQ(xftDpiFromResources("Xft.dpi:\t143.6"), 144);  // written with a fraction by some desktops
    EXPECT_EQ(xftDpiFromResources("Xft.dpi: 144\nXft.dpi:\tlarge\n*dpi:\t144\n"), std::nullopt);

    const auto dpi = [](const std::vector<std::byte>& block) { return xftDpiFromXSettings(block); };
    EXPECT_EQ(
        dpi(SettingsBlock().text("Net/ThemeName", "Adwaita").color("Gtk/Color").integer("Xft/DPI", 147456).bytes()),
        147456);
    EXPECT_EQ(dpi(SettingsBlock(true).integer("Gtk/CursorBlink", 1).integer("Xft/DPI", 98304).bytes()), 98304);
    EXPECT_EQ(dpi(SettingsBlock().text("Xft/DPI", "144").bytes()), std::nullopt);
    // Cut short anywhere, in a name, a length or a value: nothing, and no read past the end.
    const std::vector<std::byte> whole =
        SettingsBlock().text("Net/ThemeName", "Adwaita").integer("Xft/DPI", 98304).bytes();
    for (std::size_t cut = 1; cut < whole.size(); ++cut)
        EXPECT_EQ(dpi(std::vector<std::byte>(whole.begin(), whole.end() - cut)), std::nullopt) << cut;
}

TEST(DisplayScale, WholeOnlyWhenSurely) {
    const auto whole = [](ScaleSettings settings) { return wholeScaleExpected(settings); };
    EXPECT_TRUE(whole({}));
    EXPECT_TRUE(whole({.resourcesDpi = 192}));
    EXPECT_FALSE(whole({.resourcesDpi = 144}));
    EXPECT_FALSE(whole({.resourcesDpi = 96, .xsettingsDpi1024 = 144 * 1024}));  // the settings manager wins
    EXPECT_TRUE(whole({.resourcesDpi = 144, .xsettingsDpi1024 = 96 * 1024}));
    EXPECT_TRUE(whole({.scaleFactor = "2"}));
    EXPECT_FALSE(whole({.scaleFactor = "1.5"}));
    EXPECT_FALSE(whole({.scaleFactor = "two"}));
    EXPECT_TRUE(whole({.scaleFactor = "0.5", .resourcesDpi = 192}));
    EXPECT_TRUE(whole({.enableHighDpiScaling = "0", .resourcesDpi = 144}));
    EXPECT_TRUE(whole({.roundingPolicy = "Round", .resourcesDpi = 144}));
    EXPECT_TRUE(whole({.roundingPolicy = "Floor", .resourcesDpi = 144}));
    EXPECT_FALSE(whole({.roundingPolicy = "Sideways", .resourcesDpi = 144}));
    EXPECT_FALSE(whole({.screenScaleFactors = "2"}));
    EXPECT_FALSE(whole({.usePhysicalDpi = "1"}));
}

}  // namespace
}  // namespace tidemark
