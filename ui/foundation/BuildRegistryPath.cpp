#include "ui/foundation/BuildRegistryPath.h"

CString BuildRegistryPathFor(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName, LPCTSTR lpszSectionName,
                             LPCTSTR lpszPath)
{
    if (lpszPath != nullptr && *lpszPath != '\0')
        return CString(lpszPath);
    CString path = "SOFTWARE\\";
    if (lpszRegistryKey != nullptr && *lpszRegistryKey != '\0') {
        path += lpszRegistryKey;
        path += "\\";
    }
    path += lpszProfileName != nullptr ? lpszProfileName : "";
    path += "\\";
    path += lpszSectionName != nullptr ? lpszSectionName : "";
    path += "\\";
    return path;
}
