// The main window's control tree: every control at its designed place (twips,
// 15 per pixel), with its captions, tooltips, fonts and colours.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
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

    picnofocus = new QWidget(this);
    picnofocus->setObjectName("picnofocus");
    picnofocus->setFocusPolicy(Qt::StrongFocus);
    placeTwips(picnofocus, {-200, 60, 75, 255});

    tmrUpdate = new QTimer(this);
    tmrUpdate->setObjectName("tmrUpdate");
    tmrUpdate->setInterval(500);
    connect(tmrUpdate, &QTimer::timeout, this, &frmMain::tmrUpdate_Timer);

    createBottomStrip();
    createMeterPanel();
    createGraphFrame();
}

void frmMain::createBottomStrip() {
    Picture2 = new QWidget(this);
    Picture2->setObjectName("Picture2");
    placeTwips(Picture2, {0, kClientHeightTwips - kPicture2HeightTwips, kClientWidthTwips, kPicture2HeightTwips});
    Frame3 = new FrameBox("Options", kCaptionBlue, Picture2);
    Frame3->setObjectName("Frame3");
    placeTwips(Frame3, {120, 0, 7830, 1140});
    createOptionButtons(Frame3);
    createToolButtons(Frame3);
}

void frmMain::createOptionButtons(QWidget* frame) {
    CmdOptions[0] = makeButton(frame, "CmdOptions(0)", "Save", "save", 24, "Save screen as BMP");
    placeTwips(CmdOptions[0], {120, 240, 675, 750});
    chkLogTodisk = makeButton(frame, "chkLogTodisk", "Log data", "log", 24, "Log data readings also to disk (Excel-file)");
    chkLogTodisk->setCheckable(true);
    // Mouse and keyboard alike start or stop logging.
    connect(chkLogTodisk, &QToolButton::clicked, this, &frmMain::chkLogTodisk_Click);
    placeTwips(chkLogTodisk, {780, 240, 795, 750});
    CmdOptions[3] = makeButton(frame, "CmdOptions(3)", "Open", "open", 24, "Open logs (in Excel)");
    placeTwips(CmdOptions[3], {1560, 240, 615, 750});
    CmdOptions[1] = makeButton(frame, "CmdOptions(1)", "Clear", "clear", 24, "Clear screen");
    placeTwips(CmdOptions[1], {2220, 240, 615, 750});
    CmdOptions[2] = makeButton(frame, "CmdOptions(2)", "Pause", "pause", 24, "Pause or re-start");
    placeTwips(CmdOptions[2], {2820, 240, 615, 750});
    for (int i = 0; i < 4; ++i)
        connect(CmdOptions[i], &QToolButton::clicked, this, [this, i] { CmdOptions_Click(i); });

    Frame1 = new FrameBox({}, {}, frame);
    Frame1->setObjectName("Frame1");
    placeTwips(Frame1, {3540, 140, 1455, 870});
    ChkOnTop = new QCheckBox("Stay On Top", Frame1);
    ChkOnTop->setObjectName("ChkOnTop");
    ChkOnTop->setToolTip("Keep on Top");
    connect(ChkOnTop, &QCheckBox::clicked, this, &frmMain::ChkOnTop_Click);
    placeTwips(ChkOnTop, {120, 160, 1275, 255});
    CmbRefresh = new QComboBox(Frame1);
    CmbRefresh->setObjectName("CmbRefresh");
    CmbRefresh->setEditable(true);
    CmbRefresh->setInsertPolicy(QComboBox::NoInsert);
    CmbRefresh->setEditText("500");
    CmbRefresh->setToolTip("Refresh in milliseconds");
    // What is typed stays as typed: no completion from the list.
    CmbRefresh->setCompleter(nullptr);
    connect(CmbRefresh, &QComboBox::activated, this, &frmMain::CmbRefresh_Click);
    // Keys reach the combo box, which hands them to its line edit without
    // passing the line edit's filters: watch the box itself.
    CmbRefresh->installEventFilter(this);
    placeTwips(CmbRefresh, {660, 495, 750, 315});
    lblrefresh = makeLabel(Frame1, "lblrefresh", "Refresh:", font());
    placeTwips(lblrefresh, {60, 520, 615, 255});

    // The Pause button wears cmdicon(1)'s picture while running, cmdicon(0)'s while paused.
    cmdicon[1] = makeButton(frame, "cmdicon(1)", {}, "pause", 24);
    placeTwips(cmdicon[1], {7620, 660, 315, 315});
    cmdicon[0] = makeButton(frame, "cmdicon(0)", {}, "start", 24);
    placeTwips(cmdicon[0], {7620, 840, 315, 315});
    cmdicon[0]->hide();
    cmdicon[1]->hide();
}

