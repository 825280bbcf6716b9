// A view: the child window of a frame that shows one document and routes commands to it.
#pragma once
#include "framework/CWnd.h"

class CDocument;
class CFrameWnd;
class CPrintDialog;
struct CCreateContext;

// What a view needs to print: the dialog, the page range and the page being printed.
struct CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();

    CPrintDialog* m_pPD;
    BOOL m_bDirect;
    BOOL m_bPreview;
    BOOL m_bContinuePrinting;
    UINT m_nCurPage;
    UINT m_nNumPreviewPages;
    CString m_strPageDesc;
    LPVOID m_lpUserData;
    CRect m_rectDraw;

    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage);
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetFromPage() const;
    UINT GetToPage() const;
};

class CView : public CWnd
{
    DECLARE_DYNAMIC(CView)
public:
    CView();
    virtual ~CView();

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnInitialUpdate();
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    virtual void OnDraw(CDC* pDC) = 0;
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // Printing hooks, called in this order by OnFilePrint.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CView* pView);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual void PostNcDestroy() override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnInitialUpdateMessage(WPARAM, LPARAM);
    void OnFilePrint();
    void OnFilePrintPreview();

protected:
    CDocument* m_pDocument;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
