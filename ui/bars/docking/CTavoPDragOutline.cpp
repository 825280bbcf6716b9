#include "ui/bars/docking/CTavoPDragOutline.h"
#include "ui/bars/TavoPWindowClass.h"
#include <algorithm>

CTavoPDragOutline::CTavoPDragOutline() : m_rect(0, 0, 0, 0)
{
    for (HWND& hwnd : m_hwndSides)
        hwnd = NULL;
}

CTavoPDragOutline::~CTavoPDragOutline()
{
    for (HWND& hwnd : m_hwndSides)
        if (hwnd != NULL && ::IsWindow(hwnd))
            ::DestroyWindow(hwnd);
}

BOOL CTavoPDragOutline::CreateSides()
{
    if (m_hwndSides[0] != NULL && ::IsWindow(m_hwndSides[0]))
        return TRUE;
    // The class background is the dotted pattern: the windows need no painting of their own.
    const CString strClass =
        TavoPRegisterWindowClass(_T("TavoPDragOutline"), 0, ::LoadCursor(NULL, IDC_ARROW),
                                 (HBRUSH)CDC::GetHalftoneBrush()->GetSafeHandle());
    for (HWND& hwnd : m_hwndSides)
    {
        // Clicks pass through: the dragged window holds the mouse anyway.
        hwnd = ::CreateWindowEx(
            WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, strClass,
            _T(""), WS_POPUP, 0, 0, 0, 0, NULL, NULL, AfxGetInstanceHandle(), NULL);
        if (hwnd == NULL)
            return FALSE;
    }
    return TRUE;
}

void CTavoPDragOutline::Show(const CRect& rect, int nThickness)
{
    if (rect.IsRectEmpty() || nThickness <= 0)
    {
        Hide();
        return;
    }
    if (rect == m_rect || !CreateSides())
        return;
    m_rect = rect;
    const int t = std::min(nThickness, std::min(rect.Width(), rect.Height()) / 2 + 1);
    const CRect sides[SideCount] = {
        CRect(rect.left, rect.top, rect.right, rect.top + t),
        CRect(rect.left, rect.bottom - t, rect.right, rect.bottom),
        CRect(rect.left, rect.top + t, rect.left + t, rect.bottom - t),
        CRect(rect.right - t, rect.top + t, rect.right, rect.bottom - t),
    };
    for (int i = 0; i < SideCount; i++)
    {
        const CRect& side = sides[i];
        ::SetWindowPos(m_hwndSides[i], HWND_TOPMOST, side.left, side.top, side.Width(),
                       std::max(0, side.Height()), SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void CTavoPDragOutline::Hide()
{
    m_rect.SetRectEmpty();
    for (HWND hwnd : m_hwndSides)
        if (hwnd != NULL && ::IsWindow(hwnd))
            ::ShowWindow(hwnd, SW_HIDE);
}
