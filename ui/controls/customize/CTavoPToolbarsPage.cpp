#include "ui/controls/customize/CTavoPToolbarsPage.h"
#include "ui/controls/customize/CTavoPToolbarCustomize.h"
#include "ui/controls/customize/CTavoPToolbarNameDlg.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPDropDownToolBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "framework/CTestSeams.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_TAVOP_TOOLBARS_LIST, OnSelchangeToolbarList)
    ON_LBN_DBLCLK(IDC_TAVOP_TOOLBARS_LIST, OnDblclkToolbarList)
    ON_BN_CLICKED(IDC_TAVOP_RESET_TOOLBAR, OnResetToolbar)
    ON_BN_CLICKED(IDC_TAVOP_RESET_ALL, OnResetAllToolbars)
    ON_BN_CLICKED(IDC_TAVOP_DELETE_TOOLBAR, OnDeleteToolbar)
    ON_BN_CLICKED(IDC_TAVOP_NEW_TOOLBAR, OnNewToolbar)
    ON_BN_CLICKED(IDC_TAVOP_RENAME_TOOLBAR, OnRenameToolbar)
    ON_BN_CLICKED(IDC_TAVOP_TEXT_LABELS, OnTextLabels)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPToolbarsPage, CPropertyPage)

namespace {

CString WindowText(const CWnd* pWnd)
{
    CString str;
    if (pWnd != nullptr && ::IsWindow(pWnd->GetSafeHwnd()))
        pWnd->GetWindowText(str);
    return str;
}

} // namespace

CTavoPToolbarsPage::CTavoPToolbarsPage(CFrameWnd* pParentFrame)
    : CPropertyPage(IDD_TAVOP_TOOLBARS_PAGE), m_bTextLabels(FALSE), m_pSelectedToolbar(nullptr),
      m_bUserDefinedToolbars(FALSE), m_pParentFrame(pParentFrame)
{}

CTavoPToolbarsPage::~CTavoPToolbarsPage() = default;

void CTavoPToolbarsPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TAVOP_TEXT_LABELS, m_wndTextLabels);
    DDX_Control(pDX, IDC_TAVOP_RENAME_TOOLBAR, m_bntRenameToolbar);
    DDX_Control(pDX, IDC_TAVOP_NEW_TOOLBAR, m_btnNewToolbar);
    DDX_Control(pDX, IDC_TAVOP_DELETE_TOOLBAR, m_btnDelete);
    DDX_Control(pDX, IDC_TAVOP_RESET_TOOLBAR, m_btnReset);
    DDX_Control(pDX, IDC_TAVOP_TOOLBARS_LIST, m_wndToobarList);
    DDX_Check(pDX, IDC_TAVOP_TEXT_LABELS, m_bTextLabels);
}

UINT CTavoPToolbarsPage::SheetFlags() const
{
    const CTavoPToolbarCustomize* pSheet = DYNAMIC_DOWNCAST(CTavoPToolbarCustomize, GetParent());
    return pSheet != nullptr ? pSheet->GetFlags() : 0;
}

BOOL CTavoPToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (!m_bUserDefinedToolbars)
    {
        m_btnNewToolbar.EnableWindow(FALSE);
        m_btnNewToolbar.ShowWindow(SW_HIDE);
        m_btnDelete.ShowWindow(SW_HIDE);
        m_bntRenameToolbar.ShowWindow(SW_HIDE);
    }

    CFrameWnd* pTopFrame = m_pParentFrame != nullptr ? m_pParentFrame->GetTopLevelFrame() : nullptr;
    const CObList& toolbars = CTavoPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)toolbars.GetNext(pos);
        if (pToolBar == nullptr || !::IsWindow(pToolBar->GetSafeHwnd()) ||
            pToolBar->IsKindOf(RUNTIME_CLASS(CTavoPDropDownToolBar)) ||
            pToolBar->GetTopLevelFrame() != pTopFrame || !pToolBar->AllowShowOnList())
            continue;
        CString strName = WindowText(pToolBar);
        if (strName.IsEmpty())
            strName.LoadString(IDS_TAVOP_UNTITLED_TOOLBAR);
        const int nIndex = m_wndToobarList.AddString(strName);
        if (nIndex < 0)
            continue;
        m_wndToobarList.SetItemDataPtr(nIndex, pToolBar);
        m_wndToobarList.SetCheck(nIndex, (pToolBar->GetStyle() & WS_VISIBLE) != 0);
        m_wndToobarList.EnableRow(nIndex, pToolBar->CanBeClosed());
    }

    if (!(SheetFlags() & TAVOCUSTOMIZE_TEXT_LABELS))
        m_wndTextLabels.ShowWindow(SW_HIDE);
    OnSelchangeToolbarList();
    return TRUE;
}

