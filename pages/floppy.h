#pragma once
// The Floppy page: the host drive and disk auto-detect option behind each of
// the emulated machine's two internal floppy drives. One pair of combos edits
// the drive whose radio button is on.
//
// The "File..." button stays disabled and the field beside it empty: the
// setting word has no room for a file, so a chosen disk image could not reach
// the emulator.
#include "framework/controls.h"
#include "framework/handler_table.h"
#include "framework/propertypage.h"

// A drive's setting word: bits 0-4 the Device combo's item (0 none, 1-26 A: to
// Z:), bits 5-8 the Options combo's item (0 to 9), the higher bits kept as read.
// The item a field shows; a field out of range shows item 0.
int FloppyDeviceItem(int word);
int FloppyDetectItem(int word);
// The word with one field replaced and every other bit kept.
int WithFloppyDevice(int word, int item);
int WithFloppyDetect(int word, int item);

class CFloppy : public CPropertyPage {
public:
    CFloppy();

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(UINT id, UINT code) override;

private:
    void OnInternal0();
    void OnInternal1();
    void OnDeviceChange();
    void OnDetectChange();
    void ShowDriveSettings(int word);
    // The word of the drive the combos edit: drive 0 while "Internal 0" is on.
    int& EditedWord();

    CComboBox m_cmbOptions;
    CComboBox m_cmbDevice;
    CButton m_btnInternal0;
    CStatic m_stcFile;
    int m_nFloppy0 = 0;
    int m_nFloppy1 = 0;

    static const CommandEntry<CFloppy> kCommands[];
};
