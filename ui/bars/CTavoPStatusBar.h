// The status bar: a row of panes, each with a command id, text, width, style, icon or animation, progress and tool tip, and a size grip at its right end.
#pragma once
#include "framework/CCmdUI.h"
#include "framework/CToolTipCtrl.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/foundation/CTavoPPaintBuffer.h"

// One pane of the bar; kept in the base bar's zero-filled element array.
struct CTavoPStatusBarPane
{
    RECT rect;        // client coordinates; all zero when the pane does not fit
    UINT nID;         // indicator id, also the animation timer id
    UINT nStyle;      // SBPS_ bits
    int cxText;       // pixels of text room
    COLORREF clrText; // (COLORREF)-1: the library's default text colour
    int cxIcon;       // size of the icon or animation frames, 0 = none
    int cyIcon;
    LPTSTR lpszText;       // owned, null when empty
    LPTSTR lpszToolTip;    // owned, null when none
    HIMAGELIST hImageList; // owned: the icon or the animation frames
    int nFrameCount;       // animation frames, 0 = no animation
    int nCurrFrame;
    long nProgressCurr;
    long nProgressTotal; // a progress bar replaces the text while above 0
    BOOL bProgressText;
    COLORREF clrProgressBar;     // (COLORREF)-1: the system highlight colour
    COLORREF clrProgressBarDest; // (COLORREF)-1: no gradient
    COLORREF clrProgressText;    // (COLORREF)-1: the highlight text colour
};

class CTavoPStatusBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPStatusBar)
public:
    CTavoPStatusBar();
    virtual ~CTavoPStatusBar();

    // The index that names the stretching pane while the bar has fewer panes than that.
    enum
    {
        StretchPaneIndex = 255
    };

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT nID = AFX_IDW_STATUS_BAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                          UINT nID = AFX_IDW_STATUS_BAR);
    using CTavoPControlBar::Create;
    using CTavoPControlBar::CreateEx;

    // ---- panes
    BOOL SetPanes(const UINT* lpIDArray, int nIDCount);
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount)
    {
        return SetPanes(lpIDArray, nIDCount);
    }
    int GetCount() const { return m_nElements; }
    int IndexOfCommand(UINT nID) const;
    CTavoPStatusBarPane* GetPane(int nIndex) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    int GetPaneWidth(int nIndex) const;
    void SetPaneWidth(int nIndex, int cx);
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void SetPaneTextColor(int nIndex, COLORREF clrText = (COLORREF)-1, BOOL bUpdate = TRUE);
    void SetPaneIcon(int nIndex, HICON hIcon, BOOL bUpdate = TRUE);
    void SetPaneAnimation(int nIndex, HIMAGELIST hImageList, UINT nFrameRate = 500,
                          BOOL bUpdate = TRUE);
    // A progress bar replaces the pane's text while nTotal is above 0; -1 colours take defaults.
    void EnablePaneProgressBar(int nIndex, long nTotal = 100, BOOL bDisplayText = FALSE,
                               COLORREF clrBar = (COLORREF)-1, COLORREF clrBarDest = (COLORREF)-1,
                               COLORREF clrProgressText = (COLORREF)-1);
    void SetPaneProgress(int nIndex, long nCurr, BOOL bUpdate = TRUE);
    long GetPaneProgress(int nIndex) const;
    void SetTipText(int nIndex, LPCTSTR lpszTipText);
    CString GetTipText(int nIndex) const;
    // Repaints the inside of a pane at once.
    void InvalidatePaneContent(int nIndex);

    // ---- bar behaviour
    void EnablePaneDoubleClick(BOOL bEnable = TRUE) { m_bPaneDoubleClick = bEnable; }
    BOOL IsSizeGripShown() const { return !m_bHideSizeGrip; }
    CRect GetSizeGripRect() const { return m_rectSizeGrip; }
    HFONT GetCurrentFont() const;
    void RecalcLayout();

    // ---- overrides
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual void DoPaint(CDC* pDC) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL CanFloat() const override { return FALSE; }

protected:
    virtual void DrawPane(CDC* pDC, CTavoPStatusBarPane* pPane);

    // Index of the pane an operation addresses (the stretch-pane index resolved), -1 for none.
    int ResolveIndex(int nIndex) const;
    CTavoPStatusBarPane* PaneAt(int nIndex) const;
    // Frees a pane's text, tool tip and images and stops its animation.
    void ReleasePane(CTavoPStatusBarPane* pPane);
    void StopAnimation(CTavoPStatusBarPane* pPane);
    // Hides or shows the grip from the frame's state and where the bar sits in it.
    void UpdateSizeGrip(const CRect& rectBarInFrame);
    void UpdateSizeGripFromWindow();
    void SyncToolTips();
    // The height of a line of the bar's font, measured once for each font: the frame asks for
    // the bar's height on every layout pass.
    int FontHeight();

    HFONT m_hFont;
    // The font last measured, with its description (a handle freed and made again may name
    // another font), and its line height.
    HFONT m_hFontMeasured;
    LOGFONT m_lfMeasured;
    int m_cyFontMeasured;
    int m_cxSizeGrip;
    BOOL m_bHideSizeGrip;
    BOOL m_bPaneDoubleClick;
    CRect m_rectSizeGrip;
    CToolTipCtrl m_wndToolTip;
    CTavoPPaintBuffer m_paintBuffer;

public:
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnDestroy();
    LRESULT OnNcHitTestMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimerMessage(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChangedMessage(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};

// The state a frame's update handler sets on one pane during idle processing.
class CTavoPStatusBarCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn = TRUE) override;
    virtual void SetCheck(int nCheck = 1) override;
    virtual void SetText(LPCTSTR lpszText) override;
};
