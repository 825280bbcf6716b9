#include "ui/bars/tabs/CTavoPBaseTabWnd.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/bars/CTavoPControlBar.h"
#include "ui/bars/docking/CTavoPBaseTabbedBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingCBWrapper.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CTavoPBaseTabWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CTavoPBaseTabWnd, CWnd)

UINT CTavoPBaseTabWnd::TAVOM_ONCHANGE_ACTIVE_TAB =
    ::RegisterWindowMessage(_T("TAVOM_ONCHANGE_ACTIVE_TAB"));
UINT CTavoPBaseTabWnd::TAVOM_ON_CHANGING_ACTIVE_TAB =
    ::RegisterWindowMessage(_T("TAVOM_ON_CHANGING_ACTIVE_TAB"));
UINT CTavoPBaseTabWnd::TAVOM_ON_MOVE_TAB = ::RegisterWindowMessage(_T("TAVOM_ON_MOVE_TAB"));
UINT CTavoPBaseTabWnd::TAVOM_ON_RENAME_TAB = ::RegisterWindowMessage(_T("TAVOM_ON_RENAME_TAB"));

namespace {

// More tabs than any layout holds: a larger count is damage.
const LONG kMaxStoredTabs = 1024;

// Space above and below a tab's image and text.
const int kTabMargin = 2;

} // namespace

CTavoPBaseTabWnd::CTavoPBaseTabWnd()
    : m_location(LOCATION_BOTTOM), m_iActiveTab(-1), m_sizeImage(0, 0), m_iTabsNum(0),
      m_iCurTabId(1), m_nTabBorderSize(2), m_nTabsHeight(0), m_bAutoDestroyWindow(FALSE),
      m_bHideInactiveWindow(TRUE), m_bActivateLastVisibleTab(FALSE), m_bHotTrack(FALSE),
      m_iHighlighted(-1), m_iPressed(-1), m_iActiveTabBeforeDragStart(-1),
      m_bActivateOnBtnUp(FALSE), m_bEnableTabSwap(TRUE), m_bHideSingleTab(FALSE),
      m_clrActiveTabBk((COLORREF)-1), m_clrActiveTabFg((COLORREF)-1), m_ptHot(0, 0),
      m_nOffsetFromTabLeft(0), m_bReadyToDetach(FALSE), m_pInPlaceEdit(nullptr), m_iEditedTab(-1),
      m_bIsInPlaceEdit(FALSE), m_hImageList(NULL), m_nRestoredActiveTabID(0),
      m_bEnableWrapping(FALSE), m_pWrapperRTC(RUNTIME_CLASS(CTavoPDockingCBWrapper))
{}

CTavoPBaseTabWnd::CTavoPTabInfo::~CTavoPTabInfo()
{
    if (hIcon != NULL)
        ::DestroyIcon(hIcon);
}

CTavoPBaseTabWnd::~CTavoPBaseTabWnd()
{
    m_DropTarget.Revoke();
    delete m_pInPlaceEdit;
    for (int i = 0; i < (int)m_arTabs.GetSize(); i++)
        delete m_arTabs[i];
    m_arTabs.RemoveAll();
}

CTavoPBaseTabWnd::CTavoPTabInfo* CTavoPBaseTabWnd::GetTabInfo(int iTab) const
{
    return iTab >= 0 && iTab < m_iTabsNum ? m_arTabs[iTab] : nullptr;
}

void CTavoPBaseTabWnd::SetTabsHeight()
{
    m_nTabsHeight = std::max((int)m_sizeImage.cy + 2 * kTabMargin,
                             GetGlobalData().GetTextHeight() + 2 * kTabMargin);
}

// ---- the tabs ----

int CTavoPBaseTabWnd::AddTab(CWnd* pWnd, LPCTSTR lpszLabel, UINT uiImage, BOOL bDetachable)
{
    if (pWnd == nullptr || pWnd->GetDlgCtrlID() == -1)
        return -1;
    return InsertTab(pWnd, lpszLabel, -1, uiImage, bDetachable);
}

int CTavoPBaseTabWnd::AddTab(CWnd* pWnd, UINT uiLabelID, UINT uiImage, BOOL bDetachable)
{
    CString strLabel;
    strLabel.LoadString(uiLabelID);
    return AddTab(pWnd, (LPCTSTR)strLabel, uiImage, bDetachable);
}

int CTavoPBaseTabWnd::InsertTab(CWnd* pWnd, UINT uiLabelID, int iInsertAt, UINT uiImage,
                                BOOL bDetachable)
{
    CString strLabel;
    strLabel.LoadString(uiLabelID);
    return InsertTab(pWnd, (LPCTSTR)strLabel, iInsertAt, uiImage, bDetachable);
}

CTavoPBaseTabbedBar* CTavoPBaseTabWnd::GetParentTabbedBar() const
{
    return DYNAMIC_DOWNCAST(CTavoPBaseTabbedBar, GetParent());
}

