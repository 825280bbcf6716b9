// The process-wide docking pane that stands in as a temporary tab while a drag would attach a bar to a tabbed bar; it draws nothing.
#pragma once
#include "ui/bars/docking/CTavoPDockingControlBar.h"

class CTavoPTabPlaceholderBar : public CTavoPDockingControlBar
{
    DECLARE_DYNAMIC(CTavoPTabPlaceholderBar)
public:
    CTavoPTabPlaceholderBar();
    virtual ~CTavoPTabPlaceholderBar();

    virtual void DoPaint(CDC* pDC) override {}

    BOOL OnEraseBkgnd(CDC* pDC) { return TRUE; }

protected:
    DECLARE_MESSAGE_MAP()
};

// The one placeholder, built on first use.
CTavoPTabPlaceholderBar& GetTabPlaceholderBar();
