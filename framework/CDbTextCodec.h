// Carries text across the ODBC boundary: the program speaks code page 936, a Unix driver under Wine speaks UTF-8.
#pragma once
#include <string>
#include <cstddef>

class CDbTextCodec
{
public:
    // True when the driver on the other side expects UTF-8 (we run under Wine, where every driver is a Unix one).
    static bool DriverSpeaksUtf8();

    // Program text (GBK) to driver text; unchanged on Windows, where the driver manager converts itself.
    static void ToDriver(const char* text, size_t len, std::string& out);
    static std::string ToDriver(const std::string& text);

    // Driver text to program text (GBK); unchanged on Windows.
    static void FromDriver(const char* text, size_t len, std::string& out);
    static std::string FromDriver(const std::string& text);

    // Re-encodes between two code pages; ASCII-only text is copied as it is.
    static void Convert(unsigned fromCodePage, unsigned toCodePage, const char* text, size_t len,
                        std::string& out);
};
