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

// Whether the display server lets a program keep its window above others;
// Wayland compositors do not offer it to the toolkit. Once the toolkit runs.
bool windowsCanStayOnTop();

}  // namespace tidemark
