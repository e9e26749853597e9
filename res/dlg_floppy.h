#pragma once
// Controls of the Floppy page (dialog 141).
#define IDC_FLOPPY_INTERNAL0  1027
#define IDC_FLOPPY_INTERNAL1  1028
#define IDC_FLOPPY_FILE_TEXT  1104
#define IDC_FLOPPY_FILE       1135
#define IDC_FLOPPY_DEVICE     1136
#define IDC_FLOPPY_OPTIONS    1137
