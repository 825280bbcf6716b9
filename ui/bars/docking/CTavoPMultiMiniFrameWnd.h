// The floating frame of a group of docking panes laid out in a tree; so far only its class identity.
#pragma once
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"

class CTavoPMultiMiniFrameWnd : public CTavoPMiniFrameWnd
{
    DECLARE_SERIAL(CTavoPMultiMiniFrameWnd)
public:
    CTavoPMultiMiniFrameWnd();
    virtual ~CTavoPMultiMiniFrameWnd();

    // Inserts pBar before or after pTarget in the frame's layout tree.
    virtual BOOL InsertControlBar(CTavoPBaseControlBar* pBar, CTavoPBaseControlBar* pTarget,
                                  BOOL bAfter)
    {
        return FALSE;
    }
};
