// The client area of the library's MDI frame on the screen: the menus it hands to the menu bar, the background the frame paints, the Window menu kept current, and MDI tabs following the documents.
#include "framework/Framework.h"
#include "tests/support/MenuBarFrame.h"
#include "tests/support/MessagePump.h"
#include "tests/support/NoteTemplates.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/ScreenPixels.h"
#include "tests/support/SyntheticInput.h"
#include "tests/support/TestApp.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/bars/frames/CTavoPMainClientAreaWnd.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests ClientArea";
const UINT kFrameMenu = 300;
const UINT kDocMenu = 301;
const COLORREF kBackground = RGB(20, 160, 90);
const COLORREF kIconColour = RGB(230, 20, 20);

CMultiDocTemplate* g_pDocs = nullptr;

// The library MDI frame an application makes: a menu bar on top; it may paint the MDI
// background itself and turn MDI tabs on before the client is taken over.
class AreaFrame : public MenuBarFrame<CTavoPMDIFrameWnd>
{
public:
    BOOL OnEraseMDIClientBackground(CDC* pDC) override
    {
        if (!m_bPaintBackground)
            return FALSE;
        CRect rect;
        m_wndClientArea.GetClientRect(rect);
        pDC->FillSolidRect(rect, kBackground);
        return TRUE;
    }
    BOOL m_bPaintBackground = FALSE;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(AreaFrame, CTavoPMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// A small icon of one colour, for telling a tab's image on the screen.
HICON SolidIcon(COLORREF colour)
{
    const int cx = ::GetSystemMetrics(SM_CXSMICON);
    const int cy = ::GetSystemMetrics(SM_CYSMICON);
    // 24 bits: no alpha channel that could make the colour transparent.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = NULL;
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbmColour = ::CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HBITMAP hbmMask = ::CreateBitmap(cx, cy, 1, 1, NULL);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmColour);
    RECT rect = {0, 0, cx, cy};
    HBRUSH hbr = ::CreateSolidBrush(colour);
    ::FillRect(hdc, &rect, hbr);
    ::SelectObject(hdc, hbmMask);
    ::PatBlt(hdc, 0, 0, cx, cy, BLACKNESS); // all opaque
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbr);
    ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hdcScreen);
    ICONINFO ii = {TRUE, 0, 0, hbmMask, hbmColour};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hbmColour);
    ::DeleteObject(hbmMask);
    return hIcon;
}

std::vector<std::string> Labels(CTavoPTabWnd& tabs)
{
    std::vector<std::string> labels;
    for (int i = 0; i < tabs.GetTabsNum(); i++)
    {
        CString str;
        tabs.GetTabLabel(i, str);
        labels.push_back((LPCTSTR)str);
    }
    return labels;
}

// The title of the window's document: untitled documents are numbered on through the run.
std::string Title(CFrameWnd* pChild)
{
    return (LPCTSTR)pChild->GetActiveDocument()->GetTitle();
}

// Whether the screen shows the colour anywhere in the rectangle (screen coordinates).
bool ScreenShowsSomewhere(const CRect& rect, COLORREF colour)
{
    PumpFor(50);
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (ScreenPixel(x, y) == colour)
                return true;
    return false;
}

