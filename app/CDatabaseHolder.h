// Owns vorlen's one database connection for the life of the process, opened from the connection file beside the program.
#pragma once
#include "framework/CDatabase.h"
#include "framework/CString.h"

class CDatabaseHolder
{
public:
    CDatabaseHolder() = default;
    virtual ~CDatabaseHolder();

    // Opens the database named by "connect.txt" in the program directory; on false, strError says why.
    bool Connect(CString& strError);
    CDatabase* GetDatabase() { return &m_database; }

    // The running program's folder, with a trailing backslash.
    static CString GetProgramDirectory();

    // The run-at-logon value "Vorlen"; registry failures are ignored.
    static bool SetAutorun();
    static bool ClearAutorun();
    static bool IsAutorun();
    // Tests that run side by side each give the value a name of their own.
    static void SetAutorunValueName(LPCTSTR name);

private:
    CDatabaseHolder(const CDatabaseHolder&) = delete;
    CDatabaseHolder& operator=(const CDatabaseHolder&) = delete;

    CDatabase m_database;
};

// The process-wide holder every screen reaches the database through.
extern CDatabaseHolder g_databaseHolder;
