#include "framework/CView.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CCreateContext.h"
#include "framework/CPrintDialog.h"
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

// ---- print information ----

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)),
      m_bDirect(FALSE), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1),
      m_nNumPreviewPages(0), m_lpUserData(nullptr)
{
    SetMinPage(1);
    SetMaxPage(0xffff);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xffff;
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD != nullptr && m_pPD->m_pd.hDC != nullptr)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage)
{
    m_pPD->m_pd.nMinPage = (WORD)nMinPage;
}
void CPrintInfo::SetMaxPage(UINT nMaxPage)
{
    m_pPD->m_pd.nMaxPage = (WORD)nMaxPage;
}
UINT CPrintInfo::GetMinPage() const
{
    return m_pPD->m_pd.nMinPage;
}
UINT CPrintInfo::GetMaxPage() const
{
    return m_pPD->m_pd.nMaxPage;
}
UINT CPrintInfo::GetFromPage() const
{
    return m_pPD->m_pd.nFromPage;
}
UINT CPrintInfo::GetToPage() const
{
    return m_pPD->m_pd.nToPage;
}

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

void CView::OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT, CView*)
{
    OnEndPrinting(pDC, pInfo);
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
        for (printInfo.m_nCurPage = printInfo.GetFromPage();
             printInfo.m_nCurPage <= printInfo.GetToPage() && printInfo.m_bContinuePrinting;
             printInfo.m_nCurPage++)
        {
            OnPrepareDC(&dcPrint, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            ::StartPage(dcPrint.m_hDC);
            OnPrint(&dcPrint, &printInfo);
            if (::EndPage(dcPrint.m_hDC) < 0)
                break;
            if (printInfo.GetToPage() == 0xffff)
                break; // a view that sets no page count prints one page
        }
        ::EndDoc(dcPrint.m_hDC);
    }
    OnEndPrinting(&dcPrint, &printInfo);
    dcPrint.DeleteDC();
}

void CView::OnFilePrintPreview()
{
    // The library's print preview replaces this; the framework has none of its own.
}
