#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/CTavoPDialogPopupHelper.h"
#include "ui/controls/CTavoPPrintPreviewToolBar.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"
#include "framework/CTestSeams.h"
#include "ui/foundation/WorkArea.h"
#include <memory>
#include <vector>

namespace {

const char kTearOffSection[] = "ControlBars-TearOff";
// Child, visible, gripper, top-aligned with a bottom border, hidden while an item is in place.
const DWORD kUserToolbarStyle = 0x50402808;
const DWORD kUserToolbarBarStyle = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

BOOL IsLiveWindow(CWnd* pWnd)
{
    return pWnd != NULL && CWnd::FromHandlePermanent(pWnd->GetSafeHwnd()) == pWnd;
}

// The toolbars whose windows have live window objects, as a copy: a toolbar may go while
// another is asked.
std::vector<CTavoPToolBar*> LiveToolbars()
{
    std::vector<CTavoPToolBar*> toolbars;
    const CObList& list = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)list.GetNext(pos);
        if (IsLiveWindow(pToolBar))
            toolbars.push_back(pToolBar);
    }
    return toolbars;
}

CTavoPPopupMenu* OpenPopup()
{
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    return pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()) ? pPopup : NULL;
}

void DeleteBars(CObList& list)
{
    while (!list.IsEmpty())
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)list.RemoveHead();
        if (::IsWindow(pBar->GetSafeHwnd()))
            pBar->DestroyWindow();
        delete pBar;
    }
}

}

CTavoPFrameImpl::CTavoPFrameImpl(CFrameWnd* pFrame)
    : m_pFrame(pFrame), m_nUserToolbarFirst(-1), m_nUserToolbarLast(-1), m_pMenuBar(NULL),
      m_hDefaultMenu(NULL), m_pDockManager(NULL), m_nIDDefaultResource(0)
{}

CTavoPFrameImpl::~CTavoPFrameImpl()
{
    DeleteBars(m_listUserDefinedToolbars);
    DeleteBars(m_listTearOffToolbars);
}

// ---- the menu bar

void CTavoPFrameImpl::SetMenuBar(CTavoPMenuBar* pMenuBar)
{
    m_pMenuBar = pMenuBar;
    if (m_pMenuBar == NULL)
        return;
    m_hDefaultMenu = ::GetMenu(m_pFrame->GetSafeHwnd());
    m_pMenuBar->CreateFromMenu(m_hDefaultMenu, TRUE, FALSE);
    m_pFrame->SetMenu(NULL);
    m_pMenuBar->SetDefaultMenuResId(m_nIDDefaultResource);
}

// ---- the frame's life

void CTavoPFrameImpl::OnLoadFrame()
{
    if (GetWorkspace() != NULL)
        GetWorkspace()->LoadState(NULL, this);
}

void CTavoPFrameImpl::OnCloseFrame()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == NULL)
        return;
    pWorkspace->SaveFrameState(this);

    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    if (!::IsWindow(m_pFrame->GetSafeHwnd()) || !m_pFrame->GetWindowPlacement(&wp))
        return;
    if (wp.showCmd != SW_SHOWMAXIMIZED)
        wp.showCmd = SW_SHOWNORMAL;
    // Placement coordinates are relative to the work area.
    CRect rectWork;
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &rectWork, 0);
    CRect rectNormal(wp.rcNormalPosition);
    rectNormal.OffsetRect(rectWork.TopLeft());
    pWorkspace->StoreWindowPlacement(rectNormal, (int)wp.flags, (int)wp.showCmd);
}

void CTavoPFrameImpl::OnDisplayChange()
{
    GetGlobalData().UpdateSysColors();
}

