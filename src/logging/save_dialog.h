#pragma once
// Saving the graph's picture: where to save it, whether to replace an
// existing file, and the bitmap file itself.
#include <QImage>
#include <QString>
#include <functional>

#include "logging/save_names.h"
#include "platform/qt/desktop_services.h"

namespace tidemark {

// Offers state.SaveFileTitle in the process's current folder. A completed
// dialog makes the chosen folder current, so the next dialog opens there.
// The results are left in `state`: SaveFileChosen is false after a cancel, a
// refused overwrite or a name that cannot be a picture (a folder, a link
// another user made), and then the other two keep their values.
void ShowSaveDialog(Dialogs& dialogs, QWidget* owner, SaveDialogResult& state);

// Takes the file name out of state.SaveFileName for the next dialog.
void SplitSavePath(SaveDialogResult& state);

// What the Save button keeps for the whole run.
struct SaveState {
    SaveDialogResult dialog;
    std::int16_t SaveCount = 0;  // bitmaps written; numbers the default names
};

// The Save button: offers the numbered default name unless the user chose a
// name of their own, asks where, and writes the picture there, taken when
// the file is written (the graph goes on while the dialog is open). Returns
// the message for the user when the file could not be written; empty
// otherwise, also after a cancel. SaveCount rises with every bitmap written.
QString saveGraphPicture(Dialogs& dialogs, QWidget* owner, SaveState& state, const std::function<QImage()>& picture);

// Writes the picture as a 24-bit bitmap into a new file that then takes the
// place of whatever stands at `path`: an existing file is replaced only once
// the new one is complete, and a link there is replaced, never followed.
// Returns the file system's reason on failure.
QString writeBitmap(const QImage& picture, const QString& path);

}  // namespace tidemark
