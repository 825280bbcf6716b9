// vorlen's main window: the library frame with its menu bar, toolbar and status-bar clock, the fixed style and title, and the toolbar list for the bar menu.
#pragma once
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"

class CMainFrame : public CTavoPFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    virtual ~CMainFrame();

    // The title every start shows, whatever the document is called.
    static const char* const kTitle;
    // The clock timer and the status pane it writes.
    enum
    {
        kClockTimer = 1,
        kClockPeriod = 1000
    };

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    virtual BOOL OnBeforeShowPopupMenu(CTavoPPopupMenu* pMenuPopup) override;

    CTavoPMenuBar& GetMenuBar() { return m_wndMenuBar; }
    CTavoPStatusBar& GetStatusBar() { return m_wndStatusBar; }
    CTavoPToolBar& GetToolBar() { return m_wndToolBar; }
    // The clock's text for a local time.
    static CString ClockText(const SYSTEMTIME& time);

protected:
    CTavoPMenuBar m_wndMenuBar;
    CTavoPStatusBar m_wndStatusBar;
    CTavoPToolBar m_wndToolBar;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnTimer(UINT_PTR nIDEvent);
    void OnDestroy();
    LRESULT OnToolbarContextMenu(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Writes the local time into the clock's pane.
    void ShowClock();
};