void CTavoPFrameImpl::RestorePosition(CREATESTRUCT& cs)
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == NULL || cs.hInstance == NULL)
        return;

    CRect rect(cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy);
    int nFlags = 0;
    int nShowCmd = SW_SHOWNORMAL;
    if (!pWorkspace->LoadWindowPlacement(rect, nFlags, nShowCmd))
        return;
    if (nShowCmd != SW_SHOWMAXIMIZED)
        nShowCmd = SW_SHOWNORMAL;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        switch (pApp->m_nCmdShow)
        {
        case SW_SHOWMINIMIZED:
        case SW_SHOWMAXIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE: break;
        default: pApp->m_nCmdShow = nShowCmd;
        }
    }

    const CRect rectWork = GetWorkAreaAt(rect.TopLeft());

    CRect rectVisible;
    if (!rectVisible.IntersectRect(rectWork, rect))
        return;
    cs.x = rectVisible.left;
    cs.y = rectVisible.top;
    cs.cx = rect.Width();
    cs.cy = rect.Height();
}

// ---- input

// Kept as a handle: a destroyed frame is then simply no longer found.
static HWND g_hwndLastActiveFrame = NULL;

CFrameWnd* CTavoPFrameImpl::GetLastActiveFrame()
{
    if (g_hwndLastActiveFrame == NULL || !::IsWindow(g_hwndLastActiveFrame))
        return NULL;
    return DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(g_hwndLastActiveFrame));
}

void CTavoPFrameImpl::SetLastActiveFrame(CFrameWnd* pFrame)
{
    g_hwndLastActiveFrame = pFrame != NULL ? pFrame->GetSafeHwnd() : NULL;
}

BOOL CTavoPFrameImpl::IsHelpKey(LPMSG lpMsg)
{
    return lpMsg->message == WM_KEYDOWN && lpMsg->wParam == VK_F1 &&
           (HIWORD(lpMsg->lParam) & KF_REPEAT) == 0 && ::GetKeyState(VK_SHIFT) >= 0 &&
           ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0;
}

BOOL CTavoPFrameImpl::ProcessKeyboard(int nKey, BOOL* pbProcessAccel)
{
    if (pbProcessAccel != NULL)
        *pbProcessAccel = TRUE;

    if (CTavoPPopupMenu* pPopup = OpenPopup())
    {
        pPopup->SendMessage(WM_KEYDOWN, nKey, 0);
        return TRUE;
    }
    if (m_pFrame->IsIconic())
        return TRUE;
    if (CTavoPToolBar::IsCustomizeMode())
        return FALSE;

    BOOL bFocusInToolbar = FALSE;
    for (CTavoPToolBar* pToolBar : LiveToolbars())
    {
        for (int i = 0; i < pToolBar->GetCount() && !bFocusInToolbar; i++)
        {
            CTavoPToolbarButton* pButton = pToolBar->GetButton(i);
            bFocusInToolbar = pButton != NULL && pButton->HasFocus();
        }
        if (bFocusInToolbar)
            break;
    }

    const BOOL bCtrl = ::GetAsyncKeyState(VK_CONTROL) & 0x8000;
    const BOOL bAlt = ::GetAsyncKeyState(VK_MENU) & 0x8000;
    const BOOL bShift = ::GetAsyncKeyState(VK_SHIFT) & 0x8000;

    if (!bFocusInToolbar)
    {
        // A key of the frame's accelerator table is left to the framework to translate.
        const UINT uiFlags =
            FVIRTKEY | (bCtrl ? FCONTROL : 0) | (bAlt ? FALT : 0) | (bShift ? FSHIFT : 0);
        CFrameWnd* pActive = m_pFrame->GetActiveFrame();
        if (CTavoPKeyboardManager::FindDefaultAccelerator(nKey, uiFlags, m_pFrame, TRUE) ||
            (pActive != NULL && pActive != m_pFrame &&
             CTavoPKeyboardManager::FindDefaultAccelerator(nKey, uiFlags, pActive, FALSE)))
            return FALSE;
    }

    if (bAlt && !bCtrl && !bShift && TranslateMnemonic(nKey))
        return TRUE;

    if (bFocusInToolbar && pbProcessAccel != NULL)
        *pbProcessAccel = FALSE;
    return FALSE;
}

