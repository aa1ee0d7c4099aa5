// The main window's control tree: every control at its designed place (twips,
// 15 per pixel), with its captions, tooltips, fonts and colours.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTimer>
#include <QToolButton>

#include "platform/qt/design.h"
#include "window/frm_main.h"
#include "window/widgets.h"

// Resources linked from a static library are registered by hand.
static void initResources() { Q_INIT_RESOURCE(tidemark); }

namespace tidemark {
namespace {

constexpr QColor kCaptionBlue(0, 0, 255);
constexpr QColor kValueBlue(0, 0, 192);

template <typename Label = QLabel>
Label* makeLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new Label(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

void setBackColor(QWidget* widget, QColor color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QToolButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& icon,
                        int iconSize, const QString& tooltip = {}) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(QIcon(":/icons/" + icon + ".png"));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    button->setToolTip(tooltip);
    return button;
}

// A memory figure the tick rewrites. It fills its own background, so the
// frame behind it is not painted again each time.
FittingLabel* makeMemoryFigure(QWidget* frame, const char* name, const QFont& font, QColor background,
                               const TwipRect& at) {
    auto* figure = makeLabel<FittingLabel>(frame, name, {}, font);
    setBackColor(figure, background);
    setTextColor(figure, kValueBlue);
    placeTwips(figure, at);
    return figure;
}

// The designed refresh box is 50 pixels wide: with the style's usual arrow
// button its edit field shows four digits of "65535". A narrower arrow gives
// the whole largest interval room.
class RoomyComboStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox) return QProxyStyle::subControlRect(control, option, part, widget);
        constexpr int kArrowWidth = 11;
        const QRect box = option->rect;
        if (part == SC_ComboBoxArrow) return {box.right() - kArrowWidth, box.top(), kArrowWidth + 1, box.height()};
        if (part == SC_ComboBoxEditField)
            return {box.left() + 1, box.top() + 2, box.width() - kArrowWidth - 3, box.height() - 4};
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
};

void giveTextRoom(QComboBox* box) {
    auto* style = new RoomyComboStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(box);
    box->setStyle(style);
}

}  // namespace

void frmMain::createControls() {
    initResources();
    setObjectName("frmMain");
    setFont(designFont("Arial", 8));  // the system's standard dialog font
    setWindowTitle(QString::fromUtf8("Marlo-TIDEMARK v2.0   \u00A9 2026 MarloFenwick"));
    QIcon icon;
    icon.addFile(":/icons/tidemark16.png", QSize(16, 16));
    icon.addFile(":/icons/tidemark32.png", QSize(32, 32));
    setWindowIcon(icon);
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setMinimumSize(twipsToPixels(kMinClientWidthTwips), twipsToPixels(kMinClientHeightTwips));

    mNoFocus = new QWidget(this);
    mNoFocus->setObjectName("picnofocus");
    mNoFocus->setFocusPolicy(Qt::StrongFocus);
    placeTwips(mNoFocus, {-200, 60, 75, 255});

    mUpdateTimer = new QTimer(this);
    mUpdateTimer->setObjectName("tmrUpdate");
    mUpdateTimer->setInterval(500);
    connect(mUpdateTimer, &QTimer::timeout, this, &frmMain::tmrUpdate_Timer);

    createBottomStrip();
    createMeterPanel();
    createGraphFrame();
}

void frmMain::createBottomStrip() {
    mBottomStrip = new QWidget(this);
    mBottomStrip->setObjectName("Picture2");
    placeTwips(mBottomStrip, {0, kClientHeightTwips - kPicture2HeightTwips, kClientWidthTwips, kPicture2HeightTwips});
    mOptionsFrame = new FrameBox("Options", kCaptionBlue, mBottomStrip);
    mOptionsFrame->setObjectName("Frame3");
    placeTwips(mOptionsFrame, {120, 0, 7830, 1140});
    createOptionButtons(mOptionsFrame);
    createToolButtons(mOptionsFrame);
}

