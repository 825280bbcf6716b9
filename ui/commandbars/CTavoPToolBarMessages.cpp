// The toolbar's window messages, command routing, message pre-translation and keyboard navigation.
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/tabs/CTavoPTabWnd.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/menus/CTavoPToolbarSystemMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

// The system-menu button of a maximized child comes with the menu bar; it is known by its class.
static BOOL IsSystemMenuButton(const CTavoPToolbarButton* pButton)
{
    return pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarSystemMenuButton));
}

void CTavoPToolBar::OnMouseLeave()
{
    if (m_hookMouseHelp != NULL || (m_bMenuMode && !m_bCustomizeMode && GetDroppedDownMenu()))
        return;
    m_ptLastMouse = CPoint(-1, -1);
    m_bTracked = FALSE;
    // A page of a tab window keeps its highlight while the tab window or its parent has the focus.
    const HWND hwndFocus = ::GetFocus();
    BOOL bFocused = hwndFocus == GetSafeHwnd();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPTabWnd)))
        bFocused = bFocused || hwndFocus == pParent->GetSafeHwnd() ||
                   hwndFocus == ::GetParent(pParent->GetSafeHwnd());
    if (m_iHighlighted >= 0 && !bFocused)
    {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        SelectButton(-1);
        InvalidateButton(iOld);
        CWnd* pTarget = GetMessageTarget();
        if (pTarget != NULL)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
}

void CTavoPToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iButton = HitTest(point);
    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
    {
        CTavoPBaseToolBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    pButton->OnDblClick(this);
    // The system-menu button's double click closes the window: there is nothing left to press.
    if (::IsWindow(GetSafeHwnd()) && !IsSystemMenuButton(pButton))
        OnLButtonDown(nFlags, point);
}

BOOL CTavoPToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bStretchButton && m_hcurStretch != NULL)
    {
        ::SetCursor(m_hcurStretch);
        return TRUE;
    }
    if (m_bCustomizeMode && !m_bLocked)
    {
        CTavoPToolbarButton* pSelected = GetButton(m_iSelected);
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        if (pSelected != NULL && pSelected->CanBeStretched() && pSelected->Rect().PtInRect(point) &&
            point.x >= pSelected->Rect().right - 6 && m_hcurStretch != NULL)
        {
            ::SetCursor(m_hcurStretch);
            return TRUE;
        }
    }
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (m_rectGripper.PtInRect(point) && CTavoPPopupMenu::GetActiveMenu() == NULL &&
        m_hcurSizeAll != NULL)
    {
        ::SetCursor(m_hcurSizeAll);
        return TRUE;
    }
    return (BOOL)Default();
}

void CTavoPToolBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    m_Impl.CalcNcSize(&lpncsp->rgrc[0]);
}

void CTavoPToolBar::OnNcPaint()
{
    m_Impl.DrawNcArea();
}

LRESULT CTavoPToolBar::OnNcHitTest(CPoint point)
{
    return HTCLIENT;
}

BOOL CTavoPToolBar::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}

HBRUSH CTavoPToolBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_bCustomizeMode && !m_bLocked && pWnd != NULL)
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton->GetHwnd() == pWnd->GetSafeHwnd())
            {
                HBRUSH hbr = pButton->OnCtlColor(pDC, nCtlColor);
                if (hbr != NULL)
                    return hbr;
            }
        }
    return (HBRUSH)Default();
}

void CTavoPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    HWND hwndOld = pOldWnd->GetSafeHwnd();
    if (hwndOld == NULL)
        return;
    CWnd* pOld = CWnd::FromHandlePermanent(hwndOld);
    CWnd* pOldParent = CWnd::FromHandlePermanent(::GetParent(hwndOld));
    const BOOL bToolbar =
        (pOld != NULL && pOld->IsKindOf(RUNTIME_CLASS(CTavoPToolBar))) ||
        (pOldParent != NULL && pOldParent->IsKindOf(RUNTIME_CLASS(CTavoPToolBar)));
    CWnd* pParent = GetParent();
    const BOOL bInTabWnd = pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabWnd));
    if (!bToolbar && !bInTabWnd)
        m_hwndLastFocus = hwndOld;
}