BOOL CTavoPFrameImpl::PreTranslateKeys(MSG* pMsg, BOOL& bResult)
{
    bResult = TRUE;
    CTavoPPopupMenu* pPopup = OpenPopup();
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
        if (pPopup != NULL && pMsg->wParam == VK_MENU)
        {
            pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        // F10 alone goes into menu mode, or back out of it, as Alt does; the window's default
        // handling would open the system menu instead. Shift+F10 stays the context-menu key.
        if (pPopup == NULL && pMsg->wParam == VK_F10 && !m_pFrame->IsIconic() &&
            !(::GetKeyState(VK_SHIFT) & 0x8000) && !(::GetKeyState(VK_CONTROL) & 0x8000) &&
            m_pMenuBar != NULL && m_pMenuBar->IsVisible() && ToggleMenuBarFocus())
            return TRUE;
        // A minimized frame still lets system keys through, so that Alt+F4 closes it.
        return !m_pFrame->IsIconic() && ProcessKeyboard((int)pMsg->wParam);
    case WM_KEYDOWN:
    {
        if (IsHelpKey(pMsg))
            return FALSE;
        BOOL bProcessAccel = TRUE;
        if (ProcessKeyboard((int)pMsg->wParam, &bProcessAccel))
            return TRUE;
        bResult = FALSE;
        return !bProcessAccel;
    }
    case WM_KEYUP:
        // Released after a mnemonic, Alt arrives as a plain key release, which the window's
        // default handling would take for a request of the system menu.
        return pMsg->wParam == VK_MENU && pPopup != NULL;
    case WM_SYSKEYUP:
        // The release of Alt after a mnemonic opened a menu leaves the focus with that menu.
        if (pPopup != NULL)
            return TRUE;
        if (pMsg->wParam == VK_MENU)
            return ToggleMenuBarFocus();
        // F10 did its work when it went down; its release would ask for the system menu.
        return pMsg->wParam == VK_F10 && m_pMenuBar != NULL &&
               ::IsWindow(m_pMenuBar->GetSafeHwnd()) && m_pMenuBar->IsVisible();
    }
    return FALSE;
}

BOOL CTavoPFrameImpl::PreTranslateFrameMessage(MSG* pMsg, BOOL& bResult)
{
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: return PreTranslateKeys(pMsg, bResult);
    }

    bResult = TRUE;
    CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
    switch (pMsg->message)
    {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        // Non-client points already are screen points.
        return ProcessMouseClick(pMsg->message, pt, pMsg->hwnd);
    case WM_MOUSEMOVE:
        ::ClientToScreen(pMsg->hwnd, &pt);
        return CTavoPDialogPopupHelper::IsPointOutsidePopup(pt);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        ::ClientToScreen(pMsg->hwnd, &pt);
        // The click may have closed the window it was meant for.
        if (ProcessMouseClick(pMsg->message, pt, pMsg->hwnd) || !::IsWindow(pMsg->hwnd))
            return TRUE;
        if (pMsg->message == WM_RBUTTONUP && !CTavoPToolBar::IsCustomizeMode())
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(pMsg->hwnd);
            if (pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)))
                m_pFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_POPUPMENU,
                                      (WPARAM)m_pFrame->GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
        }
        return FALSE;
    }
    return FALSE;
}

BOOL CTavoPFrameImpl::ToggleMenuBarFocus()
{
    if (m_pMenuBar == NULL || !::IsWindow(m_pMenuBar->GetSafeHwnd()))
        return FALSE;
    if (CWnd::GetFocus() == (CWnd*)m_pMenuBar)
        m_pFrame->SetFocus();
    else
        m_pMenuBar->SetFocus();
    return TRUE;
}

