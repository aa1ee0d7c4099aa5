#include "tools/frm_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "platform/qt/design.h"
#include "tools/launchers.h"
#include "tools/product.h"
#include "tools/system_info.h"

namespace tidemark {
namespace {

constexpr QColor kDarkBlue(0, 0, 128);

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const TwipRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(label, twips);
    return label;
}

}  // namespace

frmAbout::frmAbout(Shell& shell, Dialogs& dialogs, const QString& webAddress, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      shell_(shell),
      dialogs_(dialogs),
      webAddress_(webAddress) {
    createControls();
    Form_Load();
}

void frmAbout::createControls() {
    setObjectName("frmAbout");
    setWindowTitle("About MyApp");
    setFont(designFont("Arial", 8));
    setFixedSize(twipsToPixels(5730), twipsToPixels(3555));

    picIcon = makeLabel(this, "picIcon", {}, {240, 240, 540, 540});
    picIcon->setPixmap(QPixmap(":/icons/tidemark32.png"));
    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);  // Enter; Escape closes a dialog anyway
    placeTwips(cmdOK, {4245, 2625, 1260, 345});
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo = new QPushButton("&System Info...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    placeTwips(cmdSysInfo, {4260, 3075, 1245, 345});
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    // The caption is the address, shown as a link in blue, underlined.
    lblURL = makeLabel(this, "lblURL",
                       QString("<a href=\"%1\" style=\"color:#0000ff\">%1</a>").arg(webAddress_.toHtmlEscaped()),
                       {1020, 2100, 2130, 195});
    lblURL->setFont(designFont("MS Sans Serif", 8.25));
    lblURL->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    lblURL->setCursor(Qt::PointingHandCursor);
    connect(lblURL, &QLabel::linkActivated, this, &frmAbout::lblURL_Click);
    // An address is not broken over lines; a long one may run past its designed width.
    lblURL->setWordWrap(false);
    lblURL->resize(std::max(lblURL->width(), lblURL->sizeHint().width()), lblURL->height());

    Label1 = makeLabel(this, "Label1", "Written by Marlo Fenwick\n(c) 2026 MarloFenwick", {2880, 780, 2115, 435});
    lblTitle2 = makeLabel(this, "lblTitle2", "Application Title", {1022, 232, 3885, 480});
    lblTitle2->setFont(designFont("MS Sans Serif", 13.5));
    setTextColor(lblTitle2, Qt::black);
    lblDescription = makeLabel(this, "lblDescription",
                               "A system and memory usage monitor which allows you monitor the CPU and RAM "
                               "recources/usage. Save, clear and pause the graph with one click. No configuration "
                               "needed! Refresh rate can be set.",
                               {1035, 1260, 3885, 870});
    setTextColor(lblDescription, kDarkBlue);
    lblTitle = makeLabel(this, "lblTitle", "Application Title", {1050, 240, 3885, 480});
    lblTitle->setFont(designFont("MS Sans Serif", 13.5));
    setTextColor(lblTitle, Qt::white);
    lblVersion = makeLabel(this, "lblVersion", "Version", {1050, 780, 1785, 225});
    lblDisclaimer = makeLabel(this, "lblDisclaimer",
                              "This program is given as it is, without any warranty. Use it at your own risk.",
                              {255, 2625, 3870, 825});
    setTextColor(lblDisclaimer, kDarkBlue);
}

void frmAbout::Form_Load() {
    setWindowTitle(QString("About ") + kProductTitle);
    lblVersion->setText(QString("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    lblTitle->setText(kProductTitle);
    lblTitle2->setText(lblTitle->text());
}

// The etched separator: a grey line with a white one of two pixels below it.
void frmAbout::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    painter.drawLine(twipsToPixels(90), twipsToPixels(2445), twipsToPixels(5654), twipsToPixels(2445));
    painter.fillRect(
        QRect(QPoint(twipsToPixels(105), twipsToPixels(2460)), QPoint(twipsToPixels(5654), twipsToPixels(2460) + 1)),
        Qt::white);
}

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::lblURL_Click() {
    QString address = webAddress_;  // the label's caption
    OpenURL(address);
}

// A link that opens nothing says so, as the web button does; when that is
// known only after the box has closed, its main window says it.
void frmAbout::OpenURL(QString& URLs) {
    if (URLs.isEmpty()) URLs = webAddress_;
    const QString message = webPageNotOpenedMessage(URLs);
    const auto failedLater = [&dialogs = dialogs_, box = QPointer<QWidget>(this), owner = QPointer(parentWidget()),
                              message] { dialogs.exclamation(box ? box : owner, kProductTitle, message); };
    if (!shell_.open(URLs, failedLater)) dialogs_.exclamation(this, kProductTitle, message);
    QCoreApplication::processEvents();
}

void frmAbout::StartSysInfo() {
    const QString program = findSystemInfoProgram(shell_);
    if (!program.isEmpty() && shell_.startDetached(program, {})) return;
    dialogs_.plain(this, kProductTitle, "System Information Is Unavailable At This Time");
}

}  // namespace tidemark
