// The edit control an edit-box toolbar button places on its bar: keyboard, hot state and text changes go back to the button.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarEditBoxButton;

class CTavoPToolbarEditCtrl : public CEdit
{
public:
    explicit CTavoPToolbarEditCtrl(CTavoPToolbarEditBoxButton& button);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CTavoPToolbarEditBoxButton& m_button;
    BOOL m_bTracked;

    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
