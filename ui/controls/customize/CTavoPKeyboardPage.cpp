#include "ui/controls/customize/CTavoPKeyboardPage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/managers/CTavoPAcceleratorText.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPKeyboardPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_TAVOP_CATEGORIES, OnSelchangeCategory)
    ON_LBN_SELCHANGE(IDC_TAVOP_COMMANDS_LIST, OnSelchangeCommandsList)
    ON_LBN_SELCHANGE(IDC_TAVOP_CURRENT_KEYS, OnSelchangeCurrentKeysList)
    ON_CBN_SELCHANGE(IDC_TAVOP_VIEW_TYPE, OnSelchangeViewType)
    ON_EN_UPDATE(IDC_TAVOP_NEW_SHORTCUT_KEY, OnUpdateNewShortcutKey)
    ON_BN_CLICKED(IDC_TAVOP_ASSIGN, OnAssign)
    ON_BN_CLICKED(IDC_TAVOP_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_TAVOP_RESET_KEYS, OnResetAll)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPKeyboardPage, CPropertyPage)

namespace {

// The flags that tell two shortcuts apart: virtual key, Shift, Control and Alt.
const BYTE kKeyFlags = FVIRTKEY | FSHIFT | FCONTROL | FALT;

} // namespace

CTavoPKeyboardPage::CTavoPKeyboardPage(CFrameWnd* pParentFrame, BOOL bAutoSet)
    : CPropertyPage(IDD_TAVOP_KEYBOARD_PAGE), m_hAccelTable(nullptr), m_pSelTemplate(nullptr),
      m_pSelButton(nullptr), m_pSelEntry(nullptr), m_pParentFrame(pParentFrame),
      m_bAutoSet(bAutoSet)
{}

CTavoPKeyboardPage::~CTavoPKeyboardPage()
{}

void CTavoPKeyboardPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_ASSIGNED_TO_TITLE, m_wndAssignedToTitle);
    DDX_Control(pDX, IDC_TAVOP_NEW_SHORTCUT_KEY, m_wndNewKey);
    DDX_Control(pDX, IDC_TAVOP_VIEW_TYPE, m_wndViewTypeList);
    DDX_Control(pDX, IDC_TAVOP_TEMPLATE_ICON, m_wndViewIcon);
    DDX_Control(pDX, IDC_TAVOP_REMOVE, m_wndRemoveButton);
    DDX_Control(pDX, IDC_TAVOP_CURRENT_KEYS, m_wndCurrentKeysList);
    DDX_Control(pDX, IDC_TAVOP_COMMANDS_LIST, m_wndCommandsList);
    DDX_Control(pDX, IDC_TAVOP_CATEGORIES, m_wndCategoryList);
    DDX_Control(pDX, IDC_TAVOP_ASSIGN, m_wndAssignButton);
    DDX_Text(pDX, IDC_TAVOP_COMMAND_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_TAVOP_ASSIGNED_TO, m_strAssignedTo);
}

BOOL CTavoPKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    CTavoPToolbarCustomize* pSheet = GetCustomizeSheet();
    if (pSheet != nullptr)
    {
        pSheet->FillCategoriesComboBox(m_wndCategoryList);
        if (m_strAllCategory.IsEmpty())
            m_strAllCategory = pSheet->GetAllCommandsName();
    }
    m_wndCategoryList.SetCurSel(0);
    OnSelchangeCategory();

    if (m_bAutoSet)
    {
        CWinApp* pApp = AfxGetApp();
        for (POSITION pos = pApp != nullptr ? pApp->GetFirstDocTemplatePosition() : nullptr;
             pos != nullptr;)
        {
            CDocTemplate* pTemplate = pApp->GetNextDocTemplate(pos);
            if (pTemplate == nullptr || !pTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate)))
                continue;
            CMultiDocTemplate* pMultiTemplate = static_cast<CMultiDocTemplate*>(pTemplate);
            if (pMultiTemplate->m_hAccelTable == nullptr)
                continue;

            // Templates that share a resource share their table: one row for them.
            BOOL bListed = FALSE;
            for (int i = 0; i < m_wndViewTypeList.GetCount() && !bListed; i++)
            {
                auto* pListed =
                    reinterpret_cast<CMultiDocTemplate*>(m_wndViewTypeList.GetItemDataPtr(i));
                bListed =
                    pListed != nullptr && pListed->m_nIDResource == pMultiTemplate->m_nIDResource;
            }
            if (bListed)
                continue;

            CString strName;
            pMultiTemplate->GetDocString(strName, CDocTemplate::fileNewName);
            const int iIndex = m_wndViewTypeList.AddString(strName);
            m_wndViewTypeList.SetItemDataPtr(iIndex, pMultiTemplate);
        }
    }

    if (m_pParentFrame != nullptr && m_pParentFrame->m_hAccelTable != nullptr)
    {
        CString strDefault;
        {
            CTavoPResourceScope scope;
            strDefault.LoadString(IDS_TAVOP_DEFAULT_TABLE);
        }
        const int iIndex = m_wndViewTypeList.AddString(strDefault);
        m_wndViewTypeList.SetItemDataPtr(iIndex, nullptr);
        m_wndViewTypeList.SetCurSel(iIndex);
        OnSelchangeViewType();
    }

    if (m_wndViewTypeList.GetCurSel() < 0)
    {
        m_wndViewTypeList.SetCurSel(0);
        OnSelchangeViewType();
    }
    return TRUE;
}

