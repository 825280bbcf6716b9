#include "ui/bars/TavoPWindowClass.h"

CString TavoPRegisterWindowClass(LPCTSTR lpszPrefix, UINT nClassStyle, HCURSOR hCursor,
                                 HBRUSH hbrBackground)
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    CString strName;
    strName.Format("%s:%x:%x:%x:%x", lpszPrefix, (unsigned)(UINT_PTR)hInst, nClassStyle,
                   (unsigned)(UINT_PTR)hCursor, (unsigned)(UINT_PTR)hbrBackground);
    WNDCLASS wndcls = {};
    if (::GetClassInfo(hInst, strName, &wndcls))
        return strName;
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = strName;
    if (!::RegisterClass(&wndcls))
        AfxThrowResourceException();
    return strName;
}
