// One user-interface item (menu item, toolbar button, dialog control) asked for its enabled, checked and text state.
#pragma once
#include "framework/AfxBase.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    UINT m_nID;
    UINT m_nIndex;         // menu item or other index
    CMenu* m_pMenu;        // menu being updated, or null
    CMenu* m_pSubMenu;     // sub-menu of the item, or null
    CWnd* m_pOther;        // window being updated, or null
    BOOL m_bEnableChanged; // a handler called Enable
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;     // number of items of the menu being updated
    CMenu* m_pParentMenu; // parent of m_pMenu for popups

    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    // Asks pTarget (and the route behind it) for the state; with bDisableIfNoHndler an item
    // whose command nobody handles is disabled. TRUE when an update handler ran.
    virtual BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Called by an update handler to let the next target in the route update the item too.
    void ContinueRouting();
};
