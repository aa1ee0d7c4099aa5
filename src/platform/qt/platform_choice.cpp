#include "platform/qt/platform_choice.h"

#include <QGuiApplication>
#include <QList>
#include <QtGlobal>

namespace tidemark {

PlatformChoice choosePlatform(const DisplayEnvironment& environment) {
    PlatformChoice choice;
    QByteArray platform = environment.platform;
    if (platform.isEmpty() && !environment.waylandDisplay.isEmpty())
        platform = choice.platform = environment.display.isEmpty() ? "wayland" : "xcb";
    if (platform.startsWith("wayland") && environment.bufferIntegration.isEmpty()) choice.bufferIntegration = "none";
    return choice;
}

bool applyPlatformChoice() {
    const PlatformChoice choice =
        choosePlatform({qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY"),
                        qgetenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")});
    if (!choice.platform.isEmpty()) qputenv("QT_QPA_PLATFORM", choice.platform);
    if (!choice.bufferIntegration.isEmpty()) qputenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", choice.bufferIntegration);
    return !choice.bufferIntegration.isEmpty();
}

namespace {
QList<const char*> setForStartOnly;
}

void setForToolkitStart(const char* name, const QByteArray& value) {
    qputenv(name, value);
    setForStartOnly << name;
}

void forgetStartChoices() {
    for (const char* name : std::as_const(setForStartOnly)) qunsetenv(name);
    setForStartOnly.clear();
}

void keepDesktopThemeOut() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QGuiApplication::setDesktopSettingsAware(false);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
        setForToolkitStart("QT_QPA_PLATFORMTHEME", "xdgdesktopportal");
#endif
}

bool windowsCanStayOnTop() { return !QGuiApplication::platformName().startsWith("wayland"); }

}  // namespace tidemark
