// A document frame inside a multi-document frame; only its class identity so far, the frame behaviour is the plain frame's.
#pragma once
#include "framework/CFrameWnd.h"

class CMDIChildWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIChildWnd)
public:
    CMDIChildWnd();
    virtual ~CMDIChildWnd();
};
