// The framework's multi-document frame on the screen: the Window menu listing the documents, the Window commands and their enabling, the active document with its maximized state, and window titles.
#include "framework/Framework.h"
#include "framework/CEnableProbeCmdUI.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestApp.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const UINT kFrameID = 200;
const UINT kNoteID = 201;

class MdiNote : public CDocument
{
    DECLARE_DYNCREATE(MdiNote)
};
IMPLEMENT_DYNCREATE(MdiNote, CDocument)

class MdiNoteView : public CView
{
    DECLARE_DYNCREATE(MdiNoteView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(MdiNoteView, CView)

CMultiDocTemplate* g_pTemplate = nullptr;

struct MenuItem
{
    UINT nID;
    std::string text;
    bool bChecked;
    bool operator==(const MenuItem& other) const
    {
        return nID == other.nID && text == other.text && bChecked == other.bChecked;
    }
};

void PrintTo(const MenuItem& item, std::ostream* os)
{
    *os << "{" << item.nID << ", \"" << item.text << "\", " << item.bChecked << "}";
}

std::vector<MenuItem> Items(HMENU hMenu)
{
    std::vector<MenuItem> items;
    for (int i = 0; i < ::GetMenuItemCount(hMenu); i++)
    {
        char szText[256] = "";
        ::GetMenuString(hMenu, (UINT)i, szText, sizeof szText, MF_BYPOSITION);
        const UINT nState = ::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION);
        items.push_back({::GetMenuItemID(hMenu, i), szText, (nState & MF_CHECKED) != 0});
    }
    return items;
}

std::string Text(HWND hwnd)
{
    char szText[256] = "";
    ::GetWindowText(hwnd, szText, sizeof szText);
    return szText;
}

CRect ClientRectOf(HWND hwndChild)
{
    CRect rect;
    ::GetWindowRect(hwndChild, rect);
    ::MapWindowPoints(NULL, ::GetParent(hwndChild), (LPPOINT)&rect, 2);
    return rect;
}

class MdiWindow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (g_pTemplate != nullptr)
            return;
        g_pTemplate =
            new CMultiDocTemplate(kNoteID, RUNTIME_CLASS(MdiNote), RUNTIME_CLASS(CMDIChildWnd),
                                  RUNTIME_CLASS(MdiNoteView));
        TestApp().AddDocTemplate(g_pTemplate);
    }
    void SetUp() override
    {
        pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(
            pFrame->LoadFrame(kFrameID, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE | FWS_PREFIXTITLE));
        TestApp().m_pMainWnd = pFrame;
        pFrame->SetWindowPos(NULL, 0, 0, 800, 600, SWP_NOZORDER);
        pFrame->ShowWindow(SW_SHOW);
        PumpFor(20);
    }
    void TearDown() override
    {
        TestApp().CloseAllDocuments(FALSE);
        if (pFrame != nullptr && ::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        TestApp().m_pMainWnd = nullptr;
        PumpFor(20);
    }
    CMDIChildWnd* Open()
    {
        CDocument* pDoc = g_pTemplate->OpenDocumentFile(nullptr);
        if (pDoc == nullptr)
            return nullptr;
        POSITION pos = pDoc->GetFirstViewPosition();
        CMDIChildWnd* pChild =
            DYNAMIC_DOWNCAST(CMDIChildWnd, pDoc->GetNextView(pos)->GetParentFrame());
        PumpFor(10);
        return pChild;
    }
    HMENU WindowMenu() const { return pFrame->GetWindowMenuPopup(::GetMenu(pFrame->m_hWnd)); }
    BOOL Enabled(UINT nID)
    {
        CEnableProbeCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(pFrame, TRUE);
        return state.m_bEnabled;
    }

    CMDIFrameWnd* pFrame = nullptr;
};

