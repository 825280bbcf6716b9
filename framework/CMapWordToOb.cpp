#include "framework/CMapWordToOb.h"

IMPLEMENT_SERIAL(CMapWordToOb, CObject, 0)
