// Picking a colour in a colour bar: the mouse, the keys, the colour dialog, the commit to whoever opened the bar, the tips and the command's enabled state.
#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/controls/color/CColorButton.h"
#include "ui/controls/color/CTavoPColorButton.h"
#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "ui/controls/color/CTavoPColorMenuButton.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "framework/CColorDialog.h"
#include "framework/CEnableProbeCmdUI.h"

CTavoPColorMenuButton* CTavoPColorBar::GetParentMenuButton() const
{
    CTavoPPopupMenu* pPopup =
        DYNAMIC_DOWNCAST(CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return pPopup != nullptr ? DYNAMIC_DOWNCAST(CTavoPColorMenuButton, pPopup->GetParentButton())
                             : nullptr;
}

// ---- picking ----

BOOL CTavoPColorBar::OnSendCommand(const CTavoPToolbarButton* pButton)
{
    if (m_pParentBtn != nullptr && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();

    CTavoPPopupMenu* pPopup =
        DYNAMIC_DOWNCAST(CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    CTavoPColorMenuButton* pMenuButton = GetParentMenuButton();

    const CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, pButton);
    if (pCell != nullptr && pCell->m_bIsCaption)
        return FALSE;
    // A disabled command takes no colour.
    if (pButton != nullptr && (pButton->m_nStyle & TBBS_DISABLED))
        return TRUE;

    COLORREF color = (COLORREF)-1;
    if (pCell != nullptr && !pCell->m_bIsAutomatic && !pCell->m_bIsOther)
        color = pCell->m_Color;

    if (pCell != nullptr && pCell->m_bIsOther)
    {
        SetInCommand(TRUE);
        if (pPopup != nullptr)
            pPopup->ShowWindow(SW_HIDE);
        InvalidateRect(pCell->Rect());
        UpdateWindow();

        HWND hwndThis = m_hWnd;
        const COLORREF colorInitial =
            m_ColorSelected == (COLORREF)-1 ? m_ColorAutomatic : m_ColorSelected;
        const BOOL bChosen = OpenColorDialog(colorInitial, color);
        if (!::IsWindow(hwndThis))
            return TRUE;
        SetInCommand(FALSE);
        if (!bChosen)
        {
            if (m_pParentBtn != nullptr)
                GetParent()->PostMessage(WM_CLOSE);
            else if (pMenuButton != nullptr)
                InvokeMenuCommand(0);
            else
            {
                CWnd* pMain = AfxGetMainWnd();
                if (pMain == nullptr)
                    pMain = GetTopLevelFrame();
                if (pMain != nullptr)
                    pMain->SetFocus();
            }
            return TRUE;
        }
    }

    CommitColor(color, pMenuButton);
    return TRUE;
}

void CTavoPColorBar::CommitColor(COLORREF color, CTavoPColorMenuButton* pMenuButton)
{
    if (pMenuButton != nullptr)
    {
        pMenuButton->SetColor(color, TRUE);
        InvokeMenuCommand(pMenuButton->m_nID);
        return;
    }
    if (m_pParentBtn != nullptr)
    {
        m_pParentBtn->UpdateColor(color);
        GetParent()->PostMessage(WM_CLOSE);
        return;
    }

    SetColor(color);
    CObList listButtons;
    CTavoPToolBar::GetCommandButtons(m_nCommandID, listButtons);
    for (POSITION pos = listButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPColorMenuButton* pButton =
            DYNAMIC_DOWNCAST(CTavoPColorMenuButton, listButtons.GetNext(pos));
        if (pButton != nullptr)
            pButton->SetColor(color, FALSE);
    }
    ColorsByCommand().SetAt(m_nCommandID, color);

    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr)
        pOwner = GetParent();
    if (pOwner != nullptr)
        pOwner->SendMessage(WM_COMMAND, m_nCommandID, 0);

    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr && GetSafeHwnd() != NULL)
        pMain = GetTopLevelFrame();
    if (pMain != nullptr && ::IsWindow(pMain->GetSafeHwnd()))
        pMain->SetFocus();
}

BOOL CTavoPColorBar::OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes)
{
    CTavoPColorMenuButton* pMenuButton = GetParentMenuButton();
    if (pMenuButton != nullptr)
        return pMenuButton->OpenColorDialog(colorDefault, colorRes);

    return RunColorDialog(m_bIsUseSystemDialog, colorDefault, colorRes);
}

BOOL CTavoPColorBar::RunColorDialog(BOOL bSystemDialog, COLORREF colorDefault, COLORREF& colorRes)
{
    if (bSystemDialog)
    {
        CColorDialog dlg(colorDefault, CC_FULLOPEN | CC_ANYCOLOR);
        if (dlg.DoModal() != IDOK)
            return FALSE;
        colorRes = dlg.GetColor();
        return TRUE;
    }
    CTavoPColorChooserDialog dlg(colorDefault);
    if (dlg.DoModal() != IDOK)
        return FALSE;
    colorRes = dlg.GetColor();
    return TRUE;
}

