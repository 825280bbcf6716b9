#include "app/CMailLink.h"
#include <windows.h>
#include <string>

const char* const CMailLink::kSupplierAddress = "support@vorlen.example";

CString CMailLink::PercentEncode(LPCTSTR lpszText)
{
    std::string utf8;
    const int nChars = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, nullptr, 0);
    if (nChars > 1)
    {
        std::wstring wide(nChars, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, &wide[0], nChars);
        const int nBytes =
            ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        utf8.assign(nBytes, '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], nBytes, nullptr, nullptr);
        utf8.resize(nBytes - 1);
    }
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : utf8)
    {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~')
            encoded += (char)c;
        else
        {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 15];
        }
    }
    return CString(encoded.c_str());
}

CString CMailLink::Build(LPCTSTR lpszSubject, LPCTSTR lpszBody)
{
    return CString("mailto:") + kSupplierAddress + "?subject=" + PercentEncode(lpszSubject) +
           "&body=" + PercentEncode(lpszBody);
}
