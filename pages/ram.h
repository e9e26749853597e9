#pragma once
// The RAM page: how much memory the emulated machine gets, within what the
// host can spare, with half the host's physical memory as the recommendation.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"
#include "host/memory_status.h"

// The most memory, in MB, the emulated machine can be given.
constexpr int MaxMemoryMB = 2047;

// Available physical plus page-file memory in whole MiB, rounded down; a
// figure beyond the signed 32-bit field reads as its largest value.
int AvailableMemoryMB(const MemoryStatus& status);

// Half the physical memory in whole MiB, rounded up, but never more than the
// page accepts (MaxMemoryMB and `availableMB`): on hosts with 4 GiB or more,
// half the memory is above MaxMemoryMB, and a user who opens the page and
// presses OK must not meet a range message for an amount they never typed.
int RecommendedMemoryMB(const MemoryStatus& status, int availableMB);

class CRAM : public CPropertyPage {
public:
    // Measures the host and reads `Memory` at once: the page is built at start-up.
    explicit CRAM(MemoryStatusQuery queryMemory = CurrentMemoryStatus);

    BOOL OnInitDialog() override;
    BOOL OnApply() override;
    BOOL OnSetActive() override;

    void UpdateRecommended();

    CStatic m_stcRecommended;
    CSpinButtonCtrl m_spinRAM;
    int m_nMemory = 0;
    int m_nAvailable = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;
    BOOL OnNotify(NMHDR* header, LRESULT* result) override;

    void OnDeltaposSpin(NMHDR* header, LRESULT* result);
    void OnChangeMemory();

private:
    MemoryStatusQuery m_queryMemory;
    bool m_bShowingMemory = false;  // the page itself is writing the edit

    static const CommandEntry<CRAM> kCommands[];
    static const NotifyEntry<CRAM> kNotifications[];
};
