// A container's frame window wrapped while a server's item is edited in place in it, so that the in-place frame can put its bars there; the window belongs to the container and the object never destroys it.
#pragma once
#include "framework/CFrameWnd.h"

class COleIPFrameWnd;

class COleCntrFrameWnd : public CFrameWnd
{
    DECLARE_DYNAMIC(COleCntrFrameWnd)
public:
    explicit COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame);
    virtual ~COleCntrFrameWnd();

    // The container lays out its own windows: the wrapper moves none of them.
    virtual void RecalcLayout(BOOL bNotify = TRUE) override;
    // The in-place frame deletes its wrappers; the window going does not.
    virtual void PostNcDestroy() override;

    COleIPFrameWnd* m_pInPlaceFrame;
};
