#include "tests/ui/foundation/VisualTestBars.h"
#include "tests/ui/foundation/VisualTestCanvas.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"
#include "ui/foundation/CTavoPVisualManagerXP.h"
#include "ui/foundation/CTavoPWinXPVisualManager.h"

#include <gtest/gtest.h>
#include <functional>

using namespace vmtest;

namespace {

class XPLook : public ClassicPaletteTest
{};

TEST_F(XPLook, DerivedColoursFromTheClassicPalette)
{
    ASSERT_GT(GetGlobalData().m_nBitsPerPixel, 8);
    CTavoPVisualManagerXP xp(TRUE);
    EXPECT_EQ(xp.GetMenuColor(), RGB(249, 248, 247));
    EXPECT_EQ(xp.GetHotColor(), RGB(182, 181, 227));
    EXPECT_EQ(xp.GetPressedColor(), RGB(158, 157, 197));
    EXPECT_EQ(xp.GetCheckedColor(), RGB(207, 206, 227));
    EXPECT_EQ(xp.GetSelectionFrameColor(), RGB(0, 0, 128));
    EXPECT_EQ(xp.GetGripperColor(), RGB(140, 140, 140));
    EXPECT_EQ(xp.GetMenuBorderColor(), RGB(105, 105, 105));
    EXPECT_EQ(xp.GetMenuImageMargin(), 3);
    EXPECT_TRUE(xp.IsLook2000());
    EXPECT_EQ(xp.GetMenuShadowDepth(), 4);
    EXPECT_FALSE(xp.IsEmbossDisabledImage());
}

TEST_F(XPLook, PaletteDisplayUsesPlainSystemColours)
{
    CDC::SetScreenBitsPerPixelOverride(8);
    GetGlobalData().UpdateSysColors();
    CTavoPVisualManagerXP xp(TRUE);
    CDC::SetScreenBitsPerPixelOverride(0);
    GetGlobalData().UpdateSysColors();

    EXPECT_EQ(xp.GetMenuColor(), RGB(255, 255, 255));
    EXPECT_EQ(xp.GetCheckedColor(), RGB(255, 255, 255));
    EXPECT_EQ(xp.GetHotColor(), kFace);
    EXPECT_EQ(xp.GetPressedColor(), kFace);
    EXPECT_EQ(xp.GetBarColor(), kFace);
    EXPECT_EQ(xp.GetMenuBorderColor(), kDkShadow);
    EXPECT_EQ(xp.GetGripperColor(), kShadow);
}

// Sets one system colour for the length of a scope and rebuilds the colours from it.
class SysColorOverride
{
public:
    SysColorOverride(int nElement, COLORREF clr)
        : m_nElement(nElement), m_clrSaved(::GetSysColor(nElement))
    {
        ::SetSysColors(1, &m_nElement, &clr);
        GetGlobalData().UpdateSysColors();
    }
    ~SysColorOverride()
    {
        ::SetSysColors(1, &m_nElement, &m_clrSaved);
        GetGlobalData().UpdateSysColors();
    }

private:
    int m_nElement;
    COLORREF m_clrSaved;
};

TEST_F(XPLook, HotMenuItemTextIsBlackOnALightHotColourAndWhiteOnADarkOne)
{
    CTavoPPopupMenuBar popup;
    TestMenuButton item;
    item.SetParentWnd(&popup);

    {
        CTavoPVisualManagerXP xp(TRUE);
        VisualCanvas canvas(60, 20);
        COLORREF clrText = RGB(1, 2, 3);
        xp.OnHighlightMenuItem(canvas.pdc(), &item, CRect(0, 0, 60, 20), clrText);
        EXPECT_EQ(clrText, RGB(0, 0, 0));
        EXPECT_EQ(xp.GetHighlightedMenuItemTextColor(&item), RGB(0, 0, 0));
        EXPECT_EQ(canvas.Pixel(30, 10), RGB(182, 181, 227));
        EXPECT_EQ(canvas.Pixel(0, 0), RGB(0, 0, 128));
        EXPECT_EQ(canvas.Pixel(59, 19), RGB(0, 0, 128));
    }
    {
        SysColorOverride window(COLOR_WINDOW, RGB(96, 96, 96));
        CTavoPVisualManagerXP xp(TRUE);
        VisualCanvas canvas(60, 20);
        COLORREF clrText = RGB(1, 2, 3);
        xp.OnHighlightMenuItem(canvas.pdc(), &item, CRect(0, 0, 60, 20), clrText);
        EXPECT_EQ(clrText, RGB(255, 255, 255));
    }
    {
        item.m_nStyle = TBBS_DISABLED;
        CTavoPVisualManagerXP xp(TRUE);
        VisualCanvas canvas(60, 20);
        COLORREF clrText = RGB(1, 2, 3);
        xp.OnHighlightMenuItem(canvas.pdc(), &item, CRect(0, 0, 60, 20), clrText);
        EXPECT_EQ(clrText, RGB(128, 128, 128));
        EXPECT_EQ(canvas.Pixel(30, 10), RGB(249, 248, 247));
    }
}

TEST_F(XPLook, ButtonFillsFollowStateAndStyle)
{
    CTavoPVisualManagerXP xp(TRUE);
    CTavoPToolbarButton button;
    struct
    {
        const char* name;
        UINT style;
        int state;
        COLORREF centre;
    } cases[] = {
        {"normal draws nothing", 0, TAVOP_BUTTON_NORMAL, kBack},
        {"hot", 0, TAVOP_BUTTON_HIGHLIGHTED, RGB(182, 181, 227)},
        {"pressed", TBBS_PRESSED, TAVOP_BUTTON_PRESSED, RGB(158, 157, 197)},
        {"checked", TBBS_CHECKED, TAVOP_BUTTON_PRESSED, RGB(207, 206, 227)},
        {"checked and hot", TBBS_CHECKED, TAVOP_BUTTON_HIGHLIGHTED, RGB(158, 157, 197)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        button.m_nStyle = c.style;
        VisualCanvas canvas(20, 20);
        xp.OnFillButtonInterior(canvas.pdc(), &button, CRect(0, 0, 20, 20), c.state);
        xp.OnDrawButtonBorder(canvas.pdc(), &button, CRect(0, 0, 20, 20), c.state);
        EXPECT_EQ(canvas.Pixel(10, 10), c.centre);
        // The frame in the selection colour loses the last row and column.
        EXPECT_EQ(canvas.Pixel(0, 0), c.state == TAVOP_BUTTON_NORMAL ? kBack : RGB(0, 0, 128));
        EXPECT_EQ(canvas.Pixel(19, 19), kBack);
    }

    CTavoPToolBar::SetCustomizeMode(TRUE);
    VisualCanvas customizing(20, 20);
    button.m_nStyle = 0;
    xp.OnFillButtonInterior(customizing.pdc(), &button, CRect(0, 0, 20, 20),
                            TAVOP_BUTTON_HIGHLIGHTED);
    CTavoPToolBar::SetCustomizeMode(FALSE);
    EXPECT_EQ(customizing.Pixel(10, 10), kBack);
}

TEST_F(XPLook, GripperIsOneDottedStrip)
{
    CTavoPVisualManagerXP xp(TRUE);
    CTavoPToolBar bar;
    VisualCanvas canvas(20, 30);
    xp.OnDrawBarGripper(canvas.pdc(), CRect(0, 0, 20, 30), TRUE, &bar);

    const COLORREF clrGripper = xp.GetGripperColor(), clrBar = xp.GetBarColor();
    // A 3-pixel column from x 9, shortened by 5 at both ends, in alternating rows.
    EXPECT_EQ(canvas.Pixel(8, 15), kBack);
    EXPECT_EQ(canvas.Pixel(12, 15), kBack);
    EXPECT_EQ(canvas.Pixel(10, 4), kBack);
    EXPECT_EQ(canvas.Pixel(10, 25), kBack);
    for (int y = 5; y < 25; y++)
    {
        const COLORREF c = canvas.Pixel(10, y);
        EXPECT_TRUE(c == clrGripper || c == clrBar) << y;
        EXPECT_NE(c, canvas.Pixel(10, y + 1 < 25 ? y + 1 : y - 1)) << y;
        EXPECT_EQ(c, canvas.Pixel(9, y));
        EXPECT_EQ(c, canvas.Pixel(11, y));
    }
}

TEST_F(XPLook, DockingPaneGripperCarriesItsTitle)
{
    CTavoPDockingControlBar pane;
    ASSERT_TRUE(pane.Attach(
        ::CreateWindowExA(0, "STATIC", "Pane", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL)));

    CTavoPVisualManagerXP xp(TRUE);
    VisualCanvas canvas(100, 20);
    xp.OnDrawBarGripper(canvas.pdc(), CRect(0, 0, 100, 20), FALSE, &pane);
    ::DestroyWindow(pane.Detach());

    // Dotted from 4 pixels in, on the face colour; the title in button text over it, on the left.
    EXPECT_EQ(canvas.Pixel(2, 10), kBack);
    EXPECT_EQ(canvas.Pixel(97, 10), kBack);
    EXPECT_GT(canvas.Count(RGB(0, 0, 0), 4, 0, 50, 20), 0);
    EXPECT_EQ(canvas.Count(RGB(0, 0, 0), 60, 0, 100, 20), 0);
    EXPECT_GT(canvas.Count(xp.GetGripperColor(), 60, 0, 96, 20), 0);
    EXPECT_GT(canvas.Count(kFace, 60, 0, 96, 20), 0);
}

// A menu-bar button 40 pixels wide.
class TestMenuBarButton : public TestMenuButton
{
public:
    TestMenuBarButton() { SetRect(CRect(100, 0, 140, 20)); }
};

TEST_F(XPLook, PopupBorderOpensTowardsItsMenuBarButton)
{
    CTavoPVisualManagerXP xp(TRUE);
    TestMenuBarButton button;
    TestPopup popup;
    popup.OpenedBy(&button);
    VisualCanvas canvas(80, 60);
    xp.OnDrawMenuBorder(canvas.pdc(), &popup, CRect(0, 0, 80, 60));

    EXPECT_EQ(canvas.Pixel(0, 0), xp.GetMenuBorderColor());
    EXPECT_EQ(canvas.Pixel(1, 0), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(37, 0), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(38, 0), xp.GetMenuBorderColor());
    EXPECT_EQ(canvas.Pixel(79, 59), xp.GetMenuBorderColor());
    EXPECT_EQ(canvas.Pixel(1, 30), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(40, 1), xp.GetMenuColor());

    // A button that does not join keeps the border closed.
    class Apart : public TestMenuBarButton
    {
    public:
        BOOL IsBorderJoined() const override { return FALSE; }
    } apart;
    popup.OpenedBy(&apart);
    VisualCanvas closed(80, 60);
    xp.OnDrawMenuBorder(closed.pdc(), &popup, CRect(0, 0, 80, 60));
    EXPECT_EQ(closed.Pixel(10, 0), xp.GetMenuBorderColor());
}

TEST_F(XPLook, SubmenuBorderStaysClosed)
{
    // The parent popup's window with its item bar inside; the submenu's button sits on that bar.
    TestPopup parentPopup;
    ASSERT_TRUE(parentPopup.Attach(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0,
                                                     80, 60, NULL, NULL, NULL, NULL)));
    CTavoPPopupMenuBar* pItems = parentPopup.GetMenuBar();
    ASSERT_TRUE(pItems->CreateEx(0, "STATIC", "", WS_CHILD, CRect(0, 0, 80, 60), &parentPopup, 1));
    TestMenuBarButton item;
    item.SetParentWnd(pItems);
    TestPopup submenu;
    submenu.OpenedBy(&item, CTavoPPopupMenu::DROP_RIGHT);
    EXPECT_EQ(submenu.GetParentPopupMenu(), &parentPopup);

    CTavoPVisualManagerXP xp(TRUE);
    VisualCanvas canvas(80, 60);
    xp.OnDrawMenuBorder(canvas.pdc(), &submenu, CRect(0, 0, 80, 60));
    EXPECT_EQ(canvas.Pixel(0, 10), xp.GetMenuBorderColor());

    pItems->DestroyWindow();
    ::DestroyWindow(parentPopup.Detach());
}

TEST_F(XPLook, OpenMenuBarButtonJoinsItsPopup)
{
    HWND hwndPopup = ::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                       10, 10, NULL, NULL, NULL, NULL);
    TestPopup popup;
    ASSERT_TRUE(popup.Attach(hwndPopup));
    TestMenuButton button;
    popup.OpenedBy(&button, CTavoPPopupMenu::DROP_DOWN);
    button.SetPopupMenu(&popup);
    ASSERT_TRUE(button.IsDroppedDown());
    CTavoPMenuBar menuBar;
    button.SetParentWnd(&menuBar);

