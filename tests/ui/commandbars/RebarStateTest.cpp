// The band layout of a frame's rebars in the registry: order, sizes and styles come back.
#include "tests/support/RegistryTestKey.h"
#include "ui/commandbars/CTavoPReBar.h"
#include "ui/commandbars/managers/CTavoPRebarState.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const kRoot = "SOFTWARE\\VorlenTests RB";
const std::string kProfile = "SOFTWARE\\VorlenTests RB\\Settings\\";
const std::string kRebarKey = kProfile + "TavoRebar-59648";

// A frame with one rebar of three bands, each holding a child window with control IDs 101 to 103.
class RebarFrame
{
public:
    RebarFrame()
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_COOL_CLASSES};
        ::InitCommonControlsEx(&icc);
        frame.Attach(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 400, 200, NULL, NULL,
                                     ::GetModuleHandleA(NULL), NULL));
        rebar.CreateEx(0, REBARCLASSNAME, _T(""), WS_CHILD | WS_VISIBLE | CCS_NODIVIDER,
                       CRect(0, 0, 400, 40), &frame, 0xE900);
        for (int id = 101; id <= 103; id++)
            AddBand(id, 0);
    }
    ~RebarFrame()
    {
        rebar.DestroyWindow();
        ::DestroyWindow(frame.Detach());
    }

    void AddBand(int id, UINT fStyle)
    {
        HWND hwndChild =
            ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, rebar.m_hWnd,
                            (HMENU)(INT_PTR)id, ::GetModuleHandleA(NULL), NULL);
        REBARBANDINFO rbi = {};
        rbi.cbSize = sizeof rbi;
        rbi.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
        rbi.fStyle = fStyle;
        rbi.hwndChild = hwndChild;
        rbi.cxMinChild = 20;
        rbi.cyMinChild = 20;
        rbi.cx = 80;
        rbi.wID = (UINT)id;
        rebar.SendMessage(RB_INSERTBAND, (WPARAM)-1, (LPARAM)&rbi);
    }

    // The control IDs of the bands' child windows, in band order.
    std::vector<int> Order()
    {
        std::vector<int> ids;
        const int n = (int)rebar.SendMessage(RB_GETBANDCOUNT);
        for (int i = 0; i < n; i++)
        {
            REBARBANDINFO rbi = {};
            rbi.cbSize = sizeof rbi;
            rbi.fMask = RBBIM_CHILD;
            rebar.SendMessage(RB_GETBANDINFO, i, (LPARAM)&rbi);
            ids.push_back(::GetDlgCtrlID(rbi.hwndChild));
        }
        return ids;
    }

    CFrameWnd frame;
    CTavoPReBar rebar;
};

class RebarState : public ::testing::Test
{
protected:
    RegistryTestKey scratch{kRoot};
};

TEST_F(RebarState, BandsComeBackInTheirSavedOrder)
{
    RebarFrame f;
    f.rebar.SendMessage(RB_MOVEBAND, 2, 0);
    ASSERT_EQ(f.Order(), (std::vector<int>{103, 101, 102}));
    ASSERT_TRUE(CTavoPRebarState::SaveState(kProfile.c_str(), &f.frame));

    EXPECT_EQ(RegistryTestKey::Value(kRebarKey, "IDs"),
              (std::vector<BYTE>{103, 0, 0, 0, 101, 0, 0, 0, 102, 0, 0, 0}));
    DWORD dwType = 0;
    const std::vector<BYTE> bands = RegistryTestKey::Value(kRebarKey, "RBI", &dwType);
    EXPECT_EQ(dwType, (DWORD)REG_BINARY);
    ASSERT_EQ(bands.size(), 3u * 80);
    // Each record: its size 80, then the mask without the child window.
    EXPECT_EQ(std::vector<BYTE>(bands.begin(), bands.begin() + 8),
              (std::vector<BYTE>{80, 0, 0, 0, 0x61, 0x0B, 0, 0}));

    f.rebar.SendMessage(RB_MOVEBAND, 0, 2);
    ASSERT_EQ(f.Order(), (std::vector<int>{101, 102, 103}));
    ASSERT_TRUE(CTavoPRebarState::LoadState(kProfile.c_str(), &f.frame));
    EXPECT_EQ(f.Order(), (std::vector<int>{103, 101, 102}));
}

TEST_F(RebarState, FixedSizeBandIsStoredWidenedAndKeepsItsWidth)
{
    RebarFrame f;
    f.AddBand(104, RBBS_FIXEDSIZE);
    ASSERT_TRUE(CTavoPRebarState::SaveState(kProfile.c_str(), &f.frame));
    const std::vector<BYTE> bands = RegistryTestKey::Value(kRebarKey, "RBI");
    ASSERT_EQ(bands.size(), 4u * 80);
    // cxMinChild is the tenth field.
    EXPECT_EQ(bands[80 * 3 + 36], 24);
    EXPECT_EQ(bands[80 * 0 + 36], 20);

    // Start after start, the band neither grows nor shrinks.
    for (int round = 0; round < 2; round++)
    {
        ASSERT_TRUE(CTavoPRebarState::LoadState(kProfile.c_str(), &f.frame));
        REBARBANDINFO rbi = {};
        rbi.cbSize = sizeof rbi;
        rbi.fMask = RBBIM_CHILDSIZE;
        f.rebar.SendMessage(RB_GETBANDINFO, 3, (LPARAM)&rbi);
        EXPECT_EQ(rbi.cxMinChild, 20u);
        ASSERT_TRUE(CTavoPRebarState::SaveState(kProfile.c_str(), &f.frame));
        EXPECT_EQ(RegistryTestKey::Value(kRebarKey, "RBI"), bands);
    }
}

