// The frame a server shows while one of its items is edited in place: the container's frame window, and its document frame where it has one, are wrapped as window objects for the in-place frame's bars while the activation lasts.
#pragma once
#include "framework/CFrameWnd.h"

class COleCntrFrameWnd;

class COleIPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd();
    virtual ~COleIPFrameWnd();

    // The in-place activation's tool space: wraps the container's frame window (and document
    // frame, null for a container with one frame) and lets this frame create its bars on them.
    // FALSE when a window cannot be wrapped or the bars were refused; nothing stays wrapped then.
    BOOL BuildToolSpace(HWND hwndContainerFrame, HWND hwndDocFrame);
    // The activation ends: the wrappers are deleted, the container's windows stay.
    void DestroyToolSpace();

    // Creates the frame's bars on the container's windows; FALSE ends the activation.
    virtual BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc);
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;

    void OnDestroy();

    // The container's frame window and document frame while in-place activation lasts; owned.
    COleCntrFrameWnd* m_pMainFrame;
    COleCntrFrameWnd* m_pDocFrame;

protected:
    DECLARE_MESSAGE_MAP()
};
