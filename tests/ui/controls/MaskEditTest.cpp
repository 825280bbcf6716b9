// The masked edit in a real window fed with real keys: what typing, deleting, moving, pasting and setting the value leave in it, and when it beeps.
#include "ui/controls/CTavoPMaskEdit.h"
#include "tests/support/BarTestSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char kDateMask[] = "DD DD DDDD";
const char kDateTemplate[] = "__/__/____";

// The keys of a text typed on the keyboard: digits and capital letters are their own keys.
std::vector<MouseStep> Typed(const std::string& text)
{
    std::vector<MouseStep> steps;
    for (char ch : text)
        steps.push_back({MouseStep::Key, (int)(unsigned char)ch, 0});
    return steps;
}

// A key pressed with modifiers held (0 for none).
std::vector<MouseStep> Chord(int vk, int modifier1 = 0, int modifier2 = 0)
{
    std::vector<MouseStep> steps;
    for (int m : {modifier1, modifier2})
        if (m != 0)
            steps.push_back({MouseStep::KeyDown, m, 0});
    steps.push_back({MouseStep::Key, vk, 0});
    for (int m : {modifier2, modifier1})
        if (m != 0)
            steps.push_back({MouseStep::KeyUp, m, 0});
    return steps;
}

bool PutTextOnClipboard(HWND owner, const char* text)
{
    if (!::OpenClipboard(owner))
        return false;
    ::EmptyClipboard();
    const size_t n = strlen(text) + 1;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, n);
    memcpy(::GlobalLock(h), text, n);
    ::GlobalUnlock(h);
    const bool ok = ::SetClipboardData(CF_TEXT, h) != nullptr;
    ::CloseClipboard();
    return ok;
}

class MaskEditFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "mask", WS_POPUP | WS_VISIBLE, 40,
                                    40, 320, 100, nullptr, nullptr));
        ASSERT_TRUE(edit.EnableMask(kDateMask, kDateTemplate, '_'));
        ASSERT_TRUE(
            edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 250, 34), &parent, 100));
        parent.SetForegroundWindow();
        edit.SetFocus();
        PumpFor(30);
        CTestSeams::Clear();
    }
    void TearDown() override
    {
        parent.DestroyWindow();
        PumpMessages();
        CTestSeams::Release();
    }

    std::string Text() const
    {
        CString str;
        edit.GetWindowText(str);
        return (LPCTSTR)str;
    }
    std::pair<int, int> Sel() const
    {
        int nStart, nEnd;
        edit.GetSel(nStart, nEnd);
        return {nStart, nEnd};
    }
    size_t Beeps() const { return CTestSeams::Beeps().size(); }
    // The keys pressed on the selection, with the beeps counted from there.
    void Press(int nStart, int nEnd, const std::vector<MouseStep>& keys)
    {
        edit.SetSel(nStart, nEnd);
        CTestSeams::Clear();
        RunMouse(keys);
    }

    CWnd parent;
    CTavoPMaskEdit edit;
};

} // namespace

using MaskEdit = MaskEditFixture;

TEST_F(MaskEdit, TypedDigitsFillTheDateAndTheCaretJumpsOverTheSlashes)
{
    EXPECT_EQ("__/__/____", Text());
    EXPECT_EQ(std::make_pair(0, 2), Sel()) << "the focus selects the first group";
    edit.SetSel(0, 0);

    std::vector<MouseStep> steps = Typed("12");
    steps.push_back({MouseStep::Pause, 0, 0});
    for (const MouseStep& step : Typed("252003"))
        steps.push_back(step);
    std::pair<int, int> afterTwo;
    std::string textAfterTwo;
    RunMouse(steps, [&]() {
        afterTwo = Sel();
        textAfterTwo = Text();
    });

    EXPECT_EQ("12/__/____", textAfterTwo);
    EXPECT_EQ(std::make_pair(3, 3), afterTwo) << "past the slash, at the next group";
    EXPECT_EQ("12/25/2003", Text());
    EXPECT_EQ("12/25/2003", std::string(edit.GetValue()));
    EXPECT_EQ("12252003", std::string(edit.GetValue(FALSE)));
    EXPECT_EQ(std::make_pair(10, 10), Sel());
    EXPECT_EQ(0u, Beeps());
}

