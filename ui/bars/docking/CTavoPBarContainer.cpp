#include "ui/bars/docking/CTavoPBarContainer.h"

IMPLEMENT_DYNAMIC(CTavoPBarContainer, CObject)

CTavoPBarContainer::CTavoPBarContainer() : m_dwRefCount(0)
{}

CTavoPBarContainer::~CTavoPBarContainer() = default;

void CTavoPBarContainer::Release()
{
    if (m_dwRefCount > 0 && --m_dwRefCount == 0)
        delete this;
}
