// Growable array of untyped pointers (never stored).
#pragma once
#include "framework/CArray.h"

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() = default;
};