CWnd* CTavoPBaseTabWnd::CreateWrapper(CWnd* pWnd, LPCTSTR lpszLabel, BOOL bDetachable)
{
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL || !bDetachable || !m_bEnableWrapping ||
        pWnd->IsKindOf(RUNTIME_CLASS(CTavoPDockingControlBar)))
        return pWnd;
    // Only a docking pane can float out of a tabbed pane: other windows are put in one. The
    // tabbed pane may hold one made ready for them, with the place and sides it should have.
    CTavoPBaseTabbedBar* pTabbedBar = GetParentTabbedBar();
    CTavoPDockingCBWrapper* pWrapper =
        pTabbedBar != nullptr ? pTabbedBar->TakeWrapperPlaceholder() : nullptr;
    if (pWrapper == nullptr)
    {
        CObject* pObject = m_pWrapperRTC != nullptr ? m_pWrapperRTC->CreateObject() : nullptr;
        pWrapper = DYNAMIC_DOWNCAST(CTavoPDockingCBWrapper, pObject);
        if (pWrapper == nullptr)
        {
            delete pObject;
            return pWnd;
        }
    }
    DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd);
    if (pBar != nullptr)
        dwStyle |= pBar->GetBarStyle();
    CWnd* pParent = GetSafeHwnd() != NULL ? (CWnd*)this : pWnd->GetParent();
    if (!pWrapper->Create(lpszLabel != nullptr ? lpszLabel : _T(""), pParent,
                          pWrapper->GetInitialRect(), TRUE, (UINT)pWnd->GetDlgCtrlID(), dwStyle))
    {
        delete pWrapper;
        return pWnd;
    }
    pWrapper->SetAutoDestroy(TRUE);
    pWrapper->SetWrappedWnd(pWnd);
    return pWrapper;
}

int CTavoPBaseTabWnd::InsertTab(CWnd* pWnd, LPCTSTR lpszLabel, int iInsertAt, UINT uiImage,
                                BOOL bDetachable)
{
    if (pWnd == nullptr)
        return -1;
    pWnd = CreateWrapper(pWnd, lpszLabel, bDetachable);
    if (GetSafeHwnd() != NULL && (GetStyle() & WS_VISIBLE) == 0)
        ShowWindow(SW_SHOWNOACTIVATE);
    if (iInsertAt < 0 || iInsertAt > m_iTabsNum)
        iInsertAt = m_iTabsNum;

    CTavoPTabInfo* pTab = new CTavoPTabInfo;
    pTab->strText = lpszLabel != nullptr ? lpszLabel : _T("");
    pTab->uiIcon = uiImage;
    pTab->pWnd = pWnd;
    pTab->iTabID = m_iCurTabId++;
    pTab->bDetachable = bDetachable && pWnd->IsKindOf(RUNTIME_CLASS(CTavoPBaseControlBar));
    if (pWnd->GetSafeHwnd() != NULL)
    {
        TCHAR szClass[256] = {0};
        ::GetClassName(pWnd->GetSafeHwnd(), szClass, 255);
        pTab->bIsListView = lstrcmpi(szClass, _T("SysListView32")) == 0;
    }
    m_arTabs.InsertAt(iInsertAt, pTab);
    m_iTabsNum++;
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.AddTool(this, pTab->strText, CRect(0, 0, 0, 0), pTab->iTabID);
    if (m_nTabsHeight == 0)
        SetTabsHeight();
    RecalcLayout();

    if (m_iTabsNum == 1)
    {
        SetActiveTab(0);
        return iInsertAt;
    }
    // A tab put in at or before the active one moves it on by one: the same tab stays active.
    if (iInsertAt <= m_iActiveTab)
        m_iActiveTab++;
    if (m_bHideInactiveWindow && pWnd->GetSafeHwnd() != NULL)
        pWnd->ShowWindow(SW_HIDE);
    CWnd* pActive = GetActiveWnd();
    if (!m_bHideInactiveWindow && pActive != nullptr && pActive->GetSafeHwnd() != NULL)
        pActive->BringWindowToTop();
    return iInsertAt;
}

int CTavoPBaseTabWnd::FindNextVisibleTab(int iGone) const
{
    for (int i = std::max(iGone, 0); i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible)
            return i;
    for (int i = std::min(iGone, m_iTabsNum) - 1; i >= 0; i--)
        if (m_arTabs[i]->bVisible)
            return i;
    return -1;
}

void CTavoPBaseTabWnd::ActivateAndNotify(int iTab)
{
    if (iTab < 0)
        return;
    SetActiveTab(iTab);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(TAVOM_ONCHANGE_ACTIVE_TAB, (WPARAM)iTab, 0);
}

BOOL CTavoPBaseTabWnd::RemoveTab(int iTab, BOOL bRecalcLayout)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    if (m_iTabsNum == 1)
    {
        RemoveAllTabs();
        return TRUE;
    }
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.DelTool(this, pTab->iTabID);
    m_arTabs.RemoveAt(iTab);
    m_iTabsNum--;
    // The window goes last: a pane destroyed may come back here for other tabs, and finds the
    // list and the active tab already right.
    CWnd* pWndGone = m_bAutoDestroyWindow ? pTab->pWnd : nullptr;
    const HWND hwndGone = pWndGone != nullptr ? pWndGone->GetSafeHwnd() : NULL;
    delete pTab;

    if (iTab != m_iActiveTab)
    {
        // Another tab went: the active one stays, one place down when it stood after it.
        if (iTab < m_iActiveTab)
            m_iActiveTab--;
        if (bRecalcLayout)
            RecalcLayout();
    }
    else
    {
        int iNext = -1;
        if (m_bActivateLastVisibleTab)
            GetLastVisibleTab(iNext);
        else
            iNext = FindNextVisibleTab(iTab);
        m_iActiveTab = -1;
        if (bRecalcLayout)
        {
            RecalcLayout();
            ActivateAndNotify(iNext);
        }
    }
    if (hwndGone != NULL && ::IsWindow(hwndGone) && CWnd::FromHandlePermanent(hwndGone) == pWndGone)
        pWndGone->DestroyWindow();
    return TRUE;
}

