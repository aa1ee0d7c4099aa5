#pragma once
// Asks where to save the graph's picture and whether to replace an existing file.
#include "logging/save_names.h"
#include "platform/qt/desktop_services.h"

namespace tidemark {

// Offers state.SaveFileTitle in the process's current folder. A completed
// dialog makes the chosen folder current, so the next dialog opens there.
// The results are left in `state`: SaveFileChosen is false after a cancel or
// a refused overwrite, and then the other two keep their values.
void ShowSaveDialog(Dialogs& dialogs, QWidget* owner, SaveDialogResult& state);

// Takes the file name out of state.SaveFileName for the next dialog.
void SplitSavePath(SaveDialogResult& state);

}  // namespace tidemark