    CTavoPVisualManagerXP xp(TRUE);
    CTavoPPopupMenu::m_bMenuShadows = FALSE;
    VisualCanvas canvas(50, 30);
    xp.OnFillButtonInterior(canvas.pdc(), &button, CRect(0, 0, 40, 20), TAVOP_BUTTON_HIGHLIGHTED);
    xp.OnDrawButtonBorder(canvas.pdc(), &button, CRect(0, 0, 40, 20), TAVOP_BUTTON_HIGHLIGHTED);
    CTavoPPopupMenu::m_bMenuShadows = TRUE;
    ::DestroyWindow(popup.Detach());

    // Trimmed to 39 x 19, then grown 4 pixels down to the popup.
    EXPECT_EQ(canvas.Pixel(0, 0), xp.GetMenuBorderColor());
    EXPECT_EQ(canvas.Pixel(38, 22), xp.GetMenuBorderColor());
    EXPECT_EQ(canvas.Pixel(20, 21), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(20, 23), kBack);
    EXPECT_EQ(canvas.Pixel(39, 10), kBack);
}

TEST_F(XPLook, PopupMenuBarHasAnImageColumnAndShortSeparators)
{
    CTavoPVisualManagerXP xp(TRUE);
    TestPopupMenuBar popupBar;
    VisualCanvas canvas(100, 40);
    xp.OnFillBarBackground(canvas.pdc(), &popupBar, CRect(0, 0, 100, 40), CRect());
    xp.OnDrawSeparator(canvas.pdc(), &popupBar, CRect(0, 10, 100, 20), FALSE);

    // Image column: 16 + 2 x 3 + 1 pixels of bar colour, then the menu colour.
    EXPECT_EQ(canvas.Pixel(22, 5), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(23, 5), xp.GetMenuColor());
    // The separator starts after the image margin, the image and one pixel.
    EXPECT_EQ(canvas.Pixel(19, 15), xp.GetBarColor());
    EXPECT_EQ(canvas.Pixel(20, 15), xp.GetSeparatorColor());
    EXPECT_EQ(canvas.Pixel(99, 15), xp.GetSeparatorColor());

    popupBar.HideImageColumn(TRUE);
    xp.OnFillBarBackground(canvas.pdc(), &popupBar, CRect(0, 0, 100, 40), CRect());
    EXPECT_EQ(canvas.Pixel(5, 5), xp.GetMenuColor());
}

