#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPKeyboardManager.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

IMPLEMENT_SERIAL(CTavoPToolbarMenuButton, CTavoPToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {

CTavoPMenuIdPool* GetMenuIdPool()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr ? pWorkspace->m_pTearOffManager : nullptr;
}

// The tear-off ID travels in archives written by data version 4.71 and later, or by a workspace
// that marks its data as current (-1).
BOOL ArchiveHoldsTearOffId()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr)
        return FALSE;
    const int nMajor = pWorkspace->GetDataVersionMajor();
    const int nMinor = pWorkspace->GetDataVersionMinor();
    return nMajor == -1 || nMajor >= 5 || (nMajor == 4 && nMinor >= 71);
}

} // namespace

CTavoPToolbarMenuButton::CTavoPToolbarMenuButton()
    : m_bDrawDownArrow(FALSE), m_bMenuMode(FALSE), m_pPopupMenu(nullptr), m_pWndParent(nullptr),
      m_bDefault(FALSE), m_bClickedOnArrow(FALSE), m_bHorzLayout(TRUE), m_bToBeClosed(FALSE),
      m_bMenuOnly(FALSE), m_uiTearOffBarID(0), m_bIsRadio(FALSE), m_pWndMessage(nullptr)
{}

CTavoPToolbarMenuButton::CTavoPToolbarMenuButton(UINT uiID, HMENU hMenu, int iImage,
                                                 LPCTSTR lpszText, BOOL bUserButton)
    : CTavoPToolbarMenuButton()
{
    m_bUserButton = bUserButton;
    m_nID = uiID;
    SetImage(iImage);
    m_strText = lpszText == nullptr ? _T("") : lpszText;
    CreateFromMenu(hMenu);
}

CTavoPToolbarMenuButton::~CTavoPToolbarMenuButton()
{
    if (m_pPopupMenu != nullptr)
        m_pPopupMenu->ForgetParentButton();
    RemoveAllSubItems();
    if (m_uiTearOffBarID != 0)
    {
        CTavoPMenuIdPool* pPool = GetMenuIdPool();
        if (pPool != nullptr)
            pPool->MarkId(m_uiTearOffBarID, FALSE);
    }
}

void CTavoPToolbarMenuButton::RemoveAllSubItems()
{
    while (!m_listCommands.IsEmpty())
        delete m_listCommands.RemoveHead();
}

void CTavoPToolbarMenuButton::SetTearOff(UINT uiBarID)
{
    if (uiBarID == m_uiTearOffBarID)
        return;
    CTavoPMenuIdPool* pPool = GetMenuIdPool();
    if (pPool != nullptr)
    {
        if (m_uiTearOffBarID != 0)
            pPool->MarkId(m_uiTearOffBarID, FALSE);
        if (uiBarID != 0)
            pPool->MarkId(uiBarID, TRUE);
    }
    m_uiTearOffBarID = uiBarID;
}

// ---- menus ----

void CTavoPToolbarMenuButton::CreateFromMenu(HMENU hMenu)
{
    RemoveAllSubItems();
    if (hMenu == NULL)
        return;
    const UINT uiDefault = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        CTavoPToolbarMenuButton* pItem = new CTavoPToolbarMenuButton;
        pItem->m_nID = ::GetMenuItemID(hMenu, i);
        char szText[256] = "";
        ::GetMenuStringA(hMenu, (UINT)i, szText, sizeof(szText) - 1, MF_BYPOSITION);
        pItem->m_strText = szText;
        if (pItem->m_nID == (UINT)-1)
        {
            if (GetMenuIdPool() != nullptr)
                pItem->SetTearOff(CTavoPMenuIdPool::ExtractId(pItem->m_strText));
            pItem->CreateFromMenu(::GetSubMenu(hMenu, i));
        }
        else if (pItem->m_nID == uiDefault)
            pItem->m_bDefault = TRUE;
        if (::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION) & MF_MENUBREAK)
            pItem->m_nStyle |= TAVOP_TBBS_BREAK;
        m_listCommands.AddTail(pItem);
    }
}