class ClientArea : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestApp().SetRegistryKey(_T("VorlenTests ClientArea"));
        if (g_pDocs != nullptr)
            return;
        g_pDocs = new CMultiDocTemplate(kDocMenu, RUNTIME_CLASS(NoteDoc),
                                        RUNTIME_CLASS(CTavoPMDIChildWnd), RUNTIME_CLASS(NoteView));
        TestApp().AddDocTemplate(g_pDocs);
    }
    void SetUp() override { workspace.SetRegistryBase(_T("Settings")); }
    void TearDown() override
    {
        CTavoPPopupMenu::SetActiveMenu(NULL);
        TestApp().CloseAllDocuments(FALSE);
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        PumpPreTranslatedFor(20);
        for (HICON hIcon : icons)
            ::DestroyIcon(hIcon);
    }
    // The frame at a known place; bTabs turns MDI tabs on.
    AreaFrame* Open(BOOL bTabs = FALSE, BOOL bPaintBackground = FALSE)
    {
        pFrame = new AreaFrame;
        pFrame->m_bPaintBackground = bPaintBackground;
        if (!pFrame->OpenAsMainWindow(kFrameMenu, CRect(40, 40, 740, 520)))
            return pFrame = nullptr;
        if (bTabs)
        {
            pFrame->GetMDIClientArea().EnableMDITabs(TRUE);
            pFrame->RecalcLayout();
        }
        pFrame->SetForegroundWindow();
        PumpPreTranslatedFor(50);
        return pFrame;
    }
    CTavoPMDIChildWnd* OpenDocument()
    {
        CMDIChildWnd* pChild = NewNoteFrame(g_pDocs);
        PumpPreTranslatedFor(20);
        return DYNAMIC_DOWNCAST(CTavoPMDIChildWnd, pChild);
    }
    HICON NewIcon(COLORREF colour)
    {
        icons.push_back(SolidIcon(colour));
        return icons.back();
    }
    CRect ScreenRect(HWND hwnd)
    {
        CRect rect;
        ::GetWindowRect(hwnd, rect);
        return rect;
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    AreaFrame* pFrame = nullptr;
    std::vector<HICON> icons;
};

TEST_F(ClientArea, TakesOverTheMDIClientAndHandsTheMenusToTheMenuBar)
{
    AreaFrame* pMdi = Open();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMainClientAreaWnd& area = pMdi->GetMDIClientArea();
    EXPECT_EQ(pMdi->m_hWndMDIClient, area.GetSafeHwnd());
    EXPECT_EQ(&area, CWnd::FromHandlePermanent(pMdi->m_hWndMDIClient));
    ASSERT_NE((HWND)NULL, area.GetMDITabs().GetSafeHwnd()) << "the tab strip is made at once";
    EXPECT_FALSE(area.GetMDITabs().IsWindowVisible()) << "tabs are off unless turned on";

    // Each document's menu goes to the menu bar; the frame keeps no menu of its own.
    std::vector<CTavoPMDIChildWnd*> children;
    for (int i = 0; i < 3; i++)
    {
        children.push_back(OpenDocument());
        ASSERT_NE(nullptr, children.back());
    }
    EXPECT_EQ((HMENU)NULL, ::GetMenu(pMdi->m_hWnd));
    EXPECT_EQ(g_pDocs->m_hMenuShared, pMdi->m_wndMenuBar.GetMenu());

    // The Window popup the frame knows is the document menu's, with the documents listed after
    // a separator and the active one checked: what the library's Window menu copies.
    HMENU hWindow = pMdi->GetWindowMenu();
    ASSERT_EQ(::GetSubMenu(g_pDocs->m_hMenuShared, 1), hWindow);
    struct Item
    {
        UINT nID;
        const char* text;
        bool bChecked;
    };
    const Item expected[] = {{ID_WINDOW_NEW, "&New Window", false},
                             {ID_WINDOW_CASCADE, "&Cascade", false},
                             {0, "", false},
                             {AFX_IDM_FIRST_MDICHILD, "&1 ", false},
                             {AFX_IDM_FIRST_MDICHILD + 1, "&2 ", false},
                             {AFX_IDM_FIRST_MDICHILD + 2, "&3 ", true}};
    ASSERT_EQ((int)(sizeof expected / sizeof expected[0]), ::GetMenuItemCount(hWindow));
    for (int i = 0; i < ::GetMenuItemCount(hWindow); i++)
    {
        char szText[256] = "";
        ::GetMenuString(hWindow, (UINT)i, szText, sizeof szText, MF_BYPOSITION);
        EXPECT_EQ(expected[i].nID, ::GetMenuItemID(hWindow, i)) << i;
        const std::string title = i >= 3 ? Title(children[(size_t)i - 3]) : "";
        EXPECT_EQ(expected[i].text + title, szText) << i;
        EXPECT_EQ(expected[i].bChecked,
                  (::GetMenuState(hWindow, (UINT)i, MF_BYPOSITION) & MF_CHECKED) != 0)
            << i;
    }

    // A refresh looks the Window popup up again in the menu the bar shows.
    pMdi->GetWindowMenuPopup(NULL);
    EXPECT_EQ((HMENU)NULL, pMdi->GetWindowMenu());
    area.SendMessage(WM_MDIREFRESHMENU);
    EXPECT_EQ(hWindow, pMdi->GetWindowMenu());

    // The list in the popup lags behind a window's new text until the popup is refreshed, as it
    // is before the library's Window menu reads it.
    ::SetWindowText(children[0]->m_hWnd, "Fresh");
    char szText[256] = "";
    EXPECT_EQ(hWindow, area.RefreshWindowMenu());
    ::GetMenuString(hWindow, AFX_IDM_FIRST_MDICHILD, szText, sizeof szText, MF_BYCOMMAND);
    EXPECT_STREQ("&1 Fresh", szText);

    // The last document closing gives the bar the frame's menu back.
    TestApp().CloseAllDocuments(FALSE);
    pMdi->SendMessage(WM_IDLEUPDATECMDUI);
    PumpPreTranslatedFor(20);
    EXPECT_EQ((HMENU)NULL, ::GetMenu(pMdi->m_hWnd));
    EXPECT_NE(g_pDocs->m_hMenuShared, pMdi->m_wndMenuBar.GetMenu());
}

