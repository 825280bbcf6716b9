#include "ui/controls/customize/CTavoPCustomizePage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "res/LibraryIds.h"
#include <string.h>

BEGIN_MESSAGE_MAP(CTavoPCustomizePage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_TAVOP_COMMANDS, OnSelchangeUserTools)
    ON_LBN_SELCHANGE(IDC_TAVOP_CATEGORIES, OnSelchangeCategory)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPCustomizePage, CPropertyPage)

CTavoPCustomizePage::CTavoPCustomizePage()
    : CPropertyPage(IDD_TAVOP_COMMANDS_PAGE), m_pSelButton(nullptr)
{}

CTavoPCustomizePage::~CTavoPCustomizePage() = default;

void CTavoPCustomizePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_CATEGORIES, m_wndCategory);
    DDX_Control(pDX, IDC_TAVOP_COMMANDS, m_wndTools);
    DDX_Text(pDX, IDC_TAVOP_DESCRIPTION, m_strButtonDescription);
}

BOOL CTavoPCustomizePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    CTavoPToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CTavoPToolbarCustomize, GetParent());
    if (pSheet != nullptr)
        pSheet->FillCategoriesListBox(m_wndCategory, TRUE);
    m_wndCategory.SetCurSel(0);
    OnSelchangeCategory();
    return TRUE;
}

void CTavoPCustomizePage::SetButtonDescription(CTavoPToolbarButton* pButton)
{
    m_strButtonDescription.Empty();
    if (pButton != nullptr)
    {
        if (pButton->m_nID != 0)
        {
            CTavoPToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CTavoPToolbarCustomize, GetParent());
            CFrameWnd* pFrame = pSheet != nullptr ? pSheet->GetParentFrame() : nullptr;
            if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
                pFrame->GetMessageString(pButton->m_nID, m_strButtonDescription);
        }
        else
            m_strButtonDescription = pButton->m_strText;
    }
    m_pSelButton = pButton;
    UpdateData(FALSE);
}

void CTavoPCustomizePage::OnSelchangeUserTools()
{
    const int nIndex = m_wndTools.GetCurSel();
    SetButtonDescription(nIndex >= 0 ? (CTavoPToolbarButton*)m_wndTools.GetItemDataPtr(nIndex)
                                     : nullptr);
}

void CTavoPCustomizePage::OnSelchangeCategory()
{
    UpdateData(TRUE);
    const int nCategory = m_wndCategory.GetCurSel();
    if (nCategory < 0)
        return;
    CWaitCursor wait;
    m_wndTools.SetRedraw(FALSE);
    m_wndTools.ResetContent();

    CString strCategory;
    m_wndCategory.GetText(nCategory, strCategory);
    const BOOL bAllCommands = strCategory == m_strAllCommands;
    SetButtonDescription(nullptr);

    CTavoPToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CTavoPToolbarCustomize, GetParent());
    CObList* pCategory = (CObList*)m_wndCategory.GetItemDataPtr(nCategory);
    for (POSITION pos = pCategory != nullptr ? pCategory->GetHeadPosition() : NULL; pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)pCategory->GetNext(pos);
        if (pButton == nullptr)
            continue;
        pButton->m_bUserButton = pButton->m_nID != (UINT)-1 &&
                                 GetCommandManager()->GetCmdImage(pButton->m_nID, FALSE) == -1;

        CString strName = pButton->m_strText;
        if (!pButton->m_strTextCustom.IsEmpty() &&
            (bAllCommands ||
             (pSheet != nullptr && pSheet->GetCountInCategory(pButton->m_strText, *pCategory) > 1)))
            strName = pButton->m_strTextCustom;

        int nIndex = -1;
        if (bAllCommands)
        {
            // Before the first row that sorts after it: rows of equal names keep their order.
            const int nCount = m_wndTools.GetCount();
            for (int i = 0; i < nCount && nIndex < 0; i++)
            {
                CString strRow;
                m_wndTools.GetText(i, strRow);
                if (strcmp(strRow, strName) > 0)
                    nIndex = m_wndTools.InsertString(i, strName);
            }
        }
        if (nIndex < 0)
            nIndex = m_wndTools.AddString(strName);
        if (nIndex >= 0)
            m_wndTools.SetItemDataPtr(nIndex, pButton);
    }
    m_wndTools.SetRedraw(TRUE);
    m_wndTools.Invalidate();
}
