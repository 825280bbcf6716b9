#include <algorithm>
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

static LPCTSTR const kToolbarSection = _T("TavoToolBars");
static LPCTSTR const kToolbarKeyWord = _T("TavoToolBar");
static LPCTSTR const kName = _T("Name");
static LPCTSTR const kButtons = _T("Buttons");
static LPCTSTR const kOriginalItems = _T("OriginalItems");
static LPCTSTR const kParametersKey = _T("TavoToolbarParameters");
static LPCTSTR const kTooltips = _T("Tooltips");
static LPCTSTR const kShortcutKeys = _T("ShortcutKeys");
static LPCTSTR const kLargeIcons = _T("LargeIcons");
static LPCTSTR const kMenuAnimation = _T("MenuAnimation");
static LPCTSTR const kRecentlyUsedMenus = _T("RecentlyUsedMenus");
static LPCTSTR const kMenuShadows = _T("MenuShadows");
static LPCTSTR const kShowAllMenusAfterDelay = _T("ShowAllMenusAfterDelay");
static LPCTSTR const kLook2000 = _T("Look2000");
static LPCTSTR const kCommandsUsage = _T("CommandsUsage");

// ---- the toolbar archive ----

// States saved before the floating length was kept do not hold it.
static BOOL StoresFloatingLength(BOOL bStoring)
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == NULL)
        return TRUE;
    const int nMajor = pWorkspace->GetDataVersionMajor();
    const int nMinor = pWorkspace->GetDataVersionMinor();
    if (nMajor == -1 && nMinor == -1)
        return TRUE;
    return bStoring ? (nMajor > 5 && nMinor > 1) : (nMajor >= 6 && nMinor >= 2);
}

void CTavoPToolBar::Serialize(CArchive& ar)
{
    CTavoPBaseToolBar::Serialize(ar);
    if (m_bLocked)
        return;

    if (ar.IsStoring())
    {
        CObList listStored;
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton->CanBeStored() && pButton != m_pCustomizeBtn)
                listStored.AddTail(pButton);
        }
        ar.WriteCount((DWORD)listStored.GetCount());
        for (POSITION pos = listStored.GetHeadPosition(); pos != NULL;)
            ar.WriteObject(listStored.GetNext(pos));
        ar << (int)m_bTextLabels;
        CString strName;
        if (GetSafeHwnd() != NULL)
            GetWindowText(strName);
        ar << strName;
        if (StoresFloatingLength(TRUE))
            ar << (int)GetMRUWidth();
        return;
    }

    CCustomizeButton* pCustomizeCopy = NULL;
    if (m_pCustomizeBtn != NULL)
    {
        pCustomizeCopy = new CCustomizeButton;
        pCustomizeCopy->CopyFrom(*m_pCustomizeBtn);
    }
    RemoveAllButtons();

    // Every object is created only when it is a button; anything else fails the load, and so
    // does a button listed twice (the bar would delete it twice).
    BOOL bNullEntry = FALSE;
    try
    {
        const DWORD nCount = ar.ReadCount();
        for (DWORD i = 0; i < nCount; i++)
        {
            CTavoPToolbarButton* pButton =
                (CTavoPToolbarButton*)ar.ReadOwnedObject(RUNTIME_CLASS(CTavoPToolbarButton));
            if (pButton == NULL)
            {
                bNullEntry = TRUE;
                continue;
            }
            pButton->m_nStyle &= ~(TBBS_CHECKED | TBBS_PRESSED);
            m_Buttons.AddTail(pButton);
            pButton->OnChangeParentWnd(this);
        }
    }
    catch (...)
    {
        RemoveAllButtons();
        AppendCustomizeButton(pCustomizeCopy);
        throw;
    }

    if (bNullEntry)
    {
        m_bStoredListDamaged = TRUE;
        RemoveAllButtons();
        AppendCustomizeButton(pCustomizeCopy);
        if (CanBeRestored())
            RestoreOriginalState();
        LayoutButtons();
        return;
    }

    int nTextLabels = 0;
    ar >> nTextLabels;
    if (AllowShowTextLabels())
        m_bTextLabels = nTextLabels;
    AppendCustomizeButton(pCustomizeCopy);
    LayoutButtons();
    CString strName;
    ar >> strName;
    if (GetSafeHwnd() != NULL)
    {
        // Setting a window's text is a round trip to the server under Wine, and the stored
        // name is mostly the one the bar has already.
        CString strNow;
        GetWindowText(strNow);
        if (strNow != strName)
            SetWindowText(strName);
    }
    for (POSITION pos = UnpermittedCommands().GetHeadPosition(); pos != NULL;)
    {
        const int iIndex = CommandToIndex(UnpermittedCommands().GetNext(pos));
        if (iIndex >= 0)
            RemoveButton(iIndex);
    }
    if (StoresFloatingLength(FALSE))
    {
        int nMRUWidth = 0;
        ar >> nMRUWidth;
        SetMRUWidth(nMRUWidth);
    }
}

