#include <algorithm>
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/bars/docking/CTavoPAutoHideButton.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPTimerSource.h"
#include "ui/foundation/CTavoPGlobalData.h"

BEGIN_MESSAGE_MAP(CTavoPAutoHideToolBar, CTavoPControlBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_NCDESTROY()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPAutoHideToolBar, CTavoPControlBar)

CRuntimeClass* CTavoPAutoHideToolBar::m_pAutoHideButtonRTS = RUNTIME_CLASS(CTavoPAutoHideButton);
UINT CTavoPAutoHideToolBar::m_nShowAHWndDelay = 400;

namespace {

const UINT_PTR kHoverTimer = 1;

}

CTavoPAutoHideToolBar::CTavoPAutoHideToolBar()
    : m_lstButtons(10), m_pActiveButton(NULL), m_bReadyToDisplayAHWnd(FALSE),
      m_nDisplayAHWndTimerID(0)
{}

CTavoPAutoHideToolBar::~CTavoPAutoHideToolBar()
{
    KillHoverTimer();
    while (!m_lstButtons.IsEmpty())
    {
        CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.RemoveHead();
        // The pane no longer has a strip to go back to.
        CTavoPDockingControlBar* pBar = pButton->GetAttachedBar();
        if (pBar != NULL && pBar->GetAutoHideButton() == pButton)
        {
            pBar->SetAutoHideButton(NULL);
            pBar->SetAutoHideToolBar(NULL);
        }
        delete pButton;
    }
}

void CTavoPAutoHideToolBar::KillHoverTimer()
{
    if (m_nDisplayAHWndTimerID != 0 && m_hWnd != NULL)
        CTavoPTimerSource::Get().Kill(m_hWnd, kHoverTimer);
    m_nDisplayAHWndTimerID = 0;
}

CTavoPAutoHideButton* CTavoPAutoHideToolBar::AddAutoHideButton(CTavoPDockingControlBar* pBar,
                                                               DWORD dwAlignment)
{
    if (pBar == NULL || !pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)) ||
        m_pAutoHideButtonRTS == NULL)
        return NULL;
    CObject* pObject = m_pAutoHideButtonRTS->CreateObject();
    CTavoPAutoHideButton* pButton = DYNAMIC_DOWNCAST(CTavoPAutoHideButton, pObject);
    if (pButton == NULL)
    {
        delete pObject;
        return NULL;
    }
    if (!pButton->Create(this, pBar, dwAlignment))
    {
        delete pButton;
        return NULL;
    }
    m_lstButtons.AddTail(pButton);
    const CSize size = LayoutButtons();
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return pButton;
}

BOOL CTavoPAutoHideToolBar::RemoveAutoHideButton(CTavoPDockingControlBar* pBar)
{
    KillHoverTimer();
    m_bReadyToDisplayAHWnd = FALSE;
    BOOL bFound = FALSE;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        POSITION posCurrent = pos;
        CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.GetNext(pos);
        if (pButton->GetAttachedBar() != pBar)
            continue;
        m_lstButtons.RemoveAt(posCurrent);
        if (m_pActiveButton == pButton)
            m_pActiveButton = NULL;
        if (pBar->GetAutoHideButton() == pButton)
            pBar->SetAutoHideButton(NULL);
        delete pButton;
        bFound = TRUE;
        break;
    }
    if (!bFound)
        return FALSE;
    if (!m_lstButtons.IsEmpty())
    {
        RelayoutButtons();
        UpdateVisibility();
        return TRUE;
    }
    CTavoPDockBar* pDockBar = GetParentDockBar();
    if (pDockBar != NULL && pDockBar->GetSafeHwnd() != NULL)
    {
        // The strips after this one no longer join a strip that is gone.
        CTavoPAutoHideDockBar* pAutoHideDockBar = DYNAMIC_DOWNCAST(CTavoPAutoHideDockBar, pDockBar);
        if (pAutoHideDockBar != NULL)
            pAutoHideDockBar->UpdateButtonGroups(this);
        pDockBar->RemoveControlBar(this);
        CRect rectClient;
        pDockBar->GetClientRect(rectClient);
        pDockBar->RepositionRows(rectClient);
    }
    DestroyWindow();
    return TRUE;
}

