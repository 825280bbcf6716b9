// The library's single-document frame: embeds the frame implementation and the dock manager, gives open menus the keys and clicks first, and offers the hooks menus and toolbars ask of their frame.
#pragma once
#include "ui/bars/frames/TavoPMainFrame.h"

class CTavoPFrameWnd : public TavoPMainFrame<CFrameWnd>
{
    DECLARE_DYNCREATE(CTavoPFrameWnd)
public:
    CTavoPFrameWnd();
    virtual ~CTavoPFrameWnd();

    // The OLE item active in place in the active view; the framework keeps no OLE documents.
    virtual CObject* GetInPlaceActiveItem() { return NULL; }

    virtual void OnUpdateFrameMenu(HMENU hMenuAlt) override;
    virtual void DelayUpdateFrameMenu(HMENU hMenuAlt) override;

    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnClose();
    void OnDestroy();
    void OnSizing(UINT nSide, LPRECT lpRect);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

protected:
    DECLARE_MESSAGE_MAP()
};
