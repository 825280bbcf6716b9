#include "ui/bars/tabs/CTavoPTabWnd.h"

IMPLEMENT_DYNCREATE(CTavoPTabWnd, CTavoPBaseTabWnd)

CTavoPTabWnd::CTavoPTabWnd() = default;

CTavoPTabWnd::~CTavoPTabWnd() = default;
