// Toolbar layout: row and column sizes, wrapping, the size for a docking state and length, button
// placement and the resizing of the bar.
#include <algorithm>
#include <map>
#include <memory>
#include <tuple>
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

// Every wrapped row leaves this strip below its buttons.
static const int kRowGap = 5;
static const int kNoLimit = 32767;

// What one layout pass of a bar measures, kept until the pass ends: a DC on the bar, made when
// first needed, and each button's size for every default size and direction asked. A wrapped
// bar is wrapped at many widths while its size is sought, and a DC is dear: nothing that sizes a
// button changes inside a pass, and the next pass measures again, so a kept size is never
// stale. A pass opened inside another adds nothing: the outer one serves both.
class CTavoPToolBar::LayoutPass
{
public:
    explicit LayoutPass(CTavoPToolBar& bar) : m_bar(bar), m_bOpened(bar.m_pLayoutPass == NULL)
    {
        if (m_bOpened)
            bar.m_pLayoutPass = this;
    }
    ~LayoutPass()
    {
        if (!m_bOpened)
            return;
        if (m_pDC)
            m_pDC->SelectObject(m_pOldFont);
        m_bar.m_pLayoutPass = NULL;
    }
    LayoutPass(const LayoutPass&) = delete;
    LayoutPass& operator=(const LayoutPass&) = delete;

    CDC& DC(BOOL bHorz)
    {
        bHorz = bHorz != FALSE;
        if (!m_pDC)
        {
            m_pDC.reset(new CClientDC(&m_bar));
            m_pOldFont = m_pDC->SelectObject(Font(bHorz));
            m_bFontHorz = bHorz;
        }
        else if (m_bFontHorz != bHorz)
        {
            m_pDC->SelectObject(Font(bHorz));
            m_bFontHorz = bHorz;
        }
        return *m_pDC;
    }

    CSize Measure(CTavoPToolbarButton* pButton, const CSize& sizeDefault, BOOL bHorz)
    {
        // The customize button collapses and opens again within a pass.
        if (pButton == m_bar.m_pCustomizeBtn)
            return pButton->OnCalculateSize(&DC(bHorz), sizeDefault, bHorz);
        const Key key(pButton, sizeDefault.cx, sizeDefault.cy, bHorz != FALSE);
        const auto it = m_sizes.find(key);
        if (it != m_sizes.end())
            return it->second;
        const CSize size = pButton->OnCalculateSize(&DC(bHorz), sizeDefault, bHorz);
        m_sizes.emplace(key, size);
        return size;
    }

    // A button's text or image changed within the pass.
    void Forget() { m_sizes.clear(); }

private:
    static CFont* Font(BOOL bHorz)
    {
        return bHorz ? &GetGlobalData().fontRegular : &GetGlobalData().fontVert;
    }
    typedef std::tuple<const CTavoPToolbarButton*, LONG, LONG, bool> Key;

    CTavoPToolBar& m_bar;
    const BOOL m_bOpened;
    std::unique_ptr<CClientDC> m_pDC;
    CFont* m_pOldFont = NULL;
    BOOL m_bFontHorz = FALSE;
    std::map<Key, CSize> m_sizes;
};

CDC& CTavoPToolBar::LayoutDC(BOOL bHorz)
{
    ASSERT(m_pLayoutPass != NULL);
    return m_pLayoutPass->DC(bHorz);
}

CSize CTavoPToolBar::MeasureButton(CTavoPToolbarButton* pButton, const CSize& sizeDefault,
                                   BOOL bHorz)
{
    ASSERT(m_pLayoutPass != NULL);
    return m_pLayoutPass->Measure(pButton, sizeDefault, bHorz);
}

int CTavoPToolBar::GetRowHeight() const
{
    int nHeight;
    if (m_bDrawTextLabels)
        nHeight = m_nMaxBtnHeight;
    else if (m_bMenuMode)
        nHeight = m_sizeMenuButton.cy > 0 ? m_sizeMenuButton.cy : m_sizeButton.cy;
    else
    {
        nHeight = GetButtonSize().cy;
        if (IsButtonExtraSizeAvailable())
            nHeight += CTavoPVisualManager::GetInstance()->GetButtonExtraSize().cy;
    }
    return std::max(nHeight, GetGlobalData().GetTextHeight(IsHorizontalBar()));
}

