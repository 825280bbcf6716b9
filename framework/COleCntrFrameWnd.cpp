#include "framework/COleCntrFrameWnd.h"

IMPLEMENT_DYNAMIC(COleCntrFrameWnd, CFrameWnd)

COleCntrFrameWnd::COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame) : m_pInPlaceFrame(pInPlaceFrame)
{}

COleCntrFrameWnd::~COleCntrFrameWnd()
{
    // The window object would destroy a window it is attached to: the container's stays.
    if (m_hWnd != nullptr)
        Detach();
}

void COleCntrFrameWnd::RecalcLayout(BOOL)
{}

void COleCntrFrameWnd::PostNcDestroy()
{}
