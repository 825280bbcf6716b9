// A list box whose rows carry a check box: a click on the box, or the space bar, toggles the row and tells the parent.
#pragma once
#include "framework/CListBox.h"
#include <vector>

// Sent to the parent (WM_COMMAND) when the user changed a row's check mark.
#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40
#endif

class CCheckListBox : public CListBox
{
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox();
    virtual ~CCheckListBox();

    // The window must be owner-drawn with strings (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    // The row under point (-1 when none) and whether the point is on its check box.
    int CheckFromPoint(CPoint point, BOOL& bInCheck) const;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Whether a row's check box is drawn as one the user may change.
    virtual BOOL IsCheckEnabled(int) const { return TRUE; }
    // Toggles a row's check mark and tells the parent.
    void ToggleAndNotify(int nIndex);
    void NotifyCheckChange();
    // The check box's rectangle within a row's rectangle.
    CRect CheckRect(const CRect& rectItem) const;

    std::vector<int> m_checks;

public:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    DECLARE_MESSAGE_MAP()
};
