// Edit boxes and combo boxes hosted in toolbars: their archives, the contents shared by buttons of
// one command, their place on horizontal and vertical bars, and the commands they send.
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarComboBoxButton.h"
#include "ui/commandbars/CTavoPToolbarEditBoxButton.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "ui/foundation/CTavoPVisualManager.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>
#include <vector>
#include "tests/support/MessagePump.h"

namespace {

const UINT kFind = 30201;
const UINT kZoom = 30202;

class CCommandFrame : public CFrameWnd
{
public:
    std::vector<std::pair<WPARAM, LPARAM>> commands;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (LOWORD(wParam) == kFind || LOWORD(wParam) == kZoom)
            commands.push_back({wParam, lParam});
        return CFrameWnd::OnCommand(wParam, lParam);
    }
};

CString WindowText(HWND hwnd)
{
    char sz[256] = "";
    ::GetWindowText(hwnd, sz, sizeof(sz));
    return sz;
}

BOOL IsVisible(CWnd* pWnd)
{
    return pWnd != NULL && (pWnd->GetStyle() & WS_VISIBLE) != 0;
}

// Stores a button through its class record, as bars and the clipboard do.
Bytes StoreButton(CTavoPToolbarButton& button)
{
    return StoreToBytes([&](CArchive& ar) { ar << &button; });
}

CTavoPToolbarButton* LoadButton(const Bytes& bytes)
{
    CObject* pObject = NULL;
    LoadFromBytes(bytes, [&](CArchive& ar) { ar >> pObject; });
    return (CTavoPToolbarButton*)pObject;
}

Bytes Tail(const Bytes& bytes, size_t n)
{
    return Bytes(bytes.end() - n, bytes.end());
}

CTavoPToolbarComboBoxButton* MakeCombo(DWORD dwStyle = CBS_DROPDOWNLIST)
{
    CTavoPToolbarComboBoxButton* pCombo = new CTavoPToolbarComboBoxButton(kZoom, 1, dwStyle, 120);
    pCombo->AddItem("50%", 50);
    pCombo->AddItem("100%", 100);
    pCombo->AddItem("200%", 200);
    return pCombo;
}

class ControlButtonFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        frame = new CCommandFrame;
        ASSERT_TRUE(frame->Create(NULL, "controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  CRect(0, 0, 640, 300)));
        for (CTavoPToolBar* pBar : {&bar1, &bar2})
            ASSERT_TRUE(pBar->Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                                     pBar == &bar1 ? 0xE801 : 0xE802));
    }
    void TearDown() override
    {
        for (CTavoPToolBar* pBar : {&bar1, &bar2})
            if (pBar->GetSafeHwnd() != NULL)
                pBar->DestroyWindow();
        frame->DestroyWindow();
    }
    template <class T>
    T* Add(CTavoPToolBar& bar, T* pButton)
    {
        bar.InsertButton(pButton);
        bar.AdjustLayout();
        return pButton;
    }
    CCommandFrame* frame = nullptr;
    CTavoPToolBar bar1;
    CTavoPToolBar bar2;
};

} // namespace

// ---- archives ----

TEST(ToolbarControlArchive, EditBoxStoresWidthStyleAndTextAndLoadsThemBack)
{
    CTavoPToolbarEditBoxButton button(kFind, 0, ES_AUTOHSCROLL, 90);
    button.SetContents("abc");
    const Bytes bytes = StoreButton(button);
    const Bytes golden = ByteWriter().D(90).D(0x50000080).B(3).Text("abc");
    EXPECT_EQ(golden, Tail(bytes, golden.size()));

    CTavoPToolbarButton* pLoaded = LoadButton(bytes);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->IsKindOf(RUNTIME_CLASS(CTavoPToolbarEditBoxButton)));
    CTavoPToolbarEditBoxButton* pEdit = (CTavoPToolbarEditBoxButton*)pLoaded;
    EXPECT_EQ(90, pEdit->GetWidth());
    EXPECT_EQ(CString("abc"), pEdit->GetContents());
    EXPECT_EQ(bytes, StoreButton(*pEdit));
    delete pLoaded;
}

