// A property sheet: tabbed pages with OK, Cancel and Apply, modal through the framework's loop, modeless or embedded.
#pragma once
#include "framework/CWnd.h"
#include "framework/CPropertyPage.h"
#include <vector>

class CPropertySheet : public CWnd
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    virtual ~CPropertySheet();

    PROPSHEETHEADER m_psh;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return (int)m_pages.size(); }
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CWnd* GetTabControl() const;
    BOOL PressButton(int nButton);
    void EndDialog(int nEndID);

    // Modal: the sheet runs in the framework's modal loop (pre-translation, WM_KICKIDLE).
    virtual INT_PTR DoModal();
    // Modeless, or embedded in a parent as a child when dwStyle has WS_CHILD.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);
    virtual BOOL OnInitDialog();
    virtual BOOL ContinueModal() override;
    virtual BOOL PreTranslateMessage(MSG* pMsg) override;

    CWnd* m_pParentWnd;
    BOOL m_bModeless;

    // Called by a page when the sheet applied (OK) or was cancelled: the modal result.
    void SetResult(int nResult) { m_nModalResult = nResult; }

protected:
    void BuildHeader(std::vector<PROPSHEETPAGE>& pages);
    LRESULT OnInitDialogMessage(WPARAM, LPARAM);
    std::vector<CPropertyPage*> m_pages;
    CString m_strCaption;
    UINT m_nStartPage;

    DECLARE_MESSAGE_MAP()
};
