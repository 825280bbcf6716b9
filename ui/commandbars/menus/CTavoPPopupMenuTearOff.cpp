// The tear-off of a popup menu: the toolbar that stands for the menu floats where the menu was.
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPMenuIdPool.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPWorkspace.h"

namespace {

const DWORD kTearOffBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_HIDE_INPLACE;

// Commands that make no sense on a toolbar of their own.
BOOL IsLeftOffTearOffBar(UINT uiCmd)
{
    if ((uiCmd >= 0xE110 && uiCmd <= 0xE11F) || (uiCmd >= 0xF000 && uiCmd <= 0xF1EF) ||
        (uiCmd >= 0xE210 && uiCmd <= 0xE21F) || uiCmd > 0xFEFF)
        return TRUE;
    CTavoPWorkspace* pWorkspace = GetWorkspace();
    return pWorkspace != nullptr && pWorkspace->m_pUserToolsManager != nullptr &&
           uiCmd == pWorkspace->m_pUserToolsManager->GetToolsEntryCmd();
}

} // namespace

BOOL CTavoPPopupMenu::TearOff(CPoint point)
{
    if (m_pParentBtn == nullptr || m_pParentBtn->GetTearOffID() == 0)
        return FALSE;
    const UINT uiID = m_pParentBtn->GetTearOffID();
    CFrameWnd* pFrame = GetTopFrame();
    CTavoPFrameHooks* pHooks = CTavoPFrameHooks::FromFrame(pFrame);
    if (pHooks == nullptr || pHooks->GetFrameImpl() == nullptr)
        return FALSE;

    // The menu was torn off before: its bar comes back to the point.
    if (CTavoPBaseControlBar* pExisting = pHooks->GetDockManager()->FindBarByID(uiID, TRUE))
    {
        pExisting->ShowControlBar(TRUE, FALSE, TRUE);
        CRect rectBar;
        pExisting->GetWindowRect(rectBar);
        CTavoPMiniFrameWnd* pMiniFrame = pExisting->GetParentMiniFrame(TRUE);
        if (pMiniFrame != nullptr)
            pMiniFrame->SetWindowPos(NULL, point.x, point.y, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            pExisting->FloatControlBar(CRect(point, rectBar.Size()), TAVOP_DM_RECT, TRUE);
        return TRUE;
    }

    CString strName = m_pParentBtn->m_strText;
    strName.Remove(_T('&'));
    CTavoPControlBar* pBar = CreateTearOffBar(pFrame, uiID, strName);
    if (pBar == nullptr)
        return FALSE;
    CTavoPFrameImpl* pImpl = pHooks->GetFrameImpl();
    pImpl->AddTearOffBar(pBar);
    if (!pHooks->OnTearOffMenu(this, pBar))
    {
        pImpl->RemoveTearOffBar(pBar);
        pBar->DestroyWindow();
        delete pBar;
        return FALSE;
    }

    pBar->OnUpdateCmdUI(pFrame, TRUE);
    const CSize size = pBar->CalcFixedLayout(FALSE, TRUE);
    pBar->FloatControlBar(CRect(point, size), TAVOP_DM_RECT, TRUE);
    pBar->AdjustLayout();
    pFrame->RecalcLayout();

    CTavoPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE);
    if (pMiniFrame == nullptr)
        return TRUE;
    // An accepted move closes this popup; a cancelled one deletes the bar and takes it off the
    // frame's list of torn-off bars.
    const HWND hwndBar = pBar->GetSafeHwnd();
    pMiniFrame->TrackTearOffMove(this);
    return ::IsWindow(hwndBar);
}

CTavoPControlBar* CTavoPPopupMenu::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID,
                                                    LPCTSTR lpszName)
{
    if (pWndMain == nullptr || m_hMenu == NULL || !::IsMenu(m_hMenu))
        return nullptr;
    CTavoPToolBar* pBar = new CTavoPToolBar;
    if (!pBar->Create(pWndMain, kTearOffBarStyle, uiID))
    {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName);

    CTavoPWorkspace* pWorkspace = GetWorkspace();
    const BOOL bPool = pWorkspace != nullptr && pWorkspace->m_pTearOffManager != nullptr;
    const int nCount = ::GetMenuItemCount(m_hMenu);
    for (int i = 0; i < nCount; i++)
    {
        const UINT uiCmd = ::GetMenuItemID(m_hMenu, i);
        char szText[257] = "";
        ::GetMenuStringA(m_hMenu, (UINT)i, szText, 256, MF_BYPOSITION);
        CString strText = szText;
        if (uiCmd == 0)
        {
            if (i != nCount - 1)
                pBar->InsertSeparator();
        }
        else if (uiCmd == (UINT)-1)
        {
            const int nTab = strText.Find(_T('\t'));
            if (nTab >= 0)
                strText = strText.Left(nTab);
            const UINT uiTearOff = bPool ? CTavoPMenuIdPool::ExtractId(strText) : 0;
            CTavoPToolbarMenuButton button((UINT)-1, ::GetSubMenu(m_hMenu, i), -1, strText);
            button.SetTearOff(uiTearOff);
            pBar->InsertButtonCopy(button);
        }
        else if (!IsLeftOffTearOffBar(uiCmd))
        {
            CTavoPToolbarButton button(uiCmd, GetCommandManager()->GetCmdImage(uiCmd, FALSE),
                                       strText);
            pBar->InsertButtonCopy(button);
        }
    }
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
