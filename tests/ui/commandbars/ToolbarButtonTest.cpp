// The toolbar button's archive, its clipboard form and its size.
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ArchiveBytes.h"
#include "tests/support/DibCanvas.h"
#include <gtest/gtest.h>
#include <cstring>
#include <memory>
#include <vector>

namespace {

Bytes StoreButton(const CTavoPToolbarButton& button)
{
    return StoreToBytes([&](CArchive& ar) { ar.WriteObject(&button); });
}

std::unique_ptr<CTavoPToolbarButton> LoadButton(const Bytes& bytes)
{
    CTavoPToolbarButton* pButton = NULL;
    LoadFromBytes(bytes, [&](CArchive& ar) {
        pButton = (CTavoPToolbarButton*)ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton));
    });
    return std::unique_ptr<CTavoPToolbarButton>(pButton);
}

void ExpectSameFields(const CTavoPToolbarButton& a, const CTavoPToolbarButton& b)
{
    EXPECT_EQ(a.m_nID, b.m_nID);
    EXPECT_EQ(a.m_nStyle, b.m_nStyle);
    EXPECT_EQ(a.GetImage(), b.GetImage());
    EXPECT_STREQ(a.m_strText, b.m_strText);
    EXPECT_EQ(a.m_bUserButton, b.m_bUserButton);
    EXPECT_EQ(a.m_bText, b.m_bText);
    EXPECT_EQ(a.m_bImage, b.m_bImage);
}

// The button a golden fixture holds: command 0x9A01, a checkbox, image 3, text "Ab", shown
// with text and image.
Bytes GoldenButton()
{
    return ByteWriter()
        .NewClass(1, "CTavoPToolbarButton")
        .D(0x9A01)
        .D(TBBS_CHECKBOX)
        .D(3)
        .B(2)
        .Text("Ab")
        .D(0)
        .D(0)
        .D(1)
        .D(1);
}

} // namespace

TEST(ToolbarButtonArchive, StoreLoadStoreGivesTheSameBytes)
{
    CTavoPToolbarButton plain(0x9A10, 2, "&Open", FALSE, TRUE);
    CTavoPToolbarButton user(0x9A11, 5, "User", TRUE, TRUE);
    CTavoPToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    separator.SetImage(12);
    CTavoPToolbarButton longText(0x9A12, 1, NULL, FALSE, TRUE);
    longText.m_strText = CString('x', 300); // the string's 0xFF-prefixed length form
    longText.m_bDragFromCollection = TRUE;

    for (CTavoPToolbarButton* pButton : {&plain, &user, &separator, &longText})
    {
        const Bytes first = StoreButton(*pButton);
        std::unique_ptr<CTavoPToolbarButton> loaded = LoadButton(first);
        ASSERT_NE(loaded, nullptr);
        ExpectSameFields(*pButton, *loaded);
        EXPECT_EQ(first, StoreButton(*loaded));
    }
}

TEST(ToolbarButtonArchive, GoldenFixtureLoadsAndStoresBackUnchanged)
{
    std::unique_ptr<CTavoPToolbarButton> pButton = LoadButton(GoldenButton());
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(0x9A01u, pButton->m_nID);
    EXPECT_EQ((UINT)TBBS_CHECKBOX, pButton->m_nStyle);
    EXPECT_EQ(3, pButton->GetImage());
    EXPECT_STREQ("Ab", pButton->m_strText);
    EXPECT_FALSE(pButton->m_bUserButton);
    EXPECT_TRUE(pButton->m_bText);
    EXPECT_TRUE(pButton->m_bImage);
    EXPECT_EQ(GoldenButton(), StoreButton(*pButton));
}

