#include "ui/controls/CTavoPCaptionBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/TavoPTrackMouseLeave.h"
#include "ui/foundation/CTavoPDrawState.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPCaptionBar, CTavoPControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONUP()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPCaptionBar, CTavoPControlBar)

namespace {

// The strip right of a clickable button's label that holds its drop-down arrow.
const int kArrowWidth = 10;
const UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;

}

CTavoPCaptionBar::CTavoPCaptionBar()
    : m_clrBarText((COLORREF)-1), m_clrReserved((COLORREF)-1), m_clrBarBackground((COLORREF)-1),
      m_hIcon(NULL), m_bStretchImage(FALSE), m_nBmpAlignment(ALIGN_LEFT), m_hFont(NULL),
      m_nMessageAlignment(ALIGN_LEFT), m_uiBtnID(0), m_nBtnAlignment(ALIGN_LEFT),
      m_bBtnPressed(FALSE), m_bBtnHot(FALSE), m_bBtnHeld(FALSE), m_bTracked(FALSE),
      m_bBtnEnabled(TRUE), m_nBorderSize(4), m_nMargin(4), m_nHorzElementOffset(4),
      m_nDefaultHeight(-1), m_nCurrentHeight(0), m_bFlatBorder(FALSE), m_nReserved(-1)
{
    m_rectImage.SetRectEmpty();
    m_rectMessageMeasured.SetRectEmpty();
    m_rectMessage.SetRectEmpty();
    m_rectButton.SetRectEmpty();
}

CTavoPCaptionBar::~CTavoPCaptionBar()
{}

BOOL CTavoPCaptionBar::Create(DWORD dwStyle, CWnd* pParentWnd, UINT uiID, int nHeight)
{
    m_nDefaultHeight = nHeight;
    // The bar spans its frame: it neither floats nor closes.
    if (!CTavoPControlBar::CreateEx(0, NULL, dwStyle, CRect(0, 0, 0, 0), pParentWnd, uiID, 0))
        return FALSE;
    if ((GetBarStyle() & CBRS_ALIGN_ANY) == 0)
        SetCurrentAlignment(CBRS_ALIGN_TOP);
    return AddControlBar(this);
}

// ---- the elements

void CTavoPCaptionBar::SetButton(LPCTSTR lpszLabel, UINT uiCmdUI, int nAlignment)
{
    m_strBtnText = lpszLabel != NULL ? lpszLabel : _T("");
    m_uiBtnID = uiCmdUI;
    m_nBtnAlignment = nAlignment;
    m_bBtnPressed = m_bBtnHot = FALSE;
    RecalcAndRedraw();
}

void CTavoPCaptionBar::EnableButton(BOOL bEnable)
{
    m_bBtnEnabled = bEnable;
    m_bBtnPressed = m_bBtnHot = FALSE;
    RecalcAndRedraw();
}

void CTavoPCaptionBar::SetButtonHeld(BOOL bHeld)
{
    m_bBtnHeld = bHeld;
    RedrawButton();
}

void CTavoPCaptionBar::SetIcon(HICON hIcon, int nAlignment)
{
    m_Bitmap.Clear();
    m_hIcon = hIcon;
    m_nBmpAlignment = nAlignment;
    RecalcAndRedraw();
}

BOOL CTavoPCaptionBar::SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch,
                                 int nAlignment)
{
    m_Bitmap.Clear();
    m_hIcon = NULL;
    m_bStretchImage = bStretch;
    m_nBmpAlignment = nAlignment;
    BITMAP bmp;
    BOOL bOk = FALSE;
    if (hBitmap != NULL && ::GetObject(hBitmap, sizeof bmp, &bmp) != 0 && bmp.bmWidth > 0 &&
        bmp.bmHeight > 0)
    {
        m_Bitmap.SetImageSize(CSize(bmp.bmWidth, bmp.bmHeight));
        m_Bitmap.SetTransparentColor(clrTransparent);
        bOk = m_Bitmap.AddImage(hBitmap) >= 0;
        if (!bOk)
            m_Bitmap.Clear();
    }
    RecalcAndRedraw();
    return bOk;
}

void CTavoPCaptionBar::RemoveBitmap()
{
    m_Bitmap.Clear();
    RecalcAndRedraw();
}

void CTavoPCaptionBar::SetText(LPCTSTR lpszText, int nAlignment)
{
    m_strMessage = lpszText != NULL ? lpszText : _T("");
    m_nMessageAlignment = nAlignment;
    RecalcAndRedraw();
}

