// The button row under the graph: Save, Clear, Pause/Start and Open.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <QTimer>
#include <QToolButton>

#include "logging/save_dialog.h"
#include "window/frm_main.h"
#include "window/widgets.h"

namespace tidemark {
namespace {

// File managers tried in turn when the desktop has no handler for folders.
const char* const kFileManagers[] = {"xdg-open", "nautilus", "dolphin", "thunar", "nemo", "caja", "pcmanfm"};

}  // namespace

void frmMain::CmdOptions_Click(int index) {
    switch (index) {
        case 0: saveGraph(); break;
        case 1: clearGraph(); break;
        case 2: togglePause(); break;
        case 3: openLogFolder(); break;
        default: break;
    }
    picnofocus->setFocus();
}

void frmMain::saveGraph() {
    if (isReplaceableTitle(mSave.SaveFileTitle)) mSave.SaveFileTitle = defaultSaveTitle(SaveCount);
    ShowSaveDialog(services_.dialogs, this, mSave);
    if (!mSave.SaveFileChosen) return;
    const QString path = QString::fromStdString(mSave.SaveFileName);
    if (const QString failure = writeBitmap(path); !failure.isEmpty()) {
        services_.dialogs.exclamation(this, "TideMark save", QString("The picture could not be saved to %1: %2").arg(path, failure));
        return;
    }
    ++SaveCount;
}

// Writes the graph's image as a 24-bit bitmap. The file is replaced only once
// the new one is complete, so a failed write leaves the old file as it was;
// the bitmap is encoded first so a failure names the file system's reason.
QString frmMain::writeBitmap(const QString& path) const {
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "bmp");
    if (!encoder.write(Graph->image().convertToFormat(QImage::Format_RGB888))) return encoder.errorString();
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

void frmMain::clearGraph() {
    if (tmrUpdate->isActive()) QCoreApplication::processEvents();
    history_.HistoryCount = 0;
    try {
        mSampler = std::make_unique<CPULoad>(services_.samplerOs);
        mCPUCount = mSampler->GetCPUCount();
        mSampler->CollectCPUData();
    } catch (const CPULoadError&) {
        // The next tick keeps the previous figure; the sampler tries again then.
    }
}

void frmMain::togglePause() {
    mPaused = !mPaused;
    if (mPaused)
        tmrUpdate->stop();
    else
        tmrUpdate->start();
    CmdOptions[2]->setText(mPaused ? "Start" : "Pause");
    CmdOptions[2]->setIcon(cmdicon[mPaused ? 0 : 1]->icon());
}

void frmMain::openLogFolder() {
    if (!CmdOptions[3]->isEnabled()) return;
    const QString folder = mLogFolder.isEmpty() ? QDir(services_.programFolder).filePath("Log") : mLogFolder;
    if (services_.shell.open(folder)) return;
    QStringList tried{"the desktop's file browser"};
    for (const char* manager : kFileManagers) {
        const QString program = services_.shell.findProgram(manager);
        if (!program.isEmpty() && services_.shell.startDetached(program, {folder})) return;
        tried << manager;
    }
    sayNothingStarted(QString("The log folder %1 could not be opened").arg(QDir::toNativeSeparators(folder)), tried);
}

}  // namespace tidemark
