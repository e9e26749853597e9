#include "framework/winapp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
