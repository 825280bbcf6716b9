// The property list in a real window: groups and sub-items, the sorted mode, the description and its splitter, keys, scrolling, and every kind of in-place edit down to the owner's notification.
#include "ui/controls/proplist/CTavoPColorProp.h"
#include "ui/controls/proplist/CTavoPFileProp.h"
#include "ui/controls/proplist/CTavoPFontProp.h"
#include "ui/controls/proplist/CTavoPProp.h"
#include "ui/controls/proplist/CTavoPPropList.h"
#include "ui/controls/color/CColorButton.h"
#include "ui/controls/color/CColorPopup.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPPopupMenu.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DialogTemplate.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/BarTestSupport.h"
#include "tests/support/SyntheticInput.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const UINT kListId = 77;

VARIANT Text(const char* text)
{
    return CTavoPProp::MakeTextValue(text);
}

VARIANT Number(VARTYPE vt, double value)
{
    VARIANT var;
    ::VariantInit(&var);
    var.vt = vt;
    switch (vt)
    {
    case VT_I2: var.iVal = (SHORT)value; break;
    case VT_I4: var.lVal = (LONG)value; break;
    case VT_R4: var.fltVal = (float)value; break;
    case VT_R8: var.dblVal = value; break;
    case VT_BOOL: var.boolVal = value != 0 ? VARIANT_TRUE : VARIANT_FALSE; break;
    default: break;
    }
    return var;
}

// One notification the owner heard, with what the item held at that moment.
struct Change
{
    WPARAM id;
    CTavoPProp* pProp;
    std::string text;
    VARTYPE vt;
};

class COwnerWnd : public CWnd
{
public:
    std::vector<Change> changes;
    // When set, the owner empties its list on every change, as an owner that rebuilds it would.
    CTavoPPropList* pEmptyOnChange = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == TAVOM_PROPERTYCHANGED)
        {
            CTavoPProp* pProp = (CTavoPProp*)lParam;
            changes.push_back(
                {wParam, pProp, (LPCTSTR)pProp->FormatProperty(), pProp->GetValue().vt});
            if (pEmptyOnChange != nullptr)
                pEmptyOnChange->RemoveAll();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class PropListFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetGlobalData().UpdateSysColors();
        CTestSeams::Engage();
        CTavoPPopupMenu::m_AnimationType = 0;
        CTavoPToolBar::SetSizes(CSize(23, 22), CSize(16, 15));
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "properties", WS_POPUP | WS_VISIBLE,
                                   40, 40, 420, 520, nullptr, nullptr));
        owner.SetForegroundWindow();
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 410, 510), &owner,
                                kListId));
        list.EnableDescriptionArea();
        Populate();
    }
    void Populate()
    {
        pLook = new CTavoPProp(CString("Look"));
        pCaption = Add(pLook, new CTavoPProp("Caption", Text("Hello"), "The text on top"));
        pVisible = Add(pLook, new CTavoPProp("Visible", Number(VT_BOOL, 1), "Whether it shows"));
        pBorder = Add(pLook, new CTavoPProp("Border", Text("Thin"), "The frame around it"));
        pBorder->AddOption("None");
        pBorder->AddOption("Thin");
        pBorder->AddOption("Thick");
        pColor = Add(pLook, new CTavoPColorProp("Colour", RGB(255, 0, 0), nullptr, "Its colour"));
        LOGFONT lf = {};
        lf.lfHeight = -12;
        lf.lfWeight = FW_NORMAL;
        lstrcpyA(lf.lfFaceName, "Arial");
        pFont = Add(pLook, new CTavoPFontProp("Font", lf, CF_SCREENFONTS, "Its font"));
        list.AddProperty(pLook);

        pLayout = new CTavoPProp(CString("Layout"));
        pWidth = Add(pLayout, new CTavoPProp("Width", Number(VT_I4, 100), "Width in pixels"));
        pRatio = Add(pLayout, new CTavoPProp("ratio", Number(VT_R8, 1.5), "Width to height"));
        pSize = Add(pLayout, new CTavoPProp("Size", VARIANT(), "Both sides"));
        pCx = Add(pSize, new CTavoPProp("cx", Number(VT_I2, 10)));
        pCy = Add(pSize, new CTavoPProp("cy", Number(VT_I2, 20)));
        pIcon =
            Add(pLayout, new CTavoPFileProp("Icon", TRUE, "C:\\old.ico", "ico", OFN_FILEMUSTEXIST,
                                            "Icons (*.ico)|*.ico||", "Its icon"));
        list.AddProperty(pLayout);
        PumpMessages();
    }
    void TearDown() override
    {
        PumpMessages();
        owner.DestroyWindow();
        PumpMessages();
        CTestSeams::Release();
    }
    static CTavoPProp* Add(CTavoPProp* pParent, CTavoPProp* pProp)
    {
        EXPECT_TRUE(pParent->AddSubItem(pProp));
        return pProp;
    }

    std::vector<std::string> ShownNames() const
    {
        CObList items;
        list.GetShownItems(items);
        std::vector<std::string> names;
        for (POSITION pos = items.GetHeadPosition(); pos != nullptr;)
            names.push_back((LPCTSTR)((CTavoPProp*)items.GetNext(pos))->GetName());
        return names;
    }
    CPoint BoxPoint(CTavoPProp* p) const
    {
        const CRect rect = p->GetRect();
        const int nLevel = p->GetHierarchyLevel();
        return CPoint(rect.left + nLevel * list.GetRowHeight() + list.GetRowHeight() / 2,
                      rect.CenterPoint().y);
    }
    CPoint NamePoint(CTavoPProp* p) const
    {
        const CRect rect = p->GetRect();
        const int nRight = p->IsGroup() ? rect.right : p->GetValueRect().left;
        return CPoint(nRight - 4, rect.CenterPoint().y);
    }
    CPoint ValuePoint(CTavoPProp* p) const
    {
        return CPoint(p->GetValueRect().left + 8, p->GetValueRect().CenterPoint().y);
    }
    void Click(CPoint point, UINT message = WM_LBUTTONDOWN)
    {
        list.SendMessage(message, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
        PumpMessages();
    }
    void Key(UINT vk)
    {
        list.SendMessage(WM_KEYDOWN, vk, 1);
        PumpMessages();
    }
    // Types into the open editor through its own window procedure, then presses a key.
    void TypeAndPress(CTavoPProp* p, const char* text, UINT vkEnd)
    {
        CWnd* pEditor = p->GetInPlaceWnd();
        ASSERT_NE(nullptr, pEditor);
        const HWND hwnd = pEditor->GetSafeHwnd();
        ::SendMessage(hwnd, EM_SETSEL, 0, -1);
        ::SendMessage(hwnd, WM_CHAR, VK_BACK, 1);
        for (const char* c = text; *c != '\0'; c++)
            ::PostMessage(hwnd, WM_CHAR, (BYTE)*c, 1);
        ::PostMessage(hwnd, WM_KEYDOWN, vkEnd, 1);
        PumpMessages();
    }
    // The description box as painted, pixel by pixel.
    std::vector<COLORREF> DescriptionPixels()
    {
        CRect rectClient;
        list.GetClientRect(rectClient);
        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        list.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
        const CRect rect = list.GetDescriptionRect();
        std::vector<COLORREF> pixels;
        for (int y = rect.top; y < rect.bottom; y++)
            for (int x = rect.left; x < rect.right; x++)
                pixels.push_back(canvas.Pixel(x, y));
        return pixels;
    }

    COwnerWnd owner;
    mutable CTavoPPropList list;
    CTavoPProp* pLook = nullptr;
    CTavoPProp* pCaption = nullptr;
    CTavoPProp* pVisible = nullptr;
    CTavoPProp* pBorder = nullptr;
    CTavoPProp* pColor = nullptr;
    CTavoPProp* pFont = nullptr;
    CTavoPProp* pLayout = nullptr;
    CTavoPProp* pWidth = nullptr;
    CTavoPProp* pRatio = nullptr;
    CTavoPProp* pSize = nullptr;
    CTavoPProp* pCx = nullptr;
    CTavoPProp* pCy = nullptr;
    CTavoPProp* pIcon = nullptr;
};

