#include "platform/qt/platform_choice.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tidemark {
namespace {

TEST(PlatformChoice, XWaylandWhereBothAreOfferedNativeWaylandWithoutOpenGlWhereOnlyItIs) {
    const std::tuple<const char*, DisplayEnvironment, QByteArray> rows[] = {
        {"both offered: X11 through XWayland", {"", ":0", "wayland-0", ""}, "xcb|"},
        {"Wayland alone: native, no OpenGL integration", {"", "", "wayland-0", ""}, "wayland|none"},
        {"X11 alone: the toolkit's own choice", {"", ":0", "", ""}, "|"},
        {"the user's platform wins", {"offscreen", ":0", "wayland-0", ""}, "|"},
        {"the user's Wayland, still without OpenGL", {"wayland", ":0", "wayland-0", ""}, "|none"},
        {"the user's buffer integration wins", {"wayland", "", "wayland-0", "wayland-egl"}, "|"}};
    for (const auto& [name, environment, platformAndIntegration] : rows) {
        const PlatformChoice choice = choosePlatform(environment);
        EXPECT_EQ(choice.platform + "|" + choice.bufferIntegration, platformAndIntegration) << name;
    }
}

}  // namespace
}  // namespace tidemark
