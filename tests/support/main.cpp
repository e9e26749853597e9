#include "tests/support/test_app.h"
#include "tests/support/test_prefix.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>

namespace {
CTestApp g_testApp;
}

CTestApp& TestApp()
{
    return g_testApp;
}

int main(int argc, char** argv)
{
    // Before anything opens the registry.
    if (const std::optional<std::string> refusal = PrefixRefusal(std::getenv("WINEPREFIX"), TEST_WINE_PREFIX)) {
        std::fprintf(stderr, "Refusing to run: %s\n", refusal->c_str());
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    g_testApp.m_hInstance = ::GetModuleHandleA(nullptr);
    g_testApp.SetRegistryKey("Tessaran");
    return RUN_ALL_TESTS();
}
