#include "framework/CUIntArray.h"

IMPLEMENT_DYNAMIC(CUIntArray, CObject)
