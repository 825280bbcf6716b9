// The tab strip of MDI tabs: its tabs stand for document windows that MDI itself places, shows and activates, so the strip only draws and a tab click activates the document.
#pragma once
#include "ui/bars/tabs/CTavoPTabWnd.h"

class CTavoPMDITabWnd : public CTavoPTabWnd
{
    DECLARE_DYNCREATE(CTavoPMDITabWnd)
public:
    CTavoPMDITabWnd();
    virtual ~CTavoPMDITabWnd();

    // Lays out the strip; the document windows keep their places.
    virtual void RecalcLayout() override;
    // Makes the tab active and its document window the active MDI child.
    virtual BOOL SetActiveTab(int iTab) override;
    // The page area in the tab window's client coordinates: where the MDI client goes.
    CRect GetPageRect() const { return m_rectWndArea; }

protected:
    // The tab window places, shows and hides its pages; MDI does that for document windows, so
    // the pages are taken out of the tab records while the tab window works and put back after.
    std::vector<CWnd*> TakePages();
    void PutPagesBack(const std::vector<CWnd*>& pages);
};
