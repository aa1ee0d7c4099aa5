// The main window's tool, web, help and About buttons.
#include "tools/frm_about.h"
#include "tools/launchers.h"
#include "window/frm_main.h"

namespace tidemark {

void frmMain::Command1_Click() { startServicesTool(services_.shell); }

void frmMain::Command3_Click() { startSystemInfoTool(services_.shell); }

void frmMain::Command2_Click() { services_.shell.open(services_.webAddress); }

void frmMain::CmdHelp_Click(int index) {
    if (index == 0) {
        frmAbout about(services_.shell, services_.dialogs, services_.webAddress, this);
        services_.dialogs.runModal(about);
        return;
    }
    services_.dialogs.information(this, "Help", helpText(services_.webAddress));
}

}  // namespace tidemark
