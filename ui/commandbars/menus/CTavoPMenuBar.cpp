#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/bars/docking/CTavoPDockBar.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPCommandUsage.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButtonsButton.h"
#include "ui/commandbars/menus/CTavoPToolbarSystemMenuButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "res/LibraryIds.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CTavoPMenuBar, CTavoPToolBar)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_TIMER()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETTINGCHANGE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_SERIAL(CTavoPMenuBar, CTavoPToolBar, VERSIONABLE_SCHEMA | 1)

LPCTSTR const CTavoPMenuBar::m_lpszProfileSubKey = _T("TavoMenuBar");

namespace {

const int kMenuTextMax = 256;
const DWORD kShowAllDelay = 5000;

CString MenuTextAt(HMENU hMenu, int i)
{
    char szText[kMenuTextMax + 1] = "";
    ::GetMenuStringA(hMenu, (UINT)i, szText, kMenuTextMax, MF_BYPOSITION);
    return CString(szText);
}

CTavoPMenuIdPool* MenuIdPool()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != NULL ? pWorkspace->m_pTearOffManager : NULL;
}

} // namespace

CTavoPMenuBar::CTavoPMenuBar()
    : m_bPerTemplateMenus(TRUE), m_pParentWnd(NULL), m_bMaximizeMode(FALSE), m_hMenu(NULL),
      m_hDefaultMenu(NULL), m_hSysMenu(NULL), m_hSysIcon(NULL), m_uiDefMenuResId(0),
      m_nSystemButtonsNum(0), m_nSystemButtonsNumSaved(0), m_bHaveButtons(FALSE),
      m_szSystemButton(0, 0), m_pMenuPage(NULL), m_bLoadingState(FALSE), m_bDropDownArrows(FALSE)
{
    m_bMenuMode = FALSE;
    // The bar stretches over its whole row: a bar beside it would be squeezed to nothing.
    SetRowExclusive(TRUE);
}

void CTavoPMenuBar::SetDropDownArrows(BOOL bShow)
{
    m_bDropDownArrows = bShow;
    // The buttons take the option as they join a bar: they join this one again.
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton)))
            pButton->OnChangeParentWnd(this);
    }
    if (GetSafeHwnd() != NULL)
        AdjustLayout();
}

CTavoPMenuBar::~CTavoPMenuBar()
{
    // Only what this bar loaded itself: the frame's menu belongs to the frame and a template's
    // shared menu to its template, which destroy them.
    for (HMENU hMenu : m_builtMenus)
    {
        if (::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
    }
    m_builtMenus.clear();
}

// ---- creation ----

BOOL CTavoPMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_pParentWnd = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
    return CTavoPToolBar::Create(pParentWnd, dwStyle, nID);
}

BOOL CTavoPMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                             UINT nID)
{
    m_pParentWnd = DYNAMIC_DOWNCAST(CFrameWnd, pParentWnd);
    return CTavoPToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle, rcBorders, nID);
}

static void ComputeWindowButtonSize(CSize& size)
{
    const int n = ::GetSystemMetrics(SM_CXMENUSIZE);
    CRect rect(0, 0, n, n);
    CWindowDC dc(NULL);
    ::DrawFrameControl(dc.GetSafeHdc(), rect, DFC_CAPTION, DFCS_ADJUSTRECT);
    size = rect.Size();
    if (size.cx <= 0 || size.cy <= 0)
        size = CSize(n, n);
}

int CTavoPMenuBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavoPToolBar::OnCreate(lpCreateStruct) == -1)
        return -1;

    CWnd* pParent = m_pParentWnd != NULL ? (CWnd*)m_pParentWnd : GetParent();
    if (CTavoPFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPFrameWnd, pParent))
        pFrame->GetFrameImpl()->SetMenuBar(this);
    else if (CTavoPMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, pParent))
        pMDIFrame->GetFrameImpl()->SetMenuBar(this);
    // A menu the frame does not hold as its own (a frame made from a resource hands its menu
    // over before it notes it) is this bar's to destroy.
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pParent);
    if (m_hDefaultMenu != NULL && pFrame != NULL && pFrame->m_hMenuDefault != m_hDefaultMenu &&
        !OwnsMenu(m_hDefaultMenu))
        m_builtMenus.push_back(m_hDefaultMenu);

    CString strName;
    {
        CTavoPResourceScope scope;
        strName.LoadString(IDS_TAVOP_MENU_BAR_TITLE);
    }
    SetWindowText(strName);
    SetBarStyle(GetBarStyle() | CBRS_HIDE_INPLACE);
    ComputeWindowButtonSize(m_szSystemButton);
    return 0;
}

