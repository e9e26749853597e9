#pragma once
// Controls of the Rename File dialog (dialog 148).
#define IDC_RENAME_NAME    1087
