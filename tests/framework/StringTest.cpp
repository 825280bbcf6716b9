#include "framework/FrameworkCore.h"
#include "tests/framework/CoreTestResources.h"
#include <gtest/gtest.h>
#include <string>

namespace {

// Characters written by their bytes, so each case shows the trail byte that looks like ASCII.
const char kBackslashTrail[] = "\xD7\x5C"; // a GBK character whose trail byte is '\\'
const char kPipeTrail[] = "\xD8\x7C";      // a GBK character whose trail byte is '|'

} // namespace

TEST(CStringMultiByte, SearchesNeverMatchTrailBytes)
{
    CString path = CString("C:") + kBackslashTrail + "\\a" + kPipeTrail + "|b";
    // Bytes: C : D7 5C \ a D8 7C | b
    EXPECT_EQ(path.Find('\\'), 4);
    EXPECT_EQ(path.ReverseFind('\\'), 4);
    EXPECT_EQ(path.Find('|'), 8);
    EXPECT_EQ(path.ReverseFind('|'), 8);
    EXPECT_EQ(path.FindOneOf("|\\"), 4);
    EXPECT_EQ(path.Find("\\a"), 4);
    EXPECT_EQ(path.Find("\x5C", 2), 4);
    EXPECT_EQ(path.Find('\\', 5), -1);

    CString copy = path;
    EXPECT_EQ(copy.Replace('\\', '/'), 1);
    EXPECT_EQ(copy, CString("C:") + kBackslashTrail + "/a" + kPipeTrail + "|b");
    copy = path;
    EXPECT_EQ(copy.Remove('|'), 1);
    EXPECT_EQ(copy, CString("C:") + kBackslashTrail + "\\a" + kPipeTrail + "b");
    copy = path;
    EXPECT_EQ(copy.Replace("|", "||"), 1);
    EXPECT_EQ(copy.GetLength(), path.GetLength() + 1);
}

TEST(CStringMultiByte, CaseAndReverseKeepDoubleByteCharacters)
{
    // Trail bytes 0x61..0x7A would be lower-case letters if taken alone.
    CString text = CString("ab") + "\xB0\x61" + "Cd" + "\xB0\x41";
    CString upper = text;
    upper.MakeUpper();
    EXPECT_EQ(upper, CString("AB") + "\xB0\x61" + "CD" + "\xB0\x41");
    CString lower = text;
    lower.MakeLower();
    EXPECT_EQ(lower, CString("ab") + "\xB0\x61" + "cd" + "\xB0\x41");
    CString reversed = CString("a") + kBackslashTrail + "b";
    reversed.MakeReverse();
    EXPECT_EQ(reversed, CString("b") + kBackslashTrail + "a");
    EXPECT_EQ(CString("ABC\xB0\x61").CompareNoCase("abc\xB0\x61"), 0);
    EXPECT_NE(CString("\xB0\x61").CompareNoCase("\xB0\x41"), 0);
}