void CTavoPMenuBar::OnDestroy()
{
    KillTimer(kTimerShowAll);
    CTavoPToolBar::OnDestroy();
}

void CTavoPMenuBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CTavoPToolBar::OnSettingChange(uFlags, lpszSection);
    ComputeWindowButtonSize(m_szSystemButton);
    AdjustLayout();
    Invalidate();
}

CFont& CTavoPMenuBar::GetMenuFont(BOOL bHorz)
{
    return bHorz ? GetGlobalData().fontRegular : GetGlobalData().fontVert;
}

CWnd* CTavoPMenuBar::OwnerFrame() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner == NULL)
        pOwner = m_pParentWnd;
    return pOwner != NULL && ::IsWindow(pOwner->GetSafeHwnd()) ? pOwner : NULL;
}

// ---- building the buttons ----

void CTavoPMenuBar::BuildButtons(HMENU hMenu)
{
    if (CTavoPMenuIdPool* pPool = MenuIdPool())
        pPool->AssignIds(hMenu);
    RemoveAllButtons();
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; i++)
    {
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        CString strText = MenuTextAt(hMenu, i);
        if (uiID == 0)
        {
            InsertSeparator();
            continue;
        }
        if (uiID == (UINT)-1)
        {
            UINT uiTearOff = 0;
            if (MenuIdPool() != NULL)
                uiTearOff = CTavoPMenuIdPool::ExtractId(strText);
            CTavoPToolbarMenuButton* pButton =
                new CTavoPToolbarMenuButton(0, ::GetSubMenu(hMenu, i), -1, strText);
            pButton->m_bText = TRUE;
            pButton->m_bImage = FALSE;
            if (uiTearOff != 0)
                pButton->SetTearOff(uiTearOff);
            InsertButton(pButton);
            continue;
        }
        CTavoPToolbarButton* pButton = new CTavoPToolbarButton(uiID, -1, strText);
        pButton->m_bText = TRUE;
        pButton->m_bImage = FALSE;
        InsertButton(pButton);
    }
}

void CTavoPMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu, BOOL bForceUpdate)
{
    if (GetFocus() == this && GetParentFrame() != NULL)
        GetParentFrame()->SetFocus();

    if (hMenu != m_hMenu || IsCustomizeMode() || bForceUpdate)
    {
        if (CTavoPMenuIdPool* pPool = MenuIdPool())
            pPool->ReleaseIds(m_hMenu);
        if (m_hMenu != NULL && GetCount() > 0)
            GetBarStateCache().Save((UINT)(UINT_PTR)m_hMenu, this);

        // A handle that is not a menu leaves the bar as it was.
        if (!::IsMenu(hMenu))
            return;

        const BOOL bMaximize = m_bMaximizeMode;
        SetMaximizeMode(FALSE, NULL, FALSE);
        m_hMenu = hMenu;
        if (bDefaultMenu)
            m_hDefaultMenu = hMenu;

        const DWORD dwAlignment = GetCurrentAlignment();
        if (bForceUpdate || !GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(hMenu), this))
            BuildButtons(hMenu);
        else
            SetCurrentAlignment(dwAlignment);

        if (bMaximize)
        {
            CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pParentWnd);
            if (pMDIFrame != NULL)
                SetMaximizeMode(TRUE, pMDIFrame->MDIGetActive(), TRUE);
        }
        if (GetSafeHwnd() != NULL)
            AdjustLayout();
    }
    else if (m_bMaximizeMode)
    {
        // The same menu: the window buttons may have changed with the child.
        RemoveWindowButtons();
        m_bMaximizeMode = FALSE;
        CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pParentWnd);
        if (pMDIFrame != NULL)
            SetMaximizeMode(TRUE, pMDIFrame->MDIGetActive(), TRUE);
        if (GetSafeHwnd() != NULL)
            Invalidate();
    }
}

// ---- the buttons of a maximized document window ----

BOOL CTavoPMenuBar::IsWindowButton(const CTavoPToolbarButton* pButton) const
{
    return pButton != NULL && (pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButtonsButton)) ||
                               pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarSystemMenuButton)));
}

