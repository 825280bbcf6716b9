#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/TavoPWindowClass.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <new>
#include <string.h>

BEGIN_MESSAGE_MAP(CTavoPStatusBar, CTavoPControlBar)
    ON_WM_SIZE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTestMessage)
    ON_MESSAGE(WM_SYSCOMMAND, OnSysCommandMessage)
    ON_MESSAGE(WM_TIMER, OnTimerMessage)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
    ON_MESSAGE(WM_WINDOWPOSCHANGED, OnWindowPosChangedMessage)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPStatusBar, CTavoPControlBar)

namespace {

// What a frame hands each bar while it shares out its client area.
struct SizeParentParams
{
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal;
    BOOL bStretch;
};

// A copy of text in memory of its own; null for an empty text or when memory runs out.
LPTSTR CopyText(LPCTSTR lpszText)
{
    if (lpszText == NULL || *lpszText == '\0')
        return NULL;
    const size_t nLength = strlen(lpszText);
    LPTSTR lpszCopy = new (std::nothrow) char[nLength + 1];
    if (lpszCopy != NULL)
        memcpy(lpszCopy, lpszText, nLength + 1);
    return lpszCopy;
}

void FreeText(LPTSTR& lpszText)
{
    delete[] lpszText;
    lpszText = NULL;
}

BOOL SameText(LPCTSTR lpszOld, LPCTSTR lpszNew)
{
    const BOOL bOldEmpty = lpszOld == NULL || *lpszOld == '\0';
    const BOOL bNewEmpty = lpszNew == NULL || *lpszNew == '\0';
    if (bOldEmpty || bNewEmpty)
        return bOldEmpty == bNewEmpty;
    return strcmp(lpszOld, lpszNew) == 0;
}

// The longest prefix of at most nMax bytes that does not split a double-byte character.
int WholeCharacters(LPCTSTR lpszText, int nMax)
{
    int n = 0;
    while (n < nMax && lpszText[n] != '\0')
    {
        const int nStep = ::IsDBCSLeadByte((BYTE)lpszText[n]) && lpszText[n + 1] != '\0' ? 2 : 1;
        if (n + nStep > nMax)
            break;
        n += nStep;
    }
    return n;
}

}

CTavoPStatusBar::CTavoPStatusBar()
    : m_hFont(NULL), m_hFontMeasured(NULL), m_lfMeasured(), m_cyFontMeasured(0), m_cxSizeGrip(0),
      m_bHideSizeGrip(FALSE), m_bPaneDoubleClick(FALSE)
{
    m_rectSizeGrip.SetRectEmpty();
    SetBorders(4, 2, 0, 0);
}

CTavoPStatusBar::~CTavoPStatusBar()
{
    for (int i = 0; i < m_nElements; i++)
        ReleasePane(PaneAt(i));
}

// ---- creation

BOOL CTavoPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CTavoPStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    const CString strClass = TavoPRegisterWindowClass(
        "TavoStatusBar", CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    m_dwBarStyle = 0;
    if (!CTavoPControlBar::CreateEx(dwCtrlStyle, strClass, dwStyle | WS_CLIPSIBLINGS, CRect(),
                                    pParentWnd, nID, 0, NULL))
        return FALSE;
    // PreCreateWindow may have dropped the border bits; only the bar bits stay.
    m_dwBarStyle &= CBRS_ALL;
    AddControlBar(this);
    return TRUE;
}

BOOL CTavoPStatusBar::PreCreateWindow(CREATESTRUCT& cs)
{
    // A bottom bar with only its top border draws no border line of its own.
    if ((m_dwBarStyle & 0xFF00) == (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP))
        m_dwBarStyle &= ~(CBRS_BORDER_ANY | CBRS_BORDER_3D);
    return CTavoPControlBar::PreCreateWindow(cs);
}

// ---- panes

CTavoPStatusBarPane* CTavoPStatusBar::PaneAt(int nIndex) const
{
    return ((CTavoPStatusBarPane*)m_pElements) + nIndex;
}

int CTavoPStatusBar::ResolveIndex(int nIndex) const
{
    if (nIndex == StretchPaneIndex && m_nElements < StretchPaneIndex)
    {
        for (int i = 0; i < m_nElements; i++)
        {
            if (PaneAt(i)->nStyle & SBPS_STRETCH)
                return i;
        }
        return -1;
    }
    return nIndex >= 0 && nIndex < m_nElements ? nIndex : -1;
}

