#include "ui/bars/frames/CTavoPOleIPFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleIPFrameWnd, COleIPFrameWnd)

CTavoPOleIPFrameWnd::CTavoPOleIPFrameWnd() = default;

CTavoPOleIPFrameWnd::~CTavoPOleIPFrameWnd() = default;
