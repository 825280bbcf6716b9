#include "ui/bars/frames/TavoPLibraryFrame.h"
#include "ui/bars/CTavoPBaseControlBar.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPWorkspace.h"

template <class TFrame>
TavoPLibraryFrame<TFrame>::TavoPLibraryFrame() : m_Impl(this), m_bInContextHelp(FALSE)
{
    m_Impl.SetDockManager(&this->m_dockManager);
}

template <class TFrame>
TavoPLibraryFrame<TFrame>::~TavoPLibraryFrame()
{
    // A frame that goes while it owns the popups gives the place back.
    if (CTavoPFrameHooks::GetPopupOwner() == this)
        CTavoPFrameHooks::SetPopupOwner(NULL);
}

template <class TFrame>
BOOL TavoPLibraryFrame<TFrame>::OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    m_Impl.OnShowPopupMenu(pMenuPopup, this);
    if (pMenuPopup != NULL && pMenuPopup->IsAlwaysShown())
        return TRUE;
    return OnBeforeShowPopupMenu(pMenuPopup);
}

template <class TFrame>
void TavoPLibraryFrame<TFrame>::OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup)
{
    if (CTavoPPopupMenu::GetActiveMenu() == pMenuPopup)
        CTavoPPopupMenu::SetActiveMenu(NULL);
}

template <class TFrame>
void TavoPLibraryFrame<TFrame>::ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay,
                                               BOOL bActivate)
{
    if (pBar != NULL)
        pBar->ShowControlBar(bShow, bDelay, bActivate);
}

template <class TFrame>
BOOL TavoPLibraryFrame<TFrame>::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 1)
    {
        const UINT uiCmd = LOWORD(wParam);
        CTavoPToolBar::AddCommandUsage(uiCmd);
        CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu();
        if (pPopup != NULL && ::IsWindow(pPopup->GetSafeHwnd()) &&
            m_Impl.ProcessKeyboard(VK_ESCAPE))
            return TRUE;
        CTavoPWorkspace* pWorkspace = GetWorkspace();
        if (pWorkspace != NULL && pWorkspace->m_pUserToolsManager != NULL &&
            pWorkspace->m_pUserToolsManager->InvokeTool(uiCmd))
            return TRUE;
    }
    if (CTavoPToolBar::IsCustomizeMode())
        return FALSE;
    return TFrame::OnCommand(wParam, lParam);
}

template <class TFrame>
void TavoPLibraryFrame<TFrame>::OnContextHelp()
{
    m_bInContextHelp = TRUE;
    // Toolbar buttons stay highlighted under the pointer while help mode runs.
    const BOOL bHook = this->CanEnterHelpMode();
    if (bHook)
        CTavoPToolBar::SetHotTrackingHook(TRUE);
    TFrame::OnContextHelp();
    if (bHook)
        CTavoPToolBar::SetHotTrackingHook(FALSE);
    m_bInContextHelp = FALSE;
}

template <class TFrame>
void TavoPLibraryFrame<TFrame>::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    // Help mode asks for the frame's topic with no data; once the mode is on, a further
    // request goes to the help viewer instead of starting help mode inside itself.
    if (dwData == 0 && m_bInContextHelp && !this->m_bHelpMode)
    {
        OnContextHelp();
        return;
    }
    TFrame::WinHelp(dwData, nCmd);
}

template <class TFrame>
LRESULT TavoPLibraryFrame<TFrame>::OnMenuChar(UINT nChar, UINT, CMenu*)
{
    if (m_Impl.TranslateMnemonic(nChar))
        return MAKELRESULT(MNC_EXECUTE, 0xFFFF);
    return this->Default();
}

template <class TFrame>
LRESULT TavoPLibraryFrame<TFrame>::OnDisplayChange(WPARAM, LPARAM)
{
    m_Impl.OnDisplayChange();
    return this->Default();
}

template <class TFrame>
LRESULT TavoPLibraryFrame<TFrame>::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolbar((LPCTSTR)lParam);
}

template <class TFrame>
LRESULT TavoPLibraryFrame<TFrame>::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolbar((CTavoPToolBar*)lParam);
}

template <class TFrame>
BOOL TavoPLibraryFrame<TFrame>::IsBarShown(CTavoPBaseControlBar* pBar)
{
    return (pBar->GetStyle() & WS_VISIBLE) != 0;
}

template <class TFrame>
void TavoPLibraryFrame<TFrame>::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CTavoPBaseControlBar* pBar = this->GetControlBar(pCmdUI->m_nID);
    if (pBar == NULL)
    {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck(IsBarShown(pBar));
}

template <class TFrame>
BOOL TavoPLibraryFrame<TFrame>::OnBarCheck(UINT nID)
{
    CTavoPBaseControlBar* pBar = this->GetControlBar(nID);
    if (pBar == NULL)
        return FALSE;
    ShowControlBar(pBar, !IsBarShown(pBar), FALSE, FALSE);
    return TRUE;
}

template class TavoPLibraryFrame<CMDIFrameWnd>;
template class TavoPLibraryFrame<COleIPFrameWnd>;
template class TavoPLibraryFrame<COleDocIPFrameWnd>;
template class TavoPLibraryFrame<CFrameWnd>;