TEST(CStringMultiByte, TruncationNeverSplitsACharacter)
{
    CString text = "销售a"; // CF FA CA DB 61
    ASSERT_EQ(text.GetLength(), 5);
    struct Case
    {
        int first, count;
        const char* expected;
    };
    const Case cases[] = {
        {0, 1, ""}, {0, 2, "销"}, {0, 3, "销"}, {0, 4, "销售"}, {2, 3, "售a"}, {2, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text.Mid(c.first, c.count), c.expected) << c.first << "," << c.count;
    EXPECT_EQ(text.Left(3), "销");
    EXPECT_EQ(text.Right(2), "a");
    EXPECT_EQ(text.Right(3), "售a");
    EXPECT_EQ(text.Right(4), "售a");
}

TEST(CStringMultiByte, TrimAndSpanWorkOnWholeCharacters)
{
    CString text = CString(" \t") + kBackslashTrail + "\\ \r\n";
    text.Trim();
    EXPECT_EQ(text, CString(kBackslashTrail) + "\\");
    text.TrimRight('\\');
    EXPECT_EQ(text, kBackslashTrail); // the trail byte stays
    CString mixed = CString("xx") + kPipeTrail + "|x";
    mixed.TrimLeft("x");
    EXPECT_EQ(mixed, CString(kPipeTrail) + "|x");
    mixed.Trim("x|");
    EXPECT_EQ(mixed, kPipeTrail);
    EXPECT_EQ(CString("123abc").SpanIncluding("0123456789"), "123");
    EXPECT_EQ((CString("ab") + kPipeTrail + "|c").SpanExcluding("|"), CString("ab") + kPipeTrail);
}

TEST(CString, TextWithANulInsideIsSearchedAndEditedToItsEnd)
{
    // Stored text comes with its length and may hold a NUL; searches once stopped on it for ever.
    const char bytes[] = {'a', '\0', '&', '&', 'b', ' '};
    CString text(bytes, (int)sizeof bytes);
    ASSERT_EQ(6, text.GetLength());
    EXPECT_EQ(2, text.Find("&&"));
    EXPECT_EQ(4, text.Find('b'));
    EXPECT_EQ(3, text.ReverseFind('&'));
    EXPECT_EQ(-1, text.Find("zz"));
    CString replaced = text;
    EXPECT_EQ(1, replaced.Replace("&&", "&"));
    EXPECT_EQ(5, replaced.GetLength());
    CString trimmed = text;
    trimmed.TrimRight();
    EXPECT_EQ(5, trimmed.GetLength());
    trimmed.TrimLeft("a");
    EXPECT_EQ(4, trimmed.GetLength());
    EXPECT_EQ(1, text.SpanIncluding("a").GetLength());
    CString reversed = text;
    reversed.MakeReverse();
    EXPECT_EQ(6, reversed.GetLength());
    EXPECT_EQ('a', reversed[5]);
}

TEST(CString, EditingAndComparisons)
{
    CString s = "hello";
    s.Insert(0, '>');
    s.Insert(100, " world");
    EXPECT_EQ(s, ">hello world");
    s.Delete(0);
    s.Delete(5, 100);
    EXPECT_EQ(s, "hello");
    s += '!';
    s += CString("?");
    EXPECT_EQ(s, "hello!?");
    EXPECT_EQ(s.Replace("l", "LL"), 2);
    EXPECT_EQ(s, "heLLLLo!?");
    EXPECT_TRUE(CString("a") < CString("b"));
    EXPECT_TRUE(CString("abc") != "abd");
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_LT(CString("ABC").Compare("abc"), 0);
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_TRUE(CString().IsEmpty());
    CString self = "abcdef";
    self = self.Mid(2); // assigning from a part of itself
    EXPECT_EQ(self, "cdef");
}

TEST(CString, FormatAndBuffers)
{
    CString s;
    s.Format("%04d-%02d-%02d %s", 2026, 3, 7, "销售");
    EXPECT_EQ(s, "2026-03-07 销售");
    std::string longText(5000, 'z');
    s.Format("%s|%d", longText.c_str(), 42);
    EXPECT_EQ(s.GetLength(), 5003);

    CString b;
    char* p = b.GetBuffer(10);
    strcpy(p, "abc");
    b.ReleaseBuffer();
    EXPECT_EQ(b, "abc");
    p = b.GetBufferSetLength(5);
    p[3] = 'd';
    p[4] = 'e';
    b.ReleaseBuffer(5);
    EXPECT_EQ(b, "abcde");
    EXPECT_GE(b.GetAllocLength(), 5);
    CString empty;
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(CString, LoadStringOfMissingIdIsEmptyAndFalse)
{
    CString s = "old";
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, FormatTakesStringsAsTheirText)
{
    CString name = "销售";
    CString s;
    s.Format("%s/%s/%d", name, CString("x"), 3);
    EXPECT_EQ(s, "销售/x/3");
    s.Format(IDS_CORE_TEST_FORMAT, name, 42);
    EXPECT_EQ(s, "[销售:42]");
}

TEST(CString, LoadsStringResourcesOfTheModule)
{
    CString s;
    ASSERT_TRUE(s.LoadString(IDS_CORE_TEST_PROMPT));
    EXPECT_EQ(s, "添加入库单\n入库");
    EXPECT_EQ(s.Mid(s.Find('\n') + 1), "入库");
    EXPECT_EQ(CString((LPCSTR)MAKEINTRESOURCE(IDS_CORE_TEST_PROMPT)), s);
    // Longer than the first buffer LoadString tries.
    ASSERT_TRUE(s.LoadString(IDS_CORE_TEST_LONG));
    EXPECT_EQ(s.GetLength(), 600);
    EXPECT_EQ(s.Right(2), "药");
}
