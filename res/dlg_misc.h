#pragma once
// Controls of the Misc page (dialog 139).
#define IDC_SOUND_DEVICE   1070
#define IDC_NETWORK_DRIVE  1071
#define IDC_CDROM_DRIVE    1072
