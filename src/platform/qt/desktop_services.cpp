#include "platform/qt/desktop_services.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt/start_program.h"

namespace tidemark {
namespace {

class DesktopShell final : public Shell {
public:
    bool open(const QString& target, std::function<void()> failedLater) override {
        const bool isAddress = target.contains(QLatin1String("://"));
        return openWithDesktop(isAddress ? QUrl(target) : QUrl::fromLocalFile(target), std::move(failedLater));
    }
    QString findProgram(const QString& name) override { return QStandardPaths::findExecutable(name); }
    bool startDetached(const QString& program, const QStringList& arguments) override {
        return startProgram(program, arguments);
    }
};

class MessageBoxDialogs final : public Dialogs {
    static int show(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& text,
                    QMessageBox::StandardButtons buttons) {
        QMessageBox box(icon, title, text, buttons, owner);
        return box.exec();
    }

public:
    void information(QWidget* owner, const QString& title, const QString& text) override {
        show(owner, QMessageBox::Information, title, text, QMessageBox::Ok);
    }
    void exclamation(QWidget* owner, const QString& title, const QString& text) override {
        show(owner, QMessageBox::Warning, title, text, QMessageBox::Ok);
    }
    void plain(QWidget* owner, const QString& title, const QString& text) override {
        show(owner, QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    }
    void runModal(QDialog& dialog) override { dialog.exec(); }
    bool question(QWidget* owner, const QString& title, const QString& text) override {
        return show(owner, QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }
    std::optional<QString> saveFileName(QWidget* owner, const QString& title, const QString& initialPath,
                                        const QStringList& filters) override {
        QString selected = filters.value(0);
        const QString chosen = QFileDialog::getSaveFileName(owner, title, initialPath, filters.join(";;"), &selected,
                                                            QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty()) return std::nullopt;
        return chosen;
    }
};

class SystemClock final : public Clock {
public:
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

}  // namespace

std::unique_ptr<Clock> makeSystemClock() { return std::make_unique<SystemClock>(); }
std::unique_ptr<Shell> makeDesktopShell() { return std::make_unique<DesktopShell>(); }
std::unique_ptr<Dialogs> makeMessageBoxDialogs() { return std::make_unique<MessageBoxDialogs>(); }

}  // namespace tidemark
