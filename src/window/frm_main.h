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
class QDateTime;
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
    // must end at once (another instance runs).
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
    void setEndProcess(std::function<void()> endProcess) { endProcess_ = std::move(endProcess); }

    const SampleHistory& history() const { return history_; }
    const GraphSettings& graphSettings() const { return graphSettings_; }
    const GraphView& graph() const { return *Graph; }
    QString logFolder() const { return mLog.folder(); }
    bool isLoaded() const { return mLoaded; }
    const MemoryStatus& memoryStatus() const { return mMemStatus; }
    QTimer& updateTimer() { return *tmrUpdate; }

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
    std::int16_t sampleProcessorFigure();
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
    void applyReadout(ReadoutChange change, float X, float Y);
    void setRefreshInterval(const QString& text);

    WindowServices services_;
    std::function<void()> endProcess_;

    // Window state.
    std::unique_ptr<CPULoad> mSampler;
    std::int32_t mCPUCount = 0;
    bool mLoaded = false;
    bool mUnloaded = false;  // Form_Unload has run: nothing more is written or started
    bool mPaused = false;  // the user's pause; a tick never restarts a paused timer
    QString mSavedCaption;
    DailyLog mLog;
    std::array<std::int16_t, 11> ScaleLabelValues{};
    MemoryStatus mMemStatus;
    std::int16_t mLastCpu = 0;
    Reading mReading;  // the last tick's, which the labels, graph, meters and log show
    StretchLayout layout_;
    SaveState mSave;

    SampleHistory history_;
    GraphSettings graphSettings_;

    // Controls, named as in the design.
    QWidget* picnofocus = nullptr;
    QWidget* Picture2 = nullptr;
    QWidget* Frame3 = nullptr;
    std::array<QToolButton*, 4> CmdOptions{};
    QToolButton* chkLogTodisk = nullptr;
    QWidget* Frame1 = nullptr;
    QCheckBox* ChkOnTop = nullptr;
    QComboBox* CmbRefresh = nullptr;
    QLabel* lblrefresh = nullptr;
    QToolButton* Command1 = nullptr;
    QToolButton* Command2 = nullptr;
    QToolButton* Command3 = nullptr;
    std::array<QToolButton*, 2> CmdHelp{};
    std::array<QToolButton*, 2> cmdicon{};
    QTimer* tmrUpdate = nullptr;
    QWidget* FrmVU = nullptr;
    MeterPanel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QWidget* FrmGraph = nullptr;
    GraphView* Graph = nullptr;
    QLineEdit* txtValue = nullptr;
    QComboBox* CmbSchaal = nullptr;
    std::array<ScaleStrip*, 2> picLabels{};
    std::array<QLabel*, 2> lblscale{};
};

}  // namespace tidemark
