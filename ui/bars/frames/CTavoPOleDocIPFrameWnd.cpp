#include "ui/bars/frames/CTavoPOleDocIPFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleDocIPFrameWnd, COleDocIPFrameWnd)

CTavoPOleDocIPFrameWnd::CTavoPOleDocIPFrameWnd() = default;

CTavoPOleDocIPFrameWnd::~CTavoPOleDocIPFrameWnd() = default;
