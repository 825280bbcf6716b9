#include "ui/controls/outlook/CTavoPOutlookBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/controls/outlook/CTavoPOutlookBarDockingPane.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/controls/outlook/CTavoPOutlookWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include <cstring>

BEGIN_MESSAGE_MAP(CTavoPOutlookBar, CTavoPBaseTabbedBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPOutlookBar, CTavoPBaseTabbedBar, VERSIONABLE_SCHEMA | 1)

LPCTSTR const CTavoPOutlookBar::kSection = _T("TavoPOutlookBars");
LPCTSTR const CTavoPOutlookBar::kCustomPagesValue = _T("TavoPOutlookCustomPages");
BYTE CTavoPOutlookBar::m_arUsedPageIDs[CTavoPOutlookBar::kMaxUserPages] = {};

// The control ID of the tab window inside the bar.
static const UINT kTabWndId = 101;

CTavoPOutlookBar::CTavoPOutlookBar()
{}

CTavoPOutlookBar::~CTavoPOutlookBar()
{
    // The bar's pages go with it, and their IDs are free again.
    while (!m_lstCustomPages.IsEmpty())
    {
        CTavoPOutlookBarPane* pPage = (CTavoPOutlookBarPane*)m_lstCustomPages.RemoveHead();
        MarkCustomPageID(pPage->GetPageID(), FALSE);
        if (pPage->GetSafeHwnd() != NULL)
            pPage->DestroyWindow();
        delete pPage;
    }
}

BOOL CTavoPOutlookBar::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, UINT nID,
                              DWORD dwStyle, DWORD dwTavoStyle, CCreateContext* pContext)
{
    if (!CTavoPBaseTabbedBar::Create(lpszCaption, pParentWnd, rect, TRUE, nID, dwStyle,
                                     TAVOP_TABBED_STYLE_OUTLOOK, dwTavoStyle, pContext))
        return FALSE;
    if (dwTavoStyle & kFloatAtCreation)
    {
        EnableDocking(CBRS_ALIGN_ANY);
        CRect rectFloat(rect);
        pParentWnd->ClientToScreen(rectFloat);
        FloatControlBar(rectFloat, TAVOP_DM_SHOW, TRUE);
    }
    else
    {
        CTavoPDockManager* pManager =
            GetDockingUtils().GetDockManager(DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd));
        if (pManager != NULL)
            pManager->AddControlBar(this);
    }
    return TRUE;
}

int CTavoPOutlookBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPBaseTabbedBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTavoPOutlookWnd* pTabWnd = new CTavoPOutlookWnd;
    if (!pTabWnd->Create(CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy), this, kTabWndId))
    {
        delete pTabWnd;
        m_pTabWnd = NULL;
        return -1;
    }
    m_pTabWnd = pTabWnd;
    // Pages torn out float in outlook docking panes, which take other pages back as tabs.
    pTabWnd->SetDockingBarWrapperRTC(RUNTIME_CLASS(CTavoPOutlookBarDockingPane));
    pTabWnd->EnableWrapping(CanFloat() && FindOwningFrame(pTabWnd) != NULL);
    return 0;
}

void CTavoPOutlookBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CTavoPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectClient, rectClient);
}

CTavoPOutlookWnd* CTavoPOutlookBar::GetOutlookWnd() const
{
    return DYNAMIC_DOWNCAST(CTavoPOutlookWnd, m_pTabWnd);
}

// ---- docking ----

void CTavoPOutlookBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
    if (CanFloat())
    {
        const CTavoPOutlookWnd* pWnd = GetOutlookWnd();
        if (pWnd != NULL)
            pWnd->GetTabArea(rectTabAreaTop, rectTabAreaBottom);
        return;
    }
    // A bar that stays where it is takes drops anywhere on it.
    GetClientRect(rectTabAreaTop);
    ClientToScreen(rectTabAreaTop);
}

BOOL CTavoPOutlookBar::CanAcceptBar(const CTavoPBaseControlBar* pBar) const
{
    if (pBar == NULL)
        return FALSE;
    if (CanFloat())
    {
        const CWnd* pParent = pBar->GetParent();
        return pBar->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)) ||
               (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)));
    }
    return pBar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBarDockingPane)) ||
           pBar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBarPane)) ||
           pBar->IsKindOf(RUNTIME_CLASS(CTavoPOutlookBar));
}

