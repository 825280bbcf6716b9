#include "tests/support/RealPrinter.h"
#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

std::string Env(const char* name)
{
    char value[1024] = {};
    const DWORD n = ::GetEnvironmentVariableA(name, value, sizeof(value));
    return n > 0 && n < sizeof(value) ? std::string(value) : std::string();
}

// A Unix path as Wine's drive Z: shows it.
std::string WindowsPath(std::string strUnix)
{
    std::replace(strUnix.begin(), strUnix.end(), '/', '\\');
    return "Z:" + strUnix;
}

std::string UnixPath(const std::string& strWindows)
{
    std::string strUnix = strWindows.substr(2);
    std::replace(strUnix.begin(), strUnix.end(), '\\', '/');
    return strUnix;
}

std::string Utf8ToCodePage936(const std::string& strUtf8)
{
    const int nWide =
        ::MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), (int)strUtf8.size(), NULL, 0);
    std::wstring wide(nWide, L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, strUtf8.data(), (int)strUtf8.size(), &wide[0], nWide);
    const int n = ::WideCharToMultiByte(936, 0, wide.data(), nWide, NULL, 0, NULL, NULL);
    std::string result(n, '\0');
    ::WideCharToMultiByte(936, 0, wide.data(), nWide, &result[0], n, NULL, NULL);
    return result;
}

} // namespace

std::string RealPrinter::WhyUnavailable()
{
    const std::string why = Env("VORLEN_PRINTER_UNAVAILABLE");
    if (!why.empty())
        return why;
    if (Env("VORLEN_PRINTER_SPOOL").empty() || Env("VORLEN_PRINTER_OUT").empty())
        return "the test run did not set one up";
    return std::string();
}

bool RealPrinter::IsRequired()
{
    return Env("VORLEN_PRINTER_REQUIRED") == "1";
}

std::string RealPrinter::UniqueTitle(const char* base)
{
    static int nCount = 0;
    std::ostringstream title;
    title << base << "-" << ::GetCurrentProcessId() << "-" << ++nCount << "-" << ::GetTickCount();
    return title.str();
}

std::string RealPrinter::TakePdf(const std::string& strTitle, DWORD dwTimeout)
{
    const std::string strSpool = WindowsPath(Env("VORLEN_PRINTER_SPOOL"));
    const std::string strOut = WindowsPath(Env("VORLEN_PRINTER_OUT"));
    const DWORD dwStart = ::GetTickCount();
    std::string strFound;
    LONGLONG nLastSize = -1;
    do
    {
        WIN32_FIND_DATAA data;
        HANDLE hFind = ::FindFirstFileA((strSpool + "\\" + strTitle + "*.pdf").c_str(), &data);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            ::FindClose(hFind);
            const LONGLONG nSize = ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
            // The driver writes the file in steps: it is done once its size stays put.
            if (nSize > 0 && nSize == nLastSize)
            {
                strFound = data.cFileName;
                break;
            }
            nLastSize = nSize;
        }
        ::Sleep(300);
    } while (::GetTickCount() - dwStart < dwTimeout);
    if (strFound.empty())
        return std::string();
    const std::string strTarget = strOut + "\\" + strFound;
    if (!::MoveFileExA((strSpool + "\\" + strFound).c_str(), strTarget.c_str(),
                       MOVEFILE_COPY_ALLOWED | MOVEFILE_REPLACE_EXISTING))
        return std::string();
    return strTarget;
}

std::vector<std::string> RealPrinter::PageTexts(const std::string& strPdfPath)
{
    std::vector<std::string> pages;
    const std::string strText = strPdfPath + ".txt";
    ::DeleteFileA(strText.c_str());
    // pdftotext is a Unix program: Wine starts it as it stands, with Unix paths.
    std::string strCommand = "/usr/bin/pdftotext -enc UTF-8 \"" + UnixPath(strPdfPath) + "\" \"" +
                             UnixPath(strText) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return pages;
    ::WaitForSingleObject(pi.hProcess, 30000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    // The process handle of a Unix program may signal before its output is on the disk.
    std::string strUtf8;
    for (int i = 0; i < 50 && strUtf8.empty(); i++)
    {
        std::ifstream file(strText, std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        strUtf8 = content.str();
        if (strUtf8.empty())
            ::Sleep(100);
    }
    // Every page ends with a form feed.
    const std::string strAll = Utf8ToCodePage936(strUtf8);
    size_t nBegin = 0;
    for (size_t nEnd; (nEnd = strAll.find('\f', nBegin)) != std::string::npos; nBegin = nEnd + 1)
        pages.push_back(strAll.substr(nBegin, nEnd - nBegin));
    return pages;
}
