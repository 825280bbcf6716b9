// A view: the child window of a frame that shows one document and routes commands to it.
#pragma once
#include "framework/CWnd.h"
#include "framework/CPrintInfo.h"

class CDocument;
class CFrameWnd;
class CPrintDialog;
class CPreviewView;
struct CPrintPreviewState;
struct CCreateContext;

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
    virtual void OnEndPrintPreview(CDC* pDC, CPrintInfo* pInfo, POINT point, CPreviewView* pView);

    // Shows the preview of pPrintView's pages in place of this view: a view of pPreviewViewClass
    // (a CPreviewView) under a bar made from dialog template nIDResource. The frame's bars, menu
    // and accelerators go away until the preview closes. FALSE when it could not start; then
    // nothing of it is left and pState still belongs to the caller.
    BOOL DoPrintPreview(UINT nIDResource, CView* pPrintView, CRuntimeClass* pPreviewViewClass,
                        CPrintPreviewState* pState);

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

protected:
    CDocument* m_pDocument;
    friend class CDocument;

    DECLARE_MESSAGE_MAP()
};