void CTavoPCaptionBar::SetTextColor(COLORREF clrText)
{
    m_clrBarText = clrText;
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CTavoPCaptionBar::SetBackgroundColor(COLORREF clrBackground)
{
    m_clrBarBackground = clrBackground;
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CTavoPCaptionBar::SetFlatBorder(BOOL bFlat)
{
    m_bFlatBorder = bFlat;
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
}

void CTavoPCaptionBar::SetBorderSize(int nSize)
{
    m_nBorderSize = std::max(0, nSize);
    if (GetSafeHwnd() != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    RecalcAndRedraw();
}

void CTavoPCaptionBar::SetMargin(int nMargin)
{
    m_nMargin = std::max(0, nMargin);
    RecalcAndRedraw();
}

void CTavoPCaptionBar::RecalcAndRedraw()
{
    if (GetSafeHwnd() == NULL)
        return;
    OnBarHook3();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CTavoPCaptionBar::RedrawButton()
{
    if (GetSafeHwnd() == NULL || m_rectButton.IsRectEmpty())
        return;
    RedrawWindow(m_rectButton, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// ---- layout

HFONT CTavoPCaptionBar::GetBarFont() const
{
    return m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

CSize CTavoPCaptionBar::GetImageSize() const
{
    if (m_Bitmap.GetCount() > 0)
        return m_Bitmap.GetImageSize();
    if (m_hIcon == NULL)
        return CSize(0, 0);

    CSize size(0, 0);
    ICONINFO info;
    if (::GetIconInfo(m_hIcon, &info))
    {
        BITMAP bmp;
        if (info.hbmColor != NULL)
        {
            if (::GetObject(info.hbmColor, sizeof bmp, &bmp) != 0)
                size = CSize(bmp.bmWidth, bmp.bmHeight);
        }
        // A monochrome icon has only its mask: the AND half above the XOR half.
        else if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof bmp, &bmp) != 0)
        {
            size = CSize(bmp.bmWidth, bmp.bmHeight / 2);
        }
        if (info.hbmColor != NULL)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask != NULL)
            ::DeleteObject(info.hbmMask);
    }
    return size;
}

void CTavoPCaptionBar::OnBarHook3()
{
    if (GetSafeHwnd() == NULL)
        return;
    if (CFrameWnd* pFrame = GetDockSiteFrame())
        pFrame->RecalcLayout();
    AdjustLayout();
}

CSize CTavoPCaptionBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    AdjustLayout();
    return CSize(32767, m_nCurrentHeight);
}

void CTavoPCaptionBar::ClampRect(CRect& rect, const CRect& bounds, int nMargin, BOOL bKeepSize)
{
    const int nWidth = rect.Width();
    if (rect.left < bounds.left + nMargin)
    {
        rect.left = bounds.left + nMargin;
        if (bKeepSize)
            rect.right = rect.left + nWidth;
    }
    if (rect.right > bounds.right - nMargin)
    {
        rect.right = bounds.right - nMargin;
        if (bKeepSize)
            rect.left = rect.right - nWidth;
    }
}

void CTavoPCaptionBar::TrimRect(CRect& rect, CRect other, BOOL bOtherOnRight) const
{
    if (rect.IsRectEmpty() || other.IsRectEmpty())
        return;
    other.InflateRect(m_nHorzElementOffset, m_nHorzElementOffset);

    const BOOL bLeftInside = rect.left >= other.left && rect.left < other.right;
    const BOOL bRightInside = rect.right > other.left && rect.right <= other.right;
    if (bLeftInside && bRightInside)
        rect.SetRectEmpty();
    else if (rect.left < other.left && rect.right > other.right)
    {
        if (bOtherOnRight)
            rect.right = other.left;
        else
            rect.left = other.right;
    }
    else if (bLeftInside)
        rect.left = other.right;
    else if (bRightInside)
        rect.right = other.left;

    if (bOtherOnRight ? rect.left >= other.right : rect.right <= other.left)
        rect.SetRectEmpty();
}

void CTavoPCaptionBar::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;

    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), GetBarFont());
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);

    const BOOL bHasImage = HasImage();
    const CSize sizeImage = bHasImage ? GetImageSize() : CSize(0, 0);
    m_nCurrentHeight =
        m_nDefaultHeight != -1
            ? m_nDefaultHeight
            : m_nBorderSize + 2 * m_nMargin + std::max((int)sizeImage.cy, (int)tm.tmHeight + 2);

    m_rectImage.SetRectEmpty();
    m_rectButton.SetRectEmpty();
    m_rectMessage.SetRectEmpty();
    m_rectMessageMeasured.SetRectEmpty();

    CRect rectClient;
    GetClientRect(rectClient);
    if (rectClient.IsRectEmpty())
    {
        ::SelectObject(dc.GetSafeHdc(), hOldFont);
        return;
    }

    const int nSpacing = m_nHorzElementOffset;
    int xLeft = rectClient.left + m_nMargin;
    int xRight = rectClient.right - m_nMargin;
    int xCenter = rectClient.Width() / 2;
    const int yMid = rectClient.Height() / 2;
    BOOL bLeftTaken = FALSE, bRightTaken = FALSE;
    BOOL bImageRightOfButton = FALSE, bImageRightOfMessage = FALSE, bButtonRightOfMessage = FALSE;

    // The image: placed now on the left or right, kept for the centre run otherwise.
    if (bHasImage)
    {
        const int nTop = sizeImage.cy < rectClient.Height() ? yMid - sizeImage.cy / 2
                                                            : rectClient.top + m_nMargin;
        const int nBottom = m_bStretchImage ? rectClient.bottom - m_nMargin : nTop + sizeImage.cy;
        switch (m_nBmpAlignment)
        {
        case ALIGN_LEFT:
            m_rectImage.SetRect(xLeft, nTop, xLeft + sizeImage.cx, nBottom);
            xLeft += sizeImage.cx + nSpacing;
            bLeftTaken = TRUE;
            break;
        case ALIGN_RIGHT:
            m_rectImage.SetRect(xRight - sizeImage.cx, nTop, xRight, nBottom);
            xRight -= sizeImage.cx + nSpacing;
            bRightTaken = TRUE;
            bImageRightOfButton = bImageRightOfMessage = TRUE;
            break;
        case ALIGN_CENTER:
            m_rectImage.SetRect(0, nTop, sizeImage.cx, nBottom);
            xCenter -= sizeImage.cx / 2;
            bImageRightOfButton = m_nBtnAlignment == ALIGN_LEFT;
            bImageRightOfMessage = m_nMessageAlignment == ALIGN_LEFT;
            break;
        }
    }

    int nButtonWidth = 0;
    if (!m_strBtnText.IsEmpty())
    {
        nButtonWidth = dc.GetTextExtent(m_strBtnText).cx + 2 * nSpacing;
        if (IsButtonClickable())
            nButtonWidth += kArrowWidth;
        switch (m_nBtnAlignment)
        {
        case ALIGN_LEFT:
        {
            const int x = bLeftTaken ? xLeft : rectClient.left;
            m_rectButton.SetRect(x, rectClient.top, x + nButtonWidth, rectClient.bottom);
            xLeft = m_rectButton.right + nSpacing;
            bLeftTaken = TRUE;
            break;
        }
        case ALIGN_RIGHT:
        {
            const int x = bRightTaken ? xRight : rectClient.right;
            m_rectButton.SetRect(x - nButtonWidth, rectClient.top, x, rectClient.bottom);
            xRight = m_rectButton.left - nSpacing;
            bRightTaken = TRUE;
            bButtonRightOfMessage = TRUE;
            break;
        }
        case ALIGN_CENTER:
            m_rectButton.SetRect(0, rectClient.top, nButtonWidth, rectClient.bottom);
            xCenter -= nButtonWidth / 2;
            bButtonRightOfMessage = m_nMessageAlignment == ALIGN_LEFT;
            break;
        default: ::SelectObject(dc.GetSafeHdc(), hOldFont); return;
        }
    }

    CSize sizeMessage(0, 0);
    if (!m_strMessage.IsEmpty())
    {
        m_rectMessageMeasured = rectClient;
        dc.DrawText(m_strMessage, m_rectMessageMeasured, DT_CALCRECT | DT_VCENTER);
        sizeMessage = m_rectMessageMeasured.Size();
        const int nTop = yMid - sizeMessage.cy / 2;
        switch (m_nMessageAlignment)
        {
        case ALIGN_LEFT:
            m_rectMessage.SetRect(xLeft, nTop, xLeft + sizeMessage.cx, nTop + sizeMessage.cy);
            break;
        case ALIGN_RIGHT:
            m_rectMessage.SetRect(xRight - sizeMessage.cx, nTop, xRight, nTop + sizeMessage.cy);
            break;
        case ALIGN_CENTER: xCenter -= sizeMessage.cx / 2; break;
        default: ::SelectObject(dc.GetSafeHdc(), hOldFont); return;
        }
    }

    // The centre run, in the order image, button, message.
    int x = xCenter;
    if (bHasImage && m_nBmpAlignment == ALIGN_CENTER)
    {
        m_rectImage.OffsetRect(x - m_rectImage.left, 0);
        x = m_rectImage.right + nSpacing;
    }
    if (!m_strBtnText.IsEmpty() && m_nBtnAlignment == ALIGN_CENTER)
    {
        m_rectButton.OffsetRect(x - m_rectButton.left, 0);
        x = m_rectButton.right + nSpacing;
    }
    if (!m_strMessage.IsEmpty() && m_nMessageAlignment == ALIGN_CENTER)
    {
        const int nTop = yMid - sizeMessage.cy / 2;
        m_rectMessage.SetRect(x, nTop, x + sizeMessage.cx, nTop + sizeMessage.cy);
    }
    if (!m_rectMessage.IsRectEmpty())
        ClampRect(m_rectMessage, rectClient, m_nMargin, FALSE);

    if (!m_rectImage.IsRectEmpty())
        ClampRect(m_rectImage, rectClient, m_nMargin, !m_bStretchImage);
    // A button alone at an edge stays flush with it; only beside an image it keeps the margin.
    if (!m_rectButton.IsRectEmpty() && !m_rectImage.IsRectEmpty())
    {
        TrimRect(m_rectButton, m_rectImage, bImageRightOfButton);
        ClampRect(m_rectButton, rectClient, m_nMargin, FALSE);
    }
    TrimRect(m_rectMessage, m_rectImage, bImageRightOfMessage);
    TrimRect(m_rectMessage, m_rectButton, bButtonRightOfMessage);

    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