using PropList = PropListFixture;

const std::vector<std::string> kAllRows = {"Look", "Caption", "Visible", "Border", "Colour",
                                           "Font", "Layout",  "Width",   "ratio",  "Size",
                                           "cx",   "cy",      "Icon"};

} // namespace

TEST_F(PropList, RowsFollowTheTreeBelowTheHeaderWithIndentedSubItems)
{
    EXPECT_EQ(kAllRows, ShownNames());
    const int nRow = list.GetRowHeight();
    const CRect rectList = list.GetListRect();
    EXPECT_EQ(list.GetHeaderHeight(), rectList.top);
    EXPECT_GT(list.GetHeaderHeight(), 0);
    EXPECT_EQ(rectList.top, pLook->GetRect().top);
    EXPECT_EQ(rectList.top + 7 * nRow, pWidth->GetRect().top);
    EXPECT_EQ(rectList.top + 10 * nRow, pCx->GetRect().top);
    EXPECT_EQ(nRow, pWidth->GetRect().Height());
    // The value column starts at the name column's width, which is half the client width.
    CRect rectClient;
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.Width() / 2, list.GetLeftColumnWidth());
    EXPECT_EQ(list.GetLeftColumnWidth(), pWidth->GetValueRect().left);
    EXPECT_TRUE(pLook->GetValueRect().IsRectEmpty());
    // The header's columns: name, and the value with the rest and 10 more.
    HDITEM hdi = {};
    hdi.mask = HDI_WIDTH;
    ASSERT_TRUE(list.GetHeaderCtrl().GetItem(0, &hdi));
    EXPECT_EQ(list.GetLeftColumnWidth(), hdi.cxy);
    ASSERT_TRUE(list.GetHeaderCtrl().GetItem(1, &hdi));
    EXPECT_EQ(rectClient.Width() - list.GetLeftColumnWidth() + 10, hdi.cxy);
    // The description takes a quarter of the client height.
    EXPECT_EQ(rectClient.Height() / 4, list.GetDescriptionHeight());
    EXPECT_EQ(rectClient.bottom - rectClient.Height() / 4, rectList.bottom);
    EXPECT_EQ(129u, (UINT)list.SendMessage(WM_GETDLGCODE));

    // The window's font sets the row height and the bold font of the groups.
    CFont font;
    ASSERT_TRUE(
        font.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
    list.SetFont(&font);
    EXPECT_EQ((HFONT)font.GetSafeHandle(), (HFONT)list.SendMessage(WM_GETFONT));
    EXPECT_GT(list.GetRowHeight(), 30);
    EXPECT_EQ(list.GetListRect().top + 7 * list.GetRowHeight(), pWidth->GetRect().top);
    LOGFONT lfBold = {};
    list.GetBoldFont()->GetLogFont(&lfBold);
    EXPECT_EQ(700, lfBold.lfWeight);
    EXPECT_EQ(-30, lfBold.lfHeight);
    list.SendMessage(WM_SETFONT, 0, TRUE);
    EXPECT_EQ(nRow, list.GetRowHeight());

    // Hit test: the expand box, the name and the value of a row; sub-items by their own rows.
    struct Case
    {
        CPoint point;
        CTavoPProp* pItem;
        CTavoPProp::ClickArea area;
    } cases[] = {{BoxPoint(pLook), pLook, CTavoPProp::ClickExpandBox},
                 {NamePoint(pLook), pLook, CTavoPProp::ClickName},
                 {NamePoint(pWidth), pWidth, CTavoPProp::ClickName},
                 {ValuePoint(pWidth), pWidth, CTavoPProp::ClickValue},
                 {BoxPoint(pSize), pSize, CTavoPProp::ClickExpandBox},
                 {ValuePoint(pCy), pCy, CTavoPProp::ClickValue}};
    for (const Case& c : cases)
    {
        CTavoPProp::ClickArea area = CTavoPProp::ClickName;
        EXPECT_EQ(c.pItem, list.HitTest(c.point, &area)) << (LPCTSTR)c.pItem->GetName();
        EXPECT_EQ(c.area, area) << (LPCTSTR)c.pItem->GetName();
    }
    EXPECT_EQ(nullptr, list.HitTest(CPoint(5, rectList.top + 13 * nRow + 2)));
}

