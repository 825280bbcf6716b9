// The drop target of a tab window: in customize mode it passes dragged toolbar buttons to its tab window.
#pragma once
#include "framework/COleDropTarget.h"

class CTavoPBaseTabWnd;

class CTavoPTabDropTarget : public COleDropTarget
{
public:
    CTavoPTabDropTarget();
    virtual ~CTavoPTabDropTarget();

    BOOL Register(CTavoPBaseTabWnd* pOwner);

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point) override;
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point) override;
    virtual void OnDragLeave(CWnd* pWnd) override;

private:
    // Only toolbar buttons, and only while the toolbars are being customized.
    BOOL Accepts(COleDataObject* pDataObject) const;

    CTavoPBaseTabWnd* m_pOwner;
};
