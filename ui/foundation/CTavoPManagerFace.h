// What an optional manager (mouse, context menu, keyboard, user tools) offers the workspace that owns it.
#pragma once
#include "framework/FrameworkCore.h"

class CWnd;

class CTavoPManagerFace
{
public:
    virtual ~CTavoPManagerFace() {}

    // pFrame is given to the keyboard manager only.
    virtual BOOL LoadState(LPCTSTR lpszProfileName, CWnd* pFrame) { return FALSE; }
    virtual BOOL SaveState(LPCTSTR lpszProfileName, CWnd* pFrame) { return FALSE; }

    // Mouse manager: the command bound to a double click in a view, 0 when none.
    virtual UINT GetViewCommand(int iViewId) { return 0; }
    // User tools: runs the tool bound to a command; FALSE when there is none.
    virtual BOOL InvokeTool(UINT uiCmd) { return FALSE; }
    // Context menus.
    virtual BOOL ShowPopupMenu(UINT uiMenuResId, const CPoint& point, CWnd* pWndOwner)
    {
        return FALSE;
    }
};
