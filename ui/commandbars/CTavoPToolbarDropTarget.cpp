#include "ui/commandbars/CTavoPToolbarDropTarget.h"
#include "framework/COleDataObject.h"
#include "ui/commandbars/CTavoPToolBar.h"

CTavoPToolbarDropTarget::CTavoPToolbarDropTarget() : m_pOwner(NULL)
{}

CTavoPToolbarDropTarget::~CTavoPToolbarDropTarget()
{}

BOOL CTavoPToolbarDropTarget::Register(CTavoPToolBar* pOwner)
{
    m_pOwner = pOwner;
    return COleDropTarget::Register(pOwner);
}

BOOL CTavoPToolbarDropTarget::Accepts(COleDataObject* pDataObject) const
{
    return m_pOwner != NULL && CTavoPToolBar::IsCustomizeMode() && pDataObject != NULL &&
           pDataObject->IsDataAvailable(CTavoPToolbarButton::GetClipboardFormat());
}

DROPEFFECT CTavoPToolbarDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject,
                                                DWORD dwKeyState, CPoint point)
{
    return Accepts(pDataObject) ? m_pOwner->OnDragEnter(pDataObject, dwKeyState, point)
                                : DROPEFFECT_NONE;
}

DROPEFFECT CTavoPToolbarDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                               CPoint point)
{
    return Accepts(pDataObject) ? m_pOwner->OnDragOver(pDataObject, dwKeyState, point)
                                : DROPEFFECT_NONE;
}

DROPEFFECT CTavoPToolbarDropTarget::OnDropEx(CWnd*, COleDataObject* pDataObject,
                                             DROPEFFECT dropDefault, DROPEFFECT, CPoint point)
{
    if (!Accepts(pDataObject))
        return DROPEFFECT_NONE;
    return m_pOwner->OnDrop(pDataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
}

void CTavoPToolbarDropTarget::OnDragLeave(CWnd*)
{
    if (m_pOwner != NULL)
        m_pOwner->OnDragLeave();
}