void CTavoPToolbarsPage::ShowToolBar(CTavoPToolBar* pToolBar, BOOL bShow)
{
    if (m_wndToobarList.GetSafeHwnd() == nullptr)
        return;
    for (int i = 0; i < m_wndToobarList.GetCount(); i++)
        if ((CTavoPToolBar*)m_wndToobarList.GetItemDataPtr(i) == pToolBar)
        {
            m_wndToobarList.SetCheck(i, bShow);
            return;
        }
}

void CTavoPToolbarsPage::OnSelchangeToolbarList()
{
    const int nIndex = m_wndToobarList.GetCurSel();
    if (nIndex < 0)
    {
        m_pSelectedToolbar = nullptr;
        m_btnReset.EnableWindow(FALSE);
        m_btnDelete.EnableWindow(FALSE);
        m_bntRenameToolbar.EnableWindow(FALSE);
        m_wndTextLabels.EnableWindow(FALSE);
        return;
    }
    m_pSelectedToolbar = (CTavoPToolBar*)m_wndToobarList.GetItemDataPtr(nIndex);
    m_btnReset.EnableWindow(m_pSelectedToolbar->CanBeRestored());
    const BOOL bUser = m_pSelectedToolbar->IsUserDefined();
    m_btnDelete.EnableWindow(bUser);
    m_bntRenameToolbar.EnableWindow(bUser);
    m_wndTextLabels.EnableWindow(m_pSelectedToolbar->AllowShowTextLabels());
    m_bTextLabels = m_pSelectedToolbar->AreTextLabels();
    UpdateData(FALSE);
}

BOOL CTavoPToolbarsPage::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_TAVOP_TOOLBARS_LIST && HIWORD(wParam) == CLBN_CHKCHANGE)
    {
        const int nIndex = m_wndToobarList.GetCurSel();
        if (nIndex >= 0)
        {
            CTavoPToolBar* pToolBar = (CTavoPToolBar*)m_wndToobarList.GetItemDataPtr(nIndex);
            if (pToolBar->CanBeClosed())
                pToolBar->ShowControlBar(m_wndToobarList.GetCheck(nIndex), FALSE, TRUE);
            else if (!m_wndToobarList.GetCheck(nIndex))
            {
                m_wndToobarList.SetCheck(nIndex, 1);
                AfxMessageBeep((UINT)-1);
            }
        }
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CTavoPToolbarsPage::OnDblclkToolbarList()
{
    const int nIndex = m_wndToobarList.GetCurSel();
    if (nIndex >= 0)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)m_wndToobarList.GetItemDataPtr(nIndex);
        if (pToolBar->CanBeClosed())
            m_wndToobarList.SetCheck(nIndex, !m_wndToobarList.GetCheck(nIndex));
        else
            AfxMessageBeep((UINT)-1);
    }
    OnSelchangeToolbarList();
}

void CTavoPToolbarsPage::OnTextLabels()
{
    UpdateData(TRUE);
    if (m_pSelectedToolbar != nullptr)
        m_pSelectedToolbar->EnableTextLabels(m_bTextLabels);
}

void CTavoPToolbarsPage::OnResetToolbar()
{
    ResetSelectedToolbar();
}

void CTavoPToolbarsPage::ResetSelectedToolbar()
{
    if (m_pSelectedToolbar == nullptr)
        return;
    CString strPrompt;
    strPrompt.Format(IDS_TAVOP_RESET_TOOLBAR, (LPCTSTR)WindowText(m_pSelectedToolbar));
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) == IDYES)
        m_pSelectedToolbar->RestoreOriginalState();
}

void CTavoPToolbarsPage::OnReset()
{
    // The sheet's Cancel: the changes made on this page took effect at once and stay.
}

