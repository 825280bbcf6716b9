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
    // A grid load converts hundreds of thousands of cells: short ones go through the stack.
    wchar_t local[512];
    std::vector<wchar_t> heap;
    wchar_t* wide = local;
    size_t wideSize = sizeof local / sizeof local[0];
    if (len > wideSize)
    {
        heap.resize(len);
        wide = heap.data();
        wideSize = len;
    }
    int wideLen = MultiByteToWideChar(fromCodePage, 0, text, (int)len, wide, (int)wideSize);
    if (wideLen <= 0)
    {
        out.assign(text, len);
        return;
    }
    // No code page takes more than three bytes for one UTF-16 unit.
    out.resize((size_t)wideLen * 3);
    int written = WideCharToMultiByte(toCodePage, 0, wide, wideLen, &out[0], (int)out.size(),
                                      nullptr, nullptr);
    if (written <= 0)
    {
        out.assign(text, len);
        return;
    }
    out.resize((size_t)written);
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
