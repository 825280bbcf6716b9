#include "ui/controls/CTavoPButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWinXPVisualManager.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "res/LibraryIds.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_CANCELMODE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_ENABLE()
    ON_WM_SIZE()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_TIMER()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPButton, CButton)

static const UINT_PTR kAutoRepeatTimer = 1;
// Space between the image, the caption and the edges.
static const int kMargin = 5;

BOOL CTavoPButton::m_bWinXPTheme = FALSE;

CTavoPButton::CTavoPButton()
    : m_nFlatStyle(BUTTONSTYLE_3D), m_nAlignStyle(ALIGN_CENTER), m_bRighImage(FALSE),
      m_bTransparent(FALSE), m_bDrawFocus(TRUE), m_bHighlightChecked(TRUE), m_bGrayDisabled(TRUE),
      m_bResponseOnButtonDown(FALSE), m_bPushed(FALSE), m_bClickiedInside(FALSE),
      m_bHighlighted(FALSE), m_bCaptured(FALSE), m_bHover(FALSE), m_bChecked(FALSE),
      m_bCheckButton(FALSE), m_bRadioButton(FALSE), m_bAutoCheck(FALSE), m_sizeImage(0, 0),
      m_bFullTextTooltip(FALSE), m_bDelayFullTextTooltipSet(FALSE), m_nStdImageId(-1),
      m_nStdImageState(0), m_hCursor(nullptr), m_sizePushOffset(2, 2), m_clrRegular((COLORREF)-1),
      m_clrHover((COLORREF)-1), m_clrFace((COLORREF)-1), m_hFont(nullptr), m_nAutoRepeatTimeDelay(0)
{}

CTavoPButton::~CTavoPButton()
{
    CleanUp();
    if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.DestroyWindow();
}

void CTavoPButton::CleanUp()
{
    m_sizeImage = CSize(0, 0);
    m_nStdImageId = -1;
    m_Image.DeleteImageList();
    m_ImageHot.DeleteImageList();
    m_ImageDisabled.DeleteImageList();
    m_ImageChecked.DeleteImageList();
    m_ImageCheckedHot.DeleteImageList();
    m_ImageCheckedDisabled.DeleteImageList();
}

void CTavoPButton::InitStyle(DWORD dwStyle)
{
    switch (dwStyle & 0x0F)
    {
    case BS_CHECKBOX: m_bCheckButton = TRUE; break;
    case BS_AUTOCHECKBOX:
        m_bCheckButton = TRUE;
        m_bAutoCheck = TRUE;
        break;
    case BS_RADIOBUTTON: m_bRadioButton = TRUE; break;
    case BS_AUTORADIOBUTTON:
        m_bRadioButton = TRUE;
        m_bAutoCheck = TRUE;
        break;
    }
    if (m_bCheckButton || m_bRadioButton)
    {
        switch (dwStyle & BS_CENTER)
        {
        case BS_LEFT: m_nAlignStyle = ALIGN_LEFT; break;
        case BS_RIGHT: m_nAlignStyle = ALIGN_RIGHT; break;
        case BS_CENTER: m_nAlignStyle = ALIGN_CENTER; break;
        }
    }
}

