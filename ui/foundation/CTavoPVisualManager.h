// The process-wide drawing strategy: every bar, button, menu, caption and tab asks it to paint its parts.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPBaseControlBar;
class CTavoPStatusBar;
class CTavoPCaptionButton;
class CTavoPMiniFrameWnd;
class CTavoPBaseTabWnd;
class CTavoPPopupMenu;
class CTavoPToolbarButton;
class CTavoPToolbarMenuButton;
class CTavoPToolbarComboBoxButton;
class CTavoPToolbarEditBoxButton;
class CTavoPButton;
class CTavoPTasksGroup;
class CTavoPTask;

// Button states passed to the button operations.
enum
{
    TAVOP_BUTTON_NORMAL = 0,
    TAVOP_BUTTON_PRESSED = 1,
    TAVOP_BUTTON_HIGHLIGHTED = 2
};

class CTavoPVisualManager : public CObject
{
    DECLARE_DYNCREATE(CTavoPVisualManager)

public:
    explicit CTavoPVisualManager(BOOL bIsTemporary = FALSE);
    virtual ~CTavoPVisualManager();

    static CTavoPVisualManager* GetInstance();
    static void SetDefaultManager(CRuntimeClass* pRTI);
    static CRuntimeClass* GetDefaultManager() { return m_pRTIDefault; }
    // Deletes the current instance when GetInstance made it; the library clean-up calls it.
    static void DestroyInstance(BOOL bAutoDestroyOnly = FALSE);
    static void RedrawAll();

    void SetLook2000(BOOL bLook2000 = TRUE);
    BOOL IsLook2000() const { return m_bLook2000; }
    int GetMenuShadowDepth() const { return m_nMenuShadowDepth; }
    BOOL IsMenuFlatLook() const { return m_bMenuFlatLook; }
    BOOL IsButtonLook() const { return m_bIsButtonLook; }
    BOOL IsEmbossDisabledImage() const { return m_bEmbossDisabledImage; }
    int IsMenuLook() const { return m_nMenuLook; }
    BOOL IsTemporary() const { return m_bIsTemporary; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }
    BOOL IsShadowHighlightedImage() const { return m_bShadowHighlightedImage; }
    void SetShadowHighlightedImage(BOOL bShadow = TRUE) { m_bShadowHighlightedImage = bShadow; }
    BOOL IsFadeInactiveImage() const { return m_bFadeInactiveImage; }
    void SetFadeInactiveImage(BOOL bFade = TRUE) { m_bFadeInactiveImage = bFade; }
    virtual BOOL IsFlatLook() const { return !IsClassicLook(); }
    const int* GetTasksPaneMetrics() const { return m_nTasksMetrics; }

