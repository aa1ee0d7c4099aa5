#include "window/frm_main.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <limits>

#include "base/numbers.h"
#include "measurement/cpu_clock.h"
#include "measurement/reading.h"
#include "window/graph_panel.h"
#include "window/meter_frame.h"

namespace tidemark {
namespace {

// Start-up and shutdown go on past a failing step.
template <typename Step>
void resumeNext(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

// Every 20th start opens the product's web page, the first on the 18th.
constexpr std::int32_t kStartsPerWebVisit = 20;
constexpr std::int32_t kWebVisitStart = 18;

// The user's words for a sampler that cannot give a single figure.
QString noProcessorLoadText(const CPULoadError& error) {
    const QString why = error.number() == kObjectErrorBase + kNoProcessorObject
                            ? QStringLiteral(
                                  "the system's performance data holds no processor figures; Windows "
                                  "performance counters may be switched off")
                            : QString::fromStdString(error.description());
    return QStringLiteral(
               "The processor load cannot be read on this computer: %1.\n\nThe processor figure shows "
               "n/a and is left out of the graph and the log; the memory figures go on.")
        .arg(why);
}

}  // namespace

frmMain::frmMain(WindowServices services, QWidget* parent)
    : QWidget(parent),
      mServices(std::move(services)),
      mEndProcess([] { QCoreApplication::quit(); }),
      mLog(mServices.clock, mServices.programFolder, mServices.userDataFolder) {
    createControls();
}

frmMain::~frmMain() = default;

bool frmMain::Form_Load() {
    mLog.prepareFolder();
    mSavedCaption = windowTitle();
    fillLists();
    if (mServices.instanceLock.anotherInstanceRunning()) {
        mServices.dialogs.information(nullptr, "TIDEMARK", "Only one copy of this program can be used.");
        return false;
    }
    QCoreApplication::processEvents();
    if (mUnloaded) return false;  // closed meanwhile: a quit request during start-up
    mGraphPanel->startAfresh();
    resumeNext([&] { mSampler = std::make_unique<CPULoad>(mServices.samplerOs); });
    mCPUCount = countProcessors();
    mMeters->setColors(mGraphPanel->settings());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
    show();
    mMeters->showClockLine(GetCPUClock(mServices.machine));
    QCoreApplication::processEvents();
    if (mUnloaded) return false;
    resumeNext([&] {
        if (mSampler) mSampler->CollectCPUData();
    });
    // Asked again after the first sample: the sampler keeps no count of 0 but
    // counts afresh, and the ticks give a processor figure only for a count of 1 or more.
    mCPUCount = countProcessors();
    mUpdateTimer->start();
    mGraphPanel->showScaleDivision();
    DrawLabels();
    mLoaded = true;
    countStart();
    return true;
}

void frmMain::fillLists() {
    for (int ms = 100; ms <= 1000; ms += 100) mRefreshBox->addItem(QString::number(ms));
    mRefreshBox->setCurrentIndex(-1);
    mRefreshBox->setEditText("500");
    mGraphPanel->fillScaleDivisions();
}

void frmMain::countStart() {
    const QString stored = mServices.settings.read("MarloFenwick", "TideMark", "Tel", "1");
    const auto n = roundToInt32(leadingNumber(stored.toStdString()));
    if (!n) return;  // a counter beyond the 32-bit range: the step fails and is skipped
    // The page opens as the web button opens it, but a start-up nobody asked
    // for does not complain when there is no browser.
    if (*n % kStartsPerWebVisit == kWebVisitStart) mServices.shell.open(mServices.webAddress);
    if (*n == std::numeric_limits<std::int32_t>::max()) return;
    mServices.settings.write("MarloFenwick", "TideMark", "Tel", QString::fromStdString(decimalText(*n + 1)));
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    if (mUnloaded) return;
    mUpdateTimer->stop();
    finishRun();
    mEndProcess();
}

void frmMain::finishRun() {
    if (mUnloaded) return;
    mUnloaded = true;
    LogStopOnExit();
    mServices.instanceLock.release();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bottom strip is docked: it follows the window whether or not the
    // rest is laid out again.
    mBottomStrip->setGeometry(0, height() - twipsToPixels(kPicture2HeightTwips), width(),
                              twipsToPixels(kPicture2HeightTwips));
    Form_Resize();
}

// Restoring from minimised brings no resize when the size is unchanged, but
// the window is laid out and ticked as on any other size change.
void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized()) Form_Resize();
}

