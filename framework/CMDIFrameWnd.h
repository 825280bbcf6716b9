// The frame of a multi-document program; only its class identity so far, the frame behaviour is the plain frame's.
#pragma once
#include "framework/CFrameWnd.h"

class CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();
    virtual ~CMDIFrameWnd();
};
