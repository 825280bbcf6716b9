// The library's multi-document frame with documents open: the Window menu of the menu bar listing them, a new window on a maximized document, bars docked and floating inside a document window, keys for open popups, sizing, tips and the frame's own toolbar messages.
#include "tests/support/BarTestSupport.h"
#include "tests/support/MenuBarFrame.h"
#include "tests/support/NoteTemplates.h"
#include "tests/support/RecordingPopup.h"
#include "tests/support/RegistryTestKey.h"
#include "tests/support/SyntheticInput.h"
#include "tests/support/TestApp.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/frames/CTavoPMDIChildWnd.h"
#include "ui/bars/frames/CTavoPMDIFrameWnd.h"
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/menus/CTavoPMenuBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char kAppKey[] = "SOFTWARE\\VorlenTests MDIFrame";
const UINT kFrameMenu = 128;
const UINT kFirstDocumentItem = 65280;
const UINT kBarID = 0xE820;
const UINT kTipCommand = 40010;

// A popup takes its first pointer move for its own opening: the pointer comes in two steps.
void ClickAt(CPoint pt)
{
    PlayInput({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x, pt.y - 2),
               MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, pt.x, pt.y),
               MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)});
}

// The frame an application makes: a menu bar docked on top. It counts its bar layouts and
// supplies the tip of one command.
class DocFrame : public MenuBarFrame<CTavoPMDIFrameWnd>
{
public:
    void AdjustDockingLayout(HDWP hdwp = NULL) override
    {
        m_nLayouts++;
        CTavoPMDIFrameWnd::AdjustDockingLayout(hdwp);
    }
    BOOL GetToolbarButtonToolTipText(CTavoPToolbarButton* pButton, CString& strTTText) override
    {
        if (pButton->m_nID != kTipCommand)
            return FALSE;
        strTTText = "from the frame";
        return TRUE;
    }

    int m_nLayouts = 0;

    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(DocFrame, CTavoPMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class MDIFrame : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        TestApp().SetRegistryKey(_T("VorlenTests MDIFrame"));
        AddNoteTemplates();
    }
    void SetUp() override
    {
        workspace.SetRegistryBase(_T("Settings"));
        CTavoPPopupMenu::m_AnimationType = 0;
        pFrame = new DocFrame; // a frame window: deleted with its window
        ASSERT_TRUE(pFrame->OpenAsMainWindow(kFrameMenu, CRect(40, 40, 740, 540)));
        hwndFrame = pFrame->m_hWnd;
        pFrame->SetForegroundWindow();
        PumpPreTranslatedFor(50);
    }
    void TearDown() override
    {
        if (CTavoPPopupMenu* pPopup = CTavoPPopupMenu::GetActiveMenu())
            if (::IsWindow(pPopup->GetSafeHwnd()))
                pPopup->SendMessage(WM_CLOSE);
        CTavoPPopupMenu::SetActiveMenu(NULL);
        TestApp().CloseAllDocuments(FALSE);
        if (::IsWindow(hwndFrame))
            pFrame->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        PumpPreTranslatedFor(20);
        GetBarStateCache().RemoveAll();
    }
    CTavoPMDIChildWnd* OpenNote()
    {
        CMDIChildWnd* pChild = NewNoteFrame(g_pNotes);
        PumpPreTranslatedFor(20);
        return DYNAMIC_DOWNCAST(CTavoPMDIChildWnd, pChild);
    }
    int ChildCount() const
    {
        int nCount = 0;
        for (HWND hwnd = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); hwnd != NULL;
             hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
            nCount += ::GetWindow(hwnd, GW_OWNER) == NULL;
        return nCount;
    }
    CString Title(CWnd* pWnd) const
    {
        CString str;
        pWnd->GetWindowText(str);
        return str;
    }
    // Opens the menu bar's Window menu with the real mouse; the popup, or null.
    CTavoPPopupMenu* OpenWindowMenu()
    {
        CTavoPMenuBar& bar = pFrame->m_wndMenuBar;
        for (int i = 0; i < bar.GetCount(); i++)
        {
            if (bar.GetButton(i)->m_strText != "&Window")
                continue;
            CRect rect = bar.GetButton(i)->Rect();
            bar.ClientToScreen(rect);
            ClickAt(rect.CenterPoint());
            PumpPreTranslatedFor(50);
            return CTavoPPopupMenu::GetActiveMenu();
        }
        return nullptr;
    }

    RegistryTestKey scratch{kAppKey};
    CTavoPWorkspace workspace{TRUE};
    DocFrame* pFrame = nullptr;
    HWND hwndFrame = NULL;
};

} // namespace

