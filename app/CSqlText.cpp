#include "app/CSqlText.h"
#include <cstdarg>
#include <cstdio>
#include <vector>

std::string CSqlText::Escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    // GBK trail bytes are never 0x27, so doubling byte by byte cannot split a character.
    for (char c : text)
    {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

std::string CSqlText::Quoted(const std::string& text)
{
    return "'" + Escape(text) + "'";
}

std::string CSqlText::Decimal(double value)
{
    return Format("%f", value);
}

std::string CSqlText::Whole(long long value)
{
    return Format("%lld", value);
}

std::string CSqlText::Date(int year, int month, int day)
{
    return Format("%04d-%02d-%02d", year, month, day);
}

std::string CSqlText::DateTime(int year, int month, int day, int hour, int minute, int second)
{
    return Format("%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
}

std::string CSqlText::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0)
    {
        std::vector<char> buffer(n + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        out.assign(buffer.data(), n);
    }
    va_end(args);
    return out;
}
