// A scroll or close button of a tab window's strip, drawn by the visual manager as the strip's looks want.
#pragma once
#include "ui/controls/CTavoPButton.h"

class CTavoPBaseTabWnd;

class CTavoPTabButton : public CTavoPButton
{
    DECLARE_DYNCREATE(CTavoPTabButton)
public:
    CTavoPTabButton();
    virtual ~CTavoPTabButton();

protected:
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient) override;
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState) override;

    // The tab window the button stands in; null while it has no such parent.
    CTavoPBaseTabWnd* GetTabWnd() const;
};
