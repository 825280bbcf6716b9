// Popup menus opened from the library's dialogs, in real windows: the mouse hook lives only while
// such a popup is up, clicks outside close it, typed keys reach it; the dialog's background, and
// the property sheet learning which library page is shown.
#include "framework/Framework.h"
#include "tests/support/MessagePump.h"
#include "tests/support/SyntheticInput.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/controls/CTavoPDialog.h"
#include "ui/controls/CTavoPPropertyPage.h"
#include "ui/controls/CTavoPPropertySheet.h"
#include "ui/controls/outlook/CTavoPOutlookBarPane.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

const UINT kEditId = 1001;
const UINT kLabelId = 1002;
const UINT kFirstItem = 40001;

std::vector<INPUT> ClickAt(CPoint pt)
{
    return {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x, pt.y),
            MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
}

// A modeless library dialog at (100, 100) with an edit box and a label; it records the commands
// its popups send it.
class TestDialog : public CTavoPDialog
{
public:
    BOOL Make(CWnd* pOwner)
    {
        m_template.Add(0x0081, kEditId, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, 10, 10,
                       100, 14);
        m_template.Add(0x0082, kLabelId, "label", WS_CHILD | WS_VISIBLE, 10, 40, 100, 20);
        if (!CreateIndirect(m_template.Get(), pOwner))
            return FALSE;
        SetWindowPos(&CWnd::wndTop, 100, 100, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        return TRUE;
    }
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (nCode == CN_COMMAND && pHandlerInfo == nullptr && nID >= kFirstItem &&
            nID < kFirstItem + 10)
        {
            m_commands.push_back(nID);
            return TRUE;
        }
        return CTavoPDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
    // The background as the dialog erases it, in a canvas of its client size.
    void Erase(DibCanvas& canvas) { SendMessage(WM_ERASEBKGND, (WPARAM)canvas.dc()); }

    std::vector<UINT> m_commands;
    DialogTemplate m_template{"dialog", 200, 120, WS_POPUP | WS_CAPTION};
};

class DialogPopup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetGlobalData().UpdateSysColors(); // popups cast shadows on a true-colour screen
        // The dialog has an owner, as one opened from a frame has: the popups it opens belong
        // to that owner, so they do not go with the dialog by themselves.
        ASSERT_TRUE(m_owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 50,
                                     50, 700, 600, nullptr, nullptr));
        ASSERT_TRUE(m_dialog.Make(&m_owner));
        m_dialog.SetForegroundWindow();
        m_dialog.GetDlgItem(kEditId)->SetFocus();
        PumpPreTranslatedFor(50);
    }
    void TearDown() override
    {
        CTavoPToolBar::SetCustomizeMode(FALSE);
        if (::IsWindow(m_dialog.GetSafeHwnd()))
            m_dialog.DestroyWindow();
        m_owner.DestroyWindow();
        PumpPreTranslated();
    }
    // A popup of three items opened from the dialog at a screen point; it deletes itself when
    // its window goes.
    CTavoPPopupMenu* Open(CPoint pt = CPoint(420, 150))
    {
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, kFirstItem, "&One");
        ::AppendMenu(hMenu, MF_STRING, kFirstItem + 1, "&Two");
        ::AppendMenu(hMenu, MF_STRING, kFirstItem + 2, "T&hree");
        CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
        if (!pPopup->Create(&m_dialog, pt.x, pt.y, hMenu, FALSE, TRUE))
            return nullptr;
        PumpPreTranslatedFor(30);
        return pPopup;
    }
    static bool IsOpen(HWND hPopup) { return ::IsWindow(hPopup) != FALSE; }

    CWnd m_owner;
    TestDialog m_dialog;
};

} // namespace

TEST_F(DialogPopup, HookLivesOnlyWhileAPopupOpenedFromTheDialogIsUp)
{
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    CTavoPPopupMenu* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    EXPECT_NE(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_EQ(&m_dialog.GetPopupHelper(), CTavoPDialogPopupHelper::GetCurrent());
    EXPECT_EQ(pPopup, CTavoPPopupMenu::GetActiveMenu());

    // Escape closes it as the keyboard would: the hook goes with it.
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    PumpPreTranslated();
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetCurrent());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());

    // Closed by its window going, the same.
    pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());

    // A dialog that goes while its popup is up takes the popup and the hook with it.
    pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    HWND hPopup = pPopup->GetSafeHwnd();
    m_dialog.DestroyWindow();
    PumpPreTranslated();
    EXPECT_FALSE(IsOpen(hPopup));
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetCurrent());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
}

