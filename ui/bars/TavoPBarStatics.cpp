// The process-wide objects of the bar layer, defined here in one place and order.
//
// Nothing here makes a window or a GDI object while the program's static objects are built:
//  1. the plain values (docking modes, sensitivities, delays, switches) are constants or zero;
//  2. the registered message of empty floating frames is registered with the program;
//  3. the docking utilities, the floating-bar registry, the floating-frame list and the tab
//     placeholder bar are built on their first use; the placeholder makes its window only
//     when a drag first needs it.
// Objects built on first use are destroyed at exit in the reverse order of their first use.
#include "ui/bars/TavoPBarStatics.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/docking/CTavoPAutoHideDockBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPTabPlaceholderBar.h"

int CTavoPBaseControlBar::m_nDefaultDockingMode = TAVOP_DOCK_OUTLINE;

int CTavoPDockManager::m_nDockSensitivity = 15;
UINT CTavoPDockManager::m_nTimeOutBeforeToolBarDock = 200;
UINT CTavoPDockManager::m_nTimeOutBeforeDockingBarDock = 220;
BOOL CTavoPDockManager::m_bHideAllControlBarsInPreviewMode = TRUE;
int CTavoPDockManager::m_nPreviewCapPercent = 0;
BOOL CTavoPDockManager::m_bRestoringDockState = FALSE;
DWORD(WINAPI* CTavoPDockManager::m_pfnTickCount)() = ::GetTickCount;
SHORT(WINAPI* CTavoPDockManager::m_pfnKeyState)(int) = ::GetAsyncKeyState;

int CTavoPAutoHideDockBar::m_nExtraSpace = 2;

CFrameWnd* CTavoPMiniFrameWnd::m_pLoadingDockSite = NULL;

int CTavoPDockingControlBar::m_nCaptionButtonMargin = 2;
int CTavoPDockingControlBar::m_nCaptionVertMargin = 2;
int CTavoPDockingControlBar::m_nCaptionTextInset = 2;
UINT CTavoPDockingControlBar::m_nMouseCheckPeriod = 700;
UINT CTavoPDockingControlBar::m_nSlideStepPeriod = 1;
int CTavoPDockingControlBar::m_nSlideSteps = 12;
BOOL CTavoPDockingControlBar::m_bHideDisabledCaptionButtons = TRUE;
int CTavoPDockingControlBar::m_nDefaultSlideMode = 1;
int CTavoPDockingControlBar::m_nDockSensitivity = 15;
int CTavoPDockingControlBar::m_cxDrag = 0; // read when the first pane is created
int CTavoPDockingControlBar::m_cyDrag = 0;

const UINT TAVOPMSG_CHECKEMPTYMINIFRAME = ::RegisterWindowMessage("TAVOPMSG_CHECKEMPTYMINIFRAME");

CTavoPDockingUtils& GetDockingUtils()
{
    static CTavoPDockingUtils utils;
    return utils;
}

std::map<UINT, HWND>& TavoPFloatingBarRegistry()
{
    static std::map<UINT, HWND> registry;
    return registry;
}

std::list<HWND>& TavoPFloatingFrameList()
{
    static std::list<HWND> frames;
    return frames;
}

CTavoPTabPlaceholderBar& GetTabPlaceholderBar()
{
    static CTavoPTabPlaceholderBar placeholder;
    return placeholder;
}
