// The edit control an edit-box toolbar button places on its bar: keyboard, hot state and text changes go back to the button.
#pragma once
#include "ui/commandbars/CTavoPToolbarHostedEdit.h"

class CTavoPToolbarEditBoxButton;

class CTavoPToolbarEditCtrl : public CTavoPToolbarHostedEdit
{
public:
    explicit CTavoPToolbarEditCtrl(CTavoPToolbarEditBoxButton& button);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void SetButtonHot(BOOL bHot) override;

    CTavoPToolbarEditBoxButton& m_button;
};
