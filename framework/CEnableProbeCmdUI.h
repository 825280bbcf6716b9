// A command-update probe that only records whether the command's update handler enables it.
#pragma once
#include "framework/CCmdUI.h"

class CEnableProbeCmdUI : public CCmdUI
{
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn = TRUE) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int = 1) override {}
    void SetRadio(BOOL = TRUE) override {}
    void SetText(LPCTSTR) override {}
};
