// Panes of known minimum size in a frame, a layout tree hung off a default slider outside the frame's layout pass, a snapshot of where every pane is, and stored layouts loaded back.
#pragma once
#include "tests/support/ArchiveBytes.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/bars/docking/CTavoPBarContainer.h"
#include "ui/bars/docking/CTavoPBarTreeManager.h"
#include "ui/bars/docking/CTavoPDockingControlBar.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/bars/docking/CTavoPSlider.h"
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

// A pane without caption whose minimum size the test sets.
class TreePane : public CTavoPDockingControlBar
{
public:
    void GetMinSize(CSize& size) const override { size = m_sizeMin; }
    CSize m_sizeMin = CSize(20, 20);
};

// The rectangle of a window in the client coordinates of its parent.
inline CRect RectInParent(const CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    pWnd->GetParent()->ScreenToClient(rect);
    return rect;
}

// Where a pane sits in its tree: F and S for the first and second side, one letter a level.
inline std::string NodePath(const CTavoPBarContainer* pNode, const CTavoPDockingControlBar* pBar)
{
    if (pNode == NULL)
        return "-";
    if (pNode->GetLeftBar() == pBar)
        return "F";
    if (pNode->GetRightBar() == pBar)
        return "S";
    for (int nSide = 0; nSide < 2; nSide++)
    {
        const std::string path =
            NodePath(nSide == 0 ? pNode->GetLeftContainer() : pNode->GetRightContainer(), pBar);
        if (path != "-")
            return (nSide == 0 ? "F" : "S") + path;
    }
    return "-";
}

// Child windows of a window (or only those shown), to see that nothing was left behind.
inline int CountChildren(CWnd* pWnd, bool bVisibleOnly = false)
{
    int nCount = 0;
    for (HWND h = ::GetWindow(pWnd->GetSafeHwnd(), GW_CHILD); h != NULL;
         h = ::GetWindow(h, GW_HWNDNEXT))
        nCount += !bVisibleOnly || ::IsWindowVisible(h) ? 1 : 0;
    return nCount;
}

// While it lives, no slider window of this thread can be made: a tree that needs one refuses.
class RefusedSliders
{
public:
    RefusedSliders()
    {
        s_hHook = ::SetWindowsHookEx(WH_CBT, &RefusedSliders::Hook, NULL, ::GetCurrentThreadId());
    }
    ~RefusedSliders() { ::UnhookWindowsHookEx(s_hHook); }
    bool IsOn() const { return s_hHook != NULL; }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam)
    {
        char szClass[64] = "";
        if (nCode == HCBT_CREATEWND)
            ::GetClassNameA((HWND)wParam, szClass, sizeof szClass);
        if (strncmp(szClass, "TavoSlider", 10) == 0)
            return 1;
        return ::CallNextHookEx(s_hHook, nCode, wParam, lParam);
    }
    static inline HHOOK s_hHook = NULL;
};

// The key of the dock layout the state tests store under a profile, as layout number 7.
inline std::string LayoutKey(const char* lpszProfile)
{
    return std::string(lpszProfile) + "TavoPDockManager-7";
}

// Stores bytes as the frame's layout under the profile and loads them; answers whether the load
// took them.
inline BOOL LoadLayoutBytes(CTavoPDockManager& manager, const char* lpszProfile, const Bytes& bytes)
{
    RegistryTestKey::SetBinary(LayoutKey(lpszProfile), "DockingCBAndSliders", bytes);
    const BOOL bLoaded = manager.LoadState(lpszProfile, 7);
    manager.SetDockState();
    PumpMessages();
    return bLoaded;
}

// A frame of 600 x 400 at (100, 100) that makes panes and trees for a test and owns them.
class DockTreeFixture : public DockingFrameFixture
{
protected:
    void TearDown() override
    {
        DockingFrameFixture::TearDown();
        panes.clear();
    }
    TreePane* NewPane(UINT nID, CRect rect, CWnd* pParent = nullptr)
    {
        panes.emplace_back(new TreePane);
        TreePane* pPane = panes.back().get();
        EXPECT_TRUE(pPane->Create("pane", pParent != nullptr ? pParent : pFrame, rect, FALSE, nID,
                                  WS_CHILD | WS_VISIBLE | CBRS_LEFT));
        return pPane;
    }
    // A default slider of the side that the frame does not lay out: the test places the tree.
    CTavoPSlider* NewTree(DWORD dwAlignment, TreePane* pFirst)
    {
        const BOOL bVert = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
        CTavoPSlider* pSlider = new CTavoPSlider(TRUE, pFrame);
        EXPECT_TRUE(pSlider->CreateEx(
            0, WS_VISIBLE | (bVert ? CTavoPSlider::SS_VERT : CTavoPSlider::SS_HORZ),
            CRect(0, 0, 4, 4), pFrame, (UINT)-1));
        pSlider->SetCurrentAlignment(dwAlignment);
        pSlider->AddBar(pFirst);
        pFirst->SetDefaultSlider(pSlider->GetSafeHwnd());
        return pSlider;
    }
    CTavoPSlider* InnerSlider(CTavoPSlider* pDefault)
    {
        const CObList& lst = pDefault->GetBarTreeManager()->GetSliders();
        return lst.IsEmpty() ? nullptr : (CTavoPSlider*)lst.GetHead();
    }

