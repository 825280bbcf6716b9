// The keys, the mouse, the sub-menu delay timers and the running of a chosen command in a popup menu's item bar.
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include <algorithm>
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPWorkspace.h"

// ---- running a command ----

BOOL CTavoPPopupMenuBar::OnSendCommand(const CTavoPToolbarButton* pButton)
{
    if (pButton == nullptr || (pButton->m_nStyle & TBBS_DISABLED) || pButton->m_nID == (UINT)-1)
        return TRUE;
    const CTavoPToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
    if (pItem != nullptr && pItem->GetPopupMenu() != nullptr)
        return TRUE;
    if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPShowAllButton)))
    {
        ((CTavoPToolbarButton*)pButton)->OnClick(this, FALSE);
        return TRUE;
    }
    InvokeMenuCommand(pButton->m_nID);
    return TRUE;
}

void CTavoPPopupMenuBar::SetInCommand(BOOL bInCommand)
{
    for (CTavoPPopupMenu* pPopup = GetPopup(); pPopup != nullptr;
         pPopup = pPopup->GetParentPopupMenu())
        pPopup->GetMenuBar()->m_bInCommand = bInCommand;
    m_bInCommand = bInCommand;
}

void CTavoPPopupMenuBar::InvokeMenuCommand(UINT uiCmdId)
{
    CWnd* pMessage = GetPopupMessageWnd();
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != nullptr)
        pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);

    // The toolbar that holds the outermost parent button loses its hot button.
    CTavoPPopupMenu* pTop = GetPopup();
    while (pTop != nullptr && pTop->GetParentPopupMenu() != nullptr)
        pTop = pTop->GetParentPopupMenu();
    if (pTop != nullptr && pTop->GetParentButton() != nullptr)
    {
        CTavoPToolBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPToolBar, pTop->GetParentButton()->GetParentWnd());
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
            pBar->ClearHot();
    }

    // The popup goes first: its close is queued before the command, so the menus have closed
    // when the command arrives, and nothing here touches the popup after it was destroyed.
    CTavoPPopupMenu* pPopup = GetPopup();
    if (pPopup != nullptr)
        pPopup->PostMessage(WM_CLOSE);

    if (uiCmdId != 0)
    {
        SetInCommand(TRUE);
        CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::CommandSound);
        CTavoPWorkspace* pWorkspace = GetWorkspace();
        if (m_bTrackMode)
        {
            if (pWorkspace != nullptr && pWorkspace->m_pContextMenuManager != nullptr)
                pWorkspace->m_pContextMenuManager->SetChosenCommand(uiCmdId);
        }
        else
        {
            AddCommandUsage(uiCmdId);
            CTavoPUserToolsManager* pTools =
                pWorkspace != nullptr ? pWorkspace->m_pUserToolsManager : nullptr;
            if (pMessage != nullptr)
                pMessage->PostMessage(WM_COMMAND, uiCmdId, 0);
            else if (pTools == nullptr || !pTools->InvokeTool(uiCmdId))
            {
                CWnd* pOwner = GetMenuOwner();
                if (pOwner != nullptr)
                    pOwner->PostMessage(WM_COMMAND, uiCmdId, 0);
            }
        }
        SetInCommand(FALSE);
    }
}

// ---- hot item and the sub-menu timers ----

