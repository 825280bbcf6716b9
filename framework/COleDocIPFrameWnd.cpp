#include "framework/COleDocIPFrameWnd.h"

IMPLEMENT_DYNCREATE(COleDocIPFrameWnd, COleIPFrameWnd)

COleDocIPFrameWnd::COleDocIPFrameWnd() = default;

COleDocIPFrameWnd::~COleDocIPFrameWnd() = default;
