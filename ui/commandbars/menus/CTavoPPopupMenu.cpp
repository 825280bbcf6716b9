#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "res/LibraryIds.h"
#include <algorithm>
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/commandbars/CTavoPShowAllButton.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPMenuSound.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/controls/CTavoPDialogPopupHelper.h"
#include "ui/controls/customize/CTavoPMenuPage.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/WorkArea.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPMenuGlyphImages.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "ui/foundation/CTavoPVisualManager.h"

BEGIN_MESSAGE_MAP(CTavoPPopupMenu, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPPopupMenu, CMiniFrameWnd)

int CTavoPPopupMenu::m_AnimationType = NO_ANIMATION;
BOOL CTavoPPopupMenu::m_bMenuShadows = TRUE;
int CTavoPPopupMenu::m_AnimationSpeed = 30;
BOOL CTavoPPopupMenu::m_bShowAllCommands = FALSE;
BOOL CTavoPPopupMenu::m_bAutoDestroyMenus = TRUE;
CTavoPPopupMenu* CTavoPPopupMenu::m_pActivePopupMenu = nullptr;
clock_t CTavoPPopupMenu::m_nLastAnimTime = 0;

namespace {

const UINT kRecentFileCommand = 57616; // the first recent-file command
const int kScrollInterval = 80;
const int kTearOffCaptionHeight = 10;

} // namespace

CTavoPPopupMenu::CTavoPPopupMenu()
    : m_bAutoDestroyParent(TRUE), m_pMessageWnd(nullptr), m_pParentBtn(nullptr),
      m_DropDirection(DROP_NONE), m_hMenu(NULL), m_ptLocation(0, 0), m_ptLocationInitial(0, 0),
      m_FinalSize(0, 0), m_nMenuBarHeight(0), m_bAutoDestroy(TRUE), m_bTrackMode(FALSE),
      m_bPainted(FALSE), m_bIsClosing(FALSE), m_AnimSize(0, 0), m_bIsAnimRight(TRUE),
      m_bIsAnimDown(TRUE), m_bAnimationIsDone(m_AnimationType == NO_ANIMATION), m_bAnimate(FALSE),
      m_iFadePercent(0), m_iShadowSize(0), m_bScrollable(FALSE), m_rectScrollUp(0, 0, 0, 0),
      m_rectScrollDn(0, 0, 0, 0), m_iScrollMode(0), m_iScrollBtnHeight(0),
      m_bTearOffTracking(FALSE), m_rectTearOffCaption(0, 0, 0, 0), m_bInRecalc(FALSE),
      m_bScrollButtonsPlaced(FALSE)
{
    for (int i = 0; i < 3; i++)
    {
        m_hbmpAnimation[i] = NULL;
        m_pAnimationBits[i] = nullptr;
    }
    CTavoPMenuGlyphImages::Initialize();
    m_iScrollBtnHeight = CTavoPMenuGlyphImages::Size().cy + 4;
    const int nBitsPerPixel = GetGlobalData().m_nBitsPerPixel;
    if (m_bMenuShadows && !CTavoPToolBar::IsCustomizeMode() && nBitsPerPixel > 8)
        m_iShadowSize = CTavoPVisualManager::GetInstance()->GetMenuShadowDepth();
    if (m_AnimationType == FADE && nBitsPerPixel <= 8)
    {
        m_AnimationType = NO_ANIMATION;
        m_bAnimationIsDone = TRUE;
    }
}

CTavoPPopupMenu::CTavoPPopupMenu(CTavoPMenuPage* pMenuPage, LPCTSTR lpszTitle) : CTavoPPopupMenu()
{
    m_pMenuPage = pMenuPage;
    m_strCaption = lpszTitle != nullptr ? lpszTitle : _T("");
}

CTavoPPopupMenu::~CTavoPPopupMenu()
{
    if (m_pActivePopupMenu == this)
        m_pActivePopupMenu = nullptr;
    if (m_bAutoDestroy && m_hMenu != NULL && ::IsMenu(m_hMenu))
        ::DestroyMenu(m_hMenu);
    FreeBitmaps();
}

void CTavoPPopupMenu::FreeAnimationBitmaps()
{
    for (int i = 0; i < 3; i++)
    {
        if (m_hbmpAnimation[i] != NULL)
            ::DeleteObject(m_hbmpAnimation[i]);
        m_hbmpAnimation[i] = NULL;
        m_pAnimationBits[i] = nullptr;
    }
}

void CTavoPPopupMenu::FreeBitmaps()
{
    FreeAnimationBitmaps();
    m_bmpScreen.DeleteObject();
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
}

CTavoPPopupMenu* CTavoPPopupMenu::GetParentPopupMenu() const
{
    if (m_pParentBtn == nullptr)
        return nullptr;
    CTavoPPopupMenuBar* pParentBar =
        DYNAMIC_DOWNCAST(CTavoPPopupMenuBar, m_pParentBtn->GetParentWnd());
    if (pParentBar == nullptr)
        return nullptr;
    return DYNAMIC_DOWNCAST(CTavoPPopupMenu,
                            CWnd::FromHandlePermanent(::GetParent(pParentBar->GetSafeHwnd())));
}

