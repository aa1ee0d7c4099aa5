#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

#include "platform/qt/start_program.h"

namespace tidemark {

bool startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

// xdg-open starts, and only then finds out whether anything can open the
// target ("no method available"): its exit status says so. It is watched
// rather than detached for that, and may run as long as the program it
// opened in the foreground; it is never killed or waited for.
bool openWithDesktop(const QUrl& url, std::function<void()> failedLater) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) return QDesktopServices::openUrl(url);
    auto* opener = new QProcess;  // no parent: nothing kills it when the program ends
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, failedLater = std::move(failedLater)](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if ((status != QProcess::NormalExit || exitCode != 0) && failedLater) failedLater();
                     });
    opener->start(xdgOpen, {url.isLocalFile() ? url.toLocalFile() : url.toString()});
    if (opener->waitForStarted()) return true;
    delete opener;
    return false;
}

}  // namespace tidemark
