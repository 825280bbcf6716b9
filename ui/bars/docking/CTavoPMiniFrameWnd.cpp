#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMiniFrameWnd, CWnd)

CTavoPMiniFrameWnd::CTavoPMiniFrameWnd() : m_hEmbeddedBar(nullptr), m_hDockSite(nullptr)
{}

CTavoPMiniFrameWnd::~CTavoPMiniFrameWnd()
{}

int CTavoPMiniFrameWnd::GetControlBarCount() const
{
    return m_hEmbeddedBar != nullptr ? 1 : 0;
}

CWnd* CTavoPMiniFrameWnd::GetControlBar() const
{
    return m_hEmbeddedBar != nullptr ? CWnd::FromHandlePermanent(m_hEmbeddedBar) : nullptr;
}

CWnd* CTavoPMiniFrameWnd::GetDockSite() const
{
    return m_hDockSite != nullptr ? CWnd::FromHandle(m_hDockSite) : nullptr;
}
