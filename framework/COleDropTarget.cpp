#include "framework/COleDropTarget.h"
#include "framework/CAfxOleInterface.h"
#include "framework/CException.h"
#include "framework/COleDataObject.h"
#include "framework/CWnd.h"

// The interface the system's drag loop calls; it outlives its target only as an empty shell.
class CDropTargetInterface : public CAfxOleInterface<IDropTarget, COleDropTarget>
{
public:
    explicit CDropTargetInterface(COleDropTarget* pOwner)
        : CAfxOleInterface(pOwner, IID_IDropTarget)
    {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                        DWORD* pdwEffect) override
    {
        return Answer(pdwEffect,
                      [&]() { return m_pOwner->DragEnter(pDataObj, grfKeyState, pt, *pdwEffect); });
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override
    {
        return Answer(pdwEffect, [&]() { return m_pOwner->DragOver(grfKeyState, pt, *pdwEffect); });
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        DWORD dwNone = DROPEFFECT_NONE;
        return Answer(&dwNone, [&]() {
            m_pOwner->DragLeave();
            return (DROPEFFECT)DROPEFFECT_NONE;
        });
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                   DWORD* pdwEffect) override
    {
        return Answer(pdwEffect,
                      [&]() { return m_pOwner->Drop(pDataObj, grfKeyState, pt, *pdwEffect); });
    }

private:
    // No exception goes back into the system's drag loop: a failing target refuses the drop.
    template <class TCall>
    HRESULT Answer(DWORD* pdwEffect, TCall call)
    {
        if (pdwEffect == NULL)
            return E_INVALIDARG;
        DROPEFFECT dropEffect = DROPEFFECT_NONE;
        if (m_pOwner != NULL)
        {
            try
            {
                dropEffect = call();
            }
            catch (CException* e)
            {
                e->Delete();
                dropEffect = DROPEFFECT_NONE;
            }
        }
        *pdwEffect = dropEffect;
        return S_OK;
    }
};

namespace {

// An answer the source did not offer is no answer; the scroll bit passes.
DROPEFFECT Filter(DROPEFFECT dropEffect, DROPEFFECT dropList)
{
    const DROPEFFECT dropScroll = dropEffect & DROPEFFECT_SCROLL;
    dropEffect &= ~DROPEFFECT_SCROLL;
    if ((dropEffect & dropList) != dropEffect)
        dropEffect = DROPEFFECT_NONE;
    return dropEffect | dropScroll;
}

} // namespace

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_pDataObject(NULL), m_pInterface(NULL)
{}

COleDropTarget::~COleDropTarget()
{
    Revoke();
    if (m_pInterface != NULL)
        m_pInterface->Detach();
}

LPDROPTARGET COleDropTarget::GetInterface()
{
    if (m_pInterface == NULL)
        m_pInterface = new CDropTargetInterface(this);
    return m_pInterface;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    const HWND hWnd = pWnd != NULL ? pWnd->GetSafeHwnd() : NULL;
    if (hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    if (FAILED(::RegisterDragDrop(hWnd, GetInterface())))
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_pDataObject != NULL)
    {
        m_pDataObject->Release();
        m_pDataObject = NULL;
    }
    if (m_hWnd == NULL)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = NULL;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

void COleDropTarget::OnDragLeave(CWnd*)
{}

CWnd* COleDropTarget::GetWindow() const
{
    return ::IsWindow(m_hWnd) ? CWnd::FromHandle(m_hWnd) : NULL;
}

CPoint COleDropTarget::ToClient(POINTL pt) const
{
    POINT point = {pt.x, pt.y};
    if (m_hWnd != NULL)
        ::ScreenToClient(m_hWnd, &point);
    return CPoint(point);
}

DROPEFFECT COleDropTarget::DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt,
                                     DROPEFFECT dropList)
{
    if (m_pDataObject != NULL)
        m_pDataObject->Release();
    m_pDataObject = pDataObject;
    if (m_pDataObject != NULL)
        m_pDataObject->AddRef();
    CWnd* pWnd = GetWindow();
    if (pWnd == NULL || pDataObject == NULL)
        return DROPEFFECT_NONE;
    COleDataObject data;
    data.Attach(pDataObject, FALSE);
    return Filter(OnDragEnter(pWnd, &data, dwKeyState, ToClient(pt)), dropList);
}

DROPEFFECT COleDropTarget::DragOver(DWORD dwKeyState, POINTL pt, DROPEFFECT dropList)
{
    CWnd* pWnd = GetWindow();
    if (pWnd == NULL || m_pDataObject == NULL)
        return DROPEFFECT_NONE;
    COleDataObject data;
    data.Attach(m_pDataObject, FALSE);
    return Filter(OnDragOver(pWnd, &data, dwKeyState, ToClient(pt)), dropList);
}

void COleDropTarget::DragLeave()
{
    CWnd* pWnd = GetWindow();
    if (pWnd != NULL)
        OnDragLeave(pWnd);
    if (m_pDataObject != NULL)
    {
        m_pDataObject->Release();
        m_pDataObject = NULL;
    }
}

DROPEFFECT COleDropTarget::Drop(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt,
                                DROPEFFECT dropList)
{
    if (m_pDataObject != NULL)
    {
        m_pDataObject->Release();
        m_pDataObject = NULL;
    }
    CWnd* pWnd = GetWindow();
    if (pWnd == NULL || pDataObject == NULL)
        return DROPEFFECT_NONE;
    COleDataObject data;
    data.Attach(pDataObject, FALSE);
    const CPoint point = ToClient(pt);
    // The effect the pointer's place and the keys ask for, then the drop itself.
    const DROPEFFECT dropDefault =
        Filter(OnDragOver(pWnd, &data, dwKeyState, point), dropList) & ~DROPEFFECT_SCROLL;
    const DROPEFFECT dropResult = OnDropEx(pWnd, &data, dropDefault, dropList, point);
    if (dropResult != (DROPEFFECT)-1)
        return Filter(dropResult, dropList);
    if (dropDefault == DROPEFFECT_NONE || !OnDrop(pWnd, &data, dropDefault, point))
        return DROPEFFECT_NONE;
    return dropDefault;
}