void CTavoPToolbarsPage::OnResetAllToolbars()
{
    CString strPrompt;
    strPrompt.LoadString(IDS_TAVOP_RESET_ALL_TOOLBARS);
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CTavoPCommandManager* pManager = GetCommandManager();
    pManager->ClearAllCmdImages();
    const CMap<UINT, UINT, int, int>& images = CTavoPToolBar::GetDefaultImages();
    for (POSITION pos = images.GetStartPosition(); pos != NULL;)
    {
        UINT uiCmd = 0;
        int iImage = -1;
        images.GetNextAssoc(pos, uiCmd, iImage);
        pManager->SetCmdImage(uiCmd, iImage, FALSE);
    }
    for (int i = 0; i < m_wndToobarList.GetCount(); i++)
    {
        CTavoPToolBar* pToolBar = (CTavoPToolBar*)m_wndToobarList.GetItemDataPtr(i);
        if (pToolBar != nullptr && pToolBar->CanBeRestored())
            pToolBar->RestoreOriginalState();
    }
}

void CTavoPToolbarsPage::OnDeleteToolbar()
{
    if (m_pSelectedToolbar == nullptr)
        return;
    if (m_pParentFrame == nullptr)
    {
        AfxMessageBeep(MB_ICONASTERISK);
        return;
    }
    CString strPrompt;
    strPrompt.Format(IDS_TAVOP_DELETE_TOOLBAR, (LPCTSTR)WindowText(m_pSelectedToolbar));
    if (AfxMessageBox(strPrompt, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (m_pParentFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_DELETE, 0,
                                    (LPARAM)m_pSelectedToolbar) == 0)
    {
        AfxMessageBeep(MB_ICONASTERISK);
        return;
    }
    m_wndToobarList.DeleteString((UINT)m_wndToobarList.GetCurSel());
    m_wndToobarList.SetCurSel(0);
    OnSelchangeToolbarList();
}

void CTavoPToolbarsPage::OnNewToolbar()
{
    CTavoPToolbarNameDlg dlg(this);
    if (dlg.DoModal() != IDOK)
        return;
    if (m_pParentFrame == nullptr)
    {
        AfxMessageBeep(MB_ICONASTERISK);
        return;
    }
    CTavoPToolBar* pNew = (CTavoPToolBar*)m_pParentFrame->SendMessage(
        CTavoPToolBar::WM_TAVOTOOLBAR_CREATE, 0, (LPARAM)(LPCTSTR)dlg.m_strToolbarName);
    if (pNew != nullptr)
        AddSelectedRow(pNew, dlg.m_strToolbarName, TRUE);
}

void CTavoPToolbarsPage::OnRenameToolbar()
{
    if (m_pSelectedToolbar == nullptr)
        return;
    CTavoPToolbarNameDlg dlg(this);
    dlg.m_strToolbarName = WindowText(m_pSelectedToolbar);
    if (dlg.DoModal() != IDOK)
        return;
    CTavoPToolBar* pToolBar = m_pSelectedToolbar;
    pToolBar->SetWindowText(dlg.m_strToolbarName);
    // A floating toolbar's name is also the caption of its frame, drawn by the frame.
    CTavoPMiniFrameWnd* pMiniFrame =
        pToolBar->IsFloating() ? pToolBar->GetParentMiniFrame() : nullptr;
    if (pMiniFrame != nullptr)
    {
        pMiniFrame->SetWindowText(dlg.m_strToolbarName);
        pMiniFrame->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    m_wndToobarList.DeleteString((UINT)m_wndToobarList.GetCurSel());
    AddSelectedRow(pToolBar, dlg.m_strToolbarName, (pToolBar->GetStyle() & WS_VISIBLE) != 0);
}

void CTavoPToolbarsPage::AddSelectedRow(CTavoPToolBar* pToolBar, LPCTSTR lpszName, BOOL bCheck)
{
    const int nIndex = m_wndToobarList.AddString(lpszName);
    if (nIndex < 0)
        return;
    m_wndToobarList.SetItemDataPtr(nIndex, pToolBar);
    m_wndToobarList.SetCheck(nIndex, bCheck);
    m_wndToobarList.SetCurSel(nIndex);
    m_wndToobarList.SetTopIndex(nIndex);
    OnSelchangeToolbarList();
}
