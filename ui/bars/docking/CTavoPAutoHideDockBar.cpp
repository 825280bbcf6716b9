#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/docking/CTavoPAutoHideToolBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPAutoHideDockBar, CTavoPDockBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPAutoHideDockBar, CTavoPDockBar)

CTavoPAutoHideDockBar::CTavoPAutoHideDockBar() : m_nOffsetLeft(0), m_nOffsetRight(0)
{}

CTavoPAutoHideDockBar::~CTavoPAutoHideDockBar() = default;

BOOL CTavoPAutoHideDockBar::CanAcceptBar(const CTavoPBaseControlBar* pBar) const
{
    return pBar != NULL && pBar->IsKindOf(RUNTIME_CLASS(CTavoPAutoHideToolBar));
}

void CTavoPAutoHideDockBar::DockControlBar(CTavoPControlBar* pBar, int nDockMethod, LPCRECT lpRect)
{
    if (pBar == NULL || m_lstControlBars.Find(pBar) != NULL)
        return;
    CTavoPDockBarRow* pRow = GetRow(0);
    if (pRow == NULL)
    {
        pRow = AddRow(NULL, RowThicknessFor(pBar) + m_nExtraSpace);
        if (pRow == NULL)
            return;
        const DWORD dwAlignment = GetCurrentAlignment();
        pRow->SetExtraThickness(m_nExtraSpace, dwAlignment == CBRS_ALIGN_RIGHT ||
                                                   dwAlignment == CBRS_ALIGN_BOTTOM);
    }
    pRow->AddControlBar(pBar, TAVOP_DM_RECT);
    ShowWindow(SW_SHOWNOACTIVATE);
    m_lstControlBars.AddTail(pBar);
    AdjustDockSiteLayout();
    CRect rectClient;
    GetClientRect(rectClient);
    RepositionRows(rectClient);
}

void CTavoPAutoHideDockBar::RepositionRows(const CRect& rectNewClient)
{
    CTavoPDockBarRow* pRow = GetRow(0);
    if (pRow != NULL)
        pRow->ArrangeFromOffset(m_nOffsetLeft, GetGlobalData().m_nAutoHideToolBarSpacing);
}

void CTavoPAutoHideDockBar::UpdateButtonGroups(CTavoPAutoHideToolBar* pBar)
{
    CTavoPDockBarRow* pRow = FindRowForBar(pBar);
    if (pRow == NULL)
    {
        if (pBar != NULL)
            pBar->SetFirstProperty(FALSE);
        return;
    }
    BOOL bFirst = TRUE;
    BOOL bGroup = FALSE;
    for (POSITION pos = pRow->GetBars().GetHeadPosition(); pos != NULL;)
    {
        CTavoPAutoHideToolBar* pStrip =
            DYNAMIC_DOWNCAST(CTavoPAutoHideToolBar, pRow->GetBars().GetNext(pos));
        if (pStrip == NULL)
            continue;
        if (bFirst)
        {
            bGroup = pStrip->GetFirstProperty();
            pStrip->SetFirstProperty(FALSE);
            bFirst = FALSE;
        }
        else
        {
            pStrip->SetFirstProperty(bGroup);
        }
    }
}

void CTavoPAutoHideDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectClient, rectClient,
                                                            FALSE);
}