// ---- the bar's state in the registry ----

// Whether the workspace keeps the resource's items next to the buttons, to merge them on load.
static BOOL KeepsOriginalItems()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != NULL && pWorkspace->m_bResourceSmartUpdate;
}

static BOOL HoldsEqual(const CObList& list, const CTavoPToolbarButton& button)
{
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        if (((const CTavoPToolbarButton*)list.GetNext(pos))->CompareWith(button))
            return TRUE;
    return FALSE;
}

static void DeleteButtons(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

BOOL CTavoPToolBar::SaveState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    BOOL bButtonsWritten = FALSE;
    {
        CTavoPStateKey key(
            BuildBarKey(kToolbarSection, kToolbarKeyWord, lpszProfileName, nID, uiSubIndex),
            CTavoPStateKey::forWriting);
        if (key.Open())
        {
            if (GetSafeHwnd() != NULL)
            {
                CString strName;
                GetWindowText(strName);
                key->WriteString(kName, strName);
            }
            // A bar that cannot be archived (memory shortage) leaves the stored buttons alone.
            bButtonsWritten = key.StoreArchived(kButtons, [this](CArchive& ar) { Serialize(ar); });
            if (bButtonsWritten && KeepsOriginalItems())
                SaveOriginalItems(key.Registry());
        }
    }

    // The placement is saved even when the buttons could not be; the caller still learns that
    // the buttons were not.
    const BOOL bBarSaved = CTavoPBaseToolBar::SaveState(lpszProfileName, nIndex, uiSubIndex);
    return bBarSaved && bButtonsWritten;
}

BOOL CTavoPToolBar::LoadState(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    BOOL bButtonsLoaded = FALSE;
    {
        CTavoPStateKey key(
            BuildBarKey(kToolbarSection, kToolbarKeyWord, lpszProfileName, nID, uiSubIndex),
            CTavoPStateKey::forReading);
        // Without stored buttons the bar keeps all it has, its placement included.
        BOOL bValueFound = FALSE;
        m_bStoredListDamaged = FALSE;
        bButtonsLoaded = key.LoadArchived(
            kButtons,
            [this, &bValueFound](CArchive& ar) {
                bValueFound = TRUE;
                Serialize(ar);
                return !m_bStoredListDamaged;
            },
            [this, &bValueFound](CException*) {
                bValueFound = TRUE;
                // Whatever was read is dropped, also after a memory shortage: the resource's
                // buttons are better than half a list.
                RemoveAllButtonsButCustomize();
                if (CanBeRestored())
                    RestoreOriginalState();
            });
        if (!bValueFound)
            return FALSE;

        if (bButtonsLoaded && KeepsOriginalItems())
            LoadOriginalItems(key.Registry());
    }

    const BOOL bBarLoaded = CTavoPBaseToolBar::LoadState(lpszProfileName, nIndex, uiSubIndex);
    AdjustLayout();
    CTavoPDockBarRow* pRow = GetDockRow();
    if (pRow != NULL && GetSafeHwnd() != NULL)
    {
        const BOOL bHorz = IsHorizontalBar();
        const CSize size = CalcFixedLayout(TRUE, bHorz);
        const int nThickness = bHorz ? size.cy : size.cx;
        if (nThickness != pRow->GetThickness())
            pRow->ResizeBy(nThickness - pRow->GetThickness());
    }
    return bButtonsLoaded && bBarLoaded;
}

BOOL CTavoPToolBar::RemoveStateFromRegistry(LPCTSTR lpszProfileName, int nIndex, UINT uiSubIndex)
{
    const int nID = nIndex == -1 ? GetDlgCtrlID() : nIndex;
    return CTavoPStateKey::Delete(
        BuildBarKey(kToolbarSection, kToolbarKeyWord, lpszProfileName, nID, uiSubIndex));
}

BOOL CTavoPToolBar::SaveOriginalItems(CTavoPRegistry& reg)
{
    if (m_OrigButtons.IsEmpty())
        return FALSE;
    return reg.Write(kOriginalItems, m_OrigButtons);
}

BOOL CTavoPToolBar::LoadOriginalItems(CTavoPRegistry& reg)
{
    // Stored data names its own classes: only buttons are made.
    CObList listStored;
    if (!reg.Read(kOriginalItems, listStored, RUNTIME_CLASS(CTavoPToolbarButton)))
        return FALSE;
    const BOOL bResult = MergeOriginalItems(listStored);
    DeleteButtons(listStored);
    return bResult;
}

