// The dock bar of one frame side that holds the auto-hide strips of that side in a single row.
#pragma once
#include "ui/bars/docking/CTavoPDockBar.h"

class CTavoPAutoHideToolBar;

class CTavoPAutoHideDockBar : public CTavoPDockBar
{
    DECLARE_DYNCREATE(CTavoPAutoHideDockBar)
public:
    CTavoPAutoHideDockBar();
    virtual ~CTavoPAutoHideDockBar();

    virtual BOOL CanAcceptBar(const CTavoPBaseControlBar* pBar) const override;
    virtual void DockControlBar(CTavoPControlBar* pBar, int nDockMethod,
                                LPCRECT lpRect = NULL) override;
    virtual void RepositionRows(const CRect& rectNewClient) override;

    // The strips of the row that holds pBar continue the first strip's button group.
    void UpdateButtonGroups(CTavoPAutoHideToolBar* pBar);
    void SetOffsets(int nOffsetLeft, int nOffsetRight)
    {
        m_nOffsetLeft = nOffsetLeft;
        m_nOffsetRight = nOffsetRight;
    }
    int GetOffsetLeft() const { return m_nOffsetLeft; }
    int GetOffsetRight() const { return m_nOffsetRight; }

    // Extra thickness of the single row beyond its strips.
    static int m_nExtraSpace;

protected:
    int m_nOffsetLeft; // the corner offsets keep strips of adjoining sides apart
    int m_nOffsetRight;

public:
    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
