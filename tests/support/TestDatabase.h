// A fresh database for one test (a SQLite file, or a schema on the server of a server run), removed afterwards.
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

    // Makes a new database in a folder of its own below the temp folder; with Schema, the four
    // tables and the first operator. On a server run the folder is made too, for the test's files.
    explicit TestDatabase(Content content = Schema, const char* folderName = nullptr);
    ~TestDatabase();

    // True in a server run: VORLEN_TEST_DATA_SOURCE is "postgresql".
    static bool OnServer();
    // The ODBC connect string of the test server (VORLEN_TEST_POSTGRESQL), "" when none was given.
    static std::string ServerConnectString();

    // What the driver must be given to reach this database, in GBK: "DRIVER=SQLite3;Database=<file>;
    // StepAPI=1" (a Unix path under Wine), or the server's string that puts this test's schema first.
    const std::string& ConnectString() const { return m_connect; }
    // Windows path of the database file (none on a server) and of its folder (with a trailing backslash).
    const std::string& Path() const { return m_path; }
    const std::string& Folder() const { return m_folder; }

    // The open connection every test statement runs on.
    CDatabase& Db() { return m_db; }
    void Exec(const std::string& sql);
    // First column of the first row as text, "" when there is none.
    std::string Scalar(const std::string& sql);
    // The same through a connection of its own: only what was committed.
    std::string CommittedScalar(const std::string& sql);
    // Every row as the program reads it: values joined by ",", rows by "|"; the second through a
    // connection of its own.
    std::string Rows(const std::string& sql);
    std::string CommittedRows(const std::string& sql);

    // From now on every transaction that inserted into table is refused at its commit, as by a
    // deferred constraint; outside a transaction the insert itself is refused.
    void RefuseCommitsAfterInsertsInto(const std::string& table);
    void AcceptCommitsAgain();
    // Makes the data source refuse every INSERT, UPDATE or DELETE (event) on table with message,
    // or only those rows for which condition (on NEW or OLD) holds; Allow takes the refusal away.
    void Refuse(const std::string& name, const std::string& event, const std::string& table,
                const std::string& message, const std::string& condition = "");
    void Allow(const std::string& name, const std::string& table);

    // The statements of the shipped schema of this run's data source, in order.
    static std::vector<std::string> SchemaStatements();
    // Windows path to what a Unix driver must be given; unchanged outside Wine.
    static std::string DriverPath(const std::string& windowsPath);

private:
    void DropSchema();

    std::string m_folder;
    std::string m_path;
    std::string m_schema;
    std::string m_connect;
    CDatabase m_db;
};