void frmMain::Form_Resize() {
    if (!mLoaded || isMinimized()) return;
    // The toolkit reports the client size; the layout is designed on the outer size.
    const int W = width() * kTwipsPerPixel + kFrameWidthTwips;
    const int H = height() * kTwipsPerPixel + kFrameHeightTwips;
    applyStretchLayout(relayout(W, H, mLayout));
    mGraphPanel->fitHistoryToWidth();
    DrawLabels();
    tmrUpdate_Timer();
}

const SampleHistory& frmMain::history() const { return mGraphPanel->history(); }
const GraphView& frmMain::graph() const { return mGraphPanel->graph(); }

void frmMain::tmrUpdate_Timer() {
    mUpdateTimer->stop();
    QCoreApplication::processEvents();
    if (mUnloaded) return;  // the window was closed in the event pass
    const std::int16_t cpu = sampleProcessorFigure();
    GetMemoryInfo();
    if (!mPaused) mUpdateTimer->start();
    mReading = readingOf(cpu, mMemStatus, GetCPUClock(mServices.machine));
    mMeters->showReading(mReading);
    DrawGraph(mReading);
    if (mLog.isOn()) LogItToDisk();
}

// The sampler's processor count; 0 when it cannot tell, and why is kept.
std::int32_t frmMain::countProcessors() {
    if (!mSampler) return 0;
    try {
        return mSampler->GetCPUCount();
    } catch (const CPULoadError& error) {
        mSamplerFailure = noProcessorLoadText(error);
        return 0;
    }
}

// The figure of the processors with two samples (ProcessorFigure); when the
// sampler fails or has no figure for this tick, the previous figure stands.
// A sampler that fails before it ever gave one has none: kNoFigure.
std::int16_t frmMain::sampleProcessorFigure() {
    if (!mSampler || mCPUCount < 1) return noProcessorFigure();
    try {
        mSampler->CollectCPUData();
        if (const auto figure = mProcessorFigure.next(*mSampler, mCPUCount)) {
            mHadProcessorFigure = true;
            mLastCpu = *figure;
        }
    } catch (const CPULoadError& error) {
        if (!mHadProcessorFigure) {
            mSamplerFailure = noProcessorLoadText(error);
            return noProcessorFigure();
        }
    }
    return mLastCpu;
}

// A made-up 0 would be believed: the labels say n/a instead, the meter and
// the graph leave the processor out and the log leaves its field empty. The
// user hears why once a run, after the tick, so the ticks go on meanwhile.
std::int16_t frmMain::noProcessorFigure() {
    if (!mToldNoProcessorFigure) {
        mToldNoProcessorFigure = true;
        const QString text =
            mSamplerFailure.isEmpty() ? QStringLiteral("The processor load cannot be read.") : mSamplerFailure;
        QTimer::singleShot(0, this, [this, text] { mServices.dialogs.exclamation(this, "TIDEMARK", text); });
    }
    return mLastCpu = kNoFigure;
}

void frmMain::GetMemoryInfo() { mMemStatus = mServices.machine.globalMemoryStatus(); }

void frmMain::DrawGraph(const Reading& reading) { mMeters->setLevels(mGraphPanel->draw(reading)); }

void frmMain::DrawLabels() { mGraphPanel->printScale(); }

void frmMain::CmbSchaal_Click() {
    mGraphPanel->takeScaleDivision();
    tmrUpdate_Timer();
}

}  // namespace tidemark
