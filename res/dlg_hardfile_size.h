#pragma once
// Controls of the Hard File Size dialog (dialog 147).
#define IDC_AVAILABLE_MB      1061
#define IDC_HARDFILE_MB       1084
#define IDC_HARDFILE_SPIN     1085
#define IDC_HARDFILE_RESERVE  1086
