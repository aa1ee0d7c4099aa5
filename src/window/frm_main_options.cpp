// Stay on top and the refresh interval.
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include "tools/product.h"
#include "window/frm_main.h"
#include "window/refresh_interval.h"

namespace tidemark {
namespace {

constexpr int kEnterKeyCode = 13;  // what CmbRefresh_KeyPress hears for Enter, as a carriage return

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
    if (keyCode == kEnterKeyCode && !setRefreshInterval(mRefreshBox->currentText()))
        mRefreshBox->setEditText(QString::number(mUpdateTimer->interval()));
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mRefreshBox && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter || !key->text().isEmpty()) CmbRefresh_KeyPress(enter ? kEnterKeyCode : key->text().at(0).unicode());
    }
    return QWidget::eventFilter(watched, event);  // the key goes on unchanged
}

}  // namespace tidemark