void CTavoPPopupMenuBar::SelectButton(int iButton)
{
    CTavoPToolbarMenuButton* pOpen = GetDroppedDownMenu();
    CTavoPToolbarMenuButton* pNew = nullptr;
    if (iButton >= 0)
    {
        CTavoPToolbarButton* pButton = GetButton(iButton);
        if (pButton == nullptr)
            return;
        pNew = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
    }

    if (pOpen != pNew)
    {
        if (pOpen != nullptr)
        {
            const MSG* pMsg = GetCurrentMessage();
            const BOOL bKey = pMsg != nullptr && pMsg->message == WM_KEYDOWN;
            if (IsCustomizeMode() || bKey)
            {
                KillTimer(kTimerCloseSubMenu);
                m_pDelayedClosePopupMenuButton = nullptr;
                pOpen->OnCancelMode();
                CTavoPPopupMenu::ActivatePopupMenu(GetTopLevelFrame(), GetPopup());
            }
            else
            {
                m_pDelayedClosePopupMenuButton = pOpen;
                pOpen->SetClosePending(TRUE);
                SetTimer(kTimerCloseSubMenu, std::max(1, m_nMenuShowDelay - 1), NULL);
                InvalidateButton(ButtonToIndex(pOpen));
            }
        }
        if (pNew != nullptr && (pNew->m_nID == (UINT)-1 || pNew->IsEmptyMenuAllowed()) &&
            !(pNew->m_nStyle & TBBS_DISABLED))
            pNew->OnClick(this, TRUE);

        CTavoPPopupMenu* pPopup = GetPopup();
        CTavoPPopupMenu* pParentPopup = pPopup != nullptr ? pPopup->GetParentPopupMenu() : nullptr;
        if (pParentPopup != nullptr &&
            pParentPopup->GetMenuBar()->GetDelayedCloseItem() == pPopup->GetParentButton() &&
            pPopup->GetParentButton() != nullptr)
            pParentPopup->GetMenuBar()->CancelDelayedClose();
    }
    else if (pNew != nullptr && pNew == m_pDelayedClosePopupMenuButton)
    {
        pNew->SetClosePending(FALSE);
        m_pDelayedClosePopupMenuButton = nullptr;
        KillTimer(kTimerCloseSubMenu);
    }
    m_iSelected = iButton;
}

void CTavoPPopupMenuBar::ScheduleOpenSubMenu(CTavoPToolbarMenuButton* pItem, int nFactor)
{
    KillTimer(kTimerOpenSubMenu);
    m_pDelayedPopupMenuButton = pItem;
    if (pItem == m_pDelayedClosePopupMenuButton)
    {
        CancelDelayedClose();
        m_pDelayedPopupMenuButton = nullptr;
        return;
    }
    SetTimer(kTimerOpenSubMenu, std::max(1, nFactor * m_nMenuShowDelay), NULL);
}

void CTavoPPopupMenuBar::CancelDelayedClose()
{
    CTavoPToolbarMenuButton* pItem = m_pDelayedClosePopupMenuButton;
    if (pItem == nullptr)
        return;
    pItem->SetClosePending(FALSE);
    m_pDelayedClosePopupMenuButton = nullptr;
    KillTimer(kTimerCloseSubMenu);
    const int iOld = m_iHighlighted;
    const int iItem = ButtonToIndex(pItem);
    m_iHighlighted = iItem;
    m_iSelected = iItem;
    if (iOld != iItem)
    {
        InvalidateButton(iOld);
        InvalidateButton(iItem);
    }
}

void CTavoPPopupMenuBar::CloseDelayedSubMenu()
{
    CTavoPToolbarMenuButton* pItem = m_pDelayedClosePopupMenuButton;
    KillTimer(kTimerCloseSubMenu);
    m_pDelayedClosePopupMenuButton = nullptr;
    if (pItem != nullptr && ButtonToIndex(pItem) >= 0)
    {
        pItem->OnCancelMode();
        CTavoPPopupMenu::ActivatePopupMenu(GetTopLevelFrame(), GetPopup());
    }
}

void CTavoPPopupMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kTimerOpenSubMenu)
    {
        KillTimer(kTimerOpenSubMenu);
        if (m_wndToolTip.GetSafeHwnd() != NULL)
            m_wndToolTip.Pop();
        CloseDelayedSubMenu();
        CTavoPToolbarMenuButton* pItem = m_pDelayedPopupMenuButton;
        m_pDelayedPopupMenuButton = nullptr;
        if (pItem != nullptr && m_iHighlighted >= 0 && m_iHighlighted < GetCount() &&
            GetButton(m_iHighlighted) == pItem)
            pItem->OpenPopupMenu(this);
        return;
    }
    if (nIDEvent == kTimerCloseSubMenu)
    {
        CloseDelayedSubMenu();
        return;
    }
    CTavoPToolBar::OnTimer(nIDEvent);
}