TEST(ToolbarControlArchive, ComboStoresItsListsWithoutAWindowAndLoadsThemBack)
{
    CTavoPToolbarComboBoxButton* pCombo = MakeCombo();
    ASSERT_TRUE(pCombo->SelectItem(1, FALSE));
    const Bytes bytes = StoreButton(*pCombo);
    const Bytes golden = ByteWriter()
                             .D(120)
                             .D(0x50200403)
                             .D(1)
                             .B(0)
                             .D(150)
                             .W(3)
                             .B(3)
                             .Text("50%")
                             .B(4)
                             .Text("100%")
                             .B(4)
                             .Text("200%")
                             .D(50)
                             .D(100)
                             .D(200);
    EXPECT_EQ(golden, Tail(bytes, golden.size()));
    // Storing without a window keeps the lists and the selection.
    EXPECT_EQ(3, pCombo->GetCount());
    EXPECT_EQ(1, pCombo->GetCurSel());

    CTavoPToolbarComboBoxButton* pLoaded = (CTavoPToolbarComboBoxButton*)LoadButton(bytes);
    ASSERT_TRUE(pLoaded != NULL && pLoaded->IsKindOf(RUNTIME_CLASS(CTavoPToolbarComboBoxButton)));
    EXPECT_EQ(1, pLoaded->GetCurSel());
    EXPECT_EQ(CString("200%"), pLoaded->GetItem(2));
    EXPECT_EQ(200u, pLoaded->GetItemData(2));
    EXPECT_EQ(bytes, StoreButton(*pLoaded));
    delete pLoaded;
    delete pCombo;
}

TEST(ToolbarControlArchive, BrokenOrHostileDataFailsOrLoadsSafely)
{
    CTavoPToolbarComboBoxButton* pCombo = MakeCombo();
    const Bytes comboBytes = StoreButton(*pCombo);
    delete pCombo;
    CTavoPToolbarEditBoxButton edit(kFind, 0);
    edit.SetContents("text");
    const Bytes editBytes = StoreButton(edit);

    // Every cut through either archive ends in an archive exception, not a crash.
    auto loadObject = [](CArchive& ar) {
        CObject* pObject = NULL;
        ar >> pObject;
        delete pObject;
    };
    for (const Bytes* pBytes : {&comboBytes, &editBytes})
        EXPECT_EQ(std::vector<size_t>(), CutsNotFailing(*pBytes, loadObject))
            << (pBytes == &comboBytes ? "combo box" : "edit box");

    // A count of items far beyond the data runs into its end.
    Bytes huge = comboBytes;
    const size_t countAt = comboBytes.size() - (3 * 4 + 4 + 5 + 5 + 4 + 2);
    huge[countAt] = 0xFF;
    huge[countAt + 1] = 0xFF;
    huge.insert(huge.begin() + countAt + 2, {0xFF, 0xFF, 0xFF, 0x7F});
    CObject* pObject = NULL;
    EXPECT_NE(-1, LoadFailureCause(huge, [&](CArchive& ar) { ar >> pObject; }));
    delete pObject;

    // A selection naming no item loads as none, with no text.
    Bytes outOfRange = comboBytes;
    outOfRange[countAt - 4 - 1 - 4] = 7;
    CTavoPToolbarComboBoxButton* pLoaded = (CTavoPToolbarComboBoxButton*)LoadButton(outOfRange);
    ASSERT_TRUE(pLoaded != NULL);
    EXPECT_EQ(-1, pLoaded->GetCurSel());
    EXPECT_TRUE(pLoaded->GetText().IsEmpty());
    EXPECT_EQ(3, pLoaded->GetCount());
    delete pLoaded;
}

// ---- contents shared by buttons of one command ----

TEST_F(ControlButtonFixture, TypingInOneEditBoxShowsInTheOtherAndSendsOneCommand)
{
    auto* pFirst = Add(bar1, new CTavoPToolbarEditBoxButton(kFind, 0));
    auto* pSecond = Add(bar2, new CTavoPToolbarEditBoxButton(kFind, 0));
    ASSERT_TRUE(pFirst->GetEditBox() != NULL && pSecond->GetEditBox() != NULL);
    PumpMessages();
    frame->commands.clear();

    // The user's text change: the edit tells its bar.
    pFirst->GetEditBox()->SetWindowText("aspirin");
    PumpMessages();
    EXPECT_EQ(CString("aspirin"), WindowText(pSecond->GetEditBox()->GetSafeHwnd()));
    EXPECT_EQ(CString("aspirin"), pSecond->GetContents());
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(MAKEWPARAM(kFind, EN_CHANGE), frame->commands[0].first);

    // Text set by the program is no user input.
    frame->commands.clear();
    pSecond->SetContents("ibuprofen");
    PumpMessages();
    EXPECT_TRUE(frame->commands.empty());

    // The contents survive the move to another bar.
    bar2.RemoveButton(0);
    pFirst->SetContents("kept");
    pFirst->OnChangeParentWnd(&bar2);
    EXPECT_EQ(CString("kept"), WindowText(pFirst->GetEditBox()->GetSafeHwnd()));
    pFirst->OnChangeParentWnd(&bar1);
}

