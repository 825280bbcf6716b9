// Description of one result column of a recordset: name, ODBC SQL type, precision, scale, nullability.
#pragma once
#include "framework/CString.h"
#include <sql.h>

struct CODBCFieldInfo
{
    CString m_strName;
    SWORD m_nSQLType = 0;
    UDWORD m_nPrecision = 0;
    SWORD m_nScale = 0;
    SWORD m_nNullability = 0;
};