TEST(ToolbarButtonArchive, TruncatedOrForeignDataFailsCleanly)
{
    const Bytes golden = GoldenButton();
    EXPECT_EQ(std::vector<size_t>(),
              CutsNotFailing(
                  golden, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton)); },
                  CArchiveException::endOfFile));

    // A class that exists but is no button is refused before anything is built.
    const Bytes foreign = ByteWriter().NewClass(1, "CTavoPToolBar").D(0);
    EXPECT_EQ(CArchiveException::badClass, LoadFailureCause(foreign, [](CArchive& ar) {
                  ar.ReadObject(RUNTIME_CLASS(CTavoPToolbarButton));
              }));
}

TEST(ToolbarButtonClipboard, ButtonTravelsUnderItsNamedFormat)
{
    char szName[128] = "";
    ASSERT_GT(
        ::GetClipboardFormatName(CTavoPToolbarButton::GetClipboardFormat(), szName, sizeof(szName)),
        0);
    CString strExpected;
    strExpected.Format("TavoToolbarButton%lx", (unsigned long)(UINT_PTR)AfxGetInstanceHandle());
    EXPECT_STREQ(strExpected, szName);

    CTavoPToolbarButton button(0x9A20, 4, "Copy", FALSE, TRUE);
    button.m_bDragFromCollection = TRUE;
    COleDataSource source;
    ASSERT_TRUE(button.PrepareDrag(source));
    COleDataObject data;
    data.Attach(&source);
    std::unique_ptr<CTavoPToolbarButton> copy(CTavoPToolbarButton::CreateFromOleData(&data));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CTavoPToolbarButton), copy->GetRuntimeClass());
    ExpectSameFields(button, *copy);
    EXPECT_TRUE(copy->m_bDragFromCollection);

    // Through the system clipboard as well.
    ASSERT_TRUE(source.SetClipboard());
    COleDataObject clipboard;
    ASSERT_TRUE(clipboard.AttachClipboard());
    std::unique_ptr<CTavoPToolbarButton> pasted(CTavoPToolbarButton::CreateFromOleData(&clipboard));
    clipboard.Release();
    ASSERT_NE(pasted, nullptr);
    ExpectSameFields(button, *pasted);

    CTavoPToolbarButton fresh;
    fresh.CopyFrom(*copy);
    EXPECT_FALSE(fresh.m_bDragFromCollection);
}

TEST(ToolbarButtonClipboard, DataWithoutAButtonGivesNone)
{
    COleDataSource empty;
    COleDataObject data;
    data.Attach(&empty);
    EXPECT_EQ(nullptr, CTavoPToolbarButton::CreateFromOleData(&data));

    // A block of the button format that holds something else.
    CSharedFile file;
    const Bytes foreign = ByteWriter().NewClass(1, "CObList").D(0);
    file.Write(foreign.data(), (UINT)foreign.size());
    COleDataSource source;
    source.CacheGlobalData(CTavoPToolbarButton::GetClipboardFormat(), file.Detach());
    data.Attach(&source);
    EXPECT_EQ(nullptr, CTavoPToolbarButton::CreateFromOleData(&data));
}

TEST(ToolbarButton, SizeOfSeparatorsAndMnemonicTexts)
{
    HDC hdc = ::CreateCompatibleDC(NULL);
    CDC* pDC = CDC::FromHandle(hdc);
    const CSize sizeDefault(23, 22);

    CTavoPToolbarButton separator;
    separator.m_nStyle = TBBS_SEPARATOR;
    separator.SetImage(0);
    EXPECT_EQ(CSize(8, 22), CSize(separator.OnCalculateSize(pDC, sizeDefault, TRUE)));
    EXPECT_EQ(CSize(23, 8), CSize(separator.OnCalculateSize(pDC, sizeDefault, FALSE)));

    // Texts are measured as drawn: "&&" is one ampersand, a single "&" marks the mnemonic.
    struct Case
    {
        const char* pszText;
        const char* pszDrawn;
    } cases[] = {{"A&&B", "A&B"}, {"&File", "File"}, {"Plain", "Plain"}};
    for (const Case& c : cases)
    {
        CTavoPToolbarButton button(0, 0, c.pszText, FALSE, TRUE);
        button.m_bText = TRUE;
        const int nExtent = pDC->GetTextExtent(c.pszDrawn).cx;
        EXPECT_EQ(23 + nExtent + 9, button.OnCalculateSize(pDC, sizeDefault, TRUE).cx) << c.pszText;
    }

    // A button with no image shows its text: no empty button.
    CTavoPToolbarButton noImage(0, -1, "Text", FALSE, TRUE);
    EXPECT_FALSE(noImage.m_bImage);
    EXPECT_TRUE(noImage.m_bText);
    ::DeleteDC(hdc);
}