void CTavoPBaseTabWnd::RemoveAllTabs()
{
    CleanUp();
    m_iCurTabId = 1;
    if (GetSafeHwnd() != NULL)
        RecalcLayout();
}

void CTavoPBaseTabWnd::CleanUp()
{
    // Destroying a tab's bar may come back here to remove its tab: the records leave the
    // array before any window goes.
    CArray<CTavoPTabInfo*, CTavoPTabInfo*> arTabs;
    arTabs.Copy(m_arTabs);
    m_arTabs.RemoveAll();
    m_iTabsNum = 0;
    m_iActiveTab = -1;
    m_iHighlighted = m_iPressed = -1;
    for (int i = 0; i < (int)arTabs.GetSize(); i++)
    {
        CTavoPTabInfo* pTab = arTabs[i];
        if (m_ToolTip.GetSafeHwnd() != NULL)
            m_ToolTip.DelTool(this, pTab->iTabID);
        if (m_bAutoDestroyWindow && pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
            pTab->pWnd->DestroyWindow();
        delete pTab;
    }
}

BOOL CTavoPBaseTabWnd::ShowTab(int iTab, BOOL bShow, BOOL bRecalcLayout, BOOL bActivate)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    if (pTab->bVisible == bShow)
        return TRUE;
    const BOOL bWasAnyVisible = GetVisibleTabsNum() > 0;
    pTab->bVisible = bShow;

    int iActivate = -1;
    if (!bShow)
    {
        if (m_bHideInactiveWindow && pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
            pTab->pWnd->ShowWindow(SW_HIDE);
        if (iTab == m_iActiveTab)
        {
            iActivate = FindNextVisibleTab(iTab + 1);
            m_iActiveTab = -1;
        }
    }
    else if (bActivate || !bWasAnyVisible || m_iActiveTab < 0)
        iActivate = iTab;

    if (bRecalcLayout)
        RecalcLayout();
    ActivateAndNotify(iActivate);
    return TRUE;
}

int CTavoPBaseTabWnd::GetVisibleTabsNum() const
{
    int nCount = 0;
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible)
            nCount++;
    return nCount;
}

int CTavoPBaseTabWnd::GetTabsNum() const
{
    return m_iTabsNum;
}

CWnd* CTavoPBaseTabWnd::GetTabWnd(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->pWnd : nullptr;
}

BOOL CTavoPBaseTabWnd::GetTabRect(int iTab, CRect& rect) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr || !pTab->bVisible)
    {
        rect.SetRectEmpty();
        return FALSE;
    }
    rect = pTab->rect;
    return TRUE;
}

int CTavoPBaseTabWnd::GetTabFromHwnd(HWND hWnd) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->pWnd != nullptr && m_arTabs[i]->pWnd->GetSafeHwnd() == hWnd)
            return i;
    return -1;
}

int CTavoPBaseTabWnd::GetTabFromPoint(CPoint& point) const
{
    for (int i = 0; i < m_iTabsNum; i++)
        if (m_arTabs[i]->bVisible && m_arTabs[i]->rect.PtInRect(point))
            return i;
    return -1;
}

BOOL CTavoPBaseTabWnd::IsTabVisible(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr && pTab->bVisible;
}

BOOL CTavoPBaseTabWnd::IsTabDetachable(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr && pTab->bDetachable;
}

BOOL CTavoPBaseTabWnd::GetTabLabel(int iTab, CString& strLabel) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
    {
        strLabel.Empty();
        return FALSE;
    }
    strLabel = pTab->strText;
    return TRUE;
}

UINT CTavoPBaseTabWnd::GetTabIcon(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->uiIcon : (UINT)-1;
}

BOOL CTavoPBaseTabWnd::SetTabIcon(int iTab, UINT uiIcon)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    if (pTab->hIcon != NULL)
        ::DestroyIcon(pTab->hIcon);
    pTab->hIcon = NULL;
    pTab->uiIcon = uiIcon;
    return TRUE;
}

BOOL CTavoPBaseTabWnd::SetTabHicon(int iTab, HICON hIcon)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    if (pTab->hIcon != NULL)
        ::DestroyIcon(pTab->hIcon);
    // The caller keeps its icon; the tab draws its own copy.
    pTab->hIcon = hIcon != NULL ? ::CopyIcon(hIcon) : NULL;
    pTab->uiIcon = (UINT)-1;
    const CSize sizeIcon = GetGlobalData().m_sizeSmallIcon;
    m_sizeImage.cx = std::max(m_sizeImage.cx, sizeIcon.cx);
    m_sizeImage.cy = std::max(m_sizeImage.cy, sizeIcon.cy);
    SetTabsHeight();
    return TRUE;
}

HICON CTavoPBaseTabWnd::GetTabHicon(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->hIcon : NULL;
}

