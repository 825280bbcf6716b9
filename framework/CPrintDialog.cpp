#include "framework/CPrintDialog.h"
#include "framework/CTestSeams.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_RETURNDC;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog()
{
    if (m_pd.hDevMode != nullptr)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames != nullptr)
        ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal()
{
    // Under the seams no system dialog may wait for a click: the fake printer is chosen at
    // once, and without one the dialog counts as cancelled.
    BOOL bHandled = FALSE;
    HDC hDC = CTestSeams::CreatePrinterDC(&bHandled);
    if (bHandled)
    {
        m_pd.hDC = hDC;
        return hDC != nullptr ? IDOK : IDCANCEL;
    }
    m_pd.hwndOwner = GetOwnerForSystemDialog();
    return ::PrintDlg(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    BOOL bHandled = FALSE;
    HDC hDC = CTestSeams::CreatePrinterDC(&bHandled);
    if (bHandled)
    {
        m_pd.hDC = hDC;
        return hDC != nullptr;
    }
    m_pd.Flags |= PD_RETURNDEFAULT;
    BOOL bResult = ::PrintDlg(&m_pd);
    m_pd.Flags &= ~PD_RETURNDEFAULT;
    return bResult;
}

HDC CPrintDialog::GetPrinterDC() const
{
    return m_pd.hDC;
}

static CString DevNamesPart(HGLOBAL hDevNames, int nPart)
{
    if (hDevNames == nullptr)
        return CString();
    LPDEVNAMES lpDev = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDev == nullptr)
        return CString();
    WORD wOffset = nPart == 0   ? lpDev->wDriverOffset
                   : nPart == 1 ? lpDev->wDeviceOffset
                                : lpDev->wOutputOffset;
    CString str((LPCTSTR)lpDev + wOffset);
    ::GlobalUnlock(hDevNames);
    return str;
}

CString CPrintDialog::GetDriverName() const
{
    return DevNamesPart(m_pd.hDevNames, 0);
}
CString CPrintDialog::GetDeviceName() const
{
    return DevNamesPart(m_pd.hDevNames, 1);
}
CString CPrintDialog::GetPortName() const
{
    return DevNamesPart(m_pd.hDevNames, 2);
}

int CPrintDialog::GetCopies() const
{
    return m_pd.nCopies;
}