CFrameWnd* CTavoPPopupMenu::GetTopFrame() const
{
    return CTavoPFrameHooks::GetTopFrameOf(this);
}

// ---- items ----

int CTavoPPopupMenu::InsertItem(const CTavoPToolbarButton& button, int iInsertAt)
{
    return GetMenuBar()->InsertButtonCopy(button, iInsertAt);
}

int CTavoPPopupMenu::InsertSeparator(int iInsertAt)
{
    return GetMenuBar()->InsertSeparator(iInsertAt);
}

void CTavoPPopupMenu::RemoveAllItems()
{
    GetMenuBar()->RemoveAllButtons();
}

int CTavoPPopupMenu::GetMenuItemCount() const
{
    return const_cast<CTavoPPopupMenu*>(this)->GetMenuBar()->GetCount();
}

CTavoPToolbarButton* CTavoPPopupMenu::GetMenuItem(int iIndex) const
{
    return const_cast<CTavoPPopupMenu*>(this)->GetMenuBar()->GetButton(iIndex);
}

void CTavoPPopupMenu::CancelAllItems()
{
    const CObList& list = GetMenuBar()->GetAllButtons();
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        ((CTavoPToolbarButton*)list.GetNext(pos))->OnCancelMode();
}

// ---- creation ----

BOOL CTavoPPopupMenu::Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked,
                             BOOL bOwnMessage)
{
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    if (pWndParent == nullptr)
        return FALSE;

    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW),
                                            (HBRUSH)(COLOR_BTNFACE + 1), NULL);
    m_hMenu = hMenu;
    if (x == -1 && y == -1)
    {
        CPoint point(0, 0);
        pWndParent->ClientToScreen(&point);
        x = point.x + 5;
        y = point.y + 5;
    }
    m_ptLocation = CPoint(x, y);
    m_ptLocationInitial = m_ptLocation;
    m_bAnimate = m_AnimationType != NO_ANIMATION && !CTavoPToolBar::IsCustomizeMode();
    m_bAnimationIsDone = !m_bAnimate;

    CTavoPPopupMenu* pParentPopup = GetParentPopupMenu();
    if (pParentPopup != nullptr)
        m_bTrackMode = pParentPopup->m_bTrackMode;
    if (bOwnMessage)
        m_pMessageWnd = pWndParent;
    else if (pParentPopup != nullptr)
        m_pMessageWnd = pParentPopup->GetMessageWnd();

    CWnd* pParent = pWndParent;
    HWND hwndOwner = ::GetWindow(pWndParent->GetSafeHwnd(), GW_OWNER);
    if (hwndOwner == NULL)
        hwndOwner = ::GetParent(pWndParent->GetSafeHwnd());
    if (hwndOwner != NULL && CWnd::FromHandlePermanent(hwndOwner) != nullptr)
        pParent = CWnd::FromHandlePermanent(hwndOwner);

    // The menu page's popup is a small window the user moves and closes like any other.
    const DWORD dwStyle = m_pMenuPage != nullptr ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_POPUP;
    if (!CMiniFrameWnd::CreateEx(0, lpszClass, m_strCaption, dwStyle, CRect(x, y, x, y), pParent))
        return FALSE;
    if (GetSafeHwnd() == NULL)
        return TRUE; // closed while it was being created (a frame refused it)

    GetMenuBar()->SetLocked(bLocked);
    if (m_bAnimate)
        StartAnimation();
    UpdateShadow();
    if (m_iShadowSize == 0 && m_AnimationType == FADE)
        m_AnimSize = m_FinalSize;
    SaveScreenUnderPopup();
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (CTavoPToolBar::IsCustomizeMode())
    {
        GetMenuBar()->Invalidate();
        GetMenuBar()->UpdateWindow();
    }
    return TRUE;
}

int CTavoPPopupMenu::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    DWORD dwStyle = WS_CHILD | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                    CBRS_HIDE_INPLACE | CBRS_TOOLTIPS | CBRS_FLYBY;
    if (!m_bAnimate || CTavoPToolBar::IsCustomizeMode())
        dwStyle |= WS_VISIBLE;
    GetMenuBar()->SetTrackMode(m_bTrackMode);
    // Most popups close before the mouse rests on an item: no tool tip control until it does.
    GetMenuBar()->SetToolTipOnDemand(TRUE);
    if (GetMenuBar()->Create(this, dwStyle, 1))
    {
        GetMenuBar()->SetTrackMode(m_bTrackMode);
        InitMenuBar();
    }
    return 0;
}

