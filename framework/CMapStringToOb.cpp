#include "framework/CMapStringToOb.h"

IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
