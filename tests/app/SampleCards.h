// Stock-in cards and sales that the form tests vary from.
#pragma once
#include "app/CSaleCard.h"
#include "app/CStockInCard.h"

inline CStockInCard SampleCard(const char* name, float price, float quantity)
{
    CStockInCard card;
    card.m_date = "2003-11-24";
    card.m_buyer = "张三";
    card.m_category = "中药";
    card.m_subCategory = "针剂";
    card.m_number = "A01";
    card.m_name = name;
    card.m_origin = "北京";
    card.m_spec = "10支";
    card.m_batch = "B7";
    card.m_expiry = "2004-11-14";
    card.m_price = price;
    card.m_quantity = quantity;
    return card;
}

inline CSaleCard SampleSale(const char* name, unsigned quantity, unsigned perBox, float price)
{
    CSaleCard sale;
    sale.m_dateTime = "2003-11-24 10:15:00";
    sale.m_name = name;
    sale.m_origin = "北京";
    sale.m_spec = "10支";
    sale.m_expiry = "2004-11-14";
    sale.m_price = price;
    sale.m_quantity = quantity;
    sale.m_perBox = perBox;
    sale.m_saleType = perBox == 1 ? CSaleCard::WholeBox : CSaleCard::Split;
    sale.m_amount = sale.ComputeAmount();
    return sale;
}
