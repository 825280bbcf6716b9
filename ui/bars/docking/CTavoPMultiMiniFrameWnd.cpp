#include "ui/bars/docking/CTavoPMultiMiniFrameWnd.h"

IMPLEMENT_SERIAL(CTavoPMultiMiniFrameWnd, CTavoPMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

CTavoPMultiMiniFrameWnd::CTavoPMultiMiniFrameWnd() = default;

CTavoPMultiMiniFrameWnd::~CTavoPMultiMiniFrameWnd() = default;
