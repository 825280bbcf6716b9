#include "app/CMessageDialog.h"
#include "app/CDatabaseHolder.h"
#include "app/CMailLink.h"
#include "framework/CTestSeams.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CMessageDialog, CDialog)
    ON_BN_CLICKED(IDC_MESSAGE_SUPPORT, OnSupport)
    ON_BN_CLICKED(IDC_MESSAGE_HELP, OnHelp)
END_MESSAGE_MAP()

CMessageDialog::CMessageDialog(CWnd* pParent) : CDialog(IDD_MESSAGE, pParent)
{}

void CMessageDialog::SetMessage(const CString& message)
{
    m_message = message;
}

void CMessageDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_MESSAGE_TEXT, m_text);
}

BOOL CMessageDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_text = m_message;
    UpdateData(FALSE);
    return TRUE;
}

void CMessageDialog::OnOK()
{}

void CMessageDialog::OnSupport()
{
    UpdateData(TRUE);
    // Encoded like every mail link of the program: a message holding '&' or '#' must not cut it.
    CString link = CMailLink::Build("信息反馈单", "在使用【Vorlen】的过程中遇到问题的描述如下：\"" +
                                                      m_text + "\" ");
    AfxShellExecute(m_hWnd, "open", link, nullptr, nullptr, SW_SHOWNORMAL);
}

void CMessageDialog::OnHelp()
{
    AfxShellExecute(m_hWnd, "open", CDatabaseHolder::GetProgramDirectory() + "help\\vorlen.chm",
                    nullptr, nullptr, SW_SHOWNORMAL);
}
