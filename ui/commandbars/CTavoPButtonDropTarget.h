// The drop target of a window that takes toolbar buttons dragged over it while the toolbars are customized, handing each drag to that window.
#pragma once
#include "framework/COleDropTarget.h"

class COleDataObject;

// A drag that carries a toolbar button while the toolbars are being customized.
BOOL IsCustomizeButtonDrag(COleDataObject* pDataObject);

// TOwner answers OnDragEnter, OnDragOver, OnDrop and OnDragLeave as a toolbar does.
template <class TOwner>
class CTavoPButtonDropTarget : public COleDropTarget
{
public:
    BOOL Register(TOwner* pOwner)
    {
        m_pOwner = pOwner;
        return COleDropTarget::Register(pOwner);
    }

    virtual DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point) override
    {
        return Accepts(pDataObject) ? m_pOwner->OnDragEnter(pDataObject, dwKeyState, point)
                                    : DROPEFFECT_NONE;
    }
    virtual DROPEFFECT OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override
    {
        return Accepts(pDataObject) ? m_pOwner->OnDragOver(pDataObject, dwKeyState, point)
                                    : DROPEFFECT_NONE;
    }
    virtual DROPEFFECT OnDropEx(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT, CPoint point) override
    {
        if (!Accepts(pDataObject))
            return DROPEFFECT_NONE;
        return m_pOwner->OnDrop(pDataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
    }
    // A drag that leaves is always told, whatever it carried.
    virtual void OnDragLeave(CWnd*) override
    {
        if (m_pOwner != nullptr)
            m_pOwner->OnDragLeave();
    }

private:
    BOOL Accepts(COleDataObject* pDataObject) const
    {
        return m_pOwner != nullptr && IsCustomizeButtonDrag(pDataObject);
    }

    TOwner* m_pOwner = nullptr;
};
