// The apply protocol between the sheet and its pages, on a real sheet.
#include "framework/ddx.h"
#include "framework/propertypage.h"
#include "tests/support/gui.h"
#include "tests/support/registry.h"
#include "tests/support/test_app.h"
#include "tests/support/test_resources.h"
#include <gtest/gtest.h>

namespace {

// A page that counts what the sheet asks of it and edits one number, 0 to 100.
class NumberPage : public CPropertyPage {
public:
    NumberPage() : CPropertyPage(IDD_TEST_NUMBER_PAGE) {}

    int initialised = 0;
    int applied = 0;
    int number = 7;

    BOOL OnInitDialog() override { ++initialised; return CPropertyPage::OnInitDialog(); }
    BOOL OnApply() override { ++applied; return CPropertyPage::OnApply(); }
    void MarkModified() { SetModified(TRUE); PumpMessages(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_NUMBER, number);
        DDV_MinMaxInt(pDX, number, 0, 100);
    }
};

void TypeNumber(HWND dialog, const char* text)
{
    ::SetDlgItemTextA(dialog, IDC_TEST_NUMBER, text);
}

class SheetProtocolTest : public ::testing::Test {
protected:
    void SetUp() override { TestApp().ResetScript(); }
};

}  // namespace

TEST_F(SheetProtocolTest, OnlyPagesThatWereShownApply)
{
    NumberPage first, second, third;
    SheetHarness sheet({&first, &second, &third});
    EXPECT_EQ(first.initialised, 1);
    EXPECT_EQ(second.initialised, 0);

    sheet.ShowPage(2);
    sheet.PressOK();

    EXPECT_TRUE(sheet.IsClosed());
    EXPECT_EQ(first.applied, 1);
    EXPECT_EQ(second.applied, 0);  // never shown, never initialised, never asked
    EXPECT_EQ(second.initialised, 0);
    EXPECT_EQ(third.applied, 1);
}

TEST_F(SheetProtocolTest, CancelAppliesNothing)
{
    NumberPage first, second;
    SheetHarness sheet({&first, &second});
    sheet.ShowPage(1);
    second.MarkModified();
    sheet.PressCancel();

    EXPECT_TRUE(sheet.IsClosed());
    EXPECT_EQ(first.applied, 0);
    EXPECT_EQ(second.applied, 0);
}

TEST_F(SheetProtocolTest, ApplyIsEnabledOnlyByAChange)
{
    NumberPage page;
    SheetHarness sheet({&page});
    EXPECT_FALSE(sheet.IsApplyEnabled());

    page.MarkModified();
    EXPECT_TRUE(sheet.IsApplyEnabled());

    sheet.PressApply();
    EXPECT_EQ(page.applied, 1);
    EXPECT_FALSE(sheet.IsClosed());
    EXPECT_FALSE(sheet.IsApplyEnabled());
}

TEST_F(SheetProtocolTest, RefusedNumberKeepsThePageAndTheSheet)
{
    NumberPage first, second;
    SheetHarness sheet({&first, &second});
    EXPECT_EQ(ControlText(first.m_hWnd, IDC_TEST_NUMBER), "7");

    TypeNumber(first.m_hWnd, "12x");
    sheet.ShowPage(1);
    EXPECT_EQ(sheet.CurrentPage(), 0);
    ASSERT_EQ(TestApp().messageBoxes.size(), 1u);
    EXPECT_EQ(TestApp().messageBoxes[0].text, "Please enter an integer.");
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(first.m_hWnd, IDC_TEST_NUMBER));

    TypeNumber(first.m_hWnd, "101");
    sheet.PressOK();
    EXPECT_FALSE(sheet.IsClosed());
    EXPECT_EQ(first.applied, 0);
    ASSERT_EQ(TestApp().messageBoxes.size(), 2u);
    EXPECT_EQ(TestApp().messageBoxes[1].text, "Please enter an integer between 0 and 100.");

    TypeNumber(first.m_hWnd, " 100 ");
    sheet.ShowPage(1);
    EXPECT_EQ(sheet.CurrentPage(), 1);
    EXPECT_EQ(first.number, 100);
}

TEST(IntegerParsing, AcceptsWholeNumbersOnly)
{
    int value = 0;
    EXPECT_TRUE(ParseInteger("  -12 ", value));
    EXPECT_EQ(value, -12);
    EXPECT_TRUE(ParseInteger("2147483647", value));
    EXPECT_FALSE(ParseInteger("2147483648", value));
    EXPECT_FALSE(ParseInteger("", value));
    EXPECT_FALSE(ParseInteger("1.5", value));
    EXPECT_FALSE(ParseInteger("0x10", value));
}