CTavoPStatusBarPane* CTavoPStatusBar::GetPane(int nIndex) const
{
    const int i = ResolveIndex(nIndex);
    return i < 0 ? NULL : PaneAt(i);
}

void CTavoPStatusBar::StopAnimation(CTavoPStatusBarPane* pPane)
{
    if (pPane->nFrameCount > 0 && m_hWnd != NULL)
        KillTimer(pPane->nID);
    pPane->nFrameCount = 0;
    pPane->nCurrFrame = 0;
}

void CTavoPStatusBar::ReleasePane(CTavoPStatusBarPane* pPane)
{
    StopAnimation(pPane);
    FreeText(pPane->lpszText);
    FreeText(pPane->lpszToolTip);
    if (pPane->hImageList != NULL)
        ::ImageList_Destroy(pPane->hImageList);
    pPane->hImageList = NULL;
}

BOOL CTavoPStatusBar::SetPanes(const UINT* lpIDArray, int nIDCount)
{
    // The old panes take their images, tool tips and running timers with them.
    for (int i = 0; i < m_nElements; i++)
        ReleasePane(PaneAt(i));
    if (nIDCount < 0)
        nIDCount = 0;
    if (!AllocElements(nIDCount, sizeof(CTavoPStatusBarPane)))
        return FALSE;
    for (int i = 0; i < m_nElements; i++)
    {
        CTavoPStatusBarPane* pPane = PaneAt(i);
        pPane->clrText = (COLORREF)-1;
        pPane->clrProgressBar = (COLORREF)-1;
        pPane->clrProgressBarDest = (COLORREF)-1;
        pPane->clrProgressText = (COLORREF)-1;
    }
    if (lpIDArray == NULL)
    {
        RecalcLayout();
        SyncToolTips();
        return TRUE;
    }

    BOOL bResult = TRUE;
    HDC hdc = ::GetDC(NULL);
    HGDIOBJ hOldFont = ::SelectObject(hdc, GetCurrentFont());
    for (int i = 0; i < m_nElements; i++)
    {
        CTavoPStatusBarPane* pPane = PaneAt(i);
        pPane->nID = lpIDArray[i];
        if (pPane->nID != 0)
        {
            CString strText;
            if (!strText.LoadString(pPane->nID))
            {
                bResult = FALSE;
                break;
            }
            SIZE size = {0, 0};
            ::GetTextExtentPoint32A(hdc, strText, strText.GetLength(), &size);
            pPane->cxText = size.cx;
            pPane->lpszText = CopyText(strText);
            if (pPane->lpszText == NULL && !strText.IsEmpty())
            {
                bResult = FALSE;
                break;
            }
        }
        else
        {
            pPane->cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0)
                pPane->nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(NULL, hdc);
    RecalcLayout();
    SyncToolTips();
    return bResult;
}

int CTavoPStatusBar::IndexOfCommand(UINT nID) const
{
    for (int i = 0; i < m_nElements; i++)
    {
        if (PaneAt(i)->nID == nID)
            return i;
    }
    return -1;
}

UINT CTavoPStatusBar::GetItemID(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->nID : 0;
}

void CTavoPStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane != NULL)
        *lpRect = pPane->rect;
    else
        ::SetRectEmpty(lpRect);
}

void CTavoPStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    nID = pPane != NULL ? pPane->nID : 0;
    nStyle = pPane != NULL ? pPane->nStyle : 0;
    cxWidth = pPane != NULL ? pPane->cxText : 0;
}

void CTavoPStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == NULL)
        return;
    const BOOL bLayout = pPane->cxText != cxWidth || ((pPane->nStyle ^ nStyle) & SBPS_STRETCH);
    pPane->nID = nID;
    pPane->cxText = cxWidth < 0 ? 0 : cxWidth;
    SetPaneStyle(nIndex, nStyle);
    if (bLayout)
    {
        RecalcLayout();
        if (m_hWnd != NULL)
            Invalidate(FALSE);
    }
}

UINT CTavoPStatusBar::GetPaneStyle(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->nStyle : 0;
}

void CTavoPStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == NULL || pPane->nStyle == nStyle)
        return;
    pPane->nStyle = nStyle;
    if (m_hWnd != NULL)
    {
        InvalidateRect(&pPane->rect, FALSE);
        UpdateWindow();
    }
}

int CTavoPStatusBar::GetPaneWidth(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->cxText : 0;
}

void CTavoPStatusBar::SetPaneWidth(int nIndex, int cx)
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == NULL || pPane->cxText == cx)
        return;
    pPane->cxText = cx < 0 ? 0 : cx;
    RecalcLayout();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

CString CTavoPStatusBar::GetPaneText(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL && pPane->lpszText != NULL ? CString(pPane->lpszText) : CString();
}

BOOL CTavoPStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0)
        return FALSE;
    CTavoPStatusBarPane* pPane = PaneAt(i);
    // The clock rewrites the same text every second: that must not repaint.
    if (SameText(pPane->lpszText, lpszNewText))
        return TRUE;
    LPTSTR lpszCopy = CopyText(lpszNewText);
    if (lpszCopy == NULL && lpszNewText != NULL && *lpszNewText != '\0')
        return FALSE;
    FreeText(pPane->lpszText);
    pPane->lpszText = lpszCopy;
    if (bUpdate)
        InvalidatePaneContent(i);
    return TRUE;
}

void CTavoPStatusBar::SetPaneTextColor(int nIndex, COLORREF clrText, BOOL bUpdate)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0 || PaneAt(i)->clrText == clrText)
        return;
    PaneAt(i)->clrText = clrText;
    if (bUpdate)
        InvalidatePaneContent(i);
}

void CTavoPStatusBar::SetPaneIcon(int nIndex, HICON hIcon, BOOL bUpdate)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0)
        return;
    CTavoPStatusBarPane* pPane = PaneAt(i);
    if (pPane->nFrameCount > 0)
    {
        // An animation's frames are not an icon: the pane starts over with a list of its own.
        StopAnimation(pPane);
        if (pPane->hImageList != NULL)
            ::ImageList_Destroy(pPane->hImageList);
        pPane->hImageList = NULL;
    }
    if (hIcon == NULL)
    {
        if (pPane->hImageList != NULL)
            ::ImageList_Destroy(pPane->hImageList);
        pPane->hImageList = NULL;
        pPane->cxIcon = pPane->cyIcon = 0;
        RecalcLayout();
    }
    else if (pPane->hImageList != NULL)
    {
        ::ImageList_ReplaceIcon(pPane->hImageList, 0, hIcon);
    }
    else
    {
        ICONINFO info = {};
        if (!::GetIconInfo(hIcon, &info))
            return;
        BITMAP bm = {};
        ::GetObject(info.hbmColor != NULL ? info.hbmColor : info.hbmMask, sizeof(bm), &bm);
        const int cx = bm.bmWidth;
        const int cy = info.hbmColor != NULL ? bm.bmHeight : bm.bmHeight / 2;
        if (info.hbmColor != NULL)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask != NULL)
            ::DeleteObject(info.hbmMask);
        pPane->hImageList = ::ImageList_Create(cx, cy, ILC_MASK | ILC_COLOR32, 1, 0);
        if (pPane->hImageList == NULL)
            return;
        ::ImageList_AddIcon(pPane->hImageList, hIcon);
        pPane->cxIcon = cx;
        pPane->cyIcon = cy;
        RecalcLayout();
    }
    if (bUpdate && m_hWnd != NULL)
    {
        InvalidateRect(&pPane->rect, FALSE);
        UpdateWindow();
    }
}