TEST_F(PropList, GroupsAndSubItemsExpandAndCollapseByClickAndByKeys)
{
    ClassicColors colors;
    GetGlobalData().UpdateSysColors();
    list.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(180, 180, 180), list.GetGroupBackgroundColor()); // the face at 94 %
    // On a palette display the plain face.
    CDC::SetScreenBitsPerPixelOverride(8);
    GetGlobalData().UpdateSysColors();
    list.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(192, 192, 192), list.GetGroupBackgroundColor());
    CDC::SetScreenBitsPerPixelOverride(0);
    GetGlobalData().UpdateSysColors();
    list.SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(RGB(180, 180, 180), list.GetGroupBackgroundColor());
    // The border the user sees: one pixel of the shadow colour around the client area.
    list.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    {
        CRect rectWindow;
        list.GetWindowRect(rectWindow);
        CRect rectInner;
        list.GetClientRect(rectInner);
        list.ClientToScreen(rectInner);
        EXPECT_EQ(CRect(rectWindow.left + 1, rectWindow.top + 1, rectWindow.right - 1,
                        rectWindow.bottom - 1),
                  rectInner);
        const COLORREF kShadow = RGB(128, 128, 128);
        EXPECT_EQ(kShadow, ScreenPixel(CPoint(rectWindow.left, rectWindow.top + 40), kShadow));
        EXPECT_EQ(kShadow,
                  ScreenPixel(CPoint(rectWindow.right - 1, rectWindow.bottom - 5), kShadow));
    }

    // A click on the expand box collapses the group; the next group moves up under it.
    Click(BoxPoint(pLook));
    EXPECT_FALSE(pLook->IsExpanded());
    EXPECT_EQ(
        (std::vector<std::string>{"Look", "Layout", "Width", "ratio", "Size", "cx", "cy", "Icon"}),
        ShownNames());
    EXPECT_TRUE(pCaption->GetRect().IsRectEmpty());
    EXPECT_EQ(pLook->GetRect().bottom, pLayout->GetRect().top);
    // What shows is what was laid out: the group row's colour where the second group now is.
    {
        CRect rectClient;
        list.GetClientRect(rectClient);
        DibCanvas canvas(rectClient.Width(), rectClient.Height());
        list.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
        const CRect rect = pLayout->GetRect();
        EXPECT_EQ(RGB(180, 180, 180), canvas.Pixel(rect.right - 3, rect.top + 1));
        EXPECT_EQ(RGB(255, 255, 255), canvas.Pixel(rect.right - 3, rect.bottom + 1));
    }
    Click(BoxPoint(pLook));
    EXPECT_TRUE(pLook->IsExpanded());
    EXPECT_EQ(kAllRows, ShownNames());

    // A double-click on a group's name toggles it.
    Click(NamePoint(pLayout));
    EXPECT_EQ(pLayout, list.GetCurSel());
    EXPECT_TRUE(pLayout->IsExpanded());
    Click(NamePoint(pLayout), WM_LBUTTONDBLCLK);
    EXPECT_FALSE(pLayout->IsExpanded());
    Click(NamePoint(pLayout), WM_LBUTTONDBLCLK);
    EXPECT_TRUE(pLayout->IsExpanded());

    // The keys: minus collapses and plus expands the selected group or value with sub-items.
    ASSERT_TRUE(list.HasFocus());
    Key(VK_SUBTRACT);
    EXPECT_FALSE(pLayout->IsExpanded());
    Key(VK_ADD);
    EXPECT_TRUE(pLayout->IsExpanded());
    Click(NamePoint(pSize));
    Key(VK_SUBTRACT);
    EXPECT_FALSE(pSize->IsExpanded());
    EXPECT_TRUE(pCx->GetRect().IsRectEmpty());
    EXPECT_EQ(pSize->GetRect().bottom, pIcon->GetRect().top);
    Key(VK_ADD);
    EXPECT_EQ(kAllRows, ShownNames());

    // Collapsing the group of the selected row moves the selection to the group.
    Click(NamePoint(pCy));
    Click(BoxPoint(pLayout));
    EXPECT_EQ(pLayout, list.GetCurSel());

    // An open editor goes with its row when the rows above it collapse.
    pLayout->Expand(TRUE);
    Click(ValuePoint(pWidth));
    ASSERT_TRUE(pWidth->IsInPlaceEditing());
    pLook->Expand(FALSE);
    ASSERT_TRUE(pWidth->IsInPlaceEditing());
    CRect rectEditor;
    pWidth->GetInPlaceWnd()->GetWindowRect(rectEditor);
    list.ScreenToClient(rectEditor);
    EXPECT_EQ(pWidth->GetValueRect().top, rectEditor.top);
    pLook->Expand(TRUE);
    pWidth->GetInPlaceWnd()->GetWindowRect(rectEditor);
    list.ScreenToClient(rectEditor);
    EXPECT_EQ(pWidth->GetValueRect().top, rectEditor.top);
    list.EndEditItem(FALSE);

    // Without the focus the keys do nothing.
    Click(NamePoint(pLayout));
    ::SetFocus(owner.GetSafeHwnd());
    PumpMessages();
    EXPECT_FALSE(list.HasFocus());
    Key(VK_SUBTRACT);
    EXPECT_TRUE(pLayout->IsExpanded());
}

TEST_F(PropList, AlphabeticalModeListsTheValuesByteWiseByNameWithoutGroups)
{
    list.SetAlphabeticMode(TRUE);
    // Capitals sort before small letters; a value's sub-items stay under it.
    EXPECT_EQ((std::vector<std::string>{"Border", "Caption", "Colour", "Font", "Icon", "Size", "cx",
                                        "cy", "Visible", "Width", "ratio"}),
              ShownNames());
    EXPECT_TRUE(pLook->GetRect().IsRectEmpty());
    EXPECT_EQ(list.GetListRect().top, pBorder->GetRect().top);
    // A value with sub-items keeps its expand box, now at the left edge.
    CTavoPProp::ClickArea area = CTavoPProp::ClickName;
    const CPoint box(pSize->GetRect().left + list.GetRowHeight() / 2,
                     pSize->GetRect().CenterPoint().y);
    EXPECT_EQ(pSize, list.HitTest(box, &area));
    EXPECT_EQ(CTavoPProp::ClickExpandBox, area);
    // Collapsed groups hide nothing here.
    list.SetAlphabeticMode(FALSE);
    Click(BoxPoint(pLook));
    list.SetAlphabeticMode(TRUE);
    EXPECT_EQ(11u, ShownNames().size());
    list.SetAlphabeticMode(FALSE);
    Click(BoxPoint(pLook));
    EXPECT_EQ(kAllRows, ShownNames());
}

