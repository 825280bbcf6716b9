// The library toolbar that carries the print preview's commands inside the framework's preview bar.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPPrintPreviewToolBar : public CTavoPToolBar
{
    DECLARE_DYNAMIC(CTavoPPrintPreviewToolBar)
public:
    CTavoPPrintPreviewToolBar();
    virtual ~CTavoPPrintPreviewToolBar();

    // Tool tips come from the library's strings.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    // The preview toolbar offers no customization menu.
    void OnContextMenu(CWnd* pWnd, CPoint point);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
