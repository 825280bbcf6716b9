// The real printer of a test run, the PDF queue that tools/with-printer sets up: finds the PDF a print job made and reads its text back.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class RealPrinter
{
public:
    // Empty when the run has a real printer, else why not.
    static std::string WhyUnavailable();
    // True in CI, where the printer tests may not be skipped.
    static bool IsRequired();
    // A document title of this process alone, which the PDF's file name starts with.
    static std::string UniqueTitle(const char* base);
    // Waits for the PDF of the job titled strTitle, moves it into this run's own folder and
    // returns its Windows path; empty when none came within the time.
    static std::string TakePdf(const std::string& strTitle, DWORD dwTimeout = 30000);
    // The text of each page of the PDF, in code page 936; empty when it cannot be read.
    static std::vector<std::string> PageTexts(const std::string& strPdfPath);
};

// Skips the test when the run has no real printer, or fails it where the printer is required.
#define REQUIRE_REAL_PRINTER()                                                                     \
    do                                                                                             \
    {                                                                                              \
        const std::string why_ = RealPrinter::WhyUnavailable();                                    \
        if (!why_.empty())                                                                         \
        {                                                                                          \
            if (RealPrinter::IsRequired())                                                         \
                FAIL() << "no real printer: " << why_;                                             \
            GTEST_SKIP() << "no real printer: " << why_                                            \
                         << " (tools/with-wine sets up the PDF queue of CUPS)";                    \
        }                                                                                          \
    } while (0)
