#include "framework/COleClientItem.h"

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)

COleClientItem::COleClientItem(COleDocument* pContainerDoc) : m_pDocument(pContainerDoc)
{}

COleClientItem::~COleClientItem() = default;
