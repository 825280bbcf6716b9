// Runs in a process of its own: the visual theme is switched on for this process only, before the theme
// library is first loaded here.
#include "tests/ui/foundation/VisualTestBars.h"
#include "tests/ui/foundation/VisualTestCanvas.h"
#include "ui/foundation/CTavoPWinXPVisualManager.h"
#include "ui/bars/CTavoPStatusBar.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"

#include <gtest/gtest.h>
#include <functional>

using namespace vmtest;

namespace {

// The prefix keeps themes off; the theme library reads the switch when it is loaded.
class ThemeSwitchedOn
{
public:
    ThemeSwitchedOn() { Set("1"); }
    ~ThemeSwitchedOn() { Set("0"); }

private:
    static void Set(const char* lpszValue)
    {
        HKEY hKey;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER,
                              "Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0, NULL,
                              0, KEY_SET_VALUE, NULL, &hKey, NULL) == ERROR_SUCCESS)
        {
            ::RegSetValueExA(hKey, "ThemeActive", 0, REG_SZ, (const BYTE*)lpszValue, 2);
            ::RegCloseKey(hKey);
        }
    }
};

class ThemedLook : public ClassicPaletteTest
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(::GetModuleHandleA("uxtheme.dll"), nullptr);
        ThemeSwitchedOn on;
        s_pThemed = new CTavoPWinXPVisualManager(TRUE);
    }
    static void TearDownTestSuite()
    {
        delete s_pThemed;
        s_pThemed = NULL;
    }
    static CTavoPWinXPVisualManager* s_pThemed;
};
CTavoPWinXPVisualManager* ThemedLook::s_pThemed = NULL;

TEST_F(ThemedLook, OpenThemesChangeTheButtonMetrics)
{
    ASSERT_TRUE(s_pThemed->IsWindowThemeOpen());
    EXPECT_FALSE(s_pThemed->IsButtonLook());
    EXPECT_EQ(s_pThemed->GetButtonExtraSize(), CSize(2, 2));
    EXPECT_EQ(s_pThemed->GetTasksPaneMetrics()[0], 12);
    EXPECT_TRUE(CTavoPWinXPVisualManager::IsThemeAvailable());
}

TEST_F(ThemedLook, ThemedPartsDrawInsideTheirRects)
{
    CTavoPStatusBar statusBar;
    CTavoPToolbarButton button;
    CTavoPToolbarComboBoxButton comboButton;
    struct
    {
        const char* name;
        std::function<void(CDC*, const CRect&)> draw;
    } cases[] = {
        {"hot toolbar button",
         [&](CDC* pDC, const CRect& r) {
             s_pThemed->OnFillButtonInterior(pDC, &button, r, TAVOP_BUTTON_HIGHLIGHTED);
         }},
        {"MDI restore button",
         [&](CDC* pDC, const CRect& r) {
             s_pThemed->OnDrawMenuSystemButton(pDC, r, SC_RESTORE, 0, TRUE);
         }},
        {"MDI close button",
         [&](CDC* pDC, const CRect& r) {
             s_pThemed->OnDrawMenuSystemButton(pDC, r, SC_CLOSE, TBBS_PRESSED, TRUE);
         }},
        {"combo drop button",
         [&](CDC* pDC, const CRect& r) {
             s_pThemed->OnDrawComboDropButton(pDC, r, FALSE, FALSE, TRUE, &comboButton);
         }},
        {"progress",
         [&](CDC* pDC, const CRect& r) {
             s_pThemed->OnDrawStatusBarProgress(pDC, &statusBar, r, 10, 5, 0, (COLORREF)-1,
                                                (COLORREF)-1, FALSE);
         }},
        {"size box",
         [&](CDC* pDC, const CRect& r) { s_pThemed->OnDrawStatusBarSizeBox(pDC, &statusBar, r); }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        VisualCanvas canvas(40, 30);
        c.draw(canvas.pdc(), CRect(10, 5, 30, 25));
        EXPECT_LT(canvas.Count(kBack, 10, 5, 30, 25), 400);
        EXPECT_EQ(canvas.Count(kBack, 0, 0, 40, 30) - canvas.Count(kBack, 10, 5, 30, 25),
                  40 * 30 - 400);
    }
}

TEST_F(ThemedLook, ProgressWithRangeZeroDrawsOnlyTheTrough)
{
    VisualCanvas trough(40, 30), zero(40, 30);
    CTavoPStatusBar statusBar;
    s_pThemed->OnDrawStatusBarProgress(trough.pdc(), &statusBar, CRect(0, 0, 40, 30), 10, 0, 0,
                                       (COLORREF)-1, (COLORREF)-1, FALSE);
    s_pThemed->OnDrawStatusBarProgress(zero.pdc(), &statusBar, CRect(0, 0, 40, 30), 0, 7, 0,
                                       (COLORREF)-1, (COLORREF)-1, TRUE);
    EXPECT_TRUE(trough.Bytes() == zero.Bytes());
}

TEST_F(ThemedLook, MenuBorderIsTheClassicOneAndStaysClosed)
{
    TestPopup popup;
    CTavoPToolbarMenuButton button;
    popup.OpenedBy(&button, CTavoPPopupMenu::DROP_DOWN);

    VisualCanvas themed(40, 30), classic(40, 30);
    s_pThemed->OnDrawMenuBorder(themed.pdc(), &popup, CRect(0, 0, 40, 30));
    CTavoPVisualManager base(TRUE);
    base.OnDrawMenuBorder(classic.pdc(), &popup, CRect(0, 0, 40, 30));
    EXPECT_TRUE(themed.Bytes() == classic.Bytes());
    EXPECT_FALSE(s_pThemed->IsConnectMenuToParent());
}

} // namespace
