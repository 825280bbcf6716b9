// One counter sale and the statements that record it and take its boxes out of stock.
#pragma once
#include "framework/CString.h"
#include <string>

class CDatabase;

class CSaleCard
{
public:
    std::string m_dateTime; // "%04d-%02d-%02d %02d:%02d:%02d"
    std::string m_name;
    std::string m_origin;
    std::string m_spec;
    std::string m_expiry;
    float m_price = 0;       // retail price of the counted unit
    unsigned m_quantity = 1; // units counted
    unsigned m_perBox = 1;   // units per box: 1 for whole boxes
    std::string m_saleType;
    std::string m_amount; // amount due as shown, "%.2f"

    static const char* const WholeBox; // "整盒销售"
    static const char* const Split;    // "拆零销售"
    // Units per box proposed for a sale type; 0 for a text that is neither.
    static unsigned PerBoxFor(const std::string& saleType);

    bool HasKeyTexts() const;
    // quantity x price, "%.2f".
    std::string ComputeAmount() const;

    std::string StockLookupSql() const;
    std::string SaleInsertSql() const;
    std::string StockDecreaseSql() const;
    // No stock item goes below zero after a sale, whichever item it is.
    static std::string ClampSql();
    // Matches rows equal to this sale in all its columns.
    std::string SaleMatchCondition() const;
    std::string StockKeyCondition() const;

    enum StoreResult
    {
        Refused,         // nothing was written
        Stored,          // the sale and its stock decrease are stored
        StoredNotClamped // stored, but clamping negative stock at zero was refused
    };
    // Stores the sale and its stock decrease together, then clamps negative stock at zero.
    // status receives the text for the form's status line.
    StoreResult Store(CDatabase* db, CString& status) const;

    static const char* const StoredText;
    // Each followed by the data source's reason.
    static const char* const NotCommittedText;
    static const char* const NotClampedText;

private:
    std::string BoxesText() const; // "3/1.0"
};
