// Feeds arbitrary bytes to the readers of the display's settings: as an X
// resources text and as an XSETTINGS block (which reads a DPI out of any
// layout, from either byte order), and what they give to the scale check.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/display_scale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tidemark::ScaleSettings settings;
    settings.resources = tidemark::xftDpiFromResources(std::string_view(reinterpret_cast<const char*>(data), size));
    settings.xsettings = tidemark::xftDpiFromXSettings(std::as_bytes(std::span(data, size)));
    tidemark::wholeScaleExpected(settings);
    return 0;
}