// Drawing every operation that has a themed form, into one canvas.
static void DrawThemedOperations(CTavoPVisualManager& vm, VisualCanvas& canvas)
{
    CDC* pDC = canvas.pdc();
    CTavoPToolBar bar;
    CTavoPStatusBar statusBar;
    CTavoPPopupMenuBar popupBar;
    CTavoPToolbarButton button;
    CTavoPToolbarComboBoxButton comboButton;
    CTavoPToolbarEditBoxButton editButton;
    TestMenuButton menuItem;
    menuItem.SetParentWnd(&bar);
    CTavoPCaptionButton caption;
    caption.m_nHit = HTCLOSE;
    caption.m_bFocused = TRUE;
    TestPopup popup;
    TestMenuBarButton menuButton;
    popup.OpenedBy(&menuButton);

    vm.OnFillBarBackground(pDC, &popupBar, CRect(0, 0, 60, 40), CRect());
    vm.OnDrawMenuBorder(pDC, &popup, CRect(0, 0, 60, 40));
    vm.OnDrawBarGripper(pDC, CRect(60, 0, 80, 40), TRUE, &bar);
    vm.OnDrawSeparator(pDC, &bar, CRect(80, 0, 90, 40), TRUE);
    vm.OnDrawCaptionButton(pDC, &caption, TRUE, TRUE, FALSE, FALSE);
    vm.OnDrawMenuSystemButton(pDC, CRect(90, 0, 110, 20), SC_CLOSE, 0, TRUE);
    vm.OnDrawMenuSystemButton(pDC, CRect(110, 0, 130, 20), SC_RESTORE, TBBS_PRESSED, TRUE);
    vm.OnDrawStatusBarPaneBorder(pDC, &statusBar, CRect(0, 40, 60, 60), 0, 0);
    vm.OnDrawStatusBarProgress(pDC, &statusBar, CRect(60, 40, 130, 60), 10, 4, RGB(0, 0, 255),
                               (COLORREF)-1, (COLORREF)-1, TRUE);
    vm.OnDrawStatusBarSizeBox(pDC, &statusBar, CRect(130, 40, 150, 60));
    vm.OnDrawComboDropButton(pDC, CRect(0, 60, 16, 80), FALSE, TRUE, TRUE, &comboButton);
    vm.OnDrawComboBorder(pDC, CRect(16, 60, 60, 80), FALSE, FALSE, TRUE, &comboButton);
    vm.OnDrawEditBorder(pDC, CRect(60, 60, 100, 80), FALSE, TRUE, &editButton);
    button.m_nStyle = TBBS_CHECKED;
    vm.OnFillButtonInterior(pDC, &button, CRect(100, 60, 124, 82), TAVOP_BUTTON_HIGHLIGHTED);
    vm.OnDrawButtonBorder(pDC, &button, CRect(100, 60, 124, 82), TAVOP_BUTTON_HIGHLIGHTED);
    menuItem.m_nStyle = TBBS_CHECKED;
    COLORREF clrText = 0;
    vm.OnHighlightMenuItem(pDC, &menuItem, CRect(0, 82, 60, 100), clrText);
    vm.OnFillCommandsListBackground(pDC, CRect(60, 82, 150, 100), FALSE);
    CRect rectHeader(0, 100, 40, 120);
    vm.OnDrawHeaderItemBorder(NULL, pDC, rectHeader, TRUE, FALSE);
    vm.OnDrawHeaderSortArrow(NULL, pDC, CRect(40, 100, 50, 110), TRUE);
}