HMENU CTavoPToolbarMenuButton::CreateMenu() const
{
    if (m_listCommands.IsEmpty() && m_nID != 0 && m_nID != (UINT)-1 && !m_bMenuOnly)
        return NULL;
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return NULL;
    UINT uiDefault = (UINT)-1;
    CTavoPMenuIdPool* pPool = GetMenuIdPool();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pItem = (CTavoPToolbarButton*)m_listCommands.GetNext(pos);
        CTavoPToolbarMenuButton* pMenuItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pItem);
        BOOL bAppended = TRUE;
        if (pItem->m_nID == 0)
            bAppended = ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
        else
        {
            UINT uiFlags = (pItem->m_nStyle & TAVOP_TBBS_BREAK) ? MF_MENUBREAK : 0;
            if (pMenuItem != nullptr && pMenuItem->IsTearOffMenu())
                uiFlags |= MF_MENUBARBREAK;
            if (pItem->m_nID == (UINT)-1)
            {
                HMENU hSubMenu = pMenuItem != nullptr ? pMenuItem->CreateMenu() : NULL;
                CString strText = pItem->m_strText;
                if (pMenuItem != nullptr && pMenuItem->m_uiTearOffBarID != 0 && pPool != nullptr)
                    CTavoPMenuIdPool::EmbedId(pMenuItem->m_uiTearOffBarID, strText);
                bAppended = hSubMenu != NULL &&
                            ::AppendMenu(hMenu, uiFlags | MF_POPUP, (UINT_PTR)hSubMenu, strText);
                if (!bAppended && hSubMenu != NULL)
                    ::DestroyMenu(hSubMenu);
                else if (bAppended && GetGlobalData().m_bIsOldNT)
                    ::DestroyMenu(hSubMenu);
            }
            else
            {
                if (pMenuItem != nullptr && pMenuItem->m_bDefault)
                    uiDefault = pItem->m_nID;
                bAppended = ::AppendMenu(hMenu, uiFlags, pItem->m_nID, pItem->m_strText);
            }
        }
        if (!bAppended)
        {
            ::DestroyMenu(hMenu);
            return NULL;
        }
    }
    if (uiDefault != (UINT)-1)
        ::SetMenuDefaultItem(hMenu, uiDefault, FALSE);
    return hMenu;
}

CTavoPPopupMenu* CTavoPToolbarMenuButton::CreatePopupMenu()
{
    return new CTavoPPopupMenu;
}

// ---- archive and copies ----

void CTavoPToolbarMenuButton::Serialize(CArchive& ar)
{
    CTavoPToolbarButton::Serialize(ar);
    if (ar.IsLoading())
    {
        RemoveAllSubItems();
        // The ID is there only when the writer's data version put it there.
        if (ArchiveHoldsTearOffId())
        {
            UINT uiTearOff = 0;
            ar >> uiTearOff;
            SetTearOff(uiTearOff);
        }
        // The list owns its items: one listed twice, or the button itself, fails the load.
        const DWORD nCount = ar.ReadCount();
        for (DWORD i = 0; i < nCount; i++)
        {
            CObject* pItem = ar.ReadOwnedObject(RUNTIME_CLASS(CTavoPToolbarButton));
            if (pItem != nullptr)
                m_listCommands.AddTail(pItem);
        }
        return;
    }
    if (ArchiveHoldsTearOffId())
        ar << (UINT)m_uiTearOffBarID;
    ar.WriteCount((DWORD)m_listCommands.GetCount());
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        ar.WriteObject(m_listCommands.GetNext(pos));
}

void CTavoPToolbarMenuButton::CopyFrom(const CTavoPToolbarButton& s)
{
    CTavoPToolbarButton::CopyFrom(s);
    const CTavoPToolbarMenuButton* pSrc = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, &s);
    if (pSrc == nullptr)
        return;
    m_bDefault = pSrc->m_bDefault;
    m_bMenuOnly = pSrc->m_bMenuOnly;
    m_bIsRadio = pSrc->m_bIsRadio;
    m_pWndMessage = pSrc->m_pWndMessage;
    SetTearOff(pSrc->m_uiTearOffBarID);
    RemoveAllSubItems();
    for (POSITION pos = pSrc->m_listCommands.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pItem = (CTavoPToolbarButton*)pSrc->m_listCommands.GetNext(pos);
        CTavoPToolbarButton* pCopy = (CTavoPToolbarButton*)pItem->GetRuntimeClass()->CreateObject();
        if (pCopy == nullptr)
            continue;
        pCopy->CopyFrom(*pItem);
        m_listCommands.AddTail(pCopy);
    }
}

