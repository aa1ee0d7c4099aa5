#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "platform/display_scale.h"
#include "platform/qt/platform_choice.h"
#include "platform/qt/xcb_reply.h"

namespace tidemark {
namespace {

xcb_atom_t existingAtom(xcb_connection_t* connection, const std::string& name) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A property's bytes; settings blocks are far below the megabyte asked for.
// Nothing for a property longer than that, which cannot be read whole.
std::optional<std::string> propertyBytes(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                         xcb_atom_t type) {
    if (property == XCB_ATOM_NONE || type == XCB_ATOM_NONE) return std::string();
    const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 1 << 18), nullptr));
    if (!reply || reply->format != 8) return std::string();
    if (reply->bytes_after != 0) return std::nullopt;
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_window_t settingsManager(xcb_connection_t* connection, int screen) {
    const xcb_atom_t selection = existingAtom(connection, "_XSETTINGS_S" + std::to_string(screen));
    if (selection == XCB_ATOM_NONE) return XCB_NONE;
    const XcbReply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    return reply ? reply->owner : XCB_NONE;
}

const xcb_screen_t* screenAt(xcb_connection_t* connection, int number) {
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; screens.rem > 0 && i < number; ++i) xcb_screen_next(&screens);
    return screens.rem > 0 ? screens.data : nullptr;
}

// The dots per inch the toolkit will find on the display, from its X
// resources and its settings manager.
bool readDisplayDpi(ScaleSettings& settings) {
    int screenNumber = 0;
    const XcbConnection connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get())) return false;
    const xcb_screen_t* screen = screenAt(connection.get(), screenNumber);
    if (!screen) return false;
    const auto resources = propertyBytes(connection.get(), screen->root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING);
    if (!resources) return false;
    settings.resources = xftDpiFromResources(*resources);
    if (const xcb_window_t manager = settingsManager(connection.get(), screenNumber); manager != XCB_NONE) {
        const xcb_atom_t block = existingAtom(connection.get(), "_XSETTINGS_SETTINGS");
        const auto bytes = propertyBytes(connection.get(), manager, block, block);
        if (!bytes) return false;
        settings.xsettings = xftDpiFromXSettings(std::as_bytes(std::span(bytes->data(), bytes->size())));
    }
    return true;
}

std::string environment(const char* name) { return qgetenv(name).toStdString(); }

}  // namespace

void chooseSharedImages() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool onX11 = platform.isEmpty() ? !qEnvironmentVariableIsEmpty("DISPLAY") : platform.startsWith("xcb");
    if (!onX11 || qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) return;
    ScaleSettings settings{.enableHighDpiScaling = environment("QT_ENABLE_HIGHDPI_SCALING"),
                           .scaleFactor = environment("QT_SCALE_FACTOR"),
                           .screenScaleFactors = environment("QT_SCREEN_SCALE_FACTORS"),
                           .roundingPolicy = environment("QT_SCALE_FACTOR_ROUNDING_POLICY"),
                           .usePhysicalDpi = environment("QT_USE_PHYSICAL_DPI"),
                           .fontDpi = environment("QT_FONT_DPI")};
    if (readDisplayDpi(settings) && wholeScaleExpected(settings)) setForToolkitStart("QT_XCB_NO_MITSHM", "1");
}

}  // namespace tidemark
