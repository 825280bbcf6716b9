#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"

IMPLEMENT_DYNAMIC(CTavoPBarContainer, CObject)

CTavoPBarContainer::CTavoPBarContainer(CTavoPBarTreeManager* pManager,
                                       CTavoPDockingControlBar* pLeftBar,
                                       CTavoPDockingControlBar* pRightBar, CTavoPSlider* pSlider)
    : m_pBarLeftTop(pLeftBar), m_pBarRightBottom(pRightBar), m_pSlider(pSlider),
      m_pLeftContainer(NULL), m_pRightContainer(NULL), m_pParentContainer(NULL),
      m_pContainerManager(pManager), m_nPercent(50), m_bSavedSliderHorz(FALSE),
      m_dwSavedSliderStyle(0), m_dwRefCount(0), m_nSavedLeftBarID(-1), m_nSavedRightBarID(-1),
      m_nSavedSliderID(-1), m_bDetached(FALSE)
{
    m_rectSavedSliderRect.SetRectEmpty();
}

CTavoPBarContainer::~CTavoPBarContainer() = default;

void CTavoPBarContainer::Serialize(CArchive& ar)
{}
void CTavoPBarContainer::GetWindowRect(CRect& rect) const
{
    rect.SetRectEmpty();
}
void CTavoPBarContainer::GetMinSize(CSize& size) const
{
    size = CSize(0, 0);
}
void CTavoPBarContainer::GetMinSizeFirst(CSize& size) const
{
    size = CSize(0, 0);
}
void CTavoPBarContainer::GetMinSizeSecond(CSize& size) const
{
    size = CSize(0, 0);
}
int CTavoPBarContainer::GetResizeStep() const
{
    return -1;
}
void CTavoPBarContainer::RemoveControlBar(CTavoPDockingControlBar*)
{}
void CTavoPBarContainer::DeleteControlBar(CTavoPDockingControlBar*, BOOL)
{}
void CTavoPBarContainer::StoreRecentDockInfo(CTavoPDockingControlBar*)
{}
void CTavoPBarContainer::Move(CPoint)
{}
void CTavoPBarContainer::SetBar(CTavoPDockingControlBar*, BOOL)
{}
void CTavoPBarContainer::SetChild(CTavoPBarContainer*, BOOL)
{}
DWORD CTavoPBarContainer::Release()
{
    if (m_dwRefCount > 0 && --m_dwRefCount == 0 && m_bDetached)
    {
        delete this;
        return 0;
    }
    return m_dwRefCount;
}
void CTavoPBarContainer::ReleaseEmpty()
{}
void CTavoPBarContainer::Discard()
{}
CTavoPBarContainer* CTavoPBarContainer::FindContainer(CObject*, FindKind)
{
    return NULL;
}
BOOL CTavoPBarContainer::IsEmpty() const
{
    return TRUE;
}
BOOL CTavoPBarContainer::IsVisible() const
{
    return FALSE;
}
BOOL CTavoPBarContainer::IsFirstSideEmpty(BOOL) const
{
    return TRUE;
}
BOOL CTavoPBarContainer::IsSecondSideEmpty(BOOL) const
{
    return TRUE;
}
BOOL CTavoPBarContainer::IsHorizontal() const
{
    return FALSE;
}
void CTavoPBarContainer::CheckSliderVisibility()
{}
CTavoPDockingControlBar* CTavoPBarContainer::AddRecentBar(CTavoPDockingControlBar*)
{
    return NULL;
}
void CTavoPBarContainer::StoreRecentPercents()
{}
HDWP CTavoPBarContainer::ResizeContainer(CRect, HDWP hdwp)
{
    return hdwp;
}
HDWP CTavoPBarContainer::ResizeByOffset(int, HDWP hdwp)
{
    return hdwp;
}
void CTavoPBarContainer::SetManager(CTavoPBarTreeManager*, BOOL)
{}
CTavoPBarContainer* CTavoPBarContainer::Clone(CTavoPBarContainer*)
{
    return NULL;
}
void CTavoPBarContainer::ReleaseAll()
{}
void CTavoPBarContainer::CollapseEmpty()
{}
BOOL CTavoPBarContainer::SetBarByID(UINT, CTavoPDockingControlBar*)
{
    return FALSE;
}
CTavoPBaseTabbedBar* CTavoPBarContainer::FindTabbedBarByTabID(UINT)
{
    return NULL;
}
int CTavoPBarContainer::GetNodeCount() const
{
    return 0;
}
int CTavoPBarContainer::GetTotalRefCount() const
{
    return 0;
}
void CTavoPBarContainer::ValidateBars()
{}
void CTavoPBarContainer::SerializeNode(CArchive&, int)
{}
BOOL CTavoPBarContainer::IsSidePresent(BOOL) const
{
    return FALSE;
}
BOOL CTavoPBarContainer::IsBarPresent(const CTavoPDockingControlBar*) const
{
    return FALSE;
}
CRect CTavoPBarContainer::GetSideRect(BOOL) const
{
    return CRect(0, 0, 0, 0);
}
int CTavoPBarContainer::GetSidePercent(BOOL) const
{
    return 50;
}
HDWP CTavoPBarContainer::LayoutSide(BOOL, CRect, int, HDWP hdwp)
{
    return hdwp;
}
CWnd* CTavoPBarContainer::GetDockSite() const
{
    return NULL;
}
