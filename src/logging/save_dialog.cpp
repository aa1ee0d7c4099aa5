#include "logging/save_dialog.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace tidemark {
namespace {

// Unlike FileExists, a hidden file counts too: nothing the user saved is
// replaced without asking.
bool somethingExistsAt(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    return info.exists() || info.isSymLink();
}

}  // namespace

void SplitSavePath(SaveDialogResult& state) { state.SaveFileTitle = fileTitleOf(state.SaveFileName); }

void ShowSaveDialog(Dialogs& dialogs, QWidget* owner, SaveDialogResult& state) {
    const QString initial = QDir::current().filePath(QString::fromStdString(state.SaveFileTitle));
    const auto chosen =
        dialogs.saveFileName(owner, "Save File", initial, {"BitMap Files (*.bmp)", "All Files (*.*)"});
    if (!chosen) {
        state.SaveFileChosen = false;
        return;
    }
    state.SaveFileChosen = true;
    state.SaveFileName = withBmpExtension(QDir::cleanPath(*chosen).toStdString());
    QDir::setCurrent(QFileInfo(QString::fromStdString(state.SaveFileName)).absolutePath());
    if (somethingExistsAt(state.SaveFileName) &&
        !dialogs.question(owner, "File already exists", "Do you want to overwrite the file?")) {
        state.SaveFileChosen = false;
        return;
    }
    SplitSavePath(state);
}

QString saveGraphPicture(Dialogs& dialogs, QWidget* owner, SaveState& state, const QImage& picture) {
    if (isReplaceableTitle(state.dialog.SaveFileTitle)) state.dialog.SaveFileTitle = defaultSaveTitle(state.SaveCount);
    ShowSaveDialog(dialogs, owner, state.dialog);
    if (!state.dialog.SaveFileChosen) return {};
    const QString path = QString::fromStdString(state.dialog.SaveFileName);
    if (const QString failure = writeBitmap(picture, path); !failure.isEmpty())
        return QString("The picture could not be saved to %1: %2").arg(QDir::toNativeSeparators(path), failure);
    ++state.SaveCount;
    return {};
}

// The bitmap is encoded first, so a failure names the file system's reason.
QString writeBitmap(const QImage& picture, const QString& path) {
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "bmp");
    if (!encoder.write(picture.convertToFormat(QImage::Format_RGB888))) return encoder.errorString();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // A short write sets no error; the next write fails with the reason.
    for (qint64 done = 0; done < bitmap.size();) {
        const qint64 written = file.write(bitmap.constData() + done, bitmap.size() - done);
        if (written <= 0) return file.errorString();
        done += written;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace tidemark
