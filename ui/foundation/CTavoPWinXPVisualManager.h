// The look that draws through the platform's visual styles when they are on, and falls back to the XP look part by part.
#pragma once
#include "ui/foundation/CTavoPVisualManagerXP.h"

#include <uxtheme.h>

class CTavoPWinXPVisualManager : public CTavoPVisualManagerXP
{
    DECLARE_DYNCREATE(CTavoPWinXPVisualManager)

public:
    explicit CTavoPWinXPVisualManager(BOOL bIsTemporary = FALSE);
    virtual ~CTavoPWinXPVisualManager();

    static BOOL IsThemeAvailable();
    // Name of the theme library loaded by new instances; a test can point it at a missing file.
    static LPCSTR m_lpszThemeLibrary;

    BOOL IsWindowThemeOpen() const { return m_hThemeWindow != NULL; }

    virtual void OnUpdateSystemColors() override;
    virtual void OnFillBarBackground(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rectClient,
                                     CRect rectClip, BOOL bNCArea = FALSE) override;
    virtual void OnDrawMenuBorder(CDC* pDC, CTavoPPopupMenu* pMenu, CRect rect) override;
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                  CTavoPBaseControlBar* pBar) override;
    virtual void OnDrawSeparator(CDC* pDC, CTavoPBaseControlBar* pBar, CRect rect,
                                 BOOL bIsHoriz) override;
    virtual void OnDrawCaptionButton(CDC* pDC, CTavoPCaptionButton* pButton, BOOL bActive,
                                     BOOL bHorz, BOOL bMaximized, BOOL bDisabled) override;
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                        BOOL bHighlight) override;
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, CTavoPStatusBar* pBar, CRect rectPane,
                                           UINT uiID, UINT nStyle) override;
    virtual void OnDrawStatusBarProgress(CDC* pDC, CTavoPStatusBar* pStatusBar, CRect rectProgress,
                                         long nProgressTotal, long nProgressCurr, COLORREF clrBar,
                                         COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                         BOOL bProgressText) override;
    virtual void OnDrawStatusBarSizeBox(CDC* pDC, CTavoPStatusBar* pStatBar,
                                        CRect rectSizeBox) override;
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted,
                                       CTavoPToolbarComboBoxButton* pButton) override;
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                   BOOL bIsHighlighted,
                                   CTavoPToolbarComboBoxButton* pButton) override;
    virtual void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                  CTavoPToolbarEditBoxButton* pButton) override;
    virtual void OnFillButtonInterior(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                      int state) override;
    virtual void OnDrawButtonBorder(CDC* pDC, CTavoPToolbarButton* pButton, CRect rect,
                                    int state) override;
    virtual void OnHighlightMenuItem(CDC* pDC, CTavoPToolbarMenuButton* pButton, CRect rect,
                                     COLORREF& clrText) override;
    virtual COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect,
                                                  BOOL bIsSelected = FALSE) override;
    virtual COLORREF GetHighlightedMenuItemTextColor(CTavoPToolbarButton* pButton) override;
    virtual CSize GetButtonExtraSize() const override;
    virtual void OnDrawHeaderItemBorder(CWnd* pHeader, CDC* pDC, CRect& rect, BOOL bIsPressed,
                                        BOOL bIsHighlighted) override;
    virtual void OnDrawHeaderSortArrow(CWnd* pHeader, CDC* pDC, CRect rectArrow,
                                       BOOL bIsUp) override;

    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    virtual void OnDrawTasksGroupCaption(CDC* pDC, CTavoPTasksGroup* pGroup,
                                         BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE,
                                         BOOL bCanCollapse = FALSE) override;
    virtual void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    virtual void OnDrawTasksGroupBorder(CDC* pDC, CRect rect, BOOL bSpecial = FALSE,
                                        BOOL bNoTitle = FALSE) override;
    virtual void OnDrawTask(CDC* pDC, CTavoPTask* pTask, CImageList* pImages,
                            BOOL bIsHighlighted = FALSE, BOOL bIsSelected = FALSE) override;

    virtual BOOL OnFillPushButtonBackground(CTavoPButton* pButton, CDC* pDC, const CRect& rect,
                                            COLORREF& clrText) override;
    virtual BOOL PushButtonHook() override;
    virtual BOOL OnDrawPushButtonBorder(CDC* pDC, const CRect& rect, CTavoPButton* pButton,
                                        UINT uiState) override;

protected:
    typedef HTHEME(WINAPI* OPENTHEMEDATA)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI* CLOSETHEMEDATA)(HTHEME);
    typedef HRESULT(WINAPI* DRAWTHEMEBACKGROUND)(HTHEME, HDC, int, int, const RECT*, const RECT*);

    void CloseThemes();
    void DrawThemed(HTHEME hTheme, CDC* pDC, int nPart, int nState, const CRect& rect);

    HTHEME m_hThemeToolBar;
    HTHEME m_hThemeRebar;
    HTHEME m_hThemeButton;
    HTHEME m_hThemeStatusBar;
    HTHEME m_hThemeWindow;
    HTHEME m_hThemeComboBox;
    HTHEME m_hThemeProgress;
    HTHEME m_hThemeHeader;
    HTHEME m_hThemeScrollBar;
    HTHEME m_hThemeExplorerBar;
    HINSTANCE m_hThemeDLL;
    OPENTHEMEDATA m_pfOpenThemeData;
    CLOSETHEMEDATA m_pfCloseThemeData;
    DRAWTHEMEBACKGROUND m_pfDrawThemeBackground;
    int m_nReserved;
};
