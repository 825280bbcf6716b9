#include "ui/bars/frames/CTavoPOleCntrFrameWnd.h"

IMPLEMENT_DYNCREATE(CTavoPOleCntrFrameWnd, COleCntrFrameWnd)

CTavoPOleCntrFrameWnd::CTavoPOleCntrFrameWnd() = default;

CTavoPOleCntrFrameWnd::~CTavoPOleCntrFrameWnd() = default;