int CTavoPOutlookBar::GetDockingStatus(CPoint pt, int nSensitivity)
{
    CTavoPOutlookWnd* pWnd = GetOutlookWnd();
    if (pWnd == NULL)
        return 0;
    if (pWnd->GetTabsNum() == 0 || pWnd->GetVisibleTabsNum() == 0)
        return 3;
    const int nHit = HitTest(pt, TRUE);
    CRect rectTop, rectBottom;
    pWnd->GetTabArea(rectTop, rectBottom);
    rectTop.bottom += nSensitivity;
    rectBottom.top -= nSensitivity;
    if (nHit == HTCAPTION || rectTop.PtInRect(pt) || rectBottom.PtInRect(pt))
        return 3;
    const int nStatus = CTavoPBaseTabbedBar::GetDockingStatus(pt, nSensitivity);
    return nStatus == 2 && !CanFloat() ? 0 : nStatus;
}

// ---- user pages ----

BOOL CTavoPOutlookBar::IsCustomPageIDUsed(UINT uiPageID)
{
    return uiPageID >= kFirstUserPageID && uiPageID < kFirstUserPageID + kMaxUserPages &&
           m_arUsedPageIDs[uiPageID - kFirstUserPageID] != 0;
}

void CTavoPOutlookBar::MarkCustomPageID(UINT uiPageID, BOOL bUsed)
{
    if (uiPageID >= kFirstUserPageID && uiPageID < kFirstUserPageID + kMaxUserPages)
        m_arUsedPageIDs[uiPageID - kFirstUserPageID] = bUsed ? 1 : 0;
}

int CTavoPOutlookBar::FindPageTab(const CTavoPOutlookBarPane* pPage) const
{
    if (m_pTabWnd == NULL)
        return -1;
    for (int i = 0; i < m_pTabWnd->GetTabsNum(); i++)
        if (m_pTabWnd->GetTabWndNoWrapper(i) == pPage)
            return i;
    return -1;
}

CTavoPOutlookBarPane* CTavoPOutlookBar::FindCustomPage(UINT uiPageID) const
{
    for (POSITION pos = m_lstCustomPages.GetHeadPosition(); pos != NULL;)
    {
        CTavoPOutlookBarPane* pPage = (CTavoPOutlookBarPane*)m_lstCustomPages.GetNext(pos);
        if (pPage->GetPageID() == uiPageID)
            return pPage;
    }
    return NULL;
}

CTavoPOutlookBarPane* CTavoPOutlookBar::AddCustomPage(UINT uiPageID, LPCTSTR lpszPageName)
{
    CTavoPOutlookWnd* pWnd = GetOutlookWnd();
    if (pWnd == NULL)
        return NULL;
    CTavoPOutlookBarPane* pPage = new CTavoPOutlookBarPane;
    if (!pPage->Create(pWnd, CTavoPOutlookBarPane::kDefaultStyle, uiPageID,
                       CanFloat() ? TAVOP_CBRS_FLOAT : 0))
    {
        delete pPage;
        return NULL;
    }
    CWnd* pOwner = GetOwner();
    pPage->SetOwner(pOwner != NULL ? pOwner : GetParent());
    pPage->SetWindowText(lpszPageName);
    m_lstCustomPages.AddTail(pPage);
    pWnd->AddTab(pPage, lpszPageName, (UINT)-1, CanFloat());
    MarkCustomPageID(uiPageID, TRUE);
    return pPage;
}

CTavoPOutlookBarPane* CTavoPOutlookBar::CreateCustomPage(LPCTSTR lpszPageName, BOOL bActivatePage,
                                                         BOOL bEnableTextLabels)
{
    if (lpszPageName == NULL || *lpszPageName == 0)
        return NULL;
    UINT uiPageID = 0;
    for (int i = 0; i < kMaxUserPages && uiPageID == 0; i++)
        if (m_arUsedPageIDs[i] == 0)
            uiPageID = kFirstUserPageID + i;
    if (uiPageID == 0)
        return NULL;
    CTavoPOutlookBarPane* pPage = AddCustomPage(uiPageID, lpszPageName);
    if (pPage == NULL)
        return NULL;
    pPage->EnableTextLabels(bEnableTextLabels);
    const int iTab = FindPageTab(pPage);
    if (bActivatePage && iTab >= 0)
        m_pTabWnd->SetActiveTab(iTab);
    return pPage;
}

