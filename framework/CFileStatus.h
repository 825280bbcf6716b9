// Times, size, attributes and full path of a file, as CFile::GetStatus reports them.
#pragma once
#include "framework/CTime.h"

struct CFileStatus
{
    CTime m_ctime;
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;
    BYTE m_padding = 0;
    char m_szFullName[MAX_PATH] = {};
};
