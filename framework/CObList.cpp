#include "framework/CObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)
