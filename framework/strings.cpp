#include "framework/strings.h"

std::string LoadStringResource(UINT id)
{
    // LoadStringA needs a buffer; grow it until the text fits with room to spare
    // (a result one short of the buffer size may have been cut).
    std::string text(256, '\0');
    for (;;) {
        int n = ::LoadStringA(::GetModuleHandleA(nullptr), id, &text[0], static_cast<int>(text.size()));
        if (n <= 0) return std::string();
        if (static_cast<size_t>(n) + 1 < text.size()) {
            text.resize(n);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

std::wstring WidenAnsi(const std::string& text)
{
    const int length = static_cast<int>(text.size());
    int size = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    if (size > 0) ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], size);
    return wide;
}

std::string NarrowToAnsi(const std::wstring& text)
{
    const int length = static_cast<int>(text.size());
    int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(size > 0 ? size : 0, '\0');
    if (size > 0) ::WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], size, nullptr, nullptr);
    return ansi;
}
