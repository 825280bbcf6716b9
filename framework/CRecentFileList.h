// The most-recently-used file list of the application, kept in one profile section.
#pragma once
#include "framework/CString.h"
#include <vector>

class CRecentFileList
{
public:
    CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize,
                    int nMaxDispLen = 16);
    virtual ~CRecentFileList();

    int GetSize() const { return (int)m_arrNames.size(); }
    CString& operator[](int nIndex) { return m_arrNames[nIndex]; }
    // Puts the path at the top; a path already in the list moves up.
    virtual void Add(LPCTSTR lpszPathName);
    virtual void Remove(int nIndex);
    virtual void ReadList();
    virtual void WriteList();

protected:
    std::vector<CString> m_arrNames;
    CString m_strSectionName;
    CString m_strEntryFormat;
    UINT m_nStart;
    int m_nMaxDisplayLength;
};
