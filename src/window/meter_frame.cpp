#include "window/meter_frame.h"

#include <QLabel>

#include "platform/qt/design.h"
#include "window/design_label.h"
#include "window/fitting_label.h"
#include "window/layout.h"
#include "window/meter_panel.h"

namespace tidemark {
namespace {

QColor toColor(Rgb rgb) { return QColor::fromRgb(rgb); }

// A memory figure the tick rewrites. It fills its own background, so the
// frame behind it is not painted again each time.
FittingLabel* makeMemoryFigure(QWidget* frame, const char* name, const QFont& font, const TwipRect& at) {
    auto* figure = makeLabel<FittingLabel>(frame, name, {}, font);
    setBackColor(figure, frame->palette().color(QPalette::Window));
    setTextColor(figure, kValueBlue);
    placeTwips(figure, at);
    return figure;
}

FittingLabel* makePercentBox(QWidget* panel, const char* name, QColor background, const QString& tooltip,
                             const TwipRect& at) {
    auto* box = makeLabel<FittingLabel>(panel, name, {}, designFont("Arial", 9), Qt::AlignCenter);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(box, background);
    box->setToolTip(tooltip);
    placeTwips(box, at);
    return box;
}

}  // namespace

MeterFrame::MeterFrame(const TwipRect& at, QWidget* parent) : FrameBox({}, {}, parent) {
    setObjectName("FrmVU");
    placeTwips(this, at);
    createMeterPanel();
    createFigures();
}

void MeterFrame::createMeterPanel() {
    mPanel = new MeterPanel(QPixmap(":/images/panel.png"), this);
    mPanel->setObjectName("Picture1");
    placeTwips(mPanel, form::Picture1);
    const QFont title = designFont("Verdana", 11.25, true);
    QLabel* cpuTitle = makeLabel(mPanel, "Label1", "CPU", title, Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(cpuTitle, QColor(0, 170, 255));
    placeTwips(cpuTitle, form::Label1);
    QLabel* ramTitle = makeLabel(mPanel, "Label2", "RAM", title, Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(ramTitle, QColor(255, 255, 0));
    placeTwips(ramTitle, form::Label2);
    mCpuPercentBox = makePercentBox(mPanel, "Label3", QColor(0, 240, 255), "CPU Usage", form::Label3);
    mMemPercentBox = makePercentBox(mPanel, "Label4", QColor(255, 255, 128), "Memory Usage", form::Label4);
}

void MeterFrame::createFigures() {
    const QFont small = designFont("Arial", 6.75);
    const QFont smallBold = designFont("Arial", 6.75, true);
    const auto caption = [&](const char* name, const QString& text, const TwipRect& at) {
        QLabel* label = makeLabel(this, name, text, smallBold, Qt::AlignRight | Qt::AlignTop);
        placeTwips(label, at);
        return label;
    };
    caption("Label11", "Total Memory:", form::Label11);
    mTotalMemoryValue = makeMemoryFigure(this, "Label8", small, form::Label8);
    caption("Label12", "Free Memory:", form::Label12);
    mFreeMemoryValue = makeMemoryFigure(this, "Label10", small, form::Label10);
    mClockCaption = caption("Label7", "CPU clock:", form::Label7);
    mClockCaption->hide();
    mClockValue = makeLabel(this, "Label5", {}, smallBold);
    setTextColor(mClockValue, kValueBlue);
    placeTwips(mClockValue, form::Label5);
    mClockValue->hide();
    mCpuPercentValue = makeLabel(this, "Label6", {}, designFont("Arial", 9.75, true));
    setTextColor(mCpuPercentValue, kValueBlue);
    placeTwips(mCpuPercentValue, form::Label6);
    mCpuPercentValue->hide();
}

void MeterFrame::setColors(const GraphSettings& settings) {
    mPanel->setColors(toColor(settings.CpuCurveColor), toColor(settings.MemCurveColor),
                      toColor(settings.LevelOffColor));
}

void MeterFrame::setLevels(const LevelBars& levels) { mPanel->setLevels(levels.cpuLevel, levels.memLevel); }

void MeterFrame::showReading(const Reading& reading) {
    const QString cpuText = QString::fromStdString(reading.cpuText);
    mCpuPercentValue->setText(cpuText);
    mTotalMemoryValue->showFigure(QString::fromStdString(reading.totalText));
    mFreeMemoryValue->showFigure(QString::fromStdString(reading.freeText));
    mCpuPercentBox->showFigure(cpuText);
    mMemPercentBox->showFigure(QString::fromStdString(reading.memText));
    mClockValue->setText(QString::fromStdString(reading.clockText));
}

void MeterFrame::showClockLine(std::int32_t mhz) {
    if (mhz == 0) return;
    mClockCaption->show();
    mClockValue->show();
}

void MeterFrame::place(const TwipRect& at) { placeTwips(this, at); }

}  // namespace tidemark