TEST_F(RebarState, LayoutOfOtherBandsIsNotApplied)
{
    RebarFrame f;
    f.rebar.SendMessage(RB_MOVEBAND, 2, 0);
    ASSERT_TRUE(CTavoPRebarState::SaveState(kProfile.c_str(), &f.frame));
    f.rebar.SendMessage(RB_MOVEBAND, 0, 2);
    f.AddBand(104, 0);
    ASSERT_TRUE(CTavoPRebarState::LoadState(kProfile.c_str(), &f.frame));
    EXPECT_EQ(f.Order(), (std::vector<int>{101, 102, 103, 104}));

    // Records cut short for the bands they name are not read past their end.
    RegistryTestKey::SetBinary(kRebarKey, "IDs",
                               {104, 0, 0, 0, 103, 0, 0, 0, 102, 0, 0, 0, 101, 0, 0, 0});
    RegistryTestKey::SetBinary(kRebarKey, "RBI", std::vector<BYTE>(80, 0));
    ASSERT_TRUE(CTavoPRebarState::LoadState(kProfile.c_str(), &f.frame));
    EXPECT_EQ(f.Order(), (std::vector<int>{101, 102, 103, 104}));
}

TEST_F(RebarState, FrameWithoutRebarsWritesNothing)
{
    CFrameWnd frame;
    frame.Attach(::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 100, 100, NULL, NULL,
                                 ::GetModuleHandleA(NULL), NULL));
    EXPECT_TRUE(CTavoPRebarState::SaveState(kProfile.c_str(), &frame));
    EXPECT_FALSE(RegistryTestKey::Exists(kRoot));
    ::DestroyWindow(frame.Detach());
}

// The rebar bar itself: its bands' windows follow them, its notifications go to its owner.
std::vector<UINT> g_ownerNotifications;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY)
        g_ownerNotifications.push_back(((NMHDR*)lParam)->code);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST(ReBar, BandsTakeTheirWindowsAlongAndTellTheOwner)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "VorlenRebarOwner";
    ::RegisterClassA(&wc);
    HWND hwndOwner = ::CreateWindowA("VorlenRebarOwner", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                     ::GetModuleHandleA(NULL), NULL);
    CFrameWnd frame;
    frame.Attach(::CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, NULL, NULL,
                                 ::GetModuleHandleA(NULL), NULL));
    CWnd owner;
    owner.Attach(hwndOwner);
    g_ownerNotifications.clear();
    {
        CTavoPReBar rebar;
        rebar.SetOwner(&owner);
        ASSERT_TRUE(rebar.Create(&frame));
        EXPECT_EQ(rebar.GetDlgCtrlID(), AFX_IDW_REBAR);

        // The client area lies inside the bar's borders.
        CRect rectInside(0, 0, 0, 0);
        rebar.CalcInsideRect(rectInside, TRUE);
        ASSERT_FALSE(rectInside.IsRectNull());
        // The rebar control takes its width from its parent.
        rebar.SetWindowPos(NULL, 0, 0, 300, 40, SWP_NOZORDER | SWP_FRAMECHANGED);
        CRect rectWindow, rectClient;
        rebar.GetWindowRect(rectWindow);
        rebar.GetClientRect(rectClient);
        EXPECT_EQ(rectClient.Width(), rectWindow.Width() + rectInside.right - rectInside.left);
        EXPECT_EQ(rectClient.Height(), rectWindow.Height() + rectInside.bottom - rectInside.top);

        CWnd band;
        band.Attach(::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 60, 20, rebar.m_hWnd,
                                    (HMENU)101, ::GetModuleHandleA(NULL), NULL));
        ASSERT_TRUE(rebar.AddBar(&band, "Band"));
        EXPECT_EQ(rebar.SendMessage(RB_GETBANDCOUNT), 1);
        EXPECT_FALSE(g_ownerNotifications.empty()) << "the owner hears of the new band";

        rebar.SendMessage(RB_SHOWBAND, 0, FALSE);
        EXPECT_FALSE(band.GetStyle() & WS_VISIBLE);
        rebar.SendMessage(RB_SHOWBAND, 0, TRUE);
        EXPECT_TRUE(band.GetStyle() & WS_VISIBLE);

        ::DestroyWindow(band.Detach());
        rebar.DestroyWindow();
    }
    ::DestroyWindow(frame.Detach());
    ::DestroyWindow(owner.Detach());
}

} // namespace
