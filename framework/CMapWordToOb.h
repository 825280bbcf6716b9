// Map from 16-bit values to object pointers; stored as a count and the pairs in bucket order.
#pragma once
#include "framework/CMap.h"

class CMapWordToOb : public CMap<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    explicit CMapWordToOb(INT_PTR nBlockSize = 10)
        : CMap<WORD, WORD, CObject*, CObject*>(nBlockSize)
    {}
};
