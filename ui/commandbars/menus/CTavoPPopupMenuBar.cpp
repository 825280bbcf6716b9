#include "ui/commandbars/menus/CTavoPPopupMenuBar.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPRegistry.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

BEGIN_MESSAGE_MAP(CTavoPPopupMenuBar, CTavoPToolBar)
    ON_WM_NCCALCSIZE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CREATE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_TEXT, OnToolbarText)
    ON_COMMAND(ID_TAVOP_CUSTOMIZE_IMAGE_AND_TEXT, OnToolbarImageAndText)
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPPopupMenuBar, CTavoPToolBar, 1)

int CTavoPPopupMenuBar::m_nMenuShowDelay = -1;

namespace {

const int kSeparatorHeight = 8;

} // namespace

UINT CTavoPPopupMenuBar::MnemonicOf(const CString& strText)
{
    UINT uiChar = 0;
    for (int i = 0; i + 1 < strText.GetLength(); i++)
    {
        if (strText[i] != '&')
            continue;
        if (strText[i + 1] == '&')
        {
            i++;
            continue;
        }
        uiChar = (UINT)(BYTE)strText[i + 1];
    }
    return uiChar == 0 ? 0 : (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)uiChar) & 0xFF;
}

CTavoPPopupMenuBar::CTavoPPopupMenuBar()
    : m_uiDefaultMenuCmdId(0), m_pDelayedPopupMenuButton(nullptr),
      m_pDelayedClosePopupMenuButton(nullptr), m_bFirstClick(TRUE), m_bFirstMove(TRUE),
      m_iOffset(0), m_xSeparatorOffsetLeft(0), m_xSeparatorOffsetRight(0),
      m_bAreAllCommandsShown(TRUE), m_bInCommand(FALSE), m_bTrackMode(FALSE),
      m_bAcceptRelease(TRUE), m_bHideImageColumn(FALSE)
{
    m_bMenuMode = TRUE;
}

CTavoPPopupMenuBar::~CTavoPPopupMenuBar()
{}

CTavoPPopupMenu* CTavoPPopupMenuBar::GetPopup() const
{
    return DYNAMIC_DOWNCAST(CTavoPPopupMenu, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

CWnd* CTavoPPopupMenuBar::GetOwnerPopupMenu() const
{
    return GetPopup();
}

CWnd* CTavoPPopupMenuBar::GetPopupMessageWnd() const
{
    CTavoPPopupMenu* pPopup = GetPopup();
    return pPopup != nullptr ? pPopup->GetMessageWnd() : nullptr;
}

// The window the menu works for: the first window up the owner chain that is not a popup menu
// (those close before their commands arrive), else the application's main window.
CWnd* CTavoPPopupMenuBar::GetMenuOwner() const
{
    CWnd* pWnd = GetPopup();
    while (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenu)))
        pWnd = pWnd->GetOwner();
    if (pWnd == nullptr)
        pWnd = AfxGetMainWnd();
    return pWnd;
}

CWnd* CTavoPPopupMenuBar::GetMessageTarget() const
{
    CWnd* pMessage = GetPopupMessageWnd();
    return pMessage != nullptr ? pMessage : GetMenuOwner();
}

// ---- creation ----

int CTavoPPopupMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_nMenuShowDelay == -1)
        ReadMenuShowDelay();
    return 0;
}

void CTavoPPopupMenuBar::ReadMenuShowDelay()
{
    m_nMenuShowDelay = 500;
    CTavoPStateKey key(_T("Control Panel\\Desktop"), CTavoPStateKey::forReading);
    CString strDelay;
    if (key->ReadString(_T("MenuShowDelay"), strDelay))
    {
        // Compared as unsigned, a negative setting counts as a very long delay.
        const UINT uiDelay = (UINT)atol(strDelay);
        m_nMenuShowDelay = (int)std::min(uiDelay, 5000u);
    }
}

void CTavoPPopupMenuBar::OnNcCalcSize(BOOL /*bCalcValidRects*/, NCCALCSIZE_PARAMS* /*lpncsp*/)
{
    // No border: the client is the whole window.
}

