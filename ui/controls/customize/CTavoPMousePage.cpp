#include "ui/controls/customize/CTavoPMousePage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/commandbars/managers/CTavoPMouseManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "res/LibraryIds.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CTavoPMousePage, CPropertyPage)
    ON_BN_CLICKED(IDC_TAVOP_NO_DBLCLICK, OnNoDblClick)
    ON_BN_CLICKED(IDC_TAVOP_USE_DBLCLICK, OnUseDblClick)
    ON_LBN_SELCHANGE(IDC_TAVOP_LIST_OF_COMMANDS, OnSelchangeListOfCommands)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_TAVOP_LIST_OF_VIEWS, OnItemchangedListViews)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMousePage, CPropertyPage)

CTavoPMousePage::CTavoPMousePage() : CPropertyPage(IDD_TAVOP_MOUSE_PAGE), m_iCurrViewId(-1)
{}

CTavoPMousePage::~CTavoPMousePage()
{}

void CTavoPMousePage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_LIST_OF_VIEWS, m_wndListOfViews);
    DDX_Control(pDX, IDC_TAVOP_LIST_OF_COMMANDS, m_wndListOfCommands);
    DDX_Control(pDX, IDC_TAVOP_COMMAND_DESCRIPTION, m_wndCommandDescription);
    DDX_Text(pDX, IDC_TAVOP_COMMAND_DESCRIPTION, m_strCommandDescription);
}

BOOL CTavoPMousePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    CStringList listOfViewNames;
    CTavoPMouseManager* pManager = GetMouseManager();
    if (pManager != nullptr)
        pManager->GetViewNames(listOfViewNames);

    const CSize sizeIcon = GetGlobalData().m_sizeSmallIcon;
    m_ViewsImages.Create(sizeIcon.cx, sizeIcon.cy, ILC_COLOR32 | ILC_MASK,
                         (int)listOfViewNames.GetCount(), 1);
    m_wndListOfViews.SetImageList(&m_ViewsImages, LVSIL_SMALL);

    CRect rectClient;
    m_wndListOfViews.GetClientRect(&rectClient);
    m_wndListOfViews.InsertColumn(0, _T(""), LVCFMT_LEFT, rectClient.Width() - 1);

    int iMaxWidth = 0;
    for (POSITION pos = listOfViewNames.GetHeadPosition(); pos != nullptr;)
    {
        const CString strViewName = listOfViewNames.GetNext(pos);
        const int iViewId = pManager->GetViewIdByName(strViewName);

        int iImage = -1;
        const UINT uiIconId = pManager->GetViewIconId(iViewId);
        if (uiIconId != 0)
        {
            HICON hIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uiIconId),
                                             IMAGE_ICON, sizeIcon.cx, sizeIcon.cy, 0);
            if (hIcon != nullptr)
            {
                iImage = m_ViewsImages.Add(hIcon);
                ::DestroyIcon(hIcon);
            }
        }

        // Sorted by name, byte-wise as the multi-byte text stands.
        int iIndex = m_wndListOfViews.GetItemCount();
        for (int i = 0; i < m_wndListOfViews.GetItemCount(); i++)
        {
            if (strcmp(m_wndListOfViews.GetItemText(i, 0), strViewName) > 0)
            {
                iIndex = i;
                break;
            }
        }
        iIndex = m_wndListOfViews.InsertItem(iIndex, strViewName, iImage);
        m_wndListOfViews.SetItemData(iIndex, (DWORD_PTR)iViewId);

        const int iWidth =
            (int)m_wndListOfViews.SendMessage(LVM_GETSTRINGWIDTH, 0, (LPARAM)(LPCTSTR)strViewName);
        if (iWidth > iMaxWidth)
            iMaxWidth = iWidth;
    }
    m_wndListOfViews.SetColumnWidth(0, iMaxWidth + sizeIcon.cx + 10);

    CTavoPToolbarCustomize* pSheet = GetCustomizeSheet();
    if (pSheet != nullptr)
        pSheet->FillAllCommandsList(m_wndListOfCommands);

    m_wndListOfViews.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_wndListOfViews.EnsureVisible(0, FALSE);
    return TRUE;
}

