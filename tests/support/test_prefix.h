#pragma once
// The tests delete and rewrite the settings key, which the emulator reads from
// the user's own Wine prefix: they run only in the test build's prefix.
#include <optional>
#include <string>

// Why the tests must not run with WINEPREFIX set to `winePrefix` (null: not
// set, so Wine takes ~/.wine); nothing when it names `testPrefix`, trailing
// slashes aside. Only the name is compared, so any other spelling of the test
// prefix is refused too: a name is all a Windows process has to go on.
std::optional<std::string> PrefixRefusal(const char* winePrefix, const std::string& testPrefix);
