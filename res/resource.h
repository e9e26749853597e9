#pragma once
// Identifiers shared by the resource script and the code. Control ids of each
// dialog live in the dialog's own header (dlg_*.h).

// Property pages and dialogs.
#define IDD_GENERAL        133
#define IDD_STORAGE        134
#define IDD_RAM            135
#define IDD_VIDEO          136
#define IDD_INPUT          137
#define IDD_PORTS          138
#define IDD_MISC           139
#define IDD_SCSI           140
#define IDD_FLOPPY         141
#define IDD_ADVANCED       143
#define IDD_HARDFILE_SIZE  147
#define IDD_RENAME_FILE    148
#define IDD_PRESS_KEY      150
#define IDD_VIDEO_PROPS    151
#define IDD_WRITE_PROGRESS 152  /* shown while a new hard file is written */

// Icon groups.
#define IDI_GENERAL        132
#define IDI_KORVEX         144

// The string table.
#define IDS_NONE                 112
#define IDS_CPU                  113
#define IDS_RAM                  114
#define IDS_OS                   115
#define IDS_LANGUAGE             116
#define IDS_DIRECTX              117
#define IDS_ASPI                 118
#define IDS_CPU_80386            119
#define IDS_CPU_80486            120
#define IDS_CPU_PENTIUM          121
#define IDS_CPU_PENTIUM_II       122
#define IDS_UNKNOWN              123
#define IDS_WINDOWS_95           124
#define IDS_WINDOWS_98           125
#define IDS_WINDOWS_NT           126
#define IDS_WIN32S               127
#define IDS_ENGLISH              128
#define IDS_PRESENT              129
#define IDS_NOT_PRESENT          130
#define IDS_SHEET_CAPTION        131
#define IDS_NEW_HARD_FILE        133
#define IDS_HARD_FILE_FILTER     134
#define IDS_HARD_FILE_NAME       136
#define IDS_SETTINGS             137
#define IDS_CONFIRM_DELETE       138
#define IDS_PRIMARY_DEVICE       139
#define IDS_RECOMMENDED          140
#define IDS_NO_DRIVER            142
#define IDS_AVAILABLE            143
#define IDS_SCSI_DISK            147
#define IDS_SCSI_TAPE            148
#define IDS_SCSI_PRINTER         149
#define IDS_SCSI_PROCESSOR       150
#define IDS_SCSI_WORM            151
#define IDS_SCSI_CDROM           152
#define IDS_SCSI_SCANNER         153
#define IDS_SCSI_OPTICAL         154
#define IDS_SCSI_CHANGER         155
#define IDS_SCSI_COMMUNICATIONS  156
#define IDS_WINDOWS_2000         160
#define IDS_HARD_FILE_LIMIT      161
#define IDS_SELECT_HARD_FILE     162
#define IDS_SELECT_ROM           163
#define IDS_ROM_FILTER           164
#define IDS_ROM_NAME             165
#define IDS_SELECT_VIDEO_DRIVER  166
#define IDS_VIDEO_DRIVER_FILTER  167
#define IDS_VIDEO_DRIVER_NAME    168
#define IDS_NOT_FOUND            169  /* size field of a hard file that is not there */
#define IDS_FILE_UNUSABLE        170  /* a chosen file no ANSI path reaches */

// Custom resource type holding a dialog's initial combo-box lists (the
// framework fills them before the dialog's initialisation runs).
#define RT_DLGINIT_ID      240
#define CB_ADDSTRING_ID    0x0403  /* the format numbers the message the 16-bit way */
