#include <unistd.h>

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

#include "platform/qt/start_program.h"

namespace tidemark {
namespace {

// "No method available" comes within moments; an opener still running after
// this is showing what it opened, and how that program ends is its own affair.
constexpr int kOpenerWatchMs = 10'000;

}  // namespace

bool startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

// xdg-open starts, and only then finds out whether anything can open the
// target: its exit status says so. It runs in a session of its own, as a
// detached program would, so that closing the terminal the monitor was
// started from does not take the opened program along; it is never killed
// or waited for, and may run as long as what it opened.
bool openWithDesktop(const QUrl& url, std::function<void()> failedLater) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return QDesktopServices::openUrl(url);
    auto* opener = new QProcess;  // no parent: nothing kills it when the program ends
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    opener->setChildProcessModifier([] { ::setsid(); });
    auto watched = std::make_shared<bool>(true);
    QTimer::singleShot(kOpenerWatchMs, opener, [watched] { *watched = false; });
    QObject::connect(
        opener, &QProcess::finished, opener,
        [opener, watched, failedLater = std::move(failedLater)](int exitCode, QProcess::ExitStatus status) {
            opener->deleteLater();
            const bool failed = status != QProcess::NormalExit || exitCode != 0;
            if (failed && *watched && failedLater) failedLater();
        });
    opener->start(xdgOpen, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
    if (opener->waitForStarted()) return true;
    delete opener;
    return false;
}

}  // namespace tidemark
