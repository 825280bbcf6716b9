// The edit field a combo-box toolbar button lays over its drawn combo box: keys, focus and typing go back to the button.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarComboBoxButton;

class CTavoPToolbarComboEditCtrl : public CEdit
{
public:
    explicit CTavoPToolbarComboEditCtrl(CTavoPToolbarComboBoxButton& button);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    CTavoPToolbarComboBoxButton& m_button;
    BOOL m_bTracked;

    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
