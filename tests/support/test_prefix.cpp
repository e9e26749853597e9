#include "tests/support/test_prefix.h"

namespace {
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}
}  // namespace

std::optional<std::string> PrefixRefusal(const char* winePrefix, const std::string& testPrefix)
{
    const std::string wanted = "set WINEPREFIX=" + testPrefix + ", the test build's own (scripts/test.sh makes it)";
    if (!winePrefix || !*winePrefix)
        return "WINEPREFIX is not set, so Wine runs in ~/.wine, whose settings the tests would delete: " + wanted;
    if (WithoutTrailingSlashes(winePrefix) != WithoutTrailingSlashes(testPrefix))
        return std::string("WINEPREFIX is ") + winePrefix + ", not the tests' prefix, whose settings they delete: " + wanted;
    return std::nullopt;
}
