// The table of values and the pages agree: on Apply a page writes exactly the
// values the table gives it, each of the kind the table names. A new page
// joins with one entry in kPages.
#include "pages/advanced.h"
#include "pages/floppy.h"
#include "pages/general.h"
#include "pages/input.h"
#include "pages/misc.h"
#include "pages/ports.h"
#include "pages/ram.h"
#include "pages/scsi.h"
#include "pages/storage.h"
#include "pages/video.h"
#include "settings/values.h"
#include "tests/support/gui.h"
#include "framework/handles.h"
#include "tests/support/registry.h"
#include <gtest/gtest.h>
#include <memory>
#include <sddl.h>

namespace {
template <class Page>
std::unique_ptr<CPropertyPage> Make() { return std::make_unique<Page>(); }

std::unique_ptr<CPropertyPage> (*const kPages[])() = {
    &Make<CGeneral>, &Make<CStorage>, &Make<CRAM>, &Make<CVideo>, &Make<CInput>, &Make<CPorts>,
    &Make<CMisc>,    &Make<CSCSI>,    &Make<CFloppy>, &Make<CAdvanced>,
};

// Sets who may do what with the settings key, in the security descriptor language.
void SetSettingsKeyAccess(const char* descriptor)
{
    unique_hkey key;
    PSECURITY_DESCRIPTOR security = nullptr;
    ::RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, WRITE_DAC, key.put());
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(descriptor, SDDL_REVISION_1, &security, nullptr)) return;
    ::RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, security);
    ::LocalFree(security);
}
}  // namespace

TEST(SettingsContract, EachPageWritesExactlyItsValuesWithTheirKinds)
{
    for (auto make : kPages) {
        DeleteCompanyKey();
        std::unique_ptr<CPropertyPage> page = make();
        SheetHarness sheet({page.get()});
        const std::string title = page->GetWindowText();  // the tab's title
        SCOPED_TRACE(title);
        sheet.PressOK();
        int owned = 0;
        for (const SettingValue* value : setting::kAll) {
            for (int unit = 0; value->page == title && unit < value->units; ++unit, ++owned) {
                std::optional<RawValue> written = ReadRawSetting(value->Name(unit));
                EXPECT_EQ(written ? written->type : REG_NONE, value->kind == SettingKind::Integer ? REG_DWORD : REG_SZ)
                    << value->Name(unit);
            }
        }
        EXPECT_EQ(CountSettings(), owned);  // and nothing besides
    }
    DeleteCompanyKey();
}

TEST(SettingsContract, ApplyOnAKeyThatCannotBeWrittenLosesNothing)
{
    DeleteCompanyKey();
    WriteStringSetting("Volume0", "C:\\gone.hfi");  // the Storage page would write "" here
    SetSettingsKeyAccess("D:P(A;;KRSDWD;;;WD)");      // read, delete and these permissions only
    for (auto make : kPages) {
        std::unique_ptr<CPropertyPage> page = make();
        SheetHarness sheet({page.get()});
        SCOPED_TRACE(page->GetWindowText());
        sheet.PressOK();
        EXPECT_TRUE(sheet.IsClosed());
    }
    SetSettingsKeyAccess("D:P(A;;KA;;;WD)");
    EXPECT_EQ(CountSettings(), 1);
    EXPECT_EQ(ReadStringSetting("Volume0"), "C:\\gone.hfi");
    DeleteCompanyKey();
}