// ---- keys ----

BOOL CTavoPColorBar::OnKey(UINT nChar)
{
    if (nChar == VK_RETURN)
    {
        CTavoPToolbarButton* pButton = GetButton(m_iHighlighted);
        if (pButton == nullptr)
            return TRUE;
        CWnd* pOwner = GetOwner();
        if (pOwner != nullptr)
            pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        OnSendCommand(pButton);
        return TRUE;
    }
    return CTavoPPopupMenuBar::OnKey(nChar);
}

BOOL CTavoPColorBar::PreTranslateMessage(MSG* pMsg)
{
    if (m_pParentBtn != nullptr && !m_bInCommand)
    {
        BOOL bClose = FALSE;
        switch (pMsg->message)
        {
        case WM_CONTEXTMENU:
        case WM_SYSKEYDOWN: bClose = TRUE; break;
        case WM_KEYDOWN: bClose = pMsg->wParam == VK_ESCAPE; break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        {
            CPoint point((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
            if (pMsg->hwnd != m_hWnd)
            {
                ::ClientToScreen(pMsg->hwnd, &point);
                ScreenToClient(&point);
            }
            CRect rectClient;
            GetClientRect(rectClient);
            bClose = !rectClient.PtInRect(point);
            break;
        }
        }
        if (bClose)
        {
            GetParent()->SendMessage(WM_CLOSE);
            return TRUE;
        }
    }
    return CTavoPPopupMenuBar::PreTranslateMessage(pMsg);
}

LRESULT CTavoPColorBar::ShowCommandMessage(UINT uiCmdId)
{
    CWnd* pTarget = GetOwner();
    if (pTarget == nullptr)
        pTarget = GetParent();
    if (pTarget == nullptr)
        return 0;
    return pTarget->SendMessage(WM_SETMESSAGESTRING,
                                uiCmdId == (UINT)-1 ? AFX_IDS_IDLEMESSAGE : uiCmdId);
}

// ---- mouse ----

void CTavoPColorBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CTavoPToolBar::OnMouseMove(nFlags, point);
}

void CTavoPColorBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    if (HitTest(point) < 0)
        CTavoPToolBar::OnLButtonDown(nFlags, point);
}

void CTavoPColorBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    const int iButton = HitTest(point);
    if (iButton >= 0)
        m_iButtonCapture = iButton;
    CTavoPToolBar::OnLButtonUp(nFlags, point);
}

void CTavoPColorBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode())
        return;
    CTavoPToolBar::OnLButtonDblClk(nFlags, point);
}

void CTavoPColorBar::OnMouseLeave()
{
    if (m_pParentBtn == nullptr)
    {
        CTavoPToolBar::OnMouseLeave();
        return;
    }
    // The popup of a push button keeps the keyboard, but the selection still follows the
    // pointer out of the bar.
    if (m_hookMouseHelp != NULL || (!IsCustomizeMode() && GetDroppedDownMenu() != nullptr))
        return;
    m_ptLastMouse = CPoint(-1, -1);
    m_bTracked = FALSE;
    if (m_iButtonCapture >= 0)
    {
        CTavoPToolbarButton* pPressed = GetButton(m_iButtonCapture);
        if (pPressed != nullptr)
            SetButtonStyle(m_iButtonCapture, pPressed->m_nStyle & ~TBBS_PRESSED);
        m_iButtonCapture = -1;
    }
    if (m_iHighlighted >= 0)
    {
        const int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        InvalidateButton(iOld);
        UpdateWindow();
        CWnd* pTarget = GetOwner();
        if (pTarget != nullptr)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
}

// ---- tips and command state ----

INT_PTR CTavoPColorBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!m_bShowTooltips)
        return -1;
    CColorButton* pCell = DYNAMIC_DOWNCAST(
        CColorButton, GetButton(const_cast<CTavoPColorBar*>(this)->HitTest(point)));
    if (pCell == nullptr || !pCell->OnToolHitTest(this, pTI))
        return -1;
    return 0;
}

void CTavoPColorBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nCommandID != 0 && m_nCommandID != (UINT)-1)
    {
        CEnableProbeCmdUI state;
        state.m_pOther = this;
        state.m_nID = m_nCommandID;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
        if (state.m_bEnabled != m_bIsEnabled)
        {
            m_bIsEnabled = state.m_bEnabled;
            for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
            {
                CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
                if (m_bIsEnabled)
                    pButton->m_nStyle &= ~TBBS_DISABLED;
                else
                    pButton->m_nStyle |= TBBS_DISABLED;
            }
            Invalidate();
            UpdateWindow();
        }
    }
    CTavoPPopupMenuBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}
