// Message maps on real windows: dispatch by signature, the creation hook, reflection to the
// control's own object, self-deleting windows and exceptions stopped at the window procedure.
#include "tests/framework/WinTestApp.h"
#include "tests/support/DialogTemplate.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const UINT WM_TEST_ADD = WM_APP + 1;
const UINT WM_TEST_THROW_FRAMEWORK = WM_APP + 2;
const UINT WM_TEST_THROW_OTHER = WM_APP + 3;
const UINT g_registeredMessage = ::RegisterWindowMessage("VorlenTestRegisteredMessage");

class CProbeWnd : public CWnd
{
public:
    int m_nCreateCalls = 0;
    int m_nLastCx = -1;
    UINT_PTR m_nLastTimer = 0;
    int m_nParentClicks = 0;
    int m_nParentColumnClicks = 0;
    bool m_bThrowInCreate = false;

    int OnCreate(LPCREATESTRUCT lpcs)
    {
        ++m_nCreateCalls;
        if (m_bThrowInCreate)
            throw new CNotSupportedException();
        return CWnd::OnCreate(lpcs);
    }
    void OnSize(UINT nType, int cx, int cy)
    {
        m_nLastCx = cx;
        CWnd::OnSize(nType, cx, cy);
    }
    void OnTimer(UINT_PTR nIDEvent) { m_nLastTimer = nIDEvent; }
    LRESULT OnAdd(WPARAM wParam, LPARAM lParam) { return (LRESULT)(wParam + lParam); }
    LRESULT OnRegistered(WPARAM, LPARAM) { return 77; }
    LRESULT OnThrowFramework(WPARAM, LPARAM) { throw new CNotSupportedException(); }
    LRESULT OnThrowOther(WPARAM, LPARAM) { throw std::runtime_error("not a framework exception"); }
    void OnChildClicked() { ++m_nParentClicks; }
    void OnChildColumnClick(NMHDR*, LRESULT* pResult)
    {
        ++m_nParentColumnClicks;
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_TEST_ADD, OnAdd)
    ON_REGISTERED_MESSAGE(g_registeredMessage, OnRegistered)
    ON_MESSAGE(WM_TEST_THROW_FRAMEWORK, OnThrowFramework)
    ON_MESSAGE(WM_TEST_THROW_OTHER, OnThrowOther)
    ON_BN_CLICKED(101, OnChildClicked)
    ON_NOTIFY(LVN_COLUMNCLICK, 102, OnChildColumnClick)
END_MESSAGE_MAP()

class CReflectingButton : public CButton
{
public:
    BOOL m_bKeepIt = TRUE;
    int m_nClicks = 0;
    BOOL OnReflectedClick()
    {
        ++m_nClicks;
        return m_bKeepIt; // FALSE lets the parent handle it too
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnReflectedClick)
END_MESSAGE_MAP()

class CReflectingList : public CListCtrl
{
public:
    int m_nColumnClicks = 0;
    void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nColumnClicks += ((NMLISTVIEW*)pNMHDR)->iSubItem == 3 ? 1 : 100;
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

class CColouredStatic : public CStatic
{
public:
    CBrush m_brush;
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        if (nCtlColor != CTLCOLOR_STATIC)
            return nullptr;
        pDC->SetTextColor(RGB(255, 255, 0));
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CSelfDeletingWnd : public CWnd
{
public:
    explicit CSelfDeletingWnd(int* pDeletions) : m_pDeletions(pDeletions) {}
    ~CSelfDeletingWnd() override { ++*m_pDeletions; }
    void PostNcDestroy() override { delete this; }
    // The handler destroys its own window: the object is gone before the dispatcher returns.
    void OnLButtonDown(UINT, CPoint) { DestroyWindow(); }

private:
    int* m_pDeletions;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        CTestSeams::Engage();
    }
    void TearDown() override
    {
        if (m_probe.GetSafeHwnd() != nullptr)
            m_probe.DestroyWindow();
        CTestSeams::Release();
    }
    BOOL CreateProbe()
    {
        return m_probe.CreateEx(0, AfxRegisterWndClass(0), "probe", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                200, nullptr, nullptr);
    }
    CProbeWnd m_probe;
};

} // namespace

TEST_F(MessageMapTest, DispatchesByHandlerSignatureFromTheFirstMessage)
{
    ASSERT_TRUE(CreateProbe());
    // The class procedure is DefWindowProc: only the creation hook can have delivered WM_CREATE.
    EXPECT_EQ(1, m_probe.m_nCreateCalls);
    EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtr(m_probe.m_hWnd, GWLP_WNDPROC));
    EXPECT_EQ(&m_probe, CWnd::FromHandlePermanent(m_probe.m_hWnd));

    m_probe.SetWindowPos(nullptr, 0, 0, 250, 150, SWP_NOZORDER | SWP_NOMOVE);
    CRect rc;
    m_probe.GetClientRect(&rc);
    EXPECT_EQ(rc.Width(), m_probe.m_nLastCx);