TEST_F(PropList, DescriptionFollowsTheSelection)
{
    const std::vector<COLORREF> nothing = DescriptionPixels();
    Click(NamePoint(pCaption));
    const std::vector<COLORREF> caption = DescriptionPixels();
    EXPECT_NE(nothing, caption);
    Key(VK_DOWN);
    EXPECT_EQ(pVisible, list.GetCurSel());
    const std::vector<COLORREF> visible = DescriptionPixels();
    EXPECT_NE(caption, visible);
    Key(VK_UP);
    EXPECT_EQ(pCaption, list.GetCurSel());
    EXPECT_EQ(caption, DescriptionPixels());

    // Without the area the rows reach the bottom.
    list.EnableDescriptionArea(FALSE);
    CRect rectClient;
    list.GetClientRect(rectClient);
    EXPECT_EQ(rectClient.bottom, list.GetListRect().bottom);
    EXPECT_TRUE(list.GetDescriptionRect().IsRectEmpty());
}

TEST_F(PropList, SplittersFollowTheDragWithinTheirLimits)
{
    CRect rectClient;
    list.GetClientRect(rectClient);
    const int nRow = list.GetRowHeight();
    const int nTop = list.GetDescriptionRect().top;
    struct Case
    {
        const char* name;
        int y;
        int expectedHeight;
    } descrCases[] = {
        {"up by 40", nTop - 40, (int)rectClient.bottom - (nTop - 40)},
        {"to the very top", 0, (int)rectClient.Height() - list.GetHeaderHeight() - nRow},
        {"to the very bottom", (int)rectClient.bottom - 1, nRow},
    };
    for (const Case& c : descrCases)
    {
        const int nFrom = list.GetDescriptionRect().top + 1;
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, nFrom));
        EXPECT_EQ(list.GetSafeHwnd(), ::GetCapture()) << c.name;
        list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(20, c.y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(20, c.y));
        EXPECT_EQ(nullptr, ::GetCapture()) << c.name;
        EXPECT_EQ(c.expectedHeight, list.GetDescriptionHeight()) << c.name;
        EXPECT_EQ(rectClient.bottom - c.expectedHeight, list.GetListRect().bottom) << c.name;
    }

    const int nMost = rectClient.Width() - ::GetSystemMetrics(SM_CXVSCROLL) - 5;
    struct ColumnCase
    {
        const char* name;
        int x;
        int expectedWidth;
    } columnCases[] = {
        {"left by 50", list.GetLeftColumnWidth() - 50, list.GetLeftColumnWidth() - 50},
        {"to the left edge", 0, nRow},
        {"to the right edge", (int)rectClient.right - 1, nMost}};
    const int y = pWidth->GetRect().CenterPoint().y;
    for (const ColumnCase& c : columnCases)
    {
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(list.GetLeftColumnWidth(), y));
        list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(c.x, y));
        list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(c.x, y));
        EXPECT_EQ(c.expectedWidth, list.GetLeftColumnWidth()) << c.name;
        EXPECT_EQ(c.expectedWidth, pWidth->GetValueRect().left) << c.name;
        HDITEM hdi = {};
        hdi.mask = HDI_WIDTH;
        list.GetHeaderCtrl().GetItem(0, &hdi);
        EXPECT_EQ(c.expectedWidth, hdi.cxy) << c.name;
        list.GetHeaderCtrl().GetItem(1, &hdi);
        EXPECT_EQ(rectClient.Width() - c.expectedWidth + 10, hdi.cxy) << c.name;
    }
    // The pointer over a splitter shows which way it drags.
    struct CursorCase
    {
        CPoint point;
        LPCTSTR cursor;
    } cursorCases[] = {{CPoint(30, list.GetDescriptionRect().top + 1), IDC_SIZENS},
                       {CPoint(list.GetLeftColumnWidth(), y), IDC_SIZEWE},
                       {CPoint(list.GetLeftColumnWidth() + 20, y), IDC_ARROW}};
    for (const CursorCase& c : cursorCases)
    {
        CPoint screen = c.point;
        list.ClientToScreen(&screen);
        ::SetCursorPos(screen.x, screen.y);
        list.SendMessage(WM_SETCURSOR, (WPARAM)list.GetSafeHwnd(),
                         MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::LoadCursor(nullptr, c.cursor), ::GetCursor()) << c.point.x << "," << c.point.y;
    }

    // Dragging the header's divider moves the column the same way.
    {
        HDITEM hdi = {};
        hdi.mask = HDI_WIDTH;
        hdi.cxy = 120;
        list.GetHeaderCtrl().SetItem(0, &hdi);
        EXPECT_EQ(120, list.GetLeftColumnWidth());
        EXPECT_EQ(120, pWidth->GetValueRect().left);
    }

    // The drag is lost when the capture goes: nothing changes.
    const int nWidth = list.GetLeftColumnWidth();
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(nWidth, y));
    list.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(nWidth - 30, y));
    ::ReleaseCapture();
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(nWidth - 30, y));
    EXPECT_EQ(nWidth, list.GetLeftColumnWidth());
}

