#include "window/frm_main.h"

#include <QCloseEvent>
#include <QEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "graph/scale_labels.h"
#include "measurement/cpu_clock.h"
#include "measurement/reading.h"
#include "base/numbers.h"
#include "platform/qt/app_folders.h"
#include "window/widgets.h"

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

QColor toColor(Rgb rgb) { return QColor::fromRgb(rgb); }

}  // namespace

frmMain::frmMain(WindowServices services, QWidget* parent)
    : QWidget(parent),
      services_(std::move(services)),
      endProcess_([] { QCoreApplication::quit(); }),
      mLog(services_.clock, services_.programFolder, services_.userDataFolder) {
    createControls();
}

frmMain::~frmMain() = default;

bool frmMain::Form_Load() {
    mLog.prepareFolder();
    mSavedCaption = windowTitle();
    ScaleLabelValues = makeScaleLabelValues();
    fillLists();
    if (services_.instanceLock.anotherInstanceRunning()) {
        services_.dialogs.information(nullptr, "TIDEMARK", "Only one copy of this program can be used.");
        return false;
    }
    QCoreApplication::processEvents();
    history_.HistoryCount = 0;
    graphSettings_ = GraphSettings{};  // the start-up colours and a division of 10
    setHistoryCapacity();
    resumeNext([&] { mSampler = std::make_unique<CPULoad>(services_.samplerOs); });
    resumeNext([&] { mCPUCount = mSampler ? mSampler->GetCPUCount() : 0; });
    Picture1->setColors(toColor(graphSettings_.CpuCurveColor), toColor(graphSettings_.MemCurveColor),
                        toColor(graphSettings_.LevelOffColor));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.center() - rect().center());
    show();
    showClockLine();
    QCoreApplication::processEvents();
    resumeNext([&] {
        if (mSampler) mSampler->CollectCPUData();
    });
    resumeNext([&] { mCPUCount = mSampler ? mSampler->GetCPUCount() : 0; });
    tmrUpdate->start();
    CmbSchaal->setCurrentText(QString::fromStdString(decimalText(graphSettings_.ScaleDivision)));
    DrawLabels();
    mLoaded = true;
    countStart();
    return true;
}

void frmMain::fillLists() {
    for (int ms = 100; ms <= 1000; ms += 100) CmbRefresh->addItem(QString::number(ms));
    CmbRefresh->setCurrentIndex(-1);
    CmbRefresh->setEditText("500");
    for (int division = 5; division <= 25; division += 5) CmbSchaal->addItem(QString::number(division));
    CmbSchaal->addItem("35");
    CmbSchaal->addItem("50");
}

void frmMain::showClockLine() {
    const std::int32_t mhz = GetCPUClock(services_.machine);
    if (leadingNumber(decimalText(mhz)) == 0) return;
    Label7->show();
    Label5->show();
}

void frmMain::countStart() {
    const QString stored = services_.settings.read("MarloFenwick", "TideMark", "Tel", "1");
    const auto n = roundToInt32(leadingNumber(stored.toStdString()));
    if (!n) return;  // a counter beyond the 32-bit range: the step fails and is skipped
    // The page opens as the web button opens it, but a start-up nobody asked
    // for does not complain when there is no browser.
    if (*n % 20 == 18) services_.shell.open(services_.webAddress);
    if (*n == std::numeric_limits<std::int32_t>::max()) return;
    services_.settings.write("MarloFenwick", "TideMark", "Tel", QString::fromStdString(decimalText(*n + 1)));
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload() {
    if (mUnloaded) return;
    tmrUpdate->stop();
    finishRun();
    endProcess_();
}

void frmMain::finishRun() {
    if (mUnloaded) return;
    mUnloaded = true;
    if (mLog.isOn()) LogStopOnExit();
    services_.instanceLock.release();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The bottom strip is docked: it follows the window whether or not the
    // rest is laid out again.
    Picture2->setGeometry(0, height() - twipsToPixels(kPicture2HeightTwips), width(),
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
    applyStretchLayout(relayout(W, H, layout_));
    setHistoryCapacity();
    DrawLabels();
    tmrUpdate_Timer();
}

double frmMain::graphInnerWidth() const { return Graph->contentsRect().width(); }
double frmMain::graphInnerHeight() const { return Graph->contentsRect().height(); }

void frmMain::setHistoryCapacity() {
    const auto capacity = roundToInt16(graphInnerWidth() + 20);
    history_.HistoryCapacity = capacity.value_or(std::numeric_limits<std::int16_t>::max());
}

void frmMain::tmrUpdate_Timer() {
    tmrUpdate->stop();
    QCoreApplication::processEvents();
    if (mUnloaded) return;  // the window was closed in the event pass
    const std::int16_t cpu = sampleProcessorFigure();
    GetMemoryInfo();
    if (!mPaused) tmrUpdate->start();
    mReading = readingOf(cpu, mMemStatus, GetCPUClock(services_.machine));
    setLabelTexts(mReading);
    DrawGraph(mReading);
    if (mLog.isOn()) LogItToDisk();
}

// The figure of the processors with two samples (processorFigure); when the
// sampler fails or no processor has two samples, the previous figure stands.
std::int16_t frmMain::sampleProcessorFigure() {
    if (!mSampler || mCPUCount < 1) return mLastCpu = 0;
    try {
        mSampler->CollectCPUData();
        if (const auto figure = processorFigure(*mSampler, mCPUCount)) mLastCpu = *figure;
    } catch (const CPULoadError&) {
    }
    return mLastCpu;
}

void frmMain::GetMemoryInfo() { mMemStatus = services_.machine.globalMemoryStatus(); }

void frmMain::setLabelTexts(const Reading& reading) {
    Label6->setText(QString::fromStdString(reading.cpuText));
    Label8->setText(QString::fromStdString(reading.totalText));
    Label10->setText(QString::fromStdString(reading.freeText));
    Label3->setText(QString::fromStdString(reading.cpuText));
    Label4->setText(QString::fromStdString(reading.memText));
    Label5->setText(QString::fromStdString(reading.clockText));
}

void frmMain::DrawGraph(const Reading& reading) {
    const LevelBars levels =
        tidemark::DrawGraph(history_, Graph->canvas(), graphSettings_, reading.cpu, reading.memPercent);
    Picture1->setLevels(levels.cpuLevel, levels.memLevel);
    Graph->showHistory(history_, graphSettings_);
}

void frmMain::DrawLabels() {
    for (ScaleStrip* strip : picLabels) strip->clear();
    for (const ScaleLabel& label : scaleLabels(graphInnerHeight(), ScaleLabelValues))
        for (ScaleStrip* strip : picLabels) strip->printAt(label.yTwips, QString::fromStdString(label.text));
    lblscale[1]->setText(lblscale[0]->text());
}

void frmMain::CmbSchaal_Click() {
    const auto division = roundToInt16(leadingNumber(CmbSchaal->currentText().toStdString()));
    if (division && *division > 0) graphSettings_.ScaleDivision = *division;
    Graph->setFocus();
    tmrUpdate_Timer();
}

}  // namespace tidemark