// ---- keys ----

int CTavoPPopupMenuBar::FindSelectable(int iStart, int nStep) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    int i = iStart;
    for (int n = 0; n < nCount; n++)
    {
        i = (i + nStep + nCount) % nCount;
        CTavoPToolbarButton* pButton = GetButton(i);
        if (!(pButton->m_nStyle & TBBS_SEPARATOR) && !pButton->Rect().IsRectEmpty() &&
            !pButton->IsHidden())
            return i;
    }
    return -1;
}

void CTavoPPopupMenuBar::MoveSelection(int iNew)
{
    if (iNew < 0)
        return;
    const int iOld = m_iHighlighted;
    m_iHighlighted = iNew;
    SelectButton(iNew);
    if (IsCustomizeMode())
        m_iSelected = iNew;
    InvalidateButton(iOld);
    InvalidateButton(iNew);
    UpdateWindow();
    CTavoPToolbarButton* pButton = GetButton(iNew);
    if (pButton != nullptr && pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
        ShowCommandMessage(pButton->m_nID);
}

BOOL CTavoPPopupMenuBar::OnKey(UINT nChar)
{
    const int nCount = GetCount();
    switch (nChar)
    {
    case VK_RETURN:
    {
        CTavoPToolbarButton* pButton = GetButton(m_iHighlighted);
        if (pButton == nullptr)
            return TRUE;
        CTavoPToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
        if (pItem != nullptr && (pItem->m_nID == (UINT)-1 || pItem->IsEmptyMenuAllowed()))
        {
            if (pItem->GetPopupMenu() == nullptr && pItem->OpenPopupMenu(this) &&
                pItem->GetPopupMenu() != nullptr)
                pItem->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
            return TRUE;
        }
        CWnd* pTarget = GetMessageTarget();
        if (pTarget != nullptr)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        OnSendCommand(pButton);
        return TRUE;
    }
    case VK_UP:
        MoveSelection(FindSelectable(m_iHighlighted < 0 ? 0 : m_iHighlighted, -1));
        return TRUE;
    case VK_DOWN:
        MoveSelection(FindSelectable(m_iHighlighted < 0 ? -1 : m_iHighlighted, 1));
        return TRUE;
    case VK_HOME: MoveSelection(FindSelectable(-1, 1)); return TRUE;
    case VK_END: MoveSelection(FindSelectable(nCount, -1)); return TRUE;
    }

    if (IsCustomizeMode() || (::GetKeyState(VK_CONTROL) & 0x8000))
        return FALSE;
    // Menus and toolbars turn keys into mnemonics the same way. A key that types nothing
    // (a function key) is no mnemonic, though its code may equal a letter's.
    const BOOL bKeypadDigit = nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9;
    if (!bKeypadDigit && ::MapVirtualKey(nChar, 2 /* virtual key to character */) == 0)
        return FALSE;
    const UINT uiUpper = CTavoPKeyboardManager::TranslateCharToUpper(nChar);
    if (uiUpper == 0)
        return FALSE;

    for (int i = 0; i < nCount; i++)
    {
        CTavoPToolbarButton* pButton = GetButton(i);
        if ((pButton->m_nStyle & TBBS_SEPARATOR) || MnemonicOf(pButton->m_strText) != uiUpper)
            continue;
        MoveSelection(i);
        CTavoPToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
        if (pItem != nullptr && pItem->m_nID == (UINT)-1)
        {
            if (pItem->GetPopupMenu() == nullptr)
                pItem->OpenPopupMenu(this);
            if (pItem->GetPopupMenu() != nullptr)
                pItem->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
        }
        else if (pButton->m_nStyle & TBBS_DISABLED)
            InvokeMenuCommand(0);
        else
            OnSendCommand(pButton);
        return TRUE;
    }

    UINT uiHidden = 0;
    if (CTavoPToolBar::m_bRecentlyUsedMenus && !m_bAreAllCommandsShown &&
        m_HiddenItemsAccel.Lookup(uiUpper, uiHidden))
    {
        InvokeMenuCommand(uiHidden);
        return TRUE;
    }
    return FALSE;
}

// ---- mouse ----

CTavoPToolBar* CTavoPPopupMenuBar::FindBarAtPoint(CPoint point)
{
    CTavoPPopupMenu* pPopup = GetPopup();
    CTavoPPopupMenu* pTop = pPopup;
    for (CTavoPPopupMenu* pParent = pPopup != nullptr ? pPopup->GetParentPopupMenu() : nullptr;
         pParent != nullptr; pParent = pParent->GetParentPopupMenu())
    {
        pTop = pParent;
        CTavoPPopupMenuBar* pBar = pParent->GetMenuBar();
        CRect rect;
        pBar->GetClientRect(rect);
        pBar->ClientToScreen(rect);
        if (rect.PtInRect(point))
            return pBar;
    }
    if (pTop != nullptr && pTop->GetParentButton() != nullptr)
    {
        CTavoPToolBar* pBar =
            DYNAMIC_DOWNCAST(CTavoPToolBar, pTop->GetParentButton()->GetParentWnd());
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()))
        {
            CRect rect;
            pBar->GetClientRect(rect);
            pBar->ClientToScreen(rect);
            if (rect.PtInRect(point))
                return pBar;
        }
    }
    return nullptr;
}