void CTavoPToolBar::OnKillFocus(CWnd* pNewWnd)
{
    Default();
    if (m_bCustomizeMode)
        return;
    // The focus going into this bar's own open menu keeps the button that opened it hot.
    CTavoPToolbarMenuButton* pDropped = GetDroppedDownMenu();
    CTavoPPopupMenu* pPopup = pDropped != NULL ? pDropped->GetPopupMenu() : NULL;
    const HWND hwndPopup = pPopup != NULL ? pPopup->GetSafeHwnd() : NULL;
    const HWND hwndNew = pNewWnd != NULL ? pNewWnd->GetSafeHwnd() : NULL;
    if (hwndPopup != NULL && hwndNew != NULL &&
        (hwndNew == hwndPopup || ::IsChild(hwndPopup, hwndNew)))
        return;
    ClearHot();
}

void CTavoPToolBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    Default();
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPReBar)))
        AdjustLayout();
}

void CTavoPToolBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    Default();
    if (uFlags == SPI_SETNONCLIENTMETRICS)
    {
        GetGlobalData().UpdateFonts();
        AdjustLayout();
    }
}

LRESULT CTavoPToolBar::OnButtonCount(WPARAM, LPARAM)
{
    return GetCount();
}

// The index and the caller's buffer are checked: a bad index or a null buffer answers FALSE.
LRESULT CTavoPToolBar::OnGetItemRect(WPARAM wParam, LPARAM lParam)
{
    LPRECT lpRect = (LPRECT)lParam;
    if (lpRect == NULL || GetButton((int)wParam) == NULL)
        return FALSE;
    GetItemRect((int)wParam, lpRect);
    return TRUE;
}

LRESULT CTavoPToolBar::OnGetButton(WPARAM wParam, LPARAM lParam)
{
    TBBUTTON* pButtonInfo = (TBBUTTON*)lParam;
    CTavoPToolbarButton* pButton = GetButton((int)wParam);
    if (pButtonInfo == NULL || pButton == NULL)
        return FALSE;
    memset(pButtonInfo, 0, sizeof(TBBUTTON));
    pButtonInfo->iBitmap = 0;
    pButtonInfo->idCommand = (int)pButton->m_nID;
    pButtonInfo->fsState = (BYTE)(pButton->m_nStyle >> 16);
    pButtonInfo->fsStyle = (BYTE)pButton->m_nStyle;
    return TRUE;
}

// Copies the text of the button with the command into the buffer; a missing button or
// buffer answers -1, as the toolbar control does.
LRESULT CTavoPToolBar::OnGetButtonText(WPARAM wParam, LPARAM lParam)
{
    const int iIndex = CommandToIndex((UINT)wParam);
    if (iIndex < 0)
        return -1;
    const CString strText = GetButtonText(iIndex);
    if (lParam != 0)
        memcpy((LPTSTR)lParam, (LPCTSTR)strText, (strText.GetLength() + 1) * sizeof(TCHAR));
    return strText.GetLength();
}

BOOL CTavoPToolBar::OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    TOOLINFO ti;
    memset(&ti, 0, sizeof(ti));
    if (OnToolHitTest(point, &ti) == -1 || ti.lpszText == NULL)
        return FALSE;
    m_strTipText = ti.lpszText;
    free(ti.lpszText);

    NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMH;
    pInfo->lpszText = (LPSTR)(LPCSTR)m_strTipText;
    ::SendMessage(pNMH->hwndFrom, WM_SETFONT, (WPARAM)GetGlobalData().fontTooltip.GetSafeHandle(),
                  FALSE);
    ::SetWindowPos(pNMH->hwndFrom, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    *pResult = 0;
    return TRUE;
}

