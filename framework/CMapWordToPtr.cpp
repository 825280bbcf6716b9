#include "framework/CMapWordToPtr.h"

IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)
