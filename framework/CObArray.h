// Growable array of object pointers; stored as a count and each object with its class record.
#pragma once
#include "framework/CArray.h"

class CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    CObArray() = default;
};