int CTavoPToolBar::GetColumnWidth() const
{
    if (m_bMenuMode)
        return m_sizeMenuButton.cx > 0 ? m_sizeMenuButton.cx : m_sizeButton.cx;
    int nWidth = GetButtonSize().cx;
    if (IsButtonExtraSizeAvailable())
        nWidth += CTavoPVisualManager::GetInstance()->GetButtonExtraSize().cx;
    return nWidth;
}

int CTavoPToolBar::WrapToolBar(int nWidth, int nHeight)
{
    const BOOL bVert = !IsHorizontalBar();
    LayoutPass pass(*this);
    CDC& dc = LayoutDC(!bVert);

    CRect rectClient;
    GetClientRect(rectClient);
    int y = rectClient.top;
    const int nHeightLimit = IsFloating() ? kNoLimit : nHeight;

    if (IsDocked() && !bVert && m_pCustomizeBtn != NULL)
        nWidth -=
            m_pCustomizeBtn->OnCalculateSize(&dc, CSize(GetColumnWidth(), GetRowHeight()), TRUE).cx;

    int nRows = 1;
    int x = 0;
    CTavoPToolbarButton* pPrev = NULL;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn)
            continue;
        pButton->m_bWrap = FALSE;
        const BOOL bSeparator = (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
        CSize size = MeasureButton(pButton, CSize(GetColumnWidth(), GetRowHeight()), !bVert);
        if (bSeparator && x == 0)
            size = CSize(0, 0);
        if (x + size.cx > nWidth && !bSeparator && pPrev != NULL && y + size.cy < nHeightLimit)
        {
            pPrev->m_bWrap = TRUE;
            y += size.cy + kRowGap;
            nRows++;
            x = 0;
        }
        x += size.cx;
        pPrev = pButton;
    }
    return nRows;
}

int CTavoPToolBar::SizeToolBar(int nLength, BOOL bVert)
{
    LayoutPass pass(*this);
    int nWidth;
    if (!bVert)
    {
        const int nMin = WrapToolBar(0);
        const int nTarget = WrapToolBar(nLength);
        if (nMin != nTarget)
        {
            int lo = 0;
            int hi = nLength;
            for (;;)
            {
                const int mid = (lo + hi) / 2;
                if (WrapToolBar(mid) == nTarget)
                    hi = mid;
                else
                {
                    if (lo == mid)
                    {
                        WrapToolBar(hi);
                        break;
                    }
                    lo = mid;
                }
            }
        }
        nWidth = CalcSize(FALSE).cx;
    }
    else
    {
        // A bar that is already a single row can grow no wider: the search ends there.
        nWidth = kNoLimit;
        int nRows = WrapToolBar(nWidth);
        if (CalcSize(FALSE).cy > nLength)
        {
            const int nStep = std::max(1, (int)GetButtonSize().cx);
            nWidth = nStep;
            nRows = WrapToolBar(nWidth);
            while (CalcSize(FALSE).cy > nLength && nRows > 1)
            {
                nWidth += nStep;
                nRows = WrapToolBar(nWidth);
            }
        }
    }
    return WrapToolBar(nWidth, kNoLimit);
}

CSize CTavoPToolBar::CalcSize(BOOL bVertDock)
{
    if (m_Buttons.IsEmpty())
        return GetButtonSize();

    LayoutPass pass(*this);
    CSize sizeResult(0, 0);
    int x = bVertDock ? 0 : 1;
    int y = bVertDock ? 1 : 0;
    const BOOL bFloating = IsFloating();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn && bFloating)
            continue;
        const CSize sizeDefault(GetColumnWidth(),
                                m_bDrawTextLabels ? GetButtonSize().cy : GetRowHeight());
        CSize size = MeasureButton(pButton, sizeDefault, !bVertDock);
        if (m_bDrawTextLabels)
            size.cy = m_nMaxBtnHeight;

        if (bVertDock)
        {
            sizeResult.cx = std::max(sizeResult.cx, size.cx);
            y += size.cy;
            sizeResult.cy = std::max((int)sizeResult.cy, y);
            continue;
        }
        const BOOL bSeparator = (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
        if (bSeparator && (x == 0 || pButton->m_bWrap))
            size = CSize(0, 0);
        x += size.cx;
        sizeResult.cx = std::max((int)sizeResult.cx, x);
        sizeResult.cy = std::max(sizeResult.cy, y + size.cy);
        if (pButton->m_bWrap)
        {
            y += GetRowHeight() + kRowGap;
            x = 0;
        }
    }
    return sizeResult;
}

