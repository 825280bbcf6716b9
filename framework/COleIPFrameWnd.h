// The frame a server shows while one of its items is edited in place; only its class identity so far.
#pragma once
#include "framework/CFrameWnd.h"

class COleIPFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd();
    virtual ~COleIPFrameWnd();
};
