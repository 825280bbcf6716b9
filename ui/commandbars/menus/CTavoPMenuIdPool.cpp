#include "ui/commandbars/menus/CTavoPMenuIdPool.h"

IMPLEMENT_DYNAMIC(CTavoPMenuIdPool, CObject)

CTavoPMenuIdPool::CTavoPMenuIdPool()
{}

CTavoPMenuIdPool::~CTavoPMenuIdPool()
{}
