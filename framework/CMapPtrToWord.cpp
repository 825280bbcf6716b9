#include "framework/CMapPtrToWord.h"

IMPLEMENT_DYNAMIC(CMapPtrToWord, CObject)
