// The in-place frame of a document server, for containers whose documents have frames of their own.
#pragma once
#include "framework/COleIPFrameWnd.h"

class COleDocIPFrameWnd : public COleIPFrameWnd
{
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
public:
    COleDocIPFrameWnd();
    virtual ~COleDocIPFrameWnd();
};