void frmMain::createToolButtons(QWidget* frame) {
    Command3 = makeButton(frame, "Command3", "System Info", "sysinfo", 32);
    placeTwips(Command3, {5100, 240, 975, 750});
    Command1 = makeButton(frame, "Command1", "Services", "services", 32);
    placeTwips(Command1, {6060, 240, 795, 750});
    CmdHelp[1] = makeButton(frame, "CmdHelp(1)", {}, "help", 16, "Help");
    placeTwips(CmdHelp[1], {6940, 240, 390, 390});
    CmdHelp[0] = makeButton(frame, "CmdHelp(0)", {}, "about", 16, "About");
    placeTwips(CmdHelp[0], {7320, 240, 390, 390});
    Command2 = makeButton(frame, "Command2", {}, "web", 16, "TIDEMARK Website");
    placeTwips(Command2, {6950, 610, 760, 375});
    connect(Command2, &QToolButton::clicked, this, &frmMain::Command2_Click);
    connect(Command1, &QToolButton::clicked, this, &frmMain::Command1_Click);
    connect(Command3, &QToolButton::clicked, this, &frmMain::Command3_Click);
    for (int i = 0; i < 2; ++i) connect(CmdHelp[i], &QToolButton::clicked, this, [this, i] { CmdHelp_Click(i); });
}

