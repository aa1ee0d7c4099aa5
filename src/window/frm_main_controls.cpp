// The main window's control tree: its parts and the bottom strip, every
// control at its designed place (twips, 15 per pixel), with its captions,
// tooltips, fonts and colours.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QTimer>
#include <QToolButton>

#include "platform/qt/design.h"
#include "window/design_label.h"
#include "window/frame_box.h"
#include "window/frm_main.h"
#include "window/graph_panel.h"
#include "window/meter_frame.h"

// Resources linked from a static library are registered by hand.
static void initResources() { Q_INIT_RESOURCE(tidemark); }

namespace tidemark {
namespace {

QToolButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& icon, int iconSize,
                        const QString& tooltip = {}) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(QIcon(":/icons/" + icon + ".png"));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    button->setToolTip(tooltip);
    return button;
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
    placeTwips(mNoFocus, form::picnofocus);

    mUpdateTimer = new QTimer(this);
    mUpdateTimer->setObjectName("tmrUpdate");
    mUpdateTimer->setInterval(500);
    connect(mUpdateTimer, &QTimer::timeout, this, &frmMain::tmrUpdate_Timer);

    createBottomStrip();
    mMeters = new MeterFrame(mLayout.FrmVU, this);
    mGraphPanel = new GraphPanel(
        mLayout, [this] { CmbSchaal_Click(); }, this);
}

void frmMain::createBottomStrip() {
    mBottomStrip = new QWidget(this);
    mBottomStrip->setObjectName("Picture2");
    placeTwips(mBottomStrip, {0, kClientHeightTwips - kPicture2HeightTwips, kClientWidthTwips, kPicture2HeightTwips});
    auto* optionsFrame = new FrameBox("Options", kCaptionBlue, mBottomStrip);
    optionsFrame->setObjectName("Frame3");
    placeTwips(optionsFrame, form::Frame3);
    createOptionButtons(optionsFrame);
    createToolButtons(optionsFrame);
}

void frmMain::createOptionButtons(QWidget* frame) {
    mCommandButtons[kSave] = makeButton(frame, "CmdOptions(0)", "Save", "save", 24, "Save screen as BMP");
    placeTwips(mCommandButtons[kSave], form::CmdOptions0);
    mLogDataBox =
        makeButton(frame, "chkLogTodisk", "Log data", "log", 24, "Log data readings also to disk (Excel-file)");
    mLogDataBox->setCheckable(true);
    // Mouse and keyboard alike start or stop logging.
    connect(mLogDataBox, &QToolButton::clicked, this, &frmMain::chkLogTodisk_Click);
    placeTwips(mLogDataBox, form::chkLogTodisk);
    mCommandButtons[kOpen] = makeButton(frame, "CmdOptions(3)", "Open", "open", 24, "Open logs (in Excel)");
    placeTwips(mCommandButtons[kOpen], form::CmdOptions3);
    mCommandButtons[kClear] = makeButton(frame, "CmdOptions(1)", "Clear", "clear", 24, "Clear screen");
    placeTwips(mCommandButtons[kClear], form::CmdOptions1);
    mCommandButtons[kPause] = makeButton(frame, "CmdOptions(2)", "Pause", "pause", 24, "Pause or re-start");
    placeTwips(mCommandButtons[kPause], form::CmdOptions2);
    for (int i = 0; i < 4; ++i)
        connect(mCommandButtons[i], &QToolButton::clicked, this, [this, i] { CmdOptions_Click(i); });

    createOptionsBox(frame);

    // The Pause button wears cmdicon(1)'s picture while running, cmdicon(0)'s while paused.
    mPausePictures[kPausePicture] = makeButton(frame, "cmdicon(1)", {}, "pause", 24);
    placeTwips(mPausePictures[kPausePicture], form::cmdicon1);
    mPausePictures[kStartPicture] = makeButton(frame, "cmdicon(0)", {}, "start", 24);
    placeTwips(mPausePictures[kStartPicture], form::cmdicon0);
    mPausePictures[kStartPicture]->hide();
    mPausePictures[kPausePicture]->hide();
}

// Frame1: Stay On Top and the refresh interval.
void frmMain::createOptionsBox(QWidget* frame) {
    auto* optionsBox = new FrameBox({}, {}, frame);
    optionsBox->setObjectName("Frame1");
    placeTwips(optionsBox, form::Frame1);
    mStayOnTopBox = new QCheckBox("Stay On Top", optionsBox);
    mStayOnTopBox->setObjectName("ChkOnTop");
    mStayOnTopBox->setToolTip("Keep on Top");
    connect(mStayOnTopBox, &QCheckBox::clicked, this, &frmMain::ChkOnTop_Click);
    placeTwips(mStayOnTopBox, form::ChkOnTop);
    mRefreshBox = new QComboBox(optionsBox);
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
    placeTwips(mRefreshBox, form::CmbRefresh);
    QLabel* refreshCaption = makeLabel(optionsBox, "lblrefresh", "Refresh:", font());
    placeTwips(refreshCaption, form::lblrefresh);
}

void frmMain::createToolButtons(QWidget* frame) {
    QToolButton* systemInfo = makeButton(frame, "Command3", "System Info", "sysinfo", 32);
    placeTwips(systemInfo, form::Command3);
    QToolButton* services = makeButton(frame, "Command1", "Services", "services", 32);
    placeTwips(services, form::Command1);
    std::array<QToolButton*, 2> helpButtons{};
    helpButtons[kHelp] = makeButton(frame, "CmdHelp(1)", {}, "help", 16, "Help");
    placeTwips(helpButtons[kHelp], form::CmdHelp1);
    helpButtons[kAbout] = makeButton(frame, "CmdHelp(0)", {}, "about", 16, "About");
    placeTwips(helpButtons[kAbout], form::CmdHelp0);
    QToolButton* web = makeButton(frame, "Command2", {}, "web", 16, "TIDEMARK Website");
    placeTwips(web, form::Command2);
    connect(web, &QToolButton::clicked, this, &frmMain::Command2_Click);
    connect(services, &QToolButton::clicked, this, &frmMain::Command1_Click);
    connect(systemInfo, &QToolButton::clicked, this, &frmMain::Command3_Click);
    for (int i = 0; i < 2; ++i) connect(helpButtons[i], &QToolButton::clicked, this, [this, i] { CmdHelp_Click(i); });
}

// The parts go where the layout says; the bottom strip is docked (resizeEvent).
void frmMain::applyStretchLayout(const StretchLayout& layout) {
    mLayout = layout;
    mGraphPanel->place(layout);
    mMeters->place(layout.FrmVU);
}

}  // namespace tidemark