CTavoPToolbarCustomize* CTavoPKeyboardPage::GetCustomizeSheet() const
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr || !pParent->IsKindOf(RUNTIME_CLASS(CTavoPToolbarCustomize)))
        return nullptr;
    return static_cast<CTavoPToolbarCustomize*>(pParent);
}

void CTavoPKeyboardPage::OnSelchangeCategory()
{
    UpdateData();
    m_wndCommandsList.ResetContent();
    m_wndCurrentKeysList.ResetContent();

    const int iCategory = m_wndCategoryList.GetCurSel();
    CString strCategory;
    if (iCategory >= 0)
        m_wndCategoryList.GetLBText(iCategory, strCategory);
    auto* pCategoryButtons =
        iCategory >= 0 ? reinterpret_cast<CObList*>(m_wndCategoryList.GetItemDataPtr(iCategory))
                       : nullptr;
    CTavoPToolbarCustomize* pSheet = GetCustomizeSheet();

    for (POSITION pos = pCategoryButtons != nullptr ? pCategoryButtons->GetHeadPosition() : nullptr;
         pos != nullptr;)
    {
        auto* pButton = static_cast<CTavoPToolbarButton*>(pCategoryButtons->GetNext(pos));
        if (pButton == nullptr || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
            continue;

        CString strText = pButton->m_strText;
        if (!pButton->m_strTextCustom.IsEmpty() &&
            ((!m_strAllCategory.IsEmpty() && strCategory == m_strAllCategory) ||
             (pSheet != nullptr && pSheet->GetCountInCategory(strText, *pCategoryButtons) > 1)))
            strText = pButton->m_strTextCustom;

        const int iIndex = m_wndCommandsList.AddString(strText);
        m_wndCommandsList.SetItemDataPtr(iIndex, pButton);
    }

    m_wndNewKey.EnableWindow(FALSE);
    m_wndCommandsList.SetCurSel(0);
    OnSelchangeCommandsList();
}

void CTavoPKeyboardPage::OnSelchangeCommandsList()
{
    m_strDescription.Empty();
    m_wndCurrentKeysList.ResetContent();
    OnSelchangeCurrentKeysList();

    const int iIndex = m_wndCommandsList.GetCurSel();
    if (iIndex < 0)
    {
        m_pSelButton = nullptr;
        m_wndNewKey.EnableWindow(FALSE);
        UpdateData(FALSE);
        return;
    }

    m_pSelButton = reinterpret_cast<CTavoPToolbarButton*>(m_wndCommandsList.GetItemDataPtr(iIndex));
    CFrameWnd* pFrame = m_pParentFrame != nullptr ? m_pParentFrame : GetParentFrame();
    if (pFrame != nullptr && m_pSelButton != nullptr)
        pFrame->GetMessageString(m_pSelButton->m_nID, m_strDescription);

    for (ACCEL& accel : m_Accels)
    {
        if (m_pSelButton == nullptr || accel.cmd != m_pSelButton->m_nID)
            continue;
        CString strKey;
        CTavoPAcceleratorText(&accel).Format(strKey);
        const int iKey = m_wndCurrentKeysList.AddString(strKey);
        m_wndCurrentKeysList.SetItemDataPtr(iKey, &accel);
    }

    m_wndNewKey.EnableWindow();
    UpdateData(FALSE);
}

void CTavoPKeyboardPage::OnSelchangeCurrentKeysList()
{
    const int iIndex = m_wndCurrentKeysList.GetCurSel();
    if (iIndex < 0)
    {
        m_pSelEntry = nullptr;
        m_wndRemoveButton.EnableWindow(FALSE);
        return;
    }
    m_pSelEntry = reinterpret_cast<ACCEL*>(m_wndCurrentKeysList.GetItemDataPtr(iIndex));
    m_wndRemoveButton.EnableWindow();
}

void CTavoPKeyboardPage::OnSelchangeViewType()
{
    m_Accels.clear();
    m_hAccelTable = nullptr;
    m_pSelTemplate = nullptr;
    m_pSelEntry = nullptr;
    m_wndCurrentKeysList.ResetContent();

    const int iIndex = m_wndViewTypeList.GetCurSel();
    HICON hIcon = nullptr;
    if (iIndex >= 0)
    {
        auto* pTemplate =
            reinterpret_cast<CMultiDocTemplate*>(m_wndViewTypeList.GetItemDataPtr(iIndex));
        if (pTemplate != nullptr)
        {
            hIcon = ::LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(pTemplate->m_nIDResource));
            m_hAccelTable = pTemplate->m_hAccelTable;
        }
        else if (m_pParentFrame != nullptr)
        {
            hIcon = (HICON)::GetClassLongPtr(m_pParentFrame->GetSafeHwnd(), GCLP_HICON);
            m_hAccelTable = m_pParentFrame->m_hAccelTable;
        }
        if (hIcon == nullptr)
            hIcon = ::LoadIcon(nullptr, IDI_APPLICATION);
        m_pSelTemplate = pTemplate;
    }
    m_wndViewIcon.SetIcon(hIcon);

    if (m_hAccelTable != nullptr)
    {
        const int nCount = ::CopyAcceleratorTable(m_hAccelTable, nullptr, 0);
        if (nCount > 0)
        {
            m_Accels.resize((size_t)nCount);
            m_Accels.resize((size_t)::CopyAcceleratorTable(m_hAccelTable, m_Accels.data(), nCount));
        }
    }
    OnSelchangeCommandsList();
}

