// A large button of an outlook pane: image above or beside its label.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class COleDataObject;
class CTavoPOutlookBarPane;

class CTavoPOutlookButton : public CTavoPToolbarButton
{
    DECLARE_SERIAL(CTavoPOutlookButton)
public:
    CTavoPOutlookButton();
    virtual ~CTavoPOutlookButton();

    // Only an outlook pane takes an outlook button.
    virtual BOOL CanBeDropped(CWnd* pToolbar) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    virtual void OnChangeParentWnd(CWnd* pWndParent) override;
    // The image is one of the pane's shared outlook images: only its index is kept.
    virtual void SetImage(int iImage) override;

    // The pane the button is on; null when its parent is not an outlook pane.
    CTavoPOutlookBarPane* GetParentPane() const { return m_pWndParentBar; }
    // Whether the last measure found the label narrow enough to be centred.
    BOOL IsLabelFitting() const { return m_bIsWholeText; }
    // Whether dragged data carries an outlook button: outlook windows take no other kind.
    static BOOL IsInOleData(COleDataObject* pDataObject);

    int m_nMinWidth;
    int m_nMinHeight;

protected:
    // The size of the image the button shows; (0, 0) without one.
    CSize GetImageSize() const;
    // The label's colour for a button in the given state.
    COLORREF GetTextColor(BOOL bHighlight) const;

    CTavoPOutlookBarPane* m_pWndParentBar;
    BOOL m_bIsWholeText;
};
