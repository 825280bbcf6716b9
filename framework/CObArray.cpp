#include "framework/CObArray.h"

IMPLEMENT_SERIAL(CObArray, CObject, 0)
