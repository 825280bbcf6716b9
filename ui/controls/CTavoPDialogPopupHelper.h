// Gives a popup menu opened from a library dialog or property page the keys and closes it on outside clicks, through a thread mouse hook while it is up.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPPopupMenu;

class CTavoPDialogPopupHelper
{
public:
    explicit CTavoPDialogPopupHelper(CWnd* pOwner = nullptr) : m_pOwner(pOwner) {}
    // A helper that goes while its popup is up takes the popup and the hook with it.
    virtual ~CTavoPDialogPopupHelper();
    CTavoPDialogPopupHelper(const CTavoPDialogPopupHelper&) = delete;
    CTavoPDialogPopupHelper& operator=(const CTavoPDialogPopupHelper&) = delete;

    CWnd* GetOwner() const { return m_pOwner; }
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }

    // Makes the popup the library's active menu with this helper's owner as its opener and
    // installs the mouse hook; null ends that, removing the hook.
    void SetActiveMenu(CTavoPPopupMenu* pMenu);
    // A click at the screen point while the popup is up: closes the popup when the click falls
    // outside it. TRUE when the click is used up by that.
    BOOL ProcessMouseClick(CPoint ptScreen);
    // TRUE when, outside customize mode, a popup menu is open and the point lies outside its
    // window, the windows of its parent popups and the bars of its chain.
    static BOOL IsPointOutsidePopup(CPoint ptScreen);
    // Keys go to the open popup, clicks outside it close it. TRUE = eaten.
    BOOL PreTranslateMessage(MSG* pMsg);
    // Accelerators: counted as command usage; one pressed while a popup is up closes it.
    BOOL OnCommand(WPARAM wParam);
    void OnNcActivate(BOOL& bActive);
    void OnActivate(UINT nState, CWnd* pWndOther);
    // The owner window is going: a popup it opened closes and the hook goes.
    void OnDestroyOwner();

    // The helper whose owner opened the active popup, or null.
    static CTavoPDialogPopupHelper* GetCurrent() { return m_pCurrent; }
    // The mouse hook, installed only while a popup opened from a dialog is up.
    static HHOOK GetHook() { return m_hMouseHook; }
    // The helper of a library dialog or property page, or null for any other window.
    static CTavoPDialogPopupHelper* FromWnd(CWnd* pWnd);

protected:
    static LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam);
    // Closes the popup and gives the focus back to the owner.
    void ClosePopupAndFocusOwner(CTavoPPopupMenu* pPopup);

    CWnd* m_pOwner;

    static CTavoPDialogPopupHelper* m_pCurrent;
    static HHOOK m_hMouseHook;
};
