// The drop target of one toolbar: accepts dragged buttons only in customize mode and hands them to its toolbar.
#pragma once
#include "framework/COleDropTarget.h"

class CTavoPToolBar;

class CTavoPToolbarDropTarget : public COleDropTarget
{
public:
    CTavoPToolbarDropTarget();
    virtual ~CTavoPToolbarDropTarget();

    BOOL Register(CTavoPToolBar* pOwner);

    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                   CPoint point) override;
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                  CPoint point) override;
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point) override;
    virtual void OnDragLeave(CWnd* pWnd) override;

private:
    BOOL Accepts(COleDataObject* pDataObject) const;

    CTavoPToolBar* m_pOwner;
};
