// The library's process-wide colours, brushes, fonts and metrics that every drawing class reads.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPGlobalData
{
public:
    // System brushes of the moment (owned by the system).
    HBRUSH hbrBtnHilite;
    HBRUSH hbrBtnShadow;

    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
    COLORREF clrBtnText;
    COLORREF clrWindowFrame;
    COLORREF clrBtnDkShadow;
    COLORREF clrBtnLight;
    COLORREF clrGrayedText;
    COLORREF clrHilite;     // selection colour (COLOR_HIGHLIGHT)
    COLORREF clrTextHilite; // selection text colour
    COLORREF clrHotText;    // hot-link colour, fixed pure blue

    CBrush brBtnFace;
    CBrush brHilite;
    CBrush brLight; // halfway face/highlight; a checkerboard on palette displays
    CBrush brBtnDkShadow;

    // Loaded on first use by the classes that show them; the hand cursor (resource 16919)
    // is shared by the library's controls and never freed.
    HCURSOR m_hcurStretch;
    HCURSOR m_hcurStretchVert;
    HCURSOR m_hcurHand;
    HCURSOR m_hcurSizeAll;
    HCURSOR m_hcurMoveTab;

    CSize m_sizeSmallIcon;

    CFont fontRegular;     // menu and toolbar font, horizontal
    CFont fontStatus;      // regular with the status font's weight and italic
    CFont fontBold;        // bold menu font
    CFont fontUnderline;   // hot links
    CFont fontVert;        // vertical menu and toolbar font, reading downward
    CFont fontVertCaption; // vertical, reading upward
    CFont fontMarlett;     // glyph font
    CFont fontTooltip;     // the system status font, as tool tips use it

    BOOL m_bIsOldNT; // Windows NT before version 5
    int m_nBitsPerPixel;

    int m_nDragFrameThicknessFloat;         // 4
    int m_nDragFrameThicknessDock;          // 3
    int m_nAutoHideToolBarSpacing;          // 14
    int m_nAutoHideToolBarMargin;           // 4
    int m_nCoveredMainWndClientAreaPercent; // 50

    int m_nTextHeightHorz; // minimum row height of horizontal bars
    int m_nTextHeightVert; // minimum row height of vertical bars
    int m_nEditHeight;     // height of edit controls on bars
    int m_cxBorder;        // SM_CXBORDER
    int m_cyBorder;        // SM_CYBORDER

    BOOL m_bLargeIcons; // toolbars and menus show double-size images
    BOOL m_bWrapTextBelowImages;
    BOOL m_bRegisterCmdImages; // buttons may register their images in the command manager

    HINSTANCE m_hinstUxThemeDLL;

    CTavoPGlobalData();
    ~CTavoPGlobalData();

    void UpdateSysColors();
    void UpdateFonts();
    void CleanUp();

    int GetTextHeight(BOOL bHorz = TRUE) const
    {
        return bHorz ? m_nTextHeightHorz : m_nTextHeightVert;
    }

    // Paints what the window's parent shows under it, clipped to lpRect (client coordinates of
    // the window) within the DC's own clip region, which is left as it was. Nonzero when painted.
    BOOL DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect = nullptr);
    BOOL DrawParentBackground(HWND hWnd, CDC* pDC, LPRECT lpRect = nullptr);

    // Fills with the light brush (the dither pattern at 8 bits per pixel or less).
    void FillRectLight(CDC* pDC, LPCRECT lpRect);

private:
    CTavoPGlobalData(const CTavoPGlobalData&) = delete;
    CTavoPGlobalData& operator=(const CTavoPGlobalData&) = delete;
    void UpdateSmallIconSize();
    void DeleteFonts();
};

// The one global data object, built on first use (never during static initialisation, so
// that no GDI object is made before the program runs).
CTavoPGlobalData& GetGlobalData();

// The library clean-up the application calls at exit.
void CleanUpGlobals();

// The nearest frame window above pWnd (never pWnd itself), or null. From a floating bar's
// frame the search goes on at the frame the bar floats for.
CFrameWnd* FindOwningFrame(CWnd* pWnd);
