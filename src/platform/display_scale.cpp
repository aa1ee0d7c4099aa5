#include "platform/display_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tidemark {
namespace {

constexpr std::string_view kDpiResource = "Xft.dpi:\t";
constexpr double kBaseDpi = 96;

std::optional<double> number(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// XSETTINGS fields in the block's own byte order (its first byte: 1 for most significant first).
class SettingsReader {
public:
    explicit SettingsReader(std::span<const std::byte> bytes) : bytes_(bytes) {}
    bool fits(std::size_t at, std::size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }
    std::uint32_t value(std::size_t at, std::size_t width) const {
        std::uint32_t result = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const std::size_t index = mostSignificantFirst() ? at + i : at + width - 1 - i;
            result = result << 8 | std::to_integer<std::uint32_t>(bytes_[index]);
        }
        return result;
    }
    std::string_view text(std::size_t at, std::size_t count) const {
        return {reinterpret_cast<const char*>(bytes_.data()) + at, count};
    }

private:
    bool mostSignificantFirst() const { return std::to_integer<int>(bytes_[0]) == 1; }
    std::span<const std::byte> bytes_;
};

std::size_t paddedTo4(std::size_t n) { return (n + 3) / 4 * 4; }

}  // namespace

DpiSetting xftDpiFromResources(std::string_view resources) {
    DpiSetting setting;
    while (!resources.empty()) {
        const std::size_t end = resources.find('\n');
        const std::string_view line = resources.substr(0, end);
        if (line.starts_with(kDpiResource)) setting = {true, number(line.substr(kDpiResource.size()))};
        resources = end == std::string_view::npos ? std::string_view() : resources.substr(end + 1);
    }
    return setting;
}

DpiSetting xftDpiFromXSettings(std::span<const std::byte> settings) {
    const SettingsReader reader(settings);
    if (!reader.fits(0, 12) || std::to_integer<int>(settings[0]) > 1) return {};
    const std::uint32_t count = reader.value(8, 4);
    std::size_t at = 12;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!reader.fits(at, 4)) return {};
        const std::uint32_t type = reader.value(at, 1);
        const std::size_t nameLength = reader.value(at + 2, 2);
        if (!reader.fits(at + 4, paddedTo4(nameLength) + 4)) return {};
        const std::string_view name = reader.text(at + 4, nameLength);
        at += 4 + paddedTo4(nameLength) + 4;  // the name and its last-change serial
        std::size_t valueLength = 0;
        if (type == 0) {
            valueLength = 4;
        } else if (type == 1) {
            if (!reader.fits(at, 4)) return {};
            valueLength = 4 + paddedTo4(reader.value(at, 4));
        } else if (type == 2) {
            valueLength = 8;
        } else {
            return {};
        }
        if (!reader.fits(at, valueLength)) return {};
        if (name == "Xft/DPI") {
            if (type != 0) return {true, std::nullopt};
            return {true, static_cast<std::int32_t>(reader.value(at, 4)) / 1024};
        }
        at += valueLength;
    }
    return {};
}

namespace {

// The screen's factor as the toolkit rounds it (never below 1); nothing for
// a policy it does not know.
std::optional<double> roundedScreenFactor(double factor, const std::string& policy) {
    double rounded = factor;
    if (policy == "Round")
        rounded = std::round(factor);
    else if (policy == "Ceil")
        rounded = std::ceil(factor);
    else if (policy == "Floor")
        rounded = std::floor(factor);
    else if (policy == "RoundPreferFloor")
        rounded = factor - std::floor(factor) < 0.75 ? std::floor(factor) : std::ceil(factor);
    else if (!policy.empty() && policy != "PassThrough")
        return std::nullopt;
    return std::max(rounded, 1.0);
}

// The dots per inch the toolkit will use: the settings manager's over the
// resources', 96 where neither names a positive one; nothing when unreadable.
std::optional<double> displayDpi(const ScaleSettings& settings) {
    const DpiSetting& chosen = settings.xsettings.named ? settings.xsettings : settings.resources;
    if (!chosen.named) return kBaseDpi;
    if (!chosen.dpi) return std::nullopt;
    return *chosen.dpi > 0 ? *chosen.dpi : kBaseDpi;
}

}  // namespace

bool wholeScaleExpected(const ScaleSettings& settings) {
    if (!settings.screenScaleFactors.empty() || !settings.usePhysicalDpi.empty() || !settings.fontDpi.empty())
        return false;
    double factor = 1;
    if (!settings.scaleFactor.empty()) {
        const auto global = number(settings.scaleFactor);
        if (!global || *global <= 0) return false;
        factor = *global;
    }
    const std::string& enable = settings.enableHighDpiScaling;
    if (!enable.empty() && enable != "0" && enable != "1") return false;
    if (enable != "0") {
        const auto dpi = displayDpi(settings);
        const auto screen = dpi ? roundedScreenFactor(*dpi / kBaseDpi, settings.roundingPolicy) : std::nullopt;
        if (!screen) return false;
        factor *= *screen;
    }
    return std::abs(factor - std::round(factor)) < 1e-9 && std::round(factor) >= 1;
}

}  // namespace tidemark