    m_probe.SendMessage(WM_TIMER, 0x123456789ULL, 0);
    EXPECT_EQ((UINT_PTR)0x123456789ULL, m_probe.m_nLastTimer);
    EXPECT_EQ(30, m_probe.SendMessage(WM_TEST_ADD, 10, 20));
    EXPECT_EQ(77, m_probe.SendMessage(g_registeredMessage));
    // Unmapped messages reach the default procedure.
    EXPECT_EQ(0, m_probe.SendMessage(WM_APP + 50));
}

TEST_F(MessageMapTest, ControlNotificationsAreReflectedToTheControlsObject)
{
    ASSERT_TRUE(CreateProbe());
    CReflectingButton button;
    ASSERT_TRUE(button.Create("ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20),
                              &m_probe, 101));

    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), (LPARAM)button.m_hWnd);
    EXPECT_EQ(1, button.m_nClicks);
    EXPECT_EQ(0, m_probe.m_nParentClicks);

    button.m_bKeepIt = FALSE;
    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), (LPARAM)button.m_hWnd);
    EXPECT_EQ(2, button.m_nClicks);
    EXPECT_EQ(1, m_probe.m_nParentClicks);

    // A control without an object of its own: the parent's map handles the notification.
    HWND hPlain = ::CreateWindow("BUTTON", "plain", WS_CHILD | BS_PUSHBUTTON, 0, 30, 50, 20,
                                 m_probe.m_hWnd, (HMENU)101, nullptr, nullptr);
    m_probe.SendMessage(WM_COMMAND, MAKEWPARAM(101, BN_CLICKED), (LPARAM)hPlain);
    EXPECT_EQ(2, m_probe.m_nParentClicks);
}

TEST_F(MessageMapTest, NotifyAndColourMessagesAreReflected)
{
    ASSERT_TRUE(CreateProbe());
    CReflectingList list;
    ASSERT_TRUE(list.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 100, 100), &m_probe, 102));
    NMLISTVIEW nm = {};
    nm.hdr.hwndFrom = list.m_hWnd;
    nm.hdr.idFrom = 102;
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iSubItem = 3;
    m_probe.SendMessage(WM_NOTIFY, 102, (LPARAM)&nm);
    EXPECT_EQ(1, list.m_nColumnClicks);
    EXPECT_EQ(0, m_probe.m_nParentColumnClicks);

    CColouredStatic label;
    label.m_brush.CreateSolidBrush(RGB(0, 0, 0));
    ASSERT_TRUE(label.Create("text", WS_CHILD, CRect(0, 0, 50, 20), &m_probe, 103));
    HDC hDC = ::GetDC(label.m_hWnd);
    LRESULT hBrush = m_probe.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)label.m_hWnd);
    EXPECT_EQ((LRESULT)label.m_brush.GetSafeHandle(), hBrush);
    EXPECT_EQ(RGB(255, 255, 0), ::GetTextColor(hDC));
    ::ReleaseDC(label.m_hWnd, hDC);
}

TEST_F(MessageMapTest, ExceptionsStopAtTheWindowProcedureAndAreReported)
{
    ASSERT_TRUE(CreateProbe());
    EXPECT_EQ(0, m_probe.SendMessage(WM_TEST_THROW_FRAMEWORK));
    EXPECT_EQ(0, m_probe.SendMessage(WM_TEST_THROW_OTHER));
    ASSERT_EQ(2u, CTestSeams::MessageBoxes().size());
    for (const auto& box : CTestSeams::MessageBoxes())
    {
        EXPECT_FALSE(box.strText.IsEmpty());
        EXPECT_EQ((UINT)MB_ICONSTOP, box.nType & MB_ICONMASK);
    }
    // The window carries on.
    EXPECT_EQ(5, m_probe.SendMessage(WM_TEST_ADD, 2, 3));

    // An exception while creating fails the creation, nothing more.
    CProbeWnd failing;
    failing.m_bThrowInCreate = true;
    EXPECT_FALSE(failing.CreateEx(0, AfxRegisterWndClass(0), "failing", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr));
    EXPECT_EQ(nullptr, failing.m_hWnd);
}

TEST_F(MessageMapTest, WindowDeletingItselfInPostNcDestroyIsNotTouchedAgain)
{
    int nDeletions = 0;
    CSelfDeletingWnd* pWnd = new CSelfDeletingWnd(&nDeletions);
    ASSERT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr));
    HWND hWnd = pWnd->m_hWnd;

    ::SendMessage(hWnd, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(1, nDeletions);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    // The same through the default close, and a window that never gets created.
    CSelfDeletingWnd* pClosed = new CSelfDeletingWnd(&nDeletions);
    ASSERT_TRUE(pClosed->CreateEx(0, AfxRegisterWndClass(0), "closed", WS_POPUP, 0, 0, 10, 10,
                                  nullptr, nullptr));
    ::SendMessage(pClosed->m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(2, nDeletions);
    CSelfDeletingWnd* pNever = new CSelfDeletingWnd(&nDeletions);
    EXPECT_FALSE(
        pNever->CreateEx(0, "NoSuchWindowClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(3, nDeletions);
}

TEST_F(MessageMapTest, TemporaryObjectsLiveUntilIdleCleanUp)
{
    HWND hPlain = ::CreateWindow("STATIC", "plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hPlain));
    EXPECT_GT(CWnd::GetTempMapCount(), 0);

    TestApp().OnIdle(1);
    EXPECT_EQ(0, CWnd::GetTempMapCount());
    ::DestroyWindow(hPlain);
}

TEST_F(MessageMapTest, SubclassedControlKeepsItsOwnBehaviour)
{
    ASSERT_TRUE(CreateProbe());
    HWND hEdit = ::CreateWindow("EDIT", "", WS_CHILD, 0, 0, 80, 20, m_probe.m_hWnd, (HMENU)104,
                                nullptr, nullptr);
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(104, &m_probe));
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
    edit.SetWindowText("汉字 text");
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("汉字 text", text);
    // A second object for the same window is refused.
    CEdit second;
    EXPECT_FALSE(second.SubclassWindow(hEdit));
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}