TEST_F(PropList, KeysMoveTheSelectionRowByRowPageByPageAndToTheEnds)
{
    list.SetWindowPos(nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    list.EnableDescriptionArea(FALSE);
    const int nPage = list.GetRowsPerPage();
    // Two pages reach past the last row.
    ASSERT_GE(nPage, 7);
    ASSERT_LT(nPage, 12);
    Click(NamePoint(pLook));
    struct Step
    {
        UINT vk;
        const char* selected;
    } steps[] = {{VK_DOWN, "Caption"}, {VK_RIGHT, "Visible"},
                 {VK_UP, "Caption"},   {VK_LEFT, "Look"},
                 {VK_UP, "Look"},      {VK_END, "Icon"},
                 {VK_DOWN, "Icon"},    {VK_HOME, "Look"},
                 {VK_PRIOR, "Look"},   {VK_NEXT, kAllRows[(size_t)nPage].c_str()},
                 {VK_NEXT, "Icon"}};
    for (const Step& step : steps)
    {
        Key(step.vk);
        ASSERT_NE(nullptr, list.GetCurSel()) << step.vk;
        EXPECT_STREQ(step.selected, list.GetCurSel()->GetName()) << step.vk;
        // The selection is always scrolled into view.
        const CRect rect = list.GetCurSel()->GetRect();
        EXPECT_GE(rect.top, list.GetListRect().top) << step.vk;
        EXPECT_LE(rect.bottom, list.GetListRect().bottom) << step.vk;
    }
}

TEST_F(PropList, ScrollingStopsAtTheEndAndAShrunkListStartsAtItsFirstRow)
{
    list.SetWindowPos(nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    list.EnableDescriptionArea(FALSE);
    const int nTotal = (int)kAllRows.size();
    const int nPage = list.GetRowsPerPage();
    ASSERT_EQ(nTotal, list.GetTotalRows());
    ASSERT_TRUE(list.GetScrollBar().IsWindowVisible());
    const int nLast = nTotal - nPage + 1;

    struct Step
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        int expected;
    } steps[] = {
        {"line down", WM_VSCROLL, SB_LINEDOWN, 1},
        {"page down", WM_VSCROLL, SB_PAGEDOWN, std::min(nLast, 1 + nPage)},
        {"bottom", WM_VSCROLL, SB_BOTTOM, nLast},
        {"line past the end", WM_VSCROLL, SB_LINEDOWN, nLast},
        {"wheel past the end", WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-360), nLast},
        {"thumb past the end", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 500), nLast},
        {"wheel up two lines", WM_MOUSEWHEEL, MAKEWPARAM(0, 240), nLast - 2},
        {"top", WM_VSCROLL, SB_TOP, 0},
        {"line before the start", WM_VSCROLL, SB_LINEUP, 0},
        {"bottom again", WM_VSCROLL, SB_BOTTOM, nLast},
    };
    for (const Step& step : steps)
    {
        list.SendMessage(step.message, step.wParam, 0);
        EXPECT_EQ(step.expected, list.GetFirstVisibleRow()) << step.name;
        EXPECT_EQ(list.GetListRect().top - step.expected * list.GetRowHeight(),
                  pLook->GetRect().top)
            << step.name;
    }

    // The list shrinks below a page: it starts again at its first row, never above it.
    Click(BoxPoint(pLayout));
    Click(BoxPoint(pLook));
    EXPECT_EQ(2, list.GetTotalRows());
    EXPECT_EQ(0, list.GetFirstVisibleRow());
    EXPECT_EQ(list.GetListRect().top, pLook->GetRect().top);
    EXPECT_FALSE(list.GetScrollBar().IsWindowVisible());
    list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)-120));
    EXPECT_EQ(0, list.GetFirstVisibleRow());

    // A taller window on a list scrolled to its end.
    list.ExpandAll(TRUE);
    list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    ASSERT_EQ(nLast, list.GetFirstVisibleRow());
    list.SetWindowPos(nullptr, 0, 0, 400, 480, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(0, list.GetFirstVisibleRow());
    EXPECT_EQ(list.GetListRect().top, pLook->GetRect().top);

    // Every item gone.
    list.SetWindowPos(nullptr, 0, 0, 400, 200, SWP_NOMOVE | SWP_NOZORDER);
    list.SendMessage(WM_VSCROLL, SB_BOTTOM);
    list.RemoveAll();
    EXPECT_EQ(0, list.GetFirstVisibleRow());
    EXPECT_EQ(0, list.GetTotalRows());
    list.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    Key(VK_END);
    EXPECT_EQ(0, list.GetFirstVisibleRow());
    EXPECT_EQ(nullptr, list.GetCurSel());
}

TEST_F(PropList, TypedValuesAreTakenOnEnterAndToldToTheOwnerOnce)
{
    struct Case
    {
        CTavoPProp* pProp;
        const char* typed;
        const char* shown;
        VARTYPE vt;
    } cases[] = {
        {pCaption, "World", "World", VT_BSTR},
        {pWidth, " 250 ", "250", VT_I4},
        {pRatio, "2.25", "2.250000", VT_R8},
        {pCx, "-7", "-7", VT_I2},
    };
    for (const Case& c : cases)
    {
        owner.changes.clear();
        Click(ValuePoint(c.pProp));
        ASSERT_TRUE(c.pProp->IsInPlaceEditing()) << c.typed;
        EXPECT_EQ(::GetFocus(), c.pProp->GetInPlaceWnd()->GetSafeHwnd()) << c.typed;
        TypeAndPress(c.pProp, c.typed, VK_RETURN);
        EXPECT_FALSE(c.pProp->IsInPlaceEditing()) << c.typed;
        EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus()) << c.typed;
        ASSERT_EQ(1u, owner.changes.size()) << c.typed;
        EXPECT_EQ(kListId, owner.changes[0].id);
        EXPECT_EQ(c.pProp, owner.changes[0].pProp);
        EXPECT_EQ(c.shown, owner.changes[0].text);
        EXPECT_EQ(c.vt, c.pProp->GetValue().vt);
        EXPECT_STREQ(c.shown, c.pProp->FormatProperty());
    }
    EXPECT_EQ(250, pWidth->GetValue().lVal);
    EXPECT_EQ(2.25, pRatio->GetValue().dblVal);
    EXPECT_STREQ("-7, 20", pSize->FormatProperty());

    // The same value again is no change.
    owner.changes.clear();
    Click(ValuePoint(pWidth));
    TypeAndPress(pWidth, "250", VK_RETURN);
    EXPECT_TRUE(owner.changes.empty());

    // A value with sub-items takes each part; only the parts that changed are told.
    Click(ValuePoint(pSize));
    TypeAndPress(pSize, "30, 20", VK_RETURN);
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(pCx, owner.changes[0].pProp);
    EXPECT_EQ(30, pCx->GetValue().iVal);

    // Leaving the row takes what was typed.
    owner.changes.clear();
    Click(ValuePoint(pWidth));
    TypeAndPress(pWidth, "77", VK_RIGHT);
    Click(NamePoint(pCaption));
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(77, pWidth->GetValue().lVal);
    // So does the focus leaving the list.
    Click(ValuePoint(pWidth));
    TypeAndPress(pWidth, "78", VK_RIGHT);
    ::SetFocus(owner.GetSafeHwnd());
    PumpMessages();
    EXPECT_FALSE(pWidth->IsInPlaceEditing());
    ASSERT_EQ(2u, owner.changes.size());
    EXPECT_EQ(78, pWidth->GetValue().lVal);
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST_F(PropList, EscapeRestoresAndABadValueKeepsTheOldOneAndTellsTheUser)
{
    Click(ValuePoint(pCaption));
    TypeAndPress(pCaption, "Discarded", VK_ESCAPE);
    EXPECT_FALSE(pCaption->IsInPlaceEditing());
    EXPECT_STREQ("Hello", pCaption->FormatProperty());
    EXPECT_TRUE(owner.changes.empty());
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());

    struct Case
    {
        CTavoPProp* pProp;
        const char* typed;
        const char* kept;
    } cases[] = {
        {pWidth, "12abc", "100"},
        {pWidth, "", "100"},
        {pWidth, "99999999999", "100"},
        {pRatio, "1.5.5", "1.500000"},
        {pRatio, "1e999", "1.500000"},
        {pCx, "70000", "10"},
        // Nothing half-applied: a bad part leaves the good ones as they were.
        {pSize, "11, x", "10, 20"},
        {pSize, "11, 21, 31", "10, 20"},
        {pSize, "11", "10, 20"},
    };
    for (const Case& c : cases)
    {
        CTestSeams::Clear();
        Click(ValuePoint(c.pProp));
        TypeAndPress(c.pProp, c.typed, VK_RETURN);
        EXPECT_STREQ(c.kept, c.pProp->FormatProperty()) << c.typed;
        EXPECT_FALSE(c.pProp->IsInPlaceEditing()) << c.typed;
        ASSERT_EQ(1u, CTestSeams::MessageBoxes().size()) << c.typed;
        EXPECT_NE(-1, CTestSeams::MessageBoxes()[0].strText.Find(c.pProp->GetName())) << c.typed;
    }
    EXPECT_STREQ("10, 20", pSize->FormatProperty());
    EXPECT_TRUE(owner.changes.empty());
}

