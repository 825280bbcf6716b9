#include "framework/CFontDialog.h"
#include "framework/CDC.h"
#include "framework/CTestSeams.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

CFontDialog::CFontDialog(const LOGFONT* lplfInitial, DWORD dwFlags, CDC* pdcPrinter,
                         CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cf, 0, sizeof(m_cf));
    memset(&m_lf, 0, sizeof(m_lf));
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags;
    if (lplfInitial != nullptr)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != nullptr)
    {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

CFontDialog::~CFontDialog() = default;

INT_PTR CFontDialog::DoModal()
{
    LOGFONT lfAnswer;
    BOOL bHandled = FALSE;
    BOOL bOK = CTestSeams::TakeFontDialogAnswer(lfAnswer, &bHandled);
    if (bHandled)
    {
        if (!bOK)
            return IDCANCEL;
        m_lf = lfAnswer;
        // The size the system dialog would report: the height in points at the screen's
        // resolution, in tenths.
        HDC hdc = ::GetDC(NULL);
        const int nLogPixelsY = ::GetDeviceCaps(hdc, LOGPIXELSY);
        ::ReleaseDC(NULL, hdc);
        const int nHeight = m_lf.lfHeight < 0 ? -m_lf.lfHeight : m_lf.lfHeight;
        m_cf.iPointSize = nLogPixelsY > 0 ? ::MulDiv(nHeight, 720, nLogPixelsY) : 0;
        return IDOK;
    }

    m_cf.hwndOwner = GetOwnerForSystemDialog();
    return ::ChooseFont(&m_cf) ? IDOK : IDCANCEL;
}
