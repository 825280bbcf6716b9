#include "app/CSplashDialog.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CSplashDialog, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

static const UINT_PTR kCloseTimer = 1;

CSplashDialog::CSplashDialog(CWnd* pParent)
    : CDialog(IDD_SPLASH, pParent), m_nDisplayTime(1000), m_pfnWhileShowing(nullptr)
{
    m_brBackground.CreateSolidBrush(RGB(0, 0, 0));
}

CSplashDialog::~CSplashDialog()
{
    m_brBackground.DeleteObject();
}

BOOL CSplashDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetTimer(kCloseTimer, (UINT)m_nDisplayTime, nullptr);
    SetDlgItemText(IDC_SPLASH_VERSION, m_strVersion);
    return TRUE;
}

void CSplashDialog::OnTimer(UINT_PTR /*nIDEvent*/)
{
    // The framework's own OK: the overridable one above does nothing.
    CDialog::OnOK();
    Default();
}

void CSplashDialog::OnDestroy()
{
    KillTimer(kCloseTimer);
    CDialog::OnDestroy();
}

HBRUSH CSplashDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != nullptr && pWnd->GetDlgCtrlID() == IDC_SPLASH_VERSION)
    {
        pDC->SetTextColor(RGB(255, 255, 0));
        pDC->SetBkMode(TRANSPARENT);
        return (HBRUSH)m_brBackground.GetSafeHandle();
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

LRESULT CSplashDialog::OnKickIdle(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    // The modal loop shows and paints the dialog before its first idle message.
    void (*pfnWork)() = m_pfnWhileShowing;
    m_pfnWhileShowing = nullptr;
    if (pfnWork != nullptr)
        pfnWork();
    return FALSE;
}
