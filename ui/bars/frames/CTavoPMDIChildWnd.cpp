#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"

BEGIN_MESSAGE_MAP(CTavoPMDIChildWnd, CMDIChildWnd)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivate)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_SETICON, OnSetText)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPMDIChildWnd, CMDIChildWnd)

CTavoPMDIChildWnd::CTavoPMDIChildWnd() : m_bToBeDestroyed(FALSE)
{}

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

CTavoPMainClientAreaWnd* CTavoPMDIChildWnd::GetClientArea() const
{
    CTavoPMDIFrameWnd* pFrame = DYNAMIC_DOWNCAST(CTavoPMDIFrameWnd, GetMDIFrame());
    return pFrame != NULL ? &pFrame->GetMDIClientArea() : NULL;
}

CString CTavoPMDIChildWnd::GetFrameText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

HICON CTavoPMDIChildWnd::GetFrameIcon() const
{
    HICON hIcon = (HICON)::SendMessage(m_hWnd, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == NULL)
        hIcon = (HICON)::GetClassLongPtr(m_hWnd, GCLP_HICONSM);
    return hIcon;
}

void CTavoPMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
        pClientArea->UpdateTabs();
}

LRESULT CTavoPMDIChildWnd::OnMDIActivate(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if ((HWND)lParam != m_hWnd)
        return lResult;
    if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
        pClientArea->SetActiveTab(m_hWnd);
    return lResult;
}

LRESULT CTavoPMDIChildWnd::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    if (CTavoPMainClientAreaWnd* pClientArea = GetClientArea())
        pClientArea->UpdateTabs();
    return lResult;
}