BOOL CTavoPToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bCustomizeMode && !m_bLocked)
        return CTavoPBaseToolBar::OnCommand(wParam, lParam);

    const int nCode = HIWORD(wParam);
    HWND hwndControl = (HWND)lParam;
    CWnd* pTarget = GetMessageTarget();
    if (hwndControl == NULL)
    {
        if (nCode == 2)
        {
            RestoreFocus();
            return TRUE;
        }
        if (nCode != 1)
            return FALSE;
        hwndControl = ::GetFocus();
        if (hwndControl == NULL)
            return FALSE;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton->IsOwnerOf(hwndControl) && pTarget != NULL)
            {
                pTarget->PostMessage(WM_COMMAND, pButton->m_nID, 0);
                return TRUE;
            }
        }
        return FALSE;
    }
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->IsOwnerOf(hwndControl))
        {
            if (pButton->NotifyCommand(nCode) && pTarget != NULL)
                pTarget->PostMessage(WM_COMMAND, MAKEWPARAM(pButton->m_nID, nCode),
                                     (LPARAM)hwndControl);
            break;
        }
    }
    return TRUE;
}

BOOL CTavoPToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
    {
        if (m_bStretchButton)
        {
            OnCancelMode();
            return TRUE;
        }
        if (GetDroppedDownMenu() == NULL)
        {
            ClearHot();
            RestoreFocus();
            return TRUE;
        }
    }
    switch (pMsg->message)
    {
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        if (m_bToolTipOnDemand && m_wndToolTip.GetSafeHwnd() == NULL &&
            m_wndToolTip.Create(this, TTS_ALWAYSTIP))
        {
            m_wndToolTip.Activate(TRUE);
            m_tooltipRects.clear();
            UpdateTooltips();
        }
        if (m_wndToolTip.GetSafeHwnd() != NULL)
            m_wndToolTip.RelayEvent(pMsg);
        break;
    }
    return CTavoPBaseToolBar::PreTranslateMessage(pMsg);
}

// ---- keyboard and menu navigation ----

BOOL CTavoPToolBar::TranslateChar(UINT nChar)
{
    const UINT uiChar = ::MapVirtualKey(nChar, 2 /* virtual key to character */) & 0xFFFF;
    if (uiChar == 0)
        return FALSE;
    const UINT uiUpper = (UINT)(UINT_PTR)::CharUpper((LPTSTR)(UINT_PTR)(BYTE)uiChar);
    CTavoPToolbarButton* pButton = NULL;
    if (!m_AcellKeys.Lookup(uiUpper, pButton))
        return FALSE;

    const int nAnimation = CTavoPPopupMenu::m_AnimationType;
    CTavoPPopupMenu::m_AnimationType = CTavoPPopupMenu::NO_ANIMATION;
    const BOOL bResult = DropDownMenu(pButton) || ProcessCommand(pButton);
    CTavoPPopupMenu::m_AnimationType = nAnimation;
    return bResult;
}

BOOL CTavoPToolBar::DropDownMenu(CTavoPToolbarButton* pButton)
{
    CTavoPToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
    if (pMenuButton == NULL || !pMenuButton->OnClick(this, FALSE))
        return FALSE;
    CWnd* pPopup = pMenuButton->GetPopupMenu();
    if (pPopup != NULL && pPopup->GetSafeHwnd() != NULL)
        pPopup->SendMessage(WM_KEYDOWN, VK_HOME);
    m_iHot = ButtonToIndex(pMenuButton);
    return TRUE;
}

BOOL CTavoPToolBar::ProcessCommand(CTavoPToolbarButton* pButton)
{
    if (pButton == NULL || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        return FALSE;
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::CommandSound);
    AddCommandUsage(pButton->m_nID);
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != NULL)
        pTarget->PostMessage(WM_COMMAND, pButton->m_nID, 0);
    return TRUE;
}

CTavoPToolbarMenuButton* CTavoPToolBar::GetDroppedDownMenu(int* pIndex) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CTavoPToolbarMenuButton* pMenuButton =
            DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, m_Buttons.GetNext(pos));
        if (pMenuButton != NULL && pMenuButton->IsDroppedDown())
        {
            if (pIndex != NULL)
                *pIndex = i;
            return pMenuButton;
        }
    }
    if (pIndex != NULL)
        *pIndex = -1;
    return NULL;
}

BOOL CTavoPToolBar::SetHotMenuButton(CTavoPToolbarMenuButton* pMenuButton)
{
    if (pMenuButton == NULL)
    {
        m_iHot = -1;
        return TRUE;
    }
    const int iIndex = ButtonToIndex(pMenuButton);
    if (iIndex < 0)
        return FALSE;
    if (iIndex != m_iHot)
        SelectButton(iIndex);
    return TRUE;
}

