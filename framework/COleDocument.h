// A document that may hold embedded items; the frames ask it for the item active in place in a view, and there never is one.
#pragma once
#include "framework/CDocument.h"

class COleClientItem;
class CWnd;

class COleDocument : public CDocument
{
    DECLARE_DYNCREATE(COleDocument)
public:
    COleDocument();
    virtual ~COleDocument();

    // The item active in place in the view pWnd, null when none is.
    virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);
};
