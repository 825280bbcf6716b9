#include "app/CStockInCard.h"
#include "app/CCardTransaction.h"
#include "app/CSqlText.h"
#include "framework/CDatabase.h"
#include "framework/CDBException.h"

const char* const CStockInCard::StoredText = "录入成功,登记卡信息已经被系统接纳";
const char* const CStockInCard::NotCommittedText = "登记卡没有保存，数据库拒绝提交：";

bool CStockInCard::HasKeyTexts() const
{
    return !m_name.empty() && !m_origin.empty() && !m_spec.empty();
}

std::string CStockInCard::PurchaseInsertSql() const
{
    return "INSERT INTO "
           "进(采购日期,采购人,大类,小类,编号,名称,产地,规格型号,批号,有效截止日期,进价,数量) "
           "VALUES(" +
           CSqlText::Quoted(m_date) + "," + CSqlText::Quoted(m_buyer) + "," +
           CSqlText::Quoted(m_category) + "," + CSqlText::Quoted(m_subCategory) + "," +
           CSqlText::Quoted(m_number) + "," + CSqlText::Quoted(m_name) + "," +
           CSqlText::Quoted(m_origin) + "," + CSqlText::Quoted(m_spec) + "," +
           CSqlText::Quoted(m_batch) + "," + CSqlText::Quoted(m_expiry) + "," +
           CSqlText::Decimal(m_price) + "," + CSqlText::Decimal(m_quantity) + ")";
}

std::string CStockInCard::StockInsertSql() const
{
    return "INSERT INTO 存(名称,产地,规格型号,有效截止日期,平均成本单价,现有存货量) VALUES(" +
           CSqlText::Quoted(m_name) + "," + CSqlText::Quoted(m_origin) + "," +
           CSqlText::Quoted(m_spec) + "," + CSqlText::Quoted(m_expiry) + "," +
           CSqlText::Decimal(m_price) + "," + CSqlText::Decimal(m_quantity) + ")";
}

std::string CStockInCard::StockUpdateSql() const
{
    std::string price = CSqlText::Decimal(m_price);
    std::string quantity = CSqlText::Decimal(m_quantity);
    // The two blanks at the end have always been sent; kept so the statement text stays the same.
    return "UPDATE 存 SET 平均成本单价=(平均成本单价*现有存货量+" + price + "*" + quantity +
           ")/(现有存货量+" + quantity + "),现有存货量=现有存货量+" + quantity + " WHERE " +
           StockKeyCondition() + "  ";
}

std::string CStockInCard::StockKeyCondition() const
{
    return "名称=" + CSqlText::Quoted(m_name) + " AND 产地=" + CSqlText::Quoted(m_origin) +
           " AND 规格型号=" + CSqlText::Quoted(m_spec) +
           " AND 有效截止日期=" + CSqlText::Quoted(m_expiry);
}

std::string CStockInCard::PurchaseMatchCondition() const
{
    return "采购日期=" + CSqlText::Quoted(m_date) + " AND 采购人=" + CSqlText::Quoted(m_buyer) +
           " AND 大类=" + CSqlText::Quoted(m_category) +
           " AND 小类=" + CSqlText::Quoted(m_subCategory) +
           " AND 编号=" + CSqlText::Quoted(m_number) + " AND 名称=" + CSqlText::Quoted(m_name) +
           " AND 产地=" + CSqlText::Quoted(m_origin) + " AND 规格型号=" + CSqlText::Quoted(m_spec) +
           " AND 批号=" + CSqlText::Quoted(m_batch) +
           " AND 有效截止日期=" + CSqlText::Quoted(m_expiry) +
           " AND 进价=" + CSqlText::Decimal(m_price) + " AND 数量=" + CSqlText::Decimal(m_quantity);
}

bool CStockInCard::Store(CDatabase* db, CString& status) const
{
    if (!HasKeyTexts())
    {
        status = "名称、产地、规格型号不能为空，请填写。";
        return false;
    }
    if (!db || !db->IsOpen())
    {
        status = "通讯连接错误，数据库已经关闭";
        return false;
    }
    const char* const stockRefused =
        "无法对库存进行更新，当前的库存登记卡无效，再次审改后，重新输入";
    CCardTransaction unit(*db);
    try
    {
        unit.Insert("进", PurchaseInsertSql(), PurchaseMatchCondition());
    }
    catch (CDBException* e)
    {
        status = CCardTransaction::Message(e);
        e->Delete();
        return false;
    }
    bool stocked = false;
    try
    {
        unit.Insert("存", StockInsertSql(), StockKeyCondition());
        stocked = true;
    }
    catch (CDBException* e)
    {
        // Normally the stock key exists already; the update below tells: when it changes
        // no row, the insert failed for another reason and the card is not stored.
        e->Delete();
    }
    if (!stocked)
    {
        try
        {
            stocked = unit.Execute(StockUpdateSql()) != 0;
        }
        catch (CDBException* e)
        {
            e->Delete();
        }
    }
    if (!stocked)
    {
        unit.Undo();
        status = stockRefused;
        return false;
    }
    CString refusal;
    if (!unit.Commit(&refusal))
    {
        status = NotCommittedText + refusal;
        return false;
    }
    status = StoredText;
    return true;
}
