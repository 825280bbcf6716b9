// The window of every drop-down menu, sub-menu and context menu, holding one popup menu bar.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include <ctime>

class CTavoPControlBar;
class CTavoPMenuPage;
class CTavoPToolbarMenuButton;
class CTavoPToolbarButton;

class CTavoPPopupMenu : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CTavoPPopupMenu)
public:
    CTavoPPopupMenu();
    // A popup the customization's menu page opens for editing: it has a caption with the title,
    // stays where the user puts it and tells the page when it closes.
    CTavoPPopupMenu(CTavoPMenuPage* pMenuPage, LPCTSTR lpszTitle);
    virtual ~CTavoPPopupMenu();

    // Where the popup lies relative to the button that opened it.
    enum DropDirection
    {
        DROP_NONE = 0,
        DROP_DOWN = 1,
        DROP_UP = 2,
        DROP_RIGHT = 3,
        DROP_LEFT = 4
    };

    // The parts of the popup a screen point can fall on.
    enum HitPart
    {
        HitNone = 0,
        HitRightShadow = 1,
        HitBottomShadow = 2,
        HitOutside = 4,
        HitTearOff = 5
    };

    virtual CTavoPPopupMenuBar* GetMenuBar() { return &m_wndMenuBar; }
    // True while a chosen command is being dispatched.
    virtual BOOL IsInCommand() { return GetMenuBar()->IsInCommand(); }
    // Floats the toolbar that stands for this menu at the point, making it when the frame has
    // none yet, and lets it follow the mouse; FALSE when nothing was torn off.
    virtual BOOL TearOff(CPoint point);
    // A new toolbar on the frame holding a copy of the menu's items.
    virtual CTavoPControlBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName);
    // Creates, places and shows the popup; x = y = -1 places it at the owner's client origin
    // plus (5, 5).
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                        BOOL bOwnMessage = FALSE);
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The button that opened this popup; null for a context menu.
    CTavoPToolbarMenuButton* GetParentButton() const { return m_pParentBtn; }
    void SetParentButton(CTavoPToolbarMenuButton* pButton, DropDirection drop)
    {
        m_pParentBtn = pButton;
        m_DropDirection = drop;
    }
    // The parent button is going away before this popup.
    void ForgetParentButton() { m_pParentBtn = nullptr; }
    // The popup whose item bar holds the parent button; null at the top of a chain.
    CTavoPPopupMenu* GetParentPopupMenu() const;
    DropDirection GetDropDirection() const { return m_DropDirection; }
    CWnd* GetMessageWnd() const { return m_pMessageWnd; }
    void SetMessageWnd(CWnd* pWnd) { m_pMessageWnd = pWnd; }
    HMENU GetHMenu() const { return m_hMenu; }
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }
    CTavoPMenuPage* GetMenuPage() const { return m_pMenuPage; }
    // The context-menu manager's popup mode: the chosen command is handed to that manager.
    void SetTrackMode(BOOL bTrackMode) { m_bTrackMode = bTrackMode; }
    BOOL IsTrackMode() const { return m_bTrackMode; }
    void SetCloseParent(BOOL bCloseParent) { m_bAutoDestroyParent = bCloseParent; }
    BOOL IsClosing() const { return m_bIsClosing; }
    BOOL IsPainted() const { return m_bPainted; }
    BOOL IsScrollable() const { return m_bScrollable; }
    BOOL IsAnimationDone() const { return m_bAnimationIsDone; }
    int GetShadowDepth() const { return m_iShadowSize; }
    CSize GetFinalSize() const { return m_FinalSize; }
    CRect GetScrollUpRect() const { return m_rectScrollUp; }
    CRect GetScrollDownRect() const { return m_rectScrollDn; }
    BOOL IsRightAlign() const { return !m_bIsAnimRight; }
    BOOL IsUnfoldDown() const { return m_bIsAnimDown; }
    CSize GetAnimatedSize() const { return m_AnimSize; }
    int GetFadePercent() const { return m_iFadePercent; }

    // ---- items, forwarded to the item bar ----
    int InsertItem(const CTavoPToolbarButton& button, int iInsertAt = -1);
    int InsertSeparator(int iInsertAt = -1);
    void RemoveAllItems();
    int GetMenuItemCount() const;
    CTavoPToolbarButton* GetMenuItem(int iIndex) const;

    // Every item cancels its tracking, so that the whole chain of open sub-menus closes.
    void CancelAllItems();
    // Closes this popup level.
    void CloseMenu(BOOL bSetFocusToBar = FALSE);
    // Reopens the popup in place with all items shown.
    void ShowAllCommands();
    // 4 outside the client, 1 and 2 in the right and bottom shadow, 5 on the tear-off caption.
    int HitTest(CPoint ptScreen) const;
    // Writes the items edited in customize mode back into the parent buttons up the chain.
    void SaveItemsToParentButtons();
    void UpdateShadow();

    // Tells the frame a popup became the active menu (null = none is active); FALSE when the
    // frame refuses it, which closes the popup.
    static BOOL ActivatePopupMenu(CFrameWnd* pTopFrame, CTavoPPopupMenu* pPopupMenu);
    // Re-saves the shadow areas of the open popups that a changed screen rectangle touches.
    static void UpdateAllShadows(LPRECT lprectScreen = NULL);

    // The open popup that receives the keys; null when none is open.
    static CTavoPPopupMenu* GetActiveMenu() { return m_pActivePopupMenu; }
    // A popup that its frame may not refuse.
    BOOL IsAlwaysShown() const { return m_bAlwaysShow; }
    static void SetActiveMenu(CTavoPPopupMenu* pMenu) { m_pActivePopupMenu = pMenu; }

    // The kinds of opening animation; the numbers are stored ("MenuAnimation") and are the
    // options page's list order.
    enum AnimationType
    {
        NO_ANIMATION = 0,
        UNFOLD = 1,
        SLIDE = 2,
        FADE = 3
    };
    // Options shared by all popup menus: the kind of opening animation (an AnimationType) and
    // whether popups cast a shadow.
    static int m_AnimationType;
    static BOOL m_bMenuShadows;
    static int m_AnimationSpeed;
    // While set, popups show rarely used items too.
    static BOOL m_bShowAllCommands;
    // Whether popups that the context-menu manager opens for a caller's menu destroy it.
    static BOOL m_bAutoDestroyMenus;

    // Timers of the popup window.
    enum
    {
        kTimerAnimation = 1,
        kTimerScroll = 2
    };