CSize CTavoPToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    if (m_pCustomizeBtn != NULL)
        m_pCustomizeBtn->SetCollapsed(FALSE);
    CalcTextLabelHeight();
    LayoutPass pass(*this);

    if ((m_dwBarStyle & CBRS_SIZE_FIXED) == 0)
    {
        int nWrapLength;
        BOOL bVert = FALSE;
        if ((m_dwBarStyle & CBRS_SIZE_DYNAMIC) == 0)
            nWrapLength = (dwMode & LM_HORZ) ? kNoLimit : 0;
        else if (dwMode & LM_MRUWIDTH)
            nWrapLength = GetMRUWidth();
        else if (dwMode & LM_HORZDOCK)
            nWrapLength = kNoLimit;
        else if (dwMode & LM_VERTDOCK)
            nWrapLength = 0;
        else if (nLength != -1)
        {
            CRect rectInside(0, 0, 0, 0);
            CalcInsideRect(rectInside, (dwMode & LM_HORZ) != 0);
            if (dwMode & LM_LENGTHY)
            {
                nWrapLength = nLength + rectInside.Height();
                bVert = TRUE;
            }
            else
                nWrapLength = nLength + rectInside.Width();
        }
        else if (IsFloating())
            nWrapLength = GetMRUWidth();
        else
            nWrapLength = (dwMode & LM_HORZ) ? kNoLimit : 0;
        SizeToolBar(nWrapLength, bVert);
    }

    CSize size = CalcSize((dwMode & LM_HORZ) == 0);
    // A customize button with nothing to offer takes no room.
    if (m_pCustomizeBtn != NULL && m_pCustomizeBtn->GetCustomizeCmdId() <= 0 &&
        m_pCustomizeBtn->GetHiddenButtons().IsEmpty())
    {
        m_pCustomizeBtn->SetCollapsed(TRUE);
        size = CalcSize((dwMode & LM_HORZ) == 0);
    }

    if ((dwMode & LM_COMMIT) && IsFloating() && (m_dwBarStyle & CBRS_SIZE_DYNAMIC) &&
        (dwMode & LM_HORZ))
        SetMRUWidth(size.cx);

    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, (dwMode & LM_HORZ) != 0);
    size.cx -= rectInside.Width();
    size.cy -= rectInside.Height();

    if (dwMode & LM_STRETCH)
    {
        if (dwMode & LM_HORZ)
            size.cx = std::max((int)size.cx, kNoLimit);
        else
            size.cy = std::max((int)size.cy, kNoLimit);
    }
    RebuildMnemonics();
    return size;
}

CSize CTavoPToolBar::CalcFloatingSize(int nLength, BOOL bVert)
{
    if (m_pCustomizeBtn != NULL)
        m_pCustomizeBtn->SetCollapsed(FALSE);
    CalcTextLabelHeight();
    LayoutPass pass(*this);
    SizeToolBar(nLength, bVert);
    const CSize size = CalcSize(!IsHorizontalBar());
    if (GetParentDockBar() == NULL)
        SetMRUWidth(IsHorizontalBar() ? size.cx : size.cy);
    return size;
}

void CTavoPToolBar::GetMinSize(CSize& size) const
{
    // Narrower, a docked toolbar that the row squeezes would show no button at all.
    size = IsHorizontal() ? CSize(40, 16) : CSize(16, 40);
}

CSize CTavoPToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

