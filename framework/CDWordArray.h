// Growable array of 32-bit values; stored as a count and the raw values.
#pragma once
#include "framework/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    CDWordArray() = default;
};