void CTavoPPopupMenuBar::KillDelayTimers()
{
    if (GetSafeHwnd() != NULL)
    {
        KillTimer(kTimerOpenSubMenu);
        KillTimer(kTimerCloseSubMenu);
    }
    m_pDelayedPopupMenuButton = nullptr;
    m_pDelayedClosePopupMenuButton = nullptr;
}

void CTavoPPopupMenuBar::RemoveAllButtons()
{
    // The delayed items are about to be deleted with the rest.
    KillDelayTimers();
    CTavoPToolBar::RemoveAllButtons();
}

void CTavoPPopupMenuBar::OnDestroy()
{
    KillDelayTimers();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarMenuButton* pItem =
            DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, (CObject*)m_Buttons.GetNext(pos));
        if (pItem == nullptr || pItem->GetPopupMenu() == nullptr)
            continue;
        CTavoPPopupMenu* pChild = pItem->GetPopupMenu();
        if (IsCustomizeMode())
            pChild->SaveItemsToParentButtons();
        pChild->SetCloseParent(FALSE);
        if (::IsWindow(pChild->GetSafeHwnd()))
            pChild->SendMessage(WM_CLOSE);
    }
    CTavoPToolBar::OnDestroy();
}

// ---- import and export ----

CWnd* CTavoPPopupMenuBar::GetInitMenuTarget() const
{
    CWnd* pTarget = GetPopupMessageWnd();
    if (pTarget == nullptr)
        pTarget = AfxGetMainWnd();
    if (pTarget == nullptr)
        pTarget = GetTopLevelFrame();
    return pTarget;
}

BOOL CTavoPPopupMenuBar::ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands)
{
    RemoveAllButtons();
    m_bAreAllCommandsShown = TRUE;
    m_HiddenItemsAccel.RemoveAll();
    if (hMenu == NULL || !::IsMenu(hMenu))
        return FALSE;

    CWnd* pTarget = GetInitMenuTarget();
    if (pTarget != nullptr && ::IsWindow(pTarget->GetSafeHwnd()))
        pTarget->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, MAKELPARAM(m_iOffset, 0));
    if (!::IsMenu(hMenu))
        return FALSE;

    CTavoPWorkspace* pWorkspace = GetWorkspace();
    const BOOL bPool = pWorkspace != nullptr && pWorkspace->m_pTearOffManager != nullptr;
    const BOOL bStatistics = GetCommandUsage().HasEnoughData();
    const CTavoPUserToolsManager* pTools =
        pWorkspace != nullptr ? pWorkspace->m_pUserToolsManager : nullptr;
    CTavoPToolbarButton* pLastKept = nullptr;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        char szText[257] = "";
        ::GetMenuStringA(hMenu, (UINT)i, szText, 256, MF_BYPOSITION);
        CString strText = szText;
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfo(hMenu, (UINT)i, TRUE, &info))
            continue;
        const UINT uiState = ::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION);

        if (info.fType & MFT_SEPARATOR)
        {
            const BOOL bAfterSeparator =
                pLastKept != nullptr && (pLastKept->m_nStyle & TBBS_SEPARATOR) != 0;
            if (pLastKept != nullptr && !bAfterSeparator && i != nCount - 1)
            {
                InsertSeparator();
                pLastKept = GetButton(GetCount() - 1);
            }
            continue;
        }

        UINT uiCmd = info.wID;
        UINT uiTearOff = 0;
        if (info.hSubMenu != NULL)
        {
            uiCmd = (UINT)-1;
            if (bPool)
                uiTearOff = CTavoPMenuIdPool::ExtractId(strText);
        }

        const BOOL bShow = m_bTrackMode || bShowAllCommands ||
                           CTavoPPopupMenu::m_bShowAllCommands ||
                           !CTavoPToolBar::m_bRecentlyUsedMenus || !bStatistics ||
                           !CTavoPToolBar::IsCommandRarelyUsed(uiCmd);
        if (!bShow)
        {
            if (UnpermittedCommands().Find(uiCmd) == nullptr)
            {
                m_bAreAllCommandsShown = FALSE;
                const UINT uiMnemonic = MnemonicOf(strText);
                if (uiMnemonic != 0)
                    m_HiddenItemsAccel.SetAt(uiMnemonic, uiCmd);
            }
            continue;
        }

        const int iImage = uiCmd == (UINT)-1 ? -1 : GetCommandManager()->GetCmdImage(uiCmd, FALSE);
        CTavoPToolbarMenuButton* pItem =
            new CTavoPToolbarMenuButton(uiCmd, info.hSubMenu, iImage, strText);
        const int iIndex = InsertButton(pItem);
        if (iIndex < 0)
        {
            delete pItem;
            continue;
        }
        pItem->m_bImage = pItem->GetImage() >= 0;
        UINT nStyle = pItem->m_nStyle;
        const BOOL bUserTool = pTools != nullptr && pTools->IsUserToolCmd(uiCmd);
        if ((uiState & (MF_GRAYED | MF_DISABLED)) && !bUserTool)
            nStyle |= TBBS_DISABLED;
        if (uiState & MF_CHECKED)
            nStyle |= TBBS_CHECKED;
        if (info.fType & MFT_MENUBREAK)
            nStyle |= TAVOP_TBBS_BREAK;
        pItem->m_nStyle = nStyle;
        pItem->SetTearOff(uiTearOff);
        pLastKept = pItem;
    }
    // A separator that ended up last (the items after it were hidden) goes too.
    if (GetCount() > 0 && (GetButton(GetCount() - 1)->m_nStyle & TBBS_SEPARATOR))
        RemoveButton(GetCount() - 1);

    m_uiDefaultMenuCmdId = ::GetMenuDefaultItem(hMenu, FALSE, GMDI_USEDISABLED);
    return TRUE;
}