void frmMain::createOptionButtons(QWidget* frame) {
    mCommandButtons[0] = makeButton(frame, "CmdOptions(0)", "Save", "save", 24, "Save screen as BMP");
    placeTwips(mCommandButtons[0], {120, 240, 675, 750});
    mLogDataBox = makeButton(frame, "chkLogTodisk", "Log data", "log", 24, "Log data readings also to disk (Excel-file)");
    mLogDataBox->setCheckable(true);
    // Mouse and keyboard alike start or stop logging.
    connect(mLogDataBox, &QToolButton::clicked, this, &frmMain::chkLogTodisk_Click);
    placeTwips(mLogDataBox, {780, 240, 795, 750});
    mCommandButtons[3] = makeButton(frame, "CmdOptions(3)", "Open", "open", 24, "Open logs (in Excel)");
    placeTwips(mCommandButtons[3], {1560, 240, 615, 750});
    mCommandButtons[1] = makeButton(frame, "CmdOptions(1)", "Clear", "clear", 24, "Clear screen");
    placeTwips(mCommandButtons[1], {2220, 240, 615, 750});
    mCommandButtons[2] = makeButton(frame, "CmdOptions(2)", "Pause", "pause", 24, "Pause or re-start");
    placeTwips(mCommandButtons[2], {2820, 240, 615, 750});
    for (int i = 0; i < 4; ++i)
        connect(mCommandButtons[i], &QToolButton::clicked, this, [this, i] { CmdOptions_Click(i); });

    mOptionsBox = new FrameBox({}, {}, frame);
    mOptionsBox->setObjectName("Frame1");
    placeTwips(mOptionsBox, {3540, 140, 1455, 870});
    mStayOnTopBox = new QCheckBox("Stay On Top", mOptionsBox);
    mStayOnTopBox->setObjectName("ChkOnTop");
    mStayOnTopBox->setToolTip("Keep on Top");
    connect(mStayOnTopBox, &QCheckBox::clicked, this, &frmMain::ChkOnTop_Click);
    placeTwips(mStayOnTopBox, {120, 160, 1275, 255});
    mRefreshBox = new QComboBox(mOptionsBox);
    mRefreshBox->setObjectName("CmbRefresh");
    mRefreshBox->setEditable(true);
    mRefreshBox->setInsertPolicy(QComboBox::NoInsert);
    mRefreshBox->setEditText("500");
    mRefreshBox->setToolTip("Refresh in milliseconds");
    giveTextRoom(mRefreshBox);
    // What is typed stays as typed: no completion from the list.
    mRefreshBox->setCompleter(nullptr);
    connect(mRefreshBox, &QComboBox::activated, this, &frmMain::CmbRefresh_Click);
    // Keys reach the combo box, which hands them to its line edit without
    // passing the line edit's filters: watch the box itself.
    mRefreshBox->installEventFilter(this);
    placeTwips(mRefreshBox, {660, 495, 750, 315});
    mRefreshCaption = makeLabel(mOptionsBox, "lblrefresh", "Refresh:", font());
    placeTwips(mRefreshCaption, {60, 520, 615, 255});

    // The Pause button wears cmdicon(1)'s picture while running, cmdicon(0)'s while paused.
    mPausePictures[1] = makeButton(frame, "cmdicon(1)", {}, "pause", 24);
    placeTwips(mPausePictures[1], {7620, 660, 315, 315});
    mPausePictures[0] = makeButton(frame, "cmdicon(0)", {}, "start", 24);
    placeTwips(mPausePictures[0], {7620, 840, 315, 315});
    mPausePictures[0]->hide();
    mPausePictures[1]->hide();
}

void frmMain::createToolButtons(QWidget* frame) {
    mSystemInfoButton = makeButton(frame, "Command3", "System Info", "sysinfo", 32);
    placeTwips(mSystemInfoButton, {5100, 240, 975, 750});
    mServicesButton = makeButton(frame, "Command1", "Services", "services", 32);
    placeTwips(mServicesButton, {6060, 240, 795, 750});
    mHelpButtons[1] = makeButton(frame, "CmdHelp(1)", {}, "help", 16, "Help");
    placeTwips(mHelpButtons[1], {6940, 240, 390, 390});
    mHelpButtons[0] = makeButton(frame, "CmdHelp(0)", {}, "about", 16, "About");
    placeTwips(mHelpButtons[0], {7320, 240, 390, 390});
    mWebButton = makeButton(frame, "Command2", {}, "web", 16, "TIDEMARK Website");
    placeTwips(mWebButton, {6950, 610, 760, 375});
    connect(mWebButton, &QToolButton::clicked, this, &frmMain::Command2_Click);
    connect(mServicesButton, &QToolButton::clicked, this, &frmMain::Command1_Click);
    connect(mSystemInfoButton, &QToolButton::clicked, this, &frmMain::Command3_Click);
    for (int i = 0; i < 2; ++i) connect(mHelpButtons[i], &QToolButton::clicked, this, [this, i] { CmdHelp_Click(i); });
}