void CTavoPStatusBar::SetPaneAnimation(int nIndex, HIMAGELIST hImageList, UINT nFrameRate,
                                       BOOL bUpdate)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0)
        return;
    CTavoPStatusBarPane* pPane = PaneAt(i);
    StopAnimation(pPane);
    if (pPane->hImageList != NULL)
        ::ImageList_Destroy(pPane->hImageList);
    pPane->hImageList = NULL;
    pPane->cxIcon = pPane->cyIcon = 0;

    const int nCount = hImageList != NULL ? ::ImageList_GetImageCount(hImageList) : 0;
    if (nCount > 0)
    {
        int cx = 0, cy = 0;
        ::ImageList_GetIconSize(hImageList, &cx, &cy);
        pPane->hImageList = ::ImageList_Create(cx, cy, ILC_MASK | ILC_COLOR32, nCount, 0);
        if (pPane->hImageList != NULL)
        {
            for (int n = 0; n < nCount; n++)
            {
                HICON hIcon = ::ImageList_GetIcon(hImageList, n, ILD_NORMAL);
                ::ImageList_AddIcon(pPane->hImageList, hIcon);
                ::DestroyIcon(hIcon);
            }
            pPane->cxIcon = cx;
            pPane->cyIcon = cy;
            pPane->nFrameCount = nCount;
        }
    }
    RecalcLayout();
    if (m_hWnd == NULL)
        return;
    if (bUpdate)
    {
        Invalidate(FALSE);
        UpdateWindow();
    }
    if (pPane->nFrameCount > 0)
        SetTimer(pPane->nID, nFrameRate, NULL);
}

void CTavoPStatusBar::EnablePaneProgressBar(int nIndex, long nTotal, BOOL bDisplayText,
                                            COLORREF clrBar, COLORREF clrBarDest,
                                            COLORREF clrProgressText)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0)
        return;
    CTavoPStatusBarPane* pPane = PaneAt(i);
    pPane->nProgressTotal = nTotal;
    pPane->nProgressCurr = 0;
    pPane->bProgressText = bDisplayText;
    pPane->clrProgressBar = clrBar;
    pPane->clrProgressBarDest = clrBarDest;
    pPane->clrProgressText = clrProgressText;
    InvalidatePaneContent(i);
}

void CTavoPStatusBar::SetPaneProgress(int nIndex, long nCurr, BOOL bUpdate)
{
    const int i = ResolveIndex(nIndex);
    if (i < 0 || PaneAt(i)->nProgressCurr == nCurr)
        return;
    PaneAt(i)->nProgressCurr = nCurr;
    if (bUpdate)
        InvalidatePaneContent(i);
}

long CTavoPStatusBar::GetPaneProgress(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL ? pPane->nProgressCurr : 0;
}

void CTavoPStatusBar::SetTipText(int nIndex, LPCTSTR lpszTipText)
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == NULL)
        return;
    FreeText(pPane->lpszToolTip);
    pPane->lpszToolTip = CopyText(lpszTipText);
    m_dwBarStyle |= CBRS_TOOLTIPS;
    SyncToolTips();
}

CString CTavoPStatusBar::GetTipText(int nIndex) const
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    return pPane != NULL && pPane->lpszToolTip != NULL ? CString(pPane->lpszToolTip) : CString();
}

void CTavoPStatusBar::InvalidatePaneContent(int nIndex)
{
    CTavoPStatusBarPane* pPane = GetPane(nIndex);
    if (pPane == NULL || m_hWnd == NULL)
        return;
    CRect rect(pPane->rect);
    if (!(pPane->nStyle & SBPS_NOBORDERS))
        rect.DeflateRect(2, 1);
    InvalidateRect(rect, FALSE);
    UpdateWindow();
}

HFONT CTavoPStatusBar::GetCurrentFont() const
{
    if (m_hFont != NULL)
        return m_hFont;
    HFONT hFont = (HFONT)GetGlobalData().fontStatus.GetSafeHandle();
    if (hFont == NULL)
        hFont = (HFONT)GetGlobalData().fontRegular.GetSafeHandle();
    return hFont != NULL ? hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

// ---- command update

void CTavoPStatusBarCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    CTavoPStatusBar* pBar = (CTavoPStatusBar*)m_pOther;
    const UINT nStyle = pBar->GetPaneStyle((int)m_nIndex);
    pBar->SetPaneStyle((int)m_nIndex, bOn ? (nStyle & ~SBPS_DISABLED) : (nStyle | SBPS_DISABLED));
}

void CTavoPStatusBarCmdUI::SetCheck(int nCheck)
{
    CTavoPStatusBar* pBar = (CTavoPStatusBar*)m_pOther;
    const UINT nStyle = pBar->GetPaneStyle((int)m_nIndex);
    pBar->SetPaneStyle((int)m_nIndex, nCheck ? (nStyle | SBPS_POPOUT) : (nStyle & ~SBPS_POPOUT));
}