TEST_F(ClientArea, TheFrameMayPaintTheBackground)
{
    for (BOOL bPaint : {TRUE, FALSE})
    {
        AreaFrame* pMdi = Open(FALSE, bPaint);
        ASSERT_NE(nullptr, pMdi);
        const CPoint ptMiddle = ScreenRect(pMdi->m_hWndMDIClient).CenterPoint();
        const COLORREF expected = bPaint ? kBackground : ::GetSysColor(COLOR_APPWORKSPACE);
        EXPECT_TRUE(ScreenShows(ptMiddle.x, ptMiddle.y, expected)) << bPaint;
        pMdi->DestroyWindow();
        pFrame = nullptr;
    }
}

TEST_F(ClientArea, TabsFollowTheDocumentsActivationTitlesIconsAndClosing)
{
    AreaFrame* pMdi = Open(TRUE);
    ASSERT_NE(nullptr, pMdi);
    CTavoPMainClientAreaWnd& area = pMdi->GetMDIClientArea();
    CTavoPTabWnd& tabs = area.GetMDITabs();
    EXPECT_TRUE(area.AreTabsShown());

    std::vector<CTavoPMDIChildWnd*> children;
    for (int i = 0; i < 3; i++)
    {
        children.push_back(OpenDocument());
        ASSERT_NE(nullptr, children.back());
    }
    const std::vector<std::string> titles = {Title(children[0]), Title(children[1]),
                                             Title(children[2])};
    EXPECT_EQ(Labels(tabs), titles);
    EXPECT_EQ(2, tabs.GetActiveTab());
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(children[(size_t)i], tabs.GetTabWnd(i)) << i;

    // The strip shows beside the MDI client, which keeps the page area.
    EXPECT_TRUE(tabs.IsWindowVisible());
    const CRect rectTabs = ScreenRect(tabs.m_hWnd);
    const CRect rectClient = ScreenRect(pMdi->m_hWndMDIClient);
    CRect rectBoth;
    rectBoth.IntersectRect(rectTabs, rectClient);
    EXPECT_EQ(rectClient, rectBoth) << "the client lies inside the tab window";
    EXPECT_LT(rectClient.Height(), rectTabs.Height()) << "the strip stays visible";

    // The tab follows MDI activation, and a click on a tab activates its document.
    pMdi->MDIActivate(children[0]);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(0, tabs.GetActiveTab());
    CRect rectTab;
    ASSERT_TRUE(tabs.GetTabRect(1, rectTab));
    tabs.ClientToScreen(rectTab);
    PlayInput({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, rectTab.CenterPoint().x,
                          rectTab.CenterPoint().y),
               MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
    PumpPreTranslatedFor(20);
    EXPECT_EQ(children[1], pMdi->MDIGetActive());
    EXPECT_EQ(1, tabs.GetActiveTab());
    EXPECT_TRUE(::IsWindowVisible(children[0]->m_hWnd)) << "MDI keeps the others shown";

    // A renamed document renames its tab.
    children[1]->GetActiveDocument()->SetTitle("Renamed");
    PumpPreTranslatedFor(20);
    EXPECT_EQ(Labels(tabs), (std::vector<std::string>{titles[0], "Renamed", titles[2]}));

    // A new icon shows in the tab; two windows with one icon share its image.
    HICON hIcon = NewIcon(kIconColour);
    children[0]->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    children[2]->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(tabs.GetTabIcon(0), tabs.GetTabIcon(2));
    EXPECT_NE(tabs.GetTabIcon(0), tabs.GetTabIcon(1));
    for (int iTab : {2, 1})
    {
        // Where a tab's image stands: at its left.
        ASSERT_TRUE(tabs.GetTabRect(iTab, rectTab));
        tabs.ClientToScreen(rectTab);
        rectTab.right = std::min(rectTab.right, rectTab.left + 24);
        EXPECT_EQ(iTab == 2, ScreenShowsSomewhere(rectTab, kIconColour)) << iTab;
    }

    // Closing a document removes its tab.
    children[1]->SendMessage(WM_CLOSE);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(Labels(tabs), (std::vector<std::string>{titles[0], titles[2]}));
    EXPECT_EQ(pMdi->MDIGetActive(), tabs.GetTabWnd(tabs.GetActiveTab()));
}

TEST_F(ClientArea, HidingADocumentTakesItsTabAwayAndShowingItAddsItAtTheEnd)
{
    AreaFrame* pMdi = Open(TRUE);
    ASSERT_NE(nullptr, pMdi);
    CTavoPTabWnd& tabs = pMdi->GetMDIClientArea().GetMDITabs();
    std::vector<std::string> titles;
    for (int i = 0; i < 3; i++)
    {
        CTavoPMDIChildWnd* pChild = OpenDocument();
        ASSERT_NE(nullptr, pChild);
        titles.push_back(Title(pChild));
    }
    CWnd* pFirst = tabs.GetTabWnd(0);

    pFirst->ShowWindow(SW_HIDE);
    pMdi->GetMDIClientArea().UpdateTabs();
    EXPECT_EQ(Labels(tabs), (std::vector<std::string>{titles[1], titles[2]}));
    pFirst->ShowWindow(SW_SHOW);
    pMdi->GetMDIClientArea().SendMessage(CTavoPMainClientAreaWnd::WM_UPDATE_MDI_TABS);
    EXPECT_EQ(Labels(tabs), (std::vector<std::string>{titles[1], titles[2], titles[0]}));
    EXPECT_EQ(2, tabs.GetActiveTab());
}

TEST_F(ClientArea, ClosingTheLastDocumentGivesTheStripsRoomToTheClient)
{
    AreaFrame* pMdi = Open(TRUE);
    ASSERT_NE(nullptr, pMdi);
    const CRect rectEmpty = ScreenRect(pMdi->m_hWndMDIClient);
    CTavoPMDIChildWnd* pChild = OpenDocument();
    ASSERT_NE(nullptr, pChild);
    const CRect rectWithTab = ScreenRect(pMdi->m_hWndMDIClient);
    EXPECT_LT(rectWithTab.Height(), rectEmpty.Height());

    pChild->SendMessage(WM_CLOSE);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(0, pMdi->GetMDIClientArea().GetMDITabs().GetTabsNum());
    EXPECT_EQ(rectEmpty, ScreenRect(pMdi->m_hWndMDIClient));
}

TEST_F(ClientArea, PrintPreviewHidesTheStripAndLeavingItShowsItAgain)
{
    AreaFrame* pMdi = Open(TRUE);
    ASSERT_NE(nullptr, pMdi);
    ASSERT_NE(nullptr, OpenDocument());
    CTavoPMainClientAreaWnd& area = pMdi->GetMDIClientArea();
    HWND hwndTabs = area.GetMDITabs().m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hwndTabs));

    area.SetPreviewMode(TRUE);
    EXPECT_FALSE(::IsWindowVisible(hwndTabs));
    EXPECT_FALSE(area.AreTabsShown());
    area.SetPreviewMode(FALSE);
    EXPECT_TRUE(::IsWindowVisible(hwndTabs));
    EXPECT_TRUE(area.AreTabsShown());
    EXPECT_TRUE(area.IsMDITabsEnabled());

    // Without tabs, print preview leaves the hidden strip alone.
    area.EnableMDITabs(FALSE);
    area.SetPreviewMode(FALSE);
    EXPECT_FALSE(::IsWindowVisible(hwndTabs));
}

