#include "ui/controls/CTavoPDialogPopupHelper.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/CTavoPDialog.h"
#include "ui/controls/CTavoPPropertyPage.h"
#include "ui/foundation/CTavoPWorkspace.h"

CTavoPDialogPopupHelper* CTavoPDialogPopupHelper::m_pCurrent = nullptr;
HHOOK CTavoPDialogPopupHelper::m_hMouseHook = NULL;

namespace {

CTavoPPopupMenu* OpenPopup()
{
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    return pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd()) ? pPopup : nullptr;
}

} // namespace

CTavoPDialogPopupHelper::~CTavoPDialogPopupHelper()
{
    if (m_pCurrent == this)
        OnDestroyOwner();
}

CTavoPDialogPopupHelper* CTavoPDialogPopupHelper::FromWnd(CWnd* pWnd)
{
    if (pWnd == nullptr)
        return nullptr;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPDialog)))
        return &((CTavoPDialog*)pWnd)->GetPopupHelper();
    if (pWnd->IsKindOf(RUNTIME_CLASS(CTavoPPropertyPage)))
        return &((CTavoPPropertyPage*)pWnd)->GetPopupHelper();
    return nullptr;
}

void CTavoPDialogPopupHelper::SetActiveMenu(CTavoPPopupMenu* pMenu)
{
    CTavoPPopupMenu::SetActiveMenu(pMenu);
    if (pMenu != nullptr)
    {
        if (m_hMouseHook == NULL)
            m_hMouseHook =
                ::SetWindowsHookEx(WH_MOUSE, MouseHookProc, NULL, ::GetCurrentThreadId());
        m_pCurrent = this;
    }
    else
    {
        if (m_hMouseHook != NULL)
            ::UnhookWindowsHookEx(m_hMouseHook);
        m_hMouseHook = NULL;
        m_pCurrent = nullptr;
    }
}

void CTavoPDialogPopupHelper::OnDestroyOwner()
{
    if (m_pCurrent != this)
        return;
    // The popup sends its commands to the owner: it may not outlive it.
    if (CTavoPPopupMenu* pPopup = OpenPopup())
        pPopup->SendMessage(WM_CLOSE);
    if (m_pCurrent == this)
        SetActiveMenu(nullptr);
}

void CTavoPDialogPopupHelper::ClosePopupAndFocusOwner(CTavoPPopupMenu* pPopup)
{
    pPopup->SendMessage(WM_CLOSE);
    if (m_pOwner != nullptr && ::IsWindow(m_pOwner->GetSafeHwnd()))
        m_pOwner->SetFocus();
}

BOOL CTavoPDialogPopupHelper::IsPointOutsidePopup(CPoint ptScreen)
{
    CTavoPPopupMenu* pPopup = OpenPopup();
    if (CTavoPToolBar::IsCustomizeMode() || pPopup == nullptr)
        return FALSE;
    for (CTavoPPopupMenu* pLevel = pPopup; pLevel != nullptr; pLevel = pLevel->GetParentPopupMenu())
    {
        CRect rect;
        pLevel->GetWindowRect(rect);
        if (rect.PtInRect(ptScreen))
            return FALSE;
    }
    return pPopup->GetMenuBar()->FindBarAtPoint(ptScreen) == nullptr;
}

BOOL CTavoPDialogPopupHelper::ProcessMouseClick(CPoint ptScreen)
{
    CTavoPPopupMenu* pPopup = OpenPopup();
    if (CTavoPToolBar::IsCustomizeMode() || pPopup == nullptr)
        return FALSE;

    switch (pPopup->HitTest(ptScreen))
    {
    case CTavoPPopupMenu::HitRightShadow:
    case CTavoPPopupMenu::HitBottomShadow: ClosePopupAndFocusOwner(pPopup); return TRUE;
    case CTavoPPopupMenu::HitOutside: break;
    default: return FALSE;
    }

    const BOOL bKeepOpen = pPopup->GetMenuBar()->IsKeptOpen();
    CTavoPToolbarMenuButton* pParentButton = pPopup->GetParentButton();
    CWnd* pParentBar = pParentButton != nullptr ? pParentButton->GetParentWnd() : nullptr;
    if (pParentBar != nullptr && pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)) &&
        ::IsWindow(pParentBar->GetSafeHwnd()))
    {
        const BOOL bPopupBar = pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar));
        CRect rectButton = pParentButton->Rect();
        pParentBar->ClientToScreen(rectButton);
        if (rectButton.PtInRect(ptScreen))
        {
            // The button that opened the popup: on a plain bar the click closes it and must not
            // open it again; in a parent menu it only keeps the sub-menu.
            if (!bPopupBar && !bKeepOpen)
                pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        if (bPopupBar)
        {
            ((CTavoPPopupMenuBar*)pParentBar)->CloseDelayedSubMenu();
            CTavoPPopupMenu* pHolder = DYNAMIC_DOWNCAST(
                CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(pParentBar->GetSafeHwnd())));
            if (pHolder != nullptr && ::IsWindow(pHolder->GetSafeHwnd()))
            {
                switch (pHolder->HitTest(ptScreen))
                {
                case CTavoPPopupMenu::HitRightShadow:
                case CTavoPPopupMenu::HitBottomShadow:
                    ClosePopupAndFocusOwner(pHolder);
                    return TRUE;
                case CTavoPPopupMenu::HitOutside: break;
                default: return FALSE;
                }
            }
        }
    }

    if (!bKeepOpen && ::IsWindow(pPopup->GetSafeHwnd()))
    {
        pPopup->SendMessage(WM_CLOSE);
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus != nullptr && pFocus->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)) &&
            m_pOwner != nullptr && ::IsWindow(m_pOwner->GetSafeHwnd()))
            m_pOwner->SetFocus();
    }
    return FALSE;
}

