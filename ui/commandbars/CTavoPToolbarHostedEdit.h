// The part both kinds of toolbar-hosted edit share: the hot state of their button under the mouse or the focus, and Tab.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarHostedEdit : public CEdit
{
protected:
    CTavoPToolbarHostedEdit() : m_bTracked(FALSE) {}

    // The owning button takes the hot state (and hears of focus changes).
    virtual void SetButtonHot(BOOL bHot) = 0;
    virtual void OnFocusChanged(BOOL /*bFocus*/) {}
    // Moves the focus to the next tab item of the bar.
    void FocusNextTabItem();

    BOOL m_bTracked;

    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