void CTavoPKeyboardPage::OnUpdateNewShortcutKey()
{
    UpdateAssignedTo();
}

void CTavoPKeyboardPage::UpdateAssignedTo()
{
    m_strAssignedTo.Empty();
    m_wndAssignedToTitle.ShowWindow(SW_HIDE);
    m_wndAssignButton.EnableWindow(FALSE);

    if (m_wndNewKey.IsKeyDefined())
    {
        const ACCEL* pFound = FindEntry(m_wndNewKey.GetAccel());
        if (pFound != nullptr)
            m_strAssignedTo = CommandName(pFound->cmd);
        else
        {
            CTavoPResourceScope scope;
            m_strAssignedTo.LoadString(IDS_TAVOP_UNASSIGNED);
            m_wndAssignButton.EnableWindow(m_pSelButton != nullptr);
        }
        m_wndAssignedToTitle.ShowWindow(SW_SHOW);
    }
    UpdateData(FALSE);
}

CString CTavoPKeyboardPage::CommandName(UINT uiCmd) const
{
    CTavoPToolbarCustomize* pSheet = GetCustomizeSheet();
    LPCTSTR lpszName = pSheet != nullptr ? pSheet->GetCommandName(uiCmd) : nullptr;
    return lpszName != nullptr ? CString(lpszName) : CString(_T("????"));
}

const ACCEL* CTavoPKeyboardPage::FindEntry(const ACCEL& accel) const
{
    for (const ACCEL& entry : m_Accels)
        if (entry.key == accel.key && (entry.fVirt & kKeyFlags) == (accel.fVirt & kKeyFlags))
            return &entry;
    return nullptr;
}

void CTavoPKeyboardPage::ReplaceWorkingCopy(std::vector<ACCEL>& newAccels, int iRemoved)
{
    // Entry i of the old copy is entry i of the new one, or i - 1 behind the removed one.
    for (int iItem = m_wndCurrentKeysList.GetCount() - 1; iItem >= 0; iItem--)
    {
        auto* pEntry = reinterpret_cast<ACCEL*>(m_wndCurrentKeysList.GetItemDataPtr(iItem));
        const ptrdiff_t i = pEntry != nullptr ? pEntry - m_Accels.data() : -1;
        if (i < 0 || i >= (ptrdiff_t)m_Accels.size() || i == iRemoved)
        {
            m_wndCurrentKeysList.DeleteString(iItem);
            continue;
        }
        const ptrdiff_t iNew = iRemoved >= 0 && i > iRemoved ? i - 1 : i;
        m_wndCurrentKeysList.SetItemDataPtr(iItem, newAccels.data() + iNew);
    }
    m_Accels.swap(newAccels);
    m_pSelEntry = nullptr;
    OnSelchangeCurrentKeysList();
}