void CTavoPStatusBarCmdUI::SetText(LPCTSTR lpszText)
{
    ((CTavoPStatusBar*)m_pOther)->SetPaneText((int)m_nIndex, lpszText, TRUE);
}

void CTavoPStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CTavoPStatusBarCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)m_nElements;
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = PaneAt((int)state.m_nIndex)->nID;
        // A pane nobody answers for (the clock, the message line) keeps its look.
        state.DoUpdate(pTarget, FALSE);
    }
    CTavoPControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

// ---- layout

int CTavoPStatusBar::FontHeight()
{
    const HFONT hFont = GetCurrentFont();
    LOGFONT lf = {};
    ::GetObject(hFont, sizeof lf, &lf);
    if (hFont == m_hFontMeasured && memcmp(&lf, &m_lfMeasured, sizeof lf) == 0)
        return m_cyFontMeasured;
    HDC hdc = ::GetDC(NULL);
    HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
    TEXTMETRIC tm = {};
    const BOOL bMeasured = ::GetTextMetrics(hdc, &tm);
    ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(NULL, hdc);
    // A failed measurement is tried again next time rather than kept.
    m_hFontMeasured = bMeasured ? hFont : NULL;
    m_lfMeasured = lf;
    m_cyFontMeasured = tm.tmHeight;
    return tm.tmHeight;
}

CSize CTavoPStatusBar::CalcFixedLayout(BOOL /*bStretch*/, BOOL /*bHorz*/)
{
    int cy = FontHeight();
    for (int i = 0; i < m_nElements; i++)
    {
        if (PaneAt(i)->cyIcon > cy)
            cy = PaneAt(i)->cyIcon;
    }
    return CSize(32767, cy + m_cyTopBorder + m_cyBottomBorder + 4);
}

void CTavoPStatusBar::RecalcLayout()
{
    if (m_hWnd == NULL)
        return;
    CRect rectInner;
    GetClientRect(rectInner);
    CalcInsideRect(rectInner, TRUE);
    const int cyInner = rectInner.Height();
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    m_cxSizeGrip = cxScroll < cyInner ? cxScroll : cyInner;

    const BOOL bGrip = !m_bHideSizeGrip;
    const int xRightEnd =
        bGrip ? rectInner.right - m_cxSizeGrip : rectInner.right + m_cxRightBorder + 1;

    // The grip's room comes out of the stretching pane, not off the last fixed one.
    int nSpare = m_cxDefaultGap + rectInner.Width() - (bGrip ? m_cxSizeGrip : 0);
    for (int i = 0; i < m_nElements; i++)
    {
        const CTavoPStatusBarPane* pPane = PaneAt(i);
        nSpare -= pPane->cxText + pPane->cxIcon + m_cxDefaultGap + 4;
        if (pPane->cxText > 0 && pPane->cxIcon > 0)
            nSpare -= 4;
    }

    int x = rectInner.left;
    int xLastRight = rectInner.left;
    BOOL bStretched = FALSE;
    for (int i = 0; i < m_nElements; i++)
    {
        CTavoPStatusBarPane* pPane = PaneAt(i);
        if (x >= xRightEnd)
        {
            ::SetRectEmpty(&pPane->rect);
            continue;
        }
        int cx = pPane->cxIcon + pPane->cxText;
        if (pPane->cxIcon > 0 && pPane->cxText > 0)
            cx += 4;
        if (!bStretched && (pPane->nStyle & SBPS_STRETCH))
        {
            bStretched = TRUE;
            if (nSpare > 0)
                cx += nSpare;
        }
        int xRight = x + cx + 4;
        if (xRight > xRightEnd)
            xRight = xRightEnd;
        ::SetRect(&pPane->rect, x, rectInner.top, xRight, rectInner.bottom);
        xLastRight = xRight;
        x = xRight + m_cxDefaultGap;
    }

    if (bGrip)
    {
        int cxGrip = m_cyTopBorder + cyInner;
        if (m_cxSizeGrip < cxGrip)
            cxGrip = m_cxSizeGrip;
        m_rectSizeGrip.SetRect(xLastRight, rectInner.top, xLastRight + cxGrip, rectInner.bottom);
    }
    else
        m_rectSizeGrip.SetRectEmpty();
}

