// Map from strings to strings; stored as a count and the pairs in bucket order.
#pragma once
#include "framework/CMap.h"

class CMapStringToString : public CMap<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    explicit CMapStringToString(INT_PTR nBlockSize = 10)
        : CMap<CString, LPCTSTR, CString, LPCTSTR>(nBlockSize)
    {}
};
