#include "ui/bars/tabs/CTavoPTabDropTarget.h"
#include "framework/COleDataObject.h"
#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"

CTavoPTabDropTarget::CTavoPTabDropTarget() : m_pOwner(nullptr)
{}

CTavoPTabDropTarget::~CTavoPTabDropTarget()
{}

BOOL CTavoPTabDropTarget::Register(CTavoPBaseTabWnd* pOwner)
{
    m_pOwner = pOwner;
    return COleDropTarget::Register(pOwner);
}

BOOL CTavoPTabDropTarget::Accepts(COleDataObject* pDataObject) const
{
    return m_pOwner != nullptr && CTavoPToolBar::IsCustomizeMode() && pDataObject != nullptr &&
           pDataObject->IsDataAvailable(CTavoPToolbarButton::GetClipboardFormat());
}

DROPEFFECT CTavoPTabDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                            CPoint point)
{
    return Accepts(pDataObject) ? m_pOwner->OnDragEnter(pDataObject, dwKeyState, point)
                                : DROPEFFECT_NONE;
}

DROPEFFECT CTavoPTabDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                           CPoint point)
{
    return Accepts(pDataObject) ? m_pOwner->OnDragOver(pDataObject, dwKeyState, point)
                                : DROPEFFECT_NONE;
}

DROPEFFECT CTavoPTabDropTarget::OnDropEx(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                         DROPEFFECT, CPoint point)
{
    if (!Accepts(pDataObject))
        return DROPEFFECT_NONE;
    return m_pOwner->OnDrop(pDataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
}

void CTavoPTabDropTarget::OnDragLeave(CWnd*)
{
    if (m_pOwner != nullptr)
        m_pOwner->OnDragLeave();
}