BOOL CTavoPToolbarMenuButton::CompareWith(const CTavoPToolbarButton& other) const
{
    if (m_nID != other.m_nID)
        return FALSE;
    const CTavoPToolbarMenuButton* pOther = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, &other);
    if (pOther == nullptr || pOther->m_listCommands.GetCount() != m_listCommands.GetCount())
        return FALSE;
    POSITION posOther = pOther->m_listCommands.GetHeadPosition();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
    {
        const CTavoPToolbarButton* pItem = (CTavoPToolbarButton*)m_listCommands.GetNext(pos);
        const CTavoPToolbarButton* pOtherItem =
            (CTavoPToolbarButton*)pOther->m_listCommands.GetNext(posOther);
        if (!pItem->CompareWith(*pOtherItem))
            return FALSE;
    }
    return TRUE;
}

void CTavoPToolbarMenuButton::ResetImageToDefault()
{
    CTavoPToolbarButton::ResetImageToDefault();
    for (POSITION pos = m_listCommands.GetHeadPosition(); pos != nullptr;)
        ((CTavoPToolbarButton*)m_listCommands.GetNext(pos))->ResetImageToDefault();
}

void CTavoPToolbarMenuButton::SetRadio()
{
    m_bIsRadio = TRUE;
    if (m_pWndParent != nullptr && ::IsWindow(m_pWndParent->GetSafeHwnd()))
    {
        const CRect rect = GetImageColumn();
        m_pWndParent->InvalidateRect(rect);
        m_pWndParent->UpdateWindow();
    }
}

CRect CTavoPToolbarMenuButton::GetImageColumn() const
{
    const int nMargin = CTavoPVisualManager::GetInstance()->GetMenuImageMargin();
    CRect rect = m_rect;
    rect.left += nMargin;
    rect.right = rect.left + nMargin + CTavoPToolBar::GetMenuImageSize().cx;
    return rect;
}

void CTavoPToolbarMenuButton::GetMenuItemMetrics(int& nIndent, int& nArrowWidth)
{
    nIndent = CTavoPToolBar::GetMenuImageSize().cx / 2 + 3;
    nArrowWidth = CTavoPMenuGlyphImages::Size().cx;
}

BOOL CTavoPToolbarMenuButton::OnBeforeDrag() const
{
    if (m_pPopupMenu != nullptr)
        m_pPopupMenu->CancelAllItems();
    return TRUE;
}

void CTavoPToolbarMenuButton::ClosePopupChain()
{
    if (m_pWndParent == nullptr)
        return;
    CTavoPPopupMenu* pPopup = DYNAMIC_DOWNCAST(
        CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(m_pWndParent->GetSafeHwnd())));
    if (pPopup == nullptr)
        return;
    while (pPopup->GetParentPopupMenu() != nullptr)
        pPopup = pPopup->GetParentPopupMenu();
    pPopup->CloseMenu(FALSE);
}

// ---- parent, size and clicks ----

void CTavoPToolbarMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CTavoPToolbarButton::OnChangeParentWnd(pWndParent);
    if (pWndParent != nullptr)
    {
        if (pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar)))
        {
            m_bDrawDownArrow = (m_nID != 0 && !m_listCommands.IsEmpty()) ||
                               ((CTavoPMenuBar*)pWndParent)->HasDropDownArrows();
            m_bText = TRUE;
            m_bImage = FALSE;
        }
        else
            m_bDrawDownArrow = m_nID == 0 || !m_listCommands.IsEmpty();

        m_bMenuMode = pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar));
        if (m_bMenuMode)
        {
            m_bText = TRUE;
            m_bImage = FALSE;
        }
    }
    m_pWndParent = pWndParent;
}

