// One stock-in card and the statements that store it as a purchase row and a stock change.
#pragma once
#include "framework/CString.h"
#include <string>

class CDatabase;

class CStockInCard
{
public:
    std::string m_date; // purchase date, "%04d-%02d-%02d"
    std::string m_buyer;
    std::string m_category;
    std::string m_subCategory;
    std::string m_number;
    std::string m_name;
    std::string m_origin;
    std::string m_spec;
    std::string m_batch;
    std::string m_expiry; // "%04d-%02d-%02d"
    float m_price = 0;
    float m_quantity = 0;

    // 名称, 产地 and 规格型号 are the part of the stock key the operator types.
    bool HasKeyTexts() const;

    std::string PurchaseInsertSql() const;
    std::string StockInsertSql() const;
    // Weighted average of old stock and new boxes, computed by the data source.
    std::string StockUpdateSql() const;
    // Matches rows equal to this card's purchase row in all twelve columns.
    std::string PurchaseMatchCondition() const;
    std::string StockKeyCondition() const;

    // Stores the card: the purchase row and its stock change together, or nothing.
    // status receives the text for the form's status line; true when the card was stored.
    bool Store(CDatabase* db, CString& status) const;

    static const char* const StoredText;
    // Followed by the data source's reason.
    static const char* const NotCommittedText;
};
