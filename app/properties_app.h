#pragma once
#include "framework/handler_table.h"
#include "framework/winapp.h"

// The application: takes stock of the host once, then runs the property sheet
// until the user closes it. The program ends whichever way the sheet closed.
class CPropertiesApp : public CWinApp {
public:
    CPropertiesApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override;
    BOOL OnCmdMsg(UINT id) override;

private:
    struct Command {
        UINT id;
        void (CWinApp::*handler)();
    };
    static const Command kCommands[];
};
