#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPSlider.h"

BEGIN_MESSAGE_MAP(CTavoPDockingControlBar, CTavoPControlBar)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPDockingControlBar, CTavoPControlBar, VERSIONABLE_SCHEMA | 2)

CTavoPDockingControlBar::CTavoPDockingControlBar()
    : m_bDragStarted(0), m_bCursorWasInside(0), m_nCaptionHeight(0), m_bHasCaption(FALSE),
      m_bActive(FALSE), m_nPercent(100), m_bAutoHideMode(FALSE), m_nMouseCheckTimer(0),
      m_nSlideTimer(0), m_nSlideStepCount(0), m_nSlideStep(0), m_bSliding(FALSE),
      m_bDisableAutoHideHiding(FALSE), m_bSlidingIn(FALSE), m_nSlideMode(m_nDefaultSlideMode),
      m_pAutoHideButton(NULL), m_pAutoHideBar(NULL), m_pTabbedControlBarRTC(NULL),
      m_hDefaultSlider(NULL), m_nHotButton(0), m_nPressedButton(0), m_hToolTip(NULL)
{
    m_rectRedrawButton.SetRectEmpty();
    m_rectSlideFull.SetRectEmpty();
    m_arrButtons[0].m_nHit = TAVOP_HT_PANE_CLOSE;
    m_arrButtons[1].m_nHit = TAVOP_HT_PANE_PIN;
}

CTavoPDockingControlBar::~CTavoPDockingControlBar() = default;

BOOL CTavoPDockingControlBar::CreateWithSize(LPCTSTR lpszCaption, CWnd* pParentWnd, SIZE size,
                                             BOOL bHasCaption, UINT nID, DWORD dwStyle,
                                             DWORD dwTabbedStyle, DWORD dwTavoStyle)
{
    return CreateEx(0, lpszCaption, pParentWnd, CRect(0, 0, size.cx, size.cy), bHasCaption, nID,
                    dwStyle, dwTabbedStyle, dwTavoStyle, NULL);
}

BOOL CTavoPDockingControlBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                                     BOOL bHasCaption, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle,
                                     DWORD dwTavoStyle, CCreateContext* pContext)
{
    return CreateEx(0, lpszCaption, pParentWnd, rect, bHasCaption, nID, dwStyle, dwTabbedStyle,
                    dwTavoStyle, pContext);
}

BOOL CTavoPDockingControlBar::CreateEx(DWORD dwStyleEx, LPCTSTR lpszCaption, CWnd* pParentWnd,
                                       const RECT& rect, BOOL bHasCaption, UINT nID, DWORD dwStyle,
                                       DWORD dwTabbedStyle, DWORD dwTavoStyle,
                                       CCreateContext* pContext)
{
    m_bHasCaption = bHasCaption;
    if (!CTavoPControlBar::CreateEx(dwStyleEx, NULL, dwStyle, rect, pParentWnd, nID, dwTavoStyle,
                                    pContext))
        return FALSE;
    SetWindowText(lpszCaption != NULL ? lpszCaption : "");
    return TRUE;
}

void CTavoPDockingControlBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
}