TEST_F(MdiWindow, WindowMenuListsTheDocumentsWithTheActiveOneChecked)
{
    CMDIChildWnd* pFirst = Open();
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, Open());
    ASSERT_NE(nullptr, Open());

    // The document's menu is on the frame, its Window popup carrying the list.
    HMENU hWindow = WindowMenu();
    ASSERT_NE((HMENU)NULL, hWindow);
    EXPECT_EQ(::GetSubMenu(g_pTemplate->m_hMenuShared, 2), hWindow);
    std::vector<MenuItem> items = Items(hWindow);
    ASSERT_EQ(6u, items.size());
    EXPECT_EQ(ID_WINDOW_NEW, items[0].nID);
    EXPECT_EQ(ID_WINDOW_CASCADE, items[1].nID);
    EXPECT_EQ(0u, items[2].nID) << "a separator before the documents";
    const std::string first = Text(pFirst->m_hWnd);
    ASSERT_EQ(0u, first.find("Note"));
    const int nFirst = std::stoi(first.substr(4));
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(
            (MenuItem{AFX_IDM_FIRST_MDICHILD + (UINT)i,
                      "&" + std::to_string(i + 1) + " Note" + std::to_string(nFirst + i), i == 2}),
            items[(size_t)i + 3])
            << i;

    // Choosing a document's item activates it, and the check moves with it.
    pFrame->SendMessage(WM_COMMAND, AFX_IDM_FIRST_MDICHILD);
    EXPECT_EQ(pFirst, pFrame->MDIGetActive());
    items = Items(hWindow);
    EXPECT_TRUE(items[3].bChecked);
    EXPECT_FALSE(items[5].bChecked);

    // Without documents the frame's own menu comes back, its Window popup without a list.
    TestApp().CloseAllDocuments(FALSE);
    PumpFor(10);
    EXPECT_EQ(pFrame->m_hMenuDefault, ::GetMenu(pFrame->m_hWnd));
    EXPECT_EQ(5, ::GetMenuItemCount(WindowMenu()));
}

TEST_F(MdiWindow, ActiveDocumentTellsWhetherItIsMaximized)
{
    BOOL bMaximized = TRUE;
    EXPECT_EQ(nullptr, pFrame->MDIGetActive(&bMaximized));
    EXPECT_FALSE(bMaximized);

    CMDIChildWnd* pChild = Open();
    ASSERT_NE(nullptr, pChild);
    struct Case
    {
        const char* what;
        void (*act)(CMDIChildWnd*);
        BOOL bMaximized;
    };
    const Case cases[] = {
        {"opened", [](CMDIChildWnd*) {}, FALSE},
        {"maximized", [](CMDIChildWnd* p) { p->MDIMaximize(); }, TRUE},
        {"restored", [](CMDIChildWnd* p) { p->MDIRestore(); }, FALSE},
    };
    for (const Case& c : cases)
    {
        c.act(pChild);
        bMaximized = !c.bMaximized;
        EXPECT_EQ(pChild, pFrame->MDIGetActive(&bMaximized)) << c.what;
        EXPECT_EQ(c.bMaximized, bMaximized) << c.what;
        EXPECT_EQ(pChild, pFrame->MDIGetActive()) << c.what << ": the flag may be left out";
    }
}

TEST_F(MdiWindow, WindowCommandsNeedADocument)
{
    const UINT commands[] = {ID_WINDOW_NEW, ID_WINDOW_ARRANGE, ID_WINDOW_CASCADE,
                             ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT};
    for (UINT nID : commands)
        EXPECT_FALSE(Enabled(nID)) << nID << " without a document";
    ASSERT_NE(nullptr, Open());
    for (UINT nID : commands)
        EXPECT_TRUE(Enabled(nID)) << nID << " with a document";
}