BOOL CTavoPToolBar::MergeOriginalItems(const CObList& listStored)
{
    m_bResourceWasChanged = FALSE;
    for (POSITION pos = listStored.GetHeadPosition(); pos != NULL;)
    {
        const CTavoPToolbarButton* pStored = (const CTavoPToolbarButton*)listStored.GetNext(pos);
        if (HoldsEqual(m_OrigButtons, *pStored))
            continue;
        m_bResourceWasChanged = TRUE;
        const int iIndex = CommandToIndex(pStored->m_nID);
        if (iIndex >= 0)
            RemoveButton(iIndex);
    }

    int i = 0;
    for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != NULL; i++)
    {
        const CTavoPToolbarButton* pOrig = (const CTavoPToolbarButton*)m_OrigButtons.GetNext(pos);
        if (HoldsEqual(listStored, *pOrig))
            continue;
        m_bResourceWasChanged = TRUE;
        const int iInsertAt = std::min(i, GetCount());
        if (pOrig->m_nStyle & TBBS_SEPARATOR)
            InsertSeparator(iInsertAt);
        else
            InsertButtonCopy(CTavoPToolbarButton(pOrig->m_nID, GetDefaultImage(pOrig->m_nID), NULL,
                                                 FALSE, m_bLocked),
                             iInsertAt);
    }

    if (listStored.GetCount() == m_OrigButtons.GetCount())
    {
        BOOL bSame = TRUE;
        POSITION posStored = listStored.GetHeadPosition();
        for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != NULL && bSame;)
            bSame = ((const CTavoPToolbarButton*)m_OrigButtons.GetNext(pos))
                        ->CompareWith(*(const CTavoPToolbarButton*)listStored.GetNext(posStored));
        if (bSame)
            return m_bResourceWasChanged;
    }
    m_bResourceWasChanged = TRUE;
    return TRUE;
}

// ---- the options all toolbars share ----

BOOL CTavoPToolBar::LoadParameters(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kToolbarSection, lpszProfileName, kParametersKey,
                       CTavoPStateKey::forReading);
    if (!key.Open())
        return FALSE;
    CTavoPRegistry& reg = key.Registry();

    // Values are read in order up to the first that is missing; those read before it apply.
    const BOOL bLargeIconsBefore = m_bLargeIcons;
    int nAnimation = CTavoPPopupMenu::NO_ANIMATION;
    int nLook2000 = 0;
    const BOOL bAllRead =
        reg.ReadNumber(kTooltips, m_bShowTooltips) &&
        reg.ReadNumber(kShortcutKeys, m_bShowShortcutKeys) &&
        reg.ReadNumber(kLargeIcons, m_bLargeIcons) && reg.ReadNumber(kMenuAnimation, nAnimation) &&
        reg.ReadNumber(kRecentlyUsedMenus, m_bRecentlyUsedMenus) &&
        reg.ReadNumber(kMenuShadows, CTavoPPopupMenu::m_bMenuShadows) &&
        reg.ReadNumber(kShowAllMenusAfterDelay, m_bShowAllMenusDelay) &&
        reg.ReadNumber(kLook2000, nLook2000) && reg.Read(kCommandsUsage, GetCommandUsage());

    CTavoPPopupMenu::m_AnimationType = nAnimation;
    // Each of these lays out every toolbar or repaints the main window: only a change needs it.
    if (m_bLargeIcons != bLargeIconsBefore || GetGlobalData().m_bLargeIcons != m_bLargeIcons)
        SetLargeIcons(m_bLargeIcons);
    CTavoPVisualManager* pVisualManager = CTavoPVisualManager::GetInstance();
    if (pVisualManager->IsLook2000() != nLook2000)
        pVisualManager->SetLook2000(nLook2000);
    return bAllRead;
}

BOOL CTavoPToolBar::SaveParameters(LPCTSTR lpszProfileName)
{
    CTavoPStateKey key(kToolbarSection, lpszProfileName, kParametersKey,
                       CTavoPStateKey::forWriting);
    if (!key.Open())
        return FALSE;
    CTavoPRegistry& reg = key.Registry();
    return reg.WriteNumber(kTooltips, m_bShowTooltips) &&
           reg.WriteNumber(kShortcutKeys, m_bShowShortcutKeys) &&
           reg.WriteNumber(kLargeIcons, m_bLargeIcons) &&
           reg.WriteNumber(kMenuAnimation, CTavoPPopupMenu::m_AnimationType) &&
           reg.WriteNumber(kRecentlyUsedMenus, m_bRecentlyUsedMenus) &&
           reg.WriteNumber(kMenuShadows, CTavoPPopupMenu::m_bMenuShadows) &&
           reg.WriteNumber(kShowAllMenusAfterDelay, m_bShowAllMenusDelay) &&
           reg.WriteNumber(kLook2000, CTavoPVisualManager::GetInstance()->IsLook2000()) &&
           reg.Write(kCommandsUsage, GetCommandUsage());
}