TEST_F(DialogPopup, ClickClosesThePopupByWhereItFalls)
{
    enum Where
    {
        Items,
        RightShadow,
        BottomShadow,
        InDialog,
        InDialogWhileCustomizing
    };
    struct Case
    {
        const char* name;
        Where where;
        BOOL bConsumed;
        bool bStaysOpen;
    };
    const Case cases[] = {
        {"on the items", Items, FALSE, true},
        {"on the right shadow", RightShadow, TRUE, false},
        {"on the bottom shadow", BottomShadow, TRUE, false},
        {"elsewhere in the dialog", InDialog, FALSE, false},
        {"anywhere while customizing", InDialogWhileCustomizing, FALSE, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        // Inside the owner's window, so that the popup casts its shadow there.
        CTavoPPopupMenu* pPopup = Open(CPoint(110, 130));
        ASSERT_NE(nullptr, pPopup);
        HWND hPopup = pPopup->GetSafeHwnd();
        ASSERT_GT(pPopup->GetShadowDepth(), 0);
        CRect rect;
        pPopup->GetWindowRect(rect);
        CPoint pt = rect.TopLeft() + CSize(10, 10);
        if (c.where == RightShadow)
            pt = CPoint(rect.right - 2, rect.CenterPoint().y);
        else if (c.where == BottomShadow)
            pt = CPoint(rect.CenterPoint().x, rect.bottom - 2);
        else if (c.where == InDialog || c.where == InDialogWhileCustomizing)
        {
            CRect rectDialog;
            m_dialog.GetWindowRect(rectDialog);
            pt = rectDialog.BottomRight() - CSize(5, 5);
        }
        CTavoPToolBar::SetCustomizeMode(c.where == InDialogWhileCustomizing);
        ::SetFocus(NULL);

        EXPECT_EQ(c.bConsumed, m_dialog.GetPopupHelper().ProcessMouseClick(pt));
        PumpPreTranslated();
        EXPECT_EQ(c.bStaysOpen, IsOpen(hPopup));
        if (!c.bStaysOpen)
        {
            EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
        }
        if (c.bConsumed)
        {
            HWND hFocus = ::GetFocus();
            EXPECT_TRUE(hFocus == m_dialog.m_hWnd || ::IsChild(m_dialog.m_hWnd, hFocus));
        }
        CTavoPToolBar::SetCustomizeMode(FALSE);
        if (IsOpen(hPopup))
            ::SendMessage(hPopup, WM_CLOSE, 0, 0);
        PumpPreTranslated();
    }
    EXPECT_TRUE(m_dialog.m_commands.empty());
}

TEST_F(DialogPopup, TypedKeysGoToThePopupAndAClickElsewhereClosesIt)
{
    // Keys typed while the popup is up choose its items instead of reaching the edit box.
    CTavoPPopupMenu* pPopup = Open();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(m_dialog.GetDlgItem(kEditId)->GetSafeHwnd(), ::GetFocus());
    PlayInput({KeyInput(VK_DOWN), KeyInput(VK_DOWN, true), KeyInput(VK_DOWN),
               KeyInput(VK_DOWN, true), KeyInput(VK_RETURN), KeyInput(VK_RETURN, true)});
    EXPECT_EQ((std::vector<UINT>{kFirstItem + 1}), m_dialog.m_commands);
    CString strEdit;
    m_dialog.GetDlgItem(kEditId)->GetWindowText(strEdit);
    EXPECT_STREQ("", strEdit);
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    // Without a popup the keys reach the edit box again.
    PlayInput({KeyInput('A'), KeyInput('A', true)});
    m_dialog.GetDlgItem(kEditId)->GetWindowText(strEdit);
    EXPECT_STREQ("a", strEdit);

    // A click on another window of the program, which the dialog never sees, closes the popup
    // through the hook.
    CWnd other;
    ASSERT_TRUE(other.CreateEx(0, AfxRegisterWndClass(0), "other", WS_POPUP | WS_VISIBLE, 600, 500,
                               120, 80, nullptr, nullptr));
    pPopup = Open(CPoint(420, 150));
    ASSERT_NE(nullptr, pPopup);
    HWND hPopup = pPopup->GetSafeHwnd();
    PlayInput(ClickAt(CPoint(660, 540)));
    EXPECT_FALSE(IsOpen(hPopup));
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_TRUE(m_dialog.m_commands.size() == 1u);
    other.DestroyWindow();
}

TEST_F(DialogPopup, BackgroundColourAndPictureByPlacement)
{
    CRect rectClient;
    m_dialog.GetClientRect(rectClient);
    const int cx = rectClient.Width(), cy = rectClient.Height();

    // A colour fills the client area, and labels let it show through.
    const COLORREF clrBack = RGB(10, 120, 200);
    m_dialog.SetBackgroundColor(clrBack);
    {
        DibCanvas canvas(cx, cy, RGB(255, 255, 255));
        m_dialog.Erase(canvas);
        EXPECT_EQ(cx * cy, canvas.Count(clrBack, 0, 0, cx, cy));
    }
    CDC* pDC = m_dialog.GetDC();
    HBRUSH hLabel = (HBRUSH)m_dialog.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)pDC->GetSafeHdc(),
                                                 (LPARAM)m_dialog.GetDlgItem(kLabelId)->m_hWnd);
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), hLabel);
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(pDC->GetSafeHdc()));
    m_dialog.ReleaseDC(pDC);

    // An 8 x 6 picture of one colour, in each placement over the colour.
    const COLORREF clrPicture = RGB(250, 20, 30);
    DibCanvas picture(8, 6, clrPicture);
    HBITMAP hBitmap = (HBITMAP)::CopyImage(picture.bitmap(), IMAGE_BITMAP, 0, 0, 0);
    ASSERT_NE(nullptr, hBitmap);
    struct Case
    {
        CTavoPDialog::BackgroundLocation location;
        CRect rectPicture; // where the picture must be; the colour everywhere else
    };
    const Case cases[] = {
        {CTavoPDialog::BACKGR_TOPLEFT, CRect(0, 0, 8, 6)},
        {CTavoPDialog::BACKGR_TOPRIGHT, CRect(cx - 8, 0, cx, 6)},
        {CTavoPDialog::BACKGR_BOTTOMLEFT, CRect(0, cy - 6, 8, cy)},
        {CTavoPDialog::BACKGR_BOTTOMRIGHT, CRect(cx - 8, cy - 6, cx, cy)},
        {CTavoPDialog::BACKGR_TILE, CRect(0, 0, cx, cy)},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE((int)c.location);
        m_dialog.SetBackgroundImage(hBitmap, c.location, FALSE, FALSE);
        DibCanvas canvas(cx, cy, RGB(255, 255, 255));
        m_dialog.Erase(canvas);
        const CRect& r = c.rectPicture;
        EXPECT_EQ(r.Width() * r.Height(),
                  canvas.Count(clrPicture, r.left, r.top, r.right, r.bottom));
        EXPECT_EQ(cx * cy - r.Width() * r.Height(), canvas.Count(clrBack, 0, 0, cx, cy));
    }

    // Without either the dialog erases as any dialog does.
    m_dialog.SetBackgroundImage(NULL, CTavoPDialog::BACKGR_TILE, FALSE, FALSE);
    m_dialog.SetBackgroundColor((COLORREF)-1, FALSE);
    {
        DibCanvas canvas(cx, cy, RGB(255, 255, 255));
        m_dialog.Erase(canvas);
        EXPECT_EQ(cx * cy, canvas.Count(::GetSysColor(COLOR_BTNFACE), 0, 0, cx, cy));
    }
    HDC hdc = ::GetDC(m_dialog.m_hWnd);
    hLabel = (HBRUSH)m_dialog.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc,
                                          (LPARAM)m_dialog.GetDlgItem(kLabelId)->m_hWnd);
    EXPECT_NE(::GetStockObject(NULL_BRUSH), hLabel);
    ::ReleaseDC(m_dialog.m_hWnd, hdc);
    ::DeleteObject(hBitmap);
}

