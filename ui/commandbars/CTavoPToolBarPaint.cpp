// Toolbar painting, hit testing, tool tips, the mouse protocol and the command-UI update.
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/commandbars/CTavoPDropDownToolbarButton.h"
#include "ui/commandbars/CTavoPToolbarCmdUI.h"
#include "ui/commandbars/TavoPTrackMouseLeave.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

// ---- lookups ----

int CTavoPToolBar::CommandToIndex(UINT nIDFind, int iIndexFirst) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (i >= iIndexFirst && pButton->m_nID == nIDFind)
            return i;
    }
    return -1;
}

CTavoPToolbarButton* CTavoPToolBar::GetButton(int iIndex) const
{
    POSITION pos = iIndex < 0 ? NULL : m_Buttons.FindIndex(iIndex);
    return pos == NULL ? NULL : (CTavoPToolbarButton*)m_Buttons.GetAt(pos);
}

UINT CTavoPToolBar::GetItemID(int nIndex) const
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    return pButton == NULL ? 0 : pButton->m_nID;
}

UINT CTavoPToolBar::GetButtonStyle(int nIndex) const
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    return pButton == NULL ? 0 : pButton->m_nStyle;
}

int CTavoPToolBar::ButtonToIndex(const CTavoPToolbarButton* pButton) const
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
        if (m_Buttons.GetNext(pos) == pButton)
            return i;
    return -1;
}

void CTavoPToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    *lpRect = pButton == NULL ? CRect(0, 0, 0, 0) : pButton->Rect();
}

void CTavoPToolBar::GetInvalidateItemRect(int nIndex, LPRECT lpRect) const
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    *lpRect = pButton == NULL ? CRect(0, 0, 0, 0) : pButton->GetInvalidateRect();
}

BOOL CTavoPToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL)
        return FALSE;
    pButton->m_strText = lpszText;
    return TRUE;
}

CString CTavoPToolBar::GetButtonText(int nIndex) const
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    return pButton == NULL ? CString() : pButton->m_strText;
}

void CTavoPToolBar::InvalidateButton(int nIndex)
{
    if (GetSafeHwnd() == NULL || GetButton(nIndex) == NULL)
        return;
    CRect rect;
    GetInvalidateItemRect(nIndex, rect);
    rect.InflateRect(10, 10);
    InvalidateRect(rect, TRUE);
}

void CTavoPToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL)
        return;
    const UINT nOldStyle = pButton->m_nStyle;
    if (nStyle & TBBS_DISABLED)
        nStyle &= ~TBBS_PRESSED;
    if (nOldStyle == nStyle)
        return;
    pButton->SetStyle(nStyle);
    if (!((nOldStyle & TBBS_PRESSED) && (nStyle & TBBS_PRESSED)))
        InvalidateButton(nIndex);
}

int CTavoPToolBar::HitTest(CPoint point)
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->IsHidden() || !pButton->Rect().PtInRect(point))
            continue;
        return (pButton->m_nStyle & TBBS_SEPARATOR) ? -1 : i;
    }
    return -1;
}

// ---- painting ----

void CTavoPToolBar::FillButtonArea(CDC* pDC, CRect rect, BOOL bHorz)
{
    CTavoPVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, bHorz);
}

BOOL CTavoPToolBar::DrawButton(CDC* pDC, CTavoPToolbarButton* pButton,
                               CTavoPToolbarImageList* pImages, BOOL bHighlighted,
                               BOOL bDrawDisabledImages)
{
    if (pButton->IsHidden() || !pDC->RectVisible(pButton->Rect()))
        return TRUE;
    pButton->OnDraw(pDC, pButton->Rect(), pImages, IsHorizontalBar(), IsCustomizing(), bHighlighted,
                    m_bDrawBorder, bDrawDisabledImages ? FALSE : m_bGrayDisabledButtons);
    return TRUE;
}

void CTavoPToolBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    CRect rectClient;
    GetClientRect(rectClient);

    CDC* pDCMem = m_paintBuffer.Begin(pDCPaint, rectClient.Size());
    CDC* pDC = pDCMem != NULL ? pDCMem : pDCPaint;

    CTavoPVisualManager* pVisManager = CTavoPVisualManager::GetInstance();
    if (GetStyle() & TAVOP_TBSTYLE_PARENT_BACKGROUND)
        m_Impl.FillParentBackground(pDC);
    else
        pVisManager->OnFillBarBackground(pDC, this, rectClient, rectClip, FALSE);
    OnFillBackground(pDC);

    const BOOL bHorz = IsHorizontalBar();
    pDC->SetTextColor(GetGlobalData().clrBtnText);
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont =
        pDC->SelectObject(bHorz ? &GetGlobalData().fontRegular : &GetGlobalData().fontVert);

    const BOOL bLarge = m_bLargeIconsAreEnbaled && m_bLargeIcons;
    CTavoPToolbarImageList* pNormal;
    CTavoPToolbarImageList* pCold;
    CTavoPToolbarImageList* pDisabled;
    CTavoPToolbarImageList* pMenu;
    CTavoPToolbarImageList* pMenuDisabled;
    if (m_bLocked)
    {
        pNormal = bLarge ? &m_LargeImagesLocked : &m_ImagesLocked;
        pCold = bLarge ? &m_LargeColdImagesLocked : &m_ColdImagesLocked;
        pDisabled = bLarge ? &m_LargeDisabledImagesLocked : &m_DisabledImagesLocked;
        pMenu = &m_MenuImagesLocked;
        pMenuDisabled = &m_DisabledMenuImagesLocked;
    }
    else
    {
        pNormal = &SharedImages(bLarge ? StripLarge : StripNormal);
        pCold = &SharedImages(bLarge ? StripLargeCold : StripCold);
        pDisabled = &SharedImages(bLarge ? StripLargeDisabled : StripDisabled);
        pMenu = &SharedImages(StripMenu);
        pMenuDisabled = &SharedImages(StripMenuDisabled);
    }
    // Large strips that were never loaded fall back to stretched normal images.
    if (bLarge && pNormal->GetCount() == 0)
        pNormal = m_bLocked ? &m_ImagesLocked : &SharedImages(StripNormal);

    CSize sizeImageDest;
    if (m_bMenuMode)
        sizeImageDest = GetMenuImageSize();
    else
        sizeImageDest = GetImageSize();

    const BOOL bFadeSaved = pVisManager->IsFadeInactiveImage();
    if (pCold->GetCount() > 0)
        pVisManager->SetFadeInactiveImage(FALSE);

    CTavoPToolbarImageList* pPrepared = NULL;
    CTavoPDrawState ds;
    auto prepare = [&](CTavoPToolbarImageList* pImages) {
        if (pImages == pPrepared)
            return;
        if (pPrepared != NULL)
            pPrepared->EndDraw(ds);
        pPrepared = NULL;
        // A strip without a transparent colour of its own takes the face colour of the moment.
        if (pImages != NULL && pImages->PrepareDraw(ds, sizeImageDest))
            pPrepared = pImages;
    };

    const BOOL bCustomizing = IsCustomizing();
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            CRect rectSeparator;
            GetButtonClientRect(pButton, rectSeparator);
            if (!pButton->IsHidden() && CRect().IntersectRect(rectSeparator, rectClip))
                FillButtonArea(pDC, rectSeparator, bHorz && !pButton->m_bWrap);
            continue;
        }
        if (!CRect().IntersectRect(pButton->Rect(), rectClip))
            continue;

        BOOL bHighlighted = FALSE;
        if (!bCustomizing)
        {
            if (m_bMenuMode)
                bHighlighted = i == m_iHighlighted;
            else
                bHighlighted = (i == m_iHighlighted || i == m_iButtonCapture) &&
                               (m_iButtonCapture == -1 || m_iButtonCapture == i);
        }

        const BOOL bDisabled = (pButton->m_nStyle & TBBS_DISABLED) && !bCustomizing;
        CTavoPToolbarImageList* pImages = NULL;
        BOOL bFromDisabledList = FALSE;
        if (pButton->m_bUserButton)
            pImages = pButton->GetImage() < 0 ? NULL : m_pUserImages;
        else if (m_bMenuMode)
        {
            if (bDisabled && pMenuDisabled->GetCount() > 0)
            {
                pImages = pMenuDisabled;
                bFromDisabledList = TRUE;
            }
            else if (pMenu->GetCount() > 0)
                pImages = pMenu;
            else if (bDisabled && pDisabled->GetCount() > 0)
            {
                pImages = pDisabled;
                bFromDisabledList = TRUE;
            }
            else
                pImages = pNormal;
        }
        else if (bDisabled && pDisabled->GetCount() > 0)
        {
            pImages = pDisabled;
            bFromDisabledList = TRUE;
        }
        else
        {
            pImages = pNormal;
            if (!bHighlighted && !(pButton->m_nStyle & TBBS_PRESSED) && !pButton->IsDroppedDown() &&
                pCold->GetCount() > 0)
                pImages = pCold;
        }
        prepare(pImages);
        DrawButton(pDC, pButton, pPrepared, bHighlighted, bFromDisabledList);
    }

    if (m_iSelected >= GetCount())
        m_iSelected = -1;
    if (bCustomizing && m_pSelToolbar == this && m_iSelected >= 0)
    {
        CTavoPToolbarButton* pSelected = GetButton(m_iSelected);
        if (pSelected != NULL && pSelected->CanBeStored())
        {
            CRect rect = pSelected->Rect();
            if (pSelected->GetHwnd() != NULL)
                rect.InflateRect(0, 1);
            pDC->Draw3dRect(rect, GetGlobalData().clrWindowFrame, GetGlobalData().clrWindowFrame);
            rect.DeflateRect(1, 1);
            pDC->Draw3dRect(rect, GetGlobalData().clrWindowFrame, GetGlobalData().clrWindowFrame);
        }
    }
    if (m_iDragIndex >= 0)
        DrawDragMarker(pDC);

    pDC->SelectObject(pOldFont);
    if (pDCMem != NULL)
        m_paintBuffer.End(pDCPaint, rectClip);
    prepare(NULL);
    pVisManager->SetFadeInactiveImage(bFadeSaved);

    // An open menu's shadow covers what this bar just painted: the shadow darkens the new picture.
    if (CTavoPPopupMenu::GetActiveMenu() != NULL && !IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
    {
        CRect rectScreen = rectClip;
        ClientToScreen(rectScreen);
        CTavoPPopupMenu::UpdateAllShadows(rectScreen);
    }
}

