// List of strings; stored as a count and each string.
#pragma once
#include "framework/CList.h"

class CStringList : public CList<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, LPCTSTR>(nBlockSize) {}
};