BOOL CTavoPFrameImpl::ProcessMouseClick(UINT uiMsg, CPoint ptScreen, HWND hwnd)
{
    const BOOL bCustomize = CTavoPToolBar::IsCustomizeMode();
    if (uiMsg == WM_LBUTTONDOWN && (bCustomize || (::GetAsyncKeyState(VK_MENU) & 0x8000)))
    {
        // A button that hosts a control is dragged by its bar, not clicked through.
        for (CTavoPToolBar* pToolBar : LiveToolbars())
        {
            CPoint ptClient = ptScreen;
            pToolBar->ScreenToClient(&ptClient);
            const int iButton = pToolBar->HitTest(ptClient);
            if (iButton < 0)
                continue;
            CTavoPToolbarButton* pButton = pToolBar->GetButton(iButton);
            if (pButton != NULL && pButton->GetHwnd() == hwnd && hwnd != NULL &&
                pButton->Rect().PtInRect(ptClient))
            {
                pToolBar->SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(ptClient.x, ptClient.y));
                return TRUE;
            }
            break;
        }
    }

    CTavoPPopupMenu* pPopup = OpenPopup();
    if (bCustomize || pPopup == NULL)
        return FALSE;

    switch (pPopup->HitTest(ptScreen))
    {
    case CTavoPPopupMenu::HitRightShadow:
    case CTavoPPopupMenu::HitBottomShadow:
        pPopup->SendMessage(WM_CLOSE);
        m_pFrame->SetFocus();
        return TRUE;
    case CTavoPPopupMenu::HitOutside: break;
    default: return FALSE;
    }

    CTavoPToolbarMenuButton* pParentButton = pPopup->GetParentButton();
    CWnd* pParentBar = pParentButton != NULL ? pParentButton->GetParentWnd() : NULL;
    const BOOL bHeldOpen = pParentBar != NULL &&
                           pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)) &&
                           ((CTavoPPopupMenuBar*)pParentBar)->IsKeptOpen();
    if (pParentBar != NULL && ::IsWindow(pParentBar->GetSafeHwnd()))
    {
        CRect rectButton = pParentButton->Rect();
        pParentBar->ClientToScreen(rectButton);
        const BOOL bPopupBar = pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar));
        if (rectButton.PtInRect(ptScreen))
        {
            // The click on the button that opened the popup closes it; it must not reopen.
            if (!bPopupBar && !bHeldOpen)
                pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (bPopupBar)
        {
            ((CTavoPPopupMenuBar*)pParentBar)->CloseDelayedSubMenu();
            CTavoPPopupMenu* pParentPopup = pPopup->GetParentPopupMenu();
            if (pParentPopup != NULL)
            {
                switch (pParentPopup->HitTest(ptScreen))
                {
                case CTavoPPopupMenu::HitRightShadow:
                case CTavoPPopupMenu::HitBottomShadow:
                    pParentPopup->SendMessage(WM_CLOSE);
                    m_pFrame->SetFocus();
                    return TRUE;
                case CTavoPPopupMenu::HitOutside: break;
                default: return FALSE;
                }
            }
        }
    }

    if (!bHeldOpen && ::IsWindow(pPopup->GetSafeHwnd()))
    {
        pPopup->SendMessage(WM_CLOSE);
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus != NULL && pFocus->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)))
            m_pFrame->SetFocus();
    }
    return FALSE;
}

BOOL CTavoPFrameImpl::TranslateMnemonic(UINT nChar)
{
    if (m_pDockManager != NULL && m_pDockManager->IsPrintPreviewValid())
    {
        // The frame's own bars are hidden then: only the preview's toolbar takes mnemonics.
        for (CTavoPToolBar* pToolBar : LiveToolbars())
        {
            if (pToolBar->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewToolBar)) &&
                pToolBar->TranslateChar(nChar))
                return TRUE;
        }
        return FALSE;
    }
    if (m_pMenuBar != NULL && IsLiveWindow(m_pMenuBar) &&
        (m_pMenuBar->GetStyle() & WS_VISIBLE) != 0 && m_pMenuBar->TranslateChar(nChar))
        return TRUE;
    for (CTavoPToolBar* pToolBar : LiveToolbars())
    {
        if (pToolBar == (CTavoPToolBar*)m_pMenuBar || (pToolBar->GetStyle() & WS_VISIBLE) == 0 ||
            pToolBar->GetTopLevelFrame() != m_pFrame)
            continue;
        if (pToolBar->TranslateChar(nChar))
            return TRUE;
    }
    return FALSE;
}