// ---- tool tips ----

BOOL CTavoPToolBar::GetButtonToolTipText(const CTavoPToolbarButton* pButton, CString& strTTText)
{
    CTavoPFrameHooks* pFrame = CTavoPToolbarButton::GetHookFrame(this);
    return pFrame != NULL && pFrame->GetToolbarButtonToolTipText(
                                 const_cast<CTavoPToolbarButton*>(pButton), strTTText);
}

CString CTavoPToolBar::GetToolTipText(int iButton) const
{
    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
        return CString();

    CString strText;
    const BOOL bValidCommand = pButton->m_nID != 0 && pButton->m_nID != (UINT)-1;
    if (const_cast<CTavoPToolBar*>(this)->GetButtonToolTipText(pButton, strText))
    {}
    else if (bValidCommand && CTavoPUserToolsManager::FindWorkspaceTool(pButton->m_nID) != NULL)
        strText = pButton->m_strText; // a tool has no string resource: its label is the tip
    else if ((bValidCommand && !pButton->m_bUserButton) || pButton->m_strText.IsEmpty())
    {
        CString strMessage;
        if (bValidCommand && strMessage.LoadString(pButton->m_nID))
        {
            strMessage = strMessage.Left(256);
            const int nNewLine = strMessage.Find(_T('\n'));
            if (nNewLine >= 0)
            {
                strText = strMessage.Mid(nNewLine + 1);
                const int nNext = strText.Find(_T('\n'));
                if (nNext >= 0)
                    strText = strText.Left(nNext);
            }
        }
    }
    else
    {
        strText = pButton->m_strText;
        strText.Remove(_T('&'));
    }
    if (strText.IsEmpty())
        return strText;

    if (m_bShowShortcutKeys && bValidCommand)
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
        if (pFrame == NULL)
        {
            CWnd* pOwner = GetOwner();
            pFrame = pOwner != NULL ? pOwner->GetTopLevelFrame() : GetTopLevelFrame();
        }
        CString strKeys;
        CFrameWnd* pActive = pFrame != NULL ? pFrame->GetActiveFrame() : NULL;
        if (pFrame != NULL &&
            (CTavoPKeyboardManager::GetShortcutText(pButton->m_nID, strKeys, pFrame, TRUE) ||
             (pActive != NULL && pActive != pFrame &&
              CTavoPKeyboardManager::GetShortcutText(pButton->m_nID, strKeys, pActive, FALSE))))
            strText += _T(" (") + strKeys + _T(")");
    }
    return strText;
}

