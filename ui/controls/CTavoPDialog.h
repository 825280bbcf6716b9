// The library's dialog base: a background colour or picture behind its controls, and popup menus opened from it that get its keys and close on outside clicks.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/CTavoPDialogPopupHelper.h"

class CTavoPPopupMenu;

class CTavoPDialog : public CDialog
{
    DECLARE_DYNAMIC(CTavoPDialog)
public:
    CTavoPDialog();
    explicit CTavoPDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    explicit CTavoPDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
    virtual ~CTavoPDialog();

    // Where a background picture goes in the client area.
    enum BackgroundLocation
    {
        BACKGR_TILE = 0,
        BACKGR_TOPLEFT = 1,
        BACKGR_TOPRIGHT = 2,
        BACKGR_BOTTOMLEFT = 3,
        BACKGR_BOTTOMRIGHT = 4
    };

    // A solid background; (COLORREF)-1 takes it away.
    void SetBackgroundColor(COLORREF color, BOOL bRepaint = TRUE);
    // A background picture; with bAutoDestroy the dialog deletes it when its window goes. Null
    // takes the picture away.
    void SetBackgroundImage(HBITMAP hBitmap, BackgroundLocation location = BACKGR_TILE,
                            BOOL bAutoDestroy = FALSE, BOOL bRepaint = TRUE);
    // The picture from a bitmap resource of the program, deleted with the window.
    BOOL SetBackgroundImage(UINT uiBmpResId, BackgroundLocation location = BACKGR_TILE,
                            BOOL bRepaint = TRUE);

    // Called by the popup menu code when a popup opened from this dialog becomes active (null
    // when it closes).
    void SetActiveMenu(CTavoPPopupMenu* pMenu) { m_Impl.SetActiveMenu(pMenu); }
    CTavoPDialogPopupHelper& GetPopupHelper() { return m_Impl; }

    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void FreeBackgroundImage();

    HBITMAP m_hBkgrBitmap;
    CSize m_sizeBkgrBitmap;
    CBrush m_brBkgr;
    BackgroundLocation m_location;
    BOOL m_bAutoDestroyBmp;
    CTavoPDialogPopupHelper m_Impl;

public:
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    BOOL OnNcActivate(BOOL bActive);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

protected:
    DECLARE_MESSAGE_MAP()
};
