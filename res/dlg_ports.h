#pragma once
// Controls of the Ports page (dialog 138).
#define IDC_PORT_A       1058
#define IDC_PORT_B       1059
#define IDC_PORT_LIST    1060
#define IDC_PORT_STATUS  1107
