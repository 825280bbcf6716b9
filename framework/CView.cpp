#include "framework/CView.h"
#include <algorithm>
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CCreateContext.h"
#include "framework/CPrintDialog.h"
#include "framework/CPreviewView.h"
#include "framework/CPreviewDC.h"
#include "framework/CDialogBar.h"
#include "framework/CDC.h"
#include "framework/CWinApp.h"

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrint)
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CView, CWnd)

// ---- view ----

CView::CView() : m_pDocument(nullptr)
{}

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1));
    // A border becomes the sunken client edge.
    if (cs.style & WS_BORDER)
    {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    CCreateContext* pContext = (CCreateContext*)lpcs->lpCreateParams;
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this)
        pFrame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy()
{
    delete this; // views live on the heap, made by their frame
}

void CView::OnPaint()
{
    PAINTSTRUCT ps;
    CDC* pDC = BeginPaint(&ps);
    OnPrepareDC(pDC);
    OnDraw(pDC);
    EndPaint(&ps);
}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
{
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT)
        return nResult;
    CFrameWnd* pParentFrame = GetParentFrame();
    if (pParentFrame != nullptr)
        pParentFrame->SetActiveView(this);
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    if (bActivate && pActivateView == this && m_hWnd != nullptr)
    {
        HWND hFocus = ::GetFocus();
        if (hFocus != m_hWnd && !::IsChild(m_hWnd, hFocus))
            ::SetFocus(m_hWnd);
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*)
{}

void CView::OnPrepareDC(CDC*, CPrintInfo*)
{}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (m_pDocument != nullptr)
        return m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    return FALSE;
}

// ---- printing ----

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo)
{
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    if (pInfo->m_bPreview || pInfo->m_bDirect)
    {
        if (!pInfo->m_pPD->GetDefaults())
            return FALSE;
    }
    else if (pInfo->m_pPD->DoModal() != IDOK)
        return FALSE;
    return pInfo->m_pPD->m_pd.hDC != nullptr;
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*)
{}

void CView::OnPrint(CDC* pDC, CPrintInfo*)
{
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*)
{}

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CPreviewView* pView)
{
    if (pView != nullptr && pView->m_bBeganPrinting && pView->m_pPrintView != nullptr)
        pView->m_pPrintView->OnEndPrinting(pDC, pInfo);
    else if (pView == nullptr)
        OnEndPrinting(pDC, pInfo);
    if (pView != nullptr)
        pView->EndPreview();
}

BOOL CView::DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                           CPrintPreviewState* pState)
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pState == nullptr || pPrintView == nullptr || pFrame == nullptr || m_hWnd == nullptr ||
        pPreviewViewClass == nullptr ||
        !pPreviewViewClass->IsDerivedFrom(RUNTIME_CLASS(CPreviewView)))
        return FALSE;
    CPreviewView* pView = dynamic_cast<CPreviewView*>(pPreviewViewClass->CreateObject());
    if (pView == nullptr)
        return FALSE;

    pState->pViewActiveOld = pFrame->GetActiveView();
    pState->nIDMainPane = (UINT)(WORD)GetDlgCtrlID();
    pFrame->OnSetPreviewMode(TRUE, pState);

    // The bar first: the preview view finds it when its window is created.
    CDialogBar* pBar = new CDialogBar;
    if (!pBar->Create(pFrame, nIDResource, CBRS_TOP, AFX_IDW_PREVIEW_BAR))
    {
        delete pBar;
        delete pView;
        CPreviewView::RestoreFrame(pFrame, this, pState);
        pFrame->RecalcLayout();
        return FALSE;
    }
    pView->m_pToolBar = pBar;
    pView->m_pOrigView = this;

    // The preview takes the pane id, so the frame lays it out in the view's place.
    ::SetWindowLongPtr(m_hWnd, GWLP_ID, (LONG_PTR)AFX_IDW_PANE_SAVE);
    ShowWindow(SW_HIDE);
    CCreateContext context;
    context.m_pCurrentFrame = pFrame;
    context.m_pLastView = this;
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), pFrame,
                       AFX_IDW_PANE_FIRST, &context))
    {
        // A view that fails to create has deleted itself, and its bar with it.
        CPreviewView::RestoreFrame(pFrame, this, pState);
        pFrame->RecalcLayout();
        return FALSE;
    }
    if (!pView->SetPrintView(pPrintView))
    {
        if (pView->m_bBeganPrinting)
            pPrintView->OnEndPrinting(pView->m_pPreviewDC, pView->m_pPreviewInfo);
        pView->m_pPreviewState = pState; // restored from, then handed back to the caller
        pView->m_bBeganPrinting = FALSE;
        pView->EndPreview(TRUE);
        return FALSE;
    }
    pView->m_pPreviewState = pState;
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    pView->ShowWindow(SW_SHOW);
    pView->UpdateWindow();
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    printInfo.m_bDirect =
        (pMsg->message == WM_COMMAND && LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT);
    if (!OnPreparePrinting(&printInfo))
        return; // no printer or cancelled

    CDC dcPrint;
    dcPrint.Attach(printInfo.m_pPD->m_pd.hDC);
    printInfo.m_pPD->m_pd.hDC = nullptr;

    CString strTitle;
    if (m_pDocument != nullptr)
        strTitle = m_pDocument->GetTitle();
    DOCINFO docInfo = {};
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = strTitle;

    OnBeginPrinting(&dcPrint, &printInfo);
    if (::StartDoc(dcPrint.m_hDC, &docInfo) > 0)
    {
        printInfo.m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES),
                                     dcPrint.GetDeviceCaps(VERTRES));
        // The range asked for, within the pages the view has: printing all pages leaves the
        // end of the range open.
        const UINT nMin = printInfo.GetMinPage(), nMax = printInfo.GetMaxPage();
        const UINT nFrom = std::min(std::max(printInfo.GetFromPage(), nMin), nMax);
        const UINT nTo = std::min(std::max(printInfo.GetToPage(), nMin), nMax);
        for (printInfo.m_nCurPage = nFrom;
             printInfo.m_nCurPage <= nTo && printInfo.m_bContinuePrinting; printInfo.m_nCurPage++)
        {
            OnPrepareDC(&dcPrint, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            ::StartPage(dcPrint.m_hDC);
            OnPrint(&dcPrint, &printInfo);
            if (::EndPage(dcPrint.m_hDC) < 0)
                break;
            if (nMax == 0xffff)
                break; // a view that sets no page count prints one page
        }
        ::EndDoc(dcPrint.m_hDC);
    }
    OnEndPrinting(&dcPrint, &printInfo);
    dcPrint.DeleteDC();
}
