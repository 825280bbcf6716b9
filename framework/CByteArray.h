// Growable array of bytes; stored as a count and the raw bytes.
#pragma once
#include "framework/CArray.h"

class CByteArray : public CArray<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    CByteArray() = default;
};
