// The small editor an edit grid lays over one cell of the row being edited.
#pragma once
#include "framework/CWnd.h"
#include "framework/CEdit.h"

#define IDC_GRID_CELL_EDITOR 42180
#define IDC_GRID_CELL_EDIT 42181

class CGridCellEditor : public CWnd
{
    DECLARE_DYNAMIC(CGridCellEditor)
public:
    CGridCellEditor() = default;
    ~CGridCellEditor() override;

    // A child of the grid over (0, 0)-(1, 1) until it is placed on a cell.
    BOOL Create(CWnd* pGrid);
    CString GetEdit() const;
    void SetText(LPCTSTR lpszText);
    CEdit& GetEditControl() { return m_edit; }

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    CEdit m_edit;
    HFONT m_font = nullptr;
};