HMENU CTavoPPopupMenuBar::CreateMenuFromItems()
{
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return NULL;
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    const BOOL bPool = pWorkspace != nullptr && pWorkspace->m_pTearOffManager != nullptr;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            ::AppendMenu(hMenu, MF_SEPARATOR, 0, NULL);
            continue;
        }
        CTavoPToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
        if (pItem == nullptr)
            continue;
        HMENU hSubMenu = pItem->GetCommands().IsEmpty() ? NULL : pItem->CreateMenu();
        if (hSubMenu != NULL)
        {
            UINT uiFlags = MF_POPUP;
            if (pItem->m_nStyle & TAVOP_TBBS_BREAK)
                uiFlags |= MF_MENUBREAK;
            CString strText = pItem->m_strText;
            if (pItem->GetTearOffID() != 0 && bPool)
                CTavoPMenuIdPool::EmbedId(pItem->GetTearOffID(), strText);
            ::AppendMenu(hMenu, uiFlags, (UINT_PTR)hSubMenu, strText);
            if (GetGlobalData().m_bIsOldNT)
                ::DestroyMenu(hSubMenu);
        }
        else
            ::AppendMenu(hMenu, MF_STRING, pItem->m_nID, pItem->m_strText);
    }
    if (m_uiDefaultMenuCmdId != 0 && m_uiDefaultMenuCmdId != (UINT)-1)
        ::SetMenuDefaultItem(hMenu, m_uiDefaultMenuCmdId, FALSE);
    return hMenu;
}

// ---- metrics and layout ----

int CTavoPPopupMenuBar::GetRowHeight() const
{
    const CSize sizeImage = GetMenuImageSize();
    return std::max({(int)sizeImage.cy + 4, GetGlobalData().GetTextHeight() + 4, 18});
}