BOOL CTavoPBaseTabWnd::SetTabLabel(int iTab, const CString& strLabel)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr || strLabel.IsEmpty())
        return FALSE;
    pTab->strText = strLabel;
    if (m_ToolTip.GetSafeHwnd() != NULL)
        m_ToolTip.UpdateTipText(strLabel, this, pTab->iTabID);
    if (pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL)
        pTab->pWnd->SetWindowText(strLabel);
    if (iTab == m_iActiveTab)
        UpdateTabbedBarCaption();
    if (GetSafeHwnd() != NULL)
        RecalcLayout();
    return TRUE;
}

void CTavoPBaseTabWnd::UpdateTabbedBarCaption()
{
    CTavoPBaseTabbedBar* pTabbedBar = GetParentTabbedBar();
    CTavoPTabInfo* pTab = GetTabInfo(m_iActiveTab);
    if (pTabbedBar == nullptr || pTab == nullptr || !pTabbedBar->IsSetCaptionTextToTabName())
        return;
    pTabbedBar->SetWindowText(pTab->strText);
    // A floating pane's caption is its mini frame's.
    CWnd* pMiniFrame = pTabbedBar->GetParentMiniFrame(TRUE);
    CWnd* pRedraw = pMiniFrame != nullptr ? pMiniFrame : (CWnd*)pTabbedBar;
    pRedraw->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

BOOL CTavoPBaseTabWnd::SetTabBkColor(int iTab, COLORREF color)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    pTab->clrBack = color;
    return TRUE;
}

BOOL CTavoPBaseTabWnd::SetTabTextColor(int iTab, COLORREF color)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    pTab->clrText = color;
    return TRUE;
}

BOOL CTavoPBaseTabWnd::EnableTabDetach(int iTab, BOOL bEnable)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr)
        return FALSE;
    pTab->bDetachable = bEnable;
    return TRUE;
}

CWnd* CTavoPBaseTabWnd::GetTabWndNoWrapper(int iTab) const
{
    CWnd* pWnd = GetTabWnd(iTab);
    CTavoPDockingCBWrapper* pWrapper = DYNAMIC_DOWNCAST(CTavoPDockingCBWrapper, pWnd);
    if (pWrapper != nullptr && pWrapper->GetSafeHwnd() != NULL)
    {
        CWnd* pInner = pWrapper->GetWindow(GW_CHILD);
        if (pInner != nullptr)
            return pInner;
    }
    return pWnd;
}

CWnd* CTavoPBaseTabWnd::GetFirstVisibleTab(int& iTab)
{
    for (iTab = 0; iTab < m_iTabsNum; iTab++)
        if (m_arTabs[iTab]->bVisible)
            return m_arTabs[iTab]->pWnd;
    iTab = -1;
    return nullptr;
}

CWnd* CTavoPBaseTabWnd::GetLastVisibleTab(int& iTab)
{
    for (iTab = m_iTabsNum - 1; iTab >= 0; iTab--)
        if (m_arTabs[iTab]->bVisible)
            return m_arTabs[iTab]->pWnd;
    iTab = -1;
    return nullptr;
}

void CTavoPBaseTabWnd::SetActiveTabColor(COLORREF clr)
{
    m_clrActiveTabBk = clr;
    m_brActiveTab.DeleteObject();
    m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
}

COLORREF CTavoPBaseTabWnd::GetActiveTabColor() const
{
    return m_clrActiveTabBk == (COLORREF)-1 ? ::GetSysColor(COLOR_WINDOW) : m_clrActiveTabBk;
}

COLORREF CTavoPBaseTabWnd::GetActiveTabTextColor() const
{
    return m_clrActiveTabFg == (COLORREF)-1 ? ::GetSysColor(COLOR_WINDOWTEXT) : m_clrActiveTabFg;
}

void CTavoPBaseTabWnd::HideSingleTab(BOOL bHide)
{
    if (m_bHideSingleTab == bHide)
        return;
    m_bHideSingleTab = bHide;
    if (GetSafeHwnd() != NULL)
        RecalcLayout();
}

void CTavoPBaseTabWnd::SetTabBorderSize(int nTabBorderSize, BOOL bRepaint)
{
    const BOOL bChanged = m_nTabBorderSize != nTabBorderSize;
    m_nTabBorderSize = nTabBorderSize;
    if (bChanged && bRepaint && GetSafeHwnd() != NULL)
    {
        Invalidate();
        UpdateWindow();
    }
}

int CTavoPBaseTabWnd::GetTabNumberToDetach(int iTab) const
{
    return iTab == -1 ? m_iActiveTab : iTab;
}

COLORREF CTavoPBaseTabWnd::GetTabBkColor(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->clrBack : (COLORREF)-1;
}

COLORREF CTavoPBaseTabWnd::GetTabTextColor(int iTab) const
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    return pTab != nullptr ? pTab->clrText : (COLORREF)-1;
}

CImageList* CTavoPBaseTabWnd::GetImageList() const
{
    if (m_Images.GetSafeHandle() != NULL)
        return const_cast<CImageList*>(&m_Images);
    return m_hImageList != NULL ? CImageList::FromHandle(m_hImageList) : nullptr;
}

