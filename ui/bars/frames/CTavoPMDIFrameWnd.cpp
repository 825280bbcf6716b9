#include "ui/bars/frames/CTavoPMDIFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPMDIFrameWnd, CMDIFrameWnd)

CTavoPMDIFrameWnd::CTavoPMDIFrameWnd() = default;

CTavoPMDIFrameWnd::~CTavoPMDIFrameWnd() = default;
