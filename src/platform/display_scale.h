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

// What a settings source says of the dots per inch: nothing (not named), a
// number, or a value named in a way this reader does not follow, of which
// nothing can be told.
struct DpiSetting {
    bool named = false;
    std::optional<double> dpi;
};

// "Xft.dpi" of the X resources (the RESOURCE_MANAGER text), the last one named.
DpiSetting xftDpiFromResources(std::string_view resources);

// "Xft/DPI" of an XSETTINGS block, which gives 1/1024 dots per inch; a block
// cut short or of an unknown byte order names nothing.
DpiSetting xftDpiFromXSettings(std::span<const std::byte> settings);

// Unset variables are empty.
struct ScaleSettings {
    std::string enableHighDpiScaling{};  // QT_ENABLE_HIGHDPI_SCALING
    std::string scaleFactor{};           // QT_SCALE_FACTOR
    std::string screenScaleFactors{};    // QT_SCREEN_SCALE_FACTORS
    std::string roundingPolicy{};        // QT_SCALE_FACTOR_ROUNDING_POLICY
    std::string usePhysicalDpi{};        // QT_USE_PHYSICAL_DPI
    std::string fontDpi{};               // QT_FONT_DPI
    DpiSetting resources{};
    DpiSetting xsettings{};
};

// True only when the scale will surely be a whole number of device pixels
// per pixel; false where it could be a fraction or cannot be told.
bool wholeScaleExpected(const ScaleSettings& settings);

}  // namespace tidemark
