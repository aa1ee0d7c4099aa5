#include "logging/save_dialog.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QRandomGenerator>

#include "platform/qt/current_user.h"
#include "platform/qt/durable_file.h"

namespace tidemark {
namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

bool refuse(Dialogs& dialogs, QWidget* owner, const QString& message) {
    dialogs.exclamation(owner, "TideMark save", message);
    return false;
}

bool agreesToOverwrite(Dialogs& dialogs, QWidget* owner, const QString& introduction = {}) {
    return dialogs.question(owner, "File already exists", introduction + "Do you want to overwrite the file?");
}

// Whether the picture may go to the chosen name, asking the user where it
// must; sets where it then goes. A folder is no file to overwrite, and a link
// is followed only where the user was told where it leads, never through one
// another user made (in a shared folder that is how a file of theirs
// would be replaced).
bool mayWriteAt(Dialogs& dialogs, QWidget* owner, SaveDialogResult& state) {
    const QString path = QString::fromStdString(state.SaveFileName);
    const QFileInfo entry(path);
    state.SaveWritePath = state.SaveFileName;
    if (entry.isSymLink() && !madeByUserOrSystem(path))
        return refuse(dialogs, owner,
                      QString("%1 is a link another user made; the picture is not saved through it. "
                              "Choose another name.")
                          .arg(shown(path)));
    if (entry.isDir()) return refuse(dialogs, owner, QString("%1 is a folder. Choose a file name.").arg(shown(path)));
    if (entry.isSymLink()) {
        const QString target = entry.symLinkTarget();
        if (!agreesToOverwrite(dialogs, owner, QString("%1 is a link to %2.\n\n").arg(shown(path), shown(target))))
            return false;
        state.SaveWritePath = target.toStdString();
        return true;
    }
    // Unlike FileExists, a hidden file counts too: nothing the user saved is
    // replaced without asking.
    return !entry.exists() || agreesToOverwrite(dialogs, owner);
}

}  // namespace

void SplitSavePath(SaveDialogResult& state) { state.SaveFileTitle = fileTitleOf(state.SaveFileName); }

void ShowSaveDialog(Dialogs& dialogs, QWidget* owner, SaveDialogResult& state) {
    const QString initial = QDir::current().filePath(QString::fromStdString(state.SaveFileTitle));
    const auto chosen = dialogs.saveFileName(owner, "Save File", initial, {"BitMap Files (*.bmp)", "All Files (*.*)"});
    if (!chosen) {
        state.SaveFileChosen = false;
        return;
    }
    state.SaveFileName = withBmpExtension(QDir::cleanPath(*chosen).toStdString());
    QDir::setCurrent(QFileInfo(QString::fromStdString(state.SaveFileName)).absolutePath());
    state.SaveFileChosen = mayWriteAt(dialogs, owner, state);
    if (state.SaveFileChosen) SplitSavePath(state);
}

QString saveGraphPicture(Dialogs& dialogs, QWidget* owner, SaveState& state, const std::function<QImage()>& picture) {
    if (isReplaceableTitle(state.dialog.SaveFileTitle)) state.dialog.SaveFileTitle = defaultSaveTitle(state.SaveCount);
    ShowSaveDialog(dialogs, owner, state.dialog);
    if (!state.dialog.SaveFileChosen) return {};
    const QString path = QString::fromStdString(state.dialog.SaveWritePath);
    if (const QString failure = writeBitmap(picture(), path); !failure.isEmpty())
        return QString("The picture could not be saved to %1: %2").arg(shown(path), failure);
    ++state.SaveCount;
    return {};
}

namespace {

// A file the user replaces keeps its permissions; a new one gets the usual ones.
QFileDevice::Permissions permissionsFor(const QString& path) {
    const QFileInfo existing(path);
    if (existing.isFile() && !existing.isSymLink()) return existing.permissions();
    return newFilePermissions();
}

// The bytes, on the disk, and the file closed; the system's reason when not.
QString writeThrough(QFile& file, const QByteArray& bytes) {
    // A short write sets no error; the next write fails with the reason.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return file.errorString();
        done += written;
    }
    if (const QString failure = syncToDisk(file); !failure.isEmpty()) return failure;
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

// A file of its own beside the destination, named after it, made new: it
// never opens one that exists. Not the toolkit's temporary file: on Windows
// renaming that one after closing it fails with a sharing violation.
QString openNewBeside(QFile& file, const QFileInfo& destination) {
    for (int attempt = 1;; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
        file.setFileName(destination.absolutePath() + "/." + destination.fileName() + "." + suffix);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return {};
        if (!file.exists() || attempt == 16) return file.errorString();
    }
}

QString placeOver(QFile& file, const QByteArray& bitmap, const QString& path) {
    file.setPermissions(permissionsFor(path));
    if (const QString failure = writeThrough(file, bitmap); !failure.isEmpty()) return failure;
    return replaceEntry(file.fileName(), path);
}

}  // namespace

// The bitmap is encoded first, so a failure names the file system's reason.
// The new file is made beside the old one and renamed over it: a rename
// replaces the entry itself, so a link put there meanwhile is not followed.
QString writeBitmap(const QImage& picture, const QString& path) {
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "bmp");
    if (!encoder.write(picture.convertToFormat(QImage::Format_RGB888))) return encoder.errorString();
    const QFileInfo destination(path);
    QFile file;
    if (const QString failure = openNewBeside(file, destination); !failure.isEmpty()) return failure;
    const QString failure = placeOver(file, bitmap, path);
    if (!failure.isEmpty()) file.remove();
    return failure;
}

}  // namespace tidemark