// ---- drawing

void CTavoPCaptionBar::OnDrawBackground(CDC* pDC, CRect rect)
{
    CTavoPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rect, rect);
}

void CTavoPCaptionBar::OnDrawBorder(CDC* pDC, CRect rect)
{
    rect.InflateRect(2, 0);
    if (m_clrBarBackground != (COLORREF)-1)
        pDC->FillSolidRect(rect, m_clrBarBackground);
    else
        ::FillRect(pDC->GetSafeHdc(), rect, (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    if (!m_bFlatBorder)
        pDC->Draw3dRect(rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnShadow);
}

void CTavoPCaptionBar::OnDrawText(CDC* pDC, CRect rect, const CString& strText)
{
    pDC->DrawText(strText, rect, kTextFormat);
}

void CTavoPCaptionBar::OnDrawImage(CDC* pDC, CRect rect)
{
    if (rect.IsRectEmpty())
        return;
    if (m_hIcon != NULL)
    {
        ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top, m_hIcon, rect.Width(), rect.Height(),
                     0, NULL, DI_NORMAL);
        return;
    }
    if (m_Bitmap.GetCount() <= 0)
        return;
    CTavoPDrawState ds;
    if (!m_Bitmap.PrepareDraw(ds, m_bStretchImage ? rect.Size() : m_rectImage.Size()))
        return;
    m_Bitmap.Draw(pDC, rect.left, rect.top, 0);
    m_Bitmap.EndDraw(ds);
}

void CTavoPCaptionBar::OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bEnabled)
{
    const BOOL bClickable = m_uiBtnID != 0 && bEnabled;
    CRect rectText = rect;
    rectText.DeflateRect(m_nHorzElementOffset, 0);
    if (bClickable)
        rectText.right -= kArrowWidth;
    pDC->DrawText(strButton, rectText, kTextFormat);
    if (!bClickable)
        return;

    // A small downward triangle in the strip right of the label.
    CRect rectBand(rectText.right, rect.bottom - m_nMargin - kArrowWidth,
                   rectText.right + kArrowWidth, rect.bottom - m_nMargin);
    rectBand.DeflateRect(0, 3);
    const int nThird = rectBand.Height() / 3;
    rectBand.DeflateRect(nThird, nThird);
    const int xApex = rectText.right + kArrowWidth / 2;
    const int nHalfBase = (2 * rectBand.Height() + 2) / 2;
    const POINT triangle[] = {{xApex - nHalfBase, rectBand.top},
                              {xApex + nHalfBase, rectBand.top},
                              {xApex, rectBand.bottom + 1}};
    HDC hdc = pDC->GetSafeHdc();
    HBRUSH hbr = ::CreateSolidBrush(::GetTextColor(hdc));
    HGDIOBJ hOldBrush = ::SelectObject(hdc, hbr);
    HGDIOBJ hOldPen = ::SelectObject(hdc, ::GetStockObject(NULL_PEN));
    const int nOldMode = ::SetPolyFillMode(hdc, WINDING);
    ::Polygon(hdc, triangle, 3);
    ::SetPolyFillMode(hdc, nOldMode);
    ::SelectObject(hdc, hOldPen);
    ::SelectObject(hdc, hOldBrush);
    ::DeleteObject(hbr);

    if (m_bBtnPressed || m_bBtnHeld)
        pDC->Draw3dRect(rect, GetGlobalData().clrBtnDkShadow, GetGlobalData().clrBtnHilite);
    else if (m_bBtnHot)
        pDC->Draw3dRect(rect, GetGlobalData().clrBtnHilite, GetGlobalData().clrBtnDkShadow);
}

