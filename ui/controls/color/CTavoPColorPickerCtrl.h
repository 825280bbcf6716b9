// Owner-drawn button that shows and edits one colour as a swatch, luminance bar, spectrum, honeycomb or grey strip.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CButton.h"
#include "framework/CBitmap.h"
#include "framework/CObArray.h"

class CPalette;
class CTavoPColorHexagon;

class CTavoPColorPickerCtrl : public CButton
{
    DECLARE_DYNAMIC(CTavoPColorPickerCtrl)
public:
    enum COLORTYPE
    {
        CURRENT = 0,  // new colour over the comparison colour
        LUMINANCE,    // lightness bar of the current hue and saturation
        PICKER,       // hue across, saturation upwards
        HEX,          // honeycomb of colours
        HEX_GREYSCALE // strip of greys
    };

    CTavoPColorPickerCtrl();
    virtual ~CTavoPColorPickerCtrl();

    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    void SetCompareColor(COLORREF color) { m_colorCompare = color; }
    void SetPalette(CPalette* pPalette);
    void SetColor(COLORREF color);
    void SetRGB(BYTE r, BYTE g, BYTE b);
    // Each value other than -1 replaces the stored one; the colour follows.
    void SetHLS(double hue, double luminance, double saturation, BOOL bInvalidate = TRUE);
    void GetHLS(double* pHue, double* pLuminance, double* pSaturation) const;
    void SetLuminanceBarWidth(int nWidth);
    COLORREF GetColor() const { return m_colorNew; }
    double GetHue() const { return m_dblHue; }
    double GetLuminance() const { return m_dblLum; }
    double GetSaturation() const { return m_dblSat; }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
    virtual void DrawMarker(CDC* pDC, const CRect& rect);

    // Pulls channels near 0, 128, 192 and 255 onto those values, so cells match plain colours.
    static COLORREF SnapColor(COLORREF color, int nTolerance);

protected:
    virtual void PreSubclassWindow() override;
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(CWnd* pFocusWnd);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);

    void DrawLuminanceBar(CDC* pDC);
    void DrawPicker(CDC* pDC);
    void DrawHex(CDC* pDC);
    void CreateHexagons();
    void CreateHexGreyScaleBar();
    void AddCell(int x, int y, int nSize, COLORREF color);
    BOOL SelectCellHexagon(CPoint point);
    CRect GetCursorRect() const;
    CPoint GetCursorPos() const;
    // The luminance bar's vertical range; FALSE when the control is too low to hold one.
    BOOL GetLuminanceRange(int& nTop, int& nBottom) const;
    double LuminanceFromPoint(int y) const;
    COLORREF GetDrawColor(COLORREF color) const;
    void NotifyParent(UINT nCode);
    void RedrawNow();

    int m_nType;
    double m_dblLum;
    double m_dblSat;
    double m_dblHue;
    COLORREF m_colorNew;
    COLORREF m_colorCompare;
    int m_nLumBarWidth;
    CPalette* m_pPalette;
    CBitmap m_bmpPicker;
    CObArray m_arCells;

    DECLARE_MESSAGE_MAP()
};
