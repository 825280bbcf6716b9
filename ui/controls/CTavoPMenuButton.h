// A push button that drops down a menu below itself and remembers the command last chosen from it.
#pragma once
#include "ui/controls/CTavoPButton.h"

class CTavoPMenuButton : public CTavoPButton
{
    DECLARE_DYNCREATE(CTavoPMenuButton)
public:
    CTavoPMenuButton();
    virtual ~CTavoPMenuButton();

    // The menu is borrowed: the caller keeps it alive while the button may open it.
    HMENU m_hMenu;
    // The command chosen the last time the menu was open, 0 when none was.
    int m_nMenuResult;

    BOOL IsMenuActive() const { return m_bMenuIsActive; }

protected:
    // Shows the menu under the button and waits for a choice; a choice is reported to the
    // parent as a click of the button.
    virtual void OnShowMenu();

    BOOL m_bMenuIsActive;

public:
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKillFocus(CWnd* pNewWnd);
    UINT OnGetDlgCode();

protected:
    DECLARE_MESSAGE_MAP()
};
