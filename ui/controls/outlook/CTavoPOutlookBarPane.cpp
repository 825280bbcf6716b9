#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/controls/outlook/CTavoPOutlookBar.h"
#include "ui/controls/outlook/CTavoPOutlookButton.h"
#include "ui/controls/outlook/CTavoPOutlookWnd.h"
#include "ui/foundation/CTavoPDrawManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPOutlookBarPane, CTavoPToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_NCCALCSIZE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONUP()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPOutlookBarPane, CTavoPToolBar, VERSIONABLE_SCHEMA | 1)

CSize CTavoPOutlookBarPane::m_sizeMinButton(0, 0);

// The transparent colour of the shared outlook images.
static const COLORREF kOutlookTransparent = RGB(255, 0, 255);

CTavoPOutlookBarPane::CTavoPOutlookBarPane()
    : m_clrRegText((COLORREF)-1), m_clrTransparentColor(kOutlookTransparent),
      m_clrBackColor(GetGlobalData().clrBtnShadow), m_nReserved(-1), m_uiBackImageId(0),
      m_iScrollOffset(0), m_iFirstVisibleButton(0), m_bScrollDown(FALSE), m_bIsBackImage(FALSE),
      m_nExtraSpace(0), m_hRecentOutlookWnd(NULL), m_uiHeldScroll(0)
{
    // The labels are part of an outlook button: shown unless the program hides them.
    m_bTextLabels = TRUE;
    m_bDrawBorder = FALSE;
    if (GetImages().GetTransparentColor() != kOutlookTransparent)
    {
        GetImages().SetTransparentColor(kOutlookTransparent);
        GetImages().BuildLightStrip();
    }
}

CTavoPOutlookBarPane::~CTavoPOutlookBarPane()
{}

CTavoPToolbarImageList& CTavoPOutlookBarPane::GetImages()
{
    static CTavoPToolbarImageList images;
    return images;
}

BOOL CTavoPOutlookBarPane::Create(CWnd* pParentWnd, DWORD dwStyle, UINT uiID,
                                  DWORD dwControlBarStyle)
{
    if (!CTavoPToolBar::Create(pParentWnd, dwStyle, uiID))
        return FALSE;
    m_dwControlBarBehaviour = dwControlBarStyle;
    return TRUE;
}

int CTavoPOutlookBarPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetBarStyle(GetBarStyle() & ~(CBRS_BORDER_ANY | CBRS_GRIPPER));
    SetBorders(0, 0, 0, 0);
    // The page lies under the tab window's own buttons.
    SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    if (!CreateScrollButton(m_btnUp, this, kScrollUpId, CTavoPMenuGlyphImages::IdArowUp,
                            CTavoPButton::BUTTONSTYLE_3D) ||
        !CreateScrollButton(m_btnDown, this, kScrollDownId, CTavoPMenuGlyphImages::IdArowDown,
                            CTavoPButton::BUTTONSTYLE_3D))
        return -1;
    return 0;
}

BOOL CTavoPOutlookBarPane::CreateScrollButton(CTavoPButton& button, CWnd* pParent, UINT uiID,
                                              int nGlyph, int nBorderStyle)
{
    CTavoPMenuGlyphImages::Initialize();
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    const CRect rectButton(CPoint(0, 0), CSize(sizeGlyph.cx + 4, sizeGlyph.cy + 4));
    if (!button.Create(_T(""), WS_CHILD | BS_PUSHBUTTON | BS_OWNERDRAW, rectButton, pParent, uiID))
        return FALSE;
    button.SetStdImage(nGlyph, CTavoPMenuGlyphImages::ImageBlack);
    button.SetBorderStyle(nBorderStyle);
    button.SetDrawFocus(FALSE);
    return TRUE;
}

void CTavoPOutlookBarPane::OnDestroy()
{
    // A held scroll button must not leave its repeat running past the pane.
    KillTimer(kScrollUpId);
    KillTimer(kScrollDownId);
    m_uiHeldScroll = 0;
    CTavoPToolBar::OnDestroy();
}

