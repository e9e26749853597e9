#pragma once
// Controls of the Storage page (dialog 134).
#define IDC_STORAGE_NEW        1003
#define IDC_STORAGE_ADD        1004
#define IDC_STORAGE_DELETE     1005
#define IDC_STORAGE_REMOVE     1006
#define IDC_STORAGE_SPIN       1068
#define IDC_STORAGE_RENAME     1071
#define IDC_HARDFILE_LIST      1081
#define IDC_HARDFILE_SIZE_TEXT 1088
#define IDC_FREE_SPACE_TEXT    1108
