// Stand-ins for the bars, buttons and windows the visual managers draw: only their runtime classes and the
// answers the managers ask for.
#pragma once
#include "framework/FrameworkCore.h"
#include "framework/FrameworkWin.h"
#include "ui/foundation/CTavoPWndFace.h"
#include "ui/foundation/CTavoPButtonFace.h"
#include "ui/foundation/CTavoPCaptionButtonFace.h"
#include "ui/foundation/CTavoPPushButtonFace.h"
#include "ui/foundation/CTavoPTabWndFace.h"

namespace vmtest {

class CTavoPBaseControlBar : public CObject, public CTavoPWndFace
{
    DECLARE_DYNAMIC(CTavoPBaseControlBar)
public:
    BOOL m_bFloating = FALSE;
    DWORD m_dwStyle = 0;
    BOOL m_bCanFloat = TRUE;
    BOOL IsFloating() const override { return m_bFloating; }
    DWORD GetBarStyle() const override { return m_dwStyle; }
    BOOL CanFloat() const override { return m_bCanFloat; }
};

class CTavoPToolBar : public CTavoPBaseControlBar
{
    DECLARE_DYNAMIC(CTavoPToolBar)
};

class CTavoPMenuBar : public CTavoPToolBar
{
    DECLARE_DYNAMIC(CTavoPMenuBar)
};

class CTavoPPopupMenuBar : public CTavoPToolBar
{
    DECLARE_DYNAMIC(CTavoPPopupMenuBar)
public:
    BOOL m_bHideImages = FALSE;
    BOOL IsImageColumnHidden() const override { return m_bHideImages; }
};

class CTavoPCaptionBar : public CTavoPBaseControlBar
{
    DECLARE_DYNAMIC(CTavoPCaptionBar)
public:
    COLORREF m_clrBack = (COLORREF)-1;
    COLORREF GetBarBackgroundColor() const override { return m_clrBack; }
};

// A docking pane is a window: the visual manager reads its title from it.
class CTavoPDockingControlBar : public CWnd, public CTavoPWndFace
{
    DECLARE_DYNAMIC(CTavoPDockingControlBar)
};

class CTavoPToolbarButton : public CObject, public CTavoPButtonFace
{
    DECLARE_DYNAMIC(CTavoPToolbarButton)
public:
    UINT m_nStyle = 0;
    CObject* m_pParentBar = NULL;
    UINT GetStyle() const override { return m_nStyle; }
    CObject* GetParentBar() const override { return m_pParentBar; }
};

class CTavoPToolbarMenuButton : public CTavoPToolbarButton
{
    DECLARE_DYNAMIC(CTavoPToolbarMenuButton)
};

class CTavoPOutlookButton : public CTavoPToolbarButton
{
    DECLARE_DYNAMIC(CTavoPOutlookButton)
};

class TestCaptionButton : public CTavoPCaptionButtonFace
{
public:
    CRect m_rect;
    UINT m_nHit = HTCLOSE;
    BOOL m_bPushed = FALSE;
    BOOL m_bHighlighted = FALSE;
    CRect GetButtonRect() const override { return m_rect; }
    UINT GetHit() const override { return m_nHit; }
    BOOL IsPushed() const override { return m_bPushed; }
    BOOL IsHighlighted() const override { return m_bHighlighted; }
    void SetPushed(BOOL b) override { m_bPushed = b; }
    void SetHighlighted(BOOL b) override { m_bHighlighted = b; }
};

class TestTabWnd : public CTavoPTabWndFace
{
public:
    BOOL m_bFlat = FALSE;
    BOOL m_bBottom = FALSE;
    int m_iActive = 0;
    BOOL IsFlatTab() const override { return m_bFlat; }
    BOOL IsLocationBottom() const override { return m_bBottom; }
    int GetActiveTab() const override { return m_iActive; }
    int GetTabsNum() const override { return 2; }
};

} // namespace vmtest
