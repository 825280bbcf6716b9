// The edit field a combo-box toolbar button lays over its drawn combo box: keys, focus and typing go back to the button.
#pragma once
#include "ui/commandbars/CTavoPToolbarHostedEdit.h"

class CTavoPToolbarComboBoxButton;

class CTavoPToolbarComboEditCtrl : public CTavoPToolbarHostedEdit
{
public:
    explicit CTavoPToolbarComboEditCtrl(CTavoPToolbarComboBoxButton& button);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void SetButtonHot(BOOL bHot) override;
    void OnFocusChanged(BOOL bFocus) override;

    CTavoPToolbarComboBoxButton& m_button;
};
