// The stock-in form: one card at a time becomes a purchase row and a stock change.
#pragma once
#include "app/CEditGrid.h"
#include "app/CStockInCard.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"
#include "framework/CTime.h"

class CDatabase;

class CStockInDialog : public CDialog
{
public:
    explicit CStockInDialog(CWnd* pParent = nullptr);

    // The connection the cards are stored in; the holder's by default.
    CDatabase* m_pDatabase;

    void SetStatus(LPCTSTR text);
    void ResetCard();
    // The card as the fields hold it, dates and numbers in the stored forms.
    CStockInCard ReadCard() const;

    // Adds text to a sorted list unless it is empty or begins an entry already there.
    static void AddUnlessListed(CComboBox& list, const CString& text);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Records the card; the form stays open for the next one.
    void OnOK() override;

    CTime m_date;
    CTime m_expiry;
    CComboBox m_buyer;
    CComboBox m_category;
    CComboBox m_subCategory;
    CString m_number;
    CString m_name;
    CString m_origin;
    CString m_spec;
    CString m_batch;
    float m_price;
    float m_quantity;
    CEditGrid m_grid;
};
