// The drop target of one toolbar: accepts dragged buttons only in customize mode and hands them to its toolbar.
#pragma once
#include "ui/commandbars/CTavoPButtonDropTarget.h"

class CTavoPToolBar;

class CTavoPToolbarDropTarget : public CTavoPButtonDropTarget<CTavoPToolBar>
{};
