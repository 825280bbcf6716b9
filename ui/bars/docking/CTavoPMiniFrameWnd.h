// The floating frame that holds one control bar taken off its dock: hosts the bar, follows the mouse while it is moved and goes away when it is left empty.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/bars/docking/CTavoPDragFrame.h"

class CTavoPBaseControlBar;
class CTavoPControlBar;

class CTavoPMiniFrameWnd : public CWnd
{
    DECLARE_SERIAL(CTavoPMiniFrameWnd)
public:
    CTavoPMiniFrameWnd();
    virtual ~CTavoPMiniFrameWnd();

    virtual BOOL CanBeAttachedTo(CTavoPBaseControlBar* pDockingBar);
    virtual int GetCaptionHeight() const { return m_nCaptionHeight; }
    virtual void AddControlBar(CTavoPBaseControlBar* pBar);
    // pBar leaves the frame; an emptied frame is destroyed at once (bDestroy) or checks
    // itself later, so that a bar can move to another frame within one message.
    virtual void RemoveControlBar(CTavoPBaseControlBar* pBar, BOOL bDestroy = FALSE,
                                  BOOL bKeepWhenEmpty = FALSE);
    virtual void ReplaceControlBar(CTavoPBaseControlBar* pBarOrg,
                                   CTavoPBaseControlBar* pBarReplaceWith);
    virtual void MoveBy(int dx, int dy);
    virtual int GetControlBarCount() const { return m_hEmbeddedBar != NULL ? 1 : 0; }
    virtual int GetVisibleBarCount() const;
    virtual CWnd* GetControlBar() const;
    virtual CWnd* GetFirstVisibleBar() const;
    virtual void SizeToContent();
    virtual CString GetCaptionText() const;
    virtual void GetBorderSize(CRect& rect) const;
    virtual CTavoPBaseControlBar* ControlBarFromPoint(CPoint point, int nSensitivity,
                                                      BOOL bCheckVisibility);
    virtual void GetCaptionRect(CRect& rectCaption) const;
    virtual void AdjustBarLayout();
    virtual void RecalcLayout();
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, UINT uiID = (UINT)-1);
    virtual BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        CCreateContext* pContext = NULL);
    virtual BOOL CreateEx(DWORD dwStyleEx, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CWnd* pParentWnd, CCreateContext* pContext = NULL);
    using CWnd::CreateEx;
    virtual void EnterDragMode(BOOL bEnter);
    // Starts a move with the mouse captured.
    virtual void StartMoving(HWND hwndTearOffSource = NULL);
    virtual void StoreRecentFloatState();
    virtual BOOL CanClose() const { return TRUE; }
    virtual void CloseMiniFrame();
    virtual int GetDockingMode() const;

    BOOL IsMoving() const { return m_bMoving; }
    // The cursor position a move continues from.
    void SetMoveStart(CPoint pt) { m_ptLast = pt; }
    void SetIgnoreNextMove(BOOL bIgnore) { m_bIgnoreNextMove = bIgnore ? true : false; }
    BOOL GetIgnoreNextMove() const { return m_bIgnoreNextMove; }
    CRect GetRecentFloatingRect() const { return m_rectRecentFloatingRect; }
    void SetRecentFloatingRect(const CRect& rect) { m_rectRecentFloatingRect = rect; }
    CFrameWnd* GetDockSiteFrame() const;
    // The frame the hosted bar floats for; null when none is recorded.
    CWnd* GetDockSite() const;
    void SetDockSite(CFrameWnd* pFrame) { m_hDockSite = pFrame->GetSafeHwnd(); }
    CTavoPDragFrame& GetDragFrame() { return m_dragFrame; }

    // Floating bars by control id, for the dock manager's search.
    static CTavoPBaseControlBar* FindFloatingBarByID(UINT nID);
    static BOOL AddRemoveBarFromGlobalList(CTavoPBaseControlBar* pBar, BOOL bAdd);
    static UINT GetCheckEmptyMessage();

protected:
    bool m_bIgnoreNextMove;
    BOOL m_bActive;
    int m_nCaptionHeight;
    HWND m_hEmbeddedBar;
    bool m_bMoving;
    BOOL m_bKeepWhenEmpty;
    HWND m_hDockSite;
    HWND m_hWndTearOffSource;
    CRect m_rectRecentFloatingRect; // window rectangle when the last move started
    CPoint m_ptLast;                // cursor at the last move step
    CTavoPDragFrame m_dragFrame;
    BOOL m_bAutoDelete; // a frame whose window was made deletes itself with it

    void EndMoving();
    virtual void PostNcDestroy() override;

public:
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnCaptureChanged(CWnd* pWnd);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnNcDestroy();
    LRESULT OnCheckEmptyMiniFrame(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
