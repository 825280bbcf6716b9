// The command-UI object that lets a command's update handler enable, check and relabel one toolbar button.
#pragma once
#include "framework/FrameworkWin.h"

class CTavoPToolbarCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn = TRUE) override;
    virtual void SetCheck(int nCheck = 1) override;
    virtual void SetRadio(BOOL bOn = TRUE) override;
    virtual void SetText(LPCTSTR lpszText) override;
};
