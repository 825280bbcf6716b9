// The library's owner-drawn push button, check box and radio button: face, border, image, caption, hot look, auto-repeat, hand cursor and tooltip.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPButton : public CButton
{
    DECLARE_DYNCREATE(CTavoPButton)
public:
    CTavoPButton();
    virtual ~CTavoPButton();

    enum BorderStyle
    {
        BUTTONSTYLE_3D = 0,
        BUTTONSTYLE_FLAT = 1,
        BUTTONSTYLE_SEMIFLAT = 2,
        BUTTONSTYLE_NOBORDERS = 3
    };
    enum AlignStyle
    {
        ALIGN_LEFT = 0,
        ALIGN_RIGHT = 1,
        ALIGN_CENTER = 2
    };

    // Drops the button's images and draws the menu glyph iImage instead, in the colour set
    // 0 black, 1 grey, 2 silver, any other white.
    void SetStdImage(int iImage, int nColorSet = 0);
    // A text creates the tooltip on first use (or changes its text) and activates it; null deactivates it.
    void SetTooltip(LPCTSTR lpszToolTipText);
    // 0 switches repeating off.
    void SetAutoRepeatDelay(int nDelay) { m_nAutoRepeatTimeDelay = nDelay; }
    void SetMouseCursor(HCURSOR hcursor) { m_hCursor = hcursor; }
    // The library's shared hand cursor (resource 16919).
    void SetMouseCursorHand();

    // Images: hBitmap becomes the normal image, hBitmapHot the hot one; the disabled image is
    // made from the normal one. Bitmaps are copied; the caller keeps its own.
    void SetImage(HBITMAP hBitmap, HBITMAP hBitmapHot = nullptr, BOOL bChecked = FALSE);

    void SetBorderStyle(int nStyle) { m_nFlatStyle = nStyle; }
    int GetBorderStyle() const { return m_nFlatStyle; }
    void SetTextAlignment(int nAlign) { m_nAlignStyle = nAlign; }
    int GetTextAlignment() const { return m_nAlignStyle; }
    void SetImageOnRight(BOOL bRight = TRUE) { m_bRighImage = bRight; }
    void SetTransparent(BOOL bTransparent = TRUE) { m_bTransparent = bTransparent; }
    void SetDrawFocus(BOOL bDraw = TRUE) { m_bDrawFocus = bDraw; }
    void SetHighlightChecked(BOOL bHighlight = TRUE) { m_bHighlightChecked = bHighlight; }
    void SetGrayDisabled(BOOL bGray = TRUE) { m_bGrayDisabled = bGray; }
    void SetRespondOnButtonDown(BOOL bRespond = TRUE) { m_bResponseOnButtonDown = bRespond; }
    void SetFullTextTooltip(BOOL bFull = TRUE);
    void SetTextColor(COLORREF clr) { m_clrRegular = clr; }
    void SetTextHotColor(COLORREF clr) { m_clrHover = clr; }
    void SetFaceColor(COLORREF clr) { m_clrFace = clr; }
    void SetPushOffset(int cx, int cy) { m_sizePushOffset = CSize(cx, cy); }

    BOOL IsCheckBox() const { return m_bCheckButton; }
    BOOL IsRadioButton() const { return m_bRadioButton; }
    BOOL IsAutoCheck() const { return m_bAutoCheck; }
    BOOL IsChecked() const { return m_bChecked; }
    BOOL IsCaptured() const { return m_bCaptured; }
    BOOL IsHover() const { return m_bHover; }
    HCURSOR GetMouseCursor() const { return m_hCursor; }
    CSize GetImageSize() const { return m_sizeImage; }
    CToolTipCtrl& GetToolTipCtrl() { return m_wndToolTip; }
    // A colour bar that takes the mouse over from this button clears the flag.
    void ClearCaptured() { m_bCaptured = FALSE; }

    // The process-wide switch that takes borders from the themed visual manager; off at start.
    static void EnableWinXPTheme(BOOL bEnable = TRUE) { m_bWinXPTheme = bEnable; }
    static BOOL IsWinXPThemeEnabled() { return m_bWinXPTheme; }
    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHighlighted() const { return m_bHighlighted; }

    virtual void CleanUp();
    virtual CSize SizeToContent(BOOL bCalcOnly = FALSE);

protected:
    virtual void OnFillBackground(CDC* pDC, const CRect& rectClient);
    virtual void OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState);
    virtual void OnDrawFocusRect(CDC* pDC, const CRect& rectClient);
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState);
    virtual void OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                            UINT uiState);
    virtual BOOL CreateDisabledImage(HBITMAP hBitmapOrig, BOOL bChecked);
    virtual CFont* SelectFont(CDC* pDC);

public:
    virtual void PreSubclassWindow() override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    void InitStyle(DWORD dwStyle);
    BOOL CheckNextRadio(BOOL bForward);
    void UncheckOtherRadios();
    // Sends WM_COMMAND with the control id to the parent, when there is one.
    void SendCommandToParent();
    // Lets the mouse go when this button holds it.
    void ReleaseMouse();
    void RedrawNow();

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnCancelMode();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnEnable(BOOL bEnable);
    void OnSize(UINT nType, int cx, int cy);
    void OnKillFocus(CWnd* pNewWnd);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    int m_nFlatStyle;
    int m_nAlignStyle;
    BOOL m_bRighImage;
    BOOL m_bTransparent;
    BOOL m_bDrawFocus;
    BOOL m_bHighlightChecked;
    BOOL m_bGrayDisabled;
    BOOL m_bResponseOnButtonDown;
    BOOL m_bPushed;
    BOOL m_bClickiedInside;
    BOOL m_bHighlighted;
    BOOL m_bCaptured;
    BOOL m_bHover;
    BOOL m_bChecked;
    BOOL m_bCheckButton;
    BOOL m_bRadioButton;
    BOOL m_bAutoCheck;
    CSize m_sizeImage;
    CImageList m_Image;
    CImageList m_ImageHot;
    CImageList m_ImageDisabled;
    CImageList m_ImageChecked;
    CImageList m_ImageCheckedHot;
    CImageList m_ImageCheckedDisabled;
    BOOL m_bFullTextTooltip;
    BOOL m_bDelayFullTextTooltipSet;
    int m_nStdImageId;
    int m_nStdImageState;
    CToolTipCtrl m_wndToolTip;
    HCURSOR m_hCursor;
    CSize m_sizePushOffset;
    COLORREF m_clrRegular;
    COLORREF m_clrHover;
    COLORREF m_clrFace;
    HFONT m_hFont;
    int m_nAutoRepeatTimeDelay;

    static BOOL m_bWinXPTheme;

private:
    // Copies hBitmap into the list (created at the bitmap's size), masked by the button face.
    static BOOL AddBitmapTo(CImageList& list, HBITMAP hBitmap);
};