TEST_F(MaskEdit, RefusedCharactersBeepAndChangeNothing)
{
    ASSERT_TRUE(edit.SetValue("12/2"));
    struct Case
    {
        const char* name;
        int nCaret;
        std::vector<MouseStep> keys;
        size_t nBeeps;
    };
    const Case cases[] = {
        {"a letter where a digit belongs", 4, Typed("X"), 1},
        {"a slash typed at an input position", 0, Chord(VK_DIVIDE), 1},
        {"a space", 4, Chord(VK_SPACE), 1},
        {"a digit at the end of the template", 10, Typed("7"), 1},
        {"insert does not switch to overwriting", 4, Chord(VK_INSERT), 0},
    };
    for (const Case& c : cases)
    {
        Press(c.nCaret, c.nCaret, c.keys);
        EXPECT_EQ("12/2_/____", Text()) << c.name;
        EXPECT_EQ("12/2_/____", std::string(edit.GetValue())) << c.name;
        EXPECT_EQ(c.nBeeps, Beeps()) << c.name;
    }
}

TEST_F(MaskEdit, BackspaceAndDeleteCloseUpTheirRunAndStopAtLiterals)
{
    struct Case
    {
        const char* name;
        int nStart, nEnd;
        int vk;
        const char* text;
        int nCaret;
        size_t nBeeps;
    };
    const Case cases[] = {
        {"backspace at a group start jumps over the slash", 3, 3, VK_BACK, "12/25/2003", 2, 0},
        {"backspace at a group end deletes the last digit", 2, 2, VK_BACK, "1_/25/2003", 1, 0},
        {"backspace inside a group closes it up", 7, 7, VK_BACK, "12/25/003_", 6, 0},
        {"backspace at the start beeps", 0, 0, VK_BACK, "12/25/2003", 0, 1},
        {"delete at a group end beeps", 2, 2, VK_DELETE, "12/25/2003", 2, 1},
        {"delete at a group start closes it up", 0, 0, VK_DELETE, "2_/25/2003", 0, 0},
        {"delete of a selection closes up the rest", 6, 8, VK_DELETE, "12/25/03__", 6, 0},
        {"backspace over a selection across slashes empties it", 1, 7, VK_BACK, "1_/__/_003", 1, 0},
        {"delete at the end beeps", 10, 10, VK_DELETE, "12/25/2003", 10, 1},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(edit.SetValue("12/25/2003"));
        Press(c.nStart, c.nEnd, Chord(c.vk));
        EXPECT_EQ(c.text, Text()) << c.name;
        EXPECT_EQ(c.text, std::string(edit.GetValue())) << c.name;
        EXPECT_EQ(std::make_pair(c.nCaret, c.nCaret), Sel()) << c.name;
        EXPECT_EQ(c.nBeeps, Beeps()) << c.name;
    }
}

TEST_F(MaskEdit, TypingOverASelectionReplacesItInsideItsRun)
{
    ASSERT_TRUE(edit.SetValue("12/25/2003"));
    edit.SetSel(6, 8);
    RunMouse(Typed("9"));
    EXPECT_EQ("12/25/903_", Text());
    EXPECT_EQ(std::make_pair(7, 7), Sel());
    EXPECT_EQ(0u, Beeps());

    // A selection across a slash is more than one run: refused, kept.
    edit.SetSel(1, 4);
    RunMouse(Typed("9"));
    EXPECT_EQ("12/25/903_", Text());
    EXPECT_EQ(std::make_pair(1, 4), Sel());
    EXPECT_EQ(1u, Beeps());
}

