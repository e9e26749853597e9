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
