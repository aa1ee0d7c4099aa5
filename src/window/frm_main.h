#pragma once
// The main window: start-up, the update tick and the re-layout. It is made
// of parts that own their controls (the graph panel, the meter frame) and
// the bottom strip's buttons, built in frm_main_controls.cpp; its handlers
// carry the controls' designed names.
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "graph/history.h"
#include "logging/daily_log.h"
#include "logging/save_dialog.h"
#include "measurement/cpu_load.h"
#include "measurement/reading.h"
#include "platform/os_types.h"
#include "window/layout.h"
#include "window/window_services.h"

class QCheckBox;
class QComboBox;
class QTimer;
class QToolButton;

namespace tidemark {

class GraphPanel;
class GraphView;
class MeterFrame;

class frmMain : public QWidget {
public:
    // The indices of the option buttons CmdOptions(0..3) and of CmdHelp(0..1).
    enum OptionButton : int { kSave = 0, kClear = 1, kPause = 2, kOpen = 3 };
    enum HelpButton : int { kAbout = 0, kHelp = 1 };

    explicit frmMain(WindowServices services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the start-up steps and shows the window. False when the program
    // must end at once (another instance runs, or the window was closed while
    // start-up let events run).
    bool Form_Load();
    void Form_Unload();
    // Writes the exit stop line when logging is on and gives up the instance
    // claim, once: on a close, or when the process ends without one (the
    // display connection broke).
    void finishRun();

    void Form_Resize();
    void tmrUpdate_Timer();  // tmrUpdate: the update timer
    void DrawLabels();
    void CmbSchaal_Click();  // CmbSchaal: the scale-division list
    void Command2_Click();   // Command2: the web-site button
    void GetMemoryInfo();
    void chkLogTodisk_Click();         // chkLogTodisk: Log data
    void CmdOptions_Click(int index);  // CmdOptions: Save, Clear, Pause and Open, by OptionButton
    void ChkOnTop_Click();             // ChkOnTop: Stay On Top
    void SetWindowOnTop(bool on);
    void CmbRefresh_Click();                // CmbRefresh: the refresh interval, picked from its list
    void CmbRefresh_KeyPress(int keyCode);  // CmbRefresh: a key typed into it
    void Command1_Click();                  // Command1: Services
    void Command3_Click();                  // Command3: System Info
    void CmdHelp_Click(int index);          // CmdHelp: About and Help, by HelpButton
    void LogItToDisk();
    void LogStopOnExit();

    // Called when the window closes; the default ends the event loop.
    void setEndProcess(std::function<void()> endProcess) { mEndProcess = std::move(endProcess); }

    const SampleHistory& history() const;
    const GraphView& graph() const;
    QTimer& updateTimer() { return *mUpdateTimer; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createBottomStrip();
    void createOptionButtons(QWidget* frame);
    void createToolButtons(QWidget* frame);
    void createOptionsBox(QWidget* frame);
    void applyStretchLayout(const StretchLayout& layout);
    void fillLists();
    void countStart();
    std::int32_t countProcessors();
    std::int16_t sampleProcessorFigure();
    std::int16_t noProcessorFigure();
    void DrawGraph(const Reading& reading);
    void showLogState(const LogReport& report);
    void saveGraph();
    void clearGraph();
    void togglePause();
    void openLogFolder();
    void sayNothingStarted(const QString& what, const QStringList& tried);
    void say(const QString& message);
    bool setRefreshInterval(const QString& text);

    WindowServices mServices;
    std::function<void()> mEndProcess;

    // Window state.
    std::unique_ptr<CPULoad> mSampler;
    std::int32_t mCPUCount = 0;
    bool mLoaded = false;
    bool mUnloaded = false;       // Form_Unload has run: nothing more is written or started
    bool mToldStayOnTop = false;  // the desktop cannot keep windows on top, and the user knows
    bool mPaused = false;         // the user's pause; a tick never restarts a paused timer
    QString mSavedCaption;
    DailyLog mLog;
    MemoryStatus mMemStatus;
    std::int16_t mLastCpu = 0;
    ProcessorFigure mProcessorFigure;  // forms mLastCpu from mSampler's readings
    bool mHadProcessorFigure = false;  // a sampler of this run has given a figure
    bool mToldNoProcessorFigure = false;
    QString mSamplerFailure;  // in the user's words, when the sampler failed
    Reading mReading;         // the last tick's, which the labels, graph, meters and log show
    StretchLayout mLayout;
    SaveState mSave;

    // The parts, and the bottom strip's controls that outlive their creation;
    // each objectName is the control's name in the design.
    GraphPanel* mGraphPanel = nullptr;
    MeterFrame* mMeters = nullptr;
    QWidget* mNoFocus = nullptr;
    QWidget* mBottomStrip = nullptr;
    std::array<QToolButton*, 4> mCommandButtons{};  // by OptionButton
    QToolButton* mLogDataBox = nullptr;
    QCheckBox* mStayOnTopBox = nullptr;
    QComboBox* mRefreshBox = nullptr;
    enum PausePicture : int { kStartPicture = 0, kPausePicture = 1 };  // cmdicon(0..1)
    std::array<QToolButton*, 2> mPausePictures{};                      // by PausePicture
    QTimer* mUpdateTimer = nullptr;
};

}  // namespace tidemark
