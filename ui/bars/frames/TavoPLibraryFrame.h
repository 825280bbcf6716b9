// The part of the single-document frame that the multi-document and in-place frames repeat over their own framework bases: the frame implementation, the hooks menus and toolbars call, context help, user toolbars and the bar commands.
#pragma once
#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/bars/frames/CTavoPFrameImpl.h"
#include "ui/bars/frames/TavoPDockingFrame.h"

class CTavoPToolBar;

template <class TFrame>
class TavoPLibraryFrame : public TavoPDockingFrame<TFrame>, public CTavoPFrameHooks
{
public:
    TavoPLibraryFrame();
    virtual ~TavoPLibraryFrame();

    virtual CTavoPFrameImpl* GetFrameImpl() override { return &m_Impl; }
    virtual CTavoPDockManager* GetDockManager() override { return &this->m_dockManager; }
    virtual BOOL OnShowPopupMenu(CTavoPPopupMenu* pMenuPopup) override;
    virtual void OnClosePopupMenu(CTavoPPopupMenu* pMenuPopup) override;
    void ShowControlBar(CTavoPBaseControlBar* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate);

    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT) override;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- handlers, listed in each frame's message map ----
    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    BOOL OnBarCheck(UINT nID);
    void OnContextHelp();

protected:
    // Whether the bar commands take the bar as shown.
    virtual BOOL IsBarShown(CTavoPBaseControlBar* pBar);

    CTavoPFrameImpl m_Impl;
    BOOL m_bInContextHelp;
};

// The entries every library frame's message map shares.
#define TAVOP_LIBRARY_FRAME_MESSAGES()                                                             \
    ON_WM_MENUCHAR()                                                                               \
    ON_MESSAGE(WM_DISPLAYCHANGE, OnDisplayChange)                                                  \
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_CREATE, OnToolbarCreateNew)                \
    ON_REGISTERED_MESSAGE(CTavoPToolBar::WM_TAVOTOOLBAR_DELETE, OnToolbarDelete)                   \
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)                                  \
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)                                                     \
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)                               \
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)                                                  \
    ON_UPDATE_COMMAND_UI(ID_VIEW_REBAR, OnUpdateControlBarMenu)                                    \
    ON_COMMAND_EX(ID_VIEW_REBAR, OnBarCheck)                                                       \
    ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
