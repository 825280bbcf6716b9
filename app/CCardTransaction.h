// Runs the statements of one card as a unit: either all of them stay or none does.
#pragma once
#include "framework/CString.h"
#include <string>
#include <vector>

class CDatabase;
class CDBException;

class CCardTransaction
{
public:
    // Opens a transaction when the data source has them.
    explicit CCardTransaction(CDatabase& db);
    // Whatever was not committed is taken back.
    ~CCardTransaction();

    // Runs one statement; returns the rows it changed (-1 when the driver cannot tell).
    // A refusal throws the framework's CDBException*.
    long Execute(const std::string& sql);
    // Runs an INSERT of one row into table; without transactions, Undo removes exactly that
    // row again, even when identical rows were there before.
    void Insert(const std::string& table, const std::string& insertSql,
                const std::string& matchCondition);

    // False when the data source refused the commit; everything is taken back then, and error
    // (when given) receives the refusal for the status line.
    bool Commit(CString* error = nullptr);
    void Undo();

    bool UsesTransaction() const { return m_transaction; }

    // Test seam: behave as on a data source without transactions.
    static void SetTransactionsAllowed(bool allowed);

    // An exception's message for the status line (at most 255 bytes, never half a character).
    static CString Message(CDBException* e);

private:
    struct Inserted
    {
        std::string table;
        std::string insertSql;
        std::string matchCondition;
        long before;
    };
    long CountRows(const std::string& table, const std::string& condition);

    CDatabase& m_db;
    bool m_transaction = false;
    bool m_open = true;
    std::vector<Inserted> m_inserted;
    static bool s_transactionsAllowed;
};
