// One minimize, restore or close button of a maximized document window at the end of the menu bar.
#pragma once
#include "ui/commandbars/CTavoPToolbarButton.h"

class CTavoPToolbarMenuButtonsButton : public CTavoPToolbarButton
{
    DECLARE_DYNCREATE(CTavoPToolbarMenuButtonsButton)
public:
    CTavoPToolbarMenuButtonsButton();
    // SC_MINIMIZE, SC_RESTORE or SC_CLOSE.
    explicit CTavoPToolbarMenuButtonsButton(UINT uiSysCommand);
    virtual ~CTavoPToolbarMenuButtonsButton();

    virtual void CopyFrom(const CTavoPToolbarButton& src) override;
    virtual SIZE OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz) override;
    virtual void OnDraw(CDC* pDC, const CRect& rect, CTavoPToolbarImageList* pImages,
                        BOOL bHorz = TRUE, BOOL bCustomizeMode = FALSE, BOOL bHighlight = FALSE,
                        BOOL bDrawBorder = TRUE, BOOL bGrayDisabledButtons = TRUE) override;
    virtual BOOL CanBeStored() const override { return FALSE; }
    virtual BOOL HasHotBorder() const override { return FALSE; }
    virtual void Serialize(CArchive&) override {}

    UINT GetSysCommand() const { return m_uiSystemCommand; }

protected:
    UINT m_uiSystemCommand;
};
