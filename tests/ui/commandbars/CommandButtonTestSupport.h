// Test helpers of the command-bar buttons: a frame that records the commands of a range.
#pragma once
#include "framework/FrameworkWin.h"
#include "tests/support/MessagePump.h"
#include <vector>

// A frame that records the commands from uiFirst to uiLast it receives.
class CCommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> commands;
    CCommandFrame(UINT uiFirst, UINT uiLast) : m_uiFirst(uiFirst), m_uiLast(uiLast)
    {
        m_bAutoMenuEnable = FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        const UINT uiCmd = LOWORD(wParam);
        if (uiCmd >= m_uiFirst && uiCmd <= m_uiLast)
        {
            commands.push_back(uiCmd);
            return TRUE;
        }
        return CFrameWnd::OnCommand(wParam, lParam);
    }

private:
    UINT m_uiFirst;
    UINT m_uiLast;
};