void CTavoPOutlookBarPane::OnSysColorChange()
{
    CTavoPToolBar::OnSysColorChange();
    m_clrBackColor = GetGlobalData().clrBtnShadow;
    if (m_uiBackImageId != 0)
    {
        const UINT uiID = m_uiBackImageId;
        m_uiBackImageId = 0;
        SetBackImage(uiID);
        return;
    }
    m_clrRegText = ::GetSysColor(COLOR_WINDOW);
    Invalidate();
}

void CTavoPOutlookBarPane::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect = lpncsp->rgrc[0];
    CalcInsideRect(rect, FALSE);
    lpncsp->rgrc[0] = rect;
}

void CTavoPOutlookBarPane::OnSize(UINT nType, int cx, int cy)
{
    CTavoPToolBar::OnSize(nType, cx, cy);
    LayoutButtons();

    // A taller pane shows the buttons scrolled away before it shows empty room below them.
    if (m_Buttons.IsEmpty())
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    for (int nGuard = GetCount(); nGuard > 0 && m_iScrollOffset > 0; nGuard--)
    {
        const CTavoPToolbarButton* pLast = (CTavoPToolbarButton*)m_Buttons.GetTail();
        if (pLast->Rect().bottom >= rectClient.bottom)
            break;
        ScrollUp();
    }
}

void CTavoPOutlookBarPane::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case kScrollUpId:
        if (m_btnUp.IsPushed() && m_btnUp.IsHighlighted())
            ScrollUp();
        return;
    case kScrollDownId:
        if (m_btnDown.IsPushed() && m_btnDown.IsHighlighted())
            ScrollDown();
        return;
    }
    CTavoPToolBar::OnTimer(nIDEvent);
}

void CTavoPOutlookBarPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    const HWND hwnd = GetSafeHwnd();
    CTavoPToolBar::OnLButtonUp(nFlags, point);
    if (::IsWindow(hwnd))
        CTavoPToolBar::OnMouseLeave();
}

BOOL CTavoPOutlookBarPane::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

// ---- buttons ----

int CTavoPOutlookBarPane::AddButton(HBITMAP hBitmap, LPCTSTR lpszLabel, UINT uiCommand,
                                    int iInsertAt)
{
    CTavoPToolbarImageList& images = GetImages();
    int iImage = -1;
    if (hBitmap != NULL)
    {
        BITMAP bmp;
        if (::GetObject(hBitmap, sizeof(bmp), &bmp) == 0)
            return -1;
        if (images.GetCount() == 0)
            images.SetImageSize(CSize(bmp.bmWidth, bmp.bmHeight));
        else if (bmp.bmHeight != images.GetImageSize().cy)
            return -1; // a strip holds images of one height only
        const int iFirst = images.GetCount();
        if (images.AddImage(hBitmap) < 0)
            return -1;
        iImage = iFirst;
    }
    CTavoPOutlookButton* pButton = new CTavoPOutlookButton;
    pButton->m_nID = uiCommand;
    pButton->m_strText = lpszLabel != NULL ? lpszLabel : _T("");
    pButton->m_bText = TRUE;
    pButton->m_bImage = iImage >= 0;
    pButton->SetImage(iImage);
    const int iIndex = InsertButton(pButton, iInsertAt);
    if (iIndex < 0)
    {
        delete pButton;
        return -1;
    }
    if (GetSafeHwnd() != NULL)
    {
        LayoutButtons();
        Invalidate();
    }
    return iIndex;
}

int CTavoPOutlookBarPane::AddButton(UINT uiImageResID, LPCTSTR lpszLabel, UINT uiCommand,
                                    int iInsertAt)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uiImageResID),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL)
        return -1;
    const int iIndex = AddButton(hBitmap, lpszLabel, uiCommand, iInsertAt);
    ::DeleteObject(hBitmap);
    return iIndex;
}

