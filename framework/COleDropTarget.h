// The target side of a drag: a registered window told when data is dragged over it and dropped on it.
#pragma once
#include "framework/AfxOle.h"
#include "framework/CObject.h"
#include "framework/CPoint.h"

class CWnd;
class COleDataObject;
class CDropTargetInterface;

class COleDropTarget : public CObject
{
public:
    COleDropTarget();
    virtual ~COleDropTarget();

    // Registers the window with the system's drag loop (OLE must be initialised on the thread).
    BOOL Register(CWnd* pWnd);
    virtual void Revoke();

    // Points are in the window's client coordinates; the default answers refuse everything.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                        CPoint point);
    // (DROPEFFECT)-1 leaves the drop to OnDrop with the default effect.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);

    // The interface the system's drag loop calls; owned by this object.
    LPDROPTARGET GetInterface();
    HWND GetRegisteredWindow() const { return m_hWnd; }

    // ---- what the interface calls, in screen coordinates as the system gives them ----
    DROPEFFECT DragEnter(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt,
                         DROPEFFECT dropList);
    DROPEFFECT DragOver(DWORD dwKeyState, POINTL pt, DROPEFFECT dropList);
    void DragLeave();
    DROPEFFECT Drop(IDataObject* pDataObject, DWORD dwKeyState, POINTL pt, DROPEFFECT dropList);

private:
    CWnd* GetWindow() const;
    CPoint ToClient(POINTL pt) const;

    HWND m_hWnd;
    // The data being dragged over the window, held from the enter to the leave or the drop.
    IDataObject* m_pDataObject;
    CDropTargetInterface* m_pInterface;
};
