#pragma once
// What the toolkit will make of the display's scale, read before it starts:
// the X resources' and the XSETTINGS manager's dots per inch, and the user's
// scaling variables.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tidemark {

// "Xft.dpi" of the X resources (the RESOURCE_MANAGER text): whole or with a
// fraction, rounded; nothing when absent or unreadable.
std::optional<int> xftDpiFromResources(std::string_view resources);

// "Xft/DPI" of an XSETTINGS block, in 1/1024 dots per inch; nothing when
// absent, of another type or when the block is cut short.
std::optional<std::int32_t> xftDpiFromXSettings(std::span<const std::byte> settings);

// Unset variables are empty.
struct ScaleSettings {
    std::string enableHighDpiScaling{};  // QT_ENABLE_HIGHDPI_SCALING
    std::string scaleFactor{};           // QT_SCALE_FACTOR
    std::string screenScaleFactors{};    // QT_SCREEN_SCALE_FACTORS
    std::string roundingPolicy{};        // QT_SCALE_FACTOR_ROUNDING_POLICY
    std::string usePhysicalDpi{};        // QT_USE_PHYSICAL_DPI
    std::optional<int> resourcesDpi{};
    std::optional<std::int32_t> xsettingsDpi1024{};
};

// True only when the scale will surely be a whole number of device pixels
// per pixel; false where it could be a fraction or cannot be told.
bool wholeScaleExpected(const ScaleSettings& settings);

}  // namespace tidemark
