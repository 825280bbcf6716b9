// The tab window of tabbed bars and other tab hosts, with its 3-D and flat looks.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

class CTavoPTabWnd : public CTavoPBaseTabWnd
{
    DECLARE_DYNCREATE(CTavoPTabWnd)
public:
    CTavoPTabWnd();
    virtual ~CTavoPTabWnd();

    virtual BOOL IsFlatTab() const override { return m_bFlat; }

protected:
    BOOL m_bFlat;
};
