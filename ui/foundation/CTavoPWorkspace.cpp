#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPContextMenuManager.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/commandbars/managers/CTavoPRebarState.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "framework/CTestSeams.h"

#include <vector>

static CTavoPWorkspace* g_pWorkspace = NULL;

BOOL CTavoPWorkspace::m_bResetItems = FALSE;

static LPCTSTR const kControlBarsKey = _T("\\ControlBars");
static LPCTSTR const kWindowPlacementKey = _T("WindowPlacement");
static LPCTSTR const kRectMainKey = _T("MainWindowRect");
static LPCTSTR const kFlagsKey = _T("Flags");
static LPCTSTR const kShowCmdKey = _T("ShowCmd");
static LPCTSTR const kVersionKey = _T("TavoControlBarVersion");
static LPCTSTR const kVersionMajorKey = _T("Major");
static LPCTSTR const kVersionMinorKey = _T("Minor");

static const int kVersionMajor = 6;
static const int kVersionMinor = 2;

CTavoPWorkspace* GetWorkspace()
{
    return g_pWorkspace;
}

// Deletes at exit a workspace that was made on the heap for that purpose.
static struct CTavoPWorkspaceExitCleaner
{
    ~CTavoPWorkspaceExitCleaner()
    {
        if (g_pWorkspace != NULL && g_pWorkspace->m_bIsHeapCreated)
            delete g_pWorkspace;
    }
} s_workspaceExitCleaner;

CTavoPWorkspace::CTavoPWorkspace(BOOL bResourceSmartUpdate)
    : m_pKeyboardManager(NULL), m_pContextMenuManager(NULL), m_pMouseManager(NULL),
      m_pUserToolsManager(NULL), m_pTearOffManager(NULL), m_pFurtherManager(NULL),
      m_strRegSection(_T("TavoWorkspace")), m_bKeyboardManagerAutocreated(FALSE),
      m_bContextMenuManagerAutocreated(FALSE), m_bMouseManagerAutocreated(FALSE),
      m_bUserToolsManagerAutoCreated(FALSE), m_bTearOffManagerAutoCreated(FALSE),
      m_bReserved(FALSE), m_bFurtherManagerAutocreated(FALSE), m_iSavedVersionMajor(-1),
      m_iSavedVersionMinor(-1), m_bForceDockStateLoad(FALSE), m_bLoadSaveFrameBarsOnly(FALSE),
      m_bSaveState(TRUE), m_bResourceSmartUpdate(bResourceSmartUpdate), m_bForceImageReset(FALSE),
      m_bIsHeapCreated(FALSE)
{
    g_pWorkspace = this;
}

template <class TManager>
static void DeleteManager(TManager*& pManager, BOOL bOwned)
{
    if (bOwned && pManager != NULL)
    {
        delete pManager;
        pManager = NULL;
    }
}

CTavoPWorkspace::~CTavoPWorkspace()
{
    DeleteManager(m_pKeyboardManager, m_bKeyboardManagerAutocreated);
    DeleteManager(m_pContextMenuManager, m_bContextMenuManagerAutocreated);
    DeleteManager(m_pMouseManager, m_bMouseManagerAutocreated);
    DeleteManager(m_pUserToolsManager, m_bUserToolsManagerAutoCreated);
    DeleteManager(m_pTearOffManager, m_bTearOffManagerAutoCreated);
    DeleteManager(m_pFurtherManager, m_bFurtherManagerAutocreated);
    if (g_pWorkspace == this)
        g_pWorkspace = NULL;
}

void CTavoPWorkspace::SetRegistryBase(LPCTSTR lpszSectionName)
{
    m_strRegSection = lpszSectionName != NULL ? lpszSectionName : _T("");
}

CString CTavoPWorkspace::GetRegSectionPath(LPCTSTR lpszSectionAdd)
{
    CString strSectionPath = BuildRegistryPath(m_strRegSection, NULL);
    if (lpszSectionAdd != NULL && *lpszSectionAdd != 0)
    {
        strSectionPath += lpszSectionAdd;
        strSectionPath += _T("\\");
    }
    return strSectionPath;
}

