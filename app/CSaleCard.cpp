#include "app/CSaleCard.h"
#include "app/CCardTransaction.h"
#include "app/CSqlText.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"
#include "framework/CRecordset.h"
#include <cstdlib>

const char* const CSaleCard::WholeBox = "整盒销售";
const char* const CSaleCard::Split = "拆零销售";
const char* const CSaleCard::StoredText = "新的销售记录已经被系统接纳";
const char* const CSaleCard::NotCommittedText = "销售记录没有保存，数据库拒绝提交：";
const char* const CSaleCard::NotClampedText =
    "新的销售记录已经被系统接纳，但负的库存量没有能改为0：";

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
    return "名称=" + CSqlText::Quoted(m_name) + " AND 产地=" + CSqlText::Quoted(m_origin) +
           " AND 规格型号=" + CSqlText::Quoted(m_spec) +
           " AND 有效截止日期=" + CSqlText::Quoted(m_expiry);
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
    return "INSERT INTO "
           "销(日期时间,名称,产地,规格型号,有效截止日期,零售价,数量,销售类型,实收金额,坏帐) "
           "VALUES(" +
           CSqlText::Quoted(m_dateTime) + "," + CSqlText::Quoted(m_name) + "," +
           CSqlText::Quoted(m_origin) + "," + CSqlText::Quoted(m_spec) + "," +
           CSqlText::Quoted(m_expiry) + "," + CSqlText::Decimal(m_price) + "," + BoxesText() + "," +
           CSqlText::Quoted(m_saleType) + "," + m_amount + ",0)";
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
    return "日期时间=" + CSqlText::Quoted(m_dateTime) + " AND " + StockKeyCondition() +
           " AND 零售价=" + CSqlText::Decimal(m_price) + " AND 数量=" + BoxesText() +
           " AND 销售类型=" + CSqlText::Quoted(m_saleType) + " AND 实收金额=" + m_amount +
           " AND 坏帐=0";
}

namespace {

// The amount goes into the statement bare: only a plain decimal number may pass.
bool IsAmount(const std::string& text)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return *end == 0 && text.find_first_not_of("0123456789.-") == std::string::npos;
}

} // namespace

CSaleCard::StoreResult CSaleCard::Store(CDatabase* db, CString& status) const
{
    if (!HasKeyTexts())
    {
        status = "名称，产地，规格型号,有效截止日期 必须填写";
        return Refused;
    }
    if (!IsAmount(m_amount) || m_perBox == 0)
    {
        status = "应付金额 无效";
        return Refused;
    }
    if (!CSqlText::IsDateTime(m_dateTime))
    {
        status = "日期时间无效，请按“2003-11-24 10:15:00”的格式填写";
        return Refused;
    }
    const char* const unknown =
        "库存中无此药品，仔细审改后重新输入,或者重下拉列表中选择一个有效的项";
    bool inStock = false;
    try
    {
        if (!db || !db->IsOpen())
        {
            status = "打开[库存]错误，可能是输入有误";
            return Refused;
        }
        CRecordset rs(db);
        rs.Open(CRecordset::forwardOnly, StockLookupSql().c_str(), CRecordset::readOnly);
        inStock = !rs.IsEOF();
        rs.Close();
    }
    catch (CDBException* e)
    {
        // The operator sees why the stock could not be read, as with any query that fails.
        e->ReportError();
        e->Delete();
        status = "打开[库存]错误，可能是输入有误";
        return Refused;
    }
    if (!inStock)
    {
        status = unknown;
        return Refused;
    }

    CCardTransaction unit(*db);
    try
    {
        unit.Insert("销", SaleInsertSql(), SaleMatchCondition());
    }
    catch (CDBException* e)
    {
        status = CCardTransaction::Message(e);
        e->Delete();
        return Refused;
    }
    try
    {
        if (unit.Execute(StockDecreaseSql()) == 0)
        {
            unit.Undo();
            status = unknown;
            return Refused;
        }
    }
    catch (CDBException* e)
    {
        unit.Undo();
        status = CCardTransaction::Message(e);
        e->Delete();
        return Refused;
    }
    CString refusal;
    if (!unit.Commit(&refusal))
    {
        status = NotCommittedText + refusal;
        return Refused;
    }
    try
    {
        db->ExecuteSQL(ClampSql().c_str());
    }
    catch (CDBException* e)
    {
        // The sale is stored whatever the clamp says: the operator must not enter it again.
        status = NotClampedText + CCardTransaction::Message(e);
        e->Delete();
        return StoredNotClamped;
    }
    status = StoredText;
    return Stored;
}
