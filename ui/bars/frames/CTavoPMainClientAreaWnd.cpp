#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPMainClientAreaWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_MDISETMENU, OnSetMenu)
    ON_MESSAGE(WM_MDIREFRESHMENU, OnMDIRefreshMenu)
    ON_MESSAGE(WM_MDIDESTROY, OnMDIDestroy)
    ON_MESSAGE(CTavoPMainClientAreaWnd::WM_UPDATE_MDI_TABS, OnUpdateTabs)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPMainClientAreaWnd, CWnd)

namespace {
// The frame that owns the MDI client, when it is the library's.
CTavoPMDIFrameWnd* LibraryFrameOf(const CWnd* pClient)
{
    HWND hwndParent = ::GetParent(pClient->GetSafeHwnd());
    return DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, CWnd::FromHandlePermanent(hwndParent));
}

// Document windows only: the icon titles of minimized windows and other owned windows are not
// documents.
BOOL IsDocumentWindow(HWND hwnd)
{
    return ::GetWindow(hwnd, GW_OWNER) == NULL;
}
} // namespace

CTavoPMainClientAreaWnd::CTavoPMainClientAreaWnd()
    : m_tabLocation(CTavoPBaseTabWnd::LOCATION_BOTTOM), m_bTabIsVisible(FALSE),
      m_bIsMDITabbed(FALSE), m_bTabCloseButton(FALSE), m_bTabIcons(TRUE), m_mapIcons(10),
      m_rectTabWnd(0, 0, 0, 0), m_nClientHeight(-1)
{}

CTavoPMainClientAreaWnd::~CTavoPMainClientAreaWnd()
{
    m_mapIcons.RemoveAll();
    m_TabIcons.DeleteImageList();
    if (m_wndTab.GetSafeHwnd() != NULL)
        m_wndTab.DestroyWindow();
}

void CTavoPMainClientAreaWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CWnd* pFrame = CWnd::FromHandle(::GetParent(m_hWnd));
    if (!m_wndTab.Create(CTavoPTabWnd::STYLE_3D_SCROLLED, CRect(0, 0, 0, 0), pFrame, (UINT)-1,
                         m_tabLocation, m_bTabCloseButton))
        return;
    m_wndTab.SetDrawFrame(FALSE);
    m_wndTab.HideSingleTab(FALSE);
    m_wndTab.HideNoTabs(TRUE);
    // The strip lies behind the MDI client: only its tab area shows.
    m_wndTab.SetWindowPos(CWnd::FromHandle(m_hWnd), 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!m_bTabIsVisible)
        m_wndTab.ShowWindow(SW_HIDE);
    const CSize sizeIcon = GetGlobalData().m_sizeSmallIcon;
    m_TabIcons.Create(sizeIcon.cx, sizeIcon.cy, ILC_COLOR32 | ILC_MASK, 0, 1);
}

void CTavoPMainClientAreaWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (m_wndTab.GetSafeHwnd() != NULL)
    {
        BOOL bTabWndMoved = FALSE;
        if (m_bTabIsVisible)
        {
            const CRect rectOffered(lpClientRect);
            m_wndTab.SetWindowPos(CWnd::FromHandle(m_hWnd), rectOffered.left, rectOffered.top,
                                  rectOffered.Width(), rectOffered.Height(), SWP_NOACTIVATE);
            // The MDI client takes the page area the tab window leaves beside its strip.
            CRect rectTabClient;
            m_wndTab.GetClientRect(rectTabClient);
            const CRect rectPage = m_wndTab.GetPageRect();
            lpClientRect->left += rectPage.left - rectTabClient.left;
            lpClientRect->top += rectPage.top - rectTabClient.top;
            lpClientRect->right -= rectTabClient.right - rectPage.right;
            lpClientRect->bottom -= rectTabClient.bottom - rectPage.bottom;
            if (lpClientRect->right < lpClientRect->left)
                lpClientRect->right = lpClientRect->left;
            if (lpClientRect->bottom < lpClientRect->top)
                lpClientRect->bottom = lpClientRect->top;
            m_wndTab.ShowWindow(SW_SHOWNA);
            CRect rectTabWnd;
            m_wndTab.GetWindowRect(rectTabWnd);
            if (rectTabWnd != m_rectTabWnd)
            {
                m_rectTabWnd = rectTabWnd;
                bTabWndMoved = TRUE;
            }
        }
        else
            m_wndTab.ShowWindow(SW_HIDE);

        const CRect rectNew(lpClientRect);
        SetWindowPos(NULL, rectNew.left, rectNew.top, rectNew.Width(), rectNew.Height(),
                     SWP_NOACTIVATE | SWP_NOZORDER);

        if (!m_bTabIsVisible)
        {
            // Minimized documents keep their distance from the client's bottom edge.
            CRect rectClient;
            GetClientRect(rectClient);
            const int nDelta = m_nClientHeight < 0 ? 0 : rectClient.Height() - m_nClientHeight;
            for (HWND hwnd = ::GetWindow(m_hWnd, GW_CHILD); nDelta != 0 && hwnd != NULL;
                 hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
            {
                const DWORD dwStyle = (DWORD)::GetWindowLong(hwnd, GWL_STYLE);
                if (dwStyle & WS_MAXIMIZE)
                    break;
                if ((dwStyle & WS_MINIMIZE) == 0 || !IsDocumentWindow(hwnd))
                    continue;
                CRect rectChild;
                ::GetWindowRect(hwnd, rectChild);
                ScreenToClient(rectChild);
                const int nTop = std::max((int)rectClient.top, (int)(rectChild.top + nDelta));
                ::SetWindowPos(hwnd, NULL, rectChild.left, nTop, 0, 0,
                               SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
            }
        }
        CRect rectClient;
        GetClientRect(rectClient);
        m_nClientHeight = rectClient.Height();
        if (bTabWndMoved)
            RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN |
                             RDW_UPDATENOW | RDW_FRAME);
    }
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

void CTavoPMainClientAreaWnd::SetActiveTab(HWND hwnd)
{
    if (!m_bTabIsVisible || m_wndTab.GetSafeHwnd() == NULL)
        return;
    const int iTab = m_wndTab.GetTabFromHwnd(hwnd);
    if (iTab >= 0 && iTab != m_wndTab.GetActiveTab())
        m_wndTab.SetActiveTab(iTab);
}

void CTavoPMainClientAreaWnd::UpdateTabs()
{
    if (m_wndTab.GetSafeHwnd() == NULL || !m_bTabIsVisible)
        return;
    BOOL bChanged = FALSE;
    for (HWND hwnd = ::GetWindow(m_hWnd, GW_CHILD); hwnd != NULL;
         hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
    {
        // A tab keeps its window object: a window without one of its own would leave the tab a
        // temporary object that goes at the next idle time.
        CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
        if (pWnd == NULL || !IsDocumentWindow(hwnd))
            continue;
        CTavoPMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CTavoPMDIChildWnd, pWnd);

        int iImage = -1;
        if (m_bTabIcons)
        {
            HICON hIcon = NULL;
            if (pChild != NULL)
                hIcon = pChild->GetFrameIcon();
            else
            {
                hIcon = (HICON)::SendMessage(hwnd, WM_GETICON, ICON_SMALL, 0);
                if (hIcon == NULL)
                    hIcon = (HICON)::GetClassLongPtr(hwnd, GCLP_HICONSM);
            }
            if (hIcon != NULL && !m_mapIcons.Lookup(hIcon, iImage))
            {
                iImage = m_TabIcons.Add(hIcon);
                if (iImage >= 0)
                    m_mapIcons.SetAt(hIcon, iImage);
                if (m_TabIcons.GetImageCount() == 1)
                    m_wndTab.SetImageList(m_TabIcons.GetSafeHandle());
            }
        }

        CString strLabel;
        if (pChild != NULL)
            strLabel = pChild->GetFrameText();
        else
            pWnd->GetWindowText(strLabel);

        const int iTab = m_wndTab.GetTabFromHwnd(hwnd);
        if (iTab < 0)
        {
            if (::IsWindowVisible(hwnd) && (pChild == NULL || !pChild->IsBeingDestroyed()))
            {
                const int iNew = m_wndTab.AddTab(pWnd, strLabel, (UINT)iImage, TRUE);
                if (iNew >= 0)
                {
                    m_wndTab.SetActiveTab(iNew);
                    bChanged = TRUE;
                }
            }
        }
        else if (::IsWindowVisible(hwnd))
        {
            CString strOld;
            m_wndTab.GetTabLabel(iTab, strOld);
            if (strOld != strLabel)
            {
                m_wndTab.SetTabLabel(iTab, strLabel);
                bChanged = TRUE;
            }
            if ((int)m_wndTab.GetTabIcon(iTab) != iImage)
            {
                m_wndTab.SetTabIcon(iTab, (UINT)iImage);
                bChanged = TRUE;
            }
        }
        else
        {
            m_wndTab.RemoveTab(iTab, TRUE);
            bChanged = TRUE;
        }
    }
    if (bChanged)
    {
        // New labels and images change the tabs' widths even where the strip keeps its place.
        m_wndTab.RecalcLayout();
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandle(::GetParent(m_hWnd)));
        if (pFrame != NULL)
            pFrame->RecalcLayout(TRUE);
    }
}