// The toolbars whose windows exist, as a copy: a toolbar may leave the list while another one loads.
// With bFrameOnly, only those of the frame; with bDockedOnly, not the floating ones.
static std::vector<CTavoPToolBar*> LiveToolbars(CFrameWnd* pFrame, BOOL bFrameOnly,
                                                BOOL bDockedOnly)
{
    std::vector<CTavoPToolBar*> toolbars;
    const CObList& list = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)list.GetNext(pos);
        if (!::IsWindow(pToolBar->GetSafeHwnd()) || (bDockedOnly && pToolBar->IsFloating()))
            continue;
        if (bFrameOnly && (pFrame == NULL || pToolBar->GetTopLevelFrame() != pFrame))
            continue;
        toolbars.push_back(pToolBar);
    }
    return toolbars;
}

// The optional managers that exist, in their fixed order: mouse, context menus, keyboard (which
// gets the frame), user tools.
void CTavoPWorkspace::LoadSaveManagers(BOOL bSave, LPCTSTR lpszSection, CFrameWnd* pFrame)
{
    if (m_pMouseManager != NULL)
    {
        if (bSave)
            m_pMouseManager->SaveState(lpszSection);
        else
            m_pMouseManager->LoadState(lpszSection);
    }
    if (m_pContextMenuManager != NULL)
    {
        if (bSave)
            m_pContextMenuManager->SaveState(lpszSection);
        else
            m_pContextMenuManager->LoadState(lpszSection);
    }
    if (m_pKeyboardManager != NULL)
    {
        if (bSave)
            m_pKeyboardManager->SaveState(lpszSection, pFrame);
        else
            m_pKeyboardManager->LoadState(lpszSection, pFrame);
    }
    if (m_pUserToolsManager != NULL)
    {
        if (bSave)
            m_pUserToolsManager->SaveState(lpszSection);
        else
            m_pUserToolsManager->LoadState(lpszSection);
    }
}

// Turns off the buttons' image registration for the length of a load, and back on however the
// load ends.
class CTavoPImageRegistrationPause
{
public:
    explicit CTavoPImageRegistrationPause(BOOL bActive) : m_bActive(bActive)
    {
        if (m_bActive)
            GetGlobalData().m_bRegisterCmdImages = FALSE;
    }
    ~CTavoPImageRegistrationPause()
    {
        if (m_bActive)
            GetGlobalData().m_bRegisterCmdImages = TRUE;
    }

private:
    BOOL m_bActive;
};

BOOL CTavoPWorkspace::LoadState(LPCTSTR lpszProfileName, CTavoPFrameImpl* pFrameImpl)
{
    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    PreLoadState();

    {
        CTavoPStateKey key(strSection + kVersionKey, CTavoPStateKey::forReading);
        if (key.Open())
        {
            key->ReadNumber(kVersionMajorKey, m_iSavedVersionMajor);
            key->ReadNumber(kVersionMinorKey, m_iSavedVersionMinor);
        }
    }

    CTavoPToolBar::LoadParameters(strSection);
    GetCommandManager()->LoadState(strSection);

    BOOL bResourceChanged = FALSE;
    CFrameWnd* pFrame = pFrameImpl != NULL ? pFrameImpl->m_pFrame : NULL;
    {
        CTavoPImageRegistrationPause pause(m_bResourceSmartUpdate);

        if (pFrameImpl != NULL)
        {
            CTavoPRebarState::LoadState(strSection, pFrame);

            for (CTavoPToolBar* pToolBar : LiveToolbars(pFrame, m_bLoadSaveFrameBarsOnly, TRUE))
            {
                pToolBar->LoadState(strSection);
                if (pToolBar->IsResourceChanged())
                    bResourceChanged = TRUE;
            }

            pFrameImpl->LoadUserToolbars();
            pFrameImpl->LoadTearOffBars();

            pFrameImpl->LoadFrameworkDockState(m_strRegSection + kControlBarsKey);
            if (m_bForceDockStateLoad || pFrameImpl->IsDockStateValid())
            {
                pFrameImpl->LoadDockState(strSection);
                pFrameImpl->ApplyFrameworkDockState();
            }
        }

        LoadSaveManagers(FALSE, strSection, pFrame);
    }

    if (m_bForceImageReset || (m_bResourceSmartUpdate && bResourceChanged))
    {
        for (CTavoPToolBar* pToolBar : LiveToolbars(NULL, FALSE, FALSE))
            pToolBar->RefreshButtonImages();
        if (pFrame != NULL)
            pFrame->RecalcLayout();
    }

    LoadCustomState();
    m_iSavedVersionMajor = kVersionMajor;
    m_iSavedVersionMinor = kVersionMinor;
    return TRUE;
}

BOOL CTavoPWorkspace::CleanState(LPCTSTR lpszProfileName)
{
    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    return CTavoPStateKey::Delete(strSection);
}

