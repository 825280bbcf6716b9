#include "ui/commandbars/CTavoPDropDownToolBar.h"
#include "ui/commandbars/CTavoPDropDownFrame.h"
#include "ui/commandbars/CTavoPDropDownToolbarButton.h"
#include "ui/commandbars/TavoPTrackMouseLeave.h"

BEGIN_MESSAGE_MAP(CTavoPDropDownToolBar, CTavoPToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPDropDownToolBar, CTavoPToolBar, 1)

CTavoPDropDownToolBar::CTavoPDropDownToolBar()
{
    m_bLocked = TRUE;
}

CTavoPDropDownToolBar::~CTavoPDropDownToolBar()
{}

BOOL CTavoPDropDownToolBar::LoadBitmap(UINT uiResID, UINT uiColdResID, UINT uiMenuResID,
                                       BOOL /*bLocked*/, UINT uiDisabledResID,
                                       UINT uiMenuDisabledResID)
{
    return CTavoPToolBar::LoadBitmap(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID,
                                     uiMenuDisabledResID);
}

BOOL CTavoPDropDownToolBar::LoadToolBar(UINT uiResID, UINT uiColdResID, UINT uiMenuResID,
                                        BOOL /*bLocked*/, UINT uiDisabledResID,
                                        UINT uiMenuDisabledResID, UINT uiHotResID)
{
    return CTavoPToolBar::LoadToolBar(uiResID, uiColdResID, uiMenuResID, TRUE, uiDisabledResID,
                                      uiMenuDisabledResID, uiHotResID);
}

void CTavoPDropDownToolBar::OnUpdateCmdUI(CFrameWnd* /*pTarget*/, BOOL bDisableIfNoHndler)
{
    CTavoPToolBar::OnUpdateCmdUI((CFrameWnd*)GetCommandTarget(), bDisableIfNoHndler);
}

CTavoPDropDownFrame* CTavoPDropDownToolBar::GetDropDownFrame() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPDropDownFrame, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

BOOL CTavoPDropDownToolBar::OnSendCommand(const CTavoPToolbarButton* pButton)
{
    if (pButton == NULL || (pButton->m_nStyle & TBBS_DISABLED) || pButton->m_nID == 0 ||
        pButton->m_nID == (UINT)-1)
        return FALSE;
    const UINT uiCmd = pButton->m_nID;
    CTavoPDropDownFrame* pFrame = GetDropDownFrame();
    if (pFrame != NULL && pFrame->GetParentButton() != NULL)
        pFrame->GetParentButton()->SetCurrentCommand(uiCmd);
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != NULL)
        pTarget->PostMessage(WM_COMMAND, uiCmd, 0);
    // The frame owns this bar: nothing of this object may be touched once it is destroyed.
    if (pFrame != NULL)
        pFrame->DestroyWindow();
    return TRUE;
}

void CTavoPDropDownToolBar::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (point == m_ptLastMouse)
        return;
    m_ptLastMouse = point;

    int iHot = HitTest(point);
    CTavoPToolbarButton* pHot = GetButton(iHot);
    if (pHot != NULL && (pHot->m_nStyle & (TBBS_SEPARATOR | TBBS_DISABLED)))
        iHot = -1;

    if (!m_bTracked)
    {
        m_bTracked = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), 0};
        TrackMouseLeave(&tme);
    }

    // While the mouse is held the hot choice is the pressed one, so that the release runs it.
    if (iHot != m_iHighlighted)
    {
        const int iOld = m_iButtonCapture;
        CTavoPToolbarButton* pOld = GetButton(iOld);
        if (pOld != NULL)
            SetButtonStyle(iOld, pOld->m_nStyle & ~TBBS_PRESSED);
        m_iHighlighted = iHot;
        m_iButtonCapture = iHot;
        CTavoPToolbarButton* pNew = GetButton(iHot);
        if (pNew != NULL)
            SetButtonStyle(iHot, pNew->m_nStyle | TBBS_PRESSED);
        InvalidateButton(iOld);
        InvalidateButton(iHot);
        UpdateWindow();
    }

    CTavoPToolbarButton* pNewHot = GetButton(iHot);
    if (pNewHot != NULL)
        ShowCommandMessage(pNewHot->m_nID);
    else if (m_iButtonCapture < 0 && m_hookMouseHelp == NULL)
    {
        CWnd* pTarget = GetMessageTarget();
        if (pTarget != NULL)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    SelectButton(iHot);
}

void CTavoPDropDownToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bCustomizeMode)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        if (!rectClient.PtInRect(point))
        {
            CTavoPDropDownFrame* pFrame = GetDropDownFrame();
            if (pFrame != NULL)
            {
                pFrame->DestroyWindow();
                return;
            }
        }
        else if (m_iHighlighted >= 0)
        {
            m_iButtonCapture = m_iHighlighted;
            CTavoPToolbarButton* pHot = GetButton(m_iHighlighted);
            if (pHot != NULL)
                SetButtonStyle(m_iHighlighted, pHot->m_nStyle & ~TBBS_PRESSED);
        }
    }
    CTavoPToolBar::OnLButtonUp(nFlags, point);
}
