#include "app/CSaleCard.h"
#include "app/CSqlText.h"

const char* const CSaleCard::WholeBox = "整盒销售";
const char* const CSaleCard::Split = "拆零销售";

unsigned CSaleCard::PerBoxFor(const std::string& saleType)
{
    if (saleType == WholeBox)
        return 1;
    if (saleType == Split)
        return 20;
    return 0;
}

bool CSaleCard::HasKeyTexts() const
{
    return !m_name.empty() && !m_origin.empty() && !m_spec.empty() && !m_expiry.empty();
}

std::string CSaleCard::ComputeAmount() const
{
    return CSqlText::Format("%.2f", (double)(m_quantity * m_price));
}

std::string CSaleCard::StockKeyCondition() const
{
    return "名称=" + CSqlText::Quoted(m_name) + " AND 产地=" + CSqlText::Quoted(m_origin)
        + " AND 规格型号=" + CSqlText::Quoted(m_spec) + " AND 有效截止日期=" + CSqlText::Quoted(m_expiry);
}

std::string CSaleCard::StockLookupSql() const
{
    return "SELECT 名称,产地,规格型号,有效截止日期 FROM 存 WHERE " + StockKeyCondition();
}

std::string CSaleCard::BoxesText() const
{
    return CSqlText::Format("%u/%u.0", m_quantity, m_perBox);
}

std::string CSaleCard::SaleInsertSql() const
{
    return "INSERT INTO 销(日期时间,名称,产地,规格型号,有效截止日期,零售价,数量,销售类型,实收金额,坏帐) VALUES("
        + CSqlText::Quoted(m_dateTime) + "," + CSqlText::Quoted(m_name) + ","
        + CSqlText::Quoted(m_origin) + "," + CSqlText::Quoted(m_spec) + ","
        + CSqlText::Quoted(m_expiry) + "," + CSqlText::Decimal(m_price) + ","
        + BoxesText() + "," + CSqlText::Quoted(m_saleType) + "," + m_amount + ",0)";
}

std::string CSaleCard::StockDecreaseSql() const
{
    return "UPDATE 存 SET 现有存货量=现有存货量-" + BoxesText() + " WHERE " + StockKeyCondition();
}

std::string CSaleCard::ClampSql()
{
    return "UPDATE 存 set 现有存货量=0 WHERE 现有存货量<0";
}

std::string CSaleCard::SaleMatchCondition() const
{
    return "日期时间=" + CSqlText::Quoted(m_dateTime) + " AND " + StockKeyCondition()
        + " AND 零售价=" + CSqlText::Decimal(m_price) + " AND 数量=" + BoxesText()
        + " AND 销售类型=" + CSqlText::Quoted(m_saleType) + " AND 实收金额=" + m_amount + " AND 坏帐=0";
}
