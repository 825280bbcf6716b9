#include "ui/bars/frames/TavoPDockingFrame.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/controls/CTavoPPrintPreviewView.h"

void TavoPDestroyChildWindows(CWnd* pParent, HWND hwndSkip, BOOL bLibraryOnly)
{
    const HWND hwndParent = pParent->GetSafeHwnd();
    CList<HWND, HWND> children;
    for (HWND hWnd = ::GetWindow(hwndParent, GW_CHILD); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd == hwndSkip)
            continue;
        CWnd* pChild = CWnd::FromHandlePermanent(hWnd);
        if (bLibraryOnly &&
            (pChild == NULL || !pChild->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar))))
            continue;
        children.AddTail(hWnd);
    }
    for (POSITION pos = children.GetHeadPosition(); pos != NULL;)
    {
        HWND hWnd = children.GetNext(pos);
        if (::IsWindow(hWnd) && ::GetParent(hWnd) == hwndParent)
            ::DestroyWindow(hWnd);
    }
}

void TavoPDestroyMiniFrames(CTavoPDockManager& dockManager)
{
    // Each frame leaves the list as it goes: the walk is over a copy.
    CList<HWND, HWND> miniFrames;
    const CObList& list = dockManager.GetMiniFrames();
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        miniFrames.AddTail(((CWnd*)list.GetNext(pos))->GetSafeHwnd());
    for (POSITION pos = miniFrames.GetHeadPosition(); pos != NULL;)
    {
        HWND hWnd = miniFrames.GetNext(pos);
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
}

BOOL TavoPPlacePreviewView(CFrameWnd* pFrame, CTavoPDockManager& dockManager)
{
    CView* pView = pFrame->GetActiveView();
    if (!dockManager.IsPrintPreviewValid() || pView == NULL ||
        !pView->IsKindOf(RUNTIME_CLASS(CTavoPPrintPreviewView)))
        return FALSE;
    const CRect rectView = dockManager.GetClientAreaBounds();
    pView->SetWindowPos(NULL, rectView.left, rectView.top, rectView.Width(), rectView.Height(),
                        SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
