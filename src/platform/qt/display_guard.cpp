#include "platform/qt/display_guard.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tidemark {
namespace {

struct HeldMessage {
    QByteArray category;
    QString text;
};

QList<HeldMessage> heldMessages;
QStringList expectedMessages;

// The toolkit says why a plugin's library would not load only in the library
// loader's debug messages; they are heard while the guard lives, and kept
// from the user unless the user asked for them.
constexpr char libraryLoader[] = "qt.core.library";
QLoggingCategory::CategoryFilter usersFilter = nullptr;
bool loaderHeardForUs = false;
QString pluginLoadFailure;

void hearLibraryLoader(QLoggingCategory* category) {
    if (usersFilter) usersFilter(category);  // none yet while the first filter is put in
    if (qstrcmp(category->categoryName(), libraryLoader) != 0 || category->isDebugEnabled()) return;
    category->setEnabled(QtDebugMsg, true);
    loaderHeardForUs = true;
}

// "<file>" cannot load: <why>, for each library that would not load; only a
// platform plugin's matters here.
void noteLoaderMessage(const QString& message) {
    const QLatin1String cannotLoad(" cannot load: ");
    const qsizetype at = message.indexOf(cannotLoad);
    if (at >= 0 && message.left(at).contains(QLatin1String("/platforms/")))
        pluginLoadFailure = message.mid(at + cannotLoad.size()).simplified();
}

QByteArray whichDisplay() {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty() && wayland.isEmpty()) return "neither DISPLAY nor WAYLAND_DISPLAY is set";
    return display.isEmpty() ? "WAYLAND_DISPLAY=" + wayland : "DISPLAY=" + display;
}

// What the X11 and the Wayland plugin say when their display server is not there.
bool displayWasMissing() {
    return std::any_of(heldMessages.cbegin(), heldMessages.cend(), [](const HeldMessage& held) {
        return held.text.startsWith(QLatin1String("could not connect to display")) ||
               held.text.startsWith(QLatin1String("Failed to create wl_display"));
    });
}

// The toolkit's own words, on one line: which plugin it could not find or
// load, the library loader's reason, and the plugins it has.
QString whyNoPlugin(const QString& fatal) {
    QStringList words;
    for (const HeldMessage& held : std::as_const(heldMessages))
        if (held.category == "qt.qpa.plugin") words << held.text.simplified();
    if (!pluginLoadFailure.isEmpty()) words << pluginLoadFailure;
    const qsizetype available = fatal.indexOf(QLatin1String("Available platform plugins"));
    if (available >= 0) words << fatal.mid(available).simplified();
    if (words.isEmpty()) words << fatal.section('\n', 0, 0).simplified();
    for (QString& sentence : words)
        if (!sentence.endsWith('.')) sentence += '.';
    return words.join(' ');
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (qstrcmp(context.category, libraryLoader) == 0) {
        noteLoaderMessage(message);
        if (loaderHeardForUs && type == QtDebugMsg) return;
    }
    if (type != QtFatalMsg) {
        heldMessages << HeldMessage{context.category, message};
        return;
    }
    if (displayWasMissing())
        std::fprintf(stderr, "TideMark: no display could be opened (%s).\n", whichDisplay().constData());
    else
        std::fprintf(stderr, "TideMark: the display platform plugin could not be loaded: %s\n",
                     qPrintable(whyNoPlugin(message)));
    std::fflush(stderr);
    std::_Exit(1);  // the toolkit is half started: nothing may run after this
}

bool isExpected(const QString& message) {
    return std::any_of(expectedMessages.cbegin(), expectedMessages.cend(),
                       [&](const QString& start) { return message.startsWith(start); });
}

// After the start, expected messages still come when the first window is
// made; everything else is written as the toolkit would.
void dropExpected(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (isExpected(message)) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

DisplayGuard::DisplayGuard(QStringList expected) {
    expectedMessages = std::move(expected);
    qInstallMessageHandler(holdOrGiveUp);
    usersFilter = QLoggingCategory::installFilter(hearLibraryLoader);
}

DisplayGuard::~DisplayGuard() {
    QLoggingCategory::installFilter(usersFilter);
    loaderHeardForUs = false;
    qInstallMessageHandler(expectedMessages.isEmpty() ? nullptr : dropExpected);
    for (const HeldMessage& held : std::as_const(heldMessages))
        if (!isExpected(held.text)) std::fprintf(stderr, "%s\n", qPrintable(held.text));
    heldMessages.clear();
    pluginLoadFailure.clear();
}

}  // namespace tidemark
