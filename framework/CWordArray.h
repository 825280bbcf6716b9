// Growable array of 16-bit values; stored as a count and the raw values.
#pragma once
#include "framework/CArray.h"

class CWordArray : public CArray<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    CWordArray() = default;
};
