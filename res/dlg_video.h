#pragma once
// Controls of the Video page (dialog 136) and the Video Device Properties
// dialog (151).
#define IDC_VIDEO_PROPERTIES  1018
#define IDC_VIDEO_DRIVER      1126
#define IDC_VIDEO_DEVICE      1127
#define IDC_VIDEO_UNIT1       1128  /* radio buttons of units 0 to 5: 1128 to 1133 */
#define IDC_VIDEO_UNIT6       1133
#define IDC_VIDEO_LINE1       1134  /* unit lines of units 0 to 5: 1134 to 1139 */

#define IDC_PROPS_DEVICE      1096
#define IDC_PROPS_FPS_SLIDER  1097
#define IDC_PROPS_FPS         1098
#define IDC_PROPS_RAM         1099
#define IDC_PROPS_RAM_SPIN    1100
#define IDC_PROPS_QD          1101
