// What every library frame kind adds to its framework frame: the embedded dock manager, attached before the window exists, the layout of the docked bars and the docking calls forwarded to it.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDockManager.h"

class CTavoPBaseControlBar;
class CTavoPMiniFrameWnd;

// Destroys the child windows of pParent from a snapshot (one child may take others with it),
// all but hwndSkip, or with bLibraryOnly only the bars the library made there.
void TavoPDestroyChildWindows(CWnd* pParent, HWND hwndSkip = NULL, BOOL bLibraryOnly = FALSE);
// Destroys every floating frame the dock manager holds.
void TavoPDestroyMiniFrames(CTavoPDockManager& dockManager);
// In print preview, with the library's preview view active in pFrame, puts that view into what
// the bars leave; FALSE, and nothing moved, otherwise.
BOOL TavoPPlacePreviewView(CFrameWnd* pFrame, CTavoPDockManager& dockManager);

template <class TFrame>
class TavoPDockingFrame : public TFrame
{
public:
    using TFrame::TFrame;

    // The frame's layout entry point for docking: the dock manager lays the bars out.
    virtual void AdjustDockingLayout(HDWP hdwp = NULL)
    {
        if (!m_dockManager.IsInAdjustLayout())
            m_dockManager.AdjustDockingLayout(hdwp);
    }
    virtual BOOL OnMoveMiniFrame(CTavoPMiniFrameWnd* pFrame)
    {
        return m_dockManager.OnMoveMiniFrame(pFrame);
    }
    CTavoPDockManager* GetDockManager() { return &m_dockManager; }

    // ---- docking, forwarded to the dock manager ----
    BOOL EnableDocking(DWORD dwDockStyle) { return m_dockManager.EnableDocking(dwDockStyle); }
    void DockControlBar(CTavoPBaseControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL)
    {
        m_dockManager.DockControlBar(pBar, nDockBarID, lpRect);
    }
    BOOL AddControlBar(CTavoPBaseControlBar* pBar, BOOL bTail = TRUE)
    {
        return m_dockManager.AddControlBar(pBar, bTail);
    }
    BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget,
                          BOOL bAfter = TRUE)
    {
        return m_dockManager.InsertControlBar(pBar, pTarget, bAfter);
    }
    void RemoveControlBarFromDockManager(CTavoPBaseControlBar* pBar, BOOL bDestroy,
                                         BOOL bAdjustLayout, BOOL bAutoHide)
    {
        m_dockManager.RemoveControlBar(pBar, bDestroy, bAdjustLayout, bAutoHide);
    }
    CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity, BOOL bExactBar,
                                              CRuntimeClass* pRTCBarType)
    {
        return m_dockManager.ControlBarFromPoint(point, nSensitivity, bExactBar, pRTCBarType);
    }
    BOOL IsPointNearDockSite(CPoint point, DWORD& dwBarAlignment, BOOL& bOuterEdge) const
    {
        return m_dockManager.IsPointNearDockSite(point, dwBarAlignment, bOuterEdge);
    }
    CTavoPBaseControlBar* GetControlBar(UINT nID) { return m_dockManager.FindBarByID(nID, TRUE); }

    virtual BOOL LoadFrame(UINT nIDResource,
                           DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL) override
    {
        m_dockManager.SetDockSite(this);
        return TFrame::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
    }
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = CFrameWnd::rectDefault, CWnd* pParentWnd = NULL,
                        LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                        CCreateContext* pContext = NULL) override
    {
        m_dockManager.SetDockSite(this);
        return TFrame::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd,
                              lpszMenuName, dwExStyle, pContext);
    }

    // WM_SIZING: a pure move leaves the bars where they are; a new size lays them out.
    void OnSizing(UINT nSide, LPRECT lpRect)
    {
        CRect rectWindow;
        this->GetWindowRect(rectWindow);
        this->Default();
        if (lpRect != NULL && (lpRect->right - lpRect->left != rectWindow.Width() ||
                               lpRect->bottom - lpRect->top != rectWindow.Height()))
            AdjustDockingLayout();
    }

protected:
    // What a frame does first when its window goes: its accelerators and the dock manager's link
    // go, then its child windows (all but hwndSkip), while the frame still exists.
    void DestroyFrameParts(HWND hwndSkip = NULL)
    {
        if (this->m_hAccelTable != NULL)
        {
            ::DestroyAcceleratorTable(this->m_hAccelTable);
            this->m_hAccelTable = NULL;
        }
        m_dockManager.SetDockSite(NULL);
        TavoPDestroyChildWindows(this, hwndSkip);
    }
    // Puts the frame's view (the child with the first pane's ID) into what the bars left of
    // rectView, less the border space an in-place item claims.
    void PlaceView(CRect rectView)
    {
        CWnd* pChild = this->GetDlgItem(AFX_IDW_PANE_FIRST);
        if (pChild == NULL)
            return;
        rectView.left += this->m_rectBorder.left;
        rectView.top += this->m_rectBorder.top;
        rectView.right -= this->m_rectBorder.right;
        rectView.bottom -= this->m_rectBorder.bottom;
        pChild->CalcWindowRect(rectView, CWnd::adjustBorder);
        // The framework has no splitter window, so the pane always clips its children too.
        pChild->ModifyStyle(0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
        // Most layouts leave the view where it is, below the bars: a move to the same place
        // would still cost the platform a round trip.
        CRect rectNow;
        pChild->GetWindowRect(rectNow);
        this->ScreenToClient(rectNow);
        if (rectNow == rectView && ::GetWindow(pChild->m_hWnd, GW_HWNDNEXT) == NULL)
            return;
        pChild->SetWindowPos(&CWnd::wndBottom, rectView.left, rectView.top, rectView.Width(),
                             rectView.Height(), SWP_NOACTIVATE);
    }

    CTavoPDockManager m_dockManager;
};