    std::vector<std::unique_ptr<TreePane>> panes;
};

// Panes 201 and 202 with a layout tree on the left that holds 201, its default slider at x 200;
// the test puts 202 into the tree.
class LeftTreeFixture : public DockTreeFixture
{
protected:
    // rectSecond: where 202 starts before the tree places it.
    void MakeTree(CRect rectSecond)
    {
        pA = NewPane(201, CRect(0, 0, 200, 400));
        pB = NewPane(202, rectSecond);
        pDefault = NewTree(CBRS_ALIGN_LEFT, pA);
        pDefault->SetWindowPos(NULL, 200, 0, 4, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    TreePane* pA = nullptr;
    TreePane* pB = nullptr;
    CTavoPSlider* pDefault = nullptr;
};

// A frame of 600 x 400 at (100, 100) docking on every side, with panes of the given ids that may
// float, each with a caption "pane <id>"; the frame and its panes go with it.
class PaneFrame
{
public:
    explicit PaneFrame(std::initializer_list<UINT> ids)
    {
        pFrame = TestFrame::Make(600, 400, 100, 100);
        EXPECT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
        for (UINT nID : ids)
        {
            panes.emplace_back(new TreePane);
            const std::string name = "pane " + std::to_string(nID);
            EXPECT_TRUE(panes.back()->Create(name.c_str(), pFrame, CRect(0, 0, 150, 150), TRUE, nID,
                                             WS_CHILD | WS_VISIBLE | CBRS_LEFT));
            panes.back()->EnableDocking(CBRS_ALIGN_ANY);
        }
    }
    ~PaneFrame()
    {
        if (::IsWindow(pFrame->GetSafeHwnd()))
            pFrame->DestroyWindow();
        PumpMessages();
    }
    TreePane* Pane(int i) { return panes[i].get(); }
    std::vector<CTavoPDockingControlBar*> List()
    {
        std::vector<CTavoPDockingControlBar*> lst;
        for (auto& p : panes)
            lst.push_back(p.get());
        return lst;
    }
    CTavoPDockManager& Manager() { return *pFrame->GetDockManager(); }

    TestFrame* pFrame = nullptr;
    std::vector<std::unique_ptr<TreePane>> panes;
};

// What the layout shows of one pane.
struct PaneSnapshot
{
    UINT nID;
    std::string parentKind; // frame, mini frame or other
    CRect rect;             // frame client coordinates
    bool bVisible;
    std::string path;
    int nPercent;
    bool operator==(const PaneSnapshot& o) const
    {
        return nID == o.nID && parentKind == o.parentKind && rect == o.rect &&
               bVisible == o.bVisible && path == o.path && nPercent == o.nPercent;
    }
};

inline void PrintTo(const PaneSnapshot& s, std::ostream* os)
{
    *os << s.nID << " " << s.parentKind << " ";
    PrintTo(s.rect, os);
    *os << (s.bVisible ? " shown " : " hidden ") << s.path << " " << s.nPercent << "%";
}

inline std::vector<PaneSnapshot> Snapshot(CFrameWnd* pFrame,
                                          const std::vector<CTavoPDockingControlBar*>& panes)
{
    std::vector<PaneSnapshot> shots;
    for (CTavoPDockingControlBar* pPane : panes)
    {
        PaneSnapshot s;
        s.nID = pPane->GetDlgCtrlID();
        CWnd* pParent = pPane->GetParent();
        s.parentKind = pParent == pFrame                                       ? "frame"
                       : DYNAMIC_DOWNCAST(CTavoPMiniFrameWnd, pParent) != NULL ? "mini frame"
                                                                               : "other";
        pPane->GetWindowRect(s.rect);
        pFrame->ScreenToClient(s.rect);
        s.bVisible = pPane->IsWindowVisible() != FALSE;
        CTavoPSlider* pSlider = pPane->GetDefaultSlider();
        s.path = pSlider != NULL && pSlider->GetBarTreeManager() != NULL
                     ? NodePath(pSlider->GetBarTreeManager()->GetRootContainer(), pPane)
                     : "-";
        s.nPercent = pPane->GetPercent();
        shots.push_back(s);
    }
    return shots;
}
