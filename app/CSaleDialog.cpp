#include "app/CSaleDialog.h"
#include "app/CDatabaseHolder.h"
#include "app/CGridSql.h"
#include "app/CSqlText.h"
#include "framework/CTime.h"
#include "res/resource.h"
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CSaleDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_SALE_TYPE, OnSaleTypeChange)
    ON_EN_CHANGE(IDC_SALE_QUANTITY, UpdateAmount)
    ON_EN_CHANGE(IDC_SALE_PRICE, UpdateAmount)
    ON_EN_SETFOCUS(IDC_SALE_AMOUNT, UpdateAmount)
    ON_CBN_KILLFOCUS(IDC_SALE_NAME, FilterKeyLists)
    ON_CBN_KILLFOCUS(IDC_SALE_ORIGIN, FilterKeyLists)
    ON_CBN_KILLFOCUS(IDC_SALE_SPEC, FilterKeyLists)
    ON_CBN_KILLFOCUS(IDC_SALE_EXPIRY, FilterKeyLists)
END_MESSAGE_MAP()

CSaleDialog::CSaleDialog(CWnd* pParent)
    : CDialog(IDD_SALE, pParent), m_pDatabase(g_databaseHolder.GetDatabase()), m_price(0),
      m_quantity(1), m_perBox(1), m_amount("0")
{}

void CSaleDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_SALE_DATETIME, m_dateTime);
    DDX_Control(pDX, IDC_SALE_NAME, m_name);
    DDX_Control(pDX, IDC_SALE_ORIGIN, m_origin);
    DDX_Control(pDX, IDC_SALE_SPEC, m_spec);
    DDX_Control(pDX, IDC_SALE_EXPIRY, m_expiry);
    DDX_Control(pDX, IDC_SALE_TYPE, m_saleType);
    DDX_Text(pDX, IDC_SALE_PRICE, m_price);
    DDX_Text(pDX, IDC_SALE_QUANTITY, m_quantity);
    DDX_Text(pDX, IDC_SALE_PER_BOX, m_perBox);
    DDX_Text(pDX, IDC_SALE_AMOUNT, m_amount);
}

void CSaleDialog::SetStatus(LPCTSTR text)
{
    SetDlgItemText(IDC_STATUS, text);
}

CString CSaleDialog::Now()
{
    CTime now = CTime::GetCurrentTime();
    return CSqlText::DateTime(now.GetYear(), now.GetMonth(), now.GetDay(), now.GetHour(),
                              now.GetMinute(), now.GetSecond())
        .c_str();
}

BOOL CSaleDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetStatus("请尽可能详细填写【销售登记卡】,以便以后查阅");
    // In the order of the stock key on every data source: a server returns rows in no fixed
    // order, and which texts the lists take depends on it.
    m_grid.CreateAndLoad(m_pDatabase, "存",
                         "SELECT 名称,产地,规格型号,有效截止日期 FROM 存 "
                         "ORDER BY 名称,产地,规格型号,有效截止日期",
                         this, CRect(0, 0, 1, 1), FALSE, FALSE);
    // The resource compiler has no initial list data: the two sale types are added here.
    if (m_saleType.GetCount() == 0)
    {
        m_saleType.AddString(CSaleCard::WholeBox);
        m_saleType.AddString(CSaleCard::Split);
    }
    m_saleType.SetCurSel(0);
    ResetCard();
    UpdateAmount();
    FilterKeyLists();
    return TRUE;
}

void CSaleDialog::ResetCard()
{
    m_dateTime = Now();
    m_proposedTime = m_dateTime;
    m_name.SetWindowText("");
    m_origin.SetWindowText("");
    m_spec.SetWindowText("");
    m_expiry.SetWindowText("");
    m_price = 0;
    m_quantity = 1;
    OnSaleTypeChange();
    m_amount = "0";
    UpdateData(FALSE);
    m_name.SetFocus();
}

void CSaleDialog::OnSaleTypeChange()
{
    CString type;
    m_saleType.GetWindowText(type);
    unsigned perBox = CSaleCard::PerBoxFor((LPCTSTR)type);
    if (perBox == 0)
        return;
    m_perBox = perBox;
    ShowPerBox(perBox != 1);
    // Only the per-box field: the others may hold typing not yet read.
    SetDlgItemInt(IDC_SALE_PER_BOX, m_perBox, FALSE);
}