void CTavoPOutlookBarPane::RemoveAllButtons()
{
    CTavoPToolBar::RemoveAllButtons();
    m_iScrollOffset = 0;
    m_iFirstVisibleButton = 0;
    LayoutButtons();
}

BOOL CTavoPOutlookBarPane::RestoreOriginalState()
{
    if (m_OrigButtons.IsEmpty())
        return FALSE;
    RemoveAllButtons();
    for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pOriginal = (CTavoPToolbarButton*)m_OrigButtons.GetNext(pos);
        CTavoPToolbarButton* pCopy =
            (CTavoPToolbarButton*)pOriginal->GetRuntimeClass()->CreateObject();
        if (pCopy == NULL)
            continue;
        pCopy->CopyFrom(*pOriginal);
        m_Buttons.AddTail(pCopy);
        pCopy->OnChangeParentWnd(this);
    }
    AdjustLayout();
    Invalidate();
    return TRUE;
}

BOOL CTavoPOutlookBarPane::SmartUpdate(const CObList& lstPrevButtons)
{
    if (lstPrevButtons.IsEmpty())
        return FALSE;
    if (lstPrevButtons.GetCount() == m_OrigButtons.GetCount())
    {
        BOOL bSame = TRUE;
        for (POSITION pos = lstPrevButtons.GetHeadPosition(),
                      posOrig = m_OrigButtons.GetHeadPosition();
             pos != NULL && posOrig != NULL && bSame;)
        {
            const CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)lstPrevButtons.GetNext(pos);
            const CTavoPToolbarButton* pOrig = (CTavoPToolbarButton*)m_OrigButtons.GetNext(posOrig);
            bSame = pButton->CompareWith(*pOrig);
        }
        if (bSame)
            return FALSE;
    }
    RestoreOriginalState();
    return TRUE;
}

// ---- background and colours ----

