#include "framework/COleIPFrameWnd.h"
#include "framework/COleCntrFrameWnd.h"

BEGIN_MESSAGE_MAP(COleIPFrameWnd, CFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)

namespace {

// A wrapper of hWnd for the in-place frame; null when hWnd is no window or has an object already.
COleCntrFrameWnd* Wrap(COleIPFrameWnd* pInPlaceFrame, HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return nullptr;
    COleCntrFrameWnd* pWrapper = new COleCntrFrameWnd(pInPlaceFrame);
    if (!pWrapper->Attach(hWnd))
    {
        delete pWrapper;
        return nullptr;
    }
    return pWrapper;
}

}

COleIPFrameWnd::COleIPFrameWnd() : m_pMainFrame(nullptr), m_pDocFrame(nullptr)
{}

COleIPFrameWnd::~COleIPFrameWnd()
{
    DestroyToolSpace();
}

BOOL COleIPFrameWnd::BuildToolSpace(HWND hwndContainerFrame, HWND hwndDocFrame)
{
    if (m_pMainFrame == nullptr)
    {
        m_pMainFrame = Wrap(this, hwndContainerFrame);
        if (m_pMainFrame == nullptr)
            return FALSE;
    }
    if (m_pDocFrame == nullptr && hwndDocFrame != nullptr)
    {
        m_pDocFrame = Wrap(this, hwndDocFrame);
        if (m_pDocFrame == nullptr)
        {
            DestroyToolSpace();
            return FALSE;
        }
    }
    if (!OnCreateControlBars(m_pMainFrame, m_pDocFrame))
    {
        DestroyToolSpace();
        return FALSE;
    }
    return TRUE;
}

void COleIPFrameWnd::DestroyToolSpace()
{
    COleCntrFrameWnd* pDocFrame = m_pDocFrame;
    COleCntrFrameWnd* pMainFrame = m_pMainFrame;
    m_pDocFrame = nullptr;
    m_pMainFrame = nullptr;
    delete pDocFrame;
    delete pMainFrame;
}

BOOL COleIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*)
{
    return TRUE;
}

void COleIPFrameWnd::RecalcLayout(BOOL bNotify)
{
    CFrameWnd::RecalcLayout(bNotify);
}

void COleIPFrameWnd::OnDestroy()
{
    // The bars on the container's windows go with the activation, before this frame's window.
    DestroyToolSpace();
    CFrameWnd::OnDestroy();
}
