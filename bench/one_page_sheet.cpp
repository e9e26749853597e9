// Reference program: nothing but a one-page property sheet. What start-up costs
// when a program does no work of its own before its sheet.
#include "bench/reference_sheet.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    ShowOnePageSheet(instance);
    return 0;
}
