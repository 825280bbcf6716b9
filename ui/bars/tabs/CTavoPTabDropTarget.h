// The drop target of a tab window: in customize mode it passes dragged toolbar buttons to its tab window.
#pragma once
#include "ui/commandbars/CTavoPButtonDropTarget.h"

class CTavoPBaseTabWnd;

class CTavoPTabDropTarget : public CTavoPButtonDropTarget<CTavoPBaseTabWnd>
{};
