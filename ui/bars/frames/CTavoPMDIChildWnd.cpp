#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"

BEGIN_MESSAGE_MAP(CTavoPMDIChildWnd, CMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMDIChildWnd, CMDIChildWnd)

CTavoPMDIChildWnd::CTavoPMDIChildWnd() = default;

CTavoPMDIChildWnd::~CTavoPMDIChildWnd() = default;

void CTavoPMDIChildWnd::OnSize(UINT nType, int cx, int cy)
{
    CMDIChildWnd::OnSize(nType, cx, cy);
    if (CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame()))
        pFrame->UpdateMenuBarMaximizeMode();
}

void CTavoPMDIChildWnd::OnDestroy()
{
    CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame());
    CMDIChildWnd::OnDestroy();
    // The menu bar must not keep the buttons of a window that is going.
    if (pFrame != NULL)
        pFrame->PostMessage(WM_IDLEUPDATECMDUI);
}
