// The counter sale form: one sale at a time, by the whole box or split out of a box.
#pragma once
#include "app/CEditGrid.h"
#include "app/CSaleCard.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"
#include "framework/CString.h"

class CDatabase;

class CSaleDialog : public CDialog
{
public:
    explicit CSaleDialog(CWnd* pParent = nullptr);

    // The connection the sales are stored in; the holder's by default.
    CDatabase* m_pDatabase;

    void SetStatus(LPCTSTR text);
    void ResetCard();
    void OnSaleTypeChange();
    // Amount due = quantity x price, from what the two fields show now.
    void UpdateAmount();
    // Each key list offers only what fits the key texts typed so far.
    void FilterKeyLists();
    void ShowPerBox(bool show);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Records the sale; the form stays open for the next one.
    void OnOK() override;

    CSaleCard ReadSale();
    static CString Now();

    CString m_dateTime;
    CString m_proposedTime; // what ResetCard put into the date-and-time field
    CComboBox m_name;
    CComboBox m_origin;
    CComboBox m_spec;
    CComboBox m_expiry;
    float m_price;
    UINT m_quantity;
    UINT m_perBox;
    CComboBox m_saleType;
    CString m_amount;
    CEditGrid m_grid;

    DECLARE_MESSAGE_MAP()
};