void CTavoPButton::PreSubclassWindow()
{
    InitStyle(GetStyle());
    // The type bits are cleared first: ORed into a radio or three-state type, owner-draw gives
    // 0xF, a type that nothing draws.
    ModifyStyle(0x0F, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
}

BOOL CTavoPButton::PreCreateWindow(CREATESTRUCT& cs)
{
    InitStyle(cs.style);
    // The button type lives in the low bits: owner-draw replaces whatever kind was asked for.
    cs.style &= ~(DWORD)0x0F;
    cs.style |= BS_OWNERDRAW;
    return CButton::PreCreateWindow(cs);
}

void CTavoPButton::SetStdImage(int iImage, int nColorSet)
{
    CleanUp();
    CTavoPMenuGlyphImages::Initialize();
    m_sizeImage = CTavoPMenuGlyphImages::Size();
    m_nStdImageId = iImage;
    m_nStdImageState = nColorSet;
}

void CTavoPButton::SetTooltip(LPCTSTR lpszToolTipText)
{
    if (lpszToolTipText != nullptr)
    {
        if (m_wndToolTip.GetSafeHwnd() == nullptr)
        {
            if (m_hWnd == nullptr || !m_wndToolTip.Create(this, TTS_ALWAYSTIP))
                return;
            m_wndToolTip.AddTool(this, lpszToolTipText);
        }
        else
            m_wndToolTip.UpdateTipText(lpszToolTipText, this);
        m_wndToolTip.Activate(TRUE);
    }
    else if (m_wndToolTip.GetSafeHwnd() != nullptr)
        m_wndToolTip.Activate(FALSE);
}

void CTavoPButton::SetFullTextTooltip(BOOL bFull)
{
    m_bFullTextTooltip = bFull;
    m_bDelayFullTextTooltipSet = bFull;
}

void CTavoPButton::SetMouseCursorHand()
{
    CTavoPGlobalData& data = GetGlobalData();
    if (data.m_hcurHand == nullptr)
    {
        CTavoPResourceScope scope;
        data.m_hcurHand = ::LoadCursor(AfxGetResourceHandle(), MAKEINTRESOURCE(IDC_TAVOP_HAND));
    }
    SetMouseCursor(data.m_hcurHand);
}

BOOL CTavoPButton::AddBitmapTo(CImageList& list, HBITMAP hBitmap)
{
    BITMAP bmp;
    if (hBitmap == nullptr || ::GetObject(hBitmap, sizeof(bmp), &bmp) == 0)
        return FALSE;
    UINT nFlags = ILC_MASK;
    switch (bmp.bmBitsPixel)
    {
    case 8: nFlags |= ILC_COLOR8; break;
    case 16: nFlags |= ILC_COLOR16; break;
    case 24: nFlags |= ILC_COLOR24; break;
    case 32: nFlags |= ILC_COLOR32; break;
    default: nFlags |= ILC_COLOR4; break;
    }
    if (!list.Create(bmp.bmWidth, bmp.bmHeight, nFlags, 0, 0))
        return FALSE;
    HBITMAP hCopy = (HBITMAP)::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0);
    if (hCopy == nullptr)
        return FALSE;
    CBitmap bitmap;
    bitmap.Attach(hCopy);
    list.Add(&bitmap, ::GetSysColor(COLOR_3DFACE));
    return TRUE;
}

void CTavoPButton::SetImage(HBITMAP hBitmap, HBITMAP hBitmapHot, BOOL bChecked)
{
    CImageList& normal = bChecked ? m_ImageChecked : m_Image;
    CImageList& hot = bChecked ? m_ImageCheckedHot : m_ImageHot;
    normal.DeleteImageList();
    hot.DeleteImageList();
    m_nStdImageId = -1;
    if (!AddBitmapTo(normal, hBitmap))
        return;
    BITMAP bmp;
    ::GetObject(hBitmap, sizeof(bmp), &bmp);
    m_sizeImage = CSize(bmp.bmWidth, bmp.bmHeight);
    if (hBitmapHot != nullptr)
        AddBitmapTo(hot, hBitmapHot);
    CreateDisabledImage(hBitmap, bChecked);
}

BOOL CTavoPButton::CreateDisabledImage(HBITMAP hBitmapOrig, BOOL bChecked)
{
    CImageList& target = bChecked ? m_ImageCheckedDisabled : m_ImageDisabled;
    target.DeleteImageList();

    BITMAP bmp;
    if (hBitmapOrig == nullptr || ::GetObject(hBitmapOrig, sizeof(bmp), &bmp) == 0)
        return FALSE;
    const CSize size(bmp.bmWidth, bmp.bmHeight);

    HBITMAP hCopy = (HBITMAP)::CopyImage(hBitmapOrig, IMAGE_BITMAP, 0, 0, 0);
    if (hCopy == nullptr)
        return FALSE;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(nullptr))
    {
        ::DeleteObject(hCopy);
        return FALSE;
    }
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hCopy);
    if (hOld == nullptr)
    {
        ::DeleteObject(hCopy);
        return FALSE;
    }
    ::FillRect(dcMem.GetSafeHdc(), CRect(CPoint(0, 0), size),
               (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());

    {
        // The toolbar image list draws the source in the disabled look the toolbars use.
        CTavoPToolbarImageList images;
        images.SetImageSize(size);
        HBITMAP hSource = (HBITMAP)::CopyImage(hBitmapOrig, IMAGE_BITMAP, 0, 0, 0);
        if (hSource != nullptr && images.AddImage(hSource) >= 0)
        {
            CTavoPDrawState ds;
            if (images.PrepareDraw(ds))
            {
                images.Draw(&dcMem, 0, 0, 0, FALSE, TRUE);
                images.EndDraw(ds);
            }
        }
        if (hSource != nullptr)
            ::DeleteObject(hSource);
    }
    ::SelectObject(dcMem.GetSafeHdc(), hOld);

    BOOL bOk = AddBitmapTo(target, hCopy);
    ::DeleteObject(hCopy);
    return bOk;
}

