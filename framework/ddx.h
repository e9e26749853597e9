#pragma once
// Dialog data exchange: one DoDataExchange per class both fills the controls
// from the members (load) and reads them back with validation (save). The first
// refusal shows the standard message, puts the focus on the failing control and
// stops the exchange; the caller then keeps its page or dialog open.
#include <windows.h>
#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control an exchange works on; it is the one a later validation blames.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Ends the exchange after a refusal the user has already been told about.
    void Fail();
    bool Failed() const { return m_bFailed; }

private:
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;
    bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Text(CDataExchange* pDX, int id, std::wstring& value);
void DDX_CBIndex(CDataExchange* pDX, int id, int& index);
void DDX_Check(CDataExchange* pDX, int id, int& value);
void DDX_Slider(CDataExchange* pDX, int id, int& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minValue, int maxValue);

// The standard messages, as the user reads them.
std::string IntegerPrompt();
std::string IntegerRangePrompt(int minValue, int maxValue);
// A whole decimal number with optional sign and surrounding blanks, within int.
bool ParseInteger(const std::string& text, int& value);