TEST_F(ClientArea, OwnedAndObjectlessWindowsInTheClientGetNoTab)
{
    AreaFrame* pMdi = Open(TRUE);
    ASSERT_NE(nullptr, pMdi);
    CTavoPMDIChildWnd* pChild = OpenDocument();
    ASSERT_NE(nullptr, pChild);
    // A window the MDI client holds but another window owns, as the icon title of a minimized
    // document is.
    HWND hwndOwned = ::CreateWindowEx(0, "STATIC", "owned", WS_POPUP | WS_VISIBLE, 0, 0, 40, 20,
                                      pMdi->m_hWnd, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hwndOwned);
    ::SetParent(hwndOwned, pMdi->m_hWndMDIClient);
    ASSERT_NE((HWND)NULL, ::GetWindow(hwndOwned, GW_OWNER));
    // A document window made straight through the MDI client, with no window object that a tab
    // could keep.
    WNDCLASS wc = {};
    wc.lpfnWndProc = ::DefMDIChildProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = "ClientAreaTestBare";
    ::RegisterClass(&wc);
    MDICREATESTRUCT mcs = {"ClientAreaTestBare", "bare", wc.hInstance, 0, 0, 200, 100, 0, 0};
    HWND hwndBare = (HWND)::SendMessage(pMdi->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    ASSERT_NE((HWND)NULL, hwndBare);

    pMdi->GetMDIClientArea().UpdateTabs();
    EXPECT_EQ(Labels(pMdi->GetMDIClientArea().GetMDITabs()),
              (std::vector<std::string>{Title(pChild)}));
    ::DestroyWindow(hwndOwned);
    ::SendMessage(pMdi->m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)hwndBare, 0);
}

TEST_F(ClientArea, WithoutTabsMinimizedDocumentsKeepToTheBottomEdge)
{
    AreaFrame* pMdi = Open();
    ASSERT_NE(nullptr, pMdi);
    CTavoPMDIChildWnd* pChild = OpenDocument();
    ASSERT_NE(nullptr, OpenDocument());
    ASSERT_NE(nullptr, pChild);
    pChild->ShowWindow(SW_MINIMIZE);
    PumpPreTranslatedFor(20);
    auto DistanceToBottom = [&]() {
        CRect rectClient = ScreenRect(pMdi->m_hWndMDIClient);
        return rectClient.bottom - ScreenRect(pChild->m_hWnd).bottom;
    };
    const int nDistance = DistanceToBottom();
    pMdi->SetWindowPos(NULL, 0, 0, 700, 380, SWP_NOMOVE | SWP_NOZORDER);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(nDistance, DistanceToBottom());
}

} // namespace
