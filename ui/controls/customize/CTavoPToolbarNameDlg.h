// The small modal dialog that asks for a toolbar's name; OK is enabled only while the name is not empty.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarNameDlg : public CDialog
{
public:
    explicit CTavoPToolbarNameDlg(CWnd* pParent = nullptr);
    virtual ~CTavoPToolbarNameDlg();

    CButton m_btnOk;
    CString m_strToolbarName;

protected:
    virtual void DoDataExchange(CDataExchange* pDX) override;
    virtual BOOL OnInitDialog() override;

public:
    void OnUpdateToolbarName();

protected:
    DECLARE_MESSAGE_MAP()
};