void CTavoPToolBar::LayoutButtons()
{
    if (m_Buttons.IsEmpty() || GetSafeHwnd() == NULL)
        return;

    const BOOL bHorz = IsHorizontalBar();
    LayoutPass pass(*this);
    CDC& dc = LayoutDC(bHorz);

    CRect rectClient;
    GetClientRect(rectClient);
    const int nStart = bHorz ? rectClient.left + 1 : rectClient.top + 1;
    const int nEnd = bHorz ? rectClient.right : rectClient.bottom;
    int nPos = nStart;
    int nRowTop = rectClient.top;
    const BOOL bFloating = IsFloating();

    // On a docked bar the buttons that do not fit go into the customize button.
    const BOOL bOverflow = m_pCustomizeBtn != NULL && !bFloating && !m_bCustomizeMode;
    CSize sizeCustomize(0, 0);
    if (bOverflow)
    {
        m_pCustomizeBtn->GetHiddenButtons().RemoveAll();
        const BOOL bCollapsed = m_pCustomizeBtn->IsCollapsed();
        m_pCustomizeBtn->SetCollapsed(FALSE);
        sizeCustomize =
            m_pCustomizeBtn->OnCalculateSize(&dc,
                                             bHorz ? CSize(GetColumnWidth(), rectClient.Height())
                                                   : CSize(rectClient.Width(), GetRowHeight()),
                                             bHorz);
        m_pCustomizeBtn->SetCollapsed(bCollapsed);
    }
    const int nCustomizeExtent = bHorz ? sizeCustomize.cx : sizeCustomize.cy;

    POSITION posRowStart = m_Buttons.GetHeadPosition();
    BOOL bPrevVisibleSeparator = FALSE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn)
            continue;

        const BOOL bSeparator = (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
        CSize size = pButton->OnCalculateSize(&dc, CSize(GetColumnWidth(), GetRowHeight()), bHorz);
        if (pButton->m_bTextBelow && bHorz)
            size.cy = GetRowHeight();

        BOOL bHide = FALSE;
        if (bSeparator && (nPos == nStart || bPrevVisibleSeparator))
        {
            bHide = TRUE;
            size = CSize(0, 0);
        }
        CRect rect = bHorz
                         ? CRect(nPos, nRowTop, nPos + size.cx, nRowTop + size.cy)
                         : CRect(rectClient.left, nPos, rectClient.left + size.cx, nPos + size.cy);
        nPos += bHorz ? size.cx : size.cy;

        if (bOverflow && !bHide)
        {
            // No room is kept for a customize button that would show nothing.
            const CTavoPToolbarButton* pNext =
                pos != NULL ? (CTavoPToolbarButton*)m_Buttons.GetAt(pos) : NULL;
            const BOOL bReserve =
                !(pNext == m_pCustomizeBtn && m_pCustomizeBtn->GetCustomizeCmdId() <= 0 &&
                  m_pCustomizeBtn->GetHiddenButtons().IsEmpty());
            const int nLimit = nEnd - (bReserve ? nCustomizeExtent : 0);
            if ((bHorz ? rect.right : rect.bottom) > nLimit)
            {
                bHide = TRUE;
                nPos -= bHorz ? size.cx : size.cy;
                m_pCustomizeBtn->GetHiddenButtons().AddTail(pButton);
            }
        }
        if (!bHide)
            bPrevVisibleSeparator = bSeparator;

        if (pButton->IsHidden() != bHide)
        {
            pButton->SetHidden(bHide);
            pButton->OnShow(!bHide);
        }
        if (pButton->Rect() != rect)
            pButton->SetRect(rect);

        if (bHorz && (pButton->m_bWrap || pos == NULL))
        {
            if (bFloating && m_bTextLabels)
            {
                const int nShift = (rectClient.Width() - (nPos - nStart) - nStart) / 2;
                if (nShift > 0)
                    for (POSITION posRow = posRowStart; posRow != pos;)
                    {
                        CTavoPToolbarButton* pRowButton =
                            (CTavoPToolbarButton*)m_Buttons.GetNext(posRow);
                        CRect rectRow = pRowButton->Rect();
                        rectRow.OffsetRect(nShift, 0);
                        pRowButton->SetRect(rectRow);
                    }
            }
            if (pButton->m_bWrap)
            {
                nPos = nStart;
                nRowTop += GetRowHeight() + kRowGap;
                bPrevVisibleSeparator = FALSE;
            }
            posRowStart = pos;
        }
    }

    if (m_pCustomizeBtn != NULL)
    {
        if ((m_pCustomizeBtn->GetCustomizeCmdId() <= 0 &&
             m_pCustomizeBtn->GetHiddenButtons().IsEmpty()) ||
            bFloating || m_bCustomizeMode)
        {
            m_pCustomizeBtn->SetHidden(TRUE);
            m_pCustomizeBtn->SetRect(CRect(0, 0, 0, 0));
        }
        else
        {
            m_pCustomizeBtn->SetHidden(FALSE);
            m_pCustomizeBtn->SetRect(
                bHorz ? CRect(rectClient.right - sizeCustomize.cx, rectClient.top,
                              rectClient.right - 1, rectClient.bottom)
                      : CRect(rectClient.left, rectClient.bottom - 1 - sizeCustomize.cy,
                              rectClient.right, rectClient.bottom - 1));
        }
    }

    UpdateTooltips();
}