BOOL CTavoPMenuBar::IsSystemMenuButtonAt(int iIndex) const
{
    CTavoPToolbarButton* pButton = GetButton(iIndex);
    return pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarSystemMenuButton));
}

CMDIChildWnd* CTavoPMenuBar::GetActiveMDIChild() const
{
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pParentWnd);
    return pMDIFrame != NULL ? pMDIFrame->MDIGetActive() : NULL;
}

void CTavoPMenuBar::AddWindowButtons(CWnd* pChild)
{
    if (pChild == NULL || !::IsWindow(pChild->GetSafeHwnd()))
        return;
    HMENU hSysMenu = ::GetSystemMenu(pChild->GetSafeHwnd(), FALSE);
    if (!::IsMenu(hSysMenu))
        return;
    m_hSysMenu = hSysMenu;
    m_hSysIcon = (HICON)pChild->SendMessage(WM_GETICON, ICON_SMALL);
    if (m_hSysIcon == NULL)
        m_hSysIcon = (HICON)::GetClassLongPtr(pChild->GetSafeHwnd(), GCLP_HICONSM);

    InsertButton(new CTavoPToolbarSystemMenuButton(m_hSysMenu, m_hSysIcon), 0);

    // The window buttons go before a customize button at the end.
    const int iInsertAt = m_pCustomizeBtn != NULL ? GetCount() - 1 : -1;
    int nButtons = 0;
    const DWORD dwStyle = pChild->GetStyle();
    if (dwStyle & WS_MINIMIZEBOX)
    {
        InsertButton(new CTavoPToolbarMenuButtonsButton(SC_MINIMIZE),
                     iInsertAt < 0 ? -1 : iInsertAt + 1 + nButtons);
        nButtons++;
    }
    if (dwStyle & WS_MAXIMIZEBOX)
    {
        InsertButton(new CTavoPToolbarMenuButtonsButton(SC_RESTORE),
                     iInsertAt < 0 ? -1 : iInsertAt + 1 + nButtons);
        nButtons++;
    }
    CTavoPToolbarMenuButtonsButton* pClose = new CTavoPToolbarMenuButtonsButton(SC_CLOSE);
    const UINT uiCloseState = ::GetMenuState(m_hSysMenu, SC_CLOSE, MF_BYCOMMAND);
    if (uiCloseState == (UINT)-1 || (uiCloseState & (MF_GRAYED | MF_DISABLED)) != 0)
        pClose->m_nStyle |= TBBS_DISABLED;
    InsertButton(pClose, iInsertAt < 0 ? -1 : iInsertAt + 1 + nButtons);
    nButtons++;
    m_nSystemButtonsNum = nButtons;
}

void CTavoPMenuBar::RemoveWindowButtons()
{
    for (int i = GetCount() - 1; i >= 0; i--)
    {
        if (IsWindowButton(GetButton(i)))
            RemoveButton(i);
    }
    m_nSystemButtonsNum = 0;
}

void CTavoPMenuBar::SetMaximizeMode(BOOL bMax, CWnd* pWnd, BOOL bRecalcLayout)
{
    if (m_bMaximizeMode == bMax)
        return;

    if (bMax)
    {
        if (pWnd == NULL)
            return;
        AddWindowButtons(pWnd);
        m_bMaximizeMode = m_nSystemButtonsNum > 0;
    }
    else
    {
        m_nSystemButtonsNumSaved = m_nSystemButtonsNum;
        RemoveWindowButtons();
        m_bMaximizeMode = FALSE;
    }

    if (bRecalcLayout && GetSafeHwnd() != NULL)
    {
        AdjustLayout();
        Invalidate();
    }
}

void CTavoPMenuBar::RestoreMaximizeMode(BOOL bRecalcLayout)
{
    if (m_bMaximizeMode)
        return;
    CMDIChildWnd* pChild = GetActiveMDIChild();
    BOOL bMaximized = FALSE;
    CMDIFrameWnd* pMDIFrame = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pParentWnd);
    if (pMDIFrame != NULL)
        pMDIFrame->MDIGetActive(&bMaximized);
    if (pChild == NULL || !bMaximized)
        return;
    AddWindowButtons(pChild);
    m_bMaximizeMode = m_nSystemButtonsNum > 0;
    if (m_nSystemButtonsNumSaved > 0)
        m_nSystemButtonsNumSaved = m_nSystemButtonsNum;
    if (bRecalcLayout && m_pParentWnd != NULL && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
    {
        m_pParentWnd->RecalcLayout();
        Invalidate();
    }
}