BOOL CTavoPWorkspace::SaveState(LPCTSTR lpszProfileName, CTavoPFrameImpl* pFrameImpl)
{
    if (!m_bSaveState)
        return FALSE;

    if (lpszProfileName != NULL)
        m_strRegSection = lpszProfileName;
    const CString strSection = GetRegSectionPath();

    PreSaveState();

    {
        CTavoPStateKey key(strSection + kVersionKey, CTavoPStateKey::forWriting);
        if (key.Open())
        {
            key->WriteNumber(kVersionMajorKey, kVersionMajor);
            key->WriteNumber(kVersionMinorKey, kVersionMinor);
        }
    }

    CTavoPToolBar::SaveParameters(strSection);
    GetCommandManager()->SaveState(strSection);

    CFrameWnd* pFrame = pFrameImpl != NULL ? pFrameImpl->m_pFrame : NULL;
    if (pFrameImpl != NULL)
    {
        pFrameImpl->SaveFrameworkDockState(m_strRegSection + kControlBarsKey);
        pFrameImpl->SaveDockState(strSection);

        for (CTavoPToolBar* pToolBar : LiveToolbars(pFrame, m_bLoadSaveFrameBarsOnly, FALSE))
            pToolBar->SaveState(strSection);

        pFrameImpl->SaveUserToolbars(m_bLoadSaveFrameBarsOnly);
        pFrameImpl->SaveTearOffBars(m_bLoadSaveFrameBarsOnly);

        CTavoPRebarState::SaveState(strSection, pFrame);
    }

    if (CTavoPToolBar::GetUserImages() != NULL)
        CTavoPToolBar::GetUserImages()->Save();

    LoadSaveManagers(TRUE, strSection, pFrame);

    SaveCustomState();
    return TRUE;
}

BOOL CTavoPWorkspace::SaveFrameState(CTavoPFrameImpl* pFrameImpl)
{
    return SaveState(NULL, pFrameImpl);
}

BOOL CTavoPWorkspace::LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd)
{
    CTavoPStateKey key(GetRegSectionPath(kWindowPlacementKey), CTavoPStateKey::forReading);
    return key->ReadRect(kRectMainKey, rectNormalPosition) && key->ReadNumber(kFlagsKey, nFlags) &&
           key->ReadNumber(kShowCmdKey, nShowCmd);
}

BOOL CTavoPWorkspace::StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags,
                                           int nShowCmd)
{
    CTavoPStateKey key(GetRegSectionPath(kWindowPlacementKey), CTavoPStateKey::forWriting);
    CRect rect = rectNormalPosition;
    return key->WriteRect(kRectMainKey, rect) && key->WriteNumber(kFlagsKey, nFlags) &&
           key->WriteNumber(kShowCmdKey, nShowCmd);
}

BOOL CTavoPWorkspace::OnViewDoubleClick(CWnd* pWnd, int iViewId)
{
    if (m_pMouseManager == NULL)
        return FALSE;

    const UINT uiCmd = m_pMouseManager->GetViewCommand(iViewId);
    if (uiCmd == 0 || uiCmd == (UINT)-1)
    {
        AfxMessageBeep((UINT)-1);
        return FALSE;
    }
    if (m_pUserToolsManager != NULL && m_pUserToolsManager->InvokeTool(uiCmd))
        return TRUE;

    if (pWnd == NULL)
        pWnd = AfxGetMainWnd();
    HWND hwndTarget = pWnd != NULL ? ::GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT) : NULL;
    if (hwndTarget == NULL)
        return FALSE;
    ::SendMessage(hwndTarget, WM_COMMAND, uiCmd, 0);
    return TRUE;
}

BOOL CTavoPWorkspace::ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd)
{
    if (m_pContextMenuManager == NULL)
        return FALSE;
    return m_pContextMenuManager->ShowPopupMenu(uiMenuResId, point.x, point.y, pWnd);
}

BOOL CTavoPWorkspace::ShowContextHelp(CWnd* pWnd, const DWORD* pHelpIds)
{
    CWinApp* pApp = AfxGetApp();
    if (pWnd == NULL || pApp == NULL || pApp->m_pszHelpFilePath == NULL)
        return FALSE;
    return CTestSeams::WinHelp(pWnd->GetSafeHwnd(), pApp->m_pszHelpFilePath, HELP_CONTEXTMENU,
                               (DWORD_PTR)pHelpIds);
}