BOOL CTavoPBaseTabWnd::SetImageList(UINT uiID, int cx, COLORREF clrTransp)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(uiID),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (hBitmap == NULL || cx <= 0)
    {
        if (hBitmap != NULL)
            ::DeleteObject(hBitmap);
        return FALSE;
    }
    BITMAP bmp = {};
    ::GetObject(hBitmap, sizeof(bmp), &bmp);
    UINT nFlags = ILC_COLOR4;
    switch (bmp.bmBitsPixel)
    {
    case 8: nFlags = ILC_COLOR8; break;
    case 16: nFlags = ILC_COLOR16; break;
    case 24: nFlags = ILC_COLOR24; break;
    case 32: nFlags = ILC_COLOR32; break;
    }
    if (clrTransp != (COLORREF)-1)
        nFlags |= ILC_MASK;
    m_Images.DeleteImageList();
    BOOL bOk = m_Images.Create(cx, bmp.bmHeight, nFlags, 0, 0);
    if (bOk)
    {
        CBitmap* pBitmap = CBitmap::FromHandle(hBitmap);
        bOk = (clrTransp != (COLORREF)-1 ? m_Images.Add(pBitmap, clrTransp)
                                         : m_Images.Add(pBitmap, (CBitmap*)nullptr)) >= 0;
    }
    ::DeleteObject(hBitmap);
    if (!bOk)
    {
        m_Images.DeleteImageList();
        return FALSE;
    }
    m_sizeImage = CSize(cx, bmp.bmHeight);
    SetTabsHeight();
    return TRUE;
}

BOOL CTavoPBaseTabWnd::SetImageList(HIMAGELIST hImageList)
{
    if (hImageList == NULL)
        return FALSE;
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(hImageList, &cx, &cy);
    m_hImageList = hImageList;
    m_sizeImage = CSize(cx, cy);
    SetTabsHeight();
    return TRUE;
}

CSize CTavoPBaseTabWnd::GetMaxWindowSize() const
{
    CSize sizeMax(0, 0);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CWnd* pWnd = m_arTabs[i]->pWnd;
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == NULL)
            continue;
        CSize size;
        CTavoPBaseControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPBaseControlBar, pWnd);
        if (pBar != nullptr)
            size = pBar->CalcFixedLayout(FALSE, TRUE);
        else
        {
            CRect rect;
            pWnd->GetWindowRect(rect);
            size = rect.Size();
        }
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    return sizeMax;
}

int CTavoPBaseTabWnd::GetTabBorderSize() const
{
    return GetVisibleTabsNum() > 0 ? m_nTabBorderSize : 0;
}

// ---- archive ----

void CTavoPBaseTabWnd::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << (LONG)m_iTabsNum;
        for (int i = 0; i < m_iTabsNum; i++)
        {
            const CTavoPTabInfo* pTab = m_arTabs[i];
            const int nID = pTab->pWnd != nullptr && pTab->pWnd->GetSafeHwnd() != NULL
                                ? pTab->pWnd->GetDlgCtrlID()
                                : 0;
            ar << pTab->strText;
            ar << (LONG)pTab->bVisible;
            ar << (LONG)nID;
            ar << (LONG)pTab->bDetachable;
            ar << (DWORD)pTab->clrText;
            ar << (DWORD)pTab->clrBack;
        }
        ar << (LONG)m_iActiveTab;
        ar << (LONG)m_location;
        return;
    }

    // Read in full before anything changes: damaged bytes leave the earlier list as it was.
    LONG nCount = 0;
    ar >> nCount;
    if (nCount < 0 || nCount > kMaxStoredTabs)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<CTavoPRestoredTabInfo> lstRestored((size_t)nCount);
    for (CTavoPRestoredTabInfo& info : lstRestored)
    {
        LONG bVisible = 0, nID = 0, bDetachable = 0;
        DWORD clrText = 0, clrBack = 0;
        ar >> info.strText;
        ar >> bVisible >> nID >> bDetachable >> clrText >> clrBack;
        info.bVisible = bVisible != 0;
        info.nControlID = nID;
        info.bDetachable = bDetachable != 0;
        info.clrText = clrText;
        info.clrBack = clrBack;
    }
    LONG nActive = 0, nLocation = 0;
    ar >> nActive;
    // The strip's place is the creator's choice; the stored one is only read past.
    ar >> nLocation;
    m_lstRestoredTabInfo.swap(lstRestored);
    m_nRestoredActiveTabID = nActive;
}

void CTavoPBaseTabWnd::AdoptRestoredBar(UINT nControlID)
{
    CTavoPBaseTabbedBar* pTabbedBar = GetParentTabbedBar();
    CTavoPDockManager* pManager = pTabbedBar != nullptr ? pTabbedBar->GetDockManager() : nullptr;
    if (pManager == nullptr)
        return;
    CTavoPDockingControlBar* pBar =
        DYNAMIC_DOWNCAST(CTavoPDockingControlBar, pManager->FindBarByID(nControlID, TRUE));
    // A tabbed pane never becomes a tab of itself or of its own tabs.
    if (pBar == nullptr || pBar == pTabbedBar || pBar->GetSafeHwnd() == NULL ||
        pBar->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)) || ::IsChild(pBar->m_hWnd, m_hWnd))
        return;
    if (pBar->IsAutoHideMode())
        pBar->SetAutoHideMode(FALSE, pBar->GetCurrentAlignment());
    CTavoPBaseTabbedBar::TakeOutOfGroup(pBar, pManager->GetDockSite());
    if (::IsWindow(pBar->m_hWnd) && GetSafeHwnd() != NULL)
        pTabbedBar->AddTab(pBar, TRUE, FALSE, TRUE);
}

