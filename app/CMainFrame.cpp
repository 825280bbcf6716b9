#include "app/CMainFrame.h"
#include "framework/CTestSeams.h"
#include "res/resource.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"

BEGIN_MESSAGE_MAP(CMainFrame, CTavoPFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_POPUPMENU, OnToolbarContextMenu)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMainFrame, CTavoPFrameWnd)

const char* const CMainFrame::kTitle = "Vorlen v1.0";

namespace {

// Overlapped with caption, system menu, sizing border, minimize and maximize boxes, created
// maximized; without the style that would add the document's name to the title.
const DWORD kFrameStyle = 0x01CF0000;
// Child, visible, gripper, docked on top with a bottom border, hidden while a server is active
// in place.
const DWORD kMenuBarStyle = 0x50402808;
const UINT kMenuBarID = 0xE806;
// As the menu bar, with tooltips, fly-by prompts and a left and right border.
const DWORD kToolBarStyle = 0x50402834;
// Child, visible, docked at the bottom, with a size grip.
const DWORD kStatusBarStyle = 0x50008200;

const UINT kIndicators[] = {
    ID_SEPARATOR, ID_INDICATOR_CLOCK, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL,
};

} // namespace

CMainFrame::CMainFrame()
{}

CMainFrame::~CMainFrame()
{}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CTavoPFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = kFrameStyle;
    cs.lpszName = kTitle;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));

    if (!m_wndMenuBar.Create(this, kMenuBarStyle, kMenuBarID))
        return -1;
    m_wndMenuBar.SetBarStyle(m_wndMenuBar.GetBarStyle() | CBRS_SIZE_DYNAMIC);

    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(1, 1, 1, 1),
                               AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;

    if (!m_wndStatusBar.Create(this, kStatusBarStyle, AFX_IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return -1;

    CString strName;
    strName.LoadString(IDS_TOOLBAR_NAME);
    m_wndToolBar.SetWindowText(strName);

    m_wndMenuBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    // The bars follow the mouse: dragged off their dock they float, dragged onto an edge of
    // the window they dock there, and along their dock they change places and rows.
    m_wndMenuBar.SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    m_wndToolBar.SetDockingMode(TAVOP_DOCK_IMMEDIATE);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndMenuBar);
    DockControlBar(&m_wndToolBar);

    SetTimer(kClockTimer, kClockPeriod, NULL);
    // The pane holds its width template until the first tick: the time shows from the start.
    ShowClock();
    return 0;
}

CString CMainFrame::ClockText(const SYSTEMTIME& time)
{
    CString strText;
    strText.Format("%04d年%02d月%02d日%02d点%02d分", time.wYear, time.wMonth, time.wDay, time.wHour,
                   time.wMinute);
    return strText;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    ShowClock();
    CTavoPFrameWnd::OnTimer(nIDEvent);
}

void CMainFrame::ShowClock()
{
    SYSTEMTIME now;
    CTestSeams::GetLocalTime(&now);
    const int nPane = m_wndStatusBar.IndexOfCommand(ID_INDICATOR_CLOCK);
    if (nPane >= 0)
        m_wndStatusBar.SetPaneText(nPane, ClockText(now), TRUE);
}

void CMainFrame::OnDestroy()
{
    CTavoPFrameWnd::OnDestroy();
    KillTimer(kClockTimer);
}

LRESULT CMainFrame::OnToolbarContextMenu(WPARAM, LPARAM lParam)
{
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TOOLBAR_LIST));
    if (hMenu == NULL)
        return 0;
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    // The popup owns itself from its creation on and goes with its window, also when it fails;
    // it destroys the menu it shows when it closes, so the list leaves the loaded menu first.
    HMENU hList = ::GetSubMenu(hMenu, 0);
    ::RemoveMenu(hMenu, 0, MF_BYPOSITION);
    ::DestroyMenu(hMenu);
    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    pPopup->Create(this, point.x, point.y, hList);
    return 0;
}

BOOL CMainFrame::OnBeforeShowPopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    if (pMenuPopup == NULL)
        return TRUE;
    CTavoPPopupMenuBar* pBar = pMenuPopup->GetMenuBar();
    if (pBar == NULL || pBar->CommandToIndex(ID_TOOLBAR_LIST_PLACE) < 0)
        return TRUE;
    if (CTavoPToolBar::IsCustomizeMode())
        return FALSE;
    pMenuPopup->RemoveAllItems();
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_TOOLBAR_LIST));
    if (hMenu != NULL)
    {
        pBar->ImportFromMenu(::GetSubMenu(hMenu, 0));
        ::DestroyMenu(hMenu);
        // The popup updated its items before it asked; the new ones show the toolbar's state
        // at once.
        pBar->OnUpdateCmdUI(this, FALSE);
    }
    return TRUE;
}