BOOL CTavoPOutlookBar::RenameCustomPage(UINT uiPageID, LPCTSTR lpszNewName)
{
    CTavoPOutlookBarPane* pPage = FindCustomPage(uiPageID);
    if (pPage == NULL || lpszNewName == NULL || *lpszNewName == 0)
        return FALSE;
    pPage->SetWindowText(lpszNewName);
    const int iTab = FindPageTab(pPage);
    if (iTab >= 0)
        m_pTabWnd->SetTabLabel(iTab, lpszNewName);
    else if (CWnd* pParent = pPage->GetParent())
        pParent->SetWindowText(lpszNewName); // torn out: its floating pane shows the name
    return TRUE;
}

BOOL CTavoPOutlookBar::RemoveCustomPage(UINT uiPageID)
{
    CTavoPOutlookBarPane* pPage = FindCustomPage(uiPageID);
    if (pPage == NULL)
        return FALSE;
    // The page goes with the docking pane it lies in, in the bar or torn out.
    CWnd* pWrapper = DYNAMIC_DOWNCAST(CTavoPOutlookBarDockingPane, pPage->GetParent());
    const int iTab = FindPageTab(pPage);
    if (iTab >= 0)
        m_pTabWnd->RemoveTab(iTab);
    m_lstCustomPages.RemoveAt(m_lstCustomPages.Find(pPage));
    MarkCustomPageID(uiPageID, FALSE);
    if (pPage->GetSafeHwnd() != NULL)
        pPage->DestroyWindow();
    delete pPage;
    if (pWrapper != NULL && pWrapper->GetSafeHwnd() != NULL)
        pWrapper->DestroyWindow();
    return TRUE;
}

// ---- stored state ----

CString CTavoPOutlookBar::GetStateKey(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex) const
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    // The form with a second ID puts an "s" before the name: stored states have it so.
    return BuildBarKey(kSection,
                       uiSubIndex == (UINT)-1 ? _T("TavoPOutlookBar") : _T("sTavoPOutlookBar"),
                       lpszProfileName, nID, uiSubIndex);
}

BOOL CTavoPOutlookBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    CTavoPBaseTabbedBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    CTavoPStateKey key(GetStateKey(lpszProfileName, nIndex, uiSubIndex),
                       CTavoPStateKey::forReading);
    return key.LoadArchived(kCustomPagesValue, [&](CArchive& ar) {
        int nCount = 0;
        ar >> nCount;
        // Every record holds at least an ID and a name's length: a count the bytes cannot hold
        // is damage, and the loop ends where the bytes do.
        for (int i = 0; i < nCount && i < kMaxUserPages; i++)
        {
            int nPageID = 0;
            CString strName;
            try
            {
                ar >> nPageID;
                ar >> strName;
            }
            catch (CException* e)
            {
                e->Delete();
                break;
            }
            const UINT uiPageID = (UINT)nPageID;
            if (uiPageID < kFirstUserPageID || uiPageID >= kFirstUserPageID + kMaxUserPages)
                continue;
            if (RenameCustomPage(uiPageID, strName))
                continue; // this bar has that page already
            CTavoPOutlookBarPane* pPage = AddCustomPage(uiPageID, strName);
            if (pPage != NULL)
                pPage->LoadState(lpszProfileName, (int)uiPageID);
        }
        return TRUE;
    });
}

BOOL CTavoPOutlookBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    CTavoPBaseTabbedBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    BOOL bPagesSaved = TRUE;
    for (POSITION pos = m_lstCustomPages.GetHeadPosition(); pos != NULL;)
    {
        CTavoPOutlookBarPane* pPage = (CTavoPOutlookBarPane*)m_lstCustomPages.GetNext(pos);
        if (!pPage->SaveState(lpszProfileName, (int)pPage->GetPageID()))
            bPagesSaved = FALSE;
    }
    CTavoPStateKey key(GetStateKey(lpszProfileName, nIndex, uiSubIndex),
                       CTavoPStateKey::forWriting);
    const BOOL bListSaved = key.StoreArchived(kCustomPagesValue, [this](CArchive& ar) {
        ar << (int)m_lstCustomPages.GetCount();
        for (POSITION pos = m_lstCustomPages.GetHeadPosition(); pos != NULL;)
        {
            CTavoPOutlookBarPane* pPage = (CTavoPOutlookBarPane*)m_lstCustomPages.GetNext(pos);
            CString strName;
            if (FindPageTab(pPage) < 0 || !m_pTabWnd->GetTabLabel(FindPageTab(pPage), strName))
                pPage->GetWindowText(strName);
            ar << (int)pPage->GetPageID();
            ar << strName;
        }
    });
    return bListSaved && bPagesSaved;
}
