// The outline that follows the cursor while a bar or a floating frame is dragged in outline mode, with the place a drop would dock and the tab indication.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDragOutline.h"

class CTavoPDockManager;
class CTavoPBaseControlBar;

class CTavoPDragFrame
{
public:
    CTavoPDragFrame();
    virtual ~CTavoPDragFrame();

    // Binds the frame to the window it drags and to the dock manager that docks it.
    void Init(CWnd* pDraggedWnd);
    // One mouse move of an outline drag.
    void MoveDragFrame(BOOL bForceMove = FALSE);
    void EndDrawDragFrame(BOOL bClearInternalRects = TRUE);
    void DrawFrameTab(CTavoPBaseControlBar* pTargetBar, BOOL bErase);
    void DrawDragFrame(LPCRECT lpRectNew, LPCRECT lpRectOld, BOOL bFirstTime, int nNewThickness,
                       int nOldThickness);

    // The window of the process-wide placeholder tab, made on first need; null when it cannot be.
    static CWnd* GetPlaceholderBar(CWnd* pDraggedWnd);

    CPoint m_ptHot;
    CRect m_rectDrag;
    CRect m_rectExpectedDocked;
    CWnd* m_pFinalTargetBar;
    BOOL m_bDockToTab;
    BOOL m_bDragStarted;
    int m_nInsertedTabID;
    int m_nOldThickness;
    CTavoPDockManager* m_pDockManager;
    CWnd* m_pDraggedWnd;
    CWnd* m_pOldTargetBar;
    BOOL m_bFrameTabDrawn;
    // The outline on the screen, and the body and tab of the tab-shaped one.
    CTavoPDragOutline m_outline;
    CTavoPDragOutline m_outlineTabBody;
    CTavoPDragOutline m_outlineTab;

private:
    CTavoPDragFrame(const CTavoPDragFrame&) = delete;
    CTavoPDragFrame& operator=(const CTavoPDragFrame&) = delete;
    // Takes away a placeholder tab or tab-shaped outline shown for the old target.
    void RemoveTabIndication();
    // Puts the placeholder in as a last tab of a tabbed target whose strip shows; its index,
    // or -1 when the target needs the tab-shaped outline instead.
    int InsertPlaceholderTab(CTavoPBaseControlBar* pTargetBar);
    BOOL IsTabIndicationShown() const { return m_nInsertedTabID != -1; }
};