BOOL CTavoPAutoHideToolBar::ShowAutoHideButton(CTavoPDockingControlBar* pBar, BOOL bShow,
                                               BOOL bNoUpdate)
{
    CTavoPAutoHideButton* pButton = FindButton(pBar);
    if (pButton == NULL)
        return FALSE;
    if (pButton->IsVisible() == bShow)
        return TRUE;
    pButton->SetVisible(bShow);
    RelayoutButtons();
    if (!bNoUpdate)
        UpdateVisibility();
    return TRUE;
}

void CTavoPAutoHideToolBar::RelayoutButtons()
{
    const CSize size = LayoutButtons();
    if (m_hWnd == NULL)
        return;
    // A strip without a shown button keeps its size until it is hidden.
    if (size.cx > 0 && size.cy > 0)
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CTavoPDockBar* pDockBar = GetParentDockBar();
    if (pDockBar != NULL && pDockBar->GetSafeHwnd() != NULL)
        pDockBar->RepositionRows(CRect(0, 0, 0, 0));
    Invalidate();
}

int CTavoPAutoHideToolBar::GetVisibleButtonCount() const
{
    int n = 0;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        if (((CTavoPAutoHideButton*)m_lstButtons.GetNext(pos))->IsVisible())
            n++;
    }
    return n;
}

void CTavoPAutoHideToolBar::UpdateVisibility()
{
    CTavoPDockBar* pDockBar = GetParentDockBar();
    const int n = GetVisibleButtonCount();
    // The window's own flag: while the frame is still hidden (a layout being loaded) no window
    // of it counts as visible.
    if ((n > 0) == ((GetStyle() & WS_VISIBLE) != 0))
        return;
    if (pDockBar == NULL)
    {
        ShowWindow(n > 0 ? SW_SHOWNOACTIVATE : SW_HIDE);
        return;
    }
    pDockBar->ShowControlBar(this, n > 0, FALSE, TRUE);
    // The row places its strips one after another from the corner, not as toolbars.
    if (pDockBar->GetSafeHwnd() != NULL)
        pDockBar->RepositionRows(CRect(0, 0, 0, 0));
}

void CTavoPAutoHideToolBar::UnpinAll(CTavoPDockingControlBar* pTarget)
{
    // Unpinning removes buttons (and the last one this strip): work on a copy of the panes.
    CObList lstBars;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        lstBars.AddTail(((CTavoPAutoHideButton*)m_lstButtons.GetNext(pos))->GetAttachedBar());
    for (POSITION pos = lstBars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPDockingControlBar* pBar = (CTavoPDockingControlBar*)lstBars.GetNext(pos);
        if (pBar != NULL && pBar->GetSafeHwnd() != NULL && pBar->IsAutoHideMode())
            pBar->UnSetAutoHideMode(pTarget);
    }
}

CTavoPAutoHideButton* CTavoPAutoHideToolBar::FindButton(const CTavoPDockingControlBar* pBar) const
{
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.GetNext(pos);
        if (pButton->GetAttachedBar() == pBar)
            return pButton;
    }
    return NULL;
}

CTavoPDockingControlBar* CTavoPAutoHideToolBar::GetFirstBar() const
{
    return m_lstButtons.IsEmpty()
               ? NULL
               : ((CTavoPAutoHideButton*)m_lstButtons.GetHead())->GetAttachedBar();
}

CTavoPAutoHideButton* CTavoPAutoHideToolBar::ButtonFromPoint(CPoint pt) const
{
    for (int nPass = 0; nPass < 2; nPass++)
    {
        for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.GetNext(pos);
            if (!pButton->IsVisible() || (nPass == 0 && !pButton->IsTop()))
                continue;
            if (pButton->GetRect().PtInRect(pt))
                return pButton;
        }
    }
    return NULL;
}

CSize CTavoPAutoHideToolBar::LayoutButtons()
{
    // The buttons of a group follow each other along the strip, so that each can be hovered.
    CSize sizeTotal(0, 0);
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.GetNext(pos);
        // A hidden button takes no room: the shown ones close up.
        if (!pButton->IsVisible())
        {
            pButton->SetRect(pButton->IsHorizontal() ? CRect(sizeTotal.cx, 0, sizeTotal.cx, 0)
                                                     : CRect(0, sizeTotal.cy, 0, sizeTotal.cy));
            continue;
        }
        const CSize size = pButton->CalcSize();
        if (pButton->IsHorizontal())
        {
            pButton->SetRect(CRect(CPoint(sizeTotal.cx, 0), size));
            sizeTotal.cx += size.cx;
            sizeTotal.cy = std::max(sizeTotal.cy, size.cy);
        }
        else
        {
            pButton->SetRect(CRect(CPoint(0, sizeTotal.cy), size));
            sizeTotal.cy += size.cy;
            sizeTotal.cx = std::max(sizeTotal.cx, size.cx);
        }
    }
    return sizeTotal;
}