class ThemeLibraryName
{
public:
    explicit ThemeLibraryName(LPCSTR lpszName)
        : m_lpszSaved(CTavoPWinXPVisualManager::m_lpszThemeLibrary)
    {
        CTavoPWinXPVisualManager::m_lpszThemeLibrary = lpszName;
    }
    ~ThemeLibraryName() { CTavoPWinXPVisualManager::m_lpszThemeLibrary = m_lpszSaved; }

private:
    LPCSTR m_lpszSaved;
};

TEST_F(XPLook, ThemeManagerWithoutThemesDrawsExactlyAsXP)
{
    // This prefix runs with the visual theme switched off; the second case has no theme library at all.
    const LPCSTR libraries[] = {"UxTheme.dll", "vorlen-no-such-theme.dll"};
    for (LPCSTR lpszLibrary : libraries)
    {
        SCOPED_TRACE(lpszLibrary);
        ThemeLibraryName name(lpszLibrary);
        CTavoPVisualManagerXP xp(TRUE);
        CTavoPWinXPVisualManager themed(TRUE);
        EXPECT_FALSE(themed.IsWindowThemeOpen());
        EXPECT_TRUE(themed.IsButtonLook());
        EXPECT_EQ(themed.GetButtonExtraSize(), CSize(0, 0));
        EXPECT_FALSE(CTavoPWinXPVisualManager::IsThemeAvailable());

        VisualCanvas a(150, 120), b(150, 120);
        DrawThemedOperations(xp, a);
        DrawThemedOperations(themed, b);
        EXPECT_TRUE(a.Bytes() == b.Bytes());
        EXPECT_TRUE(themed.IsConnectMenuToParent());
    }
}

TEST_F(XPLook, ThemeAvailabilityProbeLeavesTheCurrentManager)
{
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CTavoPVisualManagerXP));
    CTavoPVisualManager* pCurrent = CTavoPVisualManager::GetInstance();
    CTavoPWinXPVisualManager::IsThemeAvailable();
    EXPECT_EQ(CTavoPVisualManager::GetInstance(), pCurrent);
    CTavoPVisualManager::SetDefaultManager(NULL);
    CTavoPVisualManager::DestroyInstance();
}

} // namespace
