// The print preview: shows a view's printed pages, one or two at a time and at three zoom steps, in place of the view, under a bar of preview commands.
#pragma once
#include "framework/CView.h"
#include "framework/CPrintPreviewState.h"

class CDialogBar;
class CPreviewDC;
class CFrameWnd;

class CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    virtual ~CPreviewView();

    enum ZoomState
    {
        ZOOM_OUT = 0, // whole pages
        ZOOM_MIDDLE = 1,
        ZOOM_IN = 2 // the printer's page at its real size
    };

    // Asks pPrintView to prepare printing for a preview and to begin printing on the preview DC.
    // FALSE when it refuses or no printer is there.
    virtual BOOL SetPrintView(CView* pPrintView);
    // Writes the page description of the pages shown (nPage and the next nPagesDisplayed - 1)
    // into the frame's message line.
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);

    virtual void OnDraw(CDC* pDC) override;

    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo; }
    CDialogBar* GetPreviewBar() const { return m_pToolBar; }
    CView* GetOriginalView() const { return m_pOrigView; }
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nPages; }
    int GetZoomState() const { return m_nZoomState; }
    // The page description of the pages shown: nPage and the next nPagesDisplayed - 1.
    CString GetPageNumberText(UINT nPage, UINT nPagesDisplayed) const;
    // Where page i of those shown is drawn, in client coordinates.
    CRect GetPageRect(UINT nIndex) const;

    // Command handlers; the frame routes the preview bar's commands here.
    void OnPreviewClose();
    void OnNumPageChange();
    void OnNextPage();
    void OnPrevPage();
    void OnPreviewPrint();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    void OnUpdateNextPage(CCmdUI* pCmdUI);
    void OnUpdatePrevPage(CCmdUI* pCmdUI);
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);

protected:
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* pDC);

    // Puts the frame back as it was before the preview: bars, menu, accelerators, the original
    // view's id, visibility and activation.
    static void RestoreFrame(CFrameWnd* pFrame, CView* pOrigView, CPrintPreviewState* pState);
    // Ends the preview: the bar and this view are destroyed and the frame restored. The state
    // goes with the view unless it is kept for the caller.
    void EndPreview(BOOL bKeepState = FALSE);
    // The last page the print view has; a view that sets no page count has one page.
    UINT GetLastPage() const;
    void SetCurrentPage(UINT nPage);

    CView* m_pOrigView;
    CView* m_pPrintView;
    CPreviewDC* m_pPreviewDC;
    HDC m_hPrinterDC;       // owned
    CDialogBar* m_pToolBar; // the preview bar, a child of the frame
    CPrintInfo* m_pPreviewInfo;
    CPrintPreviewState* m_pPreviewState; // owned once the preview runs
    UINT m_nPages;                       // pages shown side by side
    UINT m_nZoomOutPages;                // pages shown when zoomed out
    UINT m_nCurrentPage;                 // the first page shown
    int m_nZoomState;
    BOOL m_bBeganPrinting;

    friend class CView;
    DECLARE_MESSAGE_MAP()
};