// The Window menu opened from the menu bar ends with the open documents after a separator, each
// once, the active one checked; choosing one activates it.
TEST_F(MDIFrame, WindowMenuListsTheDocumentsWithTheActiveOneChecked)
{
    std::vector<CTavoPMDIChildWnd*> notes;
    for (int i = 0; i < 3; i++)
        notes.push_back(OpenNote());
    for (CTavoPMDIChildWnd* pNote : notes)
        ASSERT_NE(nullptr, pNote);
    pFrame->MDIActivate(notes[1]);
    PumpPreTranslatedFor(20);

    CTavoPPopupMenu* pPopup = OpenWindowMenu();
    ASSERT_NE(nullptr, pPopup);
    int iFirstDocument = -1;
    std::vector<std::string> documents;
    std::vector<bool> checked;
    for (int i = 0; i < pPopup->GetMenuItemCount(); i++)
    {
        const CTavoPToolbarButton* pItem = pPopup->GetMenuItem(i);
        if (pItem->m_nID < kFirstDocumentItem || pItem->m_nID == (UINT)-1)
            continue;
        if (iFirstDocument < 0)
            iFirstDocument = i;
        documents.push_back((LPCTSTR)pItem->m_strText);
        checked.push_back((pItem->m_nStyle & TBBS_CHECKED) != 0);
    }
    ASSERT_EQ(3u, documents.size());
    ASSERT_GT(iFirstDocument, 0);
    EXPECT_NE(0u, pPopup->GetMenuItem(iFirstDocument - 1)->m_nStyle & TBBS_SEPARATOR);
    for (int i = 0; i < 3; i++)
    {
        EXPECT_NE(std::string::npos, documents[i].find((LPCTSTR)Title(notes[i]))) << documents[i];
        EXPECT_EQ(i == 1, (bool)checked[i]) << documents[i];
    }

    // Choosing the third document activates it.
    CRect rectItem = pPopup->GetMenuItem(iFirstDocument + 2)->Rect();
    pPopup->GetMenuBar()->ClientToScreen(rectItem);
    ClickAt(rectItem.CenterPoint());
    PumpPreTranslatedFor(50);
    EXPECT_EQ(notes[2], pFrame->MDIGetActive());
}

// A new window onto a maximized document comes maximized, and the old one is maximized again
// when it is activated; with no document nothing happens.
TEST_F(MDIFrame, NewWindowOnAMaximizedDocumentKeepsBothMaximized)
{
    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    EXPECT_EQ(0, ChildCount());

    CTavoPMDIChildWnd* pNote = OpenNote();
    ASSERT_NE(nullptr, pNote);
    pNote->MDIMaximize();
    PumpPreTranslatedFor(20);
    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    PumpPreTranslatedFor(20);
    ASSERT_EQ(2, ChildCount());
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pNew = pFrame->MDIGetActive(&bMaximized);
    ASSERT_NE(nullptr, pNew);
    EXPECT_NE(pNote, pNew);
    EXPECT_TRUE(bMaximized);
    EXPECT_TRUE(pFrame->m_wndMenuBar.IsMaximizeMode());

    pFrame->MDIActivate(pNote);
    PumpPreTranslatedFor(20);
    EXPECT_EQ(pNote, pFrame->MDIGetActive(&bMaximized));
    EXPECT_TRUE(bMaximized);
}

// A bar docks inside a document window, which places its view in what the bar leaves; floating,
// it shows only while its document is the active one and goes with the document.
TEST_F(MDIFrame, BarsDockInsideADocumentAndFloatWithItsActivation)
{
    CTavoPMDIChildWnd* pFirst = OpenNote();
    CTavoPMDIChildWnd* pSecond = OpenNote();
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    pFrame->MDIActivate(pFirst);
    PumpPreTranslatedFor(20);

    ASSERT_TRUE(pFirst->EnableDocking(CBRS_ALIGN_ANY));
    TestBar bar(120, 26);
    ASSERT_TRUE(bar.Make(pFirst, kBarID));
    pFirst->DockControlBar(&bar);
    pFirst->RecalcLayout();
    EXPECT_TRUE(bar.IsDocked());
    EXPECT_EQ(pFirst->GetDockManager(), bar.GetDockManager());
    EXPECT_EQ(CRect(0, 0, 120, 26), bar.RectInFrame(pFirst));
    CRect rectClient;
    pFirst->GetClientRect(rectClient);
    CWnd* pView = pFirst->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(CRect(0, 26, rectClient.right, rectClient.bottom), InFrame(pFirst, pView));
    // The frame's own layout does not take the document's bar.
    EXPECT_EQ(nullptr, pFrame->GetControlBar(kBarID));

    ASSERT_TRUE(bar.FloatControlBar(CRect(300, 300, 420, 326), TAVOP_DM_RECT, TRUE));
    PumpPreTranslatedFor(20);
    CTavoPMiniFrameWnd* pMiniFrame = bar.GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pMiniFrame);
    const HWND hwndMiniFrame = pMiniFrame->m_hWnd;
    EXPECT_TRUE(::IsWindowVisible(hwndMiniFrame));

    pFrame->MDIActivate(pSecond);
    PumpPreTranslatedFor(20);
    EXPECT_FALSE(::IsWindowVisible(hwndMiniFrame));
    pFrame->MDIActivate(pFirst);
    PumpPreTranslatedFor(20);
    EXPECT_TRUE(::IsWindowVisible(hwndMiniFrame));

    pFirst->MDIDestroy();
    PumpPreTranslatedFor(20);
    EXPECT_FALSE(::IsWindow(hwndMiniFrame));
    EXPECT_FALSE(::IsWindow(bar.m_hWnd));
}

