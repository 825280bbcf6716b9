// The popup window of a colour menu button or colour push button: a colour bar in place of the menu's items.
#pragma once
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/color/CTavoPColorBar.h"

class CTavoPColorMenuButton;
class CTavoPColorButton;
class CTavoPControlBar;

class CColorPopup : public CTavoPPopupMenu
{
    DECLARE_DYNAMIC(CColorPopup)
public:
    // For a colour menu button; null labels mean none.
    CColorPopup(CTavoPColorMenuButton* pParentBtn, const CColorArray& colors, COLORREF color,
                LPCTSTR lpszAutoColor, LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                const CColorList& lstDocColors, int nColumns, int nHorzDockRows,
                int nVertDockColumns, COLORREF colorAutomatic, UINT uiCommandID);
    // For a colour push button.
    CColorPopup(CTavoPColorButton* pParentBtn, const CColorArray& colors, COLORREF color,
                LPCTSTR lpszAutoColor, LPCTSTR lpszOtherColor, LPCTSTR lpszDocColors,
                const CColorList& lstDocColors, int nColumns, COLORREF colorAutomatic);
    virtual ~CColorPopup();

    virtual CTavoPPopupMenuBar* GetMenuBar() override { return &m_wndColorBar; }
    // A standalone colour bar copied from this popup's bar, docked into the frame; null when the
    // popup was not opened by a colour menu button or the bar cannot be created.
    virtual CTavoPControlBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID,
                                               LPCTSTR lpszName) override;

    CTavoPColorBar& GetColorBar() { return m_wndColorBar; }

protected:
    CTavoPColorBar m_wndColorBar;
    HWND m_hwndParent;

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);

protected:
    DECLARE_MESSAGE_MAP()
};