BOOL CTavoPPopupMenu::InitMenuBar()
{
    if (m_hMenu != NULL)
    {
        BOOL bImport = m_pParentBtn != nullptr;
        if (!bImport)
            bImport = !GetBarStateCache().Load((UINT)(UINT_PTR)m_hMenu, GetMenuBar());
        if (bImport && !GetMenuBar()->ImportFromMenu(m_hMenu, m_pParentBtn == nullptr))
            return FALSE;
    }

    if (!CTavoPToolBar::IsCustomizeMode())
    {
        ExpandRecentFiles();
        InsertUserTools();
    }

    // A dialog that shows the menu updates its items as a frame does: the update routes
    // through any command target.
    CWnd* pTarget = GetMenuBar()->GetCommandTarget();
    if (pTarget == nullptr)
        pTarget = GetTopFrame();
    if (pTarget != nullptr)
        GetMenuBar()->OnUpdateCmdUI((CFrameWnd*)pTarget, FALSE);

    if (!ActivatePopupMenu(GetTopFrame(), this))
        return FALSE;
    RecalcLayout(TRUE);
    return TRUE;
}

void CTavoPPopupMenu::ExpandRecentFiles()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || pApp->m_pRecentFileList == nullptr)
        return;
    int iRecent = -1;
    for (int i = 0; i < GetMenuBar()->GetCount(); i++)
    {
        CTavoPToolbarButton* pItem = GetMenuBar()->GetButton(i);
        if (pItem->m_nID == kRecentFileCommand && pItem->m_strText == _T("Recent File"))
        {
            iRecent = i;
            break;
        }
    }
    if (iRecent < 0)
        return;

    char szDir[MAX_PATH + 2] = "";
    ::GetCurrentDirectoryA(MAX_PATH, szDir);
    CString strDir = szDir;
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\')
        strDir += '\\';

    CRecentFileList& list = *pApp->m_pRecentFileList;
    int iInsert = iRecent + 1;
    int nShown = 0;
    for (int k = 0; k < list.GetSize(); k++)
    {
        CString strName = list[k];
        if (strName.IsEmpty())
            continue;
        if (strName.GetLength() > strDir.GetLength() &&
            strName.Left(strDir.GetLength()).CompareNoCase(strDir) == 0)
            strName = strName.Mid(strDir.GetLength());
        // A file name is shown as it stands: its own "&" must not become a mnemonic.
        strName.Replace(_T("&"), _T("&&"));
        CString strText;
        strText.Format(_T("&%d %s"), ++nShown, (LPCTSTR)strName);
        CTavoPToolbarMenuButton item(kRecentFileCommand + k, NULL, -1, strText);
        GetMenuBar()->InsertButtonCopy(item, iInsert++);
    }
    // The placeholder goes last: the bar's removal also drops a separator it leaves doubled.
    GetMenuBar()->RemoveButton(iRecent);
    if (nShown == 0 && iRecent > 0 && iRecent < GetMenuBar()->GetCount() &&
        (GetMenuBar()->GetButton(iRecent - 1)->m_nStyle & TBBS_SEPARATOR) &&
        (GetMenuBar()->GetButton(iRecent)->m_nStyle & TBBS_SEPARATOR))
        GetMenuBar()->RemoveButton(iRecent);
}

void CTavoPPopupMenu::InsertUserTools()
{
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    CTavoPUserToolsManager* pTools =
        pWorkspace != nullptr ? pWorkspace->m_pUserToolsManager : nullptr;
    if (pTools == nullptr || pTools->GetToolsEntryCmd() == 0)
        return;
    const int iPlace = GetMenuBar()->CommandToIndex(pTools->GetToolsEntryCmd());
    if (iPlace < 0)
        return;
    GetMenuBar()->RemoveButton(iPlace);

    auto isSeparator = [this](int i) {
        CTavoPToolbarButton* pItem = GetMenuBar()->GetButton(i);
        return pItem != nullptr && (pItem->m_nStyle & TBBS_SEPARATOR) != 0;
    };
    const CObList& tools = pTools->GetUserTools();
    int iInsert = iPlace;
    if (iInsert > 0 && !isSeparator(iInsert - 1) && !tools.IsEmpty() &&
        GetMenuBar()->GetCount() > 0)
        GetMenuBar()->InsertSeparator(iInsert++);
    for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;)
    {
        const CTavoPUserTool* pTool = (const CTavoPUserTool*)tools.GetNext(pos);
        const int iUserImage = GetCommandManager()->GetCmdImage(pTool->m_uiCmdId, TRUE);
        CTavoPToolbarMenuButton item(pTool->m_uiCmdId, NULL, iUserImage >= 0 ? iUserImage : 0,
                                     pTool->m_strLabel, iUserImage >= 0);
        GetMenuBar()->InsertButtonCopy(item, iInsert++);
    }
    if (!tools.IsEmpty() && iInsert < GetMenuBar()->GetCount() && !isSeparator(iInsert))
        GetMenuBar()->InsertSeparator(iInsert);
    // Where the placeholder stood between two separators, one of them goes.
    const int iCheck = std::max(iInsert, 1);
    if (isSeparator(iCheck) && isSeparator(iCheck - 1))
        GetMenuBar()->RemoveButton(iCheck);
}

