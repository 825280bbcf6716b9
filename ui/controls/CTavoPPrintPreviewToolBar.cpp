#include "ui/controls/CTavoPPrintPreviewToolBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/foundation/CTavoPResourceScope.h"

BEGIN_MESSAGE_MAP(CTavoPPrintPreviewToolBar, CTavoPToolBar)
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPPrintPreviewToolBar, CTavoPToolBar)

CTavoPPrintPreviewToolBar::CTavoPPrintPreviewToolBar()
{}

CTavoPPrintPreviewToolBar::~CTavoPPrintPreviewToolBar()
{}

INT_PTR CTavoPPrintPreviewToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    CTavoPResourceScope scope;
    return CTavoPToolBar::OnToolHitTest(point, pTI);
}

void CTavoPPrintPreviewToolBar::OnContextMenu(CWnd*, CPoint)
{}

void CTavoPPrintPreviewToolBar::OnDestroy()
{
    // The frame outlives the preview: it must not lay out a bar that is gone.
    CTavoPDockManager* pDockManager = GetDockingUtils().GetDockManager(GetParentFrame());
    if (pDockManager != NULL)
        pDockManager->RemoveControlBar(this);
    CTavoPToolBar::OnDestroy();
}
