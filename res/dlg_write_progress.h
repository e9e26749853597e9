#pragma once
// Controls of the window shown while a new hard file is written (dialog 152).
#define IDC_PROGRESS_FILE    1201
#define IDC_PROGRESS_BAR     1202
#define IDC_PROGRESS_AMOUNT  1203
