#include "ui/commandbars/CTavoPTabbedToolbar.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"

BEGIN_MESSAGE_MAP(CTavoPTabbedToolbar, CTavoPToolBar)
    ON_WM_CREATE()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPTabbedToolbar, CTavoPToolBar, VERSIONABLE_SCHEMA | 2)

namespace {

// Left and right alignment and borders make no sense for a strip of tabs.
const DWORD kRemovedStyles =
    CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT | CBRS_BORDER_RIGHT;

} // namespace

CTavoPTabbedToolbar::CTavoPTabbedToolbar() : m_pTabWnd(NULL)
{
    m_cxLeftBorder = 0;
    m_cxRightBorder = 0;
    m_cyTopBorder = 0;
    m_cyBottomBorder = 0;
}

CTavoPTabbedToolbar::~CTavoPTabbedToolbar()
{
    delete m_pTabWnd;
}

BOOL CTavoPTabbedToolbar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, BOOL bHasGripper)
{
    dwStyle &= ~kRemovedStyles;
    if (bHasGripper & 1)
        dwStyle |= CBRS_GRIPPER;
    SetBarStyle(dwStyle & CBRS_ALL);
    SetCurrentAlignment(dwStyle & CBRS_ALL);

    const CString strClassName =
        TavoPRegisterWindowClass(_T("TavoToolBar"), CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                 (HBRUSH)(UINT_PTR)(COLOR_BTNFACE + 1));
    if (!CTavoPBaseToolBar::CreateEx(0, strClassName, dwStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    return GetSafeHwnd() != NULL;
}

int CTavoPTabbedToolbar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pTabWnd = new CTavoPTabWnd;
    const CRect rect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy);
    if (!m_pTabWnd->Create(CTavoPTabWnd::STYLE_3D, rect, this, kTabWndId,
                           CTavoPBaseTabWnd::LOCATION_BOTTOM, TRUE))
    {
        delete m_pTabWnd;
        m_pTabWnd = NULL;
        return -1;
    }
    // The pages are toolbars of their own: the tab window neither destroys nor frames them.
    m_pTabWnd->SetAutoDestroy(FALSE);
    m_pTabWnd->SetDrawFrame(FALSE);
    return 0;
}

void CTavoPTabbedToolbar::OnNcDestroy()
{
    CTavoPToolBar::OnNcDestroy();
    delete m_pTabWnd;
    m_pTabWnd = NULL;
}

BOOL CTavoPTabbedToolbar::AddTab(CTavoPToolBar* pNewBar, UINT uiImage, BOOL bActivate,
                                 BOOL bDetachable)
{
    if (m_pTabWnd == NULL || m_pTabWnd->GetSafeHwnd() == NULL || pNewBar == NULL ||
        pNewBar->GetSafeHwnd() == NULL)
        return FALSE;
    pNewBar->SetParent(m_pTabWnd);
    pNewBar->SetOwner(GetParentFrame());
    CString strLabel;
    pNewBar->GetWindowText(strLabel);
    pNewBar->SetBarStyle(pNewBar->GetBarStyle() & ~CBRS_GRIPPER);
    const int iTab = m_pTabWnd->AddTab(pNewBar, strLabel, (UINT)-1, bDetachable);
    if (iTab < 0)
        return FALSE;
    if (bActivate)
        m_pTabWnd->SetActiveTab(iTab);
    m_pTabWnd->SetTabIcon(iTab, uiImage);
    AdjustLayout();
    return TRUE;
}

CSize CTavoPTabbedToolbar::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    CRect rectTabWnd(0, 0, 0, 0);
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
        m_pTabWnd->GetWindowRect(rectTabWnd);
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, TRUE);
    return CSize(rectTabWnd.Width() - rectInside.Width(),
                 rectTabWnd.Height() - rectInside.Height());
}

void CTavoPTabbedToolbar::AdjustLayout()
{
    if (m_pTabWnd != NULL && m_pTabWnd->GetSafeHwnd() != NULL)
    {
        const CSize sizeContent = m_pTabWnd->GetMaxWindowSize();
        const int nTabsHeight = m_pTabWnd->GetTabsHeight();
        const int nFrame = m_pTabWnd->GetTabBorderSize();
        CRect rectOld;
        m_pTabWnd->GetWindowRect(rectOld);
        const CSize sizeNew(sizeContent.cx + 2 * nFrame,
                            sizeContent.cy + nTabsHeight + 2 * nFrame + 2);
        m_pTabWnd->SetWindowPos(NULL, 0, 0, sizeNew.cx, sizeNew.cy,
                                SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pTabWnd->RecalcLayout();

        const int nDelta = sizeNew.cx - rectOld.Width();
        if (nDelta != 0 && GetParentDockBar() != NULL)
            StretchBy(nDelta);
        CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
        if (pMiniFrame != NULL)
            pMiniFrame->SizeToContent();
    }
    CTavoPToolBar::AdjustLayout();
}
