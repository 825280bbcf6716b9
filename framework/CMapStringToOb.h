// Map from strings to object pointers; stored as a count and the pairs in bucket order.
#pragma once
#include "framework/CMap.h"

class CMapStringToOb : public CMap<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    explicit CMapStringToOb(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCTSTR, CObject*, CObject*>(nBlockSize)
    {}
};
