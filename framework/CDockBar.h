// The framework's own dock bar, the window that holds the framework's control bars along a frame edge; library frames recognise it by its class.
#pragma once
#include "framework/CWnd.h"

class CDockBar : public CWnd
{
    DECLARE_DYNAMIC(CDockBar)
public:
    CDockBar() = default;
};