// Keys typed in a document while a popup menu is open reach the popup through the frame.
TEST_F(MDIFrame, KeysInADocumentGoToAnOpenPopup)
{
    CTavoPMDIChildWnd* pNote = OpenNote();
    ASSERT_NE(nullptr, pNote);
    RecordingPopup& popup = *new RecordingPopup; // a frame window: deleted with its window
    ASSERT_TRUE(popup.Make(CRect(300, 300, 400, 400)));
    pFrame->OnShowPopupMenu(&popup);
    CWnd* pView = pNote->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, pView);
    MSG msg = {pView->m_hWnd, WM_KEYDOWN, VK_DOWN, 0};
    EXPECT_FALSE(pNote->PreTranslateMessage(&msg));
    EXPECT_TRUE(pFrame->PreTranslateMessage(&msg));
    EXPECT_EQ(popup.m_keys, (std::vector<int>{VK_DOWN}));
    pFrame->OnClosePopupMenu(&popup);
    popup.DestroyWindow();
}

// WM_SIZING lays the bars out only when the size changes, not for a pure move.
TEST_F(MDIFrame, SizingLaysOutOnlyANewSize)
{
    struct Case
    {
        const char* what;
        CSize offset;
        CSize grow;
        int nLayouts;
    };
    for (const Case& c :
         {Case{"move", CSize(15, 10), CSize(0, 0), 0}, Case{"wider", CSize(0, 0), CSize(20, 0), 1},
          Case{"taller", CSize(0, 0), CSize(0, 12), 1}})
    {
        CRect rect;
        pFrame->GetWindowRect(rect);
        rect.OffsetRect(c.offset);
        rect.right += c.grow.cx;
        rect.bottom += c.grow.cy;
        pFrame->m_nLayouts = 0;
        pFrame->SendMessage(WM_SIZING, WMSZ_BOTTOMRIGHT, (LPARAM)(LPRECT)rect);
        EXPECT_EQ(c.nLayouts, pFrame->m_nLayouts) << c.what;
    }
}

// A toolbar in a document asks the frame for its tips, as in the single-document frame.
TEST_F(MDIFrame, ToolbarInADocumentTakesTipsFromTheFrame)
{
    CTavoPMDIChildWnd* pNote = OpenNote();
    ASSERT_NE(nullptr, pNote);
    CTavoPToolBar bar;
    ASSERT_TRUE(bar.Create(pNote, WS_CHILD | WS_VISIBLE | CBRS_TOP));
    bar.InsertButton(new CTavoPToolbarButton(kTipCommand, -1, "Tip"));
    bar.AdjustLayout();
    TOOLINFO ti = {};
    bar.OnToolHitTest(bar.GetButton(0)->Rect().CenterPoint(), &ti);
    EXPECT_STREQ("from the frame", ti.lpszText);
    free(ti.lpszText);
    bar.DestroyWindow();
}

// The customization pages make and delete user toolbars through the frame's messages.
TEST_F(MDIFrame, UserToolbarsAreMadeAndDeletedThroughTheFrame)
{
    pFrame->GetFrameImpl()->SetUserToolbarRange(0xE830, 0xE832);
    CTavoPToolBar* pMine = (CTavoPToolBar*)pFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_CREATE,
                                                               0, (LPARAM) "mine");
    ASSERT_NE(nullptr, pMine);
    EXPECT_EQ(0xE830, pMine->GetDlgCtrlID());
    EXPECT_TRUE(pFrame->GetFrameImpl()->IsUserDefinedToolbar(pMine));
    EXPECT_TRUE(pFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_DELETE, 0, (LPARAM)pMine));
    EXPECT_FALSE(pFrame->SendMessage(CTavoPToolBar::WM_TAVOTOOLBAR_DELETE, 0, (LPARAM)pMine));
}

// The frame's print preview hides the MDI tabs while it shows and brings them back after.
TEST_F(MDIFrame, PrintPreviewHidesTheTabsUntilItEnds)
{
    CTavoPMainClientAreaWnd& area = pFrame->GetMDIClientArea();
    area.EnableMDITabs(TRUE);
    ASSERT_NE(nullptr, OpenNote());
    const HWND hwndTabs = area.GetMDITabs().m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hwndTabs));
    CPrintPreviewState state;
    pFrame->OnSetPreviewMode(TRUE, &state);
    EXPECT_FALSE(::IsWindowVisible(hwndTabs));
    EXPECT_FALSE(area.AreTabsShown());
    pFrame->OnSetPreviewMode(FALSE, &state);
    EXPECT_TRUE(::IsWindowVisible(hwndTabs));
    EXPECT_TRUE(area.AreTabsShown());
}