LRESULT CALLBACK CTavoPDialogPopupHelper::MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    // A click that closes the popup removes this hook: the handle is taken first.
    HHOOK hHook = m_hMouseHook;
    if (nCode == HC_ACTION && m_pCurrent != nullptr && m_pCurrent->m_pOwner != nullptr &&
        ::IsWindow(m_pCurrent->m_pOwner->GetSafeHwnd()))
    {
        switch (wParam)
        {
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        {
            CPoint ptCursor;
            ::GetCursorPos(&ptCursor);
            CRect rectOwner;
            m_pCurrent->m_pOwner->GetWindowRect(rectOwner);
            if (!rectOwner.PtInRect(ptCursor))
                m_pCurrent->ProcessMouseClick(ptCursor);
            break;
        }
        default: break;
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}

BOOL CTavoPDialogPopupHelper::PreTranslateMessage(MSG* pMsg)
{
    CTavoPPopupMenu* pPopup = OpenPopup();
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
        if (pMsg->wParam != VK_MENU)
            break;
        // fall through
    case WM_CONTEXTMENU:
        if (pPopup != nullptr)
        {
            pPopup->SendMessage(WM_CLOSE);
            return TRUE;
        }
        break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        return ProcessMouseClick(CPoint((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)));
    case WM_KEYDOWN:
        if (pPopup != nullptr)
        {
            pPopup->SendMessage(WM_KEYDOWN, pMsg->wParam, 0);
            return TRUE;
        }
        break;
    case WM_SYSKEYUP: return pPopup != nullptr;
    case WM_MOUSEMOVE:
    {
        CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        return IsPointOutsidePopup(pt);
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    {
        CPoint pt((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        if (ProcessMouseClick(pt) || !::IsWindow(pMsg->hwnd))
            return TRUE;
        if (pMsg->message == WM_RBUTTONUP && !CTavoPToolBar::IsCustomizeMode() &&
            m_pOwner != nullptr)
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(pMsg->hwnd);
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CDockBar)))
                m_pOwner->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_POPUPMENU,
                                      (WPARAM)m_pOwner->GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
        }
        break;
    }
    default: break;
    }
    return FALSE;
}

BOOL CTavoPDialogPopupHelper::OnCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != 1)
        return FALSE;
    const UINT uiCmd = LOWORD(wParam);
    CTavoPToolBar::AddCommandUsage(uiCmd);
    if (CTavoPPopupMenu* pPopup = OpenPopup())
    {
        pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        return TRUE;
    }
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr && pWorkspace->m_pUserToolsManager != nullptr &&
           pWorkspace->m_pUserToolsManager->InvokeTool(uiCmd);
}

void CTavoPDialogPopupHelper::OnNcActivate(BOOL& bActive)
{
    if (m_pOwner == nullptr)
        return;
    if (m_pOwner->IsStayActive())
        bActive = TRUE;
    if (!m_pOwner->IsWindowEnabled())
        bActive = FALSE;
}

void CTavoPDialogPopupHelper::OnActivate(UINT nState, CWnd* pWndOther)
{
    if (m_pOwner == nullptr)
        return;
    m_pOwner->SetStayActive(FALSE);
    if (nState != WA_INACTIVE)
        pWndOther = m_pOwner;
    if (pWndOther == nullptr)
    {
        m_pOwner->SendMessage(WM_NCPAINT, 1);
        return;
    }
    // A floating window that keeps its owner's caption active keeps this one active too.
    if (pWndOther != m_pOwner && pWndOther->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) == 0)
        return;
    m_pOwner->SetStayActive(TRUE);
}