BOOL CTavoPPopupMenu::ActivatePopupMenu(CFrameWnd* pTopFrame, CTavoPPopupMenu* pPopupMenu)
{
    // A library frame may refuse the popup; other frames accept it.
    CTavoPFrameHooks* pLibraryFrame = CTavoPFrameHooks::FromFrame(pTopFrame);
    if (pLibraryFrame != nullptr && !pLibraryFrame->OnShowPopupMenu(pPopupMenu))
    {
        if (pPopupMenu != nullptr && !pPopupMenu->m_bIsClosing)
            pPopupMenu->CloseMenu(FALSE);
        return FALSE;
    }
    if (pPopupMenu != nullptr)
    {
        // A library dialog that opened the popup gives it its keys and watches for outside clicks.
        if (CTavoPDialogPopupHelper* pHelper =
                CTavoPDialogPopupHelper::FromWnd(pPopupMenu->GetMessageWnd()))
            pHelper->SetActiveMenu(pPopupMenu);
        CTavoPPopupMenuBar* pBar = pPopupMenu->GetMenuBar();
        if (pPopupMenu->GetParentButton() != nullptr && !pBar->AreAllCommandsShown())
        {
            const int nCount = pBar->GetCount();
            CTavoPToolbarButton* pLast = nCount > 0 ? pBar->GetButton(nCount - 1) : nullptr;
            if (pLast == nullptr || !pLast->IsKindOf(RUNTIME_CLASS(CTavoPShowAllButton)))
                pBar->InsertButtonCopy(CTavoPShowAllButton());
        }
    }
    m_pActivePopupMenu = pPopupMenu;
    return TRUE;
}

// ---- placement ----

void CTavoPPopupMenu::RecalcLayout(BOOL /*bNotify*/)
{
    if (GetSafeHwnd() == NULL || GetMenuBar()->GetSafeHwnd() == NULL || m_bInRecalc)
        return;
    m_bInRecalc = TRUE;

    const BOOL bCustomize = CTavoPToolBar::IsCustomizeMode();
    const BOOL bTearOff = m_pParentBtn != nullptr && m_pParentBtn->IsTearOffMenu() && !bCustomize;

    const CRect rectWork = GetWorkAreaAt(m_ptLocation);

    int x = std::max((int)rectWork.left, std::min((int)m_ptLocation.x, (int)rectWork.right));
    int y = std::max((int)rectWork.top, std::min((int)m_ptLocation.y, (int)rectWork.bottom));

    CSize size = GetMenuBar()->CalcSize(TRUE);
    size.cx += 4;
    size.cy += 4;
    m_rectTearOffCaption.SetRectEmpty();
    if (m_pMenuPage != nullptr)
        size.cy += ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * ::GetSystemMetrics(SM_CYBORDER) + 5;
    else if (bTearOff)
    {
        m_rectTearOffCaption = CRect(2, 2, size.cx - 2, 2 + kTearOffCaptionHeight);
        size.cy += kTearOffCaptionHeight;
        if (m_wndToolTip.GetSafeHwnd() == NULL && m_wndToolTip.Create(this, TTS_ALWAYSTIP))
        {
            CString strTip;
            {
                CTavoPResourceScope scope;
                strTip.LoadString(IDS_TAVOP_TEAR_OFF_TIP);
            }
            m_wndToolTip.AddTool(this, strTip, m_rectTearOffCaption, 1);
            m_wndToolTip.Activate(TRUE);
        }
        else if (m_wndToolTip.GetSafeHwnd() != NULL)
            m_wndToolTip.SetToolRect(this, 1, m_rectTearOffCaption);
    }

    CTavoPPopupMenu* pParentPopup = GetParentPopupMenu();
    if (x + size.cx > rectWork.right)
    {
        CTavoPMenuBar* pMenuBar =
            m_pParentBtn != nullptr ? DYNAMIC_DOWNCAST(CTavoPMenuBar, m_pParentBtn->GetParentWnd())
                                    : nullptr;
        if (pParentPopup != nullptr)
        {
            CRect rectParent;
            pParentPopup->GetWindowRect(rectParent);
            x = rectParent.left - size.cx;
            m_DropDirection = DROP_LEFT;
        }
        else if (pMenuBar != nullptr && !pMenuBar->IsHorizontal())
        {
            CRect rectBar;
            pMenuBar->GetWindowRect(rectBar);
            x = rectBar.left - size.cx;
            m_DropDirection = DROP_LEFT;
        }
        else
        {
            x = rectWork.right - size.cx - 1;
            m_DropDirection = DROP_NONE;
        }
        if (x < rectWork.left)
        {
            x = rectWork.left;
            m_DropDirection = DROP_NONE;
        }
        m_bIsAnimRight = FALSE;
        if (m_AnimationType == FADE)
            m_bIsAnimRight = m_bIsAnimDown = FALSE;
    }

    m_bScrollable = FALSE;
    if (y + size.cy > rectWork.bottom)
    {
        m_bIsAnimDown = FALSE;
        CWnd* pButtonWnd = m_pParentBtn != nullptr ? m_pParentBtn->GetParentWnd() : nullptr;
        if (pButtonWnd != nullptr && pParentPopup == nullptr &&
            ::IsWindow(pButtonWnd->GetSafeHwnd()))
        {
            CRect rectButton = m_pParentBtn->Rect();
            pButtonWnd->ClientToScreen(&rectButton);
            const int yAbove = rectButton.top - size.cy;
            // Room above the button is measured from the top of the work area, which need not
            // be the top of the screen.
            if (yAbove < rectWork.top)
            {
                const int nAbove = rectButton.top - rectWork.top;
                const int nBelow = rectWork.bottom - y;
                if (nAbove > nBelow)
                {
                    y = rectWork.top;
                    size.cy = nAbove;
                    m_DropDirection = DROP_NONE;
                }
                else
                {
                    size.cy = nBelow;
                    m_bIsAnimDown = TRUE;
                }
                m_bScrollable = TRUE;
            }
            else
            {
                y = yAbove;
                m_DropDirection = DROP_UP;
            }
        }
        else
        {
            y -= size.cy;
            if (pParentPopup != nullptr)
                y += pParentPopup->GetMenuBar()->GetRowHeight() + 4;
        }
        if (y < rectWork.top)
        {
            y = rectWork.top;
            m_DropDirection = DROP_NONE;
        }
        if (y + size.cy > rectWork.bottom)
        {
            m_bScrollable = TRUE;
            size.cy = rectWork.bottom - y;
        }
    }

    m_FinalSize = size;
    m_ptLocation = CPoint(x, y);
    const int nShadow = bCustomize ? 0 : m_iShadowSize;
    m_bScrollButtonsPlaced = FALSE;
    // The menu page's popup stays where the user left it.
    const UINT uiMove = m_pMenuPage != nullptr ? SWP_NOMOVE : 0;
    SetWindowPos(NULL, x, y, size.cx + nShadow, size.cy + nShadow,
                 SWP_NOZORDER | SWP_NOACTIVATE | uiMove);
    if (!m_bScrollButtonsPlaced)
        UpdateScrollButtons();
    if (bCustomize)
        GetMenuBar()->LayoutButtons();
    else if (m_iShadowSize > 0)
        RepaintParentButtonUnderShadow();
    m_bInRecalc = FALSE;
}

