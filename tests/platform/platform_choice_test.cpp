#include "platform/qt/platform_choice.h"

#include <gtest/gtest.h>

namespace tidemark {
namespace {

TEST(PlatformChoice, XWaylandWhereBothAreOfferedNativeWaylandWithoutOpenGlWhereOnlyItIs) {
    struct Row {
        const char* name;
        DisplayEnvironment environment;  // platform, DISPLAY, WAYLAND_DISPLAY, buffer integration
        QByteArray platform, bufferIntegration;
    };
    const Row rows[] = {
        {"both offered: X11 through XWayland", {"", ":0", "wayland-0", ""}, "xcb", ""},
        {"Wayland alone: native, no OpenGL integration", {"", "", "wayland-0", ""}, "wayland", "none"},
        {"X11 alone: the toolkit's own choice", {"", ":0", "", ""}, "", ""},
        {"the user's platform wins", {"offscreen", ":0", "wayland-0", ""}, "", ""},
        {"the user's Wayland, still without OpenGL", {"wayland", ":0", "wayland-0", ""}, "", "none"},
        {"the user's buffer integration wins", {"wayland", "", "wayland-0", "wayland-egl"}, "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PlatformChoice choice = choosePlatform(row.environment);
        EXPECT_EQ(choice.platform, row.platform);
        EXPECT_EQ(choice.bufferIntegration, row.bufferIntegration);
    }
}

}  // namespace
}  // namespace tidemark
