// Framework layer: database classes over ODBC.
#pragma once
#include "framework/CDBException.h"
#include "framework/CODBCFieldInfo.h"
#include "framework/CDatabase.h"
#include "framework/CRecordset.h"
#include "framework/CDataSourceDialog.h"
