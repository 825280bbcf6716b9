#include "framework/COleCntrFrameWnd.h"

IMPLEMENT_DYNCREATE(COleCntrFrameWnd, CFrameWnd)

COleCntrFrameWnd::COleCntrFrameWnd() = default;

COleCntrFrameWnd::~COleCntrFrameWnd() = default;