void CTavoPStatusBar::UpdateSizeGrip(const CRect& rectBarInParent)
{
    CWnd* pParent = GetParent();
    CFrameWnd* pFrame = GetParentFrame();
    BOOL bHide = TRUE;
    if (pParent != NULL && pFrame != NULL)
    {
        CRect rectBar(rectBarInParent);
        pParent->ClientToScreen(rectBar);
        CRect rectFrame;
        pFrame->GetClientRect(rectFrame);
        pFrame->ClientToScreen(rectFrame);
        bHide = pFrame->IsZoomed() || !(pFrame->GetStyle() & WS_THICKFRAME) ||
                rectBar.BottomRight() != rectFrame.BottomRight();
    }
    if (bHide == m_bHideSizeGrip)
        return;
    m_bHideSizeGrip = bHide;
    RecalcLayout();
    SyncToolTips();
    Invalidate(FALSE);
}

void CTavoPStatusBar::UpdateSizeGripFromWindow()
{
    CRect rect;
    GetWindowRect(rect);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(rect);
    UpdateSizeGrip(rect);
}

// ---- painting

void CTavoPStatusBar::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectClip;
    pDC->GetClipBox(rectClip);

    CDC* pDCMem = m_paintBuffer.Begin(pDC, rectClient.Size());
    CDC* pDrawDC = pDCMem != NULL ? pDCMem : pDC;

    CTavoPControlBar::DoPaint(pDrawDC);

    const int nSaved = pDrawDC->SaveDC();
    pDrawDC->SelectObject((HGDIOBJ)GetCurrentFont());
    pDrawDC->SetBkMode(TRANSPARENT);
    pDrawDC->SetTextColor(GetGlobalData().clrBtnText);
    pDrawDC->SetBkColor(GetGlobalData().clrBtnFace);
    for (int i = 0; i < m_nElements; i++)
        DrawPane(pDrawDC, PaneAt(i));
    if (!m_rectSizeGrip.IsRectEmpty())
        CTavoPVisualManager::GetInstance()->OnDrawStatusBarSizeBox(pDrawDC, this, m_rectSizeGrip);
    pDrawDC->RestoreDC(nSaved);

    if (pDCMem != NULL)
        m_paintBuffer.End(pDC, rectClip);
}

void CTavoPStatusBar::DrawPane(CDC* pDC, CTavoPStatusBarPane* pPane)
{
    CRect rect(pPane->rect);
    if (rect.IsRectEmpty() || !pDC->RectVisible(rect))
        return;
    CTavoPVisualManager::GetInstance()->OnDrawStatusBarPaneBorder(pDC, this, rect, pPane->nID,
                                                                  pPane->nStyle);
    if (!(pPane->nStyle & SBPS_NOBORDERS))
        rect.DeflateRect(2, 1);

    if (pPane->hImageList != NULL && pPane->cxIcon > 0)
    {
        int y = rect.top;
        if (pPane->cyIcon < rect.Height())
            y += (rect.Height() - pPane->cyIcon) / 2;
        ::ImageList_Draw(pPane->hImageList, pPane->nCurrFrame, pDC->GetSafeHdc(), rect.left, y,
                         ILD_TRANSPARENT);
    }
    if (pPane->cxIcon > 0)
        rect.left += pPane->cxIcon + 4;

    if (pPane->nProgressTotal > 0)
    {
        rect.DeflateRect(1, 1);
        const COLORREF clrBar = pPane->clrProgressBar == (COLORREF)-1
                                    ? ::GetSysColor(COLOR_HIGHLIGHT)
                                    : pPane->clrProgressBar;
        CTavoPVisualManager::GetInstance()->OnDrawStatusBarProgress(
            pDC, this, rect, pPane->nProgressTotal, pPane->nProgressCurr, clrBar,
            pPane->clrProgressBarDest, pPane->clrProgressText, pPane->bProgressText);
        return;
    }
    if (pPane->lpszText == NULL || pPane->cxText <= 0)
        return;
    COLORREF clrText = pPane->clrText != (COLORREF)-1 ? pPane->clrText : GetGlobalData().clrBtnText;
    if (pPane->nStyle & SBPS_DISABLED)
        clrText = GetGlobalData().clrGrayedText;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    pDC->DrawText(pPane->lpszText, (int)strlen(pPane->lpszText), rect,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetTextColor(clrOld);
}

// ---- tool tips

INT_PTR CTavoPStatusBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    for (int i = 0; i < m_nElements; i++)
    {
        const CTavoPStatusBarPane* pPane = PaneAt(i);
        if (pPane->lpszToolTip == NULL || !::PtInRect(&pPane->rect, point))
            continue;
        if (pTI != NULL)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = pPane->nID;
            pTI->rect = pPane->rect;
            // The caller owns the copy and frees it with free().
            pTI->lpszText = _strdup(pPane->lpszToolTip);
        }
        return (INT_PTR)pPane->nID;
    }
    return -1;
}

