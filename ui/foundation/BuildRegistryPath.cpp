#include "ui/foundation/BuildRegistryPath.h"
#include "framework/FrameworkWin.h"

CString BuildRegistryPathFor(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName,
                             LPCTSTR lpszSectionName, LPCTSTR lpszPath)
{
    if (lpszPath != nullptr && *lpszPath != '\0')
        return CString(lpszPath);
    CString path = "SOFTWARE\\";
    if (lpszRegistryKey != nullptr && *lpszRegistryKey != '\0')
    {
        path += lpszRegistryKey;
        path += "\\";
    }
    path += lpszProfileName != nullptr ? lpszProfileName : "";
    path += "\\";
    path += lpszSectionName != nullptr ? lpszSectionName : "";
    path += "\\";
    return path;
}

CString BuildRegistryPath(LPCTSTR lpszSectionName, LPCTSTR lpszPath)
{
    CWinApp* pApp = AfxGetApp();
    return BuildRegistryPathFor(pApp != nullptr ? pApp->m_pszRegistryKey : nullptr,
                                pApp != nullptr ? pApp->m_pszProfileName : nullptr, lpszSectionName,
                                lpszPath);
}
