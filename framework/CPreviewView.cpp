#include "framework/CPreviewView.h"
#include "framework/CCmdUI.h"
#include "framework/CDialogBar.h"
#include "framework/CFrameWnd.h"
#include "framework/CPaintDC.h"
#include "framework/CPreviewDC.h"
#include "framework/CPrintDialog.h"
#include "framework/CWinApp.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CPreviewView, CView)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_PREVIEW_CLOSE, OnPreviewClose)
    ON_COMMAND(ID_PREVIEW_NUMPAGE, OnNumPageChange)
    ON_COMMAND(ID_PREVIEW_NEXT, OnNextPage)
    ON_COMMAND(ID_PREVIEW_PREV, OnPrevPage)
    ON_COMMAND(ID_PREVIEW_PRINT, OnPreviewPrint)
    ON_COMMAND(ID_PREVIEW_ZOOMIN, OnZoomIn)
    ON_COMMAND(ID_PREVIEW_ZOOMOUT, OnZoomOut)
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_NUMPAGE, OnUpdateNumPageChange)
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_NEXT, OnUpdateNextPage)
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_PREV, OnUpdatePrevPage)
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMIN, OnUpdateZoomIn)
    ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMOUT, OnUpdateZoomOut)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CPreviewView, CView)

// The button shows what a click switches to.
static LPCTSTR const kOnePageText = _T("One Page");
static LPCTSTR const kTwoPageText = _T("Two Page");
static const int kPageMargin = 8;

CPreviewView::CPreviewView()
    : m_pOrigView(nullptr), m_pPrintView(nullptr), m_pPreviewDC(nullptr), m_hPrinterDC(nullptr),
      m_pToolBar(nullptr), m_pPreviewInfo(nullptr), m_pPreviewState(nullptr), m_nPages(1),
      m_nZoomOutPages(1), m_nCurrentPage(1), m_nZoomState(ZOOM_OUT), m_bBeganPrinting(FALSE)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_nNumPreviewPages == 2)
        m_nZoomOutPages = 2;
}

CPreviewView::~CPreviewView()
{
    // A view whose start failed half way still leaves nothing behind.
    delete m_pToolBar;
    delete m_pPreviewDC;
    if (m_hPrinterDC != nullptr)
        ::DeleteDC(m_hPrinterDC);
    delete m_pPreviewInfo;
    delete m_pPreviewState;
}

BOOL CPreviewView::SetPrintView(CView* pPrintView)
{
    if (pPrintView == nullptr)
        return FALSE;
    m_pPrintView = pPrintView;
    m_pPreviewInfo = new CPrintInfo;
    m_pPreviewInfo->m_bPreview = TRUE;
    m_pPreviewInfo->m_nNumPreviewPages = m_nZoomOutPages;
    if (!pPrintView->OnPreparePrinting(m_pPreviewInfo))
        return FALSE;
    m_hPrinterDC = m_pPreviewInfo->m_pPD->m_pd.hDC;
    m_pPreviewInfo->m_pPD->m_pd.hDC = nullptr;
    if (m_hPrinterDC == nullptr)
        return FALSE;

    m_pPreviewDC = new CPreviewDC;
    m_pPreviewDC->SetAttribDC(m_hPrinterDC);
    const CSize sizePage = m_pPreviewDC->GetPageSize();
    m_pPreviewInfo->m_rectDraw.SetRect(0, 0, sizePage.cx, sizePage.cy);
    pPrintView->OnBeginPrinting(m_pPreviewDC, m_pPreviewInfo);
    m_bBeganPrinting = TRUE;

    m_nPages = m_pPreviewInfo->m_nNumPreviewPages == 2 ? 2 : 1;
    m_nZoomOutPages = m_nPages;
    SetCurrentPage(m_pPreviewInfo->m_nCurPage);
    return TRUE;
}