TEST_F(MdiWindow, CascadeAndTilePlaceTheDocuments)
{
    std::vector<HWND> children;
    for (int i = 0; i < 3; i++)
    {
        CMDIChildWnd* pChild = Open();
        ASSERT_NE(nullptr, pChild);
        children.push_back(pChild->m_hWnd);
    }
    CRect rectClient;
    ::GetClientRect(pFrame->m_hWndMDIClient, rectClient);

    // Cascade: each document a step further right and down than the one before it, in Z order.
    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE);
    std::vector<CRect> rects;
    for (HWND hwnd = ::GetWindow(pFrame->m_hWndMDIClient, GW_CHILD); hwnd != NULL;
         hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
        rects.insert(rects.begin(), ClientRectOf(hwnd));
    ASSERT_EQ(3u, rects.size());
    const CSize step = rects[1].TopLeft() - rects[0].TopLeft();
    EXPECT_GT(step.cx, 0);
    EXPECT_GT(step.cy, 0);
    EXPECT_EQ(step, rects[2].TopLeft() - rects[1].TopLeft());
    EXPECT_EQ(rects[0].Size(), rects[2].Size());

    // Tiling: the documents share the client area without overlapping; vertical tiling puts
    // them side by side, horizontal tiling one above the other.
    struct Case
    {
        UINT nID;
        bool bSideBySide;
    };
    for (const Case& c : {Case{ID_WINDOW_TILE_VERT, true}, Case{ID_WINDOW_TILE_HORZ, false}})
    {
        pFrame->SendMessage(WM_COMMAND, c.nID);
        int nArea = 0;
        rects.clear();
        for (HWND hwnd : children)
            rects.push_back(ClientRectOf(hwnd));
        for (size_t i = 0; i < rects.size(); i++)
        {
            nArea += rects[i].Width() * rects[i].Height();
            EXPECT_TRUE(rectClient.PtInRect(rects[i].TopLeft())) << c.nID;
            for (size_t j = i + 1; j < rects.size(); j++)
            {
                CRect rectBoth;
                EXPECT_FALSE(rectBoth.IntersectRect(rects[i], rects[j])) << c.nID;
            }
            if (c.bSideBySide)
                EXPECT_EQ(rectClient.Height(), rects[i].Height()) << c.nID;
            else
                EXPECT_EQ(rectClient.Width(), rects[i].Width()) << c.nID;
        }
        // The tiles may leave a few pixels of the client uncovered at their edges.
        EXPECT_LE(nArea, rectClient.Width() * rectClient.Height()) << c.nID;
        EXPECT_GE(nArea, rectClient.Width() * rectClient.Height() * 99 / 100) << c.nID;
    }
}

TEST_F(MdiWindow, SecondWindowsOntoADocumentAreNumbered)
{
    CMDIChildWnd* pFirst = Open();
    ASSERT_NE(nullptr, pFirst);
    const std::string doc = (LPCTSTR)pFirst->GetActiveDocument()->GetTitle();
    EXPECT_EQ(doc, Text(pFirst->m_hWnd));
    EXPECT_EQ(doc + " - MdiApp", Text(pFrame->m_hWnd));

    pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    PumpFor(10);
    CMDIChildWnd* pSecond = pFrame->MDIGetActive();
    ASSERT_NE(nullptr, pSecond);
    ASSERT_NE(pFirst, pSecond);
    EXPECT_EQ(pFirst->GetActiveDocument(), pSecond->GetActiveDocument());
    EXPECT_EQ(doc + ":1", Text(pFirst->m_hWnd));
    EXPECT_EQ(doc + ":2", Text(pSecond->m_hWnd));
    EXPECT_EQ(doc + " - MdiApp", Text(pFrame->m_hWnd));

    // The last but one window closing leaves the document's title unnumbered.
    pSecond->SendMessage(WM_CLOSE);
    PumpFor(10);
    EXPECT_EQ(pFirst, pFrame->MDIGetActive());
    EXPECT_EQ(doc, Text(pFirst->m_hWnd));

    // No active document: the frame's own title.
    TestApp().CloseAllDocuments(FALSE);
    PumpFor(10);
    EXPECT_EQ("MdiApp", Text(pFrame->m_hWnd));
}

} // namespace