void CTavoPStatusBar::SyncToolTips()
{
    if (m_hWnd == NULL || !(m_dwBarStyle & CBRS_TOOLTIPS))
        return;
    if (m_wndToolTip.GetSafeHwnd() == NULL)
    {
        if (!m_wndToolTip.Create(this, TTS_ALWAYSTIP))
            return;
        m_wndToolTip.SetFont(&GetGlobalData().fontTooltip, FALSE);
    }
    while (m_wndToolTip.GetToolCount() > 0)
    {
        TOOLINFO ti = {};
        ti.cbSize = CToolTipCtrl::ToolInfoSize();
        if (!m_wndToolTip.SendMessage(TTM_ENUMTOOLS, 0, (LPARAM)&ti))
            break;
        m_wndToolTip.SendMessage(TTM_DELTOOL, 0, (LPARAM)&ti);
    }
    for (int i = 0; i < m_nElements; i++)
    {
        const CTavoPStatusBarPane* pPane = PaneAt(i);
        if (pPane->lpszToolTip != NULL && !::IsRectEmpty(&pPane->rect))
            m_wndToolTip.AddTool(this, pPane->lpszToolTip, &pPane->rect, pPane->nID);
    }
}

LRESULT CTavoPStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_wndToolTip.GetSafeHwnd() != NULL &&
        ((message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK) || message == WM_MOUSELEAVE))
    {
        MSG msg = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
        m_wndToolTip.RelayEvent(&msg);
    }
    return CTavoPControlBar::WindowProc(message, wParam, lParam);
}

// ---- messages

void CTavoPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CTavoPControlBar::OnSize(nType, cx, cy);
    RecalcLayout();
    SyncToolTips();
    Invalidate(FALSE);
}

void CTavoPStatusBar::OnLButtonDblClk(UINT /*nFlags*/, CPoint point)
{
    if (!m_bPaneDoubleClick)
        return;
    for (int i = 0; i < m_nElements; i++)
    {
        const CTavoPStatusBarPane* pPane = PaneAt(i);
        if (!::IsRectEmpty(&pPane->rect) && ::PtInRect(&pPane->rect, point))
        {
            CWnd* pTarget = GetOwner();
            if (pTarget == NULL)
                pTarget = GetParent();
            if (pTarget != NULL)
                pTarget->PostMessage(WM_COMMAND, pPane->nID);
            return;
        }
    }
}

void CTavoPStatusBar::OnDestroy()
{
    for (int i = 0; i < m_nElements; i++)
        ReleasePane(PaneAt(i));
    if (m_wndToolTip.GetSafeHwnd() != NULL)
        m_wndToolTip.DestroyWindow();
    CTavoPControlBar::OnDestroy();
}

LRESULT CTavoPStatusBar::OnNcHitTestMessage(WPARAM /*wParam*/, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if (m_bHideSizeGrip)
        return lResult;
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    ScreenToClient(&point);
    CRect rectInner;
    GetClientRect(rectInner);
    CalcInsideRect(rectInner, TRUE);
    int cxGrip = m_cxSizeGrip - 1;
    if (rectInner.Height() < cxGrip)
        cxGrip = rectInner.Height();
    const CRect rectGrip(rectInner.right - cxGrip, rectInner.top, rectInner.right,
                         rectInner.bottom);
    return rectGrip.PtInRect(point) ? HTBOTTOMRIGHT : lResult;
}

LRESULT CTavoPStatusBar::OnSysCommandMessage(WPARAM wParam, LPARAM lParam)
{
    if ((wParam & 0xFFF0) == SC_SIZE && !m_bHideSizeGrip)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            return pFrame->SendMessage(WM_SYSCOMMAND, wParam, lParam);
    }
    return Default();
}

