#include "framework/COleDocument.h"

IMPLEMENT_DYNCREATE(COleDocument, CDocument)

COleDocument::COleDocument() = default;

COleDocument::~COleDocument() = default;

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd*)
{
    // Items are never activated in place by this framework.
    return nullptr;
}
