#include "tests/support/test_app.h"
#include <commctrl.h>
#include <gtest/gtest.h>

namespace {
CTestApp g_testApp;
}

CTestApp& TestApp()
{
    return g_testApp;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    g_testApp.m_hInstance = ::GetModuleHandleA(nullptr);
    g_testApp.SetRegistryKey("Tessaran");
    return RUN_ALL_TESTS();
}
