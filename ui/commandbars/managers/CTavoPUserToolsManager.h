// The user-tools manager: external programs bound to commands of a reserved range, kept in the registry.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPUserTool;

class CTavoPUserToolsManager : public CObject
{
    DECLARE_DYNAMIC(CTavoPUserToolsManager)
public:
    // uiCmdToolsDummy is the menu item that stands for the list of tools; the tools' commands lie
    // in uiCmdFirst..uiCmdLast.
    CTavoPUserToolsManager(UINT uiCmdToolsDummy = 0, UINT uiCmdFirst = 0, UINT uiCmdLast = 0,
                           UINT uiFilterId = 0, LPCTSTR lpszDefExt = nullptr);
    virtual ~CTavoPUserToolsManager();

    // The list under lpszProfileName (with none, the library's own section), value "Tools".
    virtual BOOL LoadState(LPCTSTR lpszProfileName = nullptr);
    virtual BOOL SaveState(LPCTSTR lpszProfileName = nullptr);

    // A new tool with the first free command of the range, at the end of the list; null when the
    // range is used up.
    CTavoPUserTool* CreateNewTool();
    BOOL RemoveTool(CTavoPUserTool* pTool);
    // Puts one of the manager's tools at iIndex of the list (first below 0, last past the end);
    // FALSE for a tool the manager does not hold.
    BOOL MoveTool(CTavoPUserTool* pTool, int iIndex);
    // Null outside the range.
    CTavoPUserTool* FindTool(UINT uiCmdId) const;
    // The tool that the workspace's manager binds to the command; null when the application
    // enabled no user tools or the command is no tool.
    static CTavoPUserTool* FindWorkspaceTool(UINT uiCmdId);
    // Runs the tool bound to the command; FALSE when there is none. A tool that cannot be started
    // tells the user so.
    virtual BOOL InvokeTool(UINT uiCmdId);

    // Puts the tools in place of the dummy item of the menu and of its submenus; with no tools the
    // dummy item just goes. FALSE when the menu has no dummy item.
    BOOL ReplaceToolsItem(HMENU hMenu) const;

    const CObList& GetUserTools() const { return m_lstUserTools; }
    int GetMaxTools() const;
    UINT GetToolsEntryCmd() const { return m_uiCmdToolsDummy; }
    BOOL IsUserToolCmd(UINT uiCmdId) const
    {
        return uiCmdId >= m_uiCmdFirst && uiCmdId <= m_uiCmdLast;
    }
    const CString& GetFilter() const { return m_strFilter; }
    const CString& GetDefExt() const { return m_strDefExt; }

protected:
    CObList m_lstUserTools;
    UINT m_uiCmdToolsDummy;
    UINT m_uiCmdFirst;
    UINT m_uiCmdLast;
    CString m_strFilter;
    CString m_strDefExt;
};