HMENU CTavoPMainClientAreaWnd::RefreshWindowMenu()
{
    CTavoPMDIFrameWnd* pFrame = LibraryFrameOf(this);
    if (pFrame == NULL)
        return NULL;
    SendMessage(WM_MDIREFRESHMENU);
    return pFrame->GetWindowMenu();
}

void CTavoPMainClientAreaWnd::EnableMDITabs(BOOL bEnable)
{
    m_bIsMDITabbed = bEnable;
    m_bTabIsVisible = bEnable;
    if (m_wndTab.GetSafeHwnd() == NULL)
        return;
    if (bEnable)
        UpdateTabs();
    else
        m_wndTab.RemoveAllTabs();
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandle(::GetParent(m_hWnd)));
    if (pFrame != NULL)
        pFrame->RecalcLayout(TRUE);
}

void CTavoPMainClientAreaWnd::SetPreviewMode(BOOL bPreview)
{
    if (!m_bIsMDITabbed || m_wndTab.GetSafeHwnd() == NULL)
        return;
    m_wndTab.ShowWindow(bPreview ? SW_HIDE : SW_SHOWNOACTIVATE);
    m_bTabIsVisible = !bPreview;
}

BOOL CTavoPMainClientAreaWnd::OnEraseBkgnd(CDC* pDC)
{
    CTavoPMDIFrameWnd* pFrame = LibraryFrameOf(this);
    if (pFrame != NULL && pFrame->OnEraseMDIClientBackground(pDC))
        return TRUE;
    return (BOOL)Default();
}

LRESULT CTavoPMainClientAreaWnd::OnSetMenu(WPARAM wParam, LPARAM lParam)
{
    CTavoPMDIFrameWnd* pFrame = LibraryFrameOf(this);
    if (pFrame != NULL && ::IsWindow(pFrame->GetSafeHwnd()) && pFrame->OnSetMenu((HMENU)wParam))
        wParam = 0; // the menu bar shows the frame menu instead
    return DefWindowProc(WM_MDISETMENU, wParam, lParam);
}

LRESULT CTavoPMainClientAreaWnd::OnMDIRefreshMenu(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    CTavoPMDIFrameWnd* pFrame = LibraryFrameOf(this);
    if (pFrame != NULL)
    {
        CTavoPMenuBar* pMenuBar = pFrame->GetFrameImpl()->GetMenuBar();
        if (pMenuBar != NULL)
            pFrame->GetWindowMenuPopup(pMenuBar->GetMenu());
    }
    return lResult;
}

LRESULT CTavoPMainClientAreaWnd::OnMDIDestroy(WPARAM wParam, LPARAM)
{
    HWND hwndChild = (HWND)wParam;
    CWnd* pFrame = CWnd::FromHandle(::GetParent(m_hWnd));
    const BOOL bTabs = m_wndTab.GetSafeHwnd() != NULL;
    // The strip's height shows in the page area the tab window leaves.
    const CRect rectPage = bTabs ? m_wndTab.GetPageRect() : CRect(0, 0, 0, 0);

    pFrame->SetRedraw(FALSE);
    const int iTab = bTabs ? m_wndTab.GetTabFromHwnd(hwndChild) : -1;
    if (iTab >= 0)
    {
        CTavoPMDIChildWnd* pChild =
            DYNAMIC_DOWNCAST(CTavoPMDIChildWnd, CWnd::FromHandlePermanent(hwndChild));
        if (pChild != NULL)
            pChild->SetBeingDestroyed();
        m_wndTab.RemoveTab(iTab, TRUE);
    }
    const LRESULT lResult = Default();
    if (bTabs && m_wndTab.GetSafeHwnd() != NULL && m_wndTab.GetPageRect() != rectPage)
    {
        if (CFrameWnd* pFrameWnd = DYNAMIC_DOWNCAST(CFrameWnd, pFrame))
            pFrameWnd->RecalcLayout(TRUE);
    }
    pFrame->SetRedraw(TRUE);
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return lResult;
}

LRESULT CTavoPMainClientAreaWnd::OnUpdateTabs(WPARAM, LPARAM)
{
    UpdateTabs();
    return 0;
}
