#include "ui/foundation/CTavoPTasksGroup.h"

IMPLEMENT_DYNAMIC(CTavoPTasksGroup, CObject)

CTavoPTasksGroup::CTavoPTasksGroup()
    : m_rectGroup(0, 0, 0, 0), m_bIsSpecial(FALSE), m_bIsCollapsed(FALSE)
{}

CTavoPTasksGroup::~CTavoPTasksGroup()
{}