void CTavoPOutlookBarPane::SetBackImage(UINT uiImageID)
{
    if (uiImageID == m_uiBackImageId)
        return;
    m_bIsBackImage = FALSE;
    m_imgBack.Clear();
    m_uiBackImageId = uiImageID;
    if (uiImageID != 0)
    {
        HBITMAP hbmp =
            (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiImageID), IMAGE_BITMAP,
                                  0, 0, LR_CREATEDIBSECTION | LR_LOADMAP3DCOLORS);
        BITMAP bmp;
        if (hbmp != NULL && ::GetObject(hbmp, sizeof(bmp), &bmp) != 0)
        {
            m_imgBack.SetImageSize(CSize(bmp.bmWidth, bmp.bmHeight));
            m_imgBack.AddImage(hbmp);
        }
        if (hbmp != NULL)
            ::DeleteObject(hbmp);
        if (m_imgBack.GetCount() == 0)
            m_uiBackImageId = 0;
        m_bIsBackImage = m_imgBack.GetCount() > 0 && GetGlobalData().m_nBitsPerPixel > 8;
    }
    if (GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CTavoPOutlookBarPane::SetBackColor(COLORREF clrBack)
{
    m_clrBackColor = clrBack;
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CTavoPOutlookBarPane::SetTextColor(COLORREF clrText)
{
    m_clrRegText = clrText;
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CTavoPOutlookBarPane::OnEraseWorkArea(CDC* pDC, CRect rectWorkArea)
{
    if (m_imgBack.GetCount() == 0)
    {
        pDC->FillSolidRect(rectWorkArea, m_clrBackColor);
        return;
    }
    const CSize sizeImage = m_imgBack.GetImageSize();
    if (sizeImage.cx <= 0 || sizeImage.cy <= 0)
        return;
    CTavoPDrawState ds;
    if (!m_imgBack.PrepareDraw(ds))
        return;
    for (int x = rectWorkArea.left; x < rectWorkArea.right; x += sizeImage.cx)
        for (int y = rectWorkArea.top; y < rectWorkArea.bottom; y += sizeImage.cy)
            m_imgBack.Draw(pDC, x, y, 0);
    m_imgBack.EndDraw(ds);
}

// ---- layout ----

CSize CTavoPOutlookBarPane::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    // The page is sized by the window that holds it, never by its buttons.
    CRect rectWindow;
    GetWindowRect(rectWindow);
    return rectWindow.Size();
}

void CTavoPOutlookBarPane::CancelScrollButtons()
{
    CTavoPButton* buttons[] = {&m_btnUp, &m_btnDown};
    for (CTavoPButton* pButton : buttons)
        if (pButton->GetSafeHwnd() != NULL && pButton->GetDlgCtrlID() != (int)m_uiHeldScroll)
            pButton->SendMessage(WM_CANCELMODE);
}

void CTavoPOutlookBarPane::LayoutButtons()
{
    if (GetSafeHwnd() == NULL)
        return;
    CancelScrollButtons();

    CRect rectClient;
    GetClientRect(rectClient);
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    const CSize sizeScroll(sizeGlyph.cx + 4, sizeGlyph.cy + 4);
    const BOOL bRoom =
        rectClient.Width() >= sizeScroll.cx + 5 && rectClient.Height() >= sizeScroll.cy + 9;

    CSize sizeDefault(rectClient.Width() - 2, m_sizeMinButton.cy);
    if (IsButtonExtraSizeAvailable())
        sizeDefault += CTavoPVisualManager::GetInstance()->GetButtonExtraSize();

    int y = rectClient.top - m_iScrollOffset + m_nExtraSpace;
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            pButton->m_bText = m_bTextLabels;
            pButton->m_bTextBelow = FALSE;
            CTavoPOutlookButton* pOutlookButton = DYNAMIC_DOWNCAST(CTavoPOutlookButton, pButton);
            if (pOutlookButton != NULL)
            {
                pOutlookButton->m_nMinWidth = m_sizeMinButton.cx;
                pOutlookButton->m_nMinHeight = m_sizeMinButton.cy;
            }
            CSize size = pButton->OnCalculateSize(&dc, sizeDefault, FALSE);
            size.cx = std::min((int)size.cx, rectClient.Width() - 1);
            const int x = rectClient.left + (rectClient.Width() - size.cx) / 2;
            const CRect rect(x, y, x + size.cx, y + size.cy);
            if (pButton->Rect() != rect)
                pButton->SetRect(rect);
            y += size.cy + m_nExtraSpace;
        }
        dc.SelectObject(pOldFont);
    }
    m_bScrollDown = rectClient.bottom < y;

    struct
    {
        CTavoPButton& button;
        BOOL bShow;
        CPoint pt;
    } scrolls[] = {
        {m_btnUp, m_iFirstVisibleButton >= 1 && bRoom,
         CPoint(rectClient.right - sizeScroll.cx - 5, rectClient.top + 5)},
        {m_btnDown, m_bScrollDown && bRoom,
         CPoint(rectClient.right - sizeScroll.cx - 5, rectClient.bottom - sizeScroll.cy - 9)}};
    for (auto& scroll : scrolls)
    {
        if (scroll.button.GetSafeHwnd() == NULL)
            continue;
        if (scroll.bShow)
        {
            scroll.button.SetWindowPos(&CWnd::wndTop, scroll.pt.x, scroll.pt.y, sizeScroll.cx,
                                       sizeScroll.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        else
        {
            // A button that goes while held lets the mouse go and stops repeating.
            const UINT uiID = (UINT)scroll.button.GetDlgCtrlID();
            if (uiID == m_uiHeldScroll)
            {
                m_uiHeldScroll = 0;
                StopScrollTimer(uiID);
                scroll.button.SendMessage(WM_CANCELMODE);
            }
            scroll.button.ShowWindow(SW_HIDE);
        }
        scroll.button.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    UpdateTooltips();

    // The tab window the page lies in (directly or in its docking pane) has scroll buttons
    // that follow the page's.
    CWnd* pParent = GetParent();
    CTavoPOutlookWnd* pTabWnd = DYNAMIC_DOWNCAST(CTavoPOutlookWnd, pParent);
    if (pTabWnd == NULL && pParent != NULL)
        pTabWnd = DYNAMIC_DOWNCAST(CTavoPOutlookWnd, pParent->GetParent());
    if (pTabWnd != NULL)
        pTabWnd->OnPageScrolled(this);
}

// ---- scrolling ----

void CTavoPOutlookBarPane::StopScrollTimer(UINT uiTimer)
{
    if (GetSafeHwnd() != NULL)
        KillTimer(uiTimer);
}

void CTavoPOutlookBarPane::ScrollUp()
{
    if (m_iScrollOffset <= 0 || m_iFirstVisibleButton <= 0)
    {
        m_iScrollOffset = 0;
        m_iFirstVisibleButton = 0;
        StopScrollTimer(kScrollUpId);
        return;
    }
    m_iFirstVisibleButton--;
    const CTavoPToolbarButton* pButton = GetButton(m_iFirstVisibleButton);
    m_iScrollOffset -= pButton != NULL ? pButton->Rect().Height() + m_nExtraSpace : 0;
    if (m_iFirstVisibleButton == 0 || m_iScrollOffset < 0)
        m_iScrollOffset = 0;
    LayoutButtons();
    Invalidate();
    UpdateWindow();
    if (m_iFirstVisibleButton == 0)
        StopScrollTimer(kScrollUpId);
}

void CTavoPOutlookBarPane::ScrollDown()
{
    if (!m_bScrollDown || m_iFirstVisibleButton + 1 >= GetCount())
    {
        StopScrollTimer(kScrollDownId);
        return;
    }
    const CTavoPToolbarButton* pButton = GetButton(m_iFirstVisibleButton);
    m_iScrollOffset += pButton->Rect().Height() + m_nExtraSpace;
    m_iFirstVisibleButton++;
    LayoutButtons();
    Invalidate();
    UpdateWindow();
    if (!m_bScrollDown || m_iFirstVisibleButton + 1 >= GetCount())
        StopScrollTimer(kScrollDownId);
}

UINT CTavoPOutlookBarPane::ScrollButtonFromPoint(CPoint ptScreen)
{
    CTavoPButton* buttons[] = {&m_btnUp, &m_btnDown};
    for (CTavoPButton* pButton : buttons)
    {
        if (pButton->GetSafeHwnd() == NULL || !pButton->IsWindowVisible())
            continue;
        CRect rect;
        pButton->GetWindowRect(rect);
        if (rect.PtInRect(ptScreen))
            return (UINT)pButton->GetDlgCtrlID();
    }
    return 0;
}

BOOL CTavoPOutlookBarPane::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    {
        const UINT uiScroll = ScrollButtonFromPoint(pMsg->pt);
        if (pMsg->message == WM_LBUTTONUP && m_uiHeldScroll != 0)
        {
            m_uiHeldScroll = 0;
            StopScrollTimer(kScrollUpId);
            StopScrollTimer(kScrollDownId);
        }
        if (uiScroll == 0)
            break;
        CTavoPButton& button = uiScroll == kScrollUpId ? m_btnUp : m_btnDown;
        CPoint ptButton = pMsg->pt;
        button.ScreenToClient(&ptButton);
        // A quick second click arrives as a double click: it is one more step all the same.
        const BOOL bPress = pMsg->message == WM_LBUTTONDOWN || pMsg->message == WM_LBUTTONDBLCLK;
        if (!bPress)
        {
            // A button that does not hold the mouse learns where it is from the pane.
            if (pMsg->hwnd != button.GetSafeHwnd() && ::GetCapture() != button.GetSafeHwnd())
                button.SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(ptButton.x, ptButton.y));
            break;
        }
        // The press reaches the button first, so that it is held when the first step is
        // laid out; then the pane scrolls once and repeats while the button stays held.
        button.SendMessage(WM_LBUTTONDOWN, pMsg->wParam, MAKELPARAM(ptButton.x, ptButton.y));
        m_uiHeldScroll = uiScroll;
        SetTimer(uiScroll, kScrollRepeatMs, NULL);
        if (uiScroll == kScrollUpId)
            ScrollUp();
        else
            ScrollDown();
        return TRUE;
    }
    }
    return CTavoPToolBar::PreTranslateMessage(pMsg);
}

