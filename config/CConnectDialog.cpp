#include "config/CConnectDialog.h"
#include "config/CAboutDlg.h"
#include "config/CConnectionFile.h"
#include "framework/CDatabase.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"

BEGIN_MESSAGE_MAP(CConnectDialog, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_CONFIGURE, OnConfigure)
END_MESSAGE_MAP()

CConnectDialog::CConnectDialog(CWnd* pParent) : CDialog(CConnectDialog::IDD, pParent)
{
    m_hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
}

BOOL CConnectDialog::OnInitDialog()
{
    CDialog::OnInitDialog();

    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu != nullptr)
    {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty())
        {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    CString connect;
    if (CConnectionFile::Read(GetFileName(), connect))
        SetStatus(connect);
    else
        SetStatus("尚未配置数据连接");
    return TRUE;
}

void CConnectDialog::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
    {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    }
    else
    {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CConnectDialog::OnPaint()
{
    if (!IsIconic())
    {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    CDC dc;
    dc.Attach(hdc);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);

    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    int x = (rect.Width() - cxIcon + 1) / 2;
    int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    dc.Detach();
    ::EndPaint(m_hWnd, &ps);
}

HCURSOR CConnectDialog::OnQueryDragIcon()
{
    return (HCURSOR)m_hIcon;
}

void CConnectDialog::OnConfigure()
{
    SetStatus("开始打开数据连接对话框...");

    // A refusal while connecting is left to the framework's report of errors in command handlers.
    CDatabase db;
    db.OpenEx(nullptr, CDatabase::forceOdbcDialog);
    CString connect = db.GetConnect();
    if (connect.IsEmpty())
    {
        SetStatus("配置尚未完成...");
        return;
    }

    int prefix = connect.Find("ODBC;");
    if (prefix >= 0)
        connect.Delete(prefix, 5);

    if (!CConnectionFile::Write(GetFileName(), connect))
        SetStatus("创建文件错误");
    else
        SetStatus("已经完成连接配置:" + connect);
    db.Close();
}

void CConnectDialog::SetStatus(LPCTSTR lpszText)
{
    SetDlgItemText(IDC_STATUS, lpszText);
}
