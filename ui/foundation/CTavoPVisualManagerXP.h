// The flat XP look the application selects: light menus with an image column, hot fills mixed from the selection colour.
#pragma once
#include "ui/foundation/CTavoPVisualManager.h"

class CTavoPVisualManagerXP : public CTavoPVisualManager
{
    DECLARE_DYNCREATE(CTavoPVisualManagerXP)

public:
    explicit CTavoPVisualManagerXP(BOOL bIsTemporary = FALSE);
    virtual ~CTavoPVisualManagerXP();

    COLORREF GetBarColor() const { return m_clrBarBkgnd; }
    COLORREF GetMenuColor() const { return m_clrMenuLight; }
    COLORREF GetDarkColor() const { return m_clrInactiveTabText; }
    COLORREF GetHotColor() const { return m_clrHighlight; }
    COLORREF GetPressedColor() const { return m_clrHighlightDn; }
    COLORREF GetCheckedColor() const { return m_clrHighlightChecked; }
    COLORREF GetGripperColor() const { return m_clrGripper; }
    COLORREF GetSeparatorColor() const { return m_clrSeparator; }
    COLORREF GetBorderShadowColor() const { return m_clrPaneBorder; }
    COLORREF GetMenuBorderColor() const { return m_clrMenuBorder; }
    COLORREF GetSelectionFrameColor() const { return m_clrMenuItemBorder; }
    COLORREF GetLightBarColor() const { return m_clrBarLight; }
    COLORREF GetDarkBrushColor() const { return m_clrDarkBrush; }
    BOOL IsConnectMenuToParent() const { return m_bConnectMenuToParent; }

    virtual void CreatePatternBrushes();
    virtual void ExtendRectTowardPopup(CTavoPToolbarMenuButton* pButton, CRect& rect);

    virtual void OnUpdateSystemColors() override;
    virtual void OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rectClient,
                                     CRect rectClip, BOOL bNCArea = FALSE) override;
    virtual void OnDrawBarBorder(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect) override;
    virtual void OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* pMenu, CRect rect) override;
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                  CTavoPBaseControlBar* pBar) override;
    virtual void OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rect,
                                 BOOL bIsHoriz) override;
    virtual COLORREF OnFillBarCaption(CDC* pDC, CTavoPBaseControlBar* pBar, BOOL bActive,
                                      CRect rectCaption) override;
    virtual void OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton, BOOL bActive,
                                     BOOL bHorz, BOOL bMaximized, BOOL bDisabled) override;
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                        BOOL bHighlight) override;
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* pBar, CRect rectPane,
                                           UINT uiID, UINT nStyle) override;
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted,
                                       CTavoPToolbarComboBoxButton* pButton) override;
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                   BOOL bIsHighlighted,
                                   CTavoPToolbarComboBoxButton* pButton) override;
    virtual void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    virtual void OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                      int state) override;
    virtual void OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                    int state) override;
    virtual void OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* pButton, CRect rect,
                                     COLORREF& clrText) override;
    virtual void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed) override;
    virtual COLORREF GetToolbarButtonTextColor(CTavoPToolbarButton* pButton, int state) override;
    virtual void OnEraseTabsArea(CDC* pDC, CRect rect, CTavoPBaseTabWnd* pTabWnd) override;
    virtual void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                           CTavoPBaseTabWnd* pTabWnd) override;
    virtual void OnEraseTabsButton(CDC* pDC, CRect rect, CTavoPButton* pButton,
                                   CTavoPBaseTabWnd* pTabWnd) override;
    virtual void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CTavoPButton* pButton, UINT uiState,
                                        CTavoPBaseTabWnd* pTabWnd) override;
    virtual COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect,
                                                  BOOL bIsSelected = FALSE) override;
    virtual COLORREF OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                            CTavoPMiniFrameWnd* pFrameWnd, BOOL bActive) override;
    virtual void OnDrawMiniFrameBorder(CDC* pDC, CTavoPMiniFrameWnd* pFrameWnd, CRect rectBorder,
                                       CRect rectBorderSize) override;
    virtual void OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                         BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE,
                                         BOOL bCanCollapse = FALSE) override;
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    virtual void OnDrawTasksGroupBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                        BOOL bNoTitle = FALSE) override;
    virtual void OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                            BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE) override;
    virtual COLORREF GetHighlightedMenuItemTextColor(CTavoPToolbarButton* pButton) override;
    virtual int GetMenuImageMargin() const override;
    virtual BOOL IsClassicLook() const override;

protected:
    void DeleteColorObjects();
    // Text on the hot fill: black when every channel of the hot colour is above 128, else white.
    COLORREF GetHotTextOnFill() const;
    // The title of a docking pane over its gripper, opaque on clrBack.
    void DrawDockingBarTitle(CDC* pDC, const CRect& rect, BOOL bHorz, CTavoPBaseControlBar* pBar,
                             COLORREF clrBack);
    void FillPattern(CDC* pDC, const CRect& rect, HBRUSH hbrPattern, COLORREF clrFore,
                     COLORREF clrBack);

    HBRUSH m_brGripperHorz;
    HBRUSH m_brGripperVert;
    COLORREF m_clrBarBkgnd;
    HBRUSH m_brBarBkgnd;
    COLORREF m_clrMenuLight;
    HBRUSH m_brMenuLight;
    COLORREF m_clrInactiveTabText;
    HBRUSH m_brTabBack;
    COLORREF m_clrHighlight;
    HBRUSH m_brHighlight;
    COLORREF m_clrHighlightDn;
    HBRUSH m_brHighlightDn;
    COLORREF m_clrHighlightChecked;
    HBRUSH m_brHighlightChecked;
    COLORREF m_clrGripper;
    HPEN m_penSeparator;
    COLORREF m_clrPaneBorder;
    COLORREF m_clrMenuBorder;
    COLORREF m_clrMenuItemBorder;
    HBRUSH m_brFloatToolBarBorder;
    BOOL m_bConnectMenuToParent;

    // Colours behind the brushes that keep no colour member of their own.
    COLORREF m_clrSeparator;
    COLORREF m_clrBarLight;
    COLORREF m_clrDarkBrush;
};
