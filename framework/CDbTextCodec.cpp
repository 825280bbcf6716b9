#include "framework/CDbTextCodec.h"
#include <windows.h>
#include <vector>

namespace {
bool DetectWine()
{
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

bool IsAscii(const char* text, size_t len)
{
    for (size_t i = 0; i < len; ++i)
        if ((unsigned char)text[i] >= 0x80)
            return false;
    return true;
}
}

bool CDbTextCodec::DriverSpeaksUtf8()
{
    static const bool underWine = DetectWine();
    return underWine;
}

void CDbTextCodec::Convert(unsigned fromCodePage, unsigned toCodePage, const char* text, size_t len,
                           std::string& out)
{
    if (len == 0)
    {
        out.clear();
        return;
    }
    if (IsAscii(text, len))
    {
        out.assign(text, len);
        return;
    }
    // One buffer for the whole thread: a grid load converts hundreds of thousands of cells.
    thread_local std::vector<wchar_t> wide;
    if (wide.size() < len)
        wide.resize(len);
    int wideLen =
        MultiByteToWideChar(fromCodePage, 0, text, (int)len, wide.data(), (int)wide.size());
    if (wideLen <= 0)
    {
        out.assign(text, len);
        return;
    }
    int need =
        WideCharToMultiByte(toCodePage, 0, wide.data(), wideLen, nullptr, 0, nullptr, nullptr);
    if (need <= 0)
    {
        out.assign(text, len);
        return;
    }
    out.resize((size_t)need);
    WideCharToMultiByte(toCodePage, 0, wide.data(), wideLen, &out[0], need, nullptr, nullptr);
}

void CDbTextCodec::ToDriver(const char* text, size_t len, std::string& out)
{
    if (DriverSpeaksUtf8())
        Convert(936, CP_UTF8, text, len, out);
    else
        out.assign(text, len);
}

std::string CDbTextCodec::ToDriver(const std::string& text)
{
    std::string out;
    ToDriver(text.data(), text.size(), out);
    return out;
}

void CDbTextCodec::FromDriver(const char* text, size_t len, std::string& out)
{
    if (DriverSpeaksUtf8())
        Convert(CP_UTF8, 936, text, len, out);
    else
        out.assign(text, len);
}

std::string CDbTextCodec::FromDriver(const std::string& text)
{
    std::string out;
    FromDriver(text.data(), text.size(), out);
    return out;
}
