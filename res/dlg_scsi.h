#pragma once
// Controls of the SCSI page (dialog 140): unit n has radio button
// IDC_SCSI_UNIT0 + n and unit line IDC_SCSI_LINE0 + n.
#define IDC_SCSI_DEVICES  1115
#define IDC_SCSI_UNIT0    1116
#define IDC_SCSI_UNIT1    1117
#define IDC_SCSI_UNIT2    1118
#define IDC_SCSI_UNIT3    1119
#define IDC_SCSI_UNIT4    1120
#define IDC_SCSI_UNIT5    1121
#define IDC_SCSI_UNIT6    1122
#define IDC_SCSI_LINE0    1123
#define IDC_SCSI_LINE1    1124
#define IDC_SCSI_LINE2    1125
#define IDC_SCSI_LINE3    1126
#define IDC_SCSI_LINE4    1127
#define IDC_SCSI_LINE5    1128
#define IDC_SCSI_LINE6    1129