BOOL CTavoPFrameImpl::OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup, CFrameWnd* /*pWndFrame*/)
{
    CTavoPPopupMenu::SetActiveMenu(pMenuPopup);
    if (pMenuPopup == NULL || CTavoPToolBar::IsCustomizeMode())
        return TRUE;

    // The bar of the button at the top of the chain takes the focus, so keys reach the menus.
    CTavoPToolbarMenuButton* pButton = pMenuPopup->GetParentButton();
    for (CTavoPPopupMenu* pParent = pMenuPopup->GetParentPopupMenu(); pParent != NULL;
         pParent = pParent->GetParentPopupMenu())
    {
        if (pParent->GetParentButton() != NULL)
            pButton = pParent->GetParentButton();
    }
    CWnd* pBar = pButton != NULL ? pButton->GetParentWnd() : NULL;
    if (pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar)) &&
        !pBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)) &&
        ((CTavoPBaseControlBar*)pBar)->IsDocked() && CWnd::GetFocus() != pBar)
        pBar->SetFocus();
    return TRUE;
}

void CTavoPFrameImpl::DeactivateMenu()
{
    if (!CTavoPToolBar::IsCustomizeMode() && OpenPopup() != NULL && m_pMenuBar != NULL)
        m_pMenuBar->ClearHot();
}

// ---- user-defined toolbars

BOOL CTavoPFrameImpl::IsUserDefinedToolbar(const CTavoPControlBar* pBar) const
{
    const int nID = pBar != NULL ? pBar->GetDlgCtrlID() : 0;
    return m_nUserToolbarFirst != -1 && nID >= m_nUserToolbarFirst && nID <= m_nUserToolbarLast;
}

int CTavoPFrameImpl::FindFreeUserToolbarID() const
{
    if (m_nUserToolbarFirst == -1 || m_nUserToolbarLast == -1 ||
        m_listUserDefinedToolbars.GetCount() >= m_nUserToolbarLast - m_nUserToolbarFirst + 1)
        return 0;
    for (int nID = m_nUserToolbarFirst; nID <= m_nUserToolbarLast; nID++)
    {
        BOOL bTaken = FALSE;
        for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != NULL && !bTaken;)
            bTaken = ((CWnd*)m_listUserDefinedToolbars.GetNext(pos))->GetDlgCtrlID() == nID;
        if (!bTaken)
            return nID;
    }
    return 0;
}

CTavoPToolBar* CTavoPFrameImpl::MakeToolbar(CTavoPToolBar* pToolBar, UINT uiID)
{
    if (!pToolBar->Create(m_pFrame, kUserToolbarStyle, uiID))
    {
        delete pToolBar;
        return NULL;
    }
    return pToolBar;
}

CTavoPToolBar* CTavoPFrameImpl::CreateNewToolbar(LPCTSTR lpszName)
{
    const int nID = FindFreeUserToolbarID();
    if (nID == 0)
    {
        CString strFormat, strMessage;
        strFormat.LoadString(IDS_TAVOP_TOO_MANY_USER_TOOLBARS);
        strMessage.Format(strFormat, m_nUserToolbarLast - m_nUserToolbarFirst + 1);
        AfxMessageBox(strMessage, MB_OK | MB_ICONINFORMATION);
        return NULL;
    }
    CTavoPToolBar* pToolBar = MakeToolbar(new CTavoPToolBar, (UINT)nID);
    if (pToolBar == NULL)
        return NULL;
    pToolBar->SetWindowText(lpszName);
    pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kUserToolbarBarStyle);
    pToolBar->EnableDocking(CBRS_ALIGN_ANY);
    CRect rectBar;
    pToolBar->GetWindowRect(rectBar);
    const CPoint ptFloat(::GetSystemMetrics(SM_CXFULLSCREEN) / 2,
                         ::GetSystemMetrics(SM_CYFULLSCREEN) / 2);
    pToolBar->FloatControlBar(CRect(ptFloat, rectBar.Size()), TAVOP_DM_SHOW, TRUE);
    pToolBar->SetMRUWidth(32767);
    m_pFrame->RecalcLayout();
    m_listUserDefinedToolbars.AddTail(pToolBar);
    return pToolBar;
}

