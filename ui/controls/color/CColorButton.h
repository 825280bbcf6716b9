// One cell of a colour bar: a colour swatch, or the automatic, other-colour, caption or preview row.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPColorBar;

class CColorButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CColorButton)
public:
    CColorButton();
    CColorButton(COLORREF color, BOOL bIsAutomatic = FALSE, BOOL bIsOther = FALSE,
                 LPCTSTR lpszColorName = nullptr, BOOL bIsCaption = FALSE, BOOL bIsDocument = FALSE,
                 BOOL bIsPreview = FALSE);
    virtual ~CColorButton();

    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    virtual int OnToolHitTest(const CWnd* pWnd, TOOLINFO* pTI) override;

    // The tip of the cell: its text, or for a plain colour cell its colour's name or hex bytes.
    CString GetTipText() const;
    // A plain palette or document colour: not automatic, other-colour or caption.
    BOOL IsColorCell() const { return !m_bIsAutomatic && !m_bIsOther && !m_bIsCaption; }
    CTavoPColorBar* GetParentBar() const { return m_pParentBar; }

    COLORREF m_Color;
    BOOL m_bHighlight; // shows the bar's current colour: drawn checked
    BOOL m_bIsAutomatic;
    BOOL m_bIsOther;
    BOOL m_bIsCaption;
    BOOL m_bIsDocument;
    BOOL m_bIsPreview;

protected:
    // A 3-D frame with highlight at the top-left, then the reverse one pixel down and right.
    static void DrawEtchedFrame(CDC* pDC, const CRect& rect);

    CTavoPColorBar* m_pParentBar;
};
