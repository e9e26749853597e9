#include "tests/pages/full_sheet.h"
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

namespace {
const ScriptedHost* g_host = nullptr;  // the memory query is a plain function
MemoryStatus ScriptedMemory() { return g_host->memory; }
}  // namespace

FullSheet::FullSheet(const ScriptedHost& host)
{
    g_host = &host;
    const PortProbe ports = [&host](const std::string& name) {
        return (host.openPorts >> ((name[0] == 'L' ? 4 : 0) + name[3] - '1') & 1) != 0;
    };
    const DriveProbe drives = {[&host] { return host.drives; },
                               [&host](const std::string& root) { return host.driveTypes[root[0] - 'A']; }};
    pages.emplace_back(std::make_unique<CGeneral>(ScriptedMemory));
    pages.emplace_back(std::make_unique<CStorage>());
    pages.emplace_back(std::make_unique<CRAM>(ScriptedMemory));
    pages.emplace_back(std::make_unique<CVideo>());
    pages.emplace_back(std::make_unique<CInput>());
    pages.emplace_back(std::make_unique<CPorts>(ports));
    pages.emplace_back(std::make_unique<CMisc>(drives));
    pages.emplace_back(std::make_unique<CSCSI>());
    pages.emplace_back(std::make_unique<CFloppy>());
    pages.emplace_back(std::make_unique<CAdvanced>());
    std::vector<CPropertyPage*> raw;
    for (const auto& page : pages) raw.push_back(page.get());
    sheet = std::make_unique<SheetHarness>(raw);
}
