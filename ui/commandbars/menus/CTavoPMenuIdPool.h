// The pool of command IDs that torn-off menus are given, so that they come back as toolbars with those IDs.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPMenuIdPool : public CObject
{
    DECLARE_DYNAMIC(CTavoPMenuIdPool)
public:
    CTavoPMenuIdPool();
    virtual ~CTavoPMenuIdPool();
};
