// The registry path rule of the library's state: an explicit path, or SOFTWARE\key\profile\section\.
#pragma once
#include "framework/FrameworkCore.h"

// An explicit path that is not empty is returned unchanged; otherwise
// "SOFTWARE\" + (registry key + "\" when there is one) + profile name + "\" + section + "\".
CString BuildRegistryPathFor(LPCTSTR lpszRegistryKey, LPCTSTR lpszProfileName,
                             LPCTSTR lpszSectionName, LPCTSTR lpszPath);

// The same for the running application's registry key and profile name.
CString BuildRegistryPath(LPCTSTR lpszSectionName, LPCTSTR lpszPath);
