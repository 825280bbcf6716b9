#include "framework/CColorDialog.h"
#include "framework/CTestSeams.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF customColors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    };
    return customColors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

CColorDialog::~CColorDialog() = default;

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    m_cc.rgbResult = clr;
    m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    // Under the seams no system dialog may wait for a click: it is cancelled.
    if (CTestSeams::IsEngaged())
        return IDCANCEL;
    m_cc.hwndOwner = GetOwnerForSystemDialog();
    return ::ChooseColor(&m_cc) ? IDOK : IDCANCEL;
}
