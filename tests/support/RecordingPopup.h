// A popup window standing for an open menu: it records the keys and closings it is sent.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include <vector>

class RecordingPopup : public CTavoPPopupMenu
{
public:
    BOOL Make(const CRect& rect)
    {
        return CMiniFrameWnd::CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "",
                                       WS_POPUP | WS_VISIBLE, rect);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_KEYDOWN)
            m_keys.push_back((int)wParam);
        else if (message == WM_CLOSE)
            m_nClosed++;
        else
            return CTavoPPopupMenu::WindowProc(message, wParam, lParam);
        return 0;
    }
    std::vector<int> m_keys;
    int m_nClosed = 0;
};
