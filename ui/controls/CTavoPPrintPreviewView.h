// The library's print preview: the framework's preview with a library toolbar in its bar, and the page number in the frame's library status bar.
#pragma once
#include "framework/FrameworkWin.h"
#include "ui/controls/CTavoPPrintPreviewToolBar.h"

class CTavoPStatusBar;

class CTavoPPrintPreviewView : public CPreviewView
{
    DECLARE_DYNCREATE(CTavoPPrintPreviewView)
public:
    CTavoPPrintPreviewView();
    virtual ~CTavoPPrintPreviewView();

    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed) override;

    CTavoPPrintPreviewToolBar& GetToolBar() { return m_wndToolBar; }
    // The status bar the page number goes to; null when the frame has none or it is gone.
    CTavoPStatusBar* GetStatusBar() const;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnUpdatePreviewNumpage(CCmdUI* pCmdUI);
    void OnSize(UINT nType, int cx, int cy);

    CTavoPPrintPreviewToolBar m_wndToolBar;
    int m_iOnePageImageIndex; // the one/two-page button's own image, shown while two pages show
    int m_iTwoPageImageIndex; // the placeholder's image, shown while one page shows
    int m_iPagesBtnIndex;     // the one/two-page button
    CTavoPStatusBar* m_pWndStatusBar;

    DECLARE_MESSAGE_MAP()

private:
    // Stretches the preview bar and the toolbar across the frame at the toolbar's height.
    void LayoutToolBar();
    // Clears the status bar's stretching pane, when the status bar still exists.
    void ClearStatusBarText();

    HWND m_hWndStatusBar; // tells whether the remembered status bar still exists
};

// Starts the library's print preview of pView. FALSE, after telling the user, when it cannot.
BOOL ShowPrintPreview(CView* pView);
