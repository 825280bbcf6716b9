// The system's print and print set-up dialog, and the printer it chose.
#pragma once
#include "framework/CCommonDialog.h"
#include <commdlg.h>

class CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    virtual ~CPrintDialog();

    PRINTDLG m_pd;

    virtual INT_PTR DoModal() override;
    // The default printer without a dialog; FALSE when there is none.
    BOOL GetDefaults();
    HDC GetPrinterDC() const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    int GetCopies() const;
    BOOL PrintAll() const { return (m_pd.Flags & (PD_PAGENUMS | PD_SELECTION)) == 0; }
};
