// The caption bar: a strip across a frame showing an image, a message and a button, with coloured border bands.
#pragma once
#include "ui/bars/CTavoPControlBar.h"
#include "ui/foundation/CTavoPToolbarImageList.h"

class CTavoPCaptionBar : public CTavoPControlBar
{
    DECLARE_DYNCREATE(CTavoPCaptionBar)
public:
    // Where an element sits on the bar.
    enum Alignment
    {
        ALIGN_LEFT = 1,
        ALIGN_RIGHT = 2,
        ALIGN_CENTER = 3
    };

    CTavoPCaptionBar();
    virtual ~CTavoPCaptionBar();

    // Creates the bar at the top of its frame, in the frame's layout; nHeight -1 takes the height
    // from the font and the image.
    BOOL Create(DWORD dwStyle, CWnd* pParentWnd, UINT uiID, int nHeight = -1);

    // ---- the elements; each takes effect at once ----
    // An empty label removes the button; a command of 0 shows the label as plain text.
    void SetButton(LPCTSTR lpszLabel, UINT uiCmdUI, int nAlignment = ALIGN_LEFT);
    void RemoveButton() { SetButton(_T(""), 0, m_nBtnAlignment); }
    // An inactive button does not react to the mouse and shows no arrow.
    void EnableButton(BOOL bEnable = TRUE);
    // A held button is drawn sunken like a pressed one.
    void SetButtonHeld(BOOL bHeld = TRUE);
    // The icon is not owned: it must outlive the bar.
    void SetIcon(HICON hIcon, int nAlignment = ALIGN_LEFT);
    void RemoveIcon() { SetIcon(NULL, m_nBmpAlignment); }
    // The bitmap is copied; pixels of the transparent colour (-1: none) are not drawn. A stretched
    // image runs down to the bottom margin.
    BOOL SetBitmap(HBITMAP hBitmap, COLORREF clrTransparent, BOOL bStretch = FALSE,
                   int nAlignment = ALIGN_LEFT);
    void RemoveBitmap();
    void SetText(LPCTSTR lpszText, int nAlignment = ALIGN_LEFT);
    void RemoveText() { SetText(_T(""), m_nMessageAlignment); }
    // -1: the visual manager's caption-text colour.
    void SetTextColor(COLORREF clrText);
    // Colour of the border bands; -1: the button face.
    void SetBackgroundColor(COLORREF clrBackground);
    void SetFlatBorder(BOOL bFlat = TRUE);
    void SetBorderSize(int nSize);
    void SetMargin(int nMargin);

    // -1: the visual manager's own colour.
    COLORREF GetBackgroundColor() const { return m_clrBarBackground; }
    COLORREF GetTextColor() const { return m_clrBarText; }
    int GetCurrentHeight() const { return m_nCurrentHeight; }

    // ---- drawing steps a derived bar may change ----
    virtual void OnDrawBackground(CDC* pDC, CRect rect);
    virtual void OnDrawBorder(CDC* pDC, CRect rect);
    virtual void OnDrawText(CDC* pDC, CRect rect, const CString& strText);
    virtual void OnDrawImage(CDC* pDC, CRect rect);
    virtual void OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bEnabled);

    // ---- overrides of the bar ----
    virtual void OnBarHook3() override;
    virtual void AdjustLayout() override;
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

protected:
    COLORREF m_clrBarText;
    COLORREF m_clrReserved;
    COLORREF m_clrBarBackground;
    HICON m_hIcon;
    CTavoPToolbarImageList m_Bitmap;
    BOOL m_bStretchImage;
    int m_nBmpAlignment;
    CRect m_rectImage;
    HFONT m_hFont;
    CString m_strMessage;
    int m_nMessageAlignment;
    CRect m_rectMessageMeasured;
    CRect m_rectMessage;
    CString m_strBtnText;
    UINT m_uiBtnID;
    int m_nBtnAlignment;
    CRect m_rectButton;
    BOOL m_bBtnPressed;
    BOOL m_bBtnHot;
    BOOL m_bBtnHeld;
    BOOL m_bTracked;
    BOOL m_bBtnEnabled;
    int m_nBorderSize;
    int m_nMargin;
    int m_nHorzElementOffset; // gap between the elements, and the button's text inset
    int m_nDefaultHeight;     // -1: computed
    int m_nCurrentHeight;
    BOOL m_bFlatBorder;
    int m_nReserved;

    // Only a button with a command that is active takes the mouse.
    BOOL IsButtonClickable() const { return m_uiBtnID != 0 && m_bBtnEnabled; }
    BOOL HasImage() const { return m_hIcon != NULL || m_Bitmap.GetCount() > 0; }
    CSize GetImageSize() const;
    HFONT GetBarFont() const;
    // Lays out the frame and then the bar again, and repaints the bar.
    void RecalcAndRedraw();
    void RedrawButton();
    // Moves the edges of rect that lie outside bounds less nMargin inside; with bKeepSize the
    // other edge follows.
    static void ClampRect(CRect& rect, const CRect& bounds, int nMargin, BOOL bKeepSize);
    // Cuts rect away from other (widened by the spacing); bOtherOnRight tells on which side
    // other lies.
    void TrimRect(CRect& rect, CRect other, BOOL bOtherOnRight) const;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    void OnMouseLeave();

protected:
    DECLARE_MESSAGE_MAP()
};
