// A toolbar or menu button that shows its colour in a stripe under the image and picks another from a colour popup.
#pragma once
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/controls/color/CTavoPColorBar.h"

class CTavoPColorMenuButton : public CTavoPToolbarMenuButton
{
    DECLARE_SERIAL(CTavoPColorMenuButton)
public:
    CTavoPColorMenuButton();
    virtual ~CTavoPColorMenuButton();

    virtual void Serialize(CArchive& ar) override;
    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    virtual int DrawInCommandList(CDC* pDC, const CRect& rect, BOOL bSelected) override;
    virtual CTavoPPopupMenu* CreatePopupMenu() override;
    virtual BOOL IsEmptyMenuAllowed() const override { return TRUE; }

    // With bNotify, the other colour menu buttons and colour bars of the command follow.
    virtual void SetColor(COLORREF clr, BOOL bNotify = TRUE);
    virtual BOOL OpenColorDialog(const COLORREF colorDefault, COLORREF& colorRes);

    COLORREF GetColor() const { return m_Color; }
    COLORREF GetAutomaticColor() const { return m_clrAutomatic; }
    void SetColors(const CColorArray& colors);
    const CColorArray& GetColors() const { return m_Colors; }
    void SetColumnsNumber(int nColumns) { m_nColumns = nColumns; }
    int GetColumns() const { return m_nColumns; }
    int GetDockedColumns() const { return m_nVertDockColumns; }
    int GetDockedRows() const { return m_nHorzDockRows; }
    void SetDockedCounts(int nVertDockColumns, int nHorzDockRows)
    {
        m_nVertDockColumns = nVertDockColumns;
        m_nHorzDockRows = nHorzDockRows;
    }
    void EnableAutomaticButton(LPCTSTR lpszLabel, COLORREF colorAutomatic, BOOL bEnable = TRUE);
    void EnableOtherButton(LPCTSTR lpszLabel, BOOL bAltColorDlg = TRUE, BOOL bEnable = TRUE);
    void EnableDocumentColors(LPCTSTR lpszLabel, BOOL bEnable = TRUE);
    BOOL IsAutomaticShown() const { return m_bIsAutomaticButton; }
    BOOL IsOtherShown() const { return m_bIsOtherButton; }
    BOOL IsDocumentColorsShown() const { return m_bIsDocumentColors; }
    CString GetAutoLabel() const { return m_strAutomaticButtonLabel; }
    CString GetOtherLabel() const { return m_strOtherButtonLabel; }
    CString GetDocLabel() const { return m_strDocumentColorsLabel; }
    BOOL UsesSystemDialog() const { return m_bStdColorDlg; }

    // The registered message that asks the frame for the document's colours: wParam is the
    // command, lParam a CList<COLORREF, COLORREF>* to fill.
    static UINT GetDocumentColorsMessage();

protected:
    // Selects the stripe's palette on 8-bit screens; FALSE elsewhere.
    CPalette* SelectStripePalette(CDC* pDC);

    COLORREF m_Color;
    COLORREF m_clrAutomatic;
    CColorArray m_Colors;
    CPalette m_Palette;
    int m_nColumns;
    int m_nVertDockColumns;
    int m_nHorzDockRows;
    BOOL m_bIsAutomaticButton;
    BOOL m_bIsOtherButton;
    BOOL m_bIsDocumentColors;
    CString m_strAutomaticButtonLabel;
    CString m_strOtherButtonLabel;
    CString m_strDocumentColorsLabel;
    BOOL m_bStdColorDlg;
};
