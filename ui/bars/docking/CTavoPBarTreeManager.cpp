#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"

int CTavoPBarTreeManager::m_nDefaultSliderSize = 4;
int CTavoPBarTreeManager::m_nDefaultSliderLimitMargin = 4;

CTavoPBarTreeManager::CTavoPBarTreeManager()
    : m_pRootContainer(NULL), m_pContainerRTC(NULL), m_pDefaultSlider(NULL), m_bOwnsTree(TRUE),
      m_pDockSite(NULL)
{}

CTavoPBarTreeManager::~CTavoPBarTreeManager() = default;

void CTavoPBarTreeManager::Serialize(CArchive& ar)
{}
BOOL CTavoPBarTreeManager::Create(CWnd* pDockSite, CTavoPSlider* pDefaultSlider,
                                  CRuntimeClass* pContainerRTC)
{
    return FALSE;
}
BOOL CTavoPBarTreeManager::MergeTree(CTavoPDockingControlBar*, DWORD, CTavoPBarTreeManager*, BOOL)
{
    return FALSE;
}
BOOL CTavoPBarTreeManager::TakeOverTree(CTavoPBarTreeManager*, BOOL)
{
    return FALSE;
}
BOOL CTavoPBarTreeManager::AttachTreeToBar(CTavoPDockingControlBar*, CTavoPBarTreeManager*)
{
    return FALSE;
}
void CTavoPBarTreeManager::AddControlBar(CTavoPDockingControlBar*)
{}
CTavoPDockingControlBar* CTavoPBarTreeManager::AddControlBarToRecentContainer(
    CTavoPDockingControlBar*, CTavoPBarContainer*)
{
    return NULL;
}
BOOL CTavoPBarTreeManager::InsertControlBar(CTavoPDockingControlBar*, CTavoPDockingControlBar*,
                                            DWORD)
{
    return FALSE;
}
int CTavoPBarTreeManager::MoveSlider(CTavoPSlider*, int, HDWP&)
{
    return 0;
}
void CTavoPBarTreeManager::GetWindowRect(CRect& rect) const
{
    rect.SetRectEmpty();
}
void CTavoPBarTreeManager::GetFreeRect(CRect& rect) const
{
    rect.SetRectEmpty();
}
BOOL CTavoPBarTreeManager::RemoveControlBar(CTavoPDockingControlBar*)
{
    return FALSE;
}
HDWP CTavoPBarTreeManager::ResizeTree(CRect, HDWP hdwp)
{
    return hdwp;
}
HDWP CTavoPBarTreeManager::StretchTree(DWORD, BOOL, int, HDWP hdwp)
{
    return hdwp;
}
BOOL CTavoPBarTreeManager::ReplaceControlBar(CTavoPDockingControlBar*, CTavoPDockingControlBar*)
{
    return FALSE;
}
void CTavoPBarTreeManager::GetSliderLimits(CTavoPSlider*, int& a, int& b, int& c) const
{
    a = b = 0;
    c = -1;
}
BOOL CTavoPBarTreeManager::CheckVisibility()
{
    return FALSE;
}
BOOL CTavoPBarTreeManager::IsVisible() const
{
    return FALSE;
}
void CTavoPBarTreeManager::GetMinSize(CSize& size) const
{
    size = CSize(0, 0);
}
int CTavoPBarTreeManager::GetVisibleBarCount() const
{
    return 0;
}
void CTavoPBarTreeManager::ShowBarCaptions(BOOL)
{}
void CTavoPBarTreeManager::HideAll()
{}
BOOL CTavoPBarTreeManager::CanFloat() const
{
    return FALSE;
}
BOOL CTavoPBarTreeManager::CanFloatHere() const
{
    return FALSE;
}
CTavoPDockingControlBar* CTavoPBarTreeManager::FindBarAtPoint(CPoint, int, BOOL, BOOL&, BOOL&)
{
    return NULL;
}
BOOL CTavoPBarTreeManager::GetBarInMiniFrameCaption(CPoint, CTavoPDockingControlBar*&)
{
    return FALSE;
}
CTavoPDockingControlBar* CTavoPBarTreeManager::GetFirstBar() const
{
    return NULL;
}
CTavoPDockingControlBar* CTavoPBarTreeManager::GetFirstVisibleBar() const
{
    return NULL;
}
void CTavoPBarTreeManager::SetAutoHideHiding(BOOL)
{}
void CTavoPBarTreeManager::RemoveSlider(CTavoPSlider*)
{}
void CTavoPBarTreeManager::StoreRecentDockInfo(CTavoPDockingControlBar*)
{}
CTavoPBarContainer* CTavoPBarTreeManager::FindContainer(const CTavoPDockingControlBar*, BOOL&) const
{
    return NULL;
}
CTavoPSlider* CTavoPBarTreeManager::CreateSlider(CRect, DWORD, int)
{
    return NULL;
}
CTavoPBaseTabbedBar* CTavoPBarTreeManager::FindTabbedBarByTabID(UINT) const
{
    return NULL;
}
void CTavoPBarTreeManager::GetVisibleBarsAndSliders(CObList&, CObList&) const
{}
void CTavoPBarTreeManager::RemoveVisibleFromLists()
{}
BOOL CTavoPBarTreeManager::IsBarValid(CTavoPDockingControlBar*)
{
    return FALSE;
}
void CTavoPBarTreeManager::ValidateBars()
{}
int CTavoPBarTreeManager::GetNodeCount() const
{
    return 0;
}
int CTavoPBarTreeManager::GetTotalRefCount() const
{
    return 0;
}
void CTavoPBarTreeManager::NotifyDefaultSlider()
{}
BOOL CTavoPBarTreeManager::IsBarInTree(const CTavoPDockingControlBar*) const
{
    return FALSE;
}
CTavoPBarContainer* CTavoPBarTreeManager::CreateContainer()
{
    return NULL;
}
void CTavoPBarTreeManager::SplitRects(CRect&, CRect&, CRect&, DWORD, CSize)
{}
int CTavoPBarTreeManager::NextSliderID(int) const
{
    return 0;
}
CTavoPDockManager* CTavoPBarTreeManager::FindDockManager() const
{
    return NULL;
}