void CTavoPToolbarMenuButton::UpdateShortcutText()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr || pWorkspace->m_pKeyboardManager == nullptr ||
        (m_nID >= 0xF000 && m_nID <= 0xF1EF))
        return;
    // The shortcut the table holds now replaces the one the menu was written with.
    const int nTab = m_strText.Find(_T('\t'));
    if (nTab >= 0)
        m_strText = m_strText.Left(nTab);

    // The frame the user works in holds the shortcuts, also for a menu of a floating bar.
    CFrameWnd* pFrame = CTavoPFrameImpl::GetLastActiveFrame();
    if (pFrame == nullptr && m_pWndParent != nullptr)
        pFrame = m_pWndParent->GetTopLevelFrame();
    else if (pFrame == nullptr)
        pFrame = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    if (pFrame == nullptr)
        return;
    CString strShortcut;
    CFrameWnd* pActive = pFrame->GetActiveFrame();
    if (CTavoPKeyboardManager::GetShortcutText(m_nID, strShortcut, pFrame, TRUE) ||
        (pActive != nullptr &&
         CTavoPKeyboardManager::GetShortcutText(m_nID, strShortcut, pActive, FALSE)))
        m_strText += _T("\t") + strShortcut;
}

SIZE CTavoPToolbarMenuButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    m_bHorzLayout = bHorz;
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    const int nFactor = CTavoPToolBar::IsLargeIcons() ? 2 : 1;
    int e = 0;
    if (m_bDrawDownArrow || m_bMenuMode)
        e = (bHorz ? sizeGlyph.cx : sizeGlyph.cy) * nFactor - 1;

    if (m_bMenuMode)
        UpdateShortcutText();

    CSize size = CTavoPToolbarButton::OnCalculateSize(pDC, sizeDefault, bHorz);
    if (bHorz)
        size.cx += e;
    if (m_bMenuMode)
        size.cx += sizeDefault.cx + 6;

    CTavoPPopupMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pWndParent);
    if (pMenuBar != nullptr)
        size.cy = pMenuBar->GetRowHeight();
    else if (!bHorz)
        size.cy += e;

    if (!m_bMenuMode)
    {
        const int nMargin = 2 * CTavoPVisualManager::GetInstance()->GetMenuImageMargin();
        if (bHorz)
            size.cx += nMargin;
        else
            size.cy += nMargin;
    }
    return size;
}

CRect CTavoPToolbarMenuButton::GetArrowRect(const CRect& rect) const
{
    CRect rectArrow = rect;
    const CSize sizeExtra = CTavoPVisualManager::GetInstance()->GetButtonExtraSize();
    if (IsOnPlainToolBar() && (sizeExtra.cx != 0 || sizeExtra.cy != 0))
        rectArrow.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);
    const CSize sizeGlyph = CTavoPMenuGlyphImages::Size();
    const int m = CTavoPToolBar::IsLargeIcons() ? 2 : 1;
    if (m_bHorzLayout)
        rectArrow.left = rectArrow.right - sizeGlyph.cx * m - 2;
    else
        rectArrow.top = rectArrow.bottom - sizeGlyph.cy * m - 2;
    return rectArrow;
}

BOOL CTavoPToolbarMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    m_bClickedOnArrow = FALSE;
    if (m_bDrawDownArrow && !bDelay && !m_bMenuMode)
    {
        if (m_nID != 0 && m_nID != (UINT)-1)
        {
            CPoint point;
            ::GetCursorPos(&point);
            if (pWnd != nullptr)
                pWnd->ScreenToClient(&point);
            m_bClickedOnArrow = GetArrowRect(m_rect).PtInRect(point);
            if (!m_bClickedOnArrow)
                return FALSE;
        }
        else
            m_bClickedOnArrow = TRUE;
    }

    if (!m_bClickedOnArrow && m_nID != 0 && m_nID != (UINT)-1 && !m_bDrawDownArrow && !m_bMenuOnly)
        return FALSE;

    CTavoPPopupMenuBar* pPopupBar = DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pWndParent);
    CTavoPToolBar* pParentBar = DYNAMIC_DOWNCAST(CTavoPToolBar, m_pWndParent);
    if (m_pPopupMenu != nullptr)
    {
        // A second click closes this popup only, not the menus it hangs from.
        CTavoPPopupMenu* pPopup = m_pPopupMenu;
        pPopup->SetCloseParent(FALSE);
        m_pPopupMenu = nullptr;
        pPopup->DestroyWindow();
    }
    else if (bDelay && pPopupBar != nullptr && !CTavoPToolBar::IsCustomizeMode())
        pPopupBar->ScheduleOpenSubMenu(this, 1);
    else
    {
        if (pParentBar != nullptr && pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPMenuBar)))
        {
            CTavoPToolbarMenuButton* pOpen = pParentBar->GetDroppedDownMenu();
            if (pOpen != nullptr && pOpen != this)
                pOpen->OnCancelMode();
        }
        if (!OpenPopupMenu(pWnd))
            return FALSE;
    }

    if (m_pWndParent != nullptr && ::IsWindow(m_pWndParent->GetSafeHwnd()))
    {
        CRect rect = m_rect;
        rect.InflateRect(4, 4);
        m_pWndParent->InvalidateRect(rect);
    }
    return TRUE;
}

