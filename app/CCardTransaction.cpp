#include "app/CCardTransaction.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include <cstdlib>
#include <windows.h>

bool CCardTransaction::s_transactionsAllowed = true;

void CCardTransaction::SetTransactionsAllowed(bool allowed)
{
    s_transactionsAllowed = allowed;
}

CCardTransaction::CCardTransaction(CDatabase& db) : m_db(db)
{
    if (s_transactionsAllowed && db.IsOpen() && db.CanTransact())
        m_transaction = db.BeginTrans() != FALSE;
}

CCardTransaction::~CCardTransaction()
{
    if (m_open)
        Undo();
}

long CCardTransaction::Execute(const std::string& sql)
{
    m_db.ExecuteSQL(sql.c_str());
    return m_db.GetRowsAffected();
}

void CCardTransaction::Insert(const std::string& table, const std::string& insertSql,
                              const std::string& matchCondition)
{
    long before = m_transaction ? 0 : CountRows(table, matchCondition);
    Execute(insertSql);
    if (!m_transaction)
        m_inserted.push_back({table, insertSql, matchCondition, before});
}

long CCardTransaction::CountRows(const std::string& table, const std::string& condition)
{
    CRecordset rs(&m_db);
    rs.Open(CRecordset::forwardOnly,
            ("SELECT COUNT(*) FROM " + table + " WHERE " + condition).c_str(),
            CRecordset::readOnly);
    CString value;
    if (!rs.IsEOF())
        rs.GetFieldValue((short)0, value);
    rs.Close();
    return std::atol(value);
}

bool CCardTransaction::Commit(CString* error)
{
    if (!m_open)
        return false;
    if (m_transaction)
    {
        bool committed = false;
        try
        {
            committed = m_db.CommitTrans() != FALSE;
        }
        catch (CDBException* e)
        {
            if (error)
                *error = Message(e);
            e->Delete();
        }
        if (!committed)
        {
            Undo();
            return false;
        }
    }
    m_open = false;
    m_inserted.clear();
    return true;
}

void CCardTransaction::Undo()
{
    if (!m_open)
        return;
    m_open = false;
    if (m_transaction)
    {
        // The card already says it was not stored; a refused rollback adds nothing it could do.
        try
        {
            m_db.Rollback();
        }
        catch (CDBException* e)
        {
            e->Delete();
        }
        return;
    }
    // Without transactions a DELETE cannot tell our row from an identical earlier one:
    // remove them all and put the earlier ones back. Failures are left as they are.
    for (auto it = m_inserted.rbegin(); it != m_inserted.rend(); ++it)
    {
        try
        {
            m_db.ExecuteSQL(("DELETE FROM " + it->table + " WHERE " + it->matchCondition).c_str());
            for (long i = 0; i < it->before; ++i)
                m_db.ExecuteSQL(it->insertSql.c_str());
        }
        catch (CDBException* e)
        {
            e->Delete();
        }
    }
    m_inserted.clear();
}

CString CCardTransaction::Message(CDBException* e)
{
    char text[256] = {};
    e->GetErrorMessage(text, sizeof text);
    // A cut may have left the lead byte of a GBK character at the end.
    int n = 0;
    for (int i = 0; text[i]; ++i)
    {
        if (IsDBCSLeadByte((BYTE)text[i]))
        {
            if (!text[i + 1])
                break;
            ++i;
        }
        n = i + 1;
    }
    text[n] = 0;
    return CString(text);
}