void frmMain::createMeterPanel() {
    FrmVU = new FrameBox({}, {}, this);
    FrmVU->setObjectName("FrmVU");
    placeTwips(FrmVU, layout_.FrmVU);

    Picture1 = new MeterPanel(QPixmap(":/images/panel.jpg"), FrmVU);
    Picture1->setObjectName("Picture1");
    placeTwips(Picture1, {120, 660, 1490, 3255});
    Label1 = makeLabel(Picture1, "Label1", "CPU", designFont("Verdana", 11.25, true), Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(Label1, QColor(0, 170, 255));
    placeTwips(Label1, {105, 105, 525, 270});
    Label2 = makeLabel(Picture1, "Label2", "RAM", designFont("Verdana", 11.25, true), Qt::AlignHCenter | Qt::AlignTop);
    setTextColor(Label2, QColor(255, 255, 0));
    placeTwips(Label2, {765, 105, 585, 270});
    Label3 = makeLabel(Picture1, "Label3", {}, designFont("Arial", 9), Qt::AlignCenter);
    Label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(Label3, QColor(0, 240, 255));
    Label3->setToolTip("CPU Usage");
    placeTwips(Label3, {60, 360, 615, 300});
    Label4 = makeLabel(Picture1, "Label4", {}, designFont("Arial", 9), Qt::AlignCenter);
    Label4->setFrameStyle(QFrame::Box | QFrame::Plain);
    setBackColor(Label4, QColor(255, 255, 128));
    Label4->setToolTip("Memory Usage");
    placeTwips(Label4, {750, 360, 600, 300});

    const QFont small = designFont("Arial", 6.75);
    const QFont smallBold = designFont("Arial", 6.75, true);
    Label11 = makeLabel(FrmVU, "Label11", "Total Memory:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(Label11, {70, 180, 975, 195});
    Label8 = makeLabel<FittingLabel>(FrmVU, "Label8", {}, small);
    setTextColor(Label8, kValueBlue);
    placeTwips(Label8, {1080, 180, 555, 195});
    Label12 = makeLabel(FrmVU, "Label12", "Free Memory:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(Label12, {140, 350, 915, 195});
    Label10 = makeLabel<FittingLabel>(FrmVU, "Label10", {}, small);
    setTextColor(Label10, kValueBlue);
    placeTwips(Label10, {1080, 350, 555, 195});
    Label7 = makeLabel(FrmVU, "Label7", "CPU clock:", smallBold, Qt::AlignRight | Qt::AlignTop);
    placeTwips(Label7, {140, 500, 915, 135});
    Label7->hide();
    Label5 = makeLabel(FrmVU, "Label5", {}, smallBold);
    setTextColor(Label5, kValueBlue);
    placeTwips(Label5, {1080, 490, 555, 195});
    Label5->hide();
    Label6 = makeLabel(FrmVU, "Label6", {}, designFont("Arial", 9.75, true));
    setTextColor(Label6, kValueBlue);
    placeTwips(Label6, {120, 540, 255, 255});
    Label6->hide();
}

void frmMain::createGraphFrame() {
    FrmGraph = new FrameBox("PC Utilisation History", kCaptionBlue, this);
    FrmGraph->setObjectName("FrmGraph");
    placeTwips(FrmGraph, layout_.FrmGraph);

    Graph = new GraphView(FrmGraph);
    Graph->setObjectName("Graph");
    Graph->setFont(designFont("Arial", 5.25, true));
    placeTwips(Graph, layout_.Graph);
    Graph->setMouseHandler([this](GraphView::MouseEvent event, int buttons, QPointF at) {
        const auto X = static_cast<float>(at.x()), Y = static_cast<float>(at.y());
        switch (event) {
            case GraphView::MouseEvent::Down: Graph_MouseDown(buttons, X, Y); break;
            case GraphView::MouseEvent::Move: Graph_MouseMove(buttons, X, Y); break;
            case GraphView::MouseEvent::Up: Graph_MouseUp(buttons, X, Y); break;
        }
    });
    txtValue = new QLineEdit("00", Graph);
    txtValue->setObjectName("txtValue");
    txtValue->setFrame(false);
    txtValue->setFont(designFont("Arial", 6.75));
    QPalette yellow = txtValue->palette();
    yellow.setColor(QPalette::Base, QColor(255, 255, 192));
    txtValue->setPalette(yellow);
    txtValue->setReadOnly(true);
    txtValue->setFocusPolicy(Qt::NoFocus);
    txtValue->setTextMargins(0, 0, 0, 0);
    placeTwips(txtValue, {0, 0, 315, 180});
    txtValue->hide();

    CmbSchaal = new QComboBox(FrmGraph);
    CmbSchaal->setObjectName("CmbSchaal");
    CmbSchaal->setFont(designFont("Arial", 6.75));
    CmbSchaal->setToolTip("Scale division");
    placeTwips(CmbSchaal, layout_.CmbSchaal);
    connect(CmbSchaal, &QComboBox::activated, this, &frmMain::CmbSchaal_Click);

    for (int i = 0; i < 2; ++i) {
        picLabels[i] = new ScaleStrip(FrmGraph);
        picLabels[i]->setObjectName(QString("picLabels(%1)").arg(i));
        picLabels[i]->setFont(designFont("Arial", 6.75));
        lblscale[i] = makeLabel(FrmGraph, i == 0 ? "lblscale(0)" : "lblscale(1)", {}, designFont("Arial", 6.75),
                                i == 0 ? Qt::AlignRight : Qt::AlignLeft);
        lblscale[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    placeTwips(picLabels[0], layout_.picLabels0);
    placeTwips(picLabels[1], layout_.picLabels1);
    placeTwips(lblscale[0], {300, 180, 255, 5415});
    placeTwips(lblscale[1], layout_.lblscale1);
    lblscale[0]->lower();
    lblscale[1]->lower();
}

void frmMain::applyStretchLayout(const StretchLayout& layout) {
    layout_ = layout;
    placeTwips(FrmGraph, layout.FrmGraph);
    placeTwips(Graph, layout.Graph);
    placeTwips(FrmVU, layout.FrmVU);
    placeTwips(CmbSchaal, layout.CmbSchaal);
    placeTwips(picLabels[0], layout.picLabels0);
    placeTwips(picLabels[1], layout.picLabels1);
    placeTwips(lblscale[1], layout.lblscale1);
}

}  // namespace tidemark