// ---- painting ----

void CTavoPOutlookBarPane::DoPaint(CDC* pDCPaint)
{
    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    CRect rectClient;
    GetClientRect(rectClient);

    CDC* pDCMem = m_paintBuffer.Begin(pDCPaint, rectClient.Size());
    CDC* pDC = pDCMem != NULL ? pDCMem : pDCPaint;

    CTavoPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClient);
    if (!m_Buttons.IsEmpty())
    {
        pDC->SetTextColor(GetGlobalData().clrBtnText);
        pDC->SetBkMode(TRANSPARENT);
        CFont* pOldFont = pDC->SelectObject(&GetGlobalData().fontRegular);
        CTavoPToolbarImageList& images = GetImages();
        CTavoPDrawState ds;
        const BOOL bPrepared = images.GetCount() > 0 && images.PrepareDraw(ds);
        const BOOL bCustomizing = IsCustomizing();
        int i = 0;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (!CRect().IntersectRect(pButton->Rect(), rectClient))
                continue;
            const BOOL bHighlighted = (!bCustomizing || m_bLocked) &&
                                      (i == m_iHighlighted || i == m_iButtonCapture) &&
                                      (m_iButtonCapture == -1 || m_iButtonCapture == i);
            pButton->OnDraw(pDC, pButton->Rect(), bPrepared ? &images : NULL, FALSE, bCustomizing,
                            bHighlighted, m_bDrawBorder, m_bGrayDisabledButtons);
        }
        if (bPrepared)
            images.EndDraw(ds);
        if (bCustomizing && !m_bLocked && m_pSelToolbar == this && m_iSelected >= 0)
        {
            const CTavoPToolbarButton* pSelected = GetButton(m_iSelected);
            if (pSelected != NULL)
            {
                CRect rect = pSelected->Rect();
                pDC->Draw3dRect(rect, GetGlobalData().clrWindowFrame,
                                GetGlobalData().clrWindowFrame);
                rect.DeflateRect(1, 1);
                pDC->Draw3dRect(rect, GetGlobalData().clrWindowFrame,
                                GetGlobalData().clrWindowFrame);
            }
        }
        if (m_iDragIndex >= 0)
            DrawDragMarker(pDC);
        pDC->SelectObject(pOldFont);
    }
    if (pDCMem != NULL)
        m_paintBuffer.End(pDCPaint, rectClip);
}

