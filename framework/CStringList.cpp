#include "framework/CStringList.h"

IMPLEMENT_SERIAL(CStringList, CObject, 0)
