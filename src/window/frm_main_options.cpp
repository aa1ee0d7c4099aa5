// Stay on top, the refresh interval and the graph's value read-out.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "graph/readout.h"
#include "window/frm_main.h"
#include "window/refresh_interval.h"
#include "tools/product.h"
#include "window/widgets.h"

namespace tidemark {
namespace {

constexpr int kLineEditMargins = 2 * 2 + 2;  // the line edit's own text margins and its cursor

}  // namespace

void frmMain::ChkOnTop_Click() {
    SetWindowOnTop(mStayOnTopBox->isChecked());
    if (mStayOnTopBox->isChecked() && !mServices.canStayOnTop && !mToldStayOnTop) {
        mToldStayOnTop = true;
        mServices.dialogs.information(this, kProductTitle,
                                      "This desktop does not let a program keep its window above the others, "
                                      "so Stay On Top has no effect here.");
    }
}

// The window manager's keep-above hint, set on the existing native window so
// the window keeps its place and size.
void frmMain::SetWindowOnTop(bool on) {
    if (QWindow* native = windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, on);
}

bool frmMain::setRefreshInterval(const QString& text) {
    const auto interval = refreshIntervalFrom(text.toStdString());
    if (interval) mUpdateTimer->setInterval(*interval);
    return interval.has_value();
}

void frmMain::CmbRefresh_Click() { setRefreshInterval(mRefreshBox->currentText()); }

// An entry Enter refuses is replaced by the interval in force, so the box
// never shows an interval that is not running.
void frmMain::CmbRefresh_KeyPress(int keyCode) {
    if (keyCode == 13 && !setRefreshInterval(mRefreshBox->currentText()))
        mRefreshBox->setEditText(QString::number(mUpdateTimer->interval()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mRefreshBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter || !key->text().isEmpty()) CmbRefresh_KeyPress(enter ? 13 : key->text().at(0).unicode());
    }
    return QWidget::eventFilter(watched, event);  // the key goes on unchanged
}

void frmMain::applyReadout(ReadoutChange change, float X, float Y) {
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

void frmMain::Graph_MouseDown(int button, float X, float Y) {
    applyReadout(onMouseDown(button), X, Y);
}
void frmMain::Graph_MouseMove(int buttons, float X, float Y) {
    applyReadout(onMouseMove(buttons), X, Y);
}
void frmMain::Graph_MouseUp(int, float X, float Y) { applyReadout(onMouseUp(), X, Y); }

}  // namespace tidemark
