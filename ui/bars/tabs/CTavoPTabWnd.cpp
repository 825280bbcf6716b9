#include "ui/bars/tabs/CTavoPTabWnd.h"

IMPLEMENT_DYNCREATE(CTavoPTabWnd, CTavoPBaseTabWnd)

CTavoPTabWnd::CTavoPTabWnd() : m_bFlat(FALSE)
{}

CTavoPTabWnd::~CTavoPTabWnd()
{}