    // The drawing operations, in their fixed order.
    virtual void OnUpdateSystemColors();
    virtual void OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rectClient,
                                     CRect rectClip, BOOL bNCArea = FALSE);
    virtual void OnDrawBarBorder(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect);
    virtual void OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* pMenu, CRect rect);
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                  CTavoPBaseControlBar* pBar);
    virtual void OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rect, BOOL bIsHoriz);
    virtual COLORREF OnFillBarCaption(CDC* pDC, CTavoPBaseControlBar* pBar, BOOL bActive,
                                      CRect rectCaption);
    virtual void OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton, BOOL bActive,
                                     BOOL bHorz, BOOL bMaximized, BOOL bDisabled);
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                        BOOL bHighlight);
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* pBar, CRect rectPane,
                                           UINT uiID, UINT nStyle);
    virtual void OnDrawStatusBarProgress(CDC* pDC, CTavoPStatusBar* pStatusBar, CRect rectProgress,
                                         long nProgressTotal, long nProgressCurr, COLORREF clrBar,
                                         COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                         BOOL bProgressText);
    virtual void OnDrawStatusBarSizeBox(CDC* pDC, CTavoPStatusBar* pStatBar, CRect rectSizeBox);
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted, CTavoPToolbarComboBoxButton* pButton);
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                   BOOL bIsHighlighted, CTavoPToolbarComboBoxButton* pButton);
    virtual void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                  CTavoPToolbarEditBoxButton* pButton);
    virtual void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive);
    virtual void OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                      int state);
    virtual void OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect, int state);
    virtual void OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* pButton, CRect rect,
                                     COLORREF& clrText);
    virtual void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed);
    virtual COLORREF GetToolbarButtonTextColor(CTavoPToolbarButton* pButton, int state);
    virtual COLORREF GetWindowColor() const;
    virtual void OnFillOutlookPageButton(CDC* pDC, const CRect& rect, BOOL bIsHighlighted,
                                         BOOL bIsPressed, COLORREF& clrText);
    virtual void OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                               BOOL bIsPressed);
    virtual void OnEraseTabsArea(CDC* pDC, CRect rect, CTavoPBaseTabWnd* pTabWnd);
    virtual void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                           CTavoPBaseTabWnd* pTabWnd);
    virtual void OnEraseTabsButton(CDC* pDC, CRect rect, CTavoPButton* pButton,
                                   CTavoPBaseTabWnd* pTabWnd);
    virtual void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CTavoPButton* pButton, UINT uiState,
                                        CTavoPBaseTabWnd* pTabWnd);
    virtual COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE);
    virtual CSize GetButtonExtraSize() const;
    virtual COLORREF OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                            CTavoPMiniFrameWnd* pFrameWnd, BOOL bActive);
    virtual void OnDrawMiniFrameBorder(CDC* pDC, CTavoPMiniFrameWnd* pFrameWnd, CRect rectBorder,
                                       CRect rectBorderSize);
    virtual void OnDrawHeaderItemBorder(CWnd* pHeader, CDC* pDC, CRect& rect, BOOL bIsPressed,
                                        BOOL bIsHighlighted);
    virtual void OnDrawHeaderSortArrow(CWnd* pHeader, CDC* pDC, CRect rectArrow, BOOL bIsUp);
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea);
    virtual void OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                         BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE,
                                         BOOL bCanCollapse = FALSE);
    virtual void OnDrawTasksPaneHook(CDC* pDC, CRect rect, int nArg1, int nArg2, int nArg3) {}
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE);
    virtual void OnDrawTasksGroupBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                        BOOL bNoTitle = FALSE);
    virtual void OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                            BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE);
    virtual int GetMenuImageMargin() const;
    virtual BOOL IsClassicLook() const;
    // Text colour of a highlighted menu item.
    virtual COLORREF GetHighlightedMenuItemTextColor(CTavoPToolbarButton* pButton);
    // Text colour of captions drawn on a bar.
    virtual COLORREF GetCaptionBarTextColor() const;

    // Owner-drawn push buttons; the base look leaves them to draw themselves.
    virtual BOOL OnFillPushButtonBackground(CTavoPButton* pButton, CDC* pDC, const CRect& rect,
                                            COLORREF& clrText);
    virtual BOOL PushButtonHook();
    virtual BOOL OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CTavoPButton* pButton,
                                        UINT uiState);

    // Drawing helpers shared by the looks.
    // Outline of one pixel: top and left in clrTopLeft, bottom and right in clrBottomRight.
    static void DrawFrame(CDC* pDC, const CRect& rect, COLORREF clrTopLeft,
                          COLORREF clrBottomRight);
    static void FillSolid(CDC* pDC, const CRect& rect, COLORREF clr);
    static void FillBrush(CDC* pDC, const CRect& rect, HBRUSH hbr);

protected:
    // Border lines on the bordered sides of a docked bar, the rect shrunk by them; bGroove adds the two
    // rows over a bar that cannot float.
    void DrawBarBorderLines(CDC* pDC, CTavoPBaseControlBar* pBar, CRect& rect, COLORREF clrLeftTop,
                            COLORREF clrRightBottom, BOOL bGroove);
    // Expand box at the right end of a group caption, kept inside the caption.
    static CRect GroupButtonRect(const CRect& rectCaption);
    // Name of a group caption at the offsets of the task-pane metrics.
    void DrawGroupName(CDC* pDC, CTavoPTasksGroup* pGroup, COLORREF clrText);
    // Image and name of a task, in the given font and colour (-1: the DC's colour).
    void DrawTaskContent(CDC* pDC, CTavoPTask* pTask, CImageList* pImages, HFONT hFont,
                         COLORREF clrText);
    // Icon or image and label of a 3-D tab.
    void DrawTabImageAndLabel(CDC* pDC, const CRect& rectTab, int iTab, BOOL bIsActive,
                              CTavoPBaseTabWnd* pTabWnd);
    void DrawGlyph(CDC* pDC, int nGlyph, const CRect& rectCentre, int nColorSet,
                   CPoint ptOffset = CPoint(0, 0));

    BOOL m_bLook2000;
    int m_nMenuShadowDepth;
    BOOL m_bMenuFlatLook;
    BOOL m_bIsButtonLook;
    BOOL m_bEmbossDisabledImage;
    int m_nMenuLook;
    BOOL m_bIsTemporary;
    int m_nTasksMetrics[10];
    BOOL m_bAutoDestroy;
    BOOL m_bShadowHighlightedImage;
    BOOL m_bFadeInactiveImage;

    static CTavoPVisualManager* m_pVisManager;
    static CRuntimeClass* m_pRTIDefault;
};