INT_PTR CTavoPToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!m_bShowTooltips)
        return -1;
    const int iButton = const_cast<CTavoPToolBar*>(this)->HitTest(point);
    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
        return -1;
    const UINT uiID = pButton->m_nID == (UINT)-1 ? 0 : pButton->m_nID;
    if (pTI != NULL)
    {
        const CString strText = GetToolTipText(iButton);
        if (strText.IsEmpty())
            return -1;
        pTI->lpszText = _tcsdup(strText);
        pTI->rect = pButton->Rect();
        pTI->uId = uiID;
        pTI->hwnd = GetSafeHwnd();
    }
    return uiID;
}

// ---- the status line ----

CWnd* CTavoPToolBar::GetMessageTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner : GetParent();
}

LRESULT CTavoPToolBar::ShowCommandMessage(UINT uiCmdId)
{
    if (m_hookMouseHelp != NULL)
        return (LRESULT)m_hookMouseHelp;
    UINT uiPrompt = uiCmdId;
    if (uiCmdId == (UINT)-1)
        uiPrompt = AFX_IDS_IDLEMESSAGE;
    else if (uiCmdId >= 0xF000 && uiCmdId <= 0xF1EF)
        uiPrompt = 0xEF00 + (uiCmdId - 0xF000) / 16;
    else if (uiCmdId > 0xFEFF)
        uiPrompt = 0xEF1F;
    CWnd* pTarget = GetMessageTarget();
    return pTarget == NULL ? 0 : pTarget->SendMessage(WM_SETMESSAGESTRING, uiPrompt);
}

// ---- the mouse ----

void CTavoPToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const int iButton = HitTest(point);
    if (m_bCustomizeMode && m_pSelToolbar != this)
    {
        if (m_pSelToolbar != NULL && ::IsWindow(m_pSelToolbar->GetSafeHwnd()))
        {
            const int iOld = m_pSelToolbar->m_iSelected;
            m_pSelToolbar->m_iSelected = -1;
            m_pSelToolbar->InvalidateButton(iOld);
        }
        m_pSelToolbar = this;
    }

    if (iButton < 0)
    {
        m_iButtonCapture = -1;
        if (m_bCustomizeMode && !m_bLocked)
        {
            const int iOld = m_iSelected;
            m_iSelected = -1;
            InvalidateButton(iOld);
            SelectButton(-1);
        }
        if (CanFloat() && m_hcurSizeAll != NULL)
            ::SetCursor(m_hcurSizeAll);
        CTavoPBaseToolBar::OnLButtonDown(nFlags, point);
        return;
    }

    m_bAltCustomization =
        m_bAltCustomizingAllowed && !m_bCustomizeMode && (::GetAsyncKeyState(VK_MENU) & 0x8000);

    if ((!m_bCustomizeMode && !m_bAltCustomization) || m_bLocked)
    {
        m_bAltCustomization = FALSE;
        CTavoPToolbarButton* pButton = GetButton(iButton);
        m_iButtonCapture = iButton;
        UpdateButton(iButton);
        // The update handler may have changed the list: look the button up again.
        // A disabled drop-down button is still pressed: holding it shows its choices.
        if (GetButton(iButton) != pButton ||
            ((pButton->m_nStyle & TBBS_DISABLED) &&
             !pButton->IsKindOf(RUNTIME_CLASS(CTavoPDropDownToolbarButton))))
        {
            m_iButtonCapture = -1;
            m_bAltCustomization = FALSE;
            return;
        }
        SetButtonStyle(iButton, pButton->m_nStyle | TBBS_PRESSED);
        InvalidateButton(iButton);
        UpdateWindow();
        ShowCommandMessage(pButton->m_nID);

        if (pButton->OnClick(this, FALSE))
        {
            const int iNow = ButtonToIndex(pButton);
            if (iNow >= 0)
                SetButtonStyle(iNow, pButton->m_nStyle & ~TBBS_PRESSED);
            m_iButtonCapture = -1;
            m_iHighlighted = -1;
            SelectButton(-1);
            Invalidate();
        }
        else
        {
            m_hwndLastCapture = ::SetCapture(GetSafeHwnd());
        }
        m_bAltCustomization = FALSE;
        return;
    }

    // Customize mode: the press selects the button; moving it is a drag of its own.
    const int iOld = m_iSelected;
    m_iSelected = iButton;
    InvalidateButton(iOld);
    CTavoPToolbarButton* pButton = GetButton(iButton);
    m_pDragButton = pButton;
    m_bIsDragCopy = (nFlags & MK_CONTROL) != 0;
    if (!pButton->CanBeCustomized())
        m_iSelected = -1;
    InvalidateButton(iButton);

    if (pButton->CanBeStretched() && point.x >= pButton->Rect().right - 6 && !m_bAltCustomization)
    {
        // The right edge of a stretchable button is dragged until the release.
        m_bStretchButton = TRUE;
        m_rectTrack = pButton->Rect();
        if (pButton->GetHwnd() != NULL)
            m_rectTrack.InflateRect(2, 2);
        m_hwndLastCapture = ::SetCapture(GetSafeHwnd());
        if (m_hcurStretch != NULL)
            ::SetCursor(m_hcurStretch);
        return;
    }
    const HWND hwndThis = GetSafeHwnd();
    DragButton(pButton, point);
    if (m_bAltCustomization)
    {
        m_bAltCustomization = FALSE;
        SetCustomizeMode(FALSE);
        if (::IsWindow(hwndThis))
            Invalidate();
    }
}

void CTavoPToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bCustomizeMode && !m_bLocked)
    {
        if (m_bStretchButton && m_pDragButton != NULL && point.x - m_pDragButton->Rect().left > 4)
        {
            CClientDC dc(this);
            CRect rectNew = m_rectTrack;
            rectNew.right = point.x;
            dc.DrawDragRect(rectNew, CSize(2, 2), m_rectTrack, CSize(2, 2));
            m_rectTrack = rectNew;
            if (m_hcurStretch != NULL)
                ::SetCursor(m_hcurStretch);
        }
        return;
    }
    if (point == m_ptLastMouse)
        return;
    m_ptLastMouse = point;

    int iHot = HitTest(point);
    if (iHot == -1 && ::GetFocus() == GetSafeHwnd())
        iHot = m_iHighlighted;
    CTavoPToolbarButton* pHot = GetButton(iHot);
    if (pHot != NULL && (pHot->m_nStyle & TBBS_SEPARATOR))
        iHot = -1;

    if (!m_bTracked)
    {
        m_bTracked = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), 0};
        TrackMouseLeave(&tme);
    }

    if (iHot != m_iHighlighted)
    {
        if (m_iButtonCapture >= 0)
        {
            // The pressed button looks pressed only while the pointer is over it.
            CTavoPToolbarButton* pPressed = GetButton(m_iButtonCapture);
            if (pPressed != NULL)
            {
                const UINT nStyle = iHot == m_iButtonCapture ? pPressed->m_nStyle | TBBS_PRESSED
                                                             : pPressed->m_nStyle & ~TBBS_PRESSED;
                SetButtonStyle(m_iButtonCapture, nStyle);
            }
        }
        const int iOld = m_iHighlighted;
        m_iHighlighted = iHot;
        if (m_bMenuMode || m_iButtonCapture == -1)
        {
            InvalidateButton(iOld);
            InvalidateButton(iHot);
        }
        CTavoPToolbarButton* pNewHot = GetButton(iHot);
        if (pNewHot != NULL)
            ShowCommandMessage(pNewHot->m_nID);
        else if (m_hookMouseHelp == NULL)
        {
            CWnd* pTarget = GetMessageTarget();
            if (pTarget != NULL)
                pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        }
        SelectButton(iHot);
        UpdateWindow();
    }
    CTavoPBaseToolBar::OnMouseMove(nFlags, point);
}

void CTavoPToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bCustomizeMode && !m_bLocked)
    {
        if (m_bStretchButton && m_pDragButton != NULL)
        {
            const CRect rect = m_pDragButton->Rect();
            if (point.x - rect.left > 4 && abs(point.x - rect.right) > 6)
            {
                m_pDragButton->OnSize(point.x - rect.left);
                AdjustLayout();
            }
            m_bStretchButton = FALSE;
            m_pDragButton = NULL;
            m_rectTrack.SetRectEmpty();
            Invalidate();
            ::ReleaseCapture();
            AdjustSizeImmediate();
        }
        CTavoPBaseToolBar::OnLButtonUp(nFlags, point);
        return;
    }
    if (m_iButtonCapture == -1)
    {
        if (HitTest(point) == -1)
            CTavoPBaseToolBar::OnLButtonUp(nFlags, point);
        return;
    }

    ::ReleaseCapture();
    const int iPressed = m_iButtonCapture;
    // The command handler may change the button list: the button is followed by pointer.
    CTavoPToolbarButton* pButton = GetButton(iPressed);
    m_iHighlighted = HitTest(point);

    UINT nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
    UINT uiCmd = 0;
    const BOOL bOnButton = m_iHighlighted == iPressed;
    if (bOnButton)
    {
        UpdateButton(iPressed);
        nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
        if ((nNewStyle & TBBS_DISABLED) == 0)
        {
            uiCmd = pButton->m_nID;
            if (nNewStyle & TBBS_CHECKBOX)
            {
                nNewStyle &= ~TBBS_INDETERMINATE;
                nNewStyle ^= TBBS_CHECKED;
            }
        }
    }

    if (m_hookMouseHelp == NULL)
    {
        CWnd* pTarget = GetMessageTarget();
        if (pTarget != NULL)
            pTarget->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    }
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    RestoreFocus();

    HWND hwndThis = GetSafeHwnd();
    if (bOnButton && !OnSendCommand(pButton) && uiCmd != 0 && uiCmd != (UINT)-1)
    {
        InvalidateButton(iPressed);
        AddCommandUsage(uiCmd);
        if (!pButton->OnClickUp())
        {
            CWnd* pTarget = GetMessageTarget();
            if (CTavoPUserToolsManager::FindWorkspaceTool(uiCmd) != NULL)
                GetWorkspace()->m_pUserToolsManager->InvokeTool(uiCmd);
            else if (pTarget != NULL)
                pTarget->SendMessage(WM_COMMAND, uiCmd, 0);
        }
    }

    if (::IsWindow(hwndThis))
    {
        const int iNow = ButtonToIndex(pButton);
        if (iNow >= 0)
        {
            SetButtonStyle(iNow, nNewStyle);
            UpdateButton(iNow);
            InvalidateButton(iNow);
        }
        m_ptLastMouse = CPoint(-1, -1);
        OnMouseMove(0, point);
    }
}

