#include "framework/CArchiveException.h"

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName)
{}

BOOL CArchiveException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const char* const s_texts[] = {
        "未知的存档错误。",
        "存档时发生错误。",
        "试图写入只读的存档。",
        "存档数据意外结束。",
        "试图读取只写的存档。",
        "存档数据格式不正确（对象索引无效）。",
        "存档数据格式不正确（类型不符）。",
        "存档数据的版本不受支持。",
    };
    return CopyCauseText(s_texts, (int)_countof(s_texts), m_cause, m_strFileName, lpszError,
                         nMaxError, pnHelpContext);
}

void AFXAPI AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName)
{
    throw new CArchiveException(cause, lpszArchiveName);
}