BOOL CTavoPMenuBar::OnSendCommand(const CTavoPToolbarButton* pButton)
{
    const CTavoPToolbarMenuButtonsButton* pWindowButton =
        DYNAMIC_DOWNCAST(CTavoPToolbarMenuButtonsButton, const_cast<CTavoPToolbarButton*>(pButton));
    if (pWindowButton == NULL)
        return FALSE;
    CMDIChildWnd* pChild = GetActiveMDIChild();
    if (pChild == NULL)
    {
        ::MessageBeep((UINT)-1);
        return TRUE;
    }
    pChild->SendMessage(WM_SYSCOMMAND, pWindowButton->GetSysCommand());
    return TRUE;
}

// ---- layout ----

int CTavoPMenuBar::CalcTextLabelHeight()
{
    const int nResult = CTavoPToolBar::CalcTextLabelHeight();
    m_bHaveButtons = FALSE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetNext(pos);
        if (!IsWindowButton(pButton) && pButton->m_bImage && pButton->GetImage() >= 0)
        {
            m_bHaveButtons = TRUE;
            break;
        }
    }
    return nResult;
}

int CTavoPMenuBar::GetRowHeight() const
{
    int nHeight;
    if (m_bHaveButtons)
        nHeight = (m_bLocked ? m_sizeButtonLocked : GetButtonSize()).cy;
    else
        nHeight = (m_sizeMenuButton.cy > 0 ? m_sizeMenuButton.cy : m_sizeButton.cy) - 2;
    return std::max(nHeight, GetGlobalData().GetTextHeight(IsHorizontalBar()));
}

int CTavoPMenuBar::GetColumnWidth() const
{
    if (m_bHaveButtons)
        return (m_bLocked ? m_sizeButtonLocked : GetButtonSize()).cx;
    return (m_sizeMenuButton.cx > 0 ? m_sizeMenuButton.cx : m_sizeButton.cx) - 2;
}

void CTavoPMenuBar::LayoutButtons()
{
    CTavoPToolBar::LayoutButtons();
    if (!m_bMaximizeMode || GetSafeHwnd() == NULL)
        return;

    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bHorz = IsHorizontalBar();
    int nPos = bHorz ? rectClient.right : rectClient.bottom;
    // Backwards from the last button before the customize button.
    for (POSITION pos = m_Buttons.GetTailPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pButton = (CTavoPToolbarButton*)m_Buttons.GetPrev(pos);
        if (pButton == m_pCustomizeBtn)
        {
            if (!pButton->IsHidden())
                nPos = bHorz ? pButton->Rect().left : pButton->Rect().top;
            continue;
        }
        if (!pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButtonsButton)))
            break;
        CRect rect;
        if (bHorz)
        {
            const int y = rectClient.top + (rectClient.Height() - m_szSystemButton.cy) / 2;
            rect = CRect(nPos - m_szSystemButton.cx, y, nPos, y + m_szSystemButton.cy);
            nPos -= m_szSystemButton.cx + 1;
        }
        else
        {
            const int x = rectClient.left + (rectClient.Width() - m_szSystemButton.cx) / 2;
            rect = CRect(x, nPos - m_szSystemButton.cy, x + m_szSystemButton.cx, nPos);
            nPos -= m_szSystemButton.cy + 1;
        }
        pButton->SetHidden(FALSE);
        pButton->SetRect(rect);
    }
    UpdateTooltips();
}

CSize CTavoPMenuBar::CalcLayout(DWORD dwMode, int nLength)
{
    if (IsFloating() || GetParentDockBar() == NULL || GetSafeHwnd() == NULL)
        return CTavoPToolBar::CalcLayout(dwMode, nLength);

    // Docked, the bar takes the whole length of its row and wraps its buttons to it.
    const BOOL bHorz = (dwMode & LM_HORZ) != 0 || (dwMode & LM_HORZDOCK) != 0;
    CRect rectRow;
    if (CTavoPDockBarRow* pRow = GetDockRow())
        pRow->GetClientRect(rectRow);
    else
        GetParent()->GetClientRect(rectRow);
    return CalcDockedLayout(bHorz ? rectRow.Width() : rectRow.Height(), bHorz);
}

CSize CTavoPMenuBar::CalcStretchedSize(int nLength, BOOL bVert)
{
    if (IsFloating() || GetParentDockBar() == NULL || GetSafeHwnd() == NULL)
        return CTavoPToolBar::CalcStretchedSize(nLength, bVert);
    return CalcDockedLayout(nLength, !bVert);
}

