#include "app/CGridCellEditor.h"
#include "framework/AfxMessageMap.h"

BEGIN_MESSAGE_MAP(CGridCellEditor, CWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CGridCellEditor, CWnd)

CGridCellEditor::~CGridCellEditor()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (m_font != nullptr)
        DeleteObject(m_font);
}

BOOL CGridCellEditor::Create(CWnd* pGrid)
{
    CRect rect(0, 0, 1, 1);
    if (!CWnd::Create(AfxRegisterWndClass(0, LoadCursor(nullptr, IDC_IBEAM)), "GRID EDIT",
                      WS_CHILD | WS_VISIBLE, rect, pGrid, IDC_GRID_CELL_EDITOR))
        return FALSE;
    if (m_font == nullptr)
        m_font = CreateFontA(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    CRect client;
    GetClientRect(&client);
    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, client, this,
                       IDC_GRID_CELL_EDIT))
        return FALSE;
    m_edit.SendMessage(WM_SETFONT, (WPARAM)m_font, FALSE);
    return TRUE;
}

void CGridCellEditor::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_edit.m_hWnd != nullptr)
        m_edit.MoveWindow(0, 0, cx, cy);
}

void CGridCellEditor::OnDestroy()
{
    if (m_edit.m_hWnd != nullptr)
        m_edit.DestroyWindow();
    CWnd::OnDestroy();
}

CString CGridCellEditor::GetEdit() const
{
    CString text;
    if (m_edit.m_hWnd != nullptr)
        m_edit.GetWindowText(text);
    return text;
}

void CGridCellEditor::SetText(LPCTSTR lpszText)
{
    if (m_edit.m_hWnd != nullptr)
        m_edit.SetWindowText(lpszText);
}
