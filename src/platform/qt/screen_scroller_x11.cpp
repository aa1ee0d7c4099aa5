#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <bit>
#include <memory>

#include "platform/qt/screen_scroller.h"
#include "platform/qt/xcb_reply.h"

namespace tidemark {
namespace {

// Pixels go as 32-bit words in this machine's order: 0x00RRGGBB.
bool takesOurPixels(xcb_connection_t* connection, xcb_visualid_t visual) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (std::endian::native != std::endian::little || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool wordPerPixel = false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem > 0; xcb_format_next(&formats))
        if (formats.data->depth == 24)
            wordPerPixel = formats.data->bits_per_pixel == 32 && formats.data->scanline_pad <= 32;
    for (auto screens = xcb_setup_roots_iterator(setup); screens.rem > 0; xcb_screen_next(&screens))
        for (auto depths = xcb_screen_allowed_depths_iterator(screens.data); depths.rem > 0; xcb_depth_next(&depths))
            for (auto types = xcb_depth_visuals_iterator(depths.data); types.rem > 0; xcb_visualtype_next(&types))
                if (types.data->visual_id == visual)
                    return wordPerPixel && depths.data->depth == 24 &&
                           types.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && types.data->red_mask == 0xFF0000 &&
                           types.data->green_mask == 0xFF00 && types.data->blue_mask == 0xFF;
    return false;
}

// Draws through the toolkit's own connection, so that its drawing and ours
// reach the server in order. Whether the window is unobscured is heard on a
// connection of our own: an event mask belongs to each client, and the
// toolkit sets its own anew (keeping the window on top does).
class X11ScreenScroller final : public ScreenScroller {
public:
    X11ScreenScroller(QWidget* window, xcb_connection_t* connection, XcbConnection listener,
                      std::function<void()> shownPixelsLost)
        : window_(window),
          connection_(connection),
          listener_(std::move(listener)),
          shownPixelsLost_(std::move(shownPixelsLost)),
          heard_(xcb_get_file_descriptor(listener_.get()), QSocketNotifier::Read) {
        QObject::connect(&heard_, &QSocketNotifier::activated, [this] { readVisibility(); });
    }
    ~X11ScreenScroller() override {
        if (gc_) xcb_free_gc(connection_, gc_);
    }

    void attach() override {
        const auto native = static_cast<xcb_window_t>(window_->winId());
        if (native == native_) return;
        native_ = native;
        unobscured_ = false;  // told once the window is mapped
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, native_), nullptr));
        usable_ = attributes && takesOurPixels(connection_, attributes->visual);
        if (!usable_) return;
        const std::uint32_t visibility = XCB_EVENT_MASK_VISIBILITY_CHANGE;
        xcb_change_window_attributes(listener_.get(), native_, XCB_CW_EVENT_MASK, &visibility);
        xcb_flush(listener_.get());
        if (gc_) xcb_free_gc(connection_, gc_);
        gc_ = xcb_generate_id(connection_);
        // No exposure events: a copy is made only while nothing covers the window.
        const std::uint32_t noExposures = 0;
        xcb_create_gc(connection_, gc_, native_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
        xcb_flush(connection_);
    }

    bool ready() const override {
        return usable_ && unobscured_ && window_->devicePixelRatioF() == 1.0 &&
               static_cast<xcb_window_t>(window_->winId()) == native_;
    }

    void scrollLeft(const QRect& area, std::span<const std::uint32_t> column) override {
        const auto x = static_cast<std::int16_t>(area.x()), y = static_cast<std::int16_t>(area.y());
        const auto height = static_cast<std::uint16_t>(area.height());
        xcb_copy_area(connection_, native_, native_, gc_, static_cast<std::int16_t>(x + 1), y, x, y,
                      static_cast<std::uint16_t>(area.width() - 1), height);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, native_, gc_, 1, height,
                      static_cast<std::int16_t>(area.right()), y, 0, 24,
                      static_cast<std::uint32_t>(column.size_bytes()),
                      reinterpret_cast<const std::uint8_t*>(column.data()));
    }

    void flush() override { xcb_flush(connection_); }

private:
    void readVisibility() {
        while (const XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(listener_.get())}) {
            if ((event->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY) continue;  // errors of a window gone
            const auto* visibility = reinterpret_cast<const xcb_visibility_notify_event_t*>(event.get());
            if (visibility->window != native_) continue;
            const bool wasUnobscured = unobscured_;
            unobscured_ = visibility->state == XCB_VISIBILITY_UNOBSCURED;
            // A copy made just before the cover was known may have moved covered pixels into view.
            if (wasUnobscured && !unobscured_) shownPixelsLost_();
        }
        if (xcb_connection_has_error(listener_.get())) heard_.setEnabled(false);
    }

    QWidget* window_;
    xcb_connection_t* connection_;
    XcbConnection listener_;
    std::function<void()> shownPixelsLost_;
    QSocketNotifier heard_;
    xcb_window_t native_ = XCB_NONE;
    xcb_gcontext_t gc_ = 0;
    bool usable_ = false;
    bool unobscured_ = false;
};

}  // namespace

std::unique_ptr<ScreenScroller> makeScreenScroller(QWidget* window, std::function<void()> shownPixelsLost) {
    if (QGuiApplication::platformName() != "xcb") return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return nullptr;
    XcbConnection listener(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(listener.get())) return nullptr;
    return std::make_unique<X11ScreenScroller>(window, x11->connection(), std::move(listener),
                                               std::move(shownPixelsLost));
}

}  // namespace tidemark