CTavoPToolbarCustomize* CTavoPMousePage::GetCustomizeSheet() const
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CTavoPToolbarCustomize)))
        return nullptr;
    return static_cast<CTavoPToolbarCustomize*>(pParent);
}

void CTavoPMousePage::OnNoDblClick()
{
    CTavoPMouseManager* pManager = GetMouseManager();
    if (m_iCurrViewId >= 0 && pManager != nullptr)
        pManager->SetViewCommand(m_iCurrViewId, 0);
    EnableDblClickControls(FALSE);
}

void CTavoPMousePage::OnUseDblClick()
{
    EnableDblClickControls();
    CTavoPMouseManager* pManager = GetMouseManager();
    if (m_iCurrViewId < 0 || pManager == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    // No command until one is chosen.
    pManager->SetViewCommand(m_iCurrViewId, 0);
}

void CTavoPMousePage::OnSelchangeListOfCommands()
{
    CTavoPMouseManager* pManager = GetMouseManager();
    const int iIndex = m_wndListOfCommands.GetCurSel();
    if (m_iCurrViewId < 0 || pManager == nullptr)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    if (iIndex < 0)
        return;
    const UINT uiCmd = (UINT)m_wndListOfCommands.GetItemData(iIndex);
    pManager->SetViewCommand(m_iCurrViewId, uiCmd);
    m_strCommandDescription = CommandPrompt(uiCmd);
    UpdateData(FALSE);
}

void CTavoPMousePage::OnItemchangedListViews(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMLISTVIEW* pNMListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if ((pNMListView->uChanged & LVIF_STATE) == 0)
        return;

    const int iSelected = m_wndListOfViews.GetNextItem(-1, LVNI_SELECTED);
    if (iSelected < 0)
        return;
    m_iCurrViewId = (int)m_wndListOfViews.GetItemData(iSelected);

    CTavoPMouseManager* pManager = GetMouseManager();
    const UINT uiCmd = pManager != nullptr ? pManager->GetViewCommand(m_iCurrViewId) : 0;
    if (uiCmd != 0)
    {
        CheckDlgButton(IDC_TAVOP_USE_DBLCLICK, BST_CHECKED);
        CheckDlgButton(IDC_TAVOP_NO_DBLCLICK, BST_UNCHECKED);
        EnableDblClickControls();
        SelectCommand(uiCmd);
    }
    else
    {
        CheckDlgButton(IDC_TAVOP_NO_DBLCLICK, BST_CHECKED);
        CheckDlgButton(IDC_TAVOP_USE_DBLCLICK, BST_UNCHECKED);
        EnableDblClickControls(FALSE);
    }
}

void CTavoPMousePage::EnableDblClickControls(BOOL bEnable)
{
    m_wndListOfCommands.EnableWindow(bEnable);
    m_wndCommandDescription.EnableWindow(bEnable);
    if (!bEnable)
    {
        m_wndListOfCommands.SetCurSel(-1);
        m_strCommandDescription.Empty();
        UpdateData(FALSE);
    }
}

BOOL CTavoPMousePage::SelectCommand(UINT uiCmd)
{
    m_strCommandDescription = CommandPrompt(uiCmd);
    UpdateData(FALSE);

    for (int i = 0; i < m_wndListOfCommands.GetCount(); i++)
    {
        if ((UINT)m_wndListOfCommands.GetItemData(i) == uiCmd)
        {
            m_wndListOfCommands.SetCurSel(i);
            m_wndListOfCommands.SetTopIndex(i);
            return TRUE;
        }
    }
    return FALSE;
}

CString CTavoPMousePage::CommandPrompt(UINT uiCmd) const
{
    CString strPrompt;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pFrame->GetMessageString(uiCmd, strPrompt);
    return strPrompt;
}
