#include "app/CReportSql.h"
#include "app/CSqlText.h"

std::string CReportSql::Range(const std::string& column, const std::string& start,
                              const std::string& end)
{
    return column + " BETWEEN '" + CSqlText::Escape(start) + "' AND '" + CSqlText::Escape(end) +
           " 23:59:59.999'";
}

CReportSql::Query CReportSql::TodaySales(const std::string& today)
{
    return {"销",
            "SELECT * FROM 销 WHERE " + Range("日期时间", today, today) + " ORDER BY 日期时间 ASC"};
}

CReportSql::Query CReportSql::StockList()
{
    return {"存", "SELECT * FROM 存"};
}

CReportSql::Query CReportSql::YearPurchases(int year)
{
    return {"进", CSqlText::Format("SELECT * FROM 进 WHERE 采购日期 BETWEEN '%04d-01-01' AND "
                                   "'%04d-01-01' ORDER BY 采购日期 ASC",
                                   year, year + 1)};
}

CReportSql::Query CReportSql::ExpiryCheck()
{
    return {"存", "SELECT 有效截止日期,名称,产地,规格型号,平均成本单价,现有存货量 FROM 存 ORDER BY "
                  "有效截止日期 ASC"};
}

CReportSql::Query CReportSql::ShortageCheck()
{
    return {"存", "SELECT SUM(现有存货量) AS "
                  "现有存货总量,名称,产地,规格型号,SUM(现有存货量*平均成本单价) AS 该药总成本, "
                  "SUM(现有存货量*平均成本单价)/SUM(现有存货量) AS 该药平均成本单价 FROM 存 GROUP "
                  "BY 名称,产地,规格型号 "
                  "ORDER BY 现有存货总量 ASC"};
}

CReportSql::Query CReportSql::TotalStockCost()
{
    return {"存", "SELECT SUM(现有存货量*平均成本单价) AS 库存总成本,COUNT(*) AS 药品种类 FROM 存"};
}

CReportSql::Query CReportSql::AverageCost()
{
    return {"存", "SELECT 名称,产地,规格型号,SUM(平均成本单价*现有存货量)/SUM(现有存货量) AS "
                  "同类药品平均成本单价 "
                  "FROM 存 GROUP BY 名称,产地,规格型号"};
}

CReportSql::Query CReportSql::PurchaseQuery(const std::string& start, const std::string& end)
{
    // The end date carries no time of day here: a purchase date is a plain date.
    return {"进", "SELECT * FROM 进 WHERE 采购日期 BETWEEN " + CSqlText::Quoted(start) + " AND " +
                      CSqlText::Quoted(end)};
}

CReportSql::Query CReportSql::SalesQuery(const std::string& start, const std::string& end)
{
    return {"销", "SELECT * FROM 销 WHERE " + Range("日期时间", start, end)};
}

CReportSql::Query CReportSql::StockQuery(const std::string& name, const std::string& origin,
                                         const std::string& model, const std::string& expiry)
{
    std::string sql = "SELECT * FROM 存 WHERE 1>0";
    const struct
    {
        const char* column;
        const std::string& text;
    } parts[] = {
        {"名称", name},
        {"产地", origin},
        {"规格型号", model},
        {"有效截止日期", expiry},
    };
    for (const auto& part : parts)
        if (!part.text.empty())
            sql += std::string(" AND ") + part.column + " like '%" + CSqlText::Escape(part.text) +
                   "%'";
    return {"存", sql};
}

CReportSql::Query CReportSql::SalesReport(const std::string& start, const std::string& end)
{
    return {"销", "SELECT * FROM 销 WHERE " + Range("日期时间", start, end) + " AND 坏帐=0"};
}

CReportSql::Query CReportSql::SalesSummary(const std::string& start, const std::string& end)
{
    return {"销", "SELECT SUM(实收金额), SUM(存.平均成本单价*销.数量), "
                  "SUM(实收金额)-SUM(存.平均成本单价*销.数量),"
                  "(SUM(实收金额)-SUM(存.平均成本单价*销.数量))/"
                  "(SUM(存.平均成本单价*销.数量))*100.0 FROM 销,存 WHERE " +
                      Range("销.日期时间", start, end) +
                      " AND 销.坏帐=0 AND 销.名称 = 存.名称 AND 销.产地 = 存.产地 AND 销.规格型号 "
                      "= 存.规格型号"
                      " AND 销.有效截止日期 = 存.有效截止日期"};
}

std::vector<CReportSql::SummaryRow> CReportSql::SalesSummaryRows(
    Period period, const std::vector<std::string>& values)
{
    static const char* const labels[3][4] = {
        {"日营业额", "总成本", "日纯利润", "日利润率"},
        {"月营业额", "总成本", "月纯利润", "月利润率"},
        {"年营业额", "总成本", "年纯利润", "年利润率"},
    };
    static const char* const units[4] = {"元", "元", "元", "%"};
    std::vector<SummaryRow> rows;
    rows.push_back({"", ""});
    for (int i = 0; i < 4; ++i)
        rows.push_back(
            {labels[period][i], (i < (int)values.size() ? values[i] : std::string()) + units[i]});
    return rows;
}

CReportSql::Query CReportSql::PurchaseReport(const std::string& start, const std::string& end)
{
    return {"进", "SELECT * FROM 进 WHERE " + Range("采购日期", start, end)};
}

CReportSql::Query CReportSql::PurchaseSummary(const std::string& start, const std::string& end)
{
    return {"进", "SELECT SUM(进价*数量) FROM 进 WHERE " + Range("采购日期", start, end)};
}

std::vector<CReportSql::SummaryRow> CReportSql::PurchaseSummaryRows(Period period,
                                                                    const std::string& total)
{
    return {{"", ""}, {period == Year ? "总计年采购金额" : "总计月采购金额", total + "元"}};
}

CReportSql::Query CReportSql::BadDebtReport(const std::string& start, const std::string& end)
{
    return {"销", "SELECT * FROM 销 WHERE " + Range("日期时间", start, end) + " AND 坏帐=1"};
}
