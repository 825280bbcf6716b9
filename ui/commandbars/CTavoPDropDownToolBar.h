// The toolbar whose buttons are the choices of a drop-down button; it keeps its own images and shows inside the drop-down frame.
#pragma once
#include "ui/commandbars/CTavoPToolBar.h"

class CTavoPDropDownFrame;
class CTavoPDropDownToolbarButton;

class CTavoPDropDownToolBar : public CTavoPToolBar
{
    DECLARE_SERIAL(CTavoPDropDownToolBar)
    friend class CTavoPDropDownFrame;
    friend class CTavoPDropDownToolbarButton;

public:
    CTavoPDropDownToolBar();
    virtual ~CTavoPDropDownToolBar();

    // Both load into the bar's own images whatever the caller asks.
    virtual BOOL LoadBitmap(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                            BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                            UINT uiMenuDisabledResID = 0) override;
    virtual BOOL LoadToolBar(UINT uiResID, UINT uiColdResID = 0, UINT uiMenuResID = 0,
                             BOOL bLocked = FALSE, UINT uiDisabledResID = 0,
                             UINT uiMenuDisabledResID = 0, UINT uiHotResID = 0) override;
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // A chosen button becomes the drop-down button's command and goes to the owner; the frame
    // closes.
    virtual BOOL OnSendCommand(const CTavoPToolbarButton* pButton) override;

    // The frame that shows this bar, null for a source bar.
    CTavoPDropDownFrame* GetDropDownFrame() const;

    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);

protected:
    DECLARE_MESSAGE_MAP()
};
