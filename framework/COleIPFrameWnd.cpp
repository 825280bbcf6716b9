#include "framework/COleIPFrameWnd.h"

IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)

COleIPFrameWnd::COleIPFrameWnd() = default;

COleIPFrameWnd::~COleIPFrameWnd() = default;
