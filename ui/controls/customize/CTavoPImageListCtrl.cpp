#include "ui/controls/customize/CTavoPImageListCtrl.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPDrawState.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPImageListCtrl, CButton)
    ON_WM_LBUTTONDOWN()
    ON_WM_VSCROLL()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SIZE()
    ON_WM_CTLCOLOR()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPImageListCtrl, CButton)

CTavoPImageListCtrl::CTavoPImageListCtrl()
    : m_pImages(nullptr), m_sizeButton(0, 0), m_bInited(FALSE), m_bIsFocused(FALSE),
      m_pSelButton(nullptr), m_iScrollOffset(0), m_iScrollTotal(0), m_iScrollPage(0),
      m_bEnableDragFromList(FALSE)
{}

CTavoPImageListCtrl::~CTavoPImageListCtrl()
{}

void CTavoPImageListCtrl::SetImages(CTavoPToolbarImageList* pImages)
{
    m_pImages = pImages;
    if (pImages != nullptr)
    {
        const CSize sizeImage = pImages->GetImageSize();
        m_sizeButton = CSize(sizeImage.cx + 6, sizeImage.cy + 7);
    }
    RemoveButtons();
}

void CTavoPImageListCtrl::AddButton(CTavoPToolbarButton* pButton)
{
    m_Buttons.AddTail(pButton);
    pButton->OnChangeParentWnd(this);
    RecalcLayout();
    pButton->EnableWindow(FALSE);
}

void CTavoPImageListCtrl::RemoveButtons()
{
    m_pSelButton = nullptr;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
        ((CTavoPToolbarButton*)m_Buttons.GetNext(pos))->OnChangeParentWnd(nullptr);
    m_Buttons.RemoveAll();
    m_iScrollOffset = m_iScrollTotal = m_iScrollPage = 0;
    if (m_wndScrollBar.GetSafeHwnd() != nullptr)
    {
        m_wndScrollBar.EnableScrollBar(ESB_DISABLE_BOTH);
        m_wndScrollBar.SetScrollRange(0, 0);
    }
}

CScrollBar* CTavoPImageListCtrl::GetScrollBarCtrl(int nBar) const
{
    if (nBar == SB_VERT && m_wndScrollBar.GetSafeHwnd() != nullptr)
        return const_cast<CScrollBar*>(&m_wndScrollBar);
    return nullptr;
}

CRect CTavoPImageListCtrl::GetScreenRect(const CTavoPToolbarButton* pButton) const
{
    CRect rect = pButton->Rect();
    rect.OffsetRect(0, -m_iScrollOffset);
    return rect;
}

void CTavoPImageListCtrl::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr || m_Buttons.IsEmpty())
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect = rectClient;
    rect.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    rect.DeflateRect(4, 5);

    CClientDC dc(this);
    int x = rect.left;
    int y = rect.top;
    CTavoPToolbarButton* pLast = nullptr;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        CSize size = pButton->OnCalculateSize(&dc, m_sizeButton, TRUE);
        if (x + size.cx > rect.right && x != rect.left)
        {
            x = rect.left;
            y += size.cy + 5;
        }
        if (x + size.cx > rect.right)
            size.cx = rect.Width();
        const CRect rectButton(x, y, x + size.cx, y + m_sizeButton.cy);
        if (rectButton != pButton->Rect())
            pButton->SetRect(rectButton);
        x += size.cx + 4;
        pLast = pButton;
    }

    const int nStep = GetRowStep();
    m_iScrollPage = rect.Height() / nStep;
    const int nExtraRows = pLast->Rect().bottom / nStep - m_iScrollPage;
    if (nExtraRows > 0)
    {
        if (m_wndScrollBar.GetSafeHwnd() == nullptr)
        {
            CRect rectBar = rectClient;
            rectBar.DeflateRect(1, 1);
            rectBar.left = rectBar.right - ::GetSystemMetrics(SM_CXVSCROLL);
            m_wndScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, rectBar, this, 1);
        }
        m_iScrollTotal = nExtraRows * nStep;
        m_wndScrollBar.EnableScrollBar(ESB_ENABLE_BOTH);
        m_wndScrollBar.SetScrollRange(0, m_iScrollTotal);
    }
    m_bInited = TRUE;
}