CSize CTavoPPopupMenuBar::CalcSize(BOOL /*bVertDock*/)
{
    if (m_Buttons.IsEmpty())
        return CSize(52, 22);

    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);
    const CSize sizeImage = GetMenuImageSize();
    const CSize sizeBox(sizeImage.cx + 4, std::max((int)sizeImage.cy + 4, GetRowHeight()));

    m_arColumns.RemoveAll();
    int nColumnsWidth = 0;
    int nColumnWidth = 0;
    int nColumnHeight = 0;
    int nTallest = 0;
    const BOOL bColumns = !IsCustomizeMode();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (bColumns && (pButton->m_nStyle & TAVOP_TBBS_BREAK) && nColumnHeight > 0)
        {
            nColumnsWidth += nColumnWidth + 1;
            m_arColumns.Add((UINT)nColumnsWidth);
            nTallest = std::max(nTallest, nColumnHeight);
            nColumnWidth = 0;
            nColumnHeight = 0;
        }
        CSize size;
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            size = CSize(0, kSeparatorHeight);
        else
        {
            CFont* pItemFont = nullptr;
            if (pButton->m_nID == m_uiDefaultMenuCmdId && m_uiDefaultMenuCmdId != 0)
                pItemFont = dc.SelectObject(&GetGlobalData().fontBold);
            size = pButton->OnCalculateSize(&dc, sizeBox, TRUE);
            if (pItemFont != nullptr)
                dc.SelectObject(pItemFont);
            if (pButton->m_strText.Find('\t') > 0)
                size.cx += 10;
        }
        nColumnWidth = std::max(nColumnWidth, (int)size.cx);
        nColumnHeight += size.cy;
    }
    nTallest = std::max(nTallest, nColumnHeight);
    dc.SelectObject(pOldFont);
    return CSize(nColumnsWidth + nColumnWidth + 2, nTallest + 2);
}

void CTavoPPopupMenuBar::LayoutButtons()
{
    if (GetSafeHwnd() == NULL)
        return;
    CTavoPToolbarMenuButton::GetMenuItemMetrics(m_xSeparatorOffsetLeft, m_xSeparatorOffsetRight);

    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bColumns = !IsCustomizeMode() && m_arColumns.GetSize() > 0;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(&GetGlobalData().fontRegular);

    const int yTop = rectClient.top - GetRowHeight() * m_iOffset + 1;
    int x = rectClient.left;
    int y = yTop;
    int iColumn = 0;
    int nColumnRight = bColumns ? (int)m_arColumns[0] : rectClient.right;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (bColumns && (pButton->m_nStyle & TAVOP_TBBS_BREAK) && y != yTop)
        {
            x = (int)m_arColumns[iColumn];
            iColumn++;
            nColumnRight =
                iColumn < m_arColumns.GetSize() ? (int)m_arColumns[iColumn] : rectClient.right;
            y = yTop;
        }
        CRect rect;
        if (pButton->m_nStyle & TBBS_SEPARATOR)
            rect = CRect(x + m_xSeparatorOffsetLeft, y, nColumnRight - m_xSeparatorOffsetRight,
                         y + kSeparatorHeight);
        else
        {
            const CSize size = pButton->OnCalculateSize(
                &dc, CSize(GetMenuImageSize().cx + 4, GetRowHeight()), TRUE);
            rect = CRect(x, y, bColumns ? nColumnRight - 1 : rectClient.right, y + size.cy);
        }
        if (rect != pButton->Rect())
            pButton->SetRect(rect);
        y = rect.bottom;
    }
    dc.SelectObject(pOldFont);
    UpdateTooltips();

    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (HitTest(point) >= 0)
        m_bAcceptRelease = FALSE;
}

void CTavoPPopupMenuBar::AdjustLayout()
{
    LayoutButtons();
    Invalidate();
    CTavoPPopupMenu* pPopup = GetPopup();
    if (IsCustomizeMode() && pPopup != nullptr)
        pPopup->RecalcLayout(FALSE);
}

