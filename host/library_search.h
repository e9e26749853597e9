#pragma once
// Libraries loaded by name at run time (the ASPI layer, DirectX) are looked for
// in the program's own folder and the system's, never in the current folder:
// every file dialog moves the current folder to wherever the user browsed, and
// a library left there under one of those names would run inside the program.
// Called once at start-up, before the first such load; it holds for the whole
// process, so every later LoadLibrary by name is covered without a call of its own.
void KeepCurrentFolderOutOfLibrarySearch();