CTavoPToolbarButton* CTavoPImageListCtrl::HitTest(CPoint point) const
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (GetScreenRect(pButton).PtInRect(point))
            return pButton;
    }
    return nullptr;
}

void CTavoPImageListCtrl::InvalidateButton(const CTavoPToolbarButton* pButton)
{
    if (pButton == nullptr || GetSafeHwnd() == nullptr)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect = GetScreenRect(pButton);
    rect.InflateRect(2, 2);
    rect.IntersectRect(rect, rectClient);
    InvalidateRect(rect);
}

void CTavoPImageListCtrl::SelectButton(CTavoPToolbarButton* pButton)
{
    if (pButton == m_pSelButton)
    {
        InvalidateButton(pButton);
        UpdateWindow();
        return;
    }

    CTavoPToolbarButton* pOld = m_pSelButton;
    m_pSelButton = pButton;
    InvalidateButton(pOld);
    InvalidateButton(pButton);

    if (pButton != nullptr)
    {
        CRect rectClient;
        GetClientRect(rectClient);
        const CRect rect = GetScreenRect(pButton);
        if (rect.bottom <= rectClient.top || rect.top >= rectClient.bottom)
        {
            const int iOffset = std::max(
                0, std::min(m_iScrollTotal, (int)(pButton->Rect().bottom - rectClient.Height())));
            if (iOffset != m_iScrollOffset)
            {
                m_iScrollOffset = iOffset;
                if (m_wndScrollBar.GetSafeHwnd() != nullptr)
                    m_wndScrollBar.SetScrollPos(m_iScrollOffset);
                Invalidate();
            }
        }
    }

    UpdateWindow();
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

BOOL CTavoPImageListCtrl::SelectImage(int iImage)
{
    if (iImage < 0)
    {
        SelectButton(nullptr);
        return TRUE;
    }
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->GetImage() == iImage)
        {
            SelectButton(pButton);
            return TRUE;
        }
    }
    return FALSE;
}

void CTavoPImageListCtrl::ScrollTo(int iOffset)
{
    iOffset = std::max(0, std::min(m_iScrollTotal, iOffset));
    if (iOffset == m_iScrollOffset)
        return;
    m_iScrollOffset = iOffset;
    if (m_wndScrollBar.GetSafeHwnd() != nullptr)
        m_wndScrollBar.SetScrollPos(m_iScrollOffset);
    CRect rect;
    GetClientRect(rect);
    rect.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 2;
    rect.DeflateRect(1, 1);
    InvalidateRect(rect);
}

void CTavoPImageListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rectItem = lpDIS->rcItem;
    CTavoPGlobalData& data = GetGlobalData();

    if (!m_bInited)
        RecalcLayout();

    CRect rectClip;
    if (pDC->GetClipBox(rectClip) == NULLREGION)
        rectClip = rectItem;
    CRect rectInside = rectItem;
    rectInside.DeflateRect(1, 1);
    pDC->FillRect(rectInside, &data.brBtnFace);

    if (m_pImages != nullptr)
    {
        CTavoPDrawState ds;
        if (!m_pImages->PrepareDraw(ds))
            return;
        const BOOL bEnabled = IsWindowEnabled();
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            CRect rect = GetScreenRect(pButton);
            if (rect.top >= rectClip.bottom)
                break;
            CRect rectCommon;
            if (!rectCommon.IntersectRect(rect, rectClip))
                continue;

            const UINT nSaveStyle = pButton->m_nStyle;
            if (!bEnabled)
                pButton->m_nStyle |= TBBS_DISABLED;
            pButton->OnDraw(pDC, rect, m_pImages, TRUE, TRUE);
            pButton->m_nStyle = nSaveStyle;

            if (pButton == m_pSelButton && bEnabled)
            {
                if (pButton->GetHwnd() != nullptr)
                    rect.InflateRect(0, 2);
                if (m_bIsFocused)
                    pDC->Draw3dRect(rect, data.clrBtnShadow, data.clrBtnHilite);
                else
                {
                    pDC->DrawFocusRect(rect);
                    rect.DeflateRect(1, 1);
                    pDC->DrawFocusRect(rect);
                }
            }
        }
        m_pImages->EndDraw(ds);
    }

    pDC->Draw3dRect(rectItem, data.clrBtnShadow, data.clrBtnHilite);
}

void CTavoPImageListCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    SelectButton(HitTest(point));
}

void CTavoPImageListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const int nStep = GetRowStep();
    int iOffset = m_iScrollOffset;
    switch (nSBCode)
    {
    case SB_LINEUP: iOffset -= nStep; break;
    case SB_LINEDOWN: iOffset += nStep; break;
    case SB_PAGEUP: iOffset -= nStep * m_iScrollPage; break;
    case SB_PAGEDOWN: iOffset += nStep * m_iScrollPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: iOffset = ((int)nPos + nStep / 2) / nStep * nStep; break;
    case SB_TOP: iOffset = 0; break;
    case SB_BOTTOM: iOffset = m_iScrollTotal; break;
    default: return;
    }
    ScrollTo(iOffset);
}

void CTavoPImageListCtrl::OnEnable(BOOL bEnable)
{
    Invalidate();
}

void CTavoPImageListCtrl::OnSysColorChange()
{
    CButton::OnSysColorChange();
    if (m_pImages != nullptr)
        m_pImages->OnSysColorChange();
    Invalidate();
}

void CTavoPImageListCtrl::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    RecalcLayout();
}

HBRUSH CTavoPImageListCtrl::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH hbr = CButton::OnCtlColor(pDC, pWnd, nCtlColor);
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        HWND hwnd = pButton->GetHwnd();
        if (hwnd != nullptr &&
            (hwnd == pWnd->GetSafeHwnd() || ::IsChild(hwnd, pWnd->GetSafeHwnd())))
        {
            HBRUSH hbrButton = pButton->OnCtlColor(pDC, nCtlColor);
            return hbrButton != nullptr ? hbrButton : hbr;
        }
    }
    return hbr;
}

void CTavoPImageListCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_Buttons.IsEmpty())
    {
        CButton::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    POSITION posSel = m_pSelButton != nullptr ? m_Buttons.Find(m_pSelButton) : nullptr;
    CTavoPToolbarButton* pNew = nullptr;
    switch (nChar)
    {
    case VK_HOME: pNew = (CTavoPToolbarButton*)m_Buttons.GetHead(); break;
    case VK_END: pNew = (CTavoPToolbarButton*)m_Buttons.GetTail(); break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (posSel == nullptr)
            pNew = (CTavoPToolbarButton*)m_Buttons.GetHead();
        else
        {
            if (nChar == VK_LEFT || nChar == VK_UP)
                m_Buttons.GetPrev(posSel);
            else
                m_Buttons.GetNext(posSel);
            if (posSel != nullptr)
                pNew = (CTavoPToolbarButton*)m_Buttons.GetAt(posSel);
        }
        break;
    default: CButton::OnKeyDown(nChar, nRepCnt, nFlags); return;
    }
    if (pNew != nullptr)
        SelectButton(pNew);
}

UINT CTavoPImageListCtrl::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CTavoPImageListCtrl::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    m_bIsFocused = TRUE;
    if (m_pSelButton == nullptr && !m_Buttons.IsEmpty())
        SelectButton((CTavoPToolbarButton*)m_Buttons.GetHead());
    InvalidateButton(m_pSelButton);
}

void CTavoPImageListCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    m_bIsFocused = FALSE;
    InvalidateButton(m_pSelButton);
}

BOOL CTavoPImageListCtrl::OnEraseBkgnd(CDC* pDC)
{
    return TRUE;
}
