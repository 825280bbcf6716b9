// Turns form values into SQL literal texts in the forms the stored rows have always used.
#pragma once
#include <string>

class CSqlText
{
public:
    // The text with every single quote doubled, ready to stand between quotes.
    static std::string Escape(const std::string& text);
    // 'text' with its quotes doubled.
    static std::string Quoted(const std::string& text);
    // "%f": a form's float widened to double, six decimals (12.5 -> 12.500000).
    static std::string Decimal(double value);
    // "%d".
    static std::string Whole(long long value);
    // "%04d-%02d-%02d".
    static std::string Date(int year, int month, int day);
    // "%04d-%02d-%02d %02d:%02d:%02d".
    static std::string DateTime(int year, int month, int day, int hour, int minute, int second);
    // True for a real calendar date and time in the form "%04d-%02d-%02d %02d:%02d:%02d".
    static bool IsDateTime(const std::string& text);
    // printf into a std::string.
    static std::string Format(const char* format, ...);
};
