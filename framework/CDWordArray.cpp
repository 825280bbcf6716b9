#include "framework/CDWordArray.h"

IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