TEST_F(PropList, OptionsAndBooleansAreChosenFromTheListAndToggled)
{
    // A drop-down list of the options, chosen with the keys.
    Click(ValuePoint(pBorder));
    CWnd* pEditor = pBorder->GetInPlaceWnd();
    ASSERT_NE(nullptr, pEditor);
    CComboBox* pCombo = (CComboBox*)pEditor;
    EXPECT_EQ(3, pCombo->GetCount());
    EXPECT_EQ(1, pCombo->GetCurSel());
    pCombo->ShowDropDown(TRUE);
    PumpMessages();
    ASSERT_TRUE(pCombo->GetDroppedState());
    pCombo->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    pCombo->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
    PumpMessages();
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(pBorder, owner.changes[0].pProp);
    EXPECT_EQ("Thick", owner.changes[0].text);
    EXPECT_EQ(VT_BSTR, pBorder->GetValue().vt);
    Key(VK_ESCAPE);
    Click(NamePoint(pCaption));
    EXPECT_FALSE(pBorder->IsInPlaceEditing());
    EXPECT_STREQ("Thick", pBorder->FormatProperty());
    EXPECT_EQ(1u, owner.changes.size());

    // A boolean is a list of its two texts; a double-click toggles it.
    owner.changes.clear();
    const CPoint point = ValuePoint(pVisible);
    list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    ASSERT_TRUE(pVisible->IsInPlaceEditing());
    EXPECT_EQ(2, ((CComboBox*)pVisible->GetInPlaceWnd())->GetCount());
    EXPECT_FALSE(((CComboBox*)pVisible->GetInPlaceWnd())->GetDroppedState());
    // The second click of the double-click lands on the editor over the value.
    CPoint ptEditor = point;
    list.MapWindowPoints(pVisible->GetInPlaceWnd(), &ptEditor, 1);
    pVisible->GetInPlaceWnd()->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON,
                                           MAKELPARAM(ptEditor.x, ptEditor.y));
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(VT_BOOL, pVisible->GetValue().vt);
    EXPECT_EQ(VARIANT_FALSE, pVisible->GetValue().boolVal);
    EXPECT_STREQ("False", pVisible->FormatProperty());
    list.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    ASSERT_EQ(2u, owner.changes.size());
    EXPECT_EQ(VARIANT_TRUE, pVisible->GetValue().boolVal);
    EXPECT_EQ(-1, (int)pVisible->GetValue().boolVal);
    PumpMessages();
}

TEST_F(PropList, AColourIsPickedFromThePopup)
{
    Click(ValuePoint(pColor));
    ASSERT_TRUE(pColor->IsInPlaceEditing());
    CColorPopup* pPopup = DYNAMIC_DOWNCAST(CColorPopup, CTavoPPopupMenu::GetActiveMenu());
    ASSERT_NE(nullptr, pPopup);
    CTavoPColorBar& bar = pPopup->GetColorBar();
    CColorButton* pGreen = nullptr;
    const COLORREF kGreen = RGB(0, 255, 0);
    for (int i = 0; i < bar.GetCount(); i++)
    {
        CColorButton* pCell = DYNAMIC_DOWNCAST(CColorButton, bar.GetButton(i));
        if (pCell != nullptr && pCell->IsColorCell() && pCell->m_Color == kGreen)
            pGreen = pCell;
    }
    ASSERT_NE(nullptr, pGreen);
    const CPoint cell = pGreen->Rect().CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x, cell.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(cell.x, cell.y));
    PumpMessages();
    EXPECT_EQ(nullptr, CTavoPPopupMenu::GetActiveMenu());
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(pColor, owner.changes[0].pProp);
    EXPECT_EQ("0, 255, 0", owner.changes[0].text);
    EXPECT_EQ(kGreen, ((CTavoPColorProp*)pColor)->GetColor());
    EXPECT_EQ(VT_I4, pColor->GetValue().vt);

    // The row shows the swatch once the editor is gone.
    Click(NamePoint(pCaption));
    EXPECT_FALSE(pColor->IsInPlaceEditing());
    CRect rectClient;
    list.GetClientRect(rectClient);
    DibCanvas canvas(rectClient.Width(), rectClient.Height());
    list.SendMessage(WM_PRINTCLIENT, (WPARAM)canvas.dc(), PRF_CLIENT);
    const CRect rectValue = pColor->GetValueRect();
    EXPECT_EQ(kGreen, canvas.Pixel(rectValue.left + 6, rectValue.CenterPoint().y));
}