void CTavoPBaseTabWnd::ApplyRestoredTabInfo(BOOL bUseTabIndexes)
{
    // Panes the list names that are elsewhere now come here first.
    for (const CTavoPRestoredTabInfo& info :
         std::vector<CTavoPRestoredTabInfo>(m_lstRestoredTabInfo))
    {
        BOOL bHere = FALSE;
        for (int i = 0; i < m_iTabsNum && !bHere; i++)
            bHere = m_arTabs[i]->pWnd != nullptr && m_arTabs[i]->pWnd->GetSafeHwnd() != NULL &&
                    m_arTabs[i]->pWnd->GetDlgCtrlID() == info.nControlID;
        if (!bHere && info.nControlID != 0 && info.nControlID != -1)
            AdoptRestoredBar((UINT)info.nControlID);
        if (GetSafeHwnd() == NULL)
            return;
    }
    CWnd* pActiveWnd = GetActiveWnd();
    for (int iSaved = 0; iSaved < (int)m_lstRestoredTabInfo.size(); iSaved++)
    {
        const CTavoPRestoredTabInfo& info = m_lstRestoredTabInfo[iSaved];
        int iTab = -1;
        for (int i = 0; i < m_iTabsNum && iTab < 0; i++)
            if (m_arTabs[i]->pWnd != nullptr && m_arTabs[i]->pWnd->GetSafeHwnd() != NULL &&
                m_arTabs[i]->pWnd->GetDlgCtrlID() == info.nControlID)
                iTab = i;
        if (iTab < 0)
            continue;
        CTavoPTabInfo* pTab = m_arTabs[iTab];
        if (!info.strText.IsEmpty())
            pTab->strText = info.strText;
        pTab->bVisible = info.bVisible;
        pTab->clrText = info.clrText;
        pTab->clrBack = info.clrBack;
        pTab->bDetachable = info.bDetachable;
        if (bUseTabIndexes && iSaved < m_iTabsNum && iSaved != iTab)
        {
            m_arTabs.RemoveAt(iTab);
            m_arTabs.InsertAt(iSaved, pTab);
        }
    }
    // The active window kept its tab through the moves.
    m_iActiveTab = -1;
    for (int i = 0; i < m_iTabsNum; i++)
        if (pActiveWnd != nullptr && m_arTabs[i]->pWnd == pActiveWnd)
            m_iActiveTab = i;

    int iActivate = m_nRestoredActiveTabID;
    if (!IsTabVisible(iActivate))
        GetFirstVisibleTab(iActivate);
    if (!IsTabVisible(m_iActiveTab))
        m_iActiveTab = -1;
    // With every tab hidden none is active.
    if (iActivate >= 0)
        SetActiveTab(iActivate);
    for (int i = 0; i < m_iTabsNum; i++)
    {
        CWnd* pWnd = m_arTabs[i]->pWnd;
        if (i != m_iActiveTab && m_bHideInactiveWindow && pWnd != nullptr &&
            pWnd->GetSafeHwnd() != NULL)
            pWnd->ShowWindow(SW_HIDE);
    }
    RecalcLayout();
}

// ---- messages ----

int CTavoPBaseTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Wrapped panes float and dock in a frame: without one there is nowhere for them to go.
    if (FindOwningFrame(this) == nullptr)
        m_bEnableWrapping = FALSE;
    if (AfxOleIsInitialized())
        m_DropTarget.Register(this);
    return 0;
}

void CTavoPBaseTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    const HWND hwnd = m_hWnd;
    CWnd::OnLButtonDown(nFlags, point);
    const int iTab = GetTabFromPoint(point);
    if (iTab < 0)
        return;
    if (m_bActivateOnBtnUp)
        m_iPressed = iTab;
    else
    {
        if (iTab != m_iActiveTab && IsPtInTabArea(point))
            // The derived activation tells the parent.
            SetActiveTab(iTab);
        if (!::IsWindow(hwnd))
            return;
        m_iHighlighted = -1;
        if (::GetCapture() == m_hWnd)
            ReleaseCapture();
    }
    if (GetSafeHwnd() == NULL)
        return;
    Invalidate();

    // A press on a tab arms the drag that reorders the tabs.
    m_bReadyToDetach = TRUE;
    SetCapture();
    ::GetCursorPos(&m_ptHot);
    m_iActiveTabBeforeDragStart = m_iActiveTab;
    CRect rectActive;
    m_nOffsetFromTabLeft = GetTabRect(m_iActiveTab, rectActive) ? point.x - rectActive.left : 0;
}

void CTavoPBaseTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    const int iTab = GetTabFromPoint(point);
    if (m_bIsInPlaceEdit)
    {
        if (m_iActiveTab >= 0 && iTab == m_iActiveTab)
            StartRenameTab(m_iActiveTab);
        return;
    }
    // A double click on a tab floats its pane, unless a window under it takes the click.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (iTab >= 0 && FindTargetWnd(ptScreen) == nullptr)
        DetachTab(TAVOP_DM_RECENT, -1, FALSE);
}

