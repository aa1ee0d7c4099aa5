#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>

#include "platform/qt/screen_scroller.h"
#include "platform/qt/xcb_reply.h"

namespace tidemark {
namespace {

// Pixels go as 32-bit words in the machine's order, 24 bits of colour.
bool displayTakesOurPixels(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) return false;
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem > 0; xcb_format_next(&formats))
        if (formats.data->depth == 24) return formats.data->bits_per_pixel == 32;
    return false;
}

class X11ScreenScroller final : public ScreenScroller, public QAbstractNativeEventFilter {
public:
    X11ScreenScroller(QWidget* window, xcb_connection_t* connection, std::function<void()> shownPixelsLost)
        : window_(window), connection_(connection), shownPixelsLost_(std::move(shownPixelsLost)) {
        qApp->installNativeEventFilter(this);
    }
    ~X11ScreenScroller() override {
        qApp->removeNativeEventFilter(this);
        if (gc_) xcb_free_gc(connection_, gc_);
    }

    void attach() override {
        const auto native = static_cast<xcb_window_t>(window_->winId());
        if (native == native_) return;
        native_ = native;
        unobscured_ = false;  // told by the display once the window is mapped
        const XcbReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, native_), nullptr));
        const XcbReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, native_), nullptr));
        usable_ = geometry && attributes && geometry->depth == 24;
        if (!usable_) return;
        const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
        xcb_change_window_attributes(connection_, native_, XCB_CW_EVENT_MASK, &mask);
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

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_VISIBILITY_NOTIFY) return false;
        const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
        if (visibility->window != native_) return false;
        const bool wasUnobscured = unobscured_;
        unobscured_ = visibility->state == XCB_VISIBILITY_UNOBSCURED;
        // A copy made just before the cover was known may have moved covered pixels into view.
        if (wasUnobscured && !unobscured_) shownPixelsLost_();
        return false;
    }

private:
    QWidget* window_;
    xcb_connection_t* connection_;
    std::function<void()> shownPixelsLost_;
    xcb_window_t native_ = XCB_NONE;
    xcb_gcontext_t gc_ = 0;
    bool usable_ = false;
    bool unobscured_ = false;
};

}  // namespace

std::unique_ptr<ScreenScroller> makeScreenScroller(QWidget* window, std::function<void()> shownPixelsLost) {
    if (QGuiApplication::platformName() != "xcb") return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection() || !displayTakesOurPixels(x11->connection())) return nullptr;
    return std::make_unique<X11ScreenScroller>(window, x11->connection(), std::move(shownPixelsLost));
}

}  // namespace tidemark