void frmMain::createMeterPanel() {
    mMeterFrame = new FrameBox({}, {}, this);
    mMeterFrame->setObjectName("FrmVU");
    placeTwips(mMeterFrame, mLayout.FrmVU);

    mMeterPanel = new MeterPanel(QPixmap(":/images/panel.png"), mMeterFrame);
    mMeterPanel->setObjectName("Picture1");
    placeTwips(mMeterPanel, {120, 660, 1490, 3255});
    mCpuTitle = makeLabel(mMeterPanel, "Label1", "CPU", designFont("Verdana", 11.25, true), Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(mCpuTitle, QColor(0, 170, 255));
    placeTwips(mCpuTitle, {105, 105, 525, 270});
    mRamTitle = makeLabel(mMeterPanel, "Label2", "RAM", designFont("Verdana", 11.25, true), Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(mRamTitle, QColor(255, 255, 0));
    placeTwips(mRamTitle, {765, 105, 585, 270});
    mCpuPercentBox = makeLabel(mMeterPanel, "Label3", {}, designFont("Arial", 9), Qt::AlignCenter);
    mCpuPercentBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(mCpuPercentBox, QColor(0, 240, 255));
    mCpuPercentBox->setToolTip("CPU Usage");
    placeTwips(mCpuPercentBox, {60, 360, 615, 300});
    mMemPercentBox = makeLabel(mMeterPanel, "Label4", {}, designFont("Arial", 9), Qt::AlignCenter);
    mMemPercentBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(mMemPercentBox, QColor(255, 255, 128));
    mMemPercentBox->setToolTip("Memory Usage");
    placeTwips(mMemPercentBox, {750, 360, 600, 300});

    const QFont small = designFont("Arial", 6.75);
    const QFont smallBold = designFont("Arial", 6.75, true);
    mTotalMemoryCaption = makeLabel(mMeterFrame, "Label11", "Total Memory:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(mTotalMemoryCaption, {70, 180, 975, 195});
    mTotalMemoryValue = makeMemoryFigure(mMeterFrame, "Label8", small, palette().color(QPalette::Window),
                                         {1080, 180, 555, 195});
    mFreeMemoryCaption = makeLabel(mMeterFrame, "Label12", "Free Memory:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(mFreeMemoryCaption, {140, 350, 915, 195});
    mFreeMemoryValue = makeMemoryFigure(mMeterFrame, "Label10", small, palette().color(QPalette::Window),
                                        {1080, 350, 555, 195});
    mClockCaption = makeLabel(mMeterFrame, "Label7", "CPU clock:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(mClockCaption, {140, 500, 915, 135});
    mClockCaption->hide();
    mClockValue = makeLabel(mMeterFrame, "Label5", {}, smallBold);
    setTextColor(mClockValue, kValueBlue);
    placeTwips(mClockValue, {1080, 490, 555, 195});
    mClockValue->hide();
    mCpuPercentValue = makeLabel(mMeterFrame, "Label6", {}, designFont("Arial", 9.75, true));
    setTextColor(mCpuPercentValue, kValueBlue);
    placeTwips(mCpuPercentValue, {120, 540, 255, 255});
    mCpuPercentValue->hide();
}

void frmMain::createGraphFrame() {
    mGraphFrame = new FrameBox("PC Utilisation History", kCaptionBlue, this);
    mGraphFrame->setObjectName("FrmGraph");
    placeTwips(mGraphFrame, mLayout.FrmGraph);

    mGraph = new GraphView(mGraphFrame);
    mGraph->setObjectName("Graph");
    mGraph->setFont(designFont("Arial", 5.25, true));
    placeTwips(mGraph, mLayout.Graph);
    mGraph->setMouseHandler([this](GraphView::MouseEvent event, int buttons, QPointF at) {
        const auto X = static_cast<float>(at.x()), Y = static_cast<float>(at.y());
        switch (event) {
            case GraphView::MouseEvent::Down: Graph_MouseDown(buttons, X, Y); break;
            case GraphView::MouseEvent::Move: Graph_MouseMove(buttons, X, Y); break;
            case GraphView::MouseEvent::Up: Graph_MouseUp(buttons, X, Y); break;
        }
    });
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

    mScaleDivisionList = new QComboBox(mGraphFrame);
    mScaleDivisionList->setObjectName("CmbSchaal");
    mScaleDivisionList->setFont(designFont("Arial", 6.75));
    mScaleDivisionList->setToolTip("Scale division");
    placeTwips(mScaleDivisionList, mLayout.CmbSchaal);
    connect(mScaleDivisionList, &QComboBox::activated, this, &frmMain::CmbSchaal_Click);

    for (int i = 0; i < 2; ++i) {
        mScaleStrips[i] = new ScaleStrip(mGraphFrame);
        mScaleStrips[i]->setObjectName(QString("picLabels(%1)").arg(i));
        mScaleStrips[i]->setFont(designFont("Arial", 6.75));
        mScaleCaptions[i] = makeLabel(mGraphFrame, i == 0 ? "lblscale(0)" : "lblscale(1)", {}, designFont("Arial", 6.75),
                                i == 0 ? Qt::AlignRight : Qt::AlignLeft);
        mScaleCaptions[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    placeTwips(mScaleStrips[0], mLayout.picLabels0);
    placeTwips(mScaleStrips[1], mLayout.picLabels1);
    placeTwips(mScaleCaptions[0], {300, 180, 255, 5415});
    placeTwips(mScaleCaptions[1], mLayout.lblscale1);
    mScaleCaptions[0]->lower();
    mScaleCaptions[1]->lower();
}

void frmMain::applyStretchLayout(const StretchLayout& layout) {
    mLayout = layout;
    placeTwips(mGraphFrame, layout.FrmGraph);
    placeTwips(mGraph, layout.Graph);
    placeTwips(mMeterFrame, layout.FrmVU);
    placeTwips(mScaleDivisionList, layout.CmbSchaal);
    placeTwips(mScaleStrips[0], layout.picLabels0);
    placeTwips(mScaleStrips[1], layout.picLabels1);
    placeTwips(mScaleCaptions[1], layout.lblscale1);
}

}  // namespace tidemark
