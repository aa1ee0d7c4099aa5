#pragma once
// The About box: the product's title, version, description, web link and a
// button that starts the system's information program.
#include <QDialog>

#include "platform/qt/desktop_services.h"

class QLabel;
class QPushButton;

namespace tidemark {

class frmAbout : public QDialog {
public:
    frmAbout(Shell& shell, Dialogs& dialogs, const QString& webAddress, QWidget* parent = nullptr);

    void cmdSysInfo_Click();
    void lblURL_Click();
    void OpenURL(QString& URLs);
    void StartSysInfo();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void Form_Load();

    Shell& shell_;
    Dialogs& dialogs_;
    QString webAddress_;
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
    QLabel* lblURL = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblTitle2 = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

}  // namespace tidemark
