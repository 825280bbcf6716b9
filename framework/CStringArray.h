// Growable array of strings; stored as a count and each string.
#pragma once
#include "framework/CArray.h"

class CStringArray : public CArray<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringArray)
public:
    CStringArray() = default;
};
