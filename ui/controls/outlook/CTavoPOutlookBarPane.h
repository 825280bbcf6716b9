// One page of an outlook bar: a toolbar showing large buttons in a column over its own background.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/controls/CTavoPButton.h"
#include "ui/foundation/CTavoPToolbarImageList.h"

class CTavoPOutlookBar;

class CTavoPOutlookBarPane : public CTavoPToolBar
{
    DECLARE_SERIAL(CTavoPOutlookBarPane)
public:
    CTavoPOutlookBarPane();
    virtual ~CTavoPOutlookBarPane();

    // The style outlook bars create their pages with.
    static const DWORD kDefaultStyle = 0x50402808;
    // The IDs of the two scroll buttons, which are also the IDs of their repeat timers.
    static const UINT kScrollUpId = 1;
    static const UINT kScrollDownId = 2;
    // How often a held scroll button scrolls again.
    static const UINT kScrollRepeatMs = 200;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = kDefaultStyle, UINT uiID = (UINT)-1,
                        DWORD dwControlBarStyle = 0);

    // The control ID the page was made with.
    UINT GetPageID() const { return GetControlID(); }

    // ---- buttons ----
    // Adds a button showing the bitmap (appended to the shared outlook images, which take the
    // size of the first bitmap given) above the label; the index of the new button, -1 when
    // the bitmap could not be added.
    int AddButton(HBITMAP hBitmap, LPCTSTR lpszLabel, UINT uiCommand, int iInsertAt = -1);
    // The same with a bitmap resource of the module.
    int AddButton(UINT uiImageResID, LPCTSTR lpszLabel, UINT uiCommand, int iInsertAt = -1);
    // The images every outlook button is drawn from.
    static CTavoPToolbarImageList& GetImages();

    // ---- background and colours ----
    // A bitmap resource tiled behind the buttons; 0 goes back to the background colour.
    void SetBackImage(UINT uiImageID);
    UINT GetBackImageID() const { return m_uiBackImageId; }
    void SetBackColor(COLORREF clrBack);
    COLORREF GetBackColor() const { return m_clrBackColor; }
    // -1 leaves the labels to the visual manager.
    void SetTextColor(COLORREF clrText);
    COLORREF GetRegularTextColor() const { return m_clrRegText; }
    COLORREF GetTransparentColor() const { return m_clrTransparentColor; }
    BOOL HasBackgroundImage() const { return m_imgBack.GetCount() > 0; }
    BOOL IsHighColorBackground() const { return m_bIsBackImage; }
    // Extra room above and between the buttons.
    void SetExtraSpace(int nSpace) { m_nExtraSpace = nSpace; }

    // ---- scrolling ----
    // One button up or down; at either end the scroll button's repeat stops.
    void ScrollUp();
    void ScrollDown();
    int GetScrollOffset() const { return m_iScrollOffset; }
    int GetFirstVisibleButton() const { return m_iFirstVisibleButton; }
    BOOL CanScrollDown() const { return m_bScrollDown; }
    CTavoPButton& GetScrollButton(BOOL bUp) { return bUp ? m_btnUp : m_btnDown; }

    // A small hidden button showing a menu glyph, as the outlook windows scroll with.
    static BOOL CreateScrollButton(CTavoPButton& button, CWnd* pParent, UINT uiID, int nGlyph,
                                   int nBorderStyle);

    // ---- overrides of the toolbar ----
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    virtual DWORD GetCurrentAlignment() const override { return m_dwBarStyle & 0x5000; }
    virtual void LayoutButtons() override;
    virtual void DoPaint(CDC* pDC) override;
    virtual BOOL CanBeRestored() const override { return !m_OrigButtons.IsEmpty(); }
    virtual BOOL RestoreOriginalState() override;
    virtual void RemoveAllButtons() override;
    virtual DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;
    virtual CTavoPToolbarButton* CreateDroppedButton(COleDataObject* pDataObject) override;
    virtual BOOL PrepareCustomizeMenu(CTavoPToolbarButton* pButton, CMenu* pPopup) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- moving between outlook bars ----
    // A page that floats by itself (not in a docking pane) docks into the outlook bar under
    // the cursor, as a page.
    virtual BOOL DockTargetFromPoint(int nSensitivity, CTavoPBaseControlBar*& pTarget) override;
    virtual BOOL DockToBarByMouse(CTavoPBaseControlBar* pTarget) override;
    // Sent back to its place (a double click on its caption, Escape), a floating page goes back
    // into the outlook bar it was torn out of.
    virtual BOOL DockToBar(CTavoPDockBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    // Dragged by its page button, the page tears out only once the cursor has left the bar's
    // page buttons and pages.
    virtual BOOL OnBeforeFloat(CRect& rectFloat, int nDockMethod) override;
    // The outlook bar the page was last torn out of; null when none or when it is gone.
    CTavoPOutlookBar* GetRecentOutlookBar() const;

    // Without a background image the pane is filled with its background colour, else the
    // image is tiled from the top left corner.
    virtual void OnEraseWorkArea(CDC* pDC, CRect rectWorkArea);

    // Restores the original buttons when the list differs from them; FALSE when it matches
    // (or is empty).
    BOOL SmartUpdate(const CObList& lstPrevButtons);

protected:
    // The scroll button under a screen point, 0 for none.
    UINT ScrollButtonFromPoint(CPoint ptScreen);
    // Stops a scroll button's repeat.
    void StopScrollTimer(UINT uiTimer);
    // Cancels the press of a scroll button unless it is the one held down now.
    void CancelScrollButtons();
    // Leaves the floating frame and becomes the active page of the bar; FALSE when the window
    // is no outlook bar.
    BOOL DockToOutlookBar(CWnd* pWnd);

    COLORREF m_clrRegText;
    COLORREF m_clrTransparentColor;
    COLORREF m_clrBackColor;
    int m_nReserved;
    CTavoPToolbarImageList m_imgBack;
    UINT m_uiBackImageId;
    CTavoPButton m_btnUp;
    CTavoPButton m_btnDown;
    int m_iScrollOffset;
    int m_iFirstVisibleButton;
    BOOL m_bScrollDown;
    BOOL m_bIsBackImage;
    int m_nExtraSpace;
    HWND m_hRecentOutlookWnd;
    // The scroll button held down now (its ID), 0 for none.
    UINT m_uiHeldScroll;

    // The smallest button the layout makes; (0, 0) lets each button take its own size.
    static CSize m_sizeMinButton;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnSysColorChange();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnSize(UINT nType, int cx, int cy);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    DECLARE_MESSAGE_MAP()
};
