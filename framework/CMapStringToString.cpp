#include "framework/CMapStringToString.h"

IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
