#include "logging/save_dialog.h"

#include <QDir>
#include <QFileInfo>


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

}  // namespace tidemark
