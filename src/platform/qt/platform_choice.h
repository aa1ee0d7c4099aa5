#pragma once
// Which of the desktop's display servers the program runs on, chosen before
// the toolkit starts.
#include <QByteArray>

namespace tidemark {

// The environment the choice looks at; empty means unset.
struct DisplayEnvironment {
    QByteArray platform;           // QT_QPA_PLATFORM: the user's own choice always wins
    QByteArray display;            // DISPLAY
    QByteArray waylandDisplay;     // WAYLAND_DISPLAY
    QByteArray bufferIntegration;  // QT_WAYLAND_CLIENT_BUFFER_INTEGRATION
};

// What to set before the toolkit starts; empty means leave it as it is.
struct PlatformChoice {
    QByteArray platform;
    QByteArray bufferIntegration;
};

// Where both are offered, X11 through the desktop's XWayland: there the
// window is placed and kept on top as designed. With Wayland alone, native
// Wayland. On Wayland the window is drawn by the processor: no OpenGL client
// integration is loaded (it brings in the EGL and Mesa stack, some 50 MB).
PlatformChoice choosePlatform(const DisplayEnvironment& environment);

// Reads the environment, applies the choice to it, and tells whether a
// Wayland buffer integration was switched off (the toolkit then warns it
// could not load one, which says nothing to a user).
bool applyPlatformChoice();

// Keeps the desktop's theme out of the program, before the toolkit starts:
// the window draws its own look, and on a GTK desktop the theme would load
// GTK itself (tripling the program's memory and starting the accessibility
// services). Save still gets the desktop's own file chooser, through the
// desktop portal, from a process of its own. Unless the user chose a theme.
void keepDesktopThemeOut();

// On X11, where the screen's scale will be a whole number, the toolkit sends
// its window pictures to the X server as plain requests instead of through
// shared memory: reusing a shared picture's memory means waiting until the
// server has read it, an extra round trip and wake-up on every tick. At a
// fractional scale, where a tick redraws the whole graph, shared memory stays.
// Unless the user chose either way.
void chooseSharedImages();

// Sets an environment variable that only the toolkit's start is to see.
void setForToolkitStart(const char* name, const QByteArray& value);
// Once the toolkit runs: the variables set for its start are taken back, so
// the programs the window starts do not inherit them.
void forgetStartChoices();

// Whether the display server lets a program keep its window above others;
// Wayland compositors do not offer it to the toolkit. Once the toolkit runs.
bool windowsCanStayOnTop();

}  // namespace tidemark
