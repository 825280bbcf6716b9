// One page of a property sheet: a dialog template shown as a tab, told when it is shown, left, applied or cancelled.
#pragma once
#include "framework/CDialog.h"
#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
    virtual ~CPropertyPage();

    PROPSHEETPAGE m_psp;

    // The page is shown; FALSE refuses (the sheet stays on the old page).
    virtual BOOL OnSetActive();
    // The page is left; the default checks the data exchange, FALSE keeps the page.
    virtual BOOL OnKillActive();
    // OK or Apply: the default calls OnOK and accepts.
    virtual BOOL OnApply();
    virtual void OnOK() override;
    virtual void OnCancel() override;
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    virtual BOOL OnInitDialog() override;

    void SetModified(BOOL bChanged = TRUE);
    void CancelToClose();
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    CPropertySheet* GetParentSheet() const;

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Fills m_psp for the sheet that shows this page.
    void PreparePage();

protected:
    CString m_strCaption;
    // The first showing follows the exchange of OnInitDialog; every later one refreshes the
    // controls from the members, which may have changed while another page was shown.
    BOOL m_bFirstSetActive = TRUE;
    friend class CPropertySheet;
};

// The procedure of every page: binds the page object on WM_INITDIALOG.
INT_PTR CALLBACK AfxPropertyPageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