TEST_F(MaskEdit, ArrowsHomeAndEndKeepToTheGroups)
{
    ASSERT_TRUE(edit.SetValue("12/25/2003"));
    struct Case
    {
        const char* name;
        int nStart, nEnd;
        std::vector<MouseStep> keys;
        int nNewStart, nNewEnd;
        size_t nBeeps;
    };
    const Case cases[] = {
        {"right at a group end jumps to the next group", 2, 2, Chord(VK_RIGHT), 3, 3, 0},
        {"left at a group start jumps to the previous end", 6, 6, Chord(VK_LEFT), 5, 5, 0},
        {"left at the first position beeps", 0, 0, Chord(VK_LEFT), 0, 0, 1},
        {"right at the last position beeps", 10, 10, Chord(VK_DOWN), 10, 10, 1},
        {"a selection collapses one left of its start", 7, 9, Chord(VK_UP), 6, 6, 0},
        {"shift-right stops at the group end", 3, 5, Chord(VK_RIGHT, VK_SHIFT), 3, 5, 0},
        {"shift-left widens to the left", 7, 8, Chord(VK_LEFT, VK_SHIFT), 6, 8, 0},
        {"ctrl-right selects the next group", 0, 2, Chord(VK_RIGHT, VK_CONTROL), 3, 5, 0},
        {"ctrl-left selects the group before", 4, 4, Chord(VK_LEFT, VK_CONTROL), 3, 5, 0},
        {"ctrl-left with the first group selected beeps", 0, 2, Chord(VK_LEFT, VK_CONTROL), 0, 2,
         1},
        {"home goes to the group start", 8, 8, Chord(VK_HOME), 6, 6, 0},
        {"end goes to the group end", 3, 3, Chord(VK_END), 5, 5, 0},
    };
    for (const Case& c : cases)
    {
        Press(c.nStart, c.nEnd, c.keys);
        EXPECT_EQ(std::make_pair(c.nNewStart, c.nNewEnd), Sel()) << c.name;
        EXPECT_EQ(c.nBeeps, Beeps()) << c.name;
        EXPECT_EQ("12/25/2003", Text()) << c.name;
    }
}

TEST_F(MaskEdit, PasteThatDoesNotFitIsPutBack)
{
    ASSERT_TRUE(edit.SetValue("12/25/2003"));
    struct Case
    {
        const char* name;
        const char* clipboard;
        const char* text;
        size_t nBeeps;
    };
    const Case cases[] = {
        {"longer than the template", "01/02/19999", "12/25/2003", 1},
        {"letters where digits belong", "ab/cd/efgh", "12/25/2003", 1},
        {"other separators", "01-02-1999", "12/25/2003", 1},
        {"a whole fitting date", "01/02/1999", "01/02/1999", 0},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(PutTextOnClipboard(parent.m_hWnd, c.clipboard)) << c.name;
        edit.SetSel(0, -1);
        CTestSeams::Clear();
        RunMouse(Chord('V', VK_CONTROL));
        EXPECT_EQ(c.text, Text()) << c.name;
        EXPECT_EQ(c.text, std::string(edit.GetValue())) << c.name;
        EXPECT_EQ(c.nBeeps, Beeps()) << c.name;
        if (c.nBeeps != 0)
        {
            EXPECT_EQ(std::make_pair(0, 2), Sel()) << c.name << ": the first group is selected";
        }
    }
}

TEST_F(MaskEdit, SetValueTakesTextWithOrWithoutLiterals)
{
    struct Case
    {
        const char* name;
        const char* text;
        BOOL bWithLiterals;
        BOOL bOk;
        const char* value; // the value after, with literals
    };
    const Case cases[] = {
        {"a whole date", "12/25/2003", TRUE, TRUE, "12/25/2003"},
        {"a literal differs", "12-25-2003", TRUE, FALSE, "__/__/____"},
        {"the digits alone", "12252003", FALSE, TRUE, "12/25/2003"},
        {"longer than the template", "12/25/20031", TRUE, FALSE, "__/__/____"},
        {"more digits than input positions", "122520031", FALSE, FALSE, "__/__/____"},
        {"a letter where a digit belongs", "1a/25/2003", TRUE, FALSE, "__/__/____"},
        {"digits where the literals stand", "12252003", TRUE, FALSE, "__/__/____"},
        {"a short text leaves the rest empty", "12/2", TRUE, TRUE, "12/2_/____"},
        {"short digits alone", "1225", FALSE, TRUE, "12/25/____"},
        {"nothing", "", TRUE, TRUE, "__/__/____"},
        {"fill characters stand for empty positions", "__/__/2003", TRUE, TRUE, "__/__/2003"},
    };
    for (const Case& c : cases)
    {
        ASSERT_TRUE(edit.SetValue(""));
        EXPECT_EQ(c.bOk, edit.SetValue(c.text, c.bWithLiterals)) << c.name;
        EXPECT_EQ(c.value, std::string(edit.GetValue())) << c.name;
        EXPECT_EQ(c.value, Text()) << c.name;
    }
    ASSERT_TRUE(edit.SetValue("12/2"));
    EXPECT_EQ("122_____", std::string(edit.GetValue(FALSE)));
}

