#include "ui/controls/CTavoPPrintPreviewView.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/docking/CTavoPDockManager.h"
#include "ui/bars/docking/CTavoPDockingUtils.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPResourceScope.h"
#include "res/LibraryIds.h"

BEGIN_MESSAGE_MAP(CTavoPPrintPreviewView, CPreviewView)
    ON_WM_CREATE()
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_NUMPAGE, OnUpdatePreviewNumpage)
    ON_WM_SIZE()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTavoPPrintPreviewView, CPreviewView)

static const DWORD kPreviewToolBarStyle = 0x50402808;

CTavoPPrintPreviewView::CTavoPPrintPreviewView()
    : m_iOnePageImageIndex(-1), m_iTwoPageImageIndex(-1), m_iPagesBtnIndex(-1),
      m_pWndStatusBar(NULL), m_hWndStatusBar(NULL)
{
    m_nZoomOutPages = 1;
}

CTavoPPrintPreviewView::~CTavoPPrintPreviewView()
{
    ClearStatusBarText();
    if (m_wndToolBar.GetSafeHwnd() != NULL)
        m_wndToolBar.DestroyWindow();
}

int CTavoPPrintPreviewView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPreviewView::OnCreate(lpCreateStruct) == -1)
        return -1;

    // The page number goes to the library status bar whatever becomes of the toolbar.
    CFrameWnd* pFrame = GetParentFrame();
    CWnd* pStatusBar = pFrame != NULL ? pFrame->GetDlgItem(AFX_IDW_STATUS_BAR) : NULL;
    if (pStatusBar != NULL && pStatusBar->IsKindOf(RUNTIME_CLASS(CTavoPStatusBar)))
    {
        m_pWndStatusBar = static_cast<CTavoPStatusBar*>(pStatusBar);
        m_hWndStatusBar = pStatusBar->GetSafeHwnd();
        m_pWndStatusBar->SetPaneText(CTavoPStatusBar::StretchPaneIndex, NULL);
    }

    if (m_pToolBar == NULL)
        return 0;
    {
        CTavoPResourceScope scope;
        if (!m_wndToolBar.Create(m_pToolBar, kPreviewToolBarStyle, AFX_IDW_TOOLBAR))
            return 0;
        if (!m_wndToolBar.LoadToolBar(IDR_TAVOP_PREVIEW_TOOLBAR, 0, 0, TRUE))
            return 0;
    }
    m_wndToolBar.SetOwner(this);

    // The placeholder only carries the two-page image; it is never shown as a button.
    m_iPagesBtnIndex = m_wndToolBar.CommandToIndex(ID_PREVIEW_NUMPAGE);
    if (m_iPagesBtnIndex >= 0)
        m_iOnePageImageIndex = m_wndToolBar.GetButton(m_iPagesBtnIndex)->GetImage();
    const int iPlaceholder = m_wndToolBar.CommandToIndex(ID_TAVOP_PREVIEW_TWO_PAGES);
    if (iPlaceholder >= 0)
    {
        m_iTwoPageImageIndex = m_wndToolBar.GetButton(iPlaceholder)->GetImage();
        m_wndToolBar.RemoveButton(iPlaceholder);
        m_iPagesBtnIndex = m_wndToolBar.CommandToIndex(ID_PREVIEW_NUMPAGE);
    }
    m_wndToolBar.SetButtonTextImage(m_wndToolBar.CommandToIndex(ID_PREVIEW_PRINT), NULL, TRUE,
                                    TRUE);
    m_wndToolBar.SetButtonTextImage(m_wndToolBar.CommandToIndex(ID_PREVIEW_CLOSE), NULL, TRUE,
                                    FALSE);

    CTavoPDockManager* pDockManager = GetDockingUtils().GetDockManager(pFrame);
    if (pDockManager != NULL)
        pDockManager->AddControlBar(&m_wndToolBar);
    LayoutToolBar();
    return 0;
}

void CTavoPPrintPreviewView::OnUpdatePreviewNumpage(CCmdUI* pCmdUI)
{
    CPreviewView::OnUpdateNumPageChange(pCmdUI);
    // The button shows the page mode a click switches to.
    CTavoPToolbarButton* pButton =
        m_wndToolBar.GetSafeHwnd() != NULL ? m_wndToolBar.GetButton(m_iPagesBtnIndex) : NULL;
    if (pButton == NULL)
        return;
    pButton->SetImage(m_nPages == 1 ? m_iTwoPageImageIndex : m_iOnePageImageIndex);
    m_wndToolBar.InvalidateButton(m_iPagesBtnIndex);
}

void CTavoPPrintPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CPreviewView::OnSize(nType, cx, cy);
    LayoutToolBar();
}

void CTavoPPrintPreviewView::LayoutToolBar()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == NULL || m_pToolBar == NULL || m_pToolBar->GetSafeHwnd() == NULL ||
        m_wndToolBar.GetSafeHwnd() == NULL || m_wndToolBar.GetCount() == 0)
        return;
    const CSize size = m_wndToolBar.CalcFixedLayout(TRUE, TRUE);
    CRect rectFrame;
    pFrame->GetClientRect(rectFrame);
    const UINT nFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    m_pToolBar->SetWindowPos(NULL, 0, 0, rectFrame.Width(), size.cy, nFlags);
    m_wndToolBar.SetWindowPos(NULL, 0, 0, rectFrame.Width(), size.cy, nFlags);
    m_pToolBar->m_sizeDefault.cy = size.cy;
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
}

CTavoPStatusBar* CTavoPPrintPreviewView::GetStatusBar() const
{
    // The status bar may have gone while the preview was up; its pointer is trusted only while
    // its window still belongs to it.
    if (m_pWndStatusBar == NULL || !::IsWindow(m_hWndStatusBar) ||
        CWnd::FromHandlePermanent(m_hWndStatusBar) != m_pWndStatusBar)
        return NULL;
    return m_pWndStatusBar;
}

void CTavoPPrintPreviewView::ClearStatusBarText()
{
    CTavoPStatusBar* pStatusBar = GetStatusBar();
    if (pStatusBar != NULL)
        pStatusBar->SetPaneText(CTavoPStatusBar::StretchPaneIndex, NULL);
}

void CTavoPPrintPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    const CString strText = GetPageNumberText(nPage, nPagesDisplayed);
    CTavoPStatusBar* pStatusBar = GetStatusBar();
    if (pStatusBar != NULL)
    {
        pStatusBar->SetPaneText(CTavoPStatusBar::StretchPaneIndex, strText);
        return;
    }
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCTSTR)strText);
}

BOOL ShowPrintPreview(CView* pView)
{
    if (pView == NULL)
        return FALSE;
    CPrintPreviewState* pState = new CPrintPreviewState;
    BOOL bResult;
    {
        CTavoPResourceScope scope;
        bResult = pView->DoPrintPreview(IDD_TAVOP_PREVIEW_BAR, pView,
                                        RUNTIME_CLASS(CTavoPPrintPreviewView), pState);
    }
    if (!bResult)
    {
        AfxMessageBox(IDS_TAVOP_COMMAND_FAILED, MB_OK, 0);
        delete pState;
        return FALSE;
    }
    return bResult;
}