CFont* CTavoPButton::SelectFont(CDC* pDC)
{
    HFONT hFont = m_hFont != nullptr ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    return CFont::FromHandle((HFONT)::SelectObject(pDC->GetSafeHdc(), hFont));
}

CSize CTavoPButton::SizeToContent(BOOL bCalcOnly)
{
    CString strText;
    GetWindowText(strText);
    CDC* pDC = GetDC();
    CFont* pOldFont = SelectFont(pDC);
    CSize sizeText(0, 0);
    ::GetTextExtentPoint32(pDC->GetSafeHdc(), strText, strText.GetLength(), &sizeText);
    pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);

    int cx = m_sizeImage.cx + sizeText.cx + 2 * kMargin;
    if (sizeText.cx > 0)
        cx += 2 * kMargin;
    const int cy = std::max(m_sizeImage.cy, sizeText.cy) + 2 * kMargin;
    if (!bCalcOnly)
        SetWindowPos(nullptr, -1, -1, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return CSize(cx, cy);
}

void CTavoPButton::ReleaseMouse()
{
    if (m_bCaptured)
    {
        ::ReleaseCapture();
        m_bCaptured = FALSE;
    }
}

void CTavoPButton::RedrawNow()
{
    Invalidate();
    UpdateWindow();
}

void CTavoPButton::SendCommandToParent()
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
}

// ---- drawing ----

void CTavoPButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient = lpDIS->rcItem;
    OnFillBackground(pDC, rectClient);
    OnDrawBorder(pDC, rectClient, lpDIS->itemState);
    OnDraw(pDC, rectClient, lpDIS->itemState);
    if ((lpDIS->itemState & ODS_FOCUS) && m_bDrawFocus)
        OnDrawFocusRect(pDC, rectClient);
}

void CTavoPButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    if (m_bTransparent)
        GetGlobalData().DrawParentBackground(m_hWnd, pDC, const_cast<CRect*>(&rectClient));
    else if (m_clrFace == (COLORREF)-1)
        ::FillRect(pDC->GetSafeHdc(), rectClient,
                   (HBRUSH)GetGlobalData().brBtnFace.GetSafeHandle());
    else
        pDC->FillSolidRect(rectClient, m_clrFace);

    if (m_bChecked && m_bHighlightChecked && !(m_bPushed && m_bHighlighted))
    {
        CTavoPDrawManager dm(*pDC);
        dm.HighlightRect(rectClient);
    }
}

void CTavoPButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    if (m_nFlatStyle == BUTTONSTYLE_NOBORDERS)
    {
        rectClient.DeflateRect(2, 2);
        return;
    }

    CTavoPGlobalData& data = GetGlobalData();
    BOOL bThemed = FALSE;
    if (m_bWinXPTheme)
    {
        CTavoPVisualManager* pManager = CTavoPVisualManager::GetInstance();
        if (pManager != nullptr && pManager->IsKindOf(RUNTIME_CLASS(CTavoPWinXPVisualManager)))
            bThemed = pManager->OnDrawPushButtonBorder(pDC, rectClient, this, uiState);
    }

    const BOOL bPressed = (m_bPushed && m_bHighlighted) || (uiState & ODS_SELECTED) || m_bChecked;
    if (bPressed)
    {
        if (bThemed)
            rectClient.DeflateRect(2, 2);
        else
        {
            pDC->Draw3dRect(rectClient, data.clrBtnDkShadow, data.clrBtnHilite);
            rectClient.DeflateRect(1, 1);
            if (m_nFlatStyle != BUTTONSTYLE_FLAT)
                pDC->Draw3dRect(rectClient, data.clrBtnShadow, data.clrBtnLight);
            rectClient.DeflateRect(1, 1);
        }
        rectClient.left += m_sizePushOffset.cx;
        rectClient.top += m_sizePushOffset.cy;
        return;
    }

    if (bThemed || (m_nFlatStyle == BUTTONSTYLE_FLAT && !m_bHighlighted))
    {
        rectClient.DeflateRect(2, 2);
        return;
    }
    pDC->Draw3dRect(rectClient, data.clrBtnHilite, data.clrBtnDkShadow);
    rectClient.DeflateRect(1, 1);
    if (m_nFlatStyle == BUTTONSTYLE_3D || (m_nFlatStyle == BUTTONSTYLE_SEMIFLAT && m_bHighlighted))
        pDC->Draw3dRect(rectClient, data.clrBtnLight, data.clrBtnShadow);
    rectClient.DeflateRect(1, 1);
}

void CTavoPButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CRect rectFocus = rectClient;
    rectFocus.DeflateRect(2, 2);
    const COLORREF clrFace = m_clrFace == (COLORREF)-1 ? GetGlobalData().clrBtnFace : m_clrFace;
    pDC->Draw3dRect(rectFocus, clrFace, clrFace);
    pDC->DrawFocusRect(rectFocus);
}

void CTavoPButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    CString strText;
    GetWindowText(strText);
    CRect rectText = rect;
    CRect rectImage = rect;

    if (m_sizeImage.cx != 0)
    {
        if (!strText.IsEmpty())
        {
            if (m_bRighImage)
            {
                rectText.right = rect.right - m_sizeImage.cx - kMargin;
                rectImage.left = rectText.right;
                rectImage.right = rect.right - kMargin;
            }
            else
            {
                rectImage.left = rect.left + kMargin;
                rectText.left = rectImage.right = rect.left + m_sizeImage.cx + kMargin;
            }
        }
        rectImage.DeflateRect((rectImage.Width() - m_sizeImage.cx) / 2,
                              std::max(0, (int)((rectImage.Height() - m_sizeImage.cy) / 2)));
    }
    else
        rectImage.SetRectEmpty();

    CFont* pOldFont = SelectFont(pDC);
    pDC->SetBkMode(TRANSPARENT);
    COLORREF clrText = m_clrRegular == (COLORREF)-1 ? GetGlobalData().clrBtnText : m_clrRegular;
    if (m_bHighlighted && m_clrHover != (COLORREF)-1)
        clrText = m_clrHover;

    UINT uiDTFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    switch (m_nAlignStyle)
    {
    case ALIGN_LEFT:
        uiDTFlags |= DT_LEFT;
        rectText.left += kMargin;
        break;
    case ALIGN_RIGHT:
        uiDTFlags |= DT_RIGHT;
        rectText.right -= kMargin;
        break;
    default: uiDTFlags |= DT_CENTER; break;
    }

    const BOOL bDisabled = (uiState & ODS_DISABLED) && m_bGrayDisabled;
    if (bDisabled)
    {
        pDC->SetTextColor(GetGlobalData().clrBtnHilite);
        CRect rectShifted = rectText;
        rectShifted.OffsetRect(1, 1);
        OnDrawText(pDC, rectShifted, strText, uiDTFlags, uiState);
        clrText = GetGlobalData().clrGrayedText;
    }
    pDC->SetTextColor(clrText);

    if (m_bDelayFullTextTooltipSet)
    {
        CSize sizeText(0, 0);
        ::GetTextExtentPoint32(pDC->GetSafeHdc(), strText, strText.GetLength(), &sizeText);
        SetTooltip(sizeText.cx > rectText.Width() ? (LPCTSTR)strText : nullptr);
        m_bDelayFullTextTooltipSet = FALSE;
    }

    OnDrawText(pDC, rectText, strText, uiDTFlags, uiState);

    if (!rectImage.IsRectEmpty())
    {
        if (m_nStdImageId >= 0)
            CTavoPMenuGlyphImages::Draw(pDC, (CTavoPMenuGlyphImages::IMAGES_IDS)m_nStdImageId,
                                        rectImage, m_nStdImageState);
        else
        {
            const BOOL bDisabledState = (uiState & ODS_DISABLED) && m_bGrayDisabled;
            CImageList* pChecked = &m_ImageChecked;
            if (bDisabledState && m_ImageCheckedDisabled.GetSafeHandle() != nullptr)
                pChecked = &m_ImageCheckedDisabled;
            else if (m_bHighlighted && m_ImageCheckedHot.GetSafeHandle() != nullptr)
                pChecked = &m_ImageCheckedHot;
            CImageList* pNormal = &m_Image;
            if (bDisabledState && m_ImageDisabled.GetSafeHandle() != nullptr)
                pNormal = &m_ImageDisabled;
            else if (m_bHighlighted && m_ImageHot.GetSafeHandle() != nullptr)
                pNormal = &m_ImageHot;

            if (m_bChecked && pChecked->GetSafeHandle() != nullptr && pChecked->GetImageCount() > 0)
                pChecked->Draw(pDC, 0, rectImage.TopLeft(), ILD_NORMAL);
            else if (pNormal->GetSafeHandle() != nullptr && pNormal->GetImageCount() > 0)
                pNormal->Draw(pDC, 0, rectImage.TopLeft(), ILD_NORMAL);
        }
    }
    pDC->SelectObject(pOldFont);
}

void CTavoPButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                              UINT /*uiState*/)
{
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, uiDTFlags);
}

// ---- messages ----

BOOL CTavoPButton::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CTavoPButton::OnCancelMode()
{
    Default();
    if (m_bCaptured)
    {
        ReleaseMouse();
        m_bPushed = m_bClickiedInside = m_bHighlighted = m_bHover = FALSE;
        RedrawNow();
    }
    KillTimer(kAutoRepeatTimer);
}

void CTavoPButton::OnMouseMove(UINT nFlags, CPoint point)
{
    m_bHover = FALSE;
    if ((nFlags & MK_LBUTTON) || m_nFlatStyle != BUTTONSTYLE_3D || m_bWinXPTheme)
    {
        BOOL bRedraw = FALSE;
        CRect rectClient;
        GetClientRect(rectClient);
        if (rectClient.PtInRect(point))
        {
            m_bHover = TRUE;
            if (!m_bHighlighted)
            {
                m_bHighlighted = TRUE;
                bRedraw = TRUE;
            }
            if ((nFlags & MK_LBUTTON) && !m_bPushed && m_bClickiedInside)
            {
                m_bPushed = TRUE;
                bRedraw = TRUE;
            }
            if (!m_bCaptured)
            {
                SetCapture();
                m_bCaptured = TRUE;
                RedrawNow();
                Default();
                return;
            }
        }
        else
        {
            if (nFlags & MK_LBUTTON)
            {
                if (m_bPushed)
                {
                    m_bPushed = FALSE;
                    bRedraw = TRUE;
                }
            }
            else if (m_bHighlighted)
            {
                m_bHighlighted = FALSE;
                bRedraw = TRUE;
            }
            if (m_bCaptured && nFlags == 0)
            {
                ReleaseMouse();
                RedrawNow();
                Default();
                return;
            }
        }
        if (bRedraw)
        {
            RedrawNow();
        }
    }
    Default();
}

void CTavoPButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_bResponseOnButtonDown)
    {
        SendCommandToParent();
        return;
    }
    m_bPushed = m_bClickiedInside = m_bHighlighted = TRUE;
    if (!m_bCaptured)
    {
        SetCapture();
        m_bCaptured = TRUE;
    }
    RedrawNow();
    if (m_nAutoRepeatTimeDelay > 0)
        SetTimer(kAutoRepeatTimer, (UINT)m_nAutoRepeatTimeDelay, nullptr);
    Default();
}

void CTavoPButton::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    const BOOL bClicked = m_bPushed && m_bClickiedInside && m_bHighlighted;
    m_bPushed = m_bClickiedInside = m_bHighlighted = FALSE;
    if (bClicked && m_bAutoCheck)
    {
        if (m_bCheckButton)
            m_bChecked = !m_bChecked;
        else if (m_bRadioButton && !m_bChecked)
        {
            m_bChecked = TRUE;
            UncheckOtherRadios();
        }
    }
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Default();
    ReleaseMouse();
    if (m_nAutoRepeatTimeDelay > 0)
        KillTimer(kAutoRepeatTimer);
}

BOOL CTavoPButton::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    if (m_hCursor != nullptr)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        CRect rectClient;
        GetClientRect(rectClient);
        if (rectClient.PtInRect(point))
        {
            ::SetCursor(m_hCursor);
            return TRUE;
        }
    }
    return (BOOL)Default();
}

void CTavoPButton::OnEnable(BOOL bEnable)
{
    if (!bEnable)
    {
        m_bPushed = m_bClickiedInside = m_bHighlighted = FALSE;
        ReleaseMouse();
    }
    Default();
}

void CTavoPButton::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    m_bDelayFullTextTooltipSet = m_bFullTextTooltip;
    Default();
}