BOOL CTavoPBaseTabWnd::DetachTab(int nDockMethod, int iTab, BOOL bHide)
{
    iTab = GetTabNumberToDetach(iTab);
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (pTab == nullptr || !pTab->bDetachable || GetSafeHwnd() == NULL)
        return FALSE;
    CTavoPControlBar* pBar = DYNAMIC_DOWNCAST(CTavoPControlBar, pTab->pWnd);
    CTavoPBaseTabbedBar* pTabbedBar = GetParentTabbedBar();
    if (pBar == nullptr || pBar->GetSafeHwnd() == NULL || pTabbedBar == nullptr ||
        !pBar->CanFloat())
        return FALSE;
    if (nDockMethod == TAVOP_DM_MOUSE)
    {
        // A press that wanders a pixel or two is a click, not a tear.
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        const int cxDrag = CTavoPDockingControlBar::m_cxDrag > 0 ? CTavoPDockingControlBar::m_cxDrag
                                                                 : ::GetSystemMetrics(SM_CXDRAG);
        const int cyDrag = CTavoPDockingControlBar::m_cyDrag > 0 ? CTavoPDockingControlBar::m_cyDrag
                                                                 : ::GetSystemMetrics(SM_CYDRAG);
        if (std::abs(ptCursor.x - m_ptHot.x) < cxDrag && std::abs(ptCursor.y - m_ptHot.y) < cyDrag)
            return FALSE;
    }
    CRect rectFloat = pBar->GetRecentDockInfo().m_rectRecentFloatingRect;
    if (!pBar->OnBeforeFloat(rectFloat, nDockMethod))
        return FALSE;

    const HWND hwnd = m_hWnd;
    const HWND hwndTabbed = pTabbedBar->GetSafeHwnd();
    const HWND hwndBar = pBar->GetSafeHwnd();
    if (iTab != m_iActiveTab)
        pBar->ShowWindow(SW_SHOW);
    // The tab leaves mid-drag: its going is no reordering to tell the parent of.
    if (nDockMethod == TAVOP_DM_MOUSE)
        EndDrag();
    if (!pTabbedBar->DetachControlBar(pBar, iTab, nDockMethod, bHide))
        return FALSE;
    if (!::IsWindow(hwnd) || !::IsWindow(hwndTabbed))
        return TRUE;

    if (m_iTabsNum == 0)
    {
        // An empty tabbed pane has nothing left to show.
        if (pTabbedBar->IsDestroyedWhenEmpty())
        {
            pTabbedBar->DestroyWindow();
            return TRUE;
        }
        pTabbedBar->ShowControlBar(FALSE, FALSE, FALSE);
    }
    else if (GetVisibleTabsNum() == 0)
        pTabbedBar->ShowControlBar(FALSE, FALSE, FALSE);
    RecalcLayout();
    // One pane left and no strip to show for it: the pane needs no group around it.
    if (m_iTabsNum == 1 && m_bHideSingleTab && IsTabVisible(0))
        pTabbedBar->ReplaceByLastTab();

    if (nDockMethod == TAVOP_DM_MOUSE && ::IsWindow(hwndBar))
    {
        CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE);
        if (pMiniFrame != nullptr && pBar->GetDockingMode() != TAVOP_DOCK_IMMEDIATE)
            pMiniFrame->SetFocus();
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
            pParent->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    }
    return TRUE;
}

// ---- renaming in place ----

BOOL CTavoPBaseTabWnd::StartRenameTab(int iTab)
{
    CTavoPTabInfo* pTab = GetTabInfo(iTab);
    if (!m_bIsInPlaceEdit || pTab == nullptr || GetSafeHwnd() == NULL)
        return FALSE;
    EndDrag();
    EndRename();
    CRect rectEdit = pTab->rect;
    CalcRectEdit(rectEdit);
    m_pInPlaceEdit = new CEdit;
    if (!m_pInPlaceEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, rectEdit, this,
                                1))
    {
        delete m_pInPlaceEdit;
        m_pInPlaceEdit = nullptr;
        return FALSE;
    }
    m_iEditedTab = iTab;
    m_pInPlaceEdit->SetFont(&GetGlobalData().fontRegular);
    m_pInPlaceEdit->SetWindowText(pTab->strText);
    m_pInPlaceEdit->SetSel(0, -1);
    m_pInPlaceEdit->SetFocus();
    SetCapture();
    return TRUE;
}

BOOL CTavoPBaseTabWnd::RenameTab()
{
    if (m_pInPlaceEdit == nullptr || GetTabInfo(m_iEditedTab) == nullptr)
        return FALSE;
    CString strName;
    m_pInPlaceEdit->GetWindowText(strName);
    if (strName.IsEmpty() || !OnRenameTab(m_iEditedTab, strName))
        return FALSE;
    CWnd* pParent = GetParent();
    if (pParent != nullptr &&
        pParent->SendMessage(TAVOM_ON_RENAME_TAB, (WPARAM)m_iEditedTab, (LPARAM)(LPCTSTR)strName))
        return FALSE;
    return SetTabLabel(m_iEditedTab, strName);
}

void CTavoPBaseTabWnd::EndRename()
{
    if (m_pInPlaceEdit == nullptr)
        return;
    CEdit* pEdit = m_pInPlaceEdit;
    m_pInPlaceEdit = nullptr;
    m_iEditedTab = -1;
    pEdit->DestroyWindow();
    delete pEdit;
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd)
        ReleaseCapture();
}