TEST_F(ControlButtonFixture, SelectingInOneComboSelectsInTheOtherAndSendsOneCommand)
{
    auto* pFirst = Add(bar1, MakeCombo());
    auto* pSecond = Add(bar2, MakeCombo());
    ASSERT_TRUE(pFirst->GetComboBox() != NULL);
    PumpMessages();
    frame->commands.clear();

    // What the combo box sends when the user picks an item from its list.
    CComboBox* pBox = pFirst->GetComboBox();
    pBox->SetCurSel(2);
    bar1.SendMessage(WM_COMMAND, MAKEWPARAM(kZoom, CBN_SELENDOK), (LPARAM)pBox->GetSafeHwnd());
    PumpMessages();
    EXPECT_EQ(2, pFirst->GetCurSel());
    EXPECT_EQ(CString("200%"), pFirst->GetText());
    EXPECT_EQ(2, pSecond->GetCurSel());
    EXPECT_EQ(2, pSecond->GetComboBox()->GetCurSel());
    EXPECT_EQ(CString("200%"), pSecond->GetText());
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ(MAKEWPARAM(kZoom, CBN_SELENDOK), frame->commands[0].first);
}

TEST_F(ControlButtonFixture, TypingInADropDownComboIsSharedAndEnterSendsTheCommandOnce)
{
    auto* pFirst = Add(bar1, MakeCombo(CBS_DROPDOWN));
    auto* pSecond = Add(bar2, MakeCombo(CBS_DROPDOWN));
    CEdit* pEdit = pFirst->GetEditCtrl();
    ASSERT_TRUE(pEdit != NULL && pSecond->GetEditCtrl() != NULL);
    PumpMessages();
    frame->commands.clear();

    pEdit->SetWindowText("75%");
    PumpMessages();
    EXPECT_EQ(CString("75%"), pSecond->GetText());
    EXPECT_EQ(CString("75%"), WindowText(pSecond->GetEditCtrl()->GetSafeHwnd()));
    ASSERT_EQ(1u, frame->commands.size());

    frame->commands.clear();
    pEdit->SetFocus();
    MSG msg = {pEdit->GetSafeHwnd(), WM_KEYDOWN, VK_RETURN, 0};
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(frame->GetSafeHwnd(), &msg));
    PumpMessages();
    ASSERT_EQ(1u, frame->commands.size());
    EXPECT_EQ((WPARAM)kZoom, frame->commands[0].first);
    EXPECT_EQ((LPARAM)pFirst->GetComboBox()->GetSafeHwnd(), frame->commands[0].second);

    // Escape gives the focus back to the frame.
    msg.wParam = VK_ESCAPE;
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(frame->GetSafeHwnd(), &msg));
    EXPECT_EQ(frame->GetSafeHwnd(), ::GetFocus());
}

TEST_F(ControlButtonFixture, ComboWithoutAnEditFieldDrawsItsOwnText)
{
    auto* pCombo = Add(bar1, MakeCombo());
    EXPECT_TRUE(pCombo->GetEditCtrl() == NULL);
    EXPECT_FALSE(pCombo->SelectItem(3, FALSE));
    // The list window itself is never shown.
    EXPECT_FALSE(IsVisible(pCombo->GetComboBox()));

    const CRect rectCombo = pCombo->GetComboRect();
    ASSERT_FALSE(rectCombo.IsRectEmpty());
    const CRect rectText(rectCombo.left + 4, rectCombo.top + 4,
                         pCombo->GetDropButtonRect().left - 2, rectCombo.bottom - 4);
    auto textPixels = [&]() {
        DibCanvas canvas(rectCombo.right + 10, rectCombo.bottom + 10);
        CDC* pDC = CDC::FromHandle(canvas.dc());
        pDC->SelectObject(&GetGlobalData().fontRegular);
        pCombo->OnDraw(pDC, pCombo->Rect(), NULL, TRUE);
        const int nArea = rectText.Width() * rectText.Height();
        return nArea - canvas.Count(::GetSysColor(COLOR_WINDOW), rectText.left, rectText.top,
                                    rectText.right, rectText.bottom);
    };
    EXPECT_EQ(0, textPixels());
    EXPECT_TRUE(pCombo->SelectItem(1, FALSE));
    EXPECT_EQ(CString("100%"), pCombo->GetText());
    EXPECT_GT(textPixels(), 0);
}

TEST_F(ControlButtonFixture, InCustomizeModeTheComboIsCreatedDisabled)
{
    CTavoPToolBar::SetCustomizeMode(TRUE);
    auto* pCombo = Add(bar1, MakeCombo(CBS_DROPDOWN));
    const BOOL bComboEnabled = pCombo->GetComboBox()->IsWindowEnabled();
    const BOOL bEditEnabled = pCombo->GetEditCtrl()->IsWindowEnabled();
    CTavoPToolBar::SetCustomizeMode(FALSE);
    EXPECT_FALSE(bComboEnabled);
    EXPECT_FALSE(bEditEnabled);
}

