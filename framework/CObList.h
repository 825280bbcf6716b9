// List of object pointers (the list does not own them); stored as a count and each object with its class record.
#pragma once
#include "framework/CList.h"

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
};