UINT CPreviewView::GetLastPage() const
{
    if (m_pPreviewInfo == nullptr)
        return 1;
    const UINT nMin = m_pPreviewInfo->GetMinPage();
    const UINT nMax = m_pPreviewInfo->GetMaxPage();
    return nMax == 0xffff || nMax < nMin ? nMin : nMax;
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    const UINT nMin = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMinPage() : 1;
    if (nPage > GetLastPage())
        nPage = GetLastPage();
    if (nPage < nMin)
        nPage = nMin;
    if (nPage != m_nCurrentPage)
    {
        m_nCurrentPage = nPage;
        if (m_hWnd != nullptr)
            Invalidate(TRUE);
    }
}

// ---- drawing ----

CRect CPreviewView::GetPageRect(UINT nIndex) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    const CSize sizePage = m_pPreviewDC != nullptr ? m_pPreviewDC->GetPageSize() : CSize(0, 0);
    if (sizePage.cx <= 0 || sizePage.cy <= 0 || nIndex >= m_nPages)
        return CRect(0, 0, 0, 0);

    const int nPages = (int)m_nPages;
    const int cxRoom = (rectClient.Width() - (nPages + 1) * kPageMargin) / nPages;
    const int cyRoom = rectClient.Height() - 2 * kPageMargin;
    // Whole pages at zoom out; the printer's real size at zoom in; half way between in the middle.
    double dFit = cxRoom > 0 && cyRoom > 0
                      ? std::min((double)cxRoom / sizePage.cx, (double)cyRoom / sizePage.cy)
                      : 0.0;
    const HDC hScreen = ::GetDC(nullptr);
    const double dReal = (double)::GetDeviceCaps(hScreen, LOGPIXELSX) /
                         std::max(1, ::GetDeviceCaps(m_pPreviewDC->m_hAttribDC, LOGPIXELSX));
    ::ReleaseDC(nullptr, hScreen);
    double dScale = dFit;
    if (m_nZoomState == ZOOM_IN)
        dScale = std::max(dFit, dReal);
    else if (m_nZoomState == ZOOM_MIDDLE)
        dScale = std::max(dFit, (dFit + dReal) / 2);

    const int cx = (int)(sizePage.cx * dScale);
    const int cy = (int)(sizePage.cy * dScale);
    const int x = kPageMargin + (int)nIndex * (cx + kPageMargin);
    return CRect(x, kPageMargin, x + cx, kPageMargin + cy);
}

BOOL CPreviewView::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    ::FillRect(pDC->m_hDC, rect, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    return TRUE;
}

void CPreviewView::OnDraw(CDC* pDC)
{
    if (m_pPrintView == nullptr || m_pPreviewDC == nullptr)
        return;
    UINT nShown = 0;
    for (UINT i = 0; i < m_nPages && m_nCurrentPage + i <= GetLastPage(); i++)
    {
        const CRect rectPage = GetPageRect(i);
        if (rectPage.IsRectEmpty())
            break;
        ::FillRect(pDC->m_hDC, rectPage, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        ::FrameRect(pDC->m_hDC, rectPage, (HBRUSH)::GetStockObject(BLACK_BRUSH));

        const int nSaved = ::SaveDC(pDC->m_hDC);
        ::IntersectClipRect(pDC->m_hDC, rectPage.left, rectPage.top, rectPage.right,
                            rectPage.bottom);
        m_pPreviewDC->SetOutputDC(pDC->m_hDC);
        m_pPreviewDC->SetScaleRect(rectPage);
        m_pPreviewInfo->m_nCurPage = m_nCurrentPage + i;
        m_pPreviewInfo->m_bContinuePrinting = TRUE;
        m_pPrintView->OnPrepareDC(m_pPreviewDC, m_pPreviewInfo);
        if (m_pPreviewInfo->m_bContinuePrinting)
            m_pPrintView->OnPrint(m_pPreviewDC, m_pPreviewInfo);
        m_pPreviewDC->ReleaseOutputDC();
        ::RestoreDC(pDC->m_hDC, nSaved);
        nShown++;
    }
    m_pPreviewInfo->m_nCurPage = m_nCurrentPage;
    OnDisplayPageNumber(m_nCurrentPage, std::max(1u, nShown));
}

CString CPreviewView::GetPageNumberText(UINT nPage, UINT nPagesDisplayed) const
{
    CString strText;
    if (m_pPreviewInfo == nullptr)
        return strText;
    if (nPagesDisplayed <= 1)
        strText.Format(m_pPreviewInfo->GetPageDescPart(0), nPage);
    else
        strText.Format(m_pPreviewInfo->GetPageDescPart(1), nPage, nPage + nPagesDisplayed - 1);
    return strText;
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    if (m_pPreviewInfo == nullptr)
        return;
    const CString strText = GetPageNumberText(nPage, nPagesDisplayed);
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr)
        pFrame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCTSTR)strText);
}

void CPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    Invalidate(TRUE);
}

// ---- commands ----

void CPreviewView::OnPreviewClose()
{
    CPoint point(0, 0);
    if (m_pOrigView != nullptr)
        m_pOrigView->OnEndPrintPreview(m_pPreviewDC, m_pPreviewInfo, point, this);
    else
        EndPreview();
}

void CPreviewView::OnNumPageChange()
{
    if (m_nZoomState != ZOOM_OUT)
        return;
    m_nPages = m_nPages == 1 ? 2 : 1;
    m_nZoomOutPages = m_nPages;
    if (m_pPreviewInfo != nullptr)
        m_pPreviewInfo->m_nNumPreviewPages = m_nPages;
    Invalidate(TRUE);
}

void CPreviewView::OnNextPage()
{
    SetCurrentPage(m_nCurrentPage + 1);
}

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > 1)
        SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnPreviewPrint()
{
    // The print command goes to the frame after the preview is gone, so the view it reaches is
    // the one that was previewed.
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();
    if (pFrame != nullptr)
        pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState == ZOOM_IN)
        return;
    m_nZoomState++;
    m_nPages = 1; // a zoomed page is shown alone
    Invalidate(TRUE);
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState == ZOOM_OUT)
        return;
    m_nZoomState--;
    if (m_nZoomState == ZOOM_OUT)
        m_nPages = m_nZoomOutPages;
    Invalidate(TRUE);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(m_nPages == 1 ? kTwoPageText : kOnePageText);
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage + m_nPages - 1 < GetLastPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_pPreviewInfo != nullptr && m_nCurrentPage > m_pPreviewInfo->GetMinPage());
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_IN);
}

void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nZoomState != ZOOM_OUT);
}

// ---- ending ----

void CPreviewView::RestoreFrame(CFrameWnd* pFrame, CView* pOrigView, CPrintPreviewState* pState)
{
    if (pFrame == nullptr || pState == nullptr)
        return;
    pFrame->OnSetPreviewMode(FALSE, pState);
    if (pOrigView != nullptr && pOrigView->m_hWnd != nullptr)
    {
        ::SetWindowLongPtr(pOrigView->m_hWnd, GWLP_ID, (LONG_PTR)pState->nIDMainPane);
        pOrigView->ShowWindow(SW_SHOW);
    }
    CView* pActive = pState->pViewActiveOld != nullptr ? pState->pViewActiveOld : pOrigView;
    pFrame->SetActiveView(pActive);
}

void CPreviewView::EndPreview(BOOL bKeepState)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (m_pToolBar != nullptr && m_pToolBar->m_hWnd != nullptr)
        m_pToolBar->DestroyWindow();
    RestoreFrame(pFrame, m_pOrigView, m_pPreviewState);
    if (bKeepState)
        m_pPreviewState = nullptr;
    DestroyWindow(); // the view deletes itself, and with it the state
    if (pFrame != nullptr)
        pFrame->RecalcLayout();
}