// ---- customization and drag and drop ----

CTavoPToolbarButton* CTavoPOutlookBarPane::CreateDroppedButton(COleDataObject* pDataObject)
{
    CTavoPToolbarButton* pButton = CTavoPToolBar::CreateDroppedButton(pDataObject);
    if (pButton != NULL && !pButton->IsKindOf(RUNTIME_CLASS(CTavoPOutlookButton)))
    {
        delete pButton;
        return NULL;
    }
    return pButton;
}

DROPEFFECT CTavoPOutlookBarPane::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                            CPoint point)
{
    if (!CTavoPOutlookButton::IsInOleData(pDataObject))
        return DROPEFFECT_NONE;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    switch (ScrollButtonFromPoint(ptScreen))
    {
    case kScrollUpId: ScrollUp(); return DROPEFFECT_NONE;
    case kScrollDownId: ScrollDown(); return DROPEFFECT_NONE;
    }
    return CTavoPToolBar::OnDragOver(pDataObject, dwKeyState, point);
}

BOOL CTavoPOutlookBarPane::PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup)
{
    if (IsCustomizeMode() && pPopup != NULL)
    {
        // Outlook buttons always show a large image and their label.
        static const UINT kGreyed[] = {16910, 16911, 16913, 16914, 16915, 16916, 16917};
        for (UINT uiCmd : kGreyed)
            pPopup->EnableMenuItem(uiCmd, MF_BYCOMMAND | MF_GRAYED);
    }
    return CTavoPToolBar::PrepareCustomizeMenu(pButton, pPopup);
}