void CTavoPToolBar::UpdateTooltips()
{
    if (m_wndToolTip.GetSafeHwnd() == NULL)
        return;
    // Each tool's text comes through the callback, so only rectangles can change, and only those
    // that did are sent: every bar is laid out many times in a workspace load, and a tool deleted
    // and added again per button and pass made the tool tip control the load's largest cost.
    size_t i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        CRect rect = pButton->Rect();
        if (i == m_tooltipRects.size())
        {
            m_wndToolTip.AddTool(this, LPSTR_TEXTCALLBACK, &rect, i + 1);
            m_tooltipRects.push_back(rect);
        }
        else if (m_tooltipRects[i] != rect)
        {
            m_wndToolTip.SetToolRect(this, i + 1, &rect);
            m_tooltipRects[i] = rect;
        }
    }
    while (m_tooltipRects.size() > i)
    {
        m_wndToolTip.DelTool(this, m_tooltipRects.size());
        m_tooltipRects.pop_back();
    }
}

int CTavoPToolBar::CalcTextLabelHeight()
{
    m_bDrawTextLabels = FALSE;
    if (!m_bTextLabels || !IsHorizontalBar())
        return m_nMaxBtnHeight = 0;

    LayoutPass pass(*this);
    CDC& dc = LayoutDC(TRUE);
    int nMax = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (!pButton->m_bTextBelow)
            continue;
        if (pButton->m_strText.IsEmpty())
        {
            SetDefaultButtonText(pButton);
            m_pLayoutPass->Forget();
        }
        nMax = std::max(nMax, (int)pButton->OnCalculateSize(&dc, GetButtonSize(), TRUE).cy);
    }
    m_nMaxBtnHeight = nMax;
    m_bDrawTextLabels = GetButtonSize().cy < nMax;
    return nMax;
}

void CTavoPToolBar::EnableTextLabels(BOOL bEnable)
{
    if (m_bMenuMode)
        return;
    m_bTextLabels = bEnable;
    AdjustLayout();
}

void CTavoPToolBar::AdjustLayout()
{
    const BOOL bHorz = IsHorizontalBar();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        pButton->m_bTextBelow = (pButton->m_nStyle & TBBS_SEPARATOR) == 0 && m_bTextLabels && bHorz;
    }
    if (GetSafeHwnd() == NULL)
        return;
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPReBar)))
        AdjustRebarBand(pParent);
    else
        AdjustSizeImmediate();
    LayoutButtons();
    // A hidden bar is painted whole when it shows.
    if (!IsWindowVisible())
        return;
    Invalidate();
    UpdateWindow();
}

void CTavoPToolBar::AdjustRebarBand(CWnd* pRebar)
{
    const int nBands = (int)pRebar->SendMessage(RB_GETBANDCOUNT);
    for (int i = 0; i < nBands; i++)
    {
        REBARBANDINFO rbi = {};
        rbi.cbSize = sizeof(rbi);
        rbi.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        if (!pRebar->SendMessage(RB_GETBANDINFO, i, (LPARAM)&rbi) || rbi.hwndChild != m_hWnd)
            continue;
        CalcTextLabelHeight();
        const CSize size = CalcSize(FALSE);
        CRect rectInside(0, 0, 0, 0);
        CalcInsideRect(rectInside, TRUE);
        const UINT cxMin = (UINT)GetDefaultButtonSize().cx;
        const UINT cyMin = (UINT)std::max(0, (int)(size.cy - rectInside.Height()));
        const UINT cxIdeal = (UINT)std::max(0, (int)(size.cx - rectInside.Width()));
        // The rebar moves the bar when its band changes, and the move lays the bar out again:
        // only a real change is sent.
        if (rbi.cxMinChild == cxMin && rbi.cyMinChild == cyMin && rbi.cxIdeal == cxIdeal)
            return;
        rbi.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        rbi.cxMinChild = cxMin;
        rbi.cyMinChild = cyMin;
        rbi.cxIdeal = cxIdeal;
        pRebar->SendMessage(RB_SETBANDINFO, i, (LPARAM)&rbi);
        return;
    }
}

