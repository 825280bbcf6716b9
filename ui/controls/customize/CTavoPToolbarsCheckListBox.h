// The check list of the Toolbars page: rows can be disabled, and the check box of a disabled row only beeps.
#pragma once
#include "framework/FrameworkWin.h"
#include "framework/CDWordArray.h"

class CTavoPToolbarsCheckListBox : public CCheckListBox
{
    DECLARE_DYNAMIC(CTavoPToolbarsCheckListBox)
public:
    CTavoPToolbarsCheckListBox();
    virtual ~CTavoPToolbarsCheckListBox();

    void EnableRow(int nIndex, BOOL bEnabled);
    BOOL IsRowEnabled(int nIndex) const;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual BOOL IsCheckEnabled(int nIndex) const override { return IsRowEnabled(nIndex); }

    // One flag per row, following the rows through inserts and deletes.
    CDWordArray m_arEnabled;

public:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

protected:
    DECLARE_MESSAGE_MAP()
};