CTavoPFrameImpl* CTavoPFrameImpl::FromFrame(CFrameWnd* pFrame)
{
    CTavoPFrameHooks* pHooks = CTavoPFrameHooks::FromFrame(pFrame);
    return pHooks != NULL ? pHooks->GetFrameImpl() : NULL;
}

BOOL CTavoPFrameImpl::DeleteToolbar(CTavoPToolBar* pToolBar)
{
    POSITION pos = pToolBar != NULL ? m_listUserDefinedToolbars.Find(pToolBar) : NULL;
    if (pos == NULL)
        return FALSE;
    m_listUserDefinedToolbars.RemoveAt(pos);
    // Its stored state would bring it back at the next start.
    pToolBar->RemoveStateFromRegistry(m_strControlBarRegEntry);
    if (pToolBar->GetParentDockBar() != NULL)
        pToolBar->RemoveFromDockBar();
    else if (CTavoPMiniFrameWnd* pMiniFrame = pToolBar->GetParentMiniFrame(TRUE))
        pMiniFrame->RemoveControlBar(pToolBar);
    pToolBar->DestroyWindow();
    delete pToolBar;
    m_pFrame->RecalcLayout();
    return TRUE;
}

void CTavoPFrameImpl::LoadUserToolbars()
{
    if (m_nUserToolbarFirst == -1 || m_nUserToolbarLast == -1)
        return;
    for (int nID = m_nUserToolbarFirst; nID <= m_nUserToolbarLast; nID++)
    {
        CTavoPToolBar* pToolBar = MakeToolbar(new CTavoPToolBar, (UINT)nID);
        if (pToolBar == NULL)
            continue;
        if (!pToolBar->LoadState(m_strControlBarRegEntry, -1, (UINT)-1))
        {
            pToolBar->DestroyWindow();
            delete pToolBar;
            continue;
        }
        pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kUserToolbarBarStyle);
        pToolBar->EnableDocking(CBRS_ALIGN_ANY);
        if (m_pDockManager != NULL)
            m_pDockManager->DockControlBar(pToolBar);
        m_listUserDefinedToolbars.AddTail(pToolBar);
    }
}

void CTavoPFrameImpl::SaveUserToolbars(BOOL bFrameBarsOnly)
{
    for (POSITION pos = m_listUserDefinedToolbars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)m_listUserDefinedToolbars.GetNext(pos);
        if (!bFrameBarsOnly || pToolBar->GetTopLevelFrame() == m_pFrame)
            pToolBar->SaveState(m_strControlBarRegEntry, -1, (UINT)-1);
    }
}

// ---- torn-off bars

void CTavoPFrameImpl::AddTearOffBar(CTavoPControlBar* pBar)
{
    if (pBar != NULL && m_listTearOffToolbars.Find(pBar) == NULL)
        m_listTearOffToolbars.AddTail(pBar);
}

void CTavoPFrameImpl::RemoveTearOffBar(CTavoPControlBar* pBar)
{
    POSITION pos = m_listTearOffToolbars.Find(pBar);
    if (pos != NULL)
        m_listTearOffToolbars.RemoveAt(pos);
}

CString CTavoPFrameImpl::TearOffSection() const
{
    CString strSection = GetWorkspace() != NULL ? GetWorkspace()->GetRegSectionPath() : CString();
    return strSection + kTearOffSection;
}

UINT CTavoPFrameImpl::FreshTearOffID() const
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    CTavoPMenuIdPool* pPool = pWorkspace != NULL ? pWorkspace->m_pTearOffManager : NULL;
    return pPool != NULL ? pPool->GetFreeId() : 0;
}

