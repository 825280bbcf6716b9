// The process-wide objects of the colour bars and colour menu buttons, defined here in one place and built on their first use.
#include "ui/controls/color/CTavoPColorBar.h"
#include "ui/controls/color/CTavoPColorMenuButton.h"

CMap<COLORREF, COLORREF, CString, LPCTSTR>& CTavoPColorBar::ColorNames()
{
    static CMap<COLORREF, COLORREF, CString, LPCTSTR> map;
    return map;
}

CMap<UINT, UINT, COLORREF, COLORREF>& CTavoPColorBar::ColorsByCommand()
{
    static CMap<UINT, UINT, COLORREF, COLORREF> map;
    return map;
}

UINT CTavoPColorMenuButton::GetDocumentColorsMessage()
{
    static const UINT uiMessage = ::RegisterWindowMessage(_T("TAVOTOOLBAR__GETDOCUMENTCOLORS"));
    return uiMessage;
}
