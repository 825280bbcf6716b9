#include "app/CSqlText.h"
#include <cstdarg>
#include <cstdio>
#include <string>
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

bool CSqlText::IsDateTime(const std::string& text)
{
    const char form[] = "dddd-dd-dd dd:dd:dd";
    if (text.size() != sizeof form - 1)
        return false;
    for (size_t i = 0; i < text.size(); ++i)
    {
        bool digit = text[i] >= '0' && text[i] <= '9';
        if (form[i] == 'd' ? !digit : text[i] != form[i])
            return false;
    }
    auto number = [&](size_t at, size_t length) { return std::stoi(text.substr(at, length)); };
    int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > days[month - 1] + (month == 2 && leap ? 1 : 0))
        return false;
    return number(11, 2) < 24 && number(14, 2) < 60 && number(17, 2) < 60;
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
