#include "app/CStockInDialog.h"
#include "app/CDatabaseHolder.h"
#include "app/CDateRangeDialog.h"
#include "app/CSqlText.h"
#include "framework/CDateTimeCtrl.h"
#include "res/resource.h"

CStockInDialog::CStockInDialog(CWnd* pParent)
    : CDialog(IDD_STOCK_IN, pParent), m_pDatabase(g_databaseHolder.GetDatabase()), m_price(0),
      m_quantity(0)
{}

void CStockInDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_DateTimeCtrl(pDX, IDC_STOCKIN_DATE, m_date);
    DDX_Control(pDX, IDC_STOCKIN_BUYER, m_buyer);
    DDX_Control(pDX, IDC_STOCKIN_CATEGORY, m_category);
    DDX_Control(pDX, IDC_STOCKIN_SUBCATEGORY, m_subCategory);
    DDX_Text(pDX, IDC_STOCKIN_NUMBER, m_number);
    DDX_Text(pDX, IDC_STOCKIN_NAME, m_name);
    DDX_Text(pDX, IDC_STOCKIN_ORIGIN, m_origin);
    DDX_Text(pDX, IDC_STOCKIN_SPEC, m_spec);
    DDX_Text(pDX, IDC_STOCKIN_BATCH, m_batch);
    DDX_DateTimeCtrl(pDX, IDC_STOCKIN_EXPIRY, m_expiry);
    DDX_Text(pDX, IDC_STOCKIN_PRICE, m_price);
    DDX_Text(pDX, IDC_STOCKIN_QUANTITY, m_quantity);
}

void CStockInDialog::SetStatus(LPCTSTR text)
{
    SetDlgItemText(IDC_STATUS, text);
}

void CStockInDialog::AddUnlessListed(CComboBox& list, const CString& text)
{
    if (!text.IsEmpty() && list.FindString(-1, text) == CB_ERR)
        list.AddString(text);
}

BOOL CStockInDialog::OnInitDialog()
{
    CDateRangeDialog::FixDateFormat(GetDlgItem(IDC_STOCKIN_DATE));
    CDateRangeDialog::FixDateFormat(GetDlgItem(IDC_STOCKIN_EXPIRY));
    CDialog::OnInitDialog();
    SetStatus("请尽可能详细的填写【入库登记卡】，以便以后查阅");
    m_date = CTime::GetCurrentTime();
    // 356, not 365: the expiry operators have always been offered.
    m_expiry = m_date + CTimeSpan(356, 0, 0, 0);
    UpdateData(FALSE);
    // Grouped rows in the order of their texts on every data source: a server returns groups in
    // no fixed order, and which texts the lists take depends on it.
    if (m_grid.CreateAndLoad(m_pDatabase, "进",
                             "SELECT 采购人,大类,小类 FROM 进 GROUP BY 采购人,大类,小类 "
                             "ORDER BY 采购人,大类,小类",
                             this, CRect(0, 0, 1, 1), FALSE, FALSE))
    {
        for (int row = 0; row < m_grid.GetItemCount(); ++row)
        {
            AddUnlessListed(m_buyer, m_grid.GetItemText(row, 0));
            AddUnlessListed(m_category, m_grid.GetItemText(row, 1));
            AddUnlessListed(m_subCategory, m_grid.GetItemText(row, 2));
        }
    }
    return TRUE;
}

CStockInCard CStockInDialog::ReadCard() const
{
    CStockInCard card;
    card.m_date = CSqlText::Date(m_date.GetYear(), m_date.GetMonth(), m_date.GetDay());
    CString text;
    m_buyer.GetWindowText(text);
    card.m_buyer = (LPCTSTR)text;
    m_category.GetWindowText(text);
    card.m_category = (LPCTSTR)text;
    m_subCategory.GetWindowText(text);
    card.m_subCategory = (LPCTSTR)text;
    card.m_number = (LPCTSTR)m_number;
    card.m_name = (LPCTSTR)m_name;
    card.m_origin = (LPCTSTR)m_origin;
    card.m_spec = (LPCTSTR)m_spec;
    card.m_batch = (LPCTSTR)m_batch;
    card.m_expiry = CSqlText::Date(m_expiry.GetYear(), m_expiry.GetMonth(), m_expiry.GetDay());
    card.m_price = m_price;
    card.m_quantity = m_quantity;
    return card;
}

void CStockInDialog::OnOK()
{
    // A number the data exchange refused has been reported; such a card is not recorded.
    if (!UpdateData(TRUE))
        return;
    CString status;
    bool stored = ReadCard().Store(m_pDatabase, status);
    SetStatus(status);
    if (stored)
        ResetCard();
}

void CStockInDialog::ResetCard()
{
    m_buyer.SetWindowText("");
    m_category.SetWindowText("");
    m_subCategory.SetWindowText("");
    m_number.Empty();
    m_name.Empty();
    m_origin.Empty();
    m_spec.Empty();
    m_batch.Empty();
    m_price = 0;
    m_quantity = 0;
    m_buyer.SetFocus();
    UpdateData(FALSE);
}
