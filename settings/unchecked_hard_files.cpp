#include "settings/unchecked_hard_files.h"
#include "framework/winapp.h"

namespace {
constexpr char kSection[] = "Hard Files";

std::string ValueName(size_t index)
{
    return "File" + std::to_string(index);
}
}  // namespace

std::vector<std::string> ReadUncheckedHardFiles()
{
    std::vector<std::string> paths;
    for (;;) {
        std::string path = AfxGetApp()->GetProfileString(kSection, ValueName(paths.size()).c_str());
        if (path.empty()) return paths;
        paths.push_back(path);
    }
}

void WriteUncheckedHardFiles(const std::vector<std::string>& paths)
{
    // The old values go first: a shorter list must not leave the longer one's tail.
    AfxGetApp()->DeleteProfileSection(kSection);
    for (size_t i = 0; i < paths.size(); ++i) AfxGetApp()->WriteProfileString(kSection, ValueName(i).c_str(), paths[i]);
}
