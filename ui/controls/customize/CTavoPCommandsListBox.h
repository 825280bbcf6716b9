// The owner-drawn list of catalogue commands: draws each row as its button draws itself in a command list, and starts the drag of a command onto a toolbar.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPCommandsListBox : public CListBox
{
    DECLARE_DYNAMIC(CTavoPCommandsListBox)
public:
    CTavoPCommandsListBox();
    virtual ~CTavoPCommandsListBox();

    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    virtual void PreSubclassWindow() override;

    int m_iItemWidth;
    int m_iItemHeight;

public:
    void OnLButtonDown(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);

protected:
    DECLARE_MESSAGE_MAP()
};
