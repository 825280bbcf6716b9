#include "ui/commandbars/CTavoPButtonDropTarget.h"
#include "framework/COleDataObject.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"

BOOL IsCustomizeButtonDrag(COleDataObject* pDataObject)
{
    return CTavoPToolBar::IsCustomizeMode() && pDataObject != nullptr &&
           pDataObject->IsDataAvailable(CTavoPToolbarButton::GetClipboardFormat());
}