namespace {

// A library page from a template in memory.
class TestPage : public CTavoPPropertyPage
{
public:
    explicit TestPage(const char* caption) : m_template(caption, 150, 80, WS_CHILD | WS_CAPTION)
    {
        m_template.Add(0x0082, kLabelId, caption, WS_CHILD | WS_VISIBLE, 10, 10, 100, 12);
        m_lpDialogTemplate = m_template.Get();
    }
    DialogTemplate m_template;
};

} // namespace

TEST(DialogPropertySheet, KnowsWhichLibraryPageIsShownAndItsPagesGiveKeysToTheirPopup)
{
    TestPage first("first"), second("second");
    CTavoPPropertySheet sheet("sheet");
    EXPECT_EQ(-1, sheet.GetActivePageIndex());
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    ASSERT_TRUE(sheet.Create(nullptr, WS_POPUP | WS_CAPTION | WS_VISIBLE));
    PumpPreTranslatedFor(30);
    EXPECT_EQ(0, sheet.GetActivePageIndex());

    // A navigation pane with a button for each page checks the button of the page shown.
    CTavoPOutlookBarPane pane;
    ASSERT_TRUE(pane.Create(&sheet, WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0x3000));
    pane.InsertButtonCopy(CTavoPToolbarButton(kFirstItem, -1, "first"));
    pane.InsertButtonCopy(CTavoPToolbarButton(kFirstItem + 1, -1, "second"));
    sheet.SetNavigationPane(&pane);
    ASSERT_TRUE(sheet.SetActivePage(1));
    PumpPreTranslated();
    EXPECT_EQ(1, sheet.GetActivePageIndex());
    EXPECT_FALSE(pane.GetButtonStyle(0) & TBBS_CHECKED);
    EXPECT_TRUE(pane.GetButtonStyle(1) & TBBS_CHECKED);

    // A popup whose commands go to the page is the page's: its keys go to it.
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenu(hMenu, MF_STRING, kFirstItem, "&One");
    CTavoPPopupMenu* pPopup = new CTavoPPopupMenu;
    ASSERT_TRUE(pPopup->Create(&second, 500, 300, hMenu, FALSE, TRUE));
    EXPECT_EQ(&second.GetPopupHelper(), CTavoPDialogPopupHelper::GetCurrent());
    MSG msg = {second.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0};
    EXPECT_TRUE(second.PreTranslateMessage(&msg));
    PumpPreTranslated();
    EXPECT_EQ(nullptr, CTavoPDialogPopupHelper::GetHook());
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
    pane.DestroyWindow();
    sheet.DestroyWindow();
    PumpPreTranslated();
}
