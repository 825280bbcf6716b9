// The toolbar whose buttons live on the pages of a tab window; so far only its class identity.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPTabbedToolbar : public CTavoPToolBar
{
    DECLARE_DYNCREATE(CTavoPTabbedToolbar)
public:
    CTavoPTabbedToolbar();
    virtual ~CTavoPTabbedToolbar();
};
