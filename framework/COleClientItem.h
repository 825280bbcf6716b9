// An embedded item of a container document; this framework activates none in place, so an item is never in-place active.
#pragma once
#include "framework/CCmdTarget.h"

class COleDocument;

class COleClientItem : public CCmdTarget
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    explicit COleClientItem(COleDocument* pContainerDoc = nullptr);
    virtual ~COleClientItem();

    COleDocument* GetDocument() const { return m_pDocument; }
    // Whether the item is open for editing inside the container's window.
    virtual BOOL IsInPlaceActive() const { return FALSE; }
    // Ends in-place editing; an item that is not active in place stays as it is.
    virtual void Deactivate() {}

protected:
    COleDocument* m_pDocument;
};
