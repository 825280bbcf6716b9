// A push button that shows a colour and lets the user pick another from a colour popup under it.
#pragma once
#include "ui/controls/CTavoPButton.h"
#include "ui/controls/color/CTavoPColorBar.h"

class CColorPopup;

class CTavoPColorButton : public CTavoPButton
{
    DECLARE_DYNAMIC(CTavoPColorButton)
public:
    CTavoPColorButton();
    virtual ~CTavoPColorButton();

    COLORREF GetColor() const { return m_Color; }
    // Stores the colour; with a window, redraws it at once.
    void SetColor(COLORREF color);
    // A colour picked in the popup: stored, then reported to the parent as a click.
    virtual void UpdateColor(COLORREF color);
    // Copies a palette's entries; without one the system palette's.
    void RebuildPalette(CPalette* pPalette);
    CPalette* GetPalette() const { return m_pPalette; }
    BOOL IsPopupOpen() const { return m_pPopup != nullptr; }
    // The popup's bar tells the button that the popup is gone.
    void OnPopupClosed();

    // Offered in the popup.
    CColorArray m_Colors;
    int m_nColumns;
    COLORREF m_ColorAutomatic;
    CString m_strAutoColorText;
    CString m_strOtherText;
    // TRUE: the popup's other-colour cell opens the library's colour dialog.
    BOOL m_bAltColorDlg;

protected:
    virtual void OnDraw(CDC* pDC, const CRect& rect, UINT uiState) override;
    void OpenPopup();

    COLORREF m_Color;
    CPalette* m_pPalette;
    CColorPopup* m_pPopup;

public:
    void OnDestroy();
    void OnSysColorChange();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);

protected:
    DECLARE_MESSAGE_MAP()
};
