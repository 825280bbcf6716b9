// The tab window of an outlook bar: full-width page buttons stacked above and below the active page.
#pragma once
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/controls/CTavoPButton.h"

class COleDataObject;
class CTavoPOutlookBarPane;

class CTavoPOutlookWnd : public CTavoPBaseTabWnd
{
    DECLARE_DYNCREATE(CTavoPOutlookWnd)
public:
    CTavoPOutlookWnd();
    virtual ~CTavoPOutlookWnd();

    static const UINT kStyle =
        0x56000000; // WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN

    virtual BOOL Create(const CRect& rect, CWnd* pParentWnd, UINT nID);

    virtual BOOL IsPtInTabArea(CPoint point) const override;
    // The page buttons above the page and those below it, in screen coordinates.
    virtual void GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const;
    virtual void RecalcLayout() override;
    virtual BOOL SetActiveTab(int iTab) override;
    // None over a page button (screen point); else the bar the window lies in.
    virtual CWnd* FindTargetWnd(const CPoint& ptScreen) override;
    // -1 stands for the page button being pressed, else the active page.
    virtual int GetTabNumberToDetach(int iTab = -1) const override;
    // A dragged outlook button over a page button opens that page.
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;

    // Where the active page's window goes, in client coordinates.
    const CRect& GetPageArea() const { return m_rectWndArea; }
    int GetBorderSize() const { return m_nBorderSize; }
    void SetBorderSize(int nBorderSize);
    // Two small buttons beside the active page's button and the next one. They show while the
    // active page is an outlook pane whose buttons do not all fit, scroll it a button at a
    // time and are disabled at the end they lead to; each click also calls the bar's scroll
    // hook.
    void EnableScrollButtons(BOOL bEnable = TRUE);
    BOOL IsScrollButtons() const { return m_bScrollButtons; }
    BOOL AreScrollButtonsShown() const { return m_bScrollButtonsShown; }
    CTavoPButton& GetScrollButton(BOOL bUp) { return bUp ? m_btnScrollUp : m_btnScrollDown; }
    // An outlook pane among the pages scrolled or laid out its buttons anew.
    void OnPageScrolled(CTavoPOutlookBarPane* pPane);

    // Page switches that come from a click slide the page buttons across; off at start.
    static void EnableAnimation(BOOL bEnable = TRUE) { m_bEnableAnimation = bEnable; }
    static BOOL IsAnimation() { return m_bEnableAnimation; }
    // Waits between two pictures of a sliding page switch (Sleep); tests look at each picture.
    static void(WINAPI* m_pfnAnimationPause)(DWORD dwMilliseconds);

    // Width kept at the right of a detachable page's button for its gripper.
    static const int kGripperWidth = 11;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The page buttons' rectangles, the page area, the scroll buttons and the pages' windows.
    void Layout();
    void DrawPageButton(CDC& dc, int iTab);
    // Slides the page buttons between the old and the new page across the old page.
    void AnimatePageSwitch(int iOld, int iNew);
    // The active page when it is an outlook pane, else null.
    CTavoPOutlookBarPane* GetActivePane() const;
    // Whether the scroll buttons are wanted: switched on, and the active pane scrolls.
    BOOL NeedsScrollButtons() const;
    // Each scroll button is enabled while the active pane can scroll that way.
    void UpdateScrollButtons();

    CTavoPButton m_btnScrollUp;
    CTavoPButton m_btnScrollDown;
    CRect m_rectWndArea;
    int m_nBorderSize;
    BOOL m_bScrollButtons;
    // Whether the last layout placed the scroll buttons.
    BOOL m_bScrollButtonsShown;
    // A layout or a slide runs: the pages it resizes lay out their buttons, which it looks at
    // itself.
    BOOL m_bInLayout;

    static BOOL m_bEnableAnimation;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

protected:
    DECLARE_MESSAGE_MAP()
};