TEST_F(PropList, AFileAndAFontComeFromTheirDialogs)
{
    // The file dialog behind the button: OK takes the path once, cancel nothing.
    Click(ValuePoint(pIcon));
    ASSERT_TRUE(pIcon->IsInPlaceEditing());
    const CRect rectButton = pIcon->GetButtonRect();
    ASSERT_FALSE(rectButton.IsRectEmpty());
    CTestSeams::QueueFileDialogAnswer("C:\\icons\\app.ico");
    CTestSeams::QueueFileDialogCancel();
    Click(rectButton.CenterPoint());
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(pIcon, owner.changes[0].pProp);
    EXPECT_EQ("C:\\icons\\app.ico", owner.changes[0].text);
    EXPECT_STREQ("C:\\icons\\app.ico", ((CTavoPFileProp*)pIcon)->GetFileName());
    // The open editor shows the chosen path.
    CString strEditor;
    pIcon->GetInPlaceWnd()->GetWindowText(strEditor);
    EXPECT_STREQ("C:\\icons\\app.ico", strEditor);
    Click(rectButton.CenterPoint());
    EXPECT_EQ(1u, owner.changes.size());
    EXPECT_STREQ("C:\\icons\\app.ico", ((CTavoPFileProp*)pIcon)->GetFileName());

    // The font dialog: a new face and size once, the same font or cancel nothing.
    owner.changes.clear();
    Click(ValuePoint(pFont));
    const CRect rectFontButton = pFont->GetButtonRect();
    LOGFONT lf = ((CTavoPFontProp*)pFont)->GetLogFont();
    lstrcpyA(lf.lfFaceName, "Tahoma");
    HDC hdc = ::GetDC(NULL);
    lf.lfHeight = -::MulDiv(14, ::GetDeviceCaps(hdc, LOGPIXELSY), 72);
    ::ReleaseDC(NULL, hdc);
    CTestSeams::QueueFontDialogAnswer(lf);
    CTestSeams::QueueFontDialogAnswer(lf);
    CTestSeams::QueueFontDialogCancel();
    for (int i = 0; i < 3; i++)
        Click(rectFontButton.CenterPoint());
    ASSERT_EQ(1u, owner.changes.size());
    EXPECT_EQ(pFont, owner.changes[0].pProp);
    EXPECT_EQ("Tahoma, 14", owner.changes[0].text);
    EXPECT_STREQ("Tahoma", ((CTavoPFontProp*)pFont)->GetLogFont().lfFaceName);
    EXPECT_EQ(lf.lfHeight, ((CTavoPFontProp*)pFont)->GetLogFont().lfHeight);
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}

TEST(PropValues, NumbersAndTextsKeepTheirTypes)
{
    // Booleans store -1 or 0; other kinds become VT_I4 when set as numbers.
    CTavoPProp boolean("b", Number(VT_BOOL, 0));
    boolean.SetValue(5L);
    EXPECT_EQ(VT_BOOL, boolean.GetValue().vt);
    EXPECT_EQ(VARIANT_TRUE, boolean.GetValue().boolVal);
    boolean.SetValue(0L);
    EXPECT_EQ(VARIANT_FALSE, boolean.GetValue().boolVal);
    VARIANT text = Text("abc");
    CTavoPProp textual("t", text);
    ::VariantClear(&text);
    textual.SetValue(42L);
    EXPECT_EQ(VT_I4, textual.GetValue().vt);
    EXPECT_STREQ("42", textual.FormatProperty());

    struct Case
    {
        VARTYPE vt;
        double value;
        const char* shown;
    } cases[] = {{VT_I2, -12, "-12"},
                 {VT_I4, 123456, "123456"},
                 {VT_R4, 0.5, "0.500000"},
                 {VT_R8, -2.125, "-2.125000"}};
    for (const Case& c : cases)
    {
        CTavoPProp prop("n", Number(c.vt, c.value));
        EXPECT_STREQ(c.shown, prop.FormatProperty()) << c.vt;
        // A value set in another type is converted to the item's own, or refused.
        VARIANT good = Text("7");
        EXPECT_TRUE(prop.SetValue(good)) << c.vt;
        ::VariantClear(&good);
        EXPECT_EQ(c.vt, prop.GetValue().vt) << c.vt;
        VARIANT bad = Text("seven");
        EXPECT_FALSE(prop.SetValue(bad)) << c.vt;
        ::VariantClear(&bad);
        EXPECT_EQ(c.vt, prop.GetValue().vt) << c.vt;
        VARIANT number;
        ::VariantInit(&number);
        EXPECT_TRUE(
            ::VariantChangeType(&number, const_cast<VARIANT*>(&prop.GetValue()), 0, VT_R8) == S_OK);
        EXPECT_EQ(7.0, number.dblVal) << c.vt;
    }

    // A group holds no value, and an item belongs to one parent only.
    CTavoPProp group(CString("g"));
    VARIANT one = Number(VT_I4, 1);
    EXPECT_FALSE(group.SetValue(one));
    CTavoPProp* pChild = new CTavoPProp("c", one);
    EXPECT_TRUE(group.AddSubItem(pChild));
    EXPECT_FALSE(group.AddSubItem(pChild));
    EXPECT_FALSE(group.AddSubItem(&group));
    EXPECT_EQ(1, group.GetSubItemsCount());
    // A value made of sub-items is set through them only.
    CTavoPProp size("size", VARIANT());
    size.AddSubItem(new CTavoPProp("cx", one));
    EXPECT_FALSE(size.SetValue(one));
    size.SetValue(3L);
    EXPECT_EQ(VT_EMPTY, size.GetValue().vt);
    EXPECT_STREQ("1", size.FormatProperty());
}

TEST_F(PropList, TipsShowNamesAndValuesThatDoNotFit)
{
    VARIANT longText = Text("A value far too long to fit into the value column of this list");
    EXPECT_TRUE(pCaption->SetValue(longText));
    ::VariantClear(&longText);
    const CPoint points[] = {NamePoint(pWidth), ValuePoint(pCaption), ValuePoint(pWidth)};
    const char* expected[] = {"", "A value far too long to fit into the value column of this list",
                              ""};
    for (size_t i = 0; i < 3; i++)
    {
        list.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(points[i].x, points[i].y));
        CString strTip;
        list.GetToolTip().GetText(strTip, &list, 1);
        EXPECT_STREQ(expected[i], strTip) << i;
    }
}