TEST_F(MaskEdit, ValidCharactersNarrowTheMask)
{
    edit.SetValidChars("0123");
    EXPECT_FALSE(edit.SetValue("12/25/2003"));
    EXPECT_TRUE(edit.SetValue("12/23/2003"));
    EXPECT_FALSE(edit.SetValue("12235", FALSE));
    EXPECT_EQ("12/23/2003", Text());

    edit.SetSel(3, 3);
    RunMouse(Typed("5"));
    EXPECT_EQ("12/23/2003", Text());
    EXPECT_EQ(1u, Beeps());
}

TEST(MaskEditPlain, WithoutAMaskOnlyValidCharactersGoIn)
{
    CTestSeams::Engage();
    CTestSeams::Clear();
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "plain", WS_POPUP | WS_VISIBLE, 40, 40,
                                320, 100, nullptr, nullptr));
    CTavoPMaskEdit edit;
    edit.SetValidChars("abc");
    ASSERT_TRUE(
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 250, 34), &parent, 100));
    parent.SetForegroundWindow();
    edit.SetFocus();
    PumpFor(30);

    // Letter keys without shift type small letters.
    RunMouse(Typed("ABXC"));
    CString str;
    edit.GetWindowText(str);
    EXPECT_EQ("abc", std::string(str));
    EXPECT_EQ("abc", std::string(edit.GetValue()));
    EXPECT_EQ(1u, CTestSeams::Beeps().size());

    // Pasted text with other characters goes back out.
    ASSERT_TRUE(PutTextOnClipboard(parent.m_hWnd, "AXB"));
    RunMouse(Chord('V', VK_CONTROL));
    edit.GetWindowText(str);
    EXPECT_EQ("abc", std::string(str));
    EXPECT_EQ(2u, CTestSeams::Beeps().size());

    parent.DestroyWindow();
    PumpMessages();
    CTestSeams::Release();
}

TEST_F(MaskEdit, MouseSelectionShrinksToTheGroupAtTheCaret)
{
    ASSERT_TRUE(edit.SetValue("12/25/2003"));
    auto charPoint = [&](int nChar) {
        const LRESULT pos = edit.SendMessage(EM_POSFROMCHAR, (WPARAM)nChar);
        CPoint point((short)LOWORD(pos) + 2, (short)HIWORD(pos) + 4);
        edit.ClientToScreen(&point);
        return point;
    };
    RunMouse(DragSteps(charPoint(1), charPoint(7)));
    EXPECT_EQ(std::make_pair(6, 7), Sel());

    // Without groups to keep to the selection stays as dragged (from elsewhere, so that the
    // press makes no double click).
    edit.EnableSelectByGroup(FALSE);
    RunMouse(DragSteps(charPoint(8), charPoint(2)));
    EXPECT_EQ(std::make_pair(2, 8), Sel());
    EXPECT_EQ(0u, Beeps());
}

TEST_F(MaskEdit, TemplateWithoutInputPositionsRefusesEveryKey)
{
    EXPECT_FALSE(edit.EnableMask("DD", "__/")) << "mask and template differ in length";
    EXPECT_FALSE(edit.EnableMask("", ""));
    EXPECT_EQ("__/__/____", Text()) << "a refused mask changes nothing";

    ASSERT_TRUE(edit.EnableMask("   ", "-:-"));
    EXPECT_EQ("-:-", Text());
    edit.SetSel(1, 1);
    RunMouse(Chord(VK_RIGHT));
    RunMouse(Typed("1"));
    EXPECT_EQ("-:-", Text());
    EXPECT_EQ(std::make_pair(1, 1), Sel());
    EXPECT_LE(2u, Beeps());
}