BOOL CTavoPToolbarMenuButton::OpenPopupMenu(CWnd* pWnd)
{
    if (m_pPopupMenu != nullptr)
        return FALSE;
    if (pWnd == nullptr)
        pWnd = m_pWndParent;
    if (pWnd == nullptr)
        return FALSE;

    CRect rect = m_rect;
    pWnd->ClientToScreen(&rect);
    int x = rect.left;
    int y = rect.bottom - 1;
    int nDrop = CTavoPPopupMenu::DROP_DOWN;
    CTavoPMenuBar* pMenuBar = DYNAMIC_DOWNCAST(CTavoPMenuBar, m_pWndParent);
    if (m_pWndParent != nullptr && m_pWndParent->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)))
    {
        CRect rectBar;
        m_pWndParent->GetWindowRect(&rectBar);
        x = rectBar.right + 1;
        y = rect.top - 2;
        nDrop = CTavoPPopupMenu::DROP_RIGHT;
    }
    else if (pMenuBar != nullptr && !pMenuBar->IsHorizontal())
    {
        x = rect.right + 1;
        y = rect.top;
        nDrop = CTavoPPopupMenu::DROP_RIGHT;
    }

    HMENU hMenu = CreateMenu();
    if (hMenu == NULL && !IsEmptyMenuAllowed())
        return FALSE;
    CTavoPPopupMenu* pPopup = CreatePopupMenu();
    if (pPopup == nullptr)
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    if (pPopup->GetMenuItemCount() > 0 && hMenu != NULL)
    {
        ::DestroyMenu(hMenu);
        hMenu = NULL;
    }

    CWnd* pWndMessage = m_pWndMessage;
    if (pWndMessage == nullptr)
    {
        CTavoPPopupMenu* pParentPopup = DYNAMIC_DOWNCAST(
            CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(pWnd->GetSafeHwnd())));
        if (pParentPopup != nullptr)
            pWndMessage = pParentPopup->GetMessageWnd();
    }
    // Known before the popup activates, so that a library dialog receiving its commands also
    // gives it the keys.
    if (pWndMessage != nullptr)
        pPopup->SetMessageWnd(pWndMessage);

    m_pPopupMenu = pPopup;
    pPopup->SetParentButton(this, (CTavoPPopupMenu::DropDirection)nDrop);
    if (!pPopup->Create(pWnd, x, y, hMenu, FALSE, FALSE))
    {
        m_pPopupMenu = nullptr;
        return FALSE;
    }
    if (m_pPopupMenu == nullptr)
        return TRUE; // refused by the frame: already closed again
    if (pWndMessage != nullptr)
        pPopup->SetMessageWnd(pWndMessage);
    return TRUE;
}

void CTavoPToolbarMenuButton::OnCancelMode()
{
    if (m_pPopupMenu != nullptr && ::IsWindow(m_pPopupMenu->GetSafeHwnd()))
    {
        if (m_pPopupMenu->IsInCommand())
            return;
        CTavoPPopupMenu* pPopup = m_pPopupMenu;
        pPopup->CancelAllItems();
        pPopup->SetCloseParent(FALSE);
        pPopup->SendMessage(WM_CLOSE);
    }
    m_pPopupMenu = nullptr;
    if (m_pWndParent != nullptr && ::IsWindow(m_pWndParent->GetSafeHwnd()))
    {
        CRect rect = m_rect;
        rect.InflateRect(4, 4);
        m_pWndParent->InvalidateRect(rect);
        m_pWndParent->UpdateWindow();
    }
    m_bToBeClosed = FALSE;
}
