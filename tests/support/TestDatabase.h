// A fresh SQLite database file for one test, reached through ODBC like the program's own, removed afterwards.
#pragma once
#include "framework/CDatabase.h"
#include <string>
#include <vector>

class TestDatabase
{
public:
    enum Content
    {
        Empty,
        Schema
    };

    // Makes a new file in a folder of its own below the temp folder; with Schema, the four tables and the first operator.
    explicit TestDatabase(Content content = Schema, const char* folderName = nullptr);
    ~TestDatabase();

    // "DRIVER=SQLite3;Database=<file>;StepAPI=1" as the driver must see it (a Unix path under Wine),
    // in GBK: the driver steps through results as it does with the connection file tools/run writes.
    const std::string& ConnectString() const { return m_connect; }
    // Windows path of the database file and of its folder (with a trailing backslash).
    const std::string& Path() const { return m_path; }
    const std::string& Folder() const { return m_folder; }

    // The open connection every test statement runs on.
    CDatabase& Db() { return m_db; }
    void Exec(const std::string& sql);
    // First column of the first row as text, "" when there is none.
    std::string Scalar(const std::string& sql);

    // The statements of the shipped schema, in order.
    static std::vector<std::string> SchemaStatements();
    // Windows path to what a Unix driver must be given; unchanged outside Wine.
    static std::string DriverPath(const std::string& windowsPath);

private:
    std::string m_folder;
    std::string m_path;
    std::string m_connect;
    CDatabase m_db;
};
