#pragma once
// Controls of the Input page (dialog 137).
#define IDC_KEY_LAYOUT          1032
#define IDC_CMD_KEY             1033
#define IDC_MOUSE_LEFT          1034
#define IDC_MOUSE_RIGHT         1035
#define IDC_JOY_UP_LEFT         1044
#define IDC_JOY_UP              1045
#define IDC_JOY_UP_RIGHT        1046
#define IDC_JOY_LEFT            1047
#define IDC_JOY_RIGHT           1048
#define IDC_JOY_DOWN            1049
#define IDC_JOY_DOWN_LEFT       1050
#define IDC_JOY_DOWN_RIGHT      1051
#define IDC_JOY_BUTTON1         1052
#define IDC_JOY_BUTTON3         1053
#define IDC_JOY_BUTTON2         1054
#define IDC_JOY_BUTTON4         1055
#define IDC_USE_DIAGONALS       1056
#define IDC_MOUSE_MID           1089
