#include "ui/bars/frames/CTavoPFrameHooks.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"
#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"

namespace {

// Kept as a handle: a frame that goes without giving the place back must not be used.
HWND g_hwndPopupOwner = NULL;

}

CTavoPFrameHooks* CTavoPFrameHooks::FromFrame(CWnd* pFrame)
{
    if (pFrame == NULL)
        return NULL;
    if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPFrameWnd)))
        return static_cast<CTavoPFrameWnd*>(pFrame);
    if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPMDIFrameWnd)))
        return static_cast<CTavoPMDIFrameWnd*>(pFrame);
    if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleIPFrameWnd)))
        return static_cast<CTavoPOleIPFrameWnd*>(pFrame);
    if (pFrame->IsKindOf(RUNTIME_CLASS(CTavoPOleDocIPFrameWnd)))
        return static_cast<CTavoPOleDocIPFrameWnd*>(pFrame);
    return NULL;
}

CFrameWnd* CTavoPFrameHooks::GetPopupOwner()
{
    return DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(g_hwndPopupOwner));
}

void CTavoPFrameHooks::SetPopupOwner(CFrameWnd* pFrame)
{
    g_hwndPopupOwner = pFrame != NULL ? pFrame->GetSafeHwnd() : NULL;
}

CFrameWnd* CTavoPFrameHooks::GetTopFrameOf(const CWnd* pWnd)
{
    if (CFrameWnd* pOwner = GetPopupOwner())
        return pOwner;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain != NULL && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return (CFrameWnd*)pMain;
    return pWnd != NULL && pWnd->GetSafeHwnd() != NULL ? pWnd->GetTopLevelFrame() : NULL;
}
