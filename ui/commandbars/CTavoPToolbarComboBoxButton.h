// A toolbar button that hosts a combo box whose text and items it keeps.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPToolbarComboBoxButton : public CTavoPToolbarButton
{
    DECLARE_DYNCREATE(CTavoPToolbarComboBoxButton)
public:
    CTavoPToolbarComboBoxButton();
    virtual ~CTavoPToolbarComboBoxButton();
};