void CTavoPToolBar::OnCancelMode()
{
    CTavoPBaseToolBar::OnCancelMode();
    m_bStretchButton = FALSE;
    m_pDragButton = NULL;
    if (::GetCapture() == GetSafeHwnd())
        ::ReleaseCapture();
    CTavoPToolbarButton* pPressed = GetButton(m_iButtonCapture);
    if (pPressed != NULL)
        SetButtonStyle(m_iButtonCapture, pPressed->m_nStyle & ~TBBS_PRESSED);
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    SelectButton(-1);
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        ((CTavoPToolbarButton*)m_Buttons.GetNext(pos))->OnCancelMode();
    Invalidate();
    UpdateWindow();
}

void CTavoPToolBar::OnSysColorChange()
{
    GetGlobalData().UpdateSysColors();
    CTavoPVisualManager::GetInstance()->OnUpdateSystemColors();
    for (int i = 0; i < StripCount; i++)
        SharedImages(i).OnSysColorChange();
    CTavoPToolbarImageList* own[] = {&m_ImagesLocked, &m_ColdImagesLocked, &m_DisabledImagesLocked,
                                     &m_LargeImagesLocked, &m_MenuImagesLocked};
    for (CTavoPToolbarImageList* pImages : own)
        pImages->OnSysColorChange();
    if (m_pUserImages != NULL)
        m_pUserImages->OnSysColorChange();
    Invalidate();
}

// ---- command-UI update ----

static BOOL IsSystemCommand(UINT uiCmd)
{
    return (uiCmd >= 0xF000 && uiCmd <= 0xF1EF) || uiCmd >= 0xFF00;
}

static BOOL IsUserToolCommand(UINT uiCmd)
{
    return CTavoPUserToolsManager::FindWorkspaceTool(uiCmd) != NULL;
}

void CTavoPToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTavoPToolbarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        CTavoPToolbarButton* pButton = GetButton((int)state.m_nIndex);
        if (pButton == NULL)
            return;
        state.m_nID = pButton->m_nID;
        if ((pButton->m_nStyle & TBBS_SEPARATOR) || pButton->m_nID == 0 ||
            IsSystemCommand(pButton->m_nID))
            continue;
        // A user tool has no handler of its own: it runs through the tools manager.
        state.DoUpdate(pTarget, bDisableIfNoHndler && !IsUserToolCommand(pButton->m_nID));
    }
    UpdateDialogControls(pTarget, bDisableIfNoHndler && m_bUpdateDialogControls);
}

void CTavoPToolBar::UpdateButton(int nIndex)
{
    CWnd* pTarget = GetCommandTarget();
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    if (pTarget == NULL || pButton == NULL || IsSystemCommand(pButton->m_nID))
        return;
    BOOL bDisableIfNoHndler = FALSE;
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pTarget);
    if (pFrame != NULL && !IsUserToolCommand(pButton->m_nID))
        bDisableIfNoHndler = pFrame->m_bAutoMenuEnable;

    CTavoPToolbarCmdUI state;
    state.m_pOther = this;
    state.m_nIndex = (UINT)nIndex;
    state.m_nIndexMax = (UINT)GetCount();
    state.m_nID = pButton->m_nID;
    state.DoUpdate(pTarget, bDisableIfNoHndler);
}

CWnd* CTavoPToolBar::GetCommandTarget() const
{
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget == NULL || (m_bRouteToOwner && !pTarget->IsKindOf(RUNTIME_CLASS(CFrameWnd))))
        pTarget = FindOwningFrame(const_cast<CTavoPToolBar*>(this));
    return pTarget;
}
