#include "framework/CStringArray.h"

IMPLEMENT_SERIAL(CStringArray, CObject, 0)
