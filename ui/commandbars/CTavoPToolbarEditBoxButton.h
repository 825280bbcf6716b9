// A toolbar button that hosts an edit control whose text it keeps.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPToolbarEditBoxButton : public CTavoPToolbarButton
{
    DECLARE_DYNCREATE(CTavoPToolbarEditBoxButton)
public:
    CTavoPToolbarEditBoxButton();
    virtual ~CTavoPToolbarEditBoxButton();
};
