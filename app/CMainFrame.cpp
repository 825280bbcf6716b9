#include "app/CMainFrame.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

const char* const CMainFrame::kTitle = "Vorlen v1.0";

// Overlapped with caption, system menu, sizing border, minimize and maximize boxes, created
// maximized; without the style that would add the document's name to the title.
static const DWORD kFrameStyle = 0x01CF0000;

CMainFrame::CMainFrame()
{}

CMainFrame::~CMainFrame()
{}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = kFrameStyle;
    cs.lpszName = kTitle;
    return TRUE;
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
    return 0;
}