// ---- messages

int CTavoPCaptionBar::OnCreate(LPCREATESTRUCT /*lpCreateStruct*/)
{
    return Default() == -1 ? -1 : 0;
}

void CTavoPCaptionBar::OnPaint()
{
    CPaintDC dc(this);
    const int nSaved = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrBarText != (COLORREF)-1
                        ? m_clrBarText
                        : CTavoPVisualManager::GetInstance()->GetCaptionBarTextColor());
    ::SelectObject(dc.GetSafeHdc(), GetBarFont());
    if (!m_strBtnText.IsEmpty())
        OnDrawButton(&dc, m_rectButton, m_strBtnText, m_bBtnEnabled);
    if (!m_strMessage.IsEmpty())
        OnDrawText(&dc, m_rectMessage, m_strMessage);
    if (HasImage())
        OnDrawImage(&dc, m_rectImage);
    dc.RestoreDC(nSaved);
}

BOOL CTavoPCaptionBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    OnDrawBackground(pDC, rectClient);
    return TRUE;
}

void CTavoPCaptionBar::OnSize(UINT nType, int cx, int cy)
{
    CTavoPControlBar::OnSize(nType, cx, cy);
    AdjustLayout();
    Invalidate();
}

void CTavoPCaptionBar::OnSysColorChange()
{}

void CTavoPCaptionBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    lpncsp->rgrc[0].top += m_nBorderSize;
    lpncsp->rgrc[0].bottom -= m_nBorderSize;
}

void CTavoPCaptionBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow, rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);

    OnDrawBorder(&dc, CRect(rectWindow.left, rectWindow.bottom - m_nBorderSize, rectWindow.right,
                            rectWindow.bottom));
    OnDrawBorder(&dc, CRect(rectWindow.left, 0, rectWindow.right, m_nBorderSize));
}

void CTavoPCaptionBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CTavoPControlBar::OnLButtonDown(nFlags, point);
    if (!IsButtonClickable() || !m_bBtnHot)
        return;
    m_bBtnPressed = TRUE;
    RedrawButton();
    // The command goes out on the press: the button acts like a menu header, not a push button.
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget != NULL)
        pTarget->SendMessage(WM_COMMAND, m_uiBtnID, 0);
}

void CTavoPCaptionBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bBtnPressed)
    {
        m_bBtnPressed = FALSE;
        RedrawButton();
    }
    CTavoPControlBar::OnLButtonUp(nFlags, point);
}

void CTavoPCaptionBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CTavoPControlBar::OnMouseMove(nFlags, point);
    if (!IsButtonClickable())
        return;

    const BOOL bHot = m_rectButton.PtInRect(point);
    if (bHot != m_bBtnHot)
    {
        m_bBtnHot = bHot;
        m_bBtnPressed = (nFlags & MK_LBUTTON) && bHot;
        RedrawButton();
    }
    if (!m_bTracked)
    {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, GetSafeHwnd(), HOVER_DEFAULT};
        m_bTracked = TrackMouseLeave(&tme);
    }
}

void CTavoPCaptionBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (CTavoPToolBar::IsCustomizeMode())
    {
        Default();
        return;
    }
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget == NULL)
        return;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    pTarget->SendMessage(GetPopupMenuMessage(), (WPARAM)GetSafeHwnd(),
                         MAKELPARAM(ptScreen.x, ptScreen.y));
}

LRESULT CTavoPCaptionBar::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    OnBarHook3();
    if (LOWORD(lParam))
        Invalidate();
    return 0;
}

LRESULT CTavoPCaptionBar::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return (LRESULT)m_hFont;
}

void CTavoPCaptionBar::OnMouseLeave()
{
    m_bTracked = FALSE;
    if (m_bBtnPressed || m_bBtnHot)
    {
        m_bBtnPressed = m_bBtnHot = FALSE;
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}
