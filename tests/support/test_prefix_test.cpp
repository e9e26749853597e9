// The test programs' refusal to run anywhere but in the test build's prefix.
#include <gtest/gtest.h>

#include "tests/support/test_prefix.h"

TEST(TestPrefix, OnlyTheTestBuildsOwnPrefixIsAccepted)
{
    const std::string ours = "/src/build/x64/wineprefix";
    const struct { const char* winePrefix; bool accepted; } rows[] = {
        {nullptr, false},                         // unset: the user's ~/.wine
        {"/home/kim/.wine", false},
        {"/src/build/x64", false},                // the build folder is not the prefix
        {"/src/build/x64/wineprefix2", false},    // a name that merely starts alike
        {"/src/build/x64/wineprefix/", true},     // as a user may type it
    };
    for (const auto& r : rows)
        EXPECT_EQ(!PrefixRefusal(r.winePrefix, ours), r.accepted) << (r.winePrefix ? r.winePrefix : "(unset)");
}
