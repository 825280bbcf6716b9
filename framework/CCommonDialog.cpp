#include "framework/CCommonDialog.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog((LPCTSTR) nullptr, pParentWnd)
{}

CCommonDialog::~CCommonDialog() = default;

HWND CCommonDialog::GetOwnerForSystemDialog() const
{
    HWND hWnd = m_pParentWnd->GetSafeHwnd();
    if (hWnd == nullptr)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    while (hWnd != nullptr && (::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    return hWnd;
}
