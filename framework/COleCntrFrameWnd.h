// The frame that stands for a container's frame while an item is edited in place; only its class identity so far.
#pragma once
#include "framework/CFrameWnd.h"

class COleCntrFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(COleCntrFrameWnd)
public:
    COleCntrFrameWnd();
    virtual ~COleCntrFrameWnd();
};
