// The in-place frame of a document server; only its class identity so far.
#pragma once
#include "framework/COleIPFrameWnd.h"

class COleDocIPFrameWnd : public COleIPFrameWnd
{
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
public:
    COleDocIPFrameWnd();
    virtual ~COleDocIPFrameWnd();
};
