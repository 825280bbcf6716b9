// Whole files as byte strings, for tests that check exactly what a program wrote or will read.
#pragma once
#include <string>

class TestFiles
{
public:
    // The file's bytes, or "<missing>" when it cannot be opened.
    static std::string Read(const std::string& path);
    // Creates or replaces the file with exactly these bytes; false when that failed.
    static bool Write(const std::string& path, const std::string& bytes);
};