void CTavoPButton::OnKillFocus(CWnd* /*pNewWnd*/)
{
    Default();
    ReleaseMouse();
    m_bPushed = m_bClickiedInside = m_bHighlighted = m_bHover = FALSE;
    RedrawNow();
}

void CTavoPButton::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPushed = m_bClickiedInside = m_bHighlighted = TRUE;
    RedrawNow();
    Default();
}

void CTavoPButton::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAutoRepeatTimer && m_bPushed && m_bHighlighted)
        SendCommandToParent();
    Default();
}

LRESULT CTavoPButton::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    if (LOWORD(lParam) && m_hWnd != nullptr)
        RedrawNow();
    return 0;
}

LRESULT CTavoPButton::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)m_hFont;
}

LRESULT CTavoPButton::OnGetCheck(WPARAM, LPARAM)
{
    if (m_bCheckButton || m_bRadioButton)
        return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
    return BST_UNCHECKED;
}

LRESULT CTavoPButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    if ((m_bCheckButton || m_bRadioButton) && m_bChecked != (wParam != BST_UNCHECKED))
    {
        m_bChecked = wParam != BST_UNCHECKED;
        if (m_bRadioButton)
            UncheckOtherRadios();
        RedrawNow();
    }
    return 0;
}

// ---- keyboard ----

BOOL CTavoPButton::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() != nullptr &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN ||
         pMsg->message == WM_LBUTTONUP))
        m_wndToolTip.RelayEvent(pMsg);

    if (pMsg->message == WM_KEYDOWN)
    {
        if (pMsg->wParam == VK_RETURN && CTavoPPopupMenu::GetActiveMenu() == nullptr)
        {
            SendCommandToParent();
            return TRUE;
        }
        if (m_bAutoCheck && GetParent() != nullptr)
        {
            switch (pMsg->wParam)
            {
            case VK_SPACE:
                if (m_bCheckButton)
                {
                    m_bChecked = !m_bChecked;
                    RedrawNow();
                    GetParent()->SendMessage(WM_COMMAND, GetDlgCtrlID(), (LPARAM)m_hWnd);
                    return TRUE;
                }
                break;
            case VK_LEFT:
            case VK_UP:
                if (CheckNextRadio(FALSE))
                    return TRUE;
                break;
            case VK_RIGHT:
            case VK_DOWN:
                if (CheckNextRadio(TRUE))
                    return TRUE;
                break;
            }
        }
    }
    return CButton::PreTranslateMessage(pMsg);
}

BOOL CTavoPButton::CheckNextRadio(BOOL bForward)
{
    if (!m_bRadioButton)
        return FALSE;
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return FALSE;
    for (CWnd* pWnd = pParent->GetNextDlgGroupItem(this, !bForward);
         pWnd != nullptr && pWnd->m_hWnd != m_hWnd;
         pWnd = pParent->GetNextDlgGroupItem(pWnd, !bForward))
    {
        CTavoPButton* pButton =
            DYNAMIC_DOWNCAST(CTavoPButton, CWnd::FromHandlePermanent(pWnd->m_hWnd));
        if (pButton == nullptr || !pButton->m_bRadioButton)
            continue;
        const DWORD dwStyle = pButton->GetStyle();
        if (!(dwStyle & WS_VISIBLE) || (dwStyle & WS_DISABLED))
            continue;
        if (!pButton->m_bChecked)
        {
            pButton->SendMessage(BM_SETCHECK, 1);
            pButton->SetFocus();
            pParent->SendMessage(WM_COMMAND, pButton->GetDlgCtrlID(), (LPARAM)pButton->m_hWnd);
        }
        return TRUE;
    }
    return FALSE;
}

void CTavoPButton::UncheckOtherRadios()
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return;
    for (CWnd* pWnd = pParent->GetNextDlgGroupItem(this); pWnd != nullptr && pWnd->m_hWnd != m_hWnd;
         pWnd = pParent->GetNextDlgGroupItem(pWnd))
    {
        CTavoPButton* pButton =
            DYNAMIC_DOWNCAST(CTavoPButton, CWnd::FromHandlePermanent(pWnd->m_hWnd));
        if (pButton != nullptr && pButton->m_bRadioButton && pButton->m_bChecked)
        {
            pButton->m_bChecked = FALSE;
            pButton->RedrawNow();
        }
    }
}