void CSaleDialog::ShowPerBox(bool show)
{
    GetDlgItem(IDC_SALE_PER_BOX_LABEL)->ShowWindow(show ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_SALE_PER_BOX)->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CSaleDialog::UpdateAmount()
{
    // Only the amount field is written: writing every field back while the operator types
    // would put the text being typed out of order ("12.5" turning into "512").
    CString quantity, price;
    GetDlgItemText(IDC_SALE_QUANTITY, quantity);
    GetDlgItemText(IDC_SALE_PRICE, price);
    char* end = nullptr;
    errno = 0;
    unsigned long count = std::strtoul(quantity, &end, 10);
    bool valid = !quantity.IsEmpty() && *end == 0 && quantity[0] >= '0' && quantity[0] <= '9' &&
                 errno == 0 && count <= UINT_MAX;
    // Only decimal numbers: the conversion alone would also take "0x1A", "inf" and "nan".
    valid = valid && CGridSql::IsNumberText((LPCTSTR)price);
    CSaleCard sale;
    sale.m_quantity = (unsigned)count;
    sale.m_price = valid ? (float)std::strtod(price, nullptr) : 0;
    valid = valid && std::isfinite(sale.m_quantity * sale.m_price);
    // An amount that cannot be computed stays empty, and the sale is refused until it can.
    m_amount = valid ? CString(sale.ComputeAmount().c_str()) : CString();
    SetDlgItemText(IDC_SALE_AMOUNT, m_amount);
}

void CSaleDialog::FilterKeyLists()
{
    CComboBox* lists[4] = {&m_name, &m_origin, &m_spec, &m_expiry};
    CString typed[4];
    for (int i = 0; i < 4; ++i)
    {
        lists[i]->GetWindowText(typed[i]);
        lists[i]->ResetContent();
    }
    for (int row = 0; row < m_grid.GetItemCount(); ++row)
    {
        CString cells[4];
        bool fits = true;
        for (int i = 0; i < 4; ++i)
        {
            cells[i] = m_grid.GetItemText(row, i);
            fits = fits && (typed[i].IsEmpty() || typed[i] == cells[i]);
        }
        if (!fits)
            continue;
        for (int i = 0; i < 4; ++i)
            if (!cells[i].IsEmpty() && lists[i]->FindString(-1, cells[i]) == CB_ERR)
                lists[i]->AddString(cells[i]);
    }
    for (int i = 0; i < 4; ++i)
        lists[i]->SetWindowText(typed[i]);
}

CSaleCard CSaleDialog::ReadSale()
{
    // A form left open since the last sale must not file this one under that time.
    if (m_dateTime == m_proposedTime)
    {
        m_dateTime = Now();
        m_proposedTime = m_dateTime;
        SetDlgItemText(IDC_SALE_DATETIME, m_dateTime);
    }
    CSaleCard sale;
    sale.m_dateTime = (LPCTSTR)m_dateTime;
    CString text;
    m_name.GetWindowText(text);
    sale.m_name = (LPCTSTR)text;
    m_origin.GetWindowText(text);
    sale.m_origin = (LPCTSTR)text;
    m_spec.GetWindowText(text);
    sale.m_spec = (LPCTSTR)text;
    m_expiry.GetWindowText(text);
    sale.m_expiry = (LPCTSTR)text;
    sale.m_price = m_price;
    sale.m_quantity = m_quantity;
    sale.m_perBox = m_perBox;
    m_saleType.GetWindowText(text);
    sale.m_saleType = (LPCTSTR)text;
    sale.m_amount = (LPCTSTR)m_amount;
    return sale;
}

void CSaleDialog::OnOK()
{
    // A number the data exchange refused has been reported; such a sale is not recorded.
    if (!UpdateData(TRUE))
        return;
    SetStatus("检查数据库连接...");
    CString status;
    CSaleCard::StoreResult result = ReadSale().Store(m_pDatabase, status);
    SetStatus(status);
    // A stored sale clears the form even when the clamp was refused: the same sale must not be
    // added twice.
    if (result != CSaleCard::Refused)
        ResetCard();
}
