#include "ui/controls/proplist/CTavoPPropEditWnd.h"
#include "ui/controls/proplist/CTavoPProp.h"
#include "ui/controls/proplist/CTavoPPropList.h"

IMPLEMENT_DYNAMIC(CTavoPPropEditWnd, CWnd)

CTavoPPropEditWnd::CTavoPPropEditWnd(CTavoPProp* pProp, CTavoPPropList* pList, BOOL bCombo)
    : m_pProp(pProp), m_pList(pList), m_bCombo(bCombo)
{}

CTavoPPropEditWnd::~CTavoPPropEditWnd() = default;

LRESULT CTavoPPropEditWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_GETDLGCODE:
        // Enter and Escape end the edit here, not in the dialog around the list.
        return CWnd::WindowProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE)
        {
            // An open drop-down takes its own Enter (choosing) and Escape (closing).
            if (m_bCombo && SendMessage(CB_GETDROPPEDSTATE) != 0)
                break;
            m_pList->EndEditItem(wParam == VK_RETURN);
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == '\r' || wParam == 27)
            return 0; // no beep for the keys the list took
        break;
    case WM_LBUTTONDBLCLK:
        if (m_bCombo)
        {
            CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
            MapWindowPoints(m_pList, &point, 1);
            m_pProp->OnDblClick(point);
            return 0;
        }
        break;
    case WM_KILLFOCUS:
    {
        const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        // The focus leaving for a window of its own (the drop-down's list) is no end of the edit.
        HWND hwndNew = (HWND)wParam;
        if (hwndNew != m_hWnd && !::IsChild(m_hWnd, hwndNew))
            m_pList->PostMessage(CTavoPPropList::WM_TAVOP_ENDEDIT, (WPARAM)m_hWnd);
        return lResult;
    }
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CTavoPPropEditWnd::PostNcDestroy()
{
    // An editor destroyed with its list leaves no pointer to it behind.
    if (m_pProp != nullptr && m_pProp->m_pWndInPlace == this)
    {
        m_pProp->m_pWndInPlace = nullptr;
        m_pProp->m_bInPlaceIsCombo = FALSE;
    }
    delete this;
}