namespace {

// A look whose highlighted text is magenta, so that it is told apart from any other text.
class CMagentaTextManager : public CTavoPVisualManager
{
    DECLARE_DYNCREATE(CMagentaTextManager)
public:
    COLORREF GetToolbarButtonTextColor(CTavoPToolbarButton* pButton, int state) override
    {
        if (state == TAVOP_BUTTON_HIGHLIGHTED)
            return RGB(255, 0, 255);
        return CTavoPVisualManager::GetToolbarButtonTextColor(pButton, state);
    }
};

IMPLEMENT_DYNCREATE(CMagentaTextManager, CTavoPVisualManager)

// Pixels that are mostly magenta: the text itself and its smoothed edges on white.
int MagentaPixels(const DibCanvas& canvas)
{
    int n = 0;
    for (int y = 0; y < canvas.height(); y++)
        for (int x = 0; x < canvas.width(); x++)
        {
            const COLORREF c = canvas.Pixel(x, y);
            n += GetGValue(c) + 60 < GetRValue(c) && GetGValue(c) + 60 < GetBValue(c);
        }
    return n;
}

} // namespace

TEST_F(ControlButtonFixture, LabelsBelowControlsTakeTheLooksHighlightedTextColour)
{
    CTavoPVisualManager::SetDefaultManager(RUNTIME_CLASS(CMagentaTextManager));
    CTavoPToolbarButton* pEdit = new CTavoPToolbarEditBoxButton(kFind, 0, ES_AUTOHSCROLL, 100);
    CTavoPToolbarButton* pCombo = MakeCombo(CBS_DROPDOWN);
    for (CTavoPToolbarButton* pButton : {pEdit, pCombo})
    {
        pButton->m_strText = "Label";
        Add(bar1, pButton);
    }
    bar1.EnableTextLabels(TRUE);
    for (CTavoPToolbarButton* pButton : {pEdit, pCombo})
        for (const BOOL bHighlight : {FALSE, TRUE})
        {
            const CRect rect = pButton->Rect();
            DibCanvas canvas(rect.right + 10, rect.bottom + 10);
            CDC* pDC = CDC::FromHandle(canvas.dc());
            pDC->SelectObject(&GetGlobalData().fontRegular);
            pButton->OnDraw(pDC, rect, NULL, TRUE, FALSE, bHighlight);
            EXPECT_EQ(bHighlight != FALSE, MagentaPixels(canvas) > 0)
                << (pButton == pEdit ? "edit box" : "combo box")
                << (bHighlight ? ", highlighted" : ", plain");
        }
    CTavoPVisualManager::SetDefaultManager(NULL);
}

// ---- place on the bar ----

TEST_F(ControlButtonFixture, ControlsSitInsideTheButtonAndHideOnVerticalBars)
{
    auto* pEdit = Add(bar1, new CTavoPToolbarEditBoxButton(kFind, 0, ES_AUTOHSCROLL, 100));
    auto* pCombo = Add(bar1, MakeCombo(CBS_DROPDOWN));
    bar1.AdjustLayout();

    auto inside = [&](CWnd* pWnd, const CRect& rectButton) {
        CRect rect;
        pWnd->GetWindowRect(rect);
        bar1.ScreenToClient(rect);
        CRect rectInter;
        rectInter.IntersectRect(rect, rectButton);
        return rectInter == rect;
    };
    ASSERT_TRUE(IsVisible(pEdit->GetEditBox()));
    EXPECT_EQ(100, pEdit->Rect().Width());
    EXPECT_TRUE(inside(pEdit->GetEditBox(), pEdit->Rect()));
    ASSERT_TRUE(IsVisible(pCombo->GetEditCtrl()));
    EXPECT_TRUE(inside(pCombo->GetEditCtrl(), pCombo->Rect()));
    CRect rectDrop = pCombo->GetDropButtonRect();
    EXPECT_FALSE(rectDrop.IsRectEmpty());
    EXPECT_TRUE(pCombo->GetComboRect().PtInRect(rectDrop.CenterPoint()));

    bar1.SetCurrentAlignment(CBRS_ALIGN_LEFT);
    bar1.CalcLayout(LM_VERTDOCK);
    bar1.AdjustLayout();
    EXPECT_FALSE(IsVisible(pEdit->GetEditBox()));
    EXPECT_FALSE(IsVisible(pCombo->GetEditCtrl()));
    EXPECT_FALSE(pEdit->OnClick(&bar1));
    EXPECT_FALSE(pCombo->OnClick(&bar1));

    bar1.SetCurrentAlignment(CBRS_ALIGN_TOP);
    bar1.CalcLayout(LM_HORZ | LM_HORZDOCK);
    bar1.AdjustLayout();
    EXPECT_TRUE(IsVisible(pEdit->GetEditBox()));
}