CSize CTavoPMenuBar::CalcDockedLayout(int nRowLength, BOOL bHorz)
{
    CRect rectInside(0, 0, 0, 0);
    CalcInsideRect(rectInside, bHorz);

    CalcTextLabelHeight();
    if (m_pCustomizeBtn != NULL)
        m_pCustomizeBtn->SetCollapsed(FALSE);
    CSize size;
    if (bHorz)
    {
        const int nWidth = nRowLength + rectInside.Width();
        WrapToolBar(std::max(nWidth, GetColumnWidth()));
        size = CalcSize(FALSE);
        size.cx = nRowLength;
        size.cy -= rectInside.Height();
    }
    else
    {
        WrapToolBar(0);
        size = CalcSize(TRUE);
        size.cy = nRowLength;
        size.cx -= rectInside.Width();
    }
    RebuildMnemonics();
    return size;
}

CSize CTavoPMenuBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (m_Buttons.IsEmpty())
    {
        CSize size(GetColumnWidth(), GetRowHeight());
        CRect rectInside(0, 0, 0, 0);
        CalcInsideRect(rectInside, bHorz);
        return CSize(size.cx - rectInside.Width(), size.cy - rectInside.Height());
    }
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0) |
                      (bHorz ? LM_HORZDOCK : LM_VERTDOCK));
}

int CTavoPMenuBar::FindDropIndex(const CPoint point, CRect& rectDrag) const
{
    int iIndex = CTavoPToolBar::FindDropIndex(point, rectDrag);
    if (!m_bMaximizeMode || iIndex < 0)
        return iIndex;
    // Never before the icon nor among the window buttons: just after the last menu.
    int iFirstWindowButton = GetCount();
    for (int i = 0; i < GetCount(); i++)
    {
        if (GetButton(i)->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButtonsButton)))
        {
            iFirstWindowButton = i;
            break;
        }
    }
    if (iIndex == 0 && IsSystemMenuButtonAt(0))
        iIndex = 1;
    if (iIndex > iFirstWindowButton)
        iIndex = iFirstWindowButton;
    return iIndex;
}

INT_PTR CTavoPMenuBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    const int iButton = const_cast<CTavoPMenuBar*>(this)->HitTest(point);
    CTavoPToolbarButton* pButton = GetButton(iButton);
    if (pButton != NULL && pButton->IsKindOf(RUNTIME_CLASS(CTavoPToolbarMenuButton)))
        return -1;
    return CTavoPToolBar::OnToolHitTest(point, pTI);
}

