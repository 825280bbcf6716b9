#include "ui/bars/docking/CTavoPSlider.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"

IMPLEMENT_DYNCREATE(CTavoPSlider, CTavoPBaseControlBar)

BEGIN_MESSAGE_MAP(CTavoPSlider, CTavoPBaseControlBar)
END_MESSAGE_MAP()

CTavoPSlider::CTavoPSlider(BOOL bDefaultSlider, CWnd* pParentForRecreate)
    : m_nID(-1), m_dwSliderStyle(0), m_nWidth(0), m_bCaptured(FALSE),
      m_bDefaultSlider(bDefaultSlider), m_bAutoHideMode(FALSE), m_nMinOffset(0), m_nMaxOffset(0),
      m_nLimitFlags(-1), m_pTreeManager(NULL), m_pParentWndForSerialize(pParentForRecreate),
      m_hWndFocusBeforeDrag(NULL)
{
    m_rectDragBounds.SetRectEmpty();
    m_rectLastDragRect.SetRectEmpty();
}

CTavoPSlider::~CTavoPSlider() = default;

void CTavoPSlider::MoveSlider(CSize)
{}
CTavoPDockingControlBar* CTavoPSlider::AddBar(CTavoPDockingControlBar*)
{
    return NULL;
}
CTavoPDockingControlBar* CTavoPSlider::AddRecentBar(CTavoPDockingControlBar*)
{
    return NULL;
}
BOOL CTavoPSlider::InsertBar(CTavoPDockingControlBar*, CTavoPDockingControlBar*, DWORD)
{
    return FALSE;
}
BOOL CTavoPSlider::ReplaceBar(CTavoPDockingControlBar*, CTavoPDockingControlBar*)
{
    return FALSE;
}
void CTavoPSlider::RemoveBar(CTavoPDockingControlBar*)
{}
HDWP CTavoPSlider::RepositionByRect(CRect rect, HDWP hdwp)
{
    return SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE, hdwp);
}
BOOL CTavoPSlider::MergeBarTree(CTavoPDockingControlBar*, CTavoPBarTreeManager*, DWORD)
{
    return FALSE;
}
BOOL CTavoPSlider::TakeOverBarTree(CTavoPBarTreeManager*, BOOL)
{
    return FALSE;
}
BOOL CTavoPSlider::CheckVisibility()
{
    return FALSE;
}
void CTavoPSlider::OnShowBar(CTavoPDockingControlBar*, BOOL)
{}
BOOL CTavoPSlider::CanAnyBarFloat() const
{
    return FALSE;
}
void CTavoPSlider::CalcRecentDockPlacement(CPoint, CWnd*, CRect& rectResult, BOOL& bDrawTab,
                                           CTavoPDockingControlBar** ppTargetBar)
{
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != NULL)
        *ppTargetBar = NULL;
}
void CTavoPSlider::RemoveIfEmpty()
{}
BOOL CTavoPSlider::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                          CCreateContext* pContext)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID, pContext);
}
BOOL CTavoPSlider::CreateEx(DWORD, DWORD, const RECT&, CWnd*, UINT, CCreateContext*)
{
    return FALSE;
}
void CTavoPSlider::StopTracking(BOOL)
{}
BOOL CTavoPSlider::CanFloatHere() const
{
    return TRUE;
}
CSize CTavoPSlider::CalcFixedLayout(BOOL, BOOL)
{
    return CSize(0, 0);
}
void CTavoPSlider::Serialize(CArchive&)
{}
CTavoPBaseControlBar* CTavoPSlider::GetFirstBar() const
{
    return NULL;
}
void CTavoPSlider::StoreRecentDockInfo(CTavoPDockingControlBar*)
{}
CTavoPBarContainer* CTavoPSlider::FindContainer(CTavoPDockingControlBar*, BOOL& bLeftBar) const
{
    bLeftBar = FALSE;
    return NULL;
}
BOOL CTavoPSlider::IsBarInTree(const CTavoPDockingControlBar*) const
{
    return FALSE;
}
CTavoPBaseTabbedBar* CTavoPSlider::FindTabbedBar(UINT) const
{
    return NULL;
}
int CTavoPSlider::OffsetAlong(CSize) const
{
    return 0;
}
void CTavoPSlider::DrawOutline(const CRect&, const CRect*)
{}
void CTavoPSlider::OnSize(UINT, int, int)
{}
BOOL CTavoPSlider::OnSetCursor(CWnd*, UINT, UINT)
{
    return FALSE;
}
void CTavoPSlider::OnLButtonDown(UINT, CPoint)
{}
void CTavoPSlider::OnLButtonUp(UINT, CPoint)
{}
void CTavoPSlider::OnMouseMove(UINT, CPoint)
{}
void CTavoPSlider::OnPaint()
{}
BOOL CTavoPSlider::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
void CTavoPSlider::OnNcDestroy()
{}
void CTavoPSlider::OnDestroy()
{}
int CTavoPSlider::OnCreate(LPCREATESTRUCT)
{
    return 0;
}
void CTavoPSlider::OnCancelMode()
{}
void CTavoPSlider::OnKeyDown(UINT, UINT, UINT)
{}
void CTavoPSlider::OnCaptureChanged(CWnd*)
{}
