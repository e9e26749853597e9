#pragma once
// Controls of the RAM page (dialog 135).
#define IDC_RAM_AVAILABLE    1061
#define IDC_RAM_SELECTED     1062
#define IDC_RAM_SPIN         1064
#define IDC_RAM_RECOMMENDED  1072