// Mouse messages outside the bar go to the popup or toolbar of the chain under the pointer.
void CTavoPPopupMenuBar::RelayToBarAtPoint(UINT message, UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CTavoPToolBar* pBar = FindBarAtPoint(ptScreen);
    if (pBar == nullptr)
        return;
    pBar->ScreenToClient(&ptScreen);
    pBar->SendMessage(message, nFlags, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CTavoPPopupMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bFirstClick = FALSE;
    m_bAcceptRelease = TRUE;
    CRect rectClient;
    GetClientRect(rectClient);
    if (!IsCustomizeMode() && !rectClient.PtInRect(point))
    {
        RelayToBarAtPoint(WM_LBUTTONDOWN, nFlags, point);
        return;
    }
    CTavoPToolBar::OnLButtonDown(nFlags, point);
}

void CTavoPPopupMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_bFirstClick)
    {
        // The release of the click that opened the menu.
        if (!IsCustomizeMode())
            m_iButtonCapture = m_iHighlighted;
    }
    else if (!IsCustomizeMode() && !rectClient.PtInRect(point))
    {
        RelayToBarAtPoint(WM_LBUTTONUP, nFlags, point);
        ::ReleaseCapture();
        CTavoPPopupMenu* pPopup = GetPopup();
        if (pPopup != nullptr)
            pPopup->PostMessage(WM_CLOSE);
        return;
    }
    else if (!IsCustomizeMode())
        m_iButtonCapture = m_iHighlighted;
    m_bFirstClick = FALSE;
    if (m_bAcceptRelease)
        CTavoPToolBar::OnLButtonUp(nFlags, point);
}

void CTavoPPopupMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bFirstMove)
    {
        m_bFirstMove = FALSE;
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (IsCustomizeMode() || rectClient.PtInRect(point))
    {
        // Back from the menu bar, whose title cleared the status line: the item still
        // highlighted under the pointer shows its prompt again, as a newly highlighted one would.
        if (!m_bTracked)
        {
            const int iHot = HitTest(point);
            CTavoPToolbarButton* pButton = iHot == m_iHighlighted ? GetButton(iHot) : nullptr;
            if (pButton != nullptr && pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
                ShowCommandMessage(pButton->m_nID);
        }
        CTavoPToolBar::OnMouseMove(nFlags, point);
        return;
    }
    RelayToBarAtPoint(WM_MOUSEMOVE, nFlags, point);
}

void CTavoPPopupMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CTavoPToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton != nullptr && pButton->m_nID == (UINT)-1)
    {
        Default();
        return;
    }
    CTavoPToolBar::OnLButtonDblClk(nFlags, point);
}
