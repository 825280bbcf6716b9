// The stock query's condition dialog: four texts, each matched partially when given.
#pragma once
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CStockQueryDialog : public CDialog
{
public:
    explicit CStockQueryDialog(CWnd* pParent = nullptr);

    CString m_name;
    CString m_origin;
    CString m_spec;
    CString m_expiry;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
