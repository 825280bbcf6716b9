// Owner of all saved user-interface state: decides the registry path and the order in which every part loads and saves.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPFrameImpl;
class CTavoPKeyboardManager;
class CTavoPContextMenuManager;
class CTavoPMouseManager;
class CTavoPUserToolsManager;
class CTavoPMenuIdPool;

class CTavoPWorkspace
{
public:
    explicit CTavoPWorkspace(BOOL bResourceSmartUpdate = FALSE);
    virtual ~CTavoPWorkspace();

    virtual void OnClosingMainFrame(CTavoPFrameImpl* pFrameImpl) {}
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, CTavoPFrameImpl* pFrameImpl = NULL);
    virtual BOOL CleanState(LPCTSTR lpszProfileName = NULL);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, CTavoPFrameImpl* pFrameImpl = NULL);
    virtual BOOL OnViewDoubleClick(CWnd* pWnd, int iViewId);
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWnd);
    virtual BOOL ShowContextHelp(CWnd* pWnd, const DWORD* pHelpIds);
    virtual BOOL SaveFrameState(CTavoPFrameImpl* pFrameImpl);
    virtual void PreLoadState() {}
    virtual void LoadCustomState() {}
    virtual void PreSaveState() {}
    virtual void SaveCustomState() {}
    virtual BOOL LoadWindowPlacement(CRect& rectNormalPosition, int& nFlags, int& nShowCmd);
    virtual BOOL StoreWindowPlacement(const CRect& rectNormalPosition, int nFlags, int nShowCmd);

    void SetRegistryBase(LPCTSTR lpszSectionName = NULL);
    LPCTSTR GetRegistryBase() const { return m_strRegSection; }
    CString GetRegSectionPath(LPCTSTR lpszSectionAdd = _T(""));

    int GetDataVersionMajor() const { return m_iSavedVersionMajor; }
    int GetDataVersionMinor() const { return m_iSavedVersionMinor; }

    // The optional managers; this program enables none of them.
    CTavoPKeyboardManager* m_pKeyboardManager;
    CTavoPContextMenuManager* m_pContextMenuManager;
    CTavoPMouseManager* m_pMouseManager;
    CTavoPUserToolsManager* m_pUserToolsManager;
    CTavoPMenuIdPool* m_pTearOffManager;
    CObject* m_pFurtherManager;

    CString m_strRegSection;
    BOOL m_bKeyboardManagerAutocreated;
    BOOL m_bContextMenuManagerAutocreated;
    BOOL m_bMouseManagerAutocreated;
    BOOL m_bUserToolsManagerAutoCreated;
    BOOL m_bTearOffManagerAutoCreated;
    BOOL m_bReserved;
    BOOL m_bFurtherManagerAutocreated;
    int m_iSavedVersionMajor;
    int m_iSavedVersionMinor;
    BOOL m_bForceDockStateLoad;
    BOOL m_bLoadSaveFrameBarsOnly;
    BOOL m_bSaveState;
    BOOL m_bResourceSmartUpdate;
    BOOL m_bForceImageReset;
    // Set by a workspace made with new that the exit clean-up is to delete.
    BOOL m_bIsHeapCreated;

    // Set while the menu bar keeps a menu resource's items as its reset items.
    static BOOL m_bResetItems;

protected:
    void LoadSaveManagers(BOOL bSave, LPCTSTR lpszSection, CFrameWnd* pFrame);
};

CTavoPWorkspace* GetWorkspace();
