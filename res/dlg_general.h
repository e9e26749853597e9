#pragma once
// Controls of the General page (dialog 133).
#define IDC_GENERAL_INFO   1057