CSize CTavoPAutoHideToolBar::CalcStretchedSize(int nLength, BOOL bVert)
{
    const CSize size = LayoutButtons();
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return size;
}

CSize CTavoPAutoHideToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rect;
    GetWindowRect(rect);
    return rect.Size();
}

void CTavoPAutoHideToolBar::SetBarProperty3(BOOL bValue)
{
    CTavoPControlBar::SetBarProperty3(bValue);
    CTavoPDockBar* pDockBar = GetParentDockBar();
    if (!bValue || pDockBar == NULL || pDockBar->GetSafeHwnd() == NULL)
    {
        if (pDockBar != NULL && pDockBar->GetSafeHwnd() != NULL)
            pDockBar->RepositionRows(CRect(0, 0, 0, 0));
        return;
    }
    CTavoPDockBarRow* pRow = pDockBar->FindRowForBar(this);
    if (pRow != NULL)
    {
        for (POSITION pos = pRow->GetBars().GetHeadPosition(); pos != NULL;)
        {
            CTavoPControlBar* pOther =
                DYNAMIC_DOWNCAST(CTavoPControlBar, pRow->GetBars().GetNext(pos));
            if (pOther != NULL && pOther != this)
                pOther->CTavoPControlBar::SetBarProperty3(FALSE);
        }
    }
    pDockBar->RepositionRows(CRect(0, 0, 0, 0));
}

// ---- window messages

int CTavoPAutoHideToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    return CTavoPControlBar::OnCreate(lpCreateStruct);
}

void CTavoPAutoHideToolBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    dc.FillRect(rectClient, &GetGlobalData().brBtnFace);
    CTavoPAutoHideButton* pTop = NULL;
    for (POSITION pos = m_lstButtons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPAutoHideButton* pButton = (CTavoPAutoHideButton*)m_lstButtons.GetNext(pos);
        if (pButton->IsTop())
            pTop = pButton;
        else if (pButton->IsVisible())
            pButton->OnDraw(&dc);
    }
    if (pTop != NULL && pTop->IsVisible())
        pTop->OnDraw(&dc);
}

void CTavoPAutoHideToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CTavoPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton == NULL || m_bReadyToDisplayAHWnd)
        return;
    CTavoPDockingControlBar* pBar = pButton->GetAttachedBar();
    if (pBar == NULL || pBar->IsWindowVisible())
        return;
    m_bReadyToDisplayAHWnd = TRUE;
    KillHoverTimer();
    m_nDisplayAHWndTimerID = CTavoPTimerSource::Get().Set(m_hWnd, kHoverTimer, m_nShowAHWndDelay);
}

void CTavoPAutoHideToolBar::OnNcDestroy()
{
    KillHoverTimer();
    CTavoPControlBar::OnNcDestroy();
    delete this;
}

void CTavoPAutoHideToolBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kHoverTimer)
    {
        KillHoverTimer();
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        CTavoPAutoHideButton* pButton = ButtonFromPoint(pt);
        const BOOL bReady = m_bReadyToDisplayAHWnd;
        m_bReadyToDisplayAHWnd = FALSE;
        if (pButton != NULL && bReady)
        {
            CTavoPDockingControlBar* pBar = pButton->GetAttachedBar();
            if (pBar != NULL && !pBar->IsWindowVisible())
            {
                m_pActiveButton = pButton;
                pButton->ShowAttachedBar(TRUE);
            }
        }
        return;
    }
    Default();
}

void CTavoPAutoHideToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CTavoPAutoHideButton* pButton = ButtonFromPoint(point);
    if (pButton != NULL && pButton->GetAttachedBar() != NULL)
    {
        CTavoPDockingControlBar* pBar = pButton->GetAttachedBar();
        m_pActiveButton = pButton;
        // A click opens the pane at once and gives it the focus, which keeps it out.
        if (!pBar->IsWindowVisible())
            pButton->ShowAttachedBar(TRUE);
        pBar->SetFocus();
        return;
    }
    CTavoPControlBar::OnLButtonDown(nFlags, point);
}
