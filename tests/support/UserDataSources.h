// Data sources of a test's own, in the user data-source file that unixODBC reads (the file named by ODBCINI), removed afterwards.
#pragma once
#include <string>

class UserDataSources
{
public:
    UserDataSources();
    ~UserDataSources();

    // False when no ODBCINI names a file (not under Wine, or the test's environment lacks it).
    bool IsAvailable() const { return !m_path.empty(); }
    // Adds a source reached through the SQLite 3 driver; further lines such as "NoCreat=1" follow.
    void Add(const std::string& name, const std::string& driverDatabasePath,
             const std::string& furtherLines = "");

private:
    std::string m_path;
    std::string m_text;
};
