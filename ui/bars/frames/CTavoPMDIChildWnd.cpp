#include "ui/bars/frames/CTavoPMDIChildWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMDIChildWnd, CMDIChildWnd)

CTavoPMDIChildWnd::CTavoPMDIChildWnd() = default;

CTavoPMDIChildWnd::~CTavoPMDIChildWnd() = default;
