// The library's tab control; so far only its class identity.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

class CTavoPTabWnd : public CTavoPBaseTabWnd
{
    DECLARE_DYNCREATE(CTavoPTabWnd)
public:
    CTavoPTabWnd();
    virtual ~CTavoPTabWnd();
};
