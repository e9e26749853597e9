#include "pages/file_choice.h"
#include "framework/filedialog.h"
#include "framework/strings.h"

std::string FolderOf(const std::string& path)
{
    size_t separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string CurrentDirectoryForDialog()
{
    char buffer[MAX_PATH];
    DWORD length = ::GetCurrentDirectoryA(MAX_PATH, buffer);
    return length == 0 || length >= MAX_PATH ? std::string() : std::string(buffer, length);
}

bool ChooseFile(bool openDialog, UINT titleId, UINT filterId, UINT fileNameId, DWORD flags, std::string& path)
{
    std::string title = LoadStringResource(titleId);
    std::string filter = LoadStringResource(filterId);
    std::string fileName = LoadStringResource(fileNameId);
    std::string initialFolder = CurrentDirectoryForDialog();

    CFileDialog dialog(openDialog, nullptr, fileName.c_str(), flags, filter.c_str());
    dialog.m_ofn.lpstrTitle = title.c_str();
    dialog.m_ofn.lpstrInitialDir = initialFolder.c_str();
    if (dialog.DoModal() != IDOK) return false;

    path = dialog.GetPathName();
    std::string folder = FolderOf(path);
    if (!folder.empty()) ::SetCurrentDirectoryA(folder.c_str());
    return true;
}
