#pragma once
// The main window: start-up, the update tick, the re-layout and the graph's
// scale. The control tree is built in frm_main_controls.cpp.
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "graph/draw_graph.h"
#include "graph/readout.h"
#include "logging/daily_log.h"
#include "logging/save_dialog.h"
#include "measurement/cpu_load.h"
#include "measurement/reading.h"
#include "platform/os_types.h"
#include "window/layout.h"
#include "window/window_services.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace tidemark {

class GraphView;
class MeterPanel;
class ScaleStrip;

class frmMain : public QWidget {
public:
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
    void tmrUpdate_Timer();
    void DrawLabels();
    void CmbSchaal_Click();
    void Command2_Click();
    void GetMemoryInfo();
    void chkLogTodisk_Click();
    void CmdOptions_Click(int index);
    void ChkOnTop_Click();
    void SetWindowOnTop(bool on);
    void CmbRefresh_Click();
    void CmbRefresh_KeyPress(int keyCode);
    void Frame3_Click() {}
    // Buttons as bits: 1 left, 2 right, 4 middle; X and Y in graph pixels.
    void Graph_MouseDown(int button, float X, float Y);
    void Graph_MouseMove(int buttons, float X, float Y);
    void Graph_MouseUp(int button, float X, float Y);
    void Command1_Click();
    void Command3_Click();
    void CmdHelp_Click(int index);
    void LogItToDisk();
    void LogStopOnExit();

    // Called when the window closes; the default ends the event loop.
    void setEndProcess(std::function<void()> endProcess) { mEndProcess = std::move(endProcess); }

    const SampleHistory& history() const { return mHistory; }
    const GraphSettings& graphSettings() const { return mGraphSettings; }
    const GraphView& graph() const { return *mGraph; }
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
    void createMeterPanel();
    void createGraphFrame();
    void applyStretchLayout(const StretchLayout& layout);
    void fillLists();
    void showClockLine();
    void countStart();
    std::int32_t countProcessors();
    std::int16_t sampleProcessorFigure();
    std::int16_t noProcessorFigure();
    void setLabelTexts(const Reading& reading);
    void DrawGraph(const Reading& reading);
    double graphInnerWidth() const;
    double graphInnerHeight() const;
    void setHistoryCapacity();
    void showLogState(const LogReport& report);
    void saveGraph();
    void clearGraph();
    void togglePause();
    void openLogFolder();
    void sayNothingStarted(const QString& what, const QStringList& tried);
    void say(const QString& message);
    void applyReadout(ReadoutChange change, float X, float Y);
    bool setRefreshInterval(const QString& text);

    WindowServices mServices;
    std::function<void()> mEndProcess;

    // Window state.
    std::unique_ptr<CPULoad> mSampler;
    std::int32_t mCPUCount = 0;
    bool mLoaded = false;
    bool mUnloaded = false;  // Form_Unload has run: nothing more is written or started
    bool mToldStayOnTop = false;  // the desktop cannot keep windows on top, and the user knows
    bool mPaused = false;  // the user's pause; a tick never restarts a paused timer
    QString mSavedCaption;
    DailyLog mLog;
    std::array<std::int16_t, 11> mScaleLabelValues{};
    MemoryStatus mMemStatus;
    std::int16_t mLastCpu = 0;
    ProcessorFigure mProcessorFigure;  // forms mLastCpu from mSampler's readings
    bool mHadProcessorFigure = false;  // a sampler of this run has given a figure
    bool mToldNoProcessorFigure = false;
    QString mSamplerFailure;  // in the user's words, when the sampler failed
    Reading mReading;  // the last tick's, which the labels, graph, meters and log show
    StretchLayout mLayout;
    SaveState mSave;

    SampleHistory mHistory;
    GraphSettings mGraphSettings;
    ShownGraph mShownGraph;  // what the graph's canvas shows

    // Controls, named by their role; each objectName is the control's name in the design.
    QWidget* mNoFocus = nullptr;
    QWidget* mBottomStrip = nullptr;
    QWidget* mOptionsFrame = nullptr;
    std::array<QToolButton*, 4> mCommandButtons{};
    QToolButton* mLogDataBox = nullptr;
    QWidget* mOptionsBox = nullptr;
    QCheckBox* mStayOnTopBox = nullptr;
    QComboBox* mRefreshBox = nullptr;
    QLabel* mRefreshCaption = nullptr;
    QToolButton* mServicesButton = nullptr;
    QToolButton* mWebButton = nullptr;
    QToolButton* mSystemInfoButton = nullptr;
    std::array<QToolButton*, 2> mHelpButtons{};
    std::array<QToolButton*, 2> mPausePictures{};
    QTimer* mUpdateTimer = nullptr;
    QWidget* mMeterFrame = nullptr;
    MeterPanel* mMeterPanel = nullptr;
    QLabel* mCpuTitle = nullptr;
    QLabel* mRamTitle = nullptr;
    QLabel* mCpuPercentBox = nullptr;
    QLabel* mMemPercentBox = nullptr;
    QLabel* mClockValue = nullptr;
    QLabel* mCpuPercentValue = nullptr;
    QLabel* mClockCaption = nullptr;
    QLabel* mTotalMemoryValue = nullptr;
    QLabel* mFreeMemoryValue = nullptr;
    QLabel* mTotalMemoryCaption = nullptr;
    QLabel* mFreeMemoryCaption = nullptr;
    QWidget* mGraphFrame = nullptr;
    GraphView* mGraph = nullptr;
    QLineEdit* mReadoutBox = nullptr;
    QComboBox* mScaleDivisionList = nullptr;
    std::array<ScaleStrip*, 2> mScaleStrips{};
    std::array<QLabel*, 2> mScaleCaptions{};
};

}  // namespace tidemark