CTavoPKeyboardManager* CTavoPKeyboardPage::KeyboardManager(CTavoPKeyboardManager& localManager)
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr && pWorkspace->m_pKeyboardManager != nullptr
               ? pWorkspace->m_pKeyboardManager
               : &localManager;
}

BOOL CTavoPKeyboardPage::InstallTable(const std::vector<ACCEL>& accels)
{
    CTavoPKeyboardManager localManager;
    CTavoPKeyboardManager* pManager = KeyboardManager(localManager);

    // The table shown is the page's frame's: it is the one that changes.
    CFrameWnd* pFrame = m_pSelTemplate == nullptr ? m_pParentFrame : nullptr;
    if (!pManager->UpdateAccelTable(m_pSelTemplate, accels.data(), (int)accels.size(), pFrame))
        return FALSE;
    m_hAccelTable =
        m_pSelTemplate != nullptr ? m_pSelTemplate->m_hAccelTable : TargetFrameTable(pFrame);
    return TRUE;
}

HACCEL CTavoPKeyboardPage::TargetFrameTable(CFrameWnd* pFrame)
{
    if (pFrame == nullptr)
    {
        CWnd* pMainWnd = AfxGetMainWnd();
        if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
            pFrame = static_cast<CFrameWnd*>(pMainWnd);
    }
    return pFrame != nullptr ? pFrame->m_hAccelTable : nullptr;
}

void CTavoPKeyboardPage::OnAssign()
{
    // Without a command or a new, free combination there is nothing to bind: the button may be
    // clicked through a message while it shows disabled.
    if (m_pSelButton == nullptr || !m_wndNewKey.IsKeyDefined() ||
        FindEntry(m_wndNewKey.GetAccel()) != nullptr || m_wndViewTypeList.GetCurSel() < 0)
    {
        AfxMessageBeep((UINT)-1);
        return;
    }

    ACCEL accel = m_wndNewKey.GetAccel();
    accel.cmd = (WORD)m_pSelButton->m_nID;

    std::vector<ACCEL> newAccels(m_Accels.size() + 1);
    std::copy(m_Accels.begin(), m_Accels.end(), newAccels.begin());
    newAccels.back() = accel;
    // The working copy stays the table in force when the new one cannot be installed.
    if (!InstallTable(newAccels))
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    ReplaceWorkingCopy(newAccels, -1);

    CString strKey;
    CTavoPAcceleratorText(&m_Accels.back()).Format(strKey);
    const int iKey = m_wndCurrentKeysList.AddString(strKey);
    m_wndCurrentKeysList.SetItemDataPtr(iKey, &m_Accels.back());

    m_wndNewKey.ResetKey();
    UpdateAssignedTo();
    m_wndCommandsList.SetFocus();
}

void CTavoPKeyboardPage::OnRemove()
{
    const ptrdiff_t iRemoved = m_pSelEntry != nullptr ? m_pSelEntry - m_Accels.data() : -1;
    if (iRemoved < 0 || iRemoved >= (ptrdiff_t)m_Accels.size())
    {
        AfxMessageBeep((UINT)-1);
        return;
    }

    std::vector<ACCEL> newAccels;
    newAccels.reserve(m_Accels.size() - 1);
    for (size_t i = 0; i < m_Accels.size(); i++)
        if ((ptrdiff_t)i != iRemoved)
            newAccels.push_back(m_Accels[i]);
    if (!InstallTable(newAccels))
    {
        AfxMessageBeep((UINT)-1);
        return;
    }
    ReplaceWorkingCopy(newAccels, (int)iRemoved);

    OnSelchangeCommandsList();
    m_wndCommandsList.SetFocus();
}

void CTavoPKeyboardPage::OnResetAll()
{
    {
        CTavoPResourceScope scope;
        if (AfxMessageBox(IDS_TAVOP_RESET_KEYBOARD, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }

    CTavoPKeyboardManager localManager;
    KeyboardManager(localManager)->ResetAll();

    if (m_pParentFrame != nullptr)
        m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_RESETKEYBAORD);
    OnSelchangeViewType();
}
