#pragma once
// Controls of the Advanced page (dialog 143).
#define IDC_ROM_BROWSE     1112
#define IDC_ROM_PATH       1113
#define IDC_MACHINE        1114
#define IDC_STARTUP_SOUND  1115
