// A plain top-level window for controls under test: it records the command IDs its children send and reflects their notifications back to them.
#pragma once
#include "framework/Framework.h"
#include <vector>

class CommandParentWnd : public CWnd
{
public:
    std::vector<UINT> commands;

    bool Make(LPCTSTR lpszTitle, const CRect& rect)
    {
        return CreateEx(0, AfxRegisterWndClass(0), lpszTitle, WS_POPUP | WS_VISIBLE, rect.left,
                        rect.top, rect.Width(), rect.Height(), nullptr, nullptr) != FALSE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        commands.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
};
