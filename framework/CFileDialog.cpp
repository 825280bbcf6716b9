#include "framework/CFileDialog.h"
#include "framework/CTestSeams.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = '\0';
    m_szFileTitle[0] = '\0';
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = sizeof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER | OFN_ENABLESIZING;
    if (lpszDefExt != nullptr)
    {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != nullptr)
        lstrcpyn(m_szFileName, lpszFileName, (int)sizeof(m_szFileName));
    if (lpszFilter != nullptr)
    {
        // "a|b||" becomes "a\0b\0\0".
        m_strFilter = lpszFilter;
        m_filter.assign((LPCTSTR)m_strFilter, (LPCTSTR)m_strFilter + m_strFilter.GetLength());
        for (char& ch : m_filter)
            if (ch == '|')
                ch = '\0';
        m_filter.push_back('\0');
        m_filter.push_back('\0');
        m_ofn.lpstrFilter = m_filter.data();
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal()
{
    CString strAnswer;
    BOOL bHandled = FALSE;
    BOOL bOK = CTestSeams::TakeFileDialogAnswer(strAnswer, &bHandled);
    if (bHandled)
    {
        if (!bOK)
            return IDCANCEL;
        lstrcpyn(m_szFileName, strAnswer, (int)sizeof(m_szFileName));
        int nSlash = strAnswer.ReverseFind('\\');
        m_ofn.nFileOffset = (WORD)(nSlash + 1);
        return IDOK;
    }

    m_ofn.hwndOwner = GetOwnerForSystemDialog();
    m_ofn.hInstance = AfxGetResourceHandle();
    BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileName(&m_ofn) : ::GetSaveFileName(&m_ofn);
    return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    return CString(m_szFileName);
}

CString CFileDialog::GetFileName() const
{
    CString strPath(m_szFileName);
    return strPath.Mid(strPath.ReverseFind('\\') + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}