TEST_F(PropList, AListDestroyedWhileEditingLetsGoOfEverything)
{
    Click(ValuePoint(pWidth));
    ASSERT_TRUE(pWidth->IsInPlaceEditing());
    const HWND hwndEditor = pWidth->GetInPlaceWnd()->GetSafeHwnd();
    const int nPermanent = CWnd::GetPermanentMapCount();
    list.DestroyWindow();
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndEditor));
    EXPECT_LT(CWnd::GetPermanentMapCount(), nPermanent);
    EXPECT_TRUE(owner.changes.empty());
}

TEST_F(PropList, AnOwnerThatDeletesTheItemsOnHearingOfAChangeLeavesNothingBehind)
{
    owner.pEmptyOnChange = &list;
    struct Case
    {
        const char* name;
        std::function<void()> change;
    } cases[] = {
        {"typed and Enter",
         [this] {
             Click(ValuePoint(pWidth));
             TypeAndPress(pWidth, "5", VK_RETURN);
         }},
        {"both parts of a value with sub-items",
         [this] {
             Click(ValuePoint(pSize));
             TypeAndPress(pSize, "1, 2", VK_RETURN);
         }},
        {"chosen from the list",
         [this] {
             Click(ValuePoint(pBorder));
             CComboBox* pCombo = (CComboBox*)pBorder->GetInPlaceWnd();
             pCombo->ShowDropDown(TRUE);
             pCombo->SendMessage(WM_KEYDOWN, VK_DOWN, 1);
             pCombo->SendMessage(WM_KEYDOWN, VK_RETURN, 1);
         }},
        {"from the file dialog",
         [this] {
             Click(ValuePoint(pIcon));
             CTestSeams::QueueFileDialogAnswer("C:\\new.ico");
             Click(pIcon->GetButtonRect().CenterPoint());
         }},
    };
    for (const Case& c : cases)
    {
        if (list.GetPropertyCount() == 0)
            Populate();
        owner.changes.clear();
        c.change();
        PumpMessages();
        EXPECT_EQ(1u, owner.changes.size()) << c.name;
        EXPECT_EQ(0, list.GetPropertyCount()) << c.name;
        EXPECT_EQ(nullptr, list.GetCurSel()) << c.name;
        // The editor went with its item.
        EXPECT_EQ(nullptr, ::GetDlgItem(list.GetSafeHwnd(), 3)) << c.name;
        list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        PumpMessages();
    }
}

namespace {

// A dialog's own loop: keys pass through the dialog manager first.
void PumpDialog(HWND hDlg)
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (!::IsDialogMessage(hDlg, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

struct DialogRecord
{
    std::vector<UINT> commands;
    int changes = 0;
};

INT_PTR CALLBACK RecordingDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        ::SetWindowLongPtr(hDlg, DWLP_USER, lParam);
        return TRUE;
    }
    DialogRecord* pRecord = (DialogRecord*)::GetWindowLongPtr(hDlg, DWLP_USER);
    if (pRecord == nullptr)
        return FALSE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        pRecord->commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    if (message == TAVOM_PROPERTYCHANGED)
    {
        pRecord->changes++;
        return TRUE;
    }
    return FALSE;
}

// Real key strokes from a worker thread, as a user types them, while the dialog's loop runs.
void TypeKeys(HWND hDlg, const std::vector<WORD>& keys)
{
    std::vector<INPUT> inputs;
    for (WORD vk : keys)
    {
        inputs.push_back(KeyInput(vk));
        inputs.push_back(KeyInput(vk, true));
    }
    PlayInput(inputs, [hDlg] { PumpDialog(hDlg); });
}

} // namespace

TEST(PropListInDialog, EnterAndEscapeInTheEditorStayInTheListAndDoNotEndTheDialog)
{
    CTestSeams::Engage();
    DialogTemplate dlgTemplate("properties", 200, 160, WS_POPUP | WS_CAPTION | WS_VISIBLE);
    dlgTemplate.Add(0x0080, IDOK, "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 140,
                    140, 50, 14);
    DialogRecord record;
    HWND hDlg = ::CreateDialogIndirectParam(::GetModuleHandle(nullptr), dlgTemplate.Get(), nullptr,
                                            RecordingDialogProc, (LPARAM)&record);
    ASSERT_NE(nullptr, hDlg);
    {
        CTavoPPropList list;
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(5, 5, 300, 200),
                                CWnd::FromHandle(hDlg), kListId));
        CTavoPProp* pWidth = new CTavoPProp("Width", Number(VT_I4, 100));
        list.AddProperty(pWidth);
        ::SetForegroundWindow(hDlg);
        PumpDialog(hDlg);

        struct Case
        {
            const char* name;
            std::vector<WORD> keys;
            long expected;
            int changes;
        } cases[] = {
            {"typed and Enter", {VK_END, VK_BACK, VK_BACK, VK_BACK, '4', '2', VK_RETURN}, 42, 1},
            {"typed and Escape", {'7', VK_ESCAPE}, 42, 1}};
        for (const Case& c : cases)
        {
            const CPoint point(pWidth->GetValueRect().left + 5,
                               pWidth->GetValueRect().CenterPoint().y);
            list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
            list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
            ASSERT_TRUE(pWidth->IsInPlaceEditing()) << c.name;
            ASSERT_EQ(::GetFocus(), pWidth->GetInPlaceWnd()->GetSafeHwnd()) << c.name;
            // The click went on to the editor: the caret stands where it was given.
            DWORD dwStart = 0, dwEnd = 0;
            pWidth->GetInPlaceWnd()->SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
            EXPECT_EQ(dwStart, dwEnd) << c.name;
            TypeKeys(hDlg, c.keys);
            EXPECT_FALSE(pWidth->IsInPlaceEditing()) << c.name;
            EXPECT_EQ(c.expected, pWidth->GetValue().lVal) << c.name;
            EXPECT_EQ(c.changes, record.changes) << c.name;
            EXPECT_TRUE(record.commands.empty()) << c.name;
            EXPECT_EQ(list.GetSafeHwnd(), ::GetFocus()) << c.name;
        }
        list.DestroyWindow();
    }
    ::DestroyWindow(hDlg);
    PumpDialog(hDlg);
    CTestSeams::Release();
}
