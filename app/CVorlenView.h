// vorlen's one view: the read-only main grid over the whole client area, and the target of every menu, toolbar and shortcut command.
#pragma once
#include "framework/FrameworkWin.h"
#include "app/CEditGrid.h"

class CVorlenDoc;

class CVorlenView : public CView
{
    DECLARE_DYNCREATE(CVorlenView)
public:
    CVorlenView();
    virtual ~CVorlenView();

    CVorlenDoc* GetDocument() const;
    CEditGrid& GetGrid() { return m_grid; }

    // The feedback mail of the help menu.
    static CString FeedbackMailLink();

    virtual void OnDraw(CDC* pDC) override;
    virtual void OnInitialUpdate() override;
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo) override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSettings();
    void OnReload();
    void OnSaveHtml();
    void OnStockIn();
    void OnPurchaseQuery();
    void OnPurchaseMaintain();
    void OnStockQuery();
    void OnStockMaintain();
    void OnSaleAdd();
    void OnSaleQuery();
    void OnSaleMaintain();
    void OnDaySalesReport();
    void OnMonthSalesReport();
    void OnYearSalesReport();
    void OnBadDebtReport();
    void OnExpiryCheck();
    void OnShortageCheck();
    void OnAverageCost();
    void OnTotalStockCost();
    void OnMonthPurchaseReport();
    void OnYearPurchaseReport();
    void OnTodaySales();
    void OnStockList();
    void OnYearPurchases();
    void OnHelpContents();
    void OnCalculator();
    void OnFeedback();
    void OnFilePrintPreview();
    DECLARE_MESSAGE_MAP()

private:
    // Opens a file or link through the shell in a normal window; a missing target shows nothing.
    static void Launch(const CString& strTarget);

    CEditGrid m_grid;
};