void CTavoPToolBar::AdjustSizeImmediate()
{
    const BOOL bHorz = IsHorizontalBar();
    CSize size = CalcFixedLayout(GetParentDockBar() == NULL, bHorz);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
    {
        CRect rectParent;
        pParent->GetClientRect(rectParent);
        if (size.cx == kNoLimit)
            size.cx =
                m_nMaxLen != 0 ? std::min((int)rectParent.Width(), m_nMaxLen) : rectParent.Width();
        if (size.cy == kNoLimit)
            size.cy = m_nMaxLen != 0 ? std::min((int)rectParent.Height(), m_nMaxLen)
                                     : rectParent.Height();
    }
    if (!m_bCustomizeMode)
    {
        CSize sizeMin;
        GetMinSize(sizeMin);
        size.cx = std::max(size.cx, sizeMin.cx);
        size.cy = std::max(size.cy, sizeMin.cy);
    }
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const BOOL bResized = rectWindow.Size() != size;
    if (bResized)
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The row fits a docked bar to its recent rectangle: left at the old length, the next fit
    // would stretch a bar that lost a button back to it.
    if (GetDockRow() != NULL && GetRecentDockedRect().Size() != size)
        StoreRecentDockedRect();
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (IsFloating() && pMiniFrame != NULL && pMiniFrame == pParent)
    {
        // Only the frame's size is left to follow: its full layout pass starts by asking the
        // bar for its layout, which would bring us back here.
        pMiniFrame->SizeToContent();
        pMiniFrame->RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
        return;
    }
    // The frame lays its bars out by their sizes: a bar that kept its size changes nothing there.
    CFrameWnd* pFrame = GetDockSiteFrame();
    if (bResized && pFrame != NULL && pFrame != pParent)
        pFrame->RecalcLayout();
}

void CTavoPToolBar::SetAlignmentTop()
{
    CTavoPBaseToolBar::SetAlignmentTop();
    CalcFloatingSize(GetMRUWidth(), FALSE);
    CTavoPMiniFrameWnd* pMiniFrame = GetParentMiniFrame();
    if (pMiniFrame != NULL)
        pMiniFrame->RecalcLayout();
}

void CTavoPToolBar::OnSize(UINT nType, int cx, int cy)
{
    CTavoPBaseToolBar::OnSize(nType, cx, cy);
    if (m_bCustomizeMode && !m_bLocked)
        OnCancelMode();
    LayoutButtons();
    if (!IsFloating())
    {
        m_Impl.GetGripperRect(m_rectGripper, TRUE);
        return;
    }
    m_rectGripper.SetRectEmpty();
    // A floating toolbar can be closed or not, but never restored, minimized or maximized.
    CWnd* pMiniFrame = GetParentMiniFrame();
    CMenu* pSysMenu = pMiniFrame != NULL ? pMiniFrame->GetSystemMenu(FALSE) : NULL;
    if (pSysMenu != NULL)
    {
        pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
        pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
        if (!CanBeClosed())
            pSysMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    }
}

void CTavoPToolBar::GetButtonClientRect(const CTavoPToolbarButton* pButton, CRect& rect,
                                        BOOL bRowStrip) const
{
    rect = pButton->Rect();
    if (pButton->m_bWrap && IsHorizontalBar())
    {
        // The strip below a wrapped row, across the whole bar.
        CRect rectClient;
        GetClientRect(rectClient);
        rect = CRect(rectClient.left, pButton->Rect().bottom, rectClient.right,
                     pButton->Rect().bottom + kRowGap);
    }
}

namespace {
// A button's extent along the bar.
struct Span
{
    int iButton;
    int nFrom;
    int nTo;
};
}

// The index before which a point at p goes among the spans in bar order, with the edge the
// marker stands at: before the first span that starts beyond p, or beside the nearer half of the
// span holding p. -1 when p lies past them all.
static int FindInSpans(const std::vector<Span>& spans, int p, int& nEdge)
{
    for (const Span& span : spans)
    {
        if (span.nFrom > p)
        {
            nEdge = span.nFrom;
            return span.iButton;
        }
        if (p >= span.nFrom && p < span.nTo)
        {
            const BOOL bFirstHalf = p < span.nFrom + (span.nTo - span.nFrom) / 2;
            nEdge = bFirstHalf ? span.nFrom : span.nTo;
            return bFirstHalf ? span.iButton : span.iButton + 1;
        }
    }
    return -1;
}

int CTavoPToolBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    const int nCount = GetCount();
    if (nCount == 0 || (nCount == 1 && m_pCustomizeBtn != NULL))
    {
        rectDrag = rectClient;
        return 0;
    }

    const BOOL bHorz = IsHorizontalBar();
    int iIndex = -1;
    int nEdge = 0;
    if (bHorz)
    {
        // Rows come from the buttons' rectangles.
        std::vector<std::vector<int>> rows;
        int nPrevBottom = INT_MIN;
        int i = 0;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton->IsHidden())
                continue;
            if (rows.empty() || pButton->Rect().top >= nPrevBottom)
                rows.emplace_back();
            rows.back().push_back(i);
            nPrevBottom = pButton->Rect().bottom;
        }
        if (rows.empty())
        {
            rectDrag = rectClient;
            return 0;
        }
        const int nRowHeight = GetRowHeight();
        int nGap = nRowHeight;
        if (rows.size() > 1)
            nGap = GetButton(rows[1][0])->Rect().top - GetButton(rows[0][0])->Rect().bottom;
        int iRow = std::max(0, (int)point.y) / std::max(1, nRowHeight + nGap);
        iRow = std::min(iRow, (int)rows.size() - 1);
        std::vector<Span> spans;
        for (int iButton : rows[iRow])
            spans.push_back(
                {iButton, GetButton(iButton)->Rect().left, GetButton(iButton)->Rect().right});
        iIndex = FindInSpans(spans, point.x, nEdge);
        if (iIndex == -1)
        {
            // Past the row's last button: the drop goes behind it.
            const int iLast = rows[iRow].back();
            iIndex = iRow == (int)rows.size() - 1 ? nCount : iLast + 1;
            nEdge = GetButton(iLast)->Rect().right;
        }
        rectDrag = CRect(nEdge - 3, GetButton(rows[iRow][0])->Rect().top, nEdge + 3,
                         GetButton(rows[iRow][0])->Rect().bottom);
        rectDrag.left = std::max(rectDrag.left, rectClient.left);
        rectDrag.right = std::min(rectDrag.right, rectClient.right);
    }
    else
    {
        std::vector<Span> spans;
        int i = 0;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (!pButton->IsHidden())
                spans.push_back({i, pButton->Rect().top, pButton->Rect().bottom});
        }
        iIndex = FindInSpans(spans, point.y, nEdge);
        if (iIndex == -1)
        {
            if (spans.empty())
            {
                rectDrag = rectClient;
                return 0;
            }
            // Below the last button: the drop goes behind it.
            iIndex = nCount;
            nEdge = GetButton(spans.back().iButton)->Rect().bottom;
        }
        rectDrag = CRect(rectClient.left, nEdge - 3, rectClient.right, nEdge + 3);
        rectDrag.top = std::max(rectDrag.top, rectClient.top);
        rectDrag.bottom = std::min(rectDrag.bottom, rectClient.bottom);
    }

    // The end of the bar is a place to drop at, except behind a customize button.
    if (m_pCustomizeBtn != NULL && iIndex == nCount)
        iIndex = nCount - 1;
    if (iIndex > nCount)
    {
        rectDrag.SetRectEmpty();
        return -1;
    }
    return iIndex;
}

void CTavoPToolBar::DrawDragMarker(CDC* pDC)
{
    CPen* pOldPen = pDC->SelectObject(&m_penDrag);
    const CRect& r = m_rectDrag;
    for (int i = 0; i < 2; i++)
    {
        if (IsHorizontalBar())
        {
            const int x = r.left + r.Width() / 2 + i - 1;
            pDC->MoveTo(x, r.top);
            pDC->LineTo(x, r.bottom);
            pDC->MoveTo(r.left + i, r.top + i);
            pDC->LineTo(r.right - i, r.top + i);
            pDC->MoveTo(r.left + i, r.bottom - i - 1);
            pDC->LineTo(r.right - i, r.bottom - i - 1);
        }
        else
        {
            const int y = r.top + r.Height() / 2 + i - 1;
            pDC->MoveTo(r.left, y);
            pDC->LineTo(r.right, y);
            pDC->MoveTo(r.left + i, r.top + i);
            pDC->LineTo(r.left + i, r.bottom - i);
            pDC->MoveTo(r.right - i - 1, r.top + i);
            pDC->LineTo(r.right - i - 1, r.bottom - i);
        }
    }
    pDC->SelectObject(pOldPen);
}