void CTavoPFrameImpl::LoadTearOffBars()
{
    DeleteBars(m_listTearOffToolbars);

    const CString strSection = TearOffSection();
    for (int i = 0;; i++)
    {
        CString strKey;
        strKey.Format("%s-%d", (LPCTSTR)strSection, i);

        int nID = 0;
        CString strName;
        CObject* pObject = NULL;
        {
            CTavoPStateKey key(strKey, CTavoPStateKey::forReading);
            if (!key->ReadNumber("ID", nID) || !key->ReadString("Name", strName) ||
                !key->Read("State", pObject, RUNTIME_CLASS(CTavoPToolBar)))
                break;
        }
        std::unique_ptr<CObject> object(pObject);
        // Stored data names its own class: only a toolbar may come back as a torn-off bar.
        if (pObject == NULL || !pObject->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)))
            break;
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)object.get();

        // A stored ID that another bar of the frame already uses would make two bars one.
        UINT uiID = (UINT)nID;
        if (uiID == 0 || uiID > 0xFFFF || m_pFrame->GetDescendantWindow((int)uiID, TRUE) != NULL ||
            (m_pDockManager != NULL && m_pDockManager->FindBarByID(uiID, TRUE) != NULL))
            uiID = FreshTearOffID();
        else if (GetWorkspace() != NULL && GetWorkspace()->m_pTearOffManager != NULL)
            GetWorkspace()->m_pTearOffManager->MarkId(uiID, TRUE);
        if (uiID == 0 || !pToolBar->Create(m_pFrame, kUserToolbarStyle, uiID))
            break;
        object.release();

        pToolBar->SetWindowText(strName);
        pToolBar->SetBarStyle(pToolBar->GetBarStyle() | kUserToolbarBarStyle);
        pToolBar->EnableDocking(CBRS_ALIGN_ANY);
        m_listTearOffToolbars.AddTail(pToolBar);
        pToolBar->LoadState(strSection, i, (UINT)-1);
        if (m_pDockManager != NULL)
            m_pDockManager->DockControlBar(pToolBar);
    }
}

void CTavoPFrameImpl::SaveTearOffBars(BOOL bFrameBarsOnly)
{
    const CString strSection = TearOffSection();

    // Every old key goes with what lies below it, so no stale bar outlives this save.
    for (int i = 0;; i++)
    {
        CString strKey;
        strKey.Format("%s-%d", (LPCTSTR)strSection, i);
        if (!CTavoPStateKey::Delete(strKey))
            break;
    }

    // The bars written are numbered without gaps: loading stops at the first missing number.
    int iSaved = 0;
    for (POSITION pos = m_listTearOffToolbars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPControlBar* pBar = (CTavoPControlBar*)m_listTearOffToolbars.GetNext(pos);
        if (bFrameBarsOnly && pBar->GetTopLevelFrame() != m_pFrame)
            continue;
        CString strKey;
        strKey.Format("%s-%d", (LPCTSTR)strSection, iSaved);
        CString strName;
        pBar->GetWindowText(strName);
        {
            CTavoPStateKey key(strKey, CTavoPStateKey::forWriting);
            if (!key->WriteNumber("ID", (DWORD)pBar->GetDlgCtrlID()) ||
                !key->WriteString("Name", strName) || !key->Write("State", pBar))
                continue;
        }
        // The bar's own values go through registry access of their own.
        pBar->SaveState(strSection, iSaved, (UINT)-1);
        iSaved++;
    }
}

// ---- the docking layout

void CTavoPFrameImpl::LoadFrameworkDockState(LPCTSTR /*lpszSectionName*/)
{}

void CTavoPFrameImpl::SaveFrameworkDockState(LPCTSTR /*lpszSectionName*/)
{}

BOOL CTavoPFrameImpl::IsDockStateValid()
{
    return TRUE;
}

void CTavoPFrameImpl::ApplyFrameworkDockState()
{
    if (m_pDockManager == NULL)
        return;
    m_pDockManager->SetDockState();
    // The restored bars asked for no frame layout of their own while they came back.
    if (m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->RecalcLayout();
}

void CTavoPFrameImpl::LoadDockState(LPCTSTR lpszProfileName)
{
    if (m_pDockManager != NULL)
        m_pDockManager->LoadState(lpszProfileName, m_nIDDefaultResource);
}

BOOL CTavoPFrameImpl::SaveDockState(LPCTSTR lpszProfileName)
{
    if (m_pDockManager == NULL)
        return FALSE;
    return m_pDockManager->SaveState(lpszProfileName, m_nIDDefaultResource);
}
