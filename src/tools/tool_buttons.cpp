// The main window's tool, web, help and About buttons.
#include "tools/frm_about.h"
#include "tools/launchers.h"
#include "tools/product.h"
#include "window/frm_main.h"

namespace tidemark {

void frmMain::sayNothingStarted(const QString& what, const QStringList& tried) {
    services_.dialogs.exclamation(this, kProductTitle, QString("%1 (tried %2).").arg(what, tried.join(", ")));
}

void frmMain::Command1_Click() {
    if (const LaunchResult launch = startServicesTool(services_.shell); !launch.started)
        sayNothingStarted("No services tool could be started", launch.tried);
}

void frmMain::Command3_Click() {
    if (const LaunchResult launch = startSystemInfoTool(services_.shell); !launch.started)
        sayNothingStarted("No system information tool could be started", launch.tried);
}

void frmMain::Command2_Click() {
    if (!services_.shell.open(services_.webAddress))
        sayNothingStarted(QString("The web page %1 could not be opened").arg(services_.webAddress),
                          {"the desktop's web browser"});
}

void frmMain::CmdHelp_Click(int index) {
    if (index == 0) {
        frmAbout about(services_.shell, services_.dialogs, services_.webAddress, this);
        services_.dialogs.runModal(about);
        return;
    }
    services_.dialogs.information(this, "Help", helpText(services_.webAddress));
}

}  // namespace tidemark
