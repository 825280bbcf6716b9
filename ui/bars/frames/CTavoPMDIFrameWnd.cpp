#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"

BEGIN_MESSAGE_MAP(CTavoPMDIFrameWnd, CMDIFrameWnd)
    TAVOP_LIBRARY_FRAME_MESSAGES()
    ON_WM_ACTIVATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_SIZING()
    ON_WM_SIZE()
    ON_WM_ACTIVATEAPP()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_CREATE()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_EXITSIZEMOVE()
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
    ON_UPDATE_COMMAND_UI_RANGE(AFX_IDM_FIRST_MDICHILD, 0xFFFF, OnUpdateDocumentItem)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMDIFrameWnd, CMDIFrameWnd)

namespace {

// The framework's Window commands: new window, arrange, cascade, tile and the rest of its range.
const UINT kFirstWindowCommand = 57648;
const UINT kLastWindowCommand = 57663;
// The framework numbers the document items of its Window menu from here.
const UINT kFirstDocumentItem = 65280;

BOOL HoldsWindowCommand(CTavoPPopupMenu* pMenuPopup)
{
    for (int i = 0; i < pMenuPopup->GetMenuItemCount(); i++)
    {
        const CTavoPToolbarButton* pItem = pMenuPopup->GetMenuItem(i);
        if (pItem != NULL && pItem->m_nID >= kFirstWindowCommand &&
            pItem->m_nID <= kLastWindowCommand)
            return TRUE;
    }
    return FALSE;
}

BOOL HoldsItem(CTavoPPopupMenu* pMenuPopup, UINT nID)
{
    for (int i = 0; i < pMenuPopup->GetMenuItemCount(); i++)
    {
        const CTavoPToolbarButton* pItem = pMenuPopup->GetMenuItem(i);
        if (pItem != NULL && pItem->m_nID == nID)
            return TRUE;
    }
    return FALSE;
}

}

CTavoPMDIFrameWnd::CTavoPMDIFrameWnd() : m_hmenuWindow(NULL), m_bTakeOverMDIClient(TRUE)
{}

CTavoPMDIFrameWnd::~CTavoPMDIFrameWnd() = default;

// ---- creation

BOOL CTavoPMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  CCreateContext* pContext)
{
    if (!TavoPMainFrame<CMDIFrameWnd>::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    // With a menu bar the frame shows no menu of its own: the framework's default menu is the
    // one the bar was built from.
    if (m_Impl.GetMenuBar() != NULL && m_Impl.GetDefaultMenu() != NULL)
        m_hMenuDefault = m_Impl.GetDefaultMenu();
    return TRUE;
}

int CTavoPMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_dockManager.SetDockSite(this);
    return 0;
}

BOOL CTavoPMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    if (m_bTakeOverMDIClient)
        m_wndClientArea.SubclassWindow(m_hWndMDIClient);
    return TRUE;
}

// ---- hooks

void CTavoPMDIFrameWnd::AdjustClientArea()
{
    if (m_hWndMDIClient == NULL)
        return;
    CRect rect = m_dockManager.GetClientAreaBounds();
    rect.left += m_rectBorder.left;
    rect.top += m_rectBorder.top;
    rect.right -= m_rectBorder.right;
    rect.bottom -= m_rectBorder.bottom;
    if (m_wndClientArea.GetSafeHwnd() != NULL)
        m_wndClientArea.CalcWindowRect(rect, 0);
    else
        ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, rect.left, rect.top, rect.Width(),
                       rect.Height(), SWP_NOACTIVATE);
}

COleClientItem* CTavoPMDIFrameWnd::GetInPlaceActiveItem()
{
    CFrameWnd* pActiveFrame = GetActiveFrame();
    if (pActiveFrame == NULL)
        return NULL;
    COleDocument* pDoc = DYNAMIC_DOWNCAST(COleDocument, pActiveFrame->GetActiveDocument());
    return pDoc != NULL ? pDoc->GetInPlaceActiveItem(pActiveFrame->GetActiveView()) : NULL;
}

BOOL CTavoPMDIFrameWnd::IsBarShown(CTavoPBaseControlBar* pBar)
{
    return pBar->IsWindowVisible();
}

// ---- menus

HMENU CTavoPMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    m_hmenuWindow = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    return m_hmenuWindow;
}

BOOL CTavoPMDIFrameWnd::OnSetMenu(HMENU hmenu)
{
    COleClientItem* pItem = GetInPlaceActiveItem();
    if (pItem != NULL && pItem->IsInPlaceActive())
        return FALSE;
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || !::IsWindow(pMenuBar->GetSafeHwnd()))
        return FALSE;
    if (::GetMenu(m_hWnd) != NULL)
        ::SetMenu(m_hWnd, NULL);
    // The frame's own menu keeps its customization apart from the documents' menus.
    const HMENU hMenu = hmenu != NULL ? hmenu : m_Impl.GetDefaultMenu();
    pMenuBar->CreateFromMenu(hMenu, hMenu == m_Impl.GetDefaultMenu(), FALSE);
    return TRUE;
}

void CTavoPMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    const BOOL bMenuBar = pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd());
    // The MDI client is handed the menu and its Window popup; the client area gives the menu to
    // the menu bar (OnSetMenu), and MDI lists the documents in the popup.
    CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    if (!bMenuBar)
        return;
    if (m_wndClientArea.GetSafeHwnd() == NULL)
    {
        // Without the client area nothing passes the menu on: the bar takes it here.
        HMENU hMenu = hMenuAlt;
        if (hMenu == NULL)
        {
            CMDIChildWnd* pChild = MDIGetActive();
            hMenu = pChild != NULL && pChild->m_hMenuShared != NULL ? pChild->m_hMenuShared
                                                                    : m_Impl.GetDefaultMenu();
        }
        OnSetMenu(hMenu);
    }
    UpdateMenuBarMaximizeMode();
}