void CTavoPPopupMenuBar::SetOffset(int iOffset)
{
    if (m_iOffset == iOffset)
        return;
    m_iOffset = iOffset;
    LayoutButtons();
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

void CTavoPPopupMenuBar::FillButtonArea(CDC* pDC, CRect rect, BOOL /*bHorz*/)
{
    CTavoPToolBar::FillButtonArea(pDC, rect, FALSE);
}

void CTavoPPopupMenuBar::OnFillBackground(CDC* pDC)
{
    CTavoPPopupMenu* pPopup = GetPopup();
    if (IsCustomizeMode() || !CTavoPToolBar::m_bRecentlyUsedMenus || pPopup == nullptr ||
        pPopup->GetParentButton() == nullptr)
        return;

    CRect rectRun;
    rectRun.SetRectEmpty();
    CTavoPToolbarButton* pPendingSeparator = nullptr;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            pPendingSeparator = pButton;
            continue;
        }
        const BOOL bRare = pButton->m_nID != (UINT)-1 && IsCommandRarelyUsed(pButton->m_nID);
        if (bRare)
        {
            if (rectRun.IsRectEmpty())
                rectRun = pButton->Rect();
            else
                rectRun.bottom = pButton->Rect().bottom;
        }
        else if (!rectRun.IsRectEmpty())
        {
            rectRun.bottom =
                pPendingSeparator != nullptr ? pPendingSeparator->Rect().top : pButton->Rect().top;
            CTavoPVisualManager::GetInstance()->OnHighlightRarelyUsedMenuItems(pDC, rectRun);
            rectRun.SetRectEmpty();
        }
        pPendingSeparator = nullptr;
    }
    if (!rectRun.IsRectEmpty())
        CTavoPVisualManager::GetInstance()->OnHighlightRarelyUsedMenuItems(pDC, rectRun);
}

void CTavoPPopupMenuBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    CTavoPToolbarButton* pButton = GetButton(nIndex);
    if (pButton == nullptr)
        return;
    const UINT nOldStyle = pButton->m_nStyle;
    if (nOldStyle == nStyle)
        return;
    pButton->SetStyle(nStyle);
    if (GetSafeHwnd() == NULL)
        return;
    CTavoPToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, pButton);
    if (pItem != nullptr && ((nOldStyle ^ nStyle) & TBBS_CHECKED))
    {
        CRect rect = pItem->GetImageColumn();
        rect.InflateRect(2 * ::GetSystemMetrics(SM_CXBORDER), 2 * ::GetSystemMetrics(SM_CYBORDER));
        InvalidateRect(rect);
        return;
    }
    if ((nOldStyle & TBBS_PRESSED) && (nStyle & TBBS_PRESSED))
        return;
    if ((nOldStyle ^ nStyle) != TBBS_CHECKBOX)
        InvalidateButton(nIndex);
}

CWnd* CTavoPPopupMenuBar::GetCommandTarget() const
{
    if (m_bTrackMode)
        return nullptr;
    CWnd* pMessage = GetPopupMessageWnd();
    if (pMessage != nullptr)
        return pMessage;
    CWnd* pOwner = GetMenuOwner();
    if (pOwner != nullptr && !pOwner->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
    {
        CFrameWnd* pFrame = pOwner->GetParentFrame();
        if (pFrame != nullptr)
            return pFrame;
    }
    return pOwner;
}

LRESULT CTavoPPopupMenuBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM /*lParam*/)
{
    if (m_bTrackMode || !IsWindowVisible())
        return 0;
    CFrameWnd* pTarget = (CFrameWnd*)GetCommandTarget();
    if (pTarget != nullptr)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

// The animation prints the bar into its frame bitmap: it must paint like WM_PAINT does.
LRESULT CTavoPPopupMenuBar::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
    CDC* pDC = CDC::FromHandle((HDC)wParam);
    if (pDC != nullptr)
        DoPaint(pDC);
    return 0;
}

INT_PTR CTavoPPopupMenuBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // Without a tip to build, the item under the point answers with its command (help mode).
    if (pTI == nullptr)
        return CTavoPToolBar::OnToolHitTest(point, pTI);
    // Only an item with a tip of its own (the show-all item) has one: a menu item's label is
    // its whole text and its prompt goes to the status line, so a tip would only repeat the
    // label over the items below it.
    CTavoPToolbarButton* pButton = GetButton(const_cast<CTavoPPopupMenuBar*>(this)->HitTest(point));
    if (pButton == nullptr || !m_bShowTooltips)
        return -1;
    TOOLINFO ti = *pTI;
    ti.lpszText = nullptr;
    if (!pButton->OnToolHitTest(this, &ti) || ti.lpszText == nullptr)
    {
        free(ti.lpszText);
        return -1;
    }
    *pTI = ti;
    pTI->rect = pButton->Rect();
    pTI->hwnd = GetSafeHwnd();
    return (INT_PTR)ti.uId;
}
