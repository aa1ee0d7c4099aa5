// The buttons of the bottom strip: Log data, Save, Clear, Pause/Start, Open,
// the tool launchers, Help and About.
#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

#include "logging/save_dialog.h"
#include "tools/frm_about.h"
#include "tools/launchers.h"
#include "tools/product.h"
#include "window/frm_main.h"
#include "window/graph_panel.h"

namespace tidemark {

// Logging goes off (box, title, Open) before the one message is shown, so
// ticks during the message do not report again.
void frmMain::showLogState(const LogReport& report) {
    mLogDataBox->setChecked(mLog.isOn());
    setWindowTitle(mLog.isOn() ? mLog.title() : mSavedCaption);
    mCommandButtons[kOpen]->setEnabled(!mLog.isOn());
    if (report.failed()) mServices.dialogs.exclamation(this, "TideMark save log", report.message);
}

void frmMain::chkLogTodisk_Click() {
    const LogReport report = mLogDataBox->isChecked() ? mLog.start() : mLog.stop();
    showLogState(report);
    if (!report.failed()) mNoFocus->setFocus();
}

// Without a processor figure its field stays empty: a spreadsheet skips an
// empty cell in sums and charts, where "n/a" or 0 would count.
void frmMain::LogItToDisk() {
    const LogReport report = mLog.record(mReading.cpu == kNoFigure ? "" : mReading.cpuText, mReading.memText);
    if (report.failed()) showLogState(report);
}

void frmMain::LogStopOnExit() { mLog.stopOnExit(); }

void frmMain::CmdOptions_Click(int index) {
    switch (index) {
        case kSave:
            saveGraph();
            break;
        case kClear:
            clearGraph();
            break;
        case kPause:
            togglePause();
            break;
        case kOpen:
            openLogFolder();
            break;
        default:
            break;
    }
    mNoFocus->setFocus();
}

void frmMain::saveGraph() {
    const auto picture = [this] { return mGraphPanel->picture(); };
    if (const QString failure = saveGraphPicture(mServices.dialogs, this, mSave, picture); !failure.isEmpty())
        mServices.dialogs.exclamation(this, "TideMark save", failure);
}

void frmMain::clearGraph() {
    if (mUpdateTimer->isActive()) QCoreApplication::processEvents();
    mGraphPanel->clearHistory();
    try {
        mSampler = std::make_unique<CPULoad>(mServices.samplerOs);
        mProcessorFigure = {};  // what it carried belongs to the old sampler's counters
        mCPUCount = mSampler->GetCPUCount();
        mSampler->CollectCPUData();
    } catch (const CPULoadError&) {
        // The next tick keeps the previous figure; the sampler tries again then.
    }
}

void frmMain::togglePause() {
    mPaused = !mPaused;
    if (mPaused)
        mUpdateTimer->stop();
    else
        mUpdateTimer->start();
    mCommandButtons[kPause]->setText(mPaused ? "Start" : "Pause");
    mCommandButtons[kPause]->setIcon(mPausePictures[mPaused ? kStartPicture : kPausePicture]->icon());
}

void frmMain::openLogFolder() {
    if (!mCommandButtons[kOpen]->isEnabled()) return;
    const QString folder = mLog.folder();
    const QString what = QString("The log folder %1 could not be opened").arg(QDir::toNativeSeparators(folder));
    const LateFailure failedLater = [window = QPointer(this), what](const QStringList& tried) {
        if (window) window->sayNothingStarted(what, tried);
    };
    if (const LaunchResult launch = openFolder(mServices.shell, folder, failedLater); !launch.started)
        sayNothingStarted(what, launch.tried);
}

void frmMain::sayNothingStarted(const QString& what, const QStringList& tried) {
    say(nothingStartedMessage(what, tried));
}

void frmMain::say(const QString& message) { mServices.dialogs.exclamation(this, kProductTitle, message); }

void frmMain::Command1_Click() {
    if (const LaunchResult launch = startServicesTool(mServices.shell); !launch.started)
        sayNothingStarted("No services tool could be started", launch.tried);
}

void frmMain::Command3_Click() {
    if (const LaunchResult launch = startSystemInfoTool(mServices.shell); !launch.started)
        sayNothingStarted("No system information tool could be started", launch.tried);
}

void frmMain::Command2_Click() {
    const QString message = webPageNotOpenedMessage(mServices.webAddress);
    const auto failedLater = [window = QPointer(this), message] {
        if (window) window->say(message);
    };
    if (!mServices.shell.open(mServices.webAddress, failedLater)) say(message);
}

void frmMain::CmdHelp_Click(int index) {
    if (index == kAbout) {
        frmAbout about(mServices.shell, mServices.dialogs, mServices.webAddress, this);
        mServices.dialogs.runModal(about);
        return;
    }
    mServices.dialogs.information(this, "Help", helpText(mServices.webAddress));
}

}  // namespace tidemark