int CTavoPDockingControlBar::HitTest(CPoint, BOOL)
{
    return HTNOWHERE;
}
BOOL CTavoPDockingControlBar::CanAcceptMiniFrame(CTavoPMiniFrameWnd*) const
{
    return FALSE;
}
int CTavoPDockingControlBar::GetDockingStatus(CPoint, int)
{
    return 0;
}
CTavoPDockingControlBar* CTavoPDockingControlBar::AttachToTabbedBar(CTavoPDockingControlBar*, int,
                                                                    BOOL, CTavoPDockingControlBar**)
{
    return NULL;
}
CTavoPBaseTabbedBar* CTavoPDockingControlBar::CreateTabbedBar()
{
    return NULL;
}
CTavoPDockingControlBar* CTavoPDockingControlBar::DockToWindow(CTavoPDockingControlBar*, DWORD,
                                                               LPCRECT)
{
    return NULL;
}
BOOL CTavoPDockingControlBar::DockContainer(CTavoPBarContainer*, DWORD)
{
    return FALSE;
}
CTavoPAutoHideToolBar* CTavoPDockingControlBar::SetAutoHideMode(BOOL, DWORD, CTavoPAutoHideToolBar*,
                                                                BOOL)
{
    return NULL;
}
void CTavoPDockingControlBar::StoreRecentTabRelatedInfo()
{}
void CTavoPDockingControlBar::OnPressCloseButton()
{}
void CTavoPDockingControlBar::DrawCaption(CDC*, CRect)
{}
void CTavoPDockingControlBar::Serialize(CArchive& ar)
{
    CTavoPControlBar::Serialize(ar);
}
BOOL CTavoPDockingControlBar::PreTranslateMessage(MSG* pMsg)
{
    return CTavoPControlBar::PreTranslateMessage(pMsg);
}
BOOL CTavoPDockingControlBar::IsVisible() const
{
    return CTavoPControlBar::IsVisible();
}
BOOL CTavoPDockingControlBar::CanAcceptBar(const CTavoPBaseControlBar*) const
{
    return FALSE;
}
int CTavoPDockingControlBar::GetCaptionHeight() const
{
    return m_nCaptionHeight;
}
BOOL CTavoPDockingControlBar::IsInMultiBarFrame() const
{
    return FALSE;
}
void CTavoPDockingControlBar::ShowCaption(BOOL)
{}
BOOL CTavoPDockingControlBar::DockToSide(DWORD, LPCRECT, int, CTavoPBaseControlBar*, int, BOOL)
{
    return FALSE;
}
void CTavoPDockingControlBar::AdjustLayout()
{}
void CTavoPDockingControlBar::OnBeforeChangeParent(CWnd*, BOOL)
{}
void CTavoPDockingControlBar::OnAfterChangeParent(CWnd* pWndOldParent)
{
    CTavoPControlBar::OnAfterChangeParent(pWndOldParent);
}
void CTavoPDockingControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    CTavoPControlBar::ShowControlBar(bShow, bDelay, bActivate);
}
BOOL CTavoPDockingControlBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    return CTavoPControlBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
}
BOOL CTavoPDockingControlBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    return CTavoPControlBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
}
void CTavoPDockingControlBar::Undock(BOOL)
{}
void CTavoPDockingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{}
void CTavoPDockingControlBar::StoreRecentDockInfo()
{}
void CTavoPDockingControlBar::OnAfterDock(CTavoPDockBar*, LPCRECT, int)
{}
BOOL CTavoPDockingControlBar::DockToBar(CTavoPDockBar*, LPCRECT, int)
{
    return FALSE;
}
CTavoPDockingControlBar* CTavoPDockingControlBar::DoDockByMouse(BOOL& bDocked)
{
    bDocked = FALSE;
    return NULL;
}
int CTavoPDockingControlBar::FindDockTarget(CPoint, CTavoPBaseControlBar*& pTargetBar)
{
    pTargetBar = NULL;
    return 0;
}
BOOL CTavoPDockingControlBar::DockByMethod(CTavoPBaseControlBar*, LPCRECT, int)
{
    return FALSE;
}
BOOL CTavoPDockingControlBar::DockToFrameSide(DWORD, LPCRECT, CTavoPBaseControlBar*, BOOL)
{
    return FALSE;
}

CTavoPSlider* CTavoPDockingControlBar::GetDefaultSlider() const
{
    if (m_hDefaultSlider == NULL || !::IsWindow(m_hDefaultSlider))
        return NULL;
    return DYNAMIC_DOWNCAST(CTavoPSlider, CWnd::FromHandlePermanent(m_hDefaultSlider));
}

CRect CTavoPDockingControlBar::GetCaptionRect() const
{
    return CRect(0, 0, 0, 0);
}