// ---- moving between outlook bars ----

CTavoPOutlookBar* CTavoPOutlookBarPane::GetRecentOutlookBar() const
{
    // Kept as a handle: the bar may have gone while the page floated.
    if (m_hRecentOutlookWnd == NULL || !::IsWindow(m_hRecentOutlookWnd))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPOutlookBar, CWnd::FromHandlePermanent(m_hRecentOutlookWnd));
}

BOOL CTavoPOutlookBarPane::OnBeforeFloat(CRect& /*rectFloat*/, int nDockMethod)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return TRUE;
    if (nDockMethod == TAVOP_DM_MOUSE)
    {
        CRect rectParent;
        pParent->GetWindowRect(rectParent);
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        if (rectParent.PtInRect(ptCursor))
            return FALSE;
    }
    // A page torn out by a double click goes back the same way, so it remembers its bar too.
    CTavoPOutlookBar* pBar = DYNAMIC_DOWNCAST(CTavoPOutlookBar, pParent);
    if (pBar == NULL)
        pBar = DYNAMIC_DOWNCAST(CTavoPOutlookBar, pParent->GetParent());
    if (pBar != NULL)
        m_hRecentOutlookWnd = pBar->GetSafeHwnd();
    return TRUE;
}

BOOL CTavoPOutlookBarPane::DockTargetFromPoint(int /*nSensitivity*/, CTavoPBaseControlBar*& pTarget)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    pTarget = ControlBarFromPoint(ptCursor, 0, TRUE, RUNTIME_CLASS(CTavoPOutlookBar));
    return pTarget != NULL;
}

BOOL CTavoPOutlookBarPane::DockToBarByMouse(CTavoPBaseControlBar* pTarget)
{
    return DockToOutlookBar(pTarget);
}

BOOL CTavoPOutlookBarPane::DockToBar(CTavoPDockBar* pDockBar, LPCRECT /*lpRect*/, int nDockMethod)
{
    switch (nDockMethod)
    {
    case TAVOP_DM_MOUSE: return DockToOutlookBar(pDockBar);
    case TAVOP_DM_RECENT: return DockToOutlookBar(GetRecentOutlookBar());
    }
    return FALSE;
}

BOOL CTavoPOutlookBarPane::DockToOutlookBar(CWnd* pWnd)
{
    CTavoPOutlookBar* pBar = DYNAMIC_DOWNCAST(CTavoPOutlookBar, pWnd);
    if (pBar == NULL || pBar->GetSafeHwnd() == NULL || pBar->GetUnderlinedWindow() == NULL ||
        GetSafeHwnd() == NULL)
        return FALSE;
    // A page still in a bar tears out first: added again it would be a page twice.
    if (IsTabbed())
        return FALSE;
    // The floating frame may be the window whose message runs now: it goes once it sees
    // itself empty, and no drag of the page follows that would have to close it.
    SetParentForDocking(pBar->GetUnderlinedWindow(), TAVOP_DM_RECENT);
    SetBarStyle(GetBarStyle() & ~CBRS_FLOATING);
    return pBar->AddTab(this, TRUE, TRUE, CanFloat());
}
