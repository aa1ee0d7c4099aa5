#include "logging/save_dialog.h"

#include <QDir>
#include <QFileInfo>

#include "logging/append_file.h"

namespace tidemark {

void SplitSavePath(SaveDialogResult& state) { state.SaveFileTitle = fileTitleOf(state.SaveFileName); }

void ShowSaveDialog(Dialogs& dialogs, SaveDialogResult& state) {
    const QString initial = QDir::current().filePath(QString::fromStdString(state.SaveFileTitle));
    const auto chosen =
        dialogs.saveFileName("Save File", initial, {"BitMap Files (*.bmp)", "All Files (*.*)"});
    if (!chosen) {
        state.SaveFileChosen = false;
        return;
    }
    state.SaveFileChosen = true;
    state.SaveFileName = withBmpExtension(QDir::cleanPath(*chosen).toStdString());
    QDir::setCurrent(QFileInfo(QString::fromStdString(state.SaveFileName)).absolutePath());
    if (FileExists(state.SaveFileName) &&
        !dialogs.question("File already exists", "Do you want to overwrite the file?")) {
        state.SaveFileChosen = false;
        return;
    }
    SplitSavePath(state);
}

}  // namespace tidemark