void CTavoPPopupMenu::RepaintParentButtonUnderShadow()
{
    CWnd* pButtonWnd = m_pParentBtn != nullptr ? m_pParentBtn->GetParentWnd() : nullptr;
    if (pButtonWnd == nullptr || !::IsWindow(pButtonWnd->GetSafeHwnd()))
        return;
    // The button is drawn open a little towards its popup.
    CRect rectButton = m_pParentBtn->Rect();
    pButtonWnd->ClientToScreen(rectButton);
    rectButton.InflateRect(m_iShadowSize, m_iShadowSize);
    CRect rectRight, rectBottom;
    GetShadowStrips(rectRight, rectBottom);
    if (!CRect().IntersectRect(rectButton, rectRight) &&
        !CRect().IntersectRect(rectButton, rectBottom))
        return;
    pButtonWnd->InvalidateRect(m_pParentBtn->Rect());
    pButtonWnd->UpdateWindow();
}

void CTavoPPopupMenu::UpdateScrollButtons()
{
    if (GetMenuBar()->GetSafeHwnd() == NULL)
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    if (!CTavoPToolBar::IsCustomizeMode())
    {
        rectClient.right -= m_iShadowSize;
        rectClient.bottom -= m_iShadowSize;
    }
    rectClient.DeflateRect(2, 2);
    rectClient.top += m_rectTearOffCaption.Height();

    const CRect rectUpOld = m_rectScrollUp;
    const CRect rectDnOld = m_rectScrollDn;
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    CRect rectBar = rectClient;
    if (m_bScrollable)
    {
        m_rectScrollUp = CRect(rectClient.left, rectClient.top, rectClient.right,
                               rectClient.top + m_iScrollBtnHeight);
        m_rectScrollDn = CRect(rectClient.left, rectClient.bottom - m_iScrollBtnHeight,
                               rectClient.right, rectClient.bottom);
        rectBar.top = m_rectScrollUp.bottom;
        rectBar.bottom = m_rectScrollDn.top - 2;
    }
    else if (GetSafeHwnd() != NULL)
        KillTimer(kTimerScroll);

    UINT uiFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (!m_bScrollable && m_bAnimationIsDone)
        uiFlags |= SWP_NOREDRAW;
    GetMenuBar()->SetWindowPos(NULL, rectBar.left, rectBar.top, rectBar.Width(), rectBar.Height(),
                               uiFlags);
    m_nMenuBarHeight = rectBar.Height();
    GetMenuBar()->LayoutButtons();
    m_bScrollButtonsPlaced = TRUE;
    if (rectUpOld != m_rectScrollUp)
        InvalidateRect(rectUpOld.IsRectEmpty() ? m_rectScrollUp : rectUpOld);
    if (rectDnOld != m_rectScrollDn)
        InvalidateRect(rectDnOld.IsRectEmpty() ? m_rectScrollDn : rectDnOld);
}

