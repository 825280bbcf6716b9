#include "framework/CByteArray.h"

IMPLEMENT_SERIAL(CByteArray, CObject, 0)