void CTavoPMDIFrameWnd::UpdateMenuBarMaximizeMode()
{
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || !::IsWindow(pMenuBar->GetSafeHwnd()))
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = MDIGetActive(&bMaximized);
    if (pChild != NULL && !::IsWindowVisible(pChild->GetSafeHwnd()))
        bMaximized = FALSE;
    if (!bMaximized)
        pMenuBar->SetMaximizeMode(FALSE);
    else if (!pMenuBar->IsMaximizeMode())
        pMenuBar->SetMaximizeMode(TRUE, pChild);
    RecalcLayout();
}

BOOL CTavoPMDIFrameWnd::OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    m_Impl.OnShowPopupMenu(pMenuPopup, this);
    if (CTavoPToolBar::IsCustomizeMode() || m_hmenuWindow == NULL)
        return pMenuPopup == NULL || pMenuPopup->IsAlwaysShown() ||
               OnBeforeShowPopupMenu(pMenuPopup);
    if (pMenuPopup == NULL)
        return OnBeforeShowPopupMenu(NULL);

    if (HoldsWindowCommand(pMenuPopup))
    {
        // The framework's list is made current before it is read, not after the first copy.
        if (m_hWndMDIClient != NULL)
            ::SendMessage(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
        const HMENU hmenuWindow = m_hmenuWindow;
        BOOL bSeparatorAdded = FALSE;
        const int nItems = hmenuWindow != NULL ? ::GetMenuItemCount(hmenuWindow) : 0;
        for (int i = 0; i < nItems; i++)
        {
            const UINT nID = ::GetMenuItemID(hmenuWindow, i);
            // A popup built from the very menu the framework fills has the items already.
            if (nID < kFirstDocumentItem || nID == (UINT)-1 || HoldsItem(pMenuPopup, nID))
                continue;
            TCHAR szText[256] = {};
            ::GetMenuString(hmenuWindow, i, szText, 256, MF_BYPOSITION);
            if (!bSeparatorAdded)
            {
                pMenuPopup->InsertSeparator();
                bSeparatorAdded = TRUE;
            }
            CTavoPToolbarMenuButton item(nID, NULL, -1, szText);
            if (::GetMenuState(hmenuWindow, i, MF_BYPOSITION) & MF_CHECKED)
                item.SetStyle(item.m_nStyle | TBBS_CHECKED);
            pMenuPopup->InsertItem(item);
        }
    }
    if (pMenuPopup->IsAlwaysShown())
        return TRUE;
    return OnBeforeShowPopupMenu(pMenuPopup);
}

void CTavoPMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    // The MDI tabs make no sense over the preview: hidden while it shows.
    if (m_wndClientArea.GetSafeHwnd() != NULL)
        m_wndClientArea.SetPreviewMode(bPreview);
    TavoPMainFrame<CMDIFrameWnd>::OnSetPreviewMode(bPreview, pState);
}

// ---- handlers

void CTavoPMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE)
    {
        if (!CTavoPToolBar::IsCustomizeMode())
            m_Impl.DeactivateMenu();
        return;
    }
    CTavoPFrameImpl::SetLastActiveFrame(this);
    if (nState == WA_CLICKACTIVE)
        UpdateWindow();
}

void CTavoPMDIFrameWnd::OnClose()
{
    COleClientItem* pItem = GetInPlaceActiveItem();
    if (pItem != NULL)
        pItem->Deactivate();
    m_Impl.OnCloseFrame();
    CMDIFrameWnd::OnClose();
}

void CTavoPMDIFrameWnd::OnDestroy()
{
    // The MDI client and the documents in it are the framework's to destroy.
    DestroyFrameParts(m_hWndMDIClient);
    CMDIFrameWnd::OnDestroy();
}

void CTavoPMDIFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    Default();
    UpdateMenuBarMaximizeMode();
    if (lpwndpos != NULL && (lpwndpos->flags & (SWP_NOZORDER | SWP_SHOWWINDOW)) != SWP_NOZORDER)
        m_dockManager.KeepMiniFramesAbove();
}

void CTavoPMDIFrameWnd::OnExitSizeMove()
{
    m_dockManager.RecalcDockBars();
}

LRESULT CTavoPMDIFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // The last document window may go without telling the frame: the bar shows the frame's menu.
    // While the customization's menu page is open, the page chooses the bar's menu.
    CTavoPMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()) && MDIGetActive() == NULL &&
        pMenuBar->GetMenuPage() == NULL && m_Impl.GetDefaultMenu() != NULL &&
        pMenuBar->GetMenu() != m_Impl.GetDefaultMenu())
        OnUpdateFrameMenu(NULL);
    UpdateMenuBarMaximizeMode();
    m_dockManager.SendMessageToMiniFrames(WM_IDLEUPDATECMDUI);
    m_dockManager.KeepMiniFramesAbove();
    return 0L;
}

void CTavoPMDIFrameWnd::OnUpdateDocumentItem(CCmdUI* pCmdUI, UINT)
{
    // The documents listed in a library Window menu have no handler: MDI activates them.
    pCmdUI->Enable(TRUE);
}

void CTavoPMDIFrameWnd::OnWindowNew()
{
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pActive = MDIGetActive(&bMaximized);
    if (pActive == NULL)
        return;
    if (bMaximized)
        pActive->ShowWindow(SW_RESTORE);
    CMDIFrameWnd::OnWindowNew();
    if (!bMaximized)
        return;
    // The new window is the active one now; the old one keeps the state it had.
    if (CMDIChildWnd* pNew = MDIGetActive())
        pNew->ShowWindow(SW_SHOWMAXIMIZED);
}