void CTavoPPopupMenu::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    UpdateScrollButtons();
}

int CTavoPPopupMenu::HitTest(CPoint ptScreen) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    if (!rectClient.PtInRect(ptScreen))
        return HitOutside;
    CPoint point = ptScreen;
    ScreenToClient(&point);
    GetClientRect(rectClient);
    if (m_iShadowSize > 0 && point.x >= rectClient.right - m_iShadowSize)
        return HitRightShadow;
    if (m_iShadowSize > 0 && point.y >= rectClient.bottom - m_iShadowSize)
        return HitBottomShadow;
    if (m_rectTearOffCaption.PtInRect(point))
        return HitTearOff;
    return HitNone;
}

// ---- closing ----

void CTavoPPopupMenu::CloseMenu(BOOL bSetFocusToBar)
{
    m_bIsClosing = TRUE;
    if (CTavoPToolBar::IsCustomizeMode())
        SaveItemsToParentButtons();
    CTavoPPopupMenu* pParentPopup = GetParentPopupMenu();
    if (pParentPopup != nullptr)
    {
        m_bAutoDestroyParent = FALSE;
        ActivatePopupMenu(GetTopFrame(), pParentPopup);
    }
    else
    {
        ActivatePopupMenu(GetTopFrame(), nullptr);
        if (CTavoPDialogPopupHelper* pHelper = CTavoPDialogPopupHelper::FromWnd(m_pMessageWnd))
            pHelper->SetActiveMenu(nullptr);
        if (bSetFocusToBar && m_pParentBtn != nullptr && m_pParentBtn->GetParentWnd() != nullptr &&
            ::IsWindow(m_pParentBtn->GetParentWnd()->GetSafeHwnd()))
            m_pParentBtn->GetParentWnd()->SetFocus();
    }
    SendMessage(WM_CLOSE);
}

void CTavoPPopupMenu::SaveItemsToParentButtons()
{
    for (CTavoPPopupMenu* pPopup = this; pPopup != nullptr; pPopup = pPopup->GetParentPopupMenu())
    {
        CTavoPToolbarMenuButton* pButton = pPopup->GetParentButton();
        if (pButton == nullptr || pPopup->GetMenuBar()->GetSafeHwnd() == NULL)
            break;
        HMENU hMenu = pPopup->GetMenuBar()->CreateMenuFromItems();
        pButton->CreateFromMenu(hMenu);
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
    }
}

void CTavoPPopupMenu::OnDestroy()
{
    // The platform may send a second WM_DESTROY when the window is destroyed again while it
    // goes; the chain below runs once.
    if (m_bDestroying)
        return;
    m_bDestroying = TRUE;
    // Found while this popup still hangs in its chain, which it may leave below.
    CWnd* pPromptTarget =
        ::IsWindow(m_wndMenuBar.GetSafeHwnd()) ? m_wndMenuBar.GetMessageTarget() : nullptr;
    const HWND hwndPromptTarget = pPromptTarget != nullptr ? pPromptTarget->GetSafeHwnd() : NULL;
    KillTimer(kTimerAnimation);
    KillTimer(kTimerScroll);
    // An item dragged out of this menu as a move leaves it now: the end of its drag finds the
    // menu gone.
    CTavoPToolbarButton* pDragged = m_wndMenuBar.GetDragButton();
    if (pDragged != nullptr && !m_wndMenuBar.IsDragCopy())
        m_wndMenuBar.RemoveButton(m_wndMenuBar.ButtonToIndex(pDragged));
    CFrameWnd* pTopFrame = GetTopFrame();
    if (m_pParentBtn != nullptr)
    {
        if (CTavoPToolBar::IsCustomizeMode())
            SaveItemsToParentButtons();
        CTavoPPopupMenu* pParentPopup = GetParentPopupMenu();
        CTavoPToolbarMenuButton* pButton = m_pParentBtn;
        pButton->OnPopupDestroyed();
        if (pParentPopup != nullptr)
        {
            if (m_bAutoDestroyParent && !CTavoPToolBar::IsCustomizeMode() &&
                ::IsWindow(pParentPopup->GetSafeHwnd()))
            {
                // The parent destroys the windows it owns, and this one is already going: it
                // leaves the parent first, or the parent's end would start this one's again
                // and never come to its own.
                ::SetWindowLongPtr(m_hWnd, GWLP_HWNDPARENT, 0);
                pParentPopup->SendMessage(WM_CLOSE);
            }
            m_pParentBtn = nullptr;
        }
    }
    else
        m_bShowAllCommands = FALSE;

    if (m_pMenuPage != nullptr)
        m_pMenuPage->OnCloseContextMenu(this);

    // The dialog that opened the popup lets go of it, unless a sub-menu closing alone left its
    // parent popup active.
    CTavoPDialogPopupHelper* pHelper = CTavoPDialogPopupHelper::FromWnd(m_pMessageWnd);
    if (pHelper != nullptr && CTavoPDialogPopupHelper::GetCurrent() == pHelper &&
        (m_pActivePopupMenu == this || m_pActivePopupMenu == nullptr))
        pHelper->SetActiveMenu(nullptr);

    CTavoPFrameHooks* pLibraryFrame = CTavoPFrameHooks::FromFrame(pTopFrame);
    if (pLibraryFrame != nullptr)
        pLibraryFrame->OnClosePopupMenu(this);
    if (m_pActivePopupMenu == this)
        m_pActivePopupMenu = nullptr;

    if (!CTavoPToolBar::IsCustomizeMode() && pTopFrame != nullptr &&
        m_pActivePopupMenu == nullptr && m_pParentBtn != nullptr)
    {
        CTavoPToolBar* pBar = DYNAMIC_DOWNCAST(CTavoPToolBar, m_pParentBtn->GetParentWnd());
        if (pBar != nullptr && ::IsWindow(pBar->GetSafeHwnd()) &&
            ::GetFocus() != pBar->GetSafeHwnd())
            pBar->ClearHot();
    }
    // However the last menu closed, the status line leaves the last item's prompt for the idle
    // one, as it does after a toolbar button.
    if (!CTavoPToolBar::IsCustomizeMode() && m_pActivePopupMenu == nullptr &&
        ::IsWindow(hwndPromptTarget))
        ::SendMessage(hwndPromptTarget, WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE, 0);
    CMiniFrameWnd::OnDestroy();
}

