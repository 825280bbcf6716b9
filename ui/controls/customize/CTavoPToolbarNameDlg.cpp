#include "ui/controls/customize/CTavoPToolbarNameDlg.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarNameDlg, CDialog)
    ON_EN_UPDATE(IDC_TAVOP_TOOLBAR_NAME, OnUpdateToolbarName)
END_MESSAGE_MAP()

CTavoPToolbarNameDlg::CTavoPToolbarNameDlg(CWnd* pParent) : CDialog(IDD_TAVOP_TOOLBAR_NAME, pParent)
{}

CTavoPToolbarNameDlg::~CTavoPToolbarNameDlg() = default;

void CTavoPToolbarNameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDOK, m_btnOk);
    DDX_Text(pDX, IDC_TAVOP_TOOLBAR_NAME, m_strToolbarName);
}

BOOL CTavoPToolbarNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    OnUpdateToolbarName();
    return TRUE;
}

void CTavoPToolbarNameDlg::OnUpdateToolbarName()
{
    UpdateData(TRUE);
    m_btnOk.EnableWindow(!m_strToolbarName.IsEmpty());
}
