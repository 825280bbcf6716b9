#include "ui/bars/tabs/CTavoPBaseTabWnd.h"

IMPLEMENT_DYNAMIC(CTavoPBaseTabWnd, CWnd)

CTavoPBaseTabWnd::CTavoPBaseTabWnd() = default;

CTavoPBaseTabWnd::~CTavoPBaseTabWnd() = default;
