#include "framework/winapp.h"
#include "host/library_search.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    KeepCurrentFolderOutOfLibrarySearch();
    return AfxWinMain(instance);
}