BOOL CTavoPMenuBar::SetDefaultButtonText(CTavoPToolbarButton* pButton)
{
    if (pButton != NULL && m_hMenu != NULL && pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
    {
        char szText[kMenuTextMax + 1] = "";
        if (::GetMenuStringA(m_hMenu, pButton->m_nID, szText, kMenuTextMax, MF_BYCOMMAND) > 0)
        {
            pButton->m_strText = szText;
            return TRUE;
        }
    }
    return CTavoPToolBar::SetDefaultButtonText(pButton);
}

void CTavoPMenuBar::RefreshButtonImages()
{
    if (m_hMenu != NULL)
        GetBarStateCache().Save((UINT)(UINT_PTR)m_hMenu, this);
    std::vector<HMENU> menus;
    for (CMultiDocTemplate* pTemplate : MenuTemplates())
        menus.push_back(pTemplate->m_hMenuShared);
    if (m_hDefaultMenu != NULL)
        menus.push_back(m_hDefaultMenu);
    for (HMENU hMenu : menus)
    {
        if (GetBarStateCache().Load(CTavoPBarStateCache::MenuKey(hMenu), this))
        {
            CTavoPToolBar::RefreshButtonImages();
            GetBarStateCache().Save(CTavoPBarStateCache::MenuKey(hMenu), this);
        }
    }
    if (m_hMenu != NULL)
        GetBarStateCache().Load((UINT)(UINT_PTR)m_hMenu, this);
    if (m_pParentWnd != NULL && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
        m_pParentWnd->RecalcLayout();
}

// ---- keys and focus ----

int CTavoPMenuBar::FirstMenuIndex() const
{
    for (int i = 0; i < GetCount(); i++)
    {
        CTavoPToolbarButton* pButton = GetButton(i);
        if (!IsWindowButton(pButton) && (pButton->m_nStyle & TBBS_SEPARATOR) == 0 &&
            pButton != m_pCustomizeBtn)
            return i;
    }
    return -1;
}

void CTavoPMenuBar::StepHot(int nStep)
{
    const int nCount = GetCount();
    if (nCount == 0 || m_iHighlighted < 0)
        return;
    int i = m_iHighlighted;
    for (int n = 0; n < nCount; n++)
    {
        i = (i + nStep + nCount) % nCount;
        CTavoPToolbarButton* pButton = GetButton(i);
        if (IsWindowButton(pButton) || pButton == m_pCustomizeBtn ||
            (pButton->m_nStyle & TBBS_SEPARATOR) || pButton->IsHidden())
            continue;
        const int iOld = m_iHighlighted;
        m_iHighlighted = m_iHot = i;
        InvalidateButton(iOld);
        InvalidateButton(i);
        UpdateWindow();
        return;
    }
}

BOOL CTavoPMenuBar::PreTranslateMessage(MSG* pMsg)
{
    CTavoPToolbarButton* pHot = GetButton(m_iHighlighted);
    if (pMsg->message == WM_KEYDOWN && GetDroppedDownMenu() == NULL && pHot != NULL &&
        !IsWindowButton(pHot))
    {
        switch (pMsg->wParam)
        {
        case VK_RETURN:
            if (!DropDownMenu(pHot))
                ProcessCommand(pHot);
            return TRUE;
        case VK_ESCAPE:
            ClearHot();
            RestoreFocus();
            CTavoPPopupMenu::m_bShowAllCommands = FALSE;
            return TRUE;
        case VK_LEFT: StepHot(-1); return TRUE;
        case VK_RIGHT: StepHot(1); return TRUE;
        case VK_DOWN: DropDownMenu(pHot); return TRUE;
        default:
            if (TranslateChar((UINT)pMsg->wParam))
                return TRUE;
            break;
        }
    }
    return CTavoPToolBar::PreTranslateMessage(pMsg);
}

void CTavoPMenuBar::OnSetFocus(CWnd* pOldWnd)
{
    CTavoPToolBar::OnSetFocus(pOldWnd);
    if (GetDroppedDownMenu() != NULL)
        return;
    if (CWnd* pOwner = GetOwner())
        pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    if (m_iHighlighted < 0)
    {
        const int iFirst = FirstMenuIndex();
        if (iFirst >= 0)
        {
            m_iHighlighted = m_iHot = iFirst;
            InvalidateButton(iFirst);
            UpdateWindow();
        }
    }
}

// ---- the five-second expansion of a shortened menu ----

void CTavoPMenuBar::SelectButton(int iButton)
{
    CTavoPToolBar::SelectButton(iButton);
    if (GetSafeHwnd() == NULL)
        return;
    KillTimer(kTimerShowAll);
    if (GetDroppedDownMenu() != NULL)
        SetTimer(kTimerShowAll, kShowAllDelay, NULL);
    else
        CTavoPPopupMenu::m_bShowAllCommands = FALSE;
}

void CTavoPMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerShowAll)
    {
        Default();
        return;
    }
    KillTimer(kTimerShowAll);
    CTavoPToolbarMenuButton* pOpen = GetDroppedDownMenu();
    if (pOpen == NULL)
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    CTavoPPopupMenu* pPopup = pOpen->GetPopupMenu();
    if (pOpen->Rect().PtInRect(point) && pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()) &&
        !pPopup->GetMenuBar()->AreAllCommandsShown())
        pPopup->ShowAllCommands();
}

void CTavoPMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CTavoPToolBar::OnLButtonDblClk(nFlags, point);
    const int iButton = HitTest(point);
    CTavoPToolbarMenuButton* pButton =
        DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, GetButton(iButton));
    if (pButton == NULL || IsSystemMenuButtonAt(iButton) || CTavoPPopupMenu::m_bShowAllCommands ||
        !m_bRecentlyUsedMenus || !GetCommandUsage().HasEnoughData() || IsCustomizeMode())
        return;
    CTavoPPopupMenu::m_bShowAllCommands = TRUE;
    pButton->OnCancelMode();
    if (pButton->OnClick(this, FALSE) && pButton->GetPopupMenu() != NULL)
    {
        m_iHighlighted = m_iHot = iButton;
        InvalidateButton(iButton);
        UpdateWindow();
    }
}
