// Map from strings to untyped pointers.
#pragma once
#include "framework/CMap.h"

class CMapStringToPtr : public CMap<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    explicit CMapStringToPtr(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCTSTR, void*, void*>(nBlockSize)
    {}
};
