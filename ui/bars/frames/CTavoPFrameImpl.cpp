#include "ui/bars/frames/CTavoPFrameImpl.h"

CTavoPFrameImpl::CTavoPFrameImpl(CFrameWnd* pFrame)
    : m_pFrame(pFrame), m_nUserToolbarFirst(-1), m_nUserToolbarLast(-1)
{}

CTavoPFrameImpl::~CTavoPFrameImpl()
{}

// Without a range of user-toolbar IDs there are no user toolbars to load or save.
void CTavoPFrameImpl::LoadUserToolbars()
{}

void CTavoPFrameImpl::SaveUserToolbars(BOOL /*bFrameBarsOnly*/)
{}

// Menus cannot be torn off yet, so the frame holds no torn-off bars.
void CTavoPFrameImpl::LoadTearOffBars()
{}

void CTavoPFrameImpl::SaveTearOffBars(BOOL /*bFrameBarsOnly*/)
{}

// The framework frame keeps no bars of its own whose placement it could store.
void CTavoPFrameImpl::LoadFrameworkDockState(LPCTSTR /*lpszSectionName*/)
{}

void CTavoPFrameImpl::SaveFrameworkDockState(LPCTSTR /*lpszSectionName*/)
{}

BOOL CTavoPFrameImpl::IsDockStateValid()
{
    return TRUE;
}

void CTavoPFrameImpl::ApplyFrameworkDockState()
{}

// Without a dock manager loading does nothing and saving fails.
void CTavoPFrameImpl::LoadDockState(LPCTSTR /*lpszProfileName*/)
{}

BOOL CTavoPFrameImpl::SaveDockState(LPCTSTR /*lpszProfileName*/)
{
    return FALSE;
}