protected:
    BOOL InitMenuBar();
    void StartAnimation();
    void DrawFullMenu(CDC* pDC);
    void DrawScrollButton(CDC* pDC, const CRect& rect, BOOL bUp, BOOL bHighlighted);
    void DrawAnimationFrame(CDC* pDC);
    void UpdateScrollButtons();
    // The button that opened the popup paints itself now when the shadow can lie over it, so
    // that the shadow darkens the button as it looks while its popup is open.
    void RepaintParentButtonUnderShadow();
    void EnsureSelectedVisible();
    void ExpandRecentFiles();
    // The user tools in place of the tools manager's placeholder item.
    void InsertUserTools();
    CFrameWnd* GetTopFrame() const;
    void FreeBitmaps();
    void FreeAnimationBitmaps();
    // The top-level window whose picture the shadow darkens; null when there is none.
    CWnd* GetShadowedWindow();
    // Takes what the screen shows where the popup is about to appear, while the popup is not
    // shown: the shadow strips darken it (a window just shown does not hold the picture under
    // it on every platform), and the open animation starts from it.
    void SaveScreenUnderPopup();
    // Copies the saved picture under the popup into the DC at 0, 0; the screen when none was
    // saved.
    void CopyScreenUnderPopup(CDC* pDC, CSize size);
    // The strips of the shadow on the screen: the right one and the bottom one.
    void GetShadowStrips(CRect& rectRight, CRect& rectBottom) const;

    BOOL m_bAutoDestroyParent;
    CWnd* m_pMessageWnd;
    CTavoPToolbarMenuButton* m_pParentBtn;
    BOOL m_bAlwaysShow = FALSE;
    DropDirection m_DropDirection;
    CTavoPPopupMenuBar m_wndMenuBar;
    HMENU m_hMenu;
    CPoint m_ptLocation;
    CPoint m_ptLocationInitial;
    CSize m_FinalSize;
    int m_nMenuBarHeight;
    BOOL m_bAutoDestroy;
    BOOL m_bTrackMode;
    BOOL m_bPainted;
    BOOL m_bIsClosing;
    BOOL m_bDestroying = FALSE; // WM_DESTROY has begun
    CTavoPMenuPage* m_pMenuPage = nullptr;
    CString m_strCaption;
    CSize m_AnimSize;
    BOOL m_bIsAnimRight;
    BOOL m_bIsAnimDown;
    BOOL m_bAnimationIsDone;
    BOOL m_bAnimate;
    CBitmap m_bmpShadowRight;
    CBitmap m_bmpShadowBottom;
    CBitmap m_bmpScreen;
    HBITMAP m_hbmpAnimation[3];
    BYTE* m_pAnimationBits[3];
    int m_iFadePercent;
    int m_iShadowSize;
    BOOL m_bScrollable;
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    int m_iScrollMode; // -1 up, 1 down, 0 none
    int m_iScrollBtnHeight;
    BOOL m_bTearOffTracking;
    BOOL m_bTearOffHighlighted = FALSE;
    CRect m_rectTearOffCaption;
    CToolTipCtrl m_wndToolTip;
    BOOL m_bInRecalc;
    // Set by each placement of the scroll buttons and the bar, so that a relayout whose resize
    // already placed them does not place them again.
    BOOL m_bScrollButtonsPlaced;

    static CTavoPPopupMenu* m_pActivePopupMenu;
    static clock_t m_nLastAnimTime;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);

protected:
    virtual void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()
};
