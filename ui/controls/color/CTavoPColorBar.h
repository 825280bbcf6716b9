// The colour palette bar, shown inside a colour popup, standing alone as a toolbar, or as a control in a dialog.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "framework/CArray.h"
#include "framework/CList.h"
#include "framework/CPalette.h"

class CColorButton;
class CTavoPColorButton;
class CTavoPColorMenuButton;

typedef CArray<COLORREF, COLORREF> CColorArray;
typedef CList<COLORREF, COLORREF> CColorList;

class CTavoPColorBar : public CTavoPPopupMenuBar
{
    DECLARE_SERIAL(CTavoPColorBar)
public:
    CTavoPColorBar();
    // A bar for a popup; a null label means none.
    CTavoPColorBar(const CColorArray& colors, COLORREF color, LPCTSTR lpszAutoColor,
                   LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors, const CColorList& lstDocColors,
                   int nColumns, int nRowsDockHorz, int nColDockVert, COLORREF colorAutomatic,
                   UINT nCommandID, CTavoPColorButton* pParentBtn);
    // A standalone copy of a popup's bar, for tearing it off.
    CTavoPColorBar(const CTavoPColorBar& src, UINT uiCommandID);
    virtual ~CTavoPColorBar();

    // ---- overrides ----
    virtual void Serialize(CArchive& ar) override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    virtual void DoPaint(CDC* pDC) override;
    virtual CSize CalcSize(BOOL bVertDock) override;
    virtual BOOL AllowShowTextLabels() const override { return FALSE; }
    virtual void LayoutButtons() override;
    virtual BOOL OnSendCommand(const CTavoPToolbarButton* pButton) override;
    virtual BOOL AllowShowOnList() const override { return TRUE; }
    virtual BOOL OnKey(UINT nChar) override;
    virtual LRESULT ShowCommandMessage(UINT uiCmdId) override;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // ---- operations of the colour bar ----
    using CTavoPPopupMenuBar::Create;
    // Without colours yet, the counts are taken and the colours filled from the palette.
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID, CPalette* pPalette,
                        int nColumns = 0, int nRowsDockHorz = 0, int nColDockVert = 0);
    // A child control filling the rectangle with square, centred cells; columns below 1 are
    // chosen to fit.
    virtual BOOL CreateControl(CWnd* pParentWnd, const CRect& rect, UINT nID, int nColumns = -1,
                               CPalette* pPalette = nullptr);
    virtual BOOL OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes);
    virtual void Rebuild();

    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_ColorSelected; }
    COLORREF GetAutomaticColor() const { return m_ColorAutomatic; }
    UINT GetCommandID() const { return m_nCommandID; }
    void SetCommandID(UINT nCommandID) { m_nCommandID = nCommandID; }
    BOOL IsStandalone() const { return m_bStandalone; }
    int GetColumns() const { return m_nNumColumns; }
    int GetDockedRows() const { return m_nHorzRows; }
    int GetDockedColumns() const { return m_nVertColumns; }
    const CColorArray& GetColors() const { return m_colors; }
    const CColorList& GetDocColors() const { return m_lstDocColors; }
    CString GetAutoLabel() const { return m_strAutoColor; }
    CString GetOtherLabel() const { return m_strOtherColor; }
    CString GetDocLabel() const { return m_strDocColors; }
    BOOL UsesSystemDialog() const { return m_bIsUseSystemDialog; }
    CSize GetCellSize() const { return CSize(m_BoxSize.cx, m_BoxSize.cy); }
    int GetWideRowHeight() const { return m_nRowHeight; }
    CPoint GetCenterOffset() const { return CPoint(m_nHorzOffset, m_nVertOffset); }
    // The palette the cells are drawn with: the parent colour button's, else the bar's own;
    // null when none.
    CPalette* GetPalette() const;
    CTavoPColorButton* GetParentColorButton() const { return m_pParentBtn; }

    // The colour array from a palette's entries; without a palette the 20 colours of the
    // system's default palette. Returns the count.
    static int InitColors(CPalette* pPalette, CColorArray& arColors);
    // On a screen of 8 bits per pixel: a logical palette of the first 100 colours at most.
    // Elsewhere the palette is deleted. FALSE when none was made.
    static BOOL CreatePalette(const CColorArray& arColors, CPalette& palette);

    // The system's colour dialog (full, any colour) or the library's, opened on colorDefault;
    // TRUE with the chosen colour after OK.
    static BOOL RunColorDialog(BOOL bSystemDialog, COLORREF colorDefault, COLORREF& colorRes);
    // A stored colour list: the count (int) and that many colours (DWORD each). A count below
    // 0 or beyond kMaxStoredColors fails the load.
    static void WriteColors(CArchive& ar, const CColorArray& colors);
    static void ReadColors(CArchive& ar, CColorArray& colors);

    // Names shown in the tips of colour cells; this system adds none.
    static CMap<COLORREF, COLORREF, CString, LPCTSTR>& ColorNames();
    // The last colour committed for each command, shared with the colour menu buttons.
    static CMap<UINT, UINT, COLORREF, COLORREF>& ColorsByCommand();

    // A stored colour count beyond this is damage: a logical palette holds no more.
    enum
    {
        kMaxStoredColors = 0xFFFF
    };

protected:
    void CommonInit();
    // Sizes the cells so that the bar fills its client rectangle.
    void FitCellsToClient(BOOL bSquare, BOOL bCenter);
    // Rows and columns of the palette cells for the orientation.
    void GetGrid(BOOL bVertDock, int& nColumns, int& nRows) const;
    BOOL IsDocSectionShown() const;
    CTavoPColorMenuButton* GetParentMenuButton() const;
    // Commits a picked colour to whoever opened the bar.
    void CommitColor(COLORREF color, CTavoPColorMenuButton* pMenuButton);
    void SelectPaletteInto(CDC* pDC, CPalette*& pOldPalette) const;

    int m_nNumColumns;
    int m_nHorzRows;
    int m_nVertColumns;
    CColorArray m_colors;
    CPalette m_Palette;
    COLORREF m_ColorSelected;
    COLORREF m_ColorAutomatic;
    CString m_strAutoColor;
    CString m_strOtherColor;
    CString m_strDocColors;
    CColorList m_lstDocColors;
    UINT m_nCommandID;
    BOOL m_bIsUseSystemDialog;
    BOOL m_bIsEnabled;
    BOOL m_bStandalone;
    BOOL m_bShowDocColorsWhenDocked;
    CTavoPColorButton* m_pParentBtn;
    CSize m_BoxSize;
    int m_nRowHeight;
    int m_nHorzOffset;
    int m_nVertOffset;
    int m_nVertMargin;
    int m_nHorzMargin;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    BOOL OnQueryNewPalette();
    void OnPaletteChanged(CWnd* pFocusWnd);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseLeave();

protected:
    DECLARE_MESSAGE_MAP()
};