TEST(ToolbarButton, TextDownAVerticalBarMarksItsMnemonicWithALineBesideTheCharacter)
{
    const CRect rect(0, 0, 40, 160);
    auto draw = [&rect](const char* pszText, DibCanvas& canvas) {
        CTavoPToolbarButton button(0, -1, pszText, FALSE, TRUE);
        CDC* pDC = CDC::FromHandle(canvas.dc());
        CFont* pOld = pDC->SelectObject(&GetGlobalData().fontVert);
        button.OnDraw(pDC, rect, NULL, FALSE, FALSE, FALSE, FALSE);
        pDC->SelectObject(pOld);
    };
    // The marked text against the same text without the mark; "&&" draws one ampersand.
    struct Case
    {
        const char* marked;
        const char* plain;
        const char* before; // drawn above the marked character
        const char* through;
    } cases[] = {{"&Open", "Open", "", "O"},
                 {"Op&en", "Open", "Op", "Ope"},
                 {"A&&B&C", "A&&BC", "A&B", "A&BC"}};
    HDC hdcMeasure = ::CreateCompatibleDC(NULL);
    ::SelectObject(hdcMeasure, GetGlobalData().fontVert.GetSafeHandle());
    std::vector<int> textTops;
    for (const Case& c : cases)
    {
        DibCanvas marked(rect.Width(), rect.Height()), plain(rect.Width(), rect.Height());
        draw(c.marked, marked);
        draw(c.plain, plain);
        int xLine = -1, yFirst = -1, yLast = -1, nOtherColumns = 0;
        for (int y = 0; y < rect.Height(); y++)
            for (int x = 0; x < rect.Width(); x++)
            {
                if (marked.Pixel(x, y) == plain.Pixel(x, y))
                    continue;
                if (xLine < 0)
                    xLine = x;
                nOtherColumns += x != xLine;
                yFirst = yFirst < 0 ? y : yFirst;
                yLast = y;
            }
        ASSERT_GE(xLine, 0) << c.marked << ": no mark drawn";
        EXPECT_EQ(0, nOtherColumns) << c.marked << ": the mark is one line";
        SIZE sizeBefore = {}, sizeThrough = {};
        ::GetTextExtentPoint32(hdcMeasure, c.before, (int)strlen(c.before), &sizeBefore);
        ::GetTextExtentPoint32(hdcMeasure, c.through, (int)strlen(c.through), &sizeThrough);
        EXPECT_NEAR(yLast + 1 - yFirst, sizeThrough.cx - sizeBefore.cx, 1) << c.marked;
        textTops.push_back(yFirst - sizeBefore.cx);
    }
    // "&Open" and "Op&en" draw the same text: the line moves down with the marked character.
    EXPECT_NEAR(textTops[0], textTops[1], 1);
    ::DeleteDC(hdcMeasure);
}

TEST(ToolbarButton, RecentFilesAndSystemCommandsCannotBeCustomized)
{
    for (UINT id : {0xE110u, 0xE11Fu, 0xF060u, 0xFF00u, 0xE210u})
        EXPECT_FALSE(CTavoPToolbarButton(id, 0, NULL, FALSE, TRUE).CanBeCustomized()) << id;
    EXPECT_TRUE(CTavoPToolbarButton(0x9A30, 0, NULL, FALSE, TRUE).CanBeCustomized());
}
