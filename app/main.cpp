#include "framework/winapp.h"
#include "host/library_search.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // An empty floppy, card or CD drive, met while hard files are checked or
    // free space is read, makes that call fail quietly: without this the system
    // stops the program with its "no disk" box. Modes inherited are kept.
    ::SetErrorMode(::SetErrorMode(0) | SEM_FAILCRITICALERRORS);
    KeepCurrentFolderOutOfLibrarySearch();
    return AfxWinMain(instance);
}
