// vorlen's main window: the frame with the program's menu and shortcut keys, its fixed style and title.
#pragma once
#include "framework/FrameworkWin.h"

class CMainFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CMainFrame)
public:
    CMainFrame();
    virtual ~CMainFrame();

    // The title every start shows, whatever the document is called.
    static const char* const kTitle;

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