LRESULT CTavoPStatusBar::OnTimerMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    for (int i = 0; i < m_nElements; i++)
    {
        CTavoPStatusBarPane* pPane = PaneAt(i);
        if (pPane->nID != (UINT)wParam || pPane->nFrameCount <= 0)
            continue;
        if (++pPane->nCurrFrame >= pPane->nFrameCount)
            pPane->nCurrFrame = 0;
        CRect rect(pPane->rect);
        if (!(pPane->nStyle & SBPS_NOBORDERS))
            rect.DeflateRect(2, 1);
        rect.right = rect.left + pPane->cxIcon;
        InvalidateRect(rect, FALSE);
        UpdateWindow();
        break;
    }
    return lResult;
}

LRESULT CTavoPStatusBar::OnSetText(WPARAM /*wParam*/, LPARAM lParam)
{
    const int i = IndexOfCommand(0);
    if (i < 0)
        return FALSE;
    return SetPaneText(i, (LPCTSTR)lParam, TRUE);
}

LRESULT CTavoPStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPTSTR lpszBuffer = (LPTSTR)lParam;
    const int nBufferSize = (int)wParam;
    if (nBufferSize <= 0 || lpszBuffer == NULL)
        return 0;
    const int i = IndexOfCommand(0);
    LPCTSTR lpszText = i >= 0 && PaneAt(i)->lpszText != NULL ? PaneAt(i)->lpszText : "";
    // Never half a double-byte character at the cut.
    const int nCopy = WholeCharacters(lpszText, nBufferSize - 1);
    memcpy(lpszBuffer, lpszText, (size_t)nCopy);
    lpszBuffer[nCopy] = '\0';
    return nCopy;
}

LRESULT CTavoPStatusBar::OnGetTextLength(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const int i = IndexOfCommand(0);
    if (i < 0 || PaneAt(i)->lpszText == NULL)
        return 0;
    return (LRESULT)strlen(PaneAt(i)->lpszText);
}

LRESULT CTavoPStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    m_hFontMeasured = NULL;
    RecalcLayout();
    if (lParam)
    {
        Invalidate();
        UpdateWindow();
    }
    return 0;
}

LRESULT CTavoPStatusBar::OnGetFont(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return (LRESULT)GetCurrentFont();
}

LRESULT CTavoPStatusBar::OnSizeParent(WPARAM /*wParam*/, LPARAM lParam)
{
    SizeParentParams* pLayout = (SizeParentParams*)lParam;
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    const CSize size = CalcFixedLayout(pLayout->bStretch, TRUE);
    CRect rect(pLayout->rect);
    if (GetCurrentAlignment() & CBRS_ALIGN_TOP)
    {
        if (rect.top + size.cy < rect.bottom)
            rect.bottom = rect.top + size.cy;
        pLayout->rect.top = rect.bottom;
    }
    else
    {
        if (rect.bottom - size.cy > rect.top)
            rect.top = rect.bottom - size.cy;
        pLayout->rect.bottom = rect.top;
    }
    pLayout->sizeTotal.cy += rect.Height();
    if (pLayout->sizeTotal.cx < rect.Width())
        pLayout->sizeTotal.cx = rect.Width();
    if (pLayout->hDWP != NULL)
    {
        UpdateSizeGrip(rect);
        pLayout->hDWP =
            ::DeferWindowPos(pLayout->hDWP, m_hWnd, NULL, rect.left, rect.top, rect.Width(),
                             rect.Height(), SWP_NOACTIVATE | SWP_NOZORDER);
    }
    return 0;
}

LRESULT CTavoPStatusBar::OnSettingChange(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    m_hFontMeasured = NULL;
    RecalcLayout();
    SyncToolTips();
    Invalidate(FALSE);
    return lResult;
}

LRESULT CTavoPStatusBar::OnWindowPosChangedMessage(WPARAM /*wParam*/, LPARAM lParam)
{
    const LRESULT lResult = Default();
    const WINDOWPOS* pPos = (const WINDOWPOS*)lParam;
    if ((pPos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE))
        UpdateSizeGripFromWindow();
    return lResult;
}
