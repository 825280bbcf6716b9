// The small docking services bars, frames, sliders and layout trees share: a window's dock manager, the edge-band hit test, rectangle rotation and moving bars to another parent.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPDockManager;
class CTavoPDockingControlBar;

class CTavoPDockingUtils
{
public:
    CTavoPDockingUtils();
    virtual ~CTavoPDockingUtils();

    // The dock manager of a library frame; null for any other window. Asked for a dialog or
    // property sheet, it notes that docking was asked for on behalf of a dialog.
    CTavoPDockManager* GetDockManager(CWnd* pWnd);
    // Whether point lies in the docking band along an edge of pWnd (screen rectangle) or of
    // lpRect: outside the edge (bOutside) or inside it. The first enabled side that holds it,
    // tested top, left, bottom, right, is answered in dwAlignment.
    BOOL CheckPointNearEdge(CPoint point, CWnd* pWnd, int nSensitivity, BOOL bOutside,
                            DWORD& dwAlignment, DWORD dwEnabledAlignment = CBRS_ALIGN_ANY,
                            LPCRECT lpRect = NULL) const;
    static void RotateRect(LPRECT lpRect, int nDegrees);
    // Gives every window of lst (only the visible ones with bVisibleOnly) the new parent.
    void ReparentBars(const CObList& lst, CWnd* pWndNewParent, BOOL bVisibleOnly);
    // Whether the window (a mini frame stands for its bar) would be attached as a tab.
    BOOL IsTabTarget(CWnd* pWnd) const;
    // The pane of a layout tree (pOwner: the slider it hangs off) that a drag at point docks
    // to: over its caption or tabs (bTabHit), or in the band along one of its inner edges
    // (dwAlignment, the side of the pane).
    BOOL FindDockTarget(CWnd* pOwner, CPoint point, CTavoPDockingControlBar*& pTarget,
                        DWORD& dwAlignment, BOOL& bTabHit);
    // The outline (screen) of pDraggedWnd (a pane or its floating frame) docked beside the
    // tree's pane at point; empty when it would not dock there. bDrawTab: the drop attaches
    // it as a tab of pTarget.
    void CalcTreeDockPreview(CWnd* pOwner, CPoint point, CWnd* pDraggedWnd, CRect& rectResult,
                             BOOL& bDrawTab, CTavoPDockingControlBar*& pTarget);

    BOOL m_bDialogHost;
};

// The process-wide docking utilities.
CTavoPDockingUtils& GetDockingUtils();
