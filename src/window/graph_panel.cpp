#include "window/graph_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <limits>

#include "base/numbers.h"
#include "graph/scale_labels.h"
#include "platform/qt/design.h"
#include "window/design_label.h"
#include "window/graph_view.h"
#include "window/scale_strip.h"

namespace tidemark {
namespace {

constexpr int kLineEditMargins = 2 * 2 + 2;  // the line edit's own text margins and its cursor
constexpr int kHistoryBeyondWidth = 20;      // columns kept beyond the graph's width

}  // namespace

GraphPanel::GraphPanel(const StretchLayout& layout, std::function<void()> divisionPicked, QWidget* parent)
    : FrameBox("PC Utilisation History", kCaptionBlue, parent), mScaleLabelValues(makeScaleLabelValues()) {
    setObjectName("FrmGraph");
    createGraph();
    createReadoutBox();
    createScale(std::move(divisionPicked));
    place(layout);
    placeTwips(mScaleCaptions[0], form::lblscale0);
}

void GraphPanel::createGraph() {
    mGraph = new GraphView(this);
    mGraph->setObjectName("Graph");
    mGraph->setFont(designFont("Arial", 5.25, true));
    mGraph->setMouseHandler([this](GraphView::MouseEvent event, int buttons, QPointF at) {
        const auto X = static_cast<float>(at.x()), Y = static_cast<float>(at.y());
        switch (event) {
            case GraphView::MouseEvent::Down:
                Graph_MouseDown(buttons, X, Y);
                break;
            case GraphView::MouseEvent::Move:
                Graph_MouseMove(buttons, X, Y);
                break;
            case GraphView::MouseEvent::Up:
                Graph_MouseUp(buttons, X, Y);
                break;
        }
    });
}

void GraphPanel::createReadoutBox() {
    mReadoutBox = new QLineEdit("00", mGraph);
    mReadoutBox->setObjectName("txtValue");
    mReadoutBox->setFrame(false);
    mReadoutBox->setFont(designFont("Arial", 6.75));
    QPalette yellow = mReadoutBox->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    mReadoutBox->setPalette(yellow);
    mReadoutBox->setReadOnly(true);
    mReadoutBox->setFocusPolicy(Qt::NoFocus);
    mReadoutBox->setTextMargins(0, 0, 0, 0);
    placeTwips(mReadoutBox, kReadoutBoxTwips);
    mReadoutBox->hide();
}

void GraphPanel::createScale(std::function<void()> divisionPicked) {
    mScaleDivisionList = new QComboBox(this);
    mScaleDivisionList->setObjectName("CmbSchaal");
    mScaleDivisionList->setFont(designFont("Arial", 6.75));
    mScaleDivisionList->setToolTip("Scale division");
    connect(mScaleDivisionList, &QComboBox::activated, this, std::move(divisionPicked));
    for (int i = 0; i < 2; ++i) {
        mScaleStrips[i] = new ScaleStrip(this);
        mScaleStrips[i]->setObjectName(QString("picLabels(%1)").arg(i));
        mScaleStrips[i]->setFont(designFont("Arial", 6.75));
        mScaleCaptions[i] = makeLabel(this, i == 0 ? "lblscale(0)" : "lblscale(1)", {}, designFont("Arial", 6.75),
                                      i == 0 ? Qt::AlignRight : Qt::AlignLeft);
        mScaleCaptions[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
        mScaleCaptions[i]->lower();
    }
}

void GraphPanel::fillScaleDivisions() {
    for (int division = 5; division <= 25; division += 5) mScaleDivisionList->addItem(QString::number(division));
    mScaleDivisionList->addItem("35");
    mScaleDivisionList->addItem("50");
}

void GraphPanel::startAfresh() {
    mHistory.HistoryCount = 0;
    mGraphSettings = GraphSettings{};
    fitHistoryToWidth();
}

void GraphPanel::showScaleDivision() {
    mScaleDivisionList->setCurrentText(QString::fromStdString(decimalText(mGraphSettings.ScaleDivision)));
}

void GraphPanel::takeScaleDivision() {
    const auto division = roundToInt16(leadingNumber(mScaleDivisionList->currentText().toStdString()));
    if (division && *division > 0) mGraphSettings.ScaleDivision = *division;
    mGraph->setFocus();
}

void GraphPanel::place(const StretchLayout& layout) {
    placeTwips(this, layout.FrmGraph);
    placeTwips(mGraph, layout.Graph);
    placeTwips(mScaleDivisionList, layout.CmbSchaal);
    placeTwips(mScaleStrips[0], layout.picLabels0);
    placeTwips(mScaleStrips[1], layout.picLabels1);
    placeTwips(mScaleCaptions[1], layout.lblscale1);
}

void GraphPanel::fitHistoryToWidth() {
    const auto capacity = roundToInt16(mGraph->contentsRect().width() + kHistoryBeyondWidth);
    mHistory.HistoryCapacity = capacity.value_or(std::numeric_limits<std::int16_t>::max());
}

LevelBars GraphPanel::draw(const Reading& reading) {
    const GraphUpdate update =
        DrawGraph(mHistory, mGraph->canvas(), mGraphSettings, reading.cpu, reading.memPercent, mShownGraph);
    mGraph->showHistory(mHistory, mGraphSettings, update.scrolled);
    return update.levels;
}

void GraphPanel::printScale() {
    for (ScaleStrip* strip : mScaleStrips) strip->clear();
    for (const ScaleLabel& label : scaleLabels(mGraph->contentsRect().height(), mScaleLabelValues)) {
        const QString text = QString::fromStdString(label.text);
        for (ScaleStrip* strip : mScaleStrips) strip->printAt(label.yTwips, text);
    }
    mScaleCaptions[1]->setText(mScaleCaptions[0]->text());
}

QImage GraphPanel::picture() const { return mGraph->image(); }

void GraphPanel::applyReadout(ReadoutChange change, float X, float Y) {
    if (change == ReadoutChange::Keep) return;
    if (change == ReadoutChange::Hide) {
        mReadoutBox->hide();
        return;
    }
    const auto& canvas = mGraph->canvas();
    const Readout readout = readoutAt(X, Y, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
    mReadoutBox->setText(QString::fromStdString(readout.text));
    // The designed 21 pixels do not hold "100%" in the designed font: the box
    // widens to its text, never narrower than designed.
    const int textWidth = mReadoutBox->fontMetrics().horizontalAdvance(mReadoutBox->text()) + kLineEditMargins;
    mReadoutBox->resize(std::max(twipsToPixels(kReadoutBoxTwips.W), textWidth), mReadoutBox->height());
    // The box lives in the graph's inner area, inside its border.
    const QPoint inner = mGraph->contentsRect().topLeft();
    mReadoutBox->move(inner.x() + qRound(readout.x), inner.y() + qRound(readout.y));
    mReadoutBox->show();
}

void GraphPanel::Graph_MouseDown(int button, float X, float Y) { applyReadout(onMouseDown(button), X, Y); }
void GraphPanel::Graph_MouseMove(int buttons, float X, float Y) { applyReadout(onMouseMove(buttons), X, Y); }
void GraphPanel::Graph_MouseUp(int, float X, float Y) { applyReadout(onMouseUp(), X, Y); }

}  // namespace tidemark