void CTavoPPopupMenu::PostNcDestroy()
{
    if (m_pParentBtn != nullptr)
        m_pParentBtn->OnCancelMode();
    CMiniFrameWnd::PostNcDestroy();
}

void CTavoPPopupMenu::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/)
{
    if (bActive || CTavoPToolBar::IsCustomizeMode() || IsInCommand())
        return;
    if (m_bTrackMode)
        m_bIsClosing = TRUE;
    PostMessage(WM_CLOSE);
}

int CTavoPPopupMenu::OnMouseActivate(CWnd* /*pDesktopWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    return MA_NOACTIVATE;
}

BOOL CTavoPPopupMenu::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.GetSafeHwnd() != NULL &&
        (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN ||
         pMsg->message == WM_LBUTTONUP))
        m_wndToolTip.RelayEvent(pMsg);
    return CMiniFrameWnd::PreTranslateMessage(pMsg);
}

// The tear-off caption is lit while its tip shows.
BOOL CTavoPPopupMenu::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pHeader = (const NMHDR*)lParam;
    if (pHeader != nullptr && m_wndToolTip.GetSafeHwnd() != NULL &&
        pHeader->hwndFrom == m_wndToolTip.GetSafeHwnd() &&
        (pHeader->code == TTN_SHOW || pHeader->code == TTN_POP))
    {
        m_bTearOffHighlighted = pHeader->code == TTN_SHOW;
        InvalidateRect(m_rectTearOffCaption);
        UpdateWindow();
    }
    return CMiniFrameWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CTavoPPopupMenu::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMiniFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pMessageWnd != nullptr && m_pMessageWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- keys ----

void CTavoPPopupMenu::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (GetMenuBar()->GetSafeHwnd() == NULL)
        return;
    const BOOL bCustomize = CTavoPToolBar::IsCustomizeMode();
    CWnd* pButtonBar = m_pParentBtn != nullptr ? m_pParentBtn->GetParentWnd() : nullptr;
    CTavoPToolBar* pParentBar = DYNAMIC_DOWNCAST(CTavoPToolBar, pButtonBar);
    switch (nChar)
    {
    case VK_RETURN:
        if (!bCustomize)
            GetMenuBar()->OnKey(nChar);
        return;
    case VK_ESCAPE: CloseMenu(TRUE); return;
    case VK_LEFT:
        if (pParentBar != nullptr && ::IsWindow(pParentBar->GetSafeHwnd()))
            pParentBar->DropPrevMenu();
        else if (m_pParentBtn != nullptr && m_pParentBtn->IsDroppedDown())
            CloseMenu(FALSE);
        return;
    case VK_RIGHT:
    {
        const int nAnimation = m_AnimationType;
        m_AnimationType = NO_ANIMATION;
        CTavoPToolbarMenuButton* pSelected =
            DYNAMIC_DOWNCAST(CTavoPToolbarMenuButton, GetMenuBar()->GetHotButton());
        BOOL bDone = FALSE;
        if (pSelected != nullptr &&
            (pSelected->m_nID == (UINT)-1 || pSelected->m_nID == 0 ||
             pSelected->IsEmptyMenuAllowed()) &&
            (pSelected->GetPopupMenu() != nullptr || pSelected->OpenPopupMenu(GetMenuBar())))
        {
            CTavoPPopupMenu* pChild = pSelected->GetPopupMenu();
            if (pChild != nullptr)
                pChild->SendMessage(WM_KEYDOWN, VK_HOME);
            bDone = TRUE;
        }
        m_AnimationType = nAnimation;
        if (bDone)
            return;
        if (pParentBar != nullptr && !pParentBar->IsKindOf(RUNTIME_CLASS(CTavoPPopupMenuBar)) &&
            ::IsWindow(pParentBar->GetSafeHwnd()))
            pParentBar->DropNextMenu();
        else
        {
            CTavoPPopupMenu* pParentPopup = GetParentPopupMenu();
            if (pParentPopup != nullptr)
                pParentPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
        }
        return;
    }
    case VK_DOWN:
        if ((::GetKeyState(VK_CONTROL) & 0x8000) && !GetMenuBar()->AreAllCommandsShown())
        {
            ShowAllCommands();
            return;
        }
        // fall through
    case VK_UP:
    case VK_HOME:
    case VK_END:
        if (!bCustomize)
        {
            GetMenuBar()->OnKey(nChar);
            if (m_bScrollable)
                EnsureSelectedVisible();
        }
        return;
    default:
        if (!GetMenuBar()->OnKey(nChar))
            CMiniFrameWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CTavoPPopupMenu::EnsureSelectedVisible()
{
    const int iHot = GetMenuBar()->GetHighlightedButton();
    CTavoPToolbarButton* pHot = GetMenuBar()->GetButton(iHot);
    if (pHot == nullptr || GetMenuBar()->GetSafeHwnd() == NULL)
        return;
    const int nRow = std::max(1, GetMenuBar()->GetRowHeight());
    CRect rectBar;
    GetMenuBar()->GetClientRect(rectBar);
    // Bounded by the rows the item area between the scroll buttons holds, so that the last
    // items can be reached.
    const int nMaxOffset = std::max(0, GetMenuBar()->GetCount() - m_nMenuBarHeight / nRow + 1);
    int iOffset = GetMenuBar()->GetOffset();
    if (pHot->Rect().top < rectBar.top)
        iOffset -= (rectBar.top - pHot->Rect().top) / nRow + 1;
    else if (pHot->Rect().bottom > rectBar.bottom)
        iOffset += (pHot->Rect().bottom - rectBar.bottom) / nRow + 1;
    iOffset = std::max(0, std::min(iOffset, nMaxOffset));
    if (iOffset != GetMenuBar()->GetOffset())
    {
        GetMenuBar()->SetOffset(iOffset);
        UpdateScrollButtons();
        Invalidate();
    }
}

void CTavoPPopupMenu::ShowAllCommands()
{
    if (m_pParentBtn == nullptr)
        return;
    GetMenuBar()->RemoveAllButtons();
    m_bShowAllCommands = TRUE;
    CTavoPMenuSound::PlayMenuSound(CTavoPMenuSound::PopupSound);
    ShowWindow(SW_HIDE);
    m_bPainted = FALSE;
    FreeBitmaps();
    m_ptLocation = m_ptLocationInitial;
    InitMenuBar();
    UpdateShadow();
    SaveScreenUnderPopup();
    ShowWindow(SW_SHOWNOACTIVATE);
    CWnd* pButtonWnd = m_pParentBtn != nullptr ? m_pParentBtn->GetParentWnd() : nullptr;
    if (pButtonWnd != nullptr && ::IsWindow(pButtonWnd->GetSafeHwnd()))
    {
        pButtonWnd->InvalidateRect(m_pParentBtn->Rect());
        pButtonWnd->UpdateWindow();
    }
}

// ---- mouse: scroll buttons and the tear-off caption ----

void CTavoPPopupMenu::OnMouseMove(UINT nFlags, CPoint point)
{
    CMiniFrameWnd::OnMouseMove(nFlags, point);
    if (m_bScrollable)
    {
        int iMode = 0;
        if (m_rectScrollUp.PtInRect(point) && GetMenuBar()->GetOffset() > 0)
            iMode = -1;
        else if (m_rectScrollDn.PtInRect(point))
            iMode = 1;
        if (iMode != m_iScrollMode)
        {
            m_iScrollMode = iMode;
            if (iMode != 0)
                SetTimer(kTimerScroll, kScrollInterval, NULL);
            else
                KillTimer(kTimerScroll);
            InvalidateRect(m_rectScrollUp);
            InvalidateRect(m_rectScrollDn);
        }
    }
    if (m_bTearOffTracking && !m_rectTearOffCaption.PtInRect(point))
    {
        m_bTearOffTracking = FALSE;
        ::ReleaseCapture();
        InvalidateRect(m_rectTearOffCaption);
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        // A placed tear-off closes this popup: nothing of it may be touched after.
        TearOff(ptScreen);
    }
}

void CTavoPPopupMenu::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!CTavoPToolBar::IsCustomizeMode() && m_rectTearOffCaption.PtInRect(point))
    {
        m_bTearOffTracking = TRUE;
        SetCapture();
        InvalidateRect(m_rectTearOffCaption);
        return;
    }
    CMiniFrameWnd::OnLButtonDown(nFlags, point);
}

void CTavoPPopupMenu::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTearOffTracking)
    {
        m_bTearOffTracking = FALSE;
        ::ReleaseCapture();
        InvalidateRect(m_rectTearOffCaption);
        return;
    }
    CMiniFrameWnd::OnLButtonUp(nFlags, point);
}
