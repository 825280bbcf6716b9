// pelmar's main dialog: shows the current connection file and writes a new one from the data source the user picks.
#pragma once
#include "framework/CDialog.h"
#include "res/pelmarIds.h"

class CConnectDialog : public CDialog
{
public:
    explicit CConnectDialog(CWnd* pParent = nullptr);

    enum
    {
        IDD = IDD_PELMAR_DIALOG
    };

    // The file's name in the current directory.
    static LPCTSTR PASCAL GetFileName() { return "connect.txt"; }

protected:
    BOOL OnInitDialog() override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnConfigure();

    void SetStatus(LPCTSTR lpszText);

    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
