#include "ui/controls/CTavoPDialogPopupHelper.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"

BOOL CTavoPDialogPopupHelper::IsPointOutsidePopup(CPoint ptScreen)
{
    CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
    if (CTavoPToolBar::IsCustomizeMode() || pPopup == NULL || !::IsWindow(pPopup->GetSafeHwnd()))
        return FALSE;
    for (; pPopup != NULL; pPopup = pPopup->GetParentPopupMenu())
    {
        CRect rect;
        pPopup->GetWindowRect(rect);
        if (rect.PtInRect(ptScreen))
            return FALSE;
    }
    return TRUE;
}