// Steps from the open menu to the next menu button that is not disabled, wrapping at the ends.
static BOOL StepMenu(CTavoPToolBar* pBar, int nStep)
{
    int iOpen = -1;
    if (pBar->GetDroppedDownMenu(&iOpen) == NULL)
        return FALSE;
    const int nCount = pBar->GetCount();
    int i = iOpen;
    for (;;)
    {
        i = (i + nStep + nCount) % nCount;
        if (i == iOpen)
            return TRUE;
        CTavoPToolbarButton* pButton = pBar->GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton)) &&
            (pButton->m_nStyle & TBBS_DISABLED) == 0)
            break;
    }
    const int nAnimation = CTavoPPopupMenu::m_AnimationType;
    CTavoPPopupMenu::m_AnimationType = CTavoPPopupMenu::NO_ANIMATION;
    pBar->SelectButton(i);
    CTavoPPopupMenu::m_AnimationType = nAnimation;
    CTavoPToolbarMenuButton* pNew = (CTavoPToolbarMenuButton*)pBar->GetButton(i);
    CWnd* pPopup = pNew->GetPopupMenu();
    if (pPopup != NULL && pPopup->GetSafeHwnd() != NULL)
        pPopup->SendMessage(WM_KEYDOWN, VK_HOME);
    return TRUE;
}

BOOL CTavoPToolBar::DropPrevMenu()
{
    return StepMenu(this, -1);
}

BOOL CTavoPToolBar::DropNextMenu()
{
    return StepMenu(this, 1);
}

void CTavoPToolBar::SelectButton(int iButton)
{
    if (iButton >= 0 && iButton == m_iHot)
        iButton = -1;
    m_iHot = iButton;

    int iOpen = -1;
    CTavoPToolbarMenuButton* pOpen = GetDroppedDownMenu(&iOpen);
    if (pOpen == NULL && !m_bCustomizeMode)
        return;

    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
    {
        m_iHot = -1;
        if (m_bCustomizeMode && !m_bAltCustomization && pOpen != NULL)
            pOpen->OnCancelMode();
        return;
    }

    if (iButton != iOpen)
    {
        if (pOpen != NULL)
        {
            const int iHighlighted = m_iHighlighted;
            if (!m_bCustomizeMode)
                m_iHighlighted = -1;
            pOpen->OnCancelMode();
            if (!m_bCustomizeMode)
                m_iHighlighted = iHighlighted;
        }
        CTavoPToolbarMenuButton* pMenuButton = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
        if (pMenuButton != NULL && !(m_bCustomizeMode && IsSystemMenuButton(pButton)))
            pMenuButton->OnClick(this, TRUE);
    }
    else if (m_bCustomizeMode && pOpen != NULL)
        pOpen->OnCancelMode();

    if (m_bCustomizeMode && m_iDragIndex < 0)
    {
        const int iOld = m_iSelected;
        m_iSelected = (pButton->m_nStyle & TBBS_SEPARATOR) ? -1 : iButton;
        InvalidateButton(iOld);
        InvalidateButton(m_iSelected);
    }
    if (m_iHot != m_iHighlighted)
    {
        const int iOld = m_iHighlighted;
        m_iHighlighted = m_iHot;
        InvalidateButton(iOld);
        InvalidateButton(m_iHighlighted);
        UpdateWindow();
    }
}

void CTavoPToolBar::ClearHot()
{
    if (m_iHighlighted >= 0)
    {
        const int iOld = m_iHighlighted;
        m_iHot = -1;
        m_iHighlighted = -1;
        InvalidateButton(iOld);
        if (m_hookMouseHelp == NULL)
        {
            CWnd* pTarget = GetMessageTarget();
            if (pTarget != NULL)
                pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        }
    }
    RestoreFocus();
}

void CTavoPToolBar::RestoreFocus()
{
    if (::IsWindow(m_hwndLastFocus))
        ::SetFocus(m_hwndLastFocus);
    m_hwndLastFocus = NULL;
}