BOOL CTavoPBaseTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_pInPlaceEdit == nullptr || m_pInPlaceEdit->GetSafeHwnd() == NULL)
        return CWnd::PreTranslateMessage(pMsg);

    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN)
    {
        if (RenameTab())
            EndRename();
        else
            AfxMessageBeep((UINT)-1);
        return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
    {
        EndRename();
        return TRUE;
    }
    if (pMsg->message < WM_MOUSEFIRST || pMsg->message > WM_MOUSELAST)
        return CWnd::PreTranslateMessage(pMsg);

    // The mouse is captured here: the edit gets what falls on it, a click elsewhere ends it.
    CPoint ptScreen((short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam));
    ::ClientToScreen(pMsg->hwnd, &ptScreen);
    CRect rectEdit;
    m_pInPlaceEdit->GetWindowRect(rectEdit);
    if (rectEdit.PtInRect(ptScreen))
    {
        if (pMsg->hwnd != m_pInPlaceEdit->GetSafeHwnd())
        {
            CPoint ptEdit = ptScreen;
            m_pInPlaceEdit->ScreenToClient(&ptEdit);
            m_pInPlaceEdit->SendMessage(pMsg->message, pMsg->wParam,
                                        MAKELPARAM(ptEdit.x, ptEdit.y));
            return TRUE;
        }
        return FALSE;
    }
    if (pMsg->message != WM_MOUSEMOVE)
        EndRename();
    return TRUE;
}

void CTavoPBaseTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    const BOOL bWasDragging = m_bReadyToDetach;
    const int iOld = m_iActiveTabBeforeDragStart;
    EndDrag();
    if (bWasDragging && iOld >= 0 && m_iActiveTab >= 0 && iOld != m_iActiveTab)
    {
        CWnd* pParent = GetParent();
        if (pParent != nullptr)
        {
            pParent->SendMessage(TAVOM_ON_MOVE_TAB, (WPARAM)iOld, (LPARAM)m_iActiveTab);
            // Frames learn of moves in tabbed panes too.
            if (pParent->IsKindOf(RUNTIME_CLASS(CTavoPBaseTabbedBar)))
            {
                CFrameWnd* pFrame = FindOwningFrame(pParent);
                if (pFrame != nullptr)
                    pFrame->SendMessage(TAVOM_ON_MOVE_TAB, (WPARAM)iOld, (LPARAM)m_iActiveTab);
            }
        }
    }
    if (m_bActivateOnBtnUp && m_iPressed >= 0 && GetTabFromPoint(point) == m_iPressed &&
        m_iPressed != m_iActiveTab)
        SetActiveTab(m_iPressed);
    m_iPressed = m_iHighlighted = -1;
    if (GetSafeHwnd() != NULL)
        Invalidate();
    CWnd::OnLButtonUp(nFlags, point);
}

void CTavoPBaseTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    CRect rectClient;
    GetClientRect(rectClient);
    const int iHot = m_iPressed >= 0 || !rectClient.PtInRect(point) ? -1 : GetTabFromPoint(point);
    if (iHot != m_iHighlighted)
    {
        m_iHighlighted = iHot;
        if (m_bHotTrack)
            Invalidate();
    }
    // Hot tracking holds the mouse while a tab is hot, to know when it leaves; a drag or a
    // rename holds it for their own reasons.
    if ((m_bHotTrack || m_bActivateOnBtnUp) && !m_bReadyToDetach && m_pInPlaceEdit == nullptr &&
        m_iPressed < 0)
    {
        if (iHot >= 0 && ::GetCapture() != m_hWnd)
            SetCapture();
        else if (iHot < 0 && ::GetCapture() == m_hWnd)
            ReleaseCapture();
    }
    if (!m_bReadyToDetach)
        return;
    if (!IsPtInTabArea(point))
    {
        // Out of the strip the active tab's pane tears off.
        const HWND hwnd = m_hWnd;
        if (DetachTab(TAVOP_DM_MOUSE, -1, FALSE) && ::IsWindow(hwnd))
            EndDrag();
        return;
    }
    if (!m_bEnableTabSwap || GetVisibleTabsNum() < 2)
        return;

    const int iTab = GetTabFromPoint(point);
    if (iTab < 0 || iTab == m_iActiveTab || m_iActiveTab < 0)
        return;
    CTavoPTabInfo* pActive = m_arTabs[m_iActiveTab];
    m_arTabs[m_iActiveTab] = m_arTabs[iTab];
    m_arTabs[iTab] = pActive;
    m_iActiveTab = iTab;
    RecalcLayout();

    // Tabs differ in width: the cursor stays on the moved tab so that it does not swap back.
    CRect rectTab;
    if (GetTabRect(iTab, rectTab) && !rectTab.PtInRect(point))
    {
        CPoint ptCursor(rectTab.left + m_nOffsetFromTabLeft, point.y);
        ClientToScreen(&ptCursor);
        ::SetCursorPos(ptCursor.x, ptCursor.y);
    }
}

void CTavoPBaseTabWnd::EndDrag()
{
    m_bReadyToDetach = FALSE;
    m_iActiveTabBeforeDragStart = -1;
    if (GetSafeHwnd() != NULL && ::GetCapture() == m_hWnd)
        ReleaseCapture();
}

void CTavoPBaseTabWnd::OnCancelMode()
{
    CWnd::OnCancelMode();
    EndDrag();
    EndRename();
    m_iPressed = m_iHighlighted = -1;
}

void CTavoPBaseTabWnd::OnDestroy()
{
    EndRename();
    CleanUp();
    CWnd::OnDestroy();
}
