#include "framework/CPtrList.h"

IMPLEMENT_DYNAMIC(CPtrList, CObject)
