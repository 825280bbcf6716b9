// The colour dialog run modally: the embedded sheet, its two pages exchanging the chosen colour, and the hand-over on low-colour screens.
#include "ui/controls/color/CColorPage1.h"
#include "ui/controls/color/CColorPage2.h"
#include "ui/controls/color/CPropertySheetCtrl.h"
#include "ui/controls/color/CTavoPColorChooserDialog.h"
#include "ui/foundation/CTavoPGlobalData.h"
#include "framework/CTestSeams.h"
#include "res/LibraryIds.h"
#include "tests/support/ClassicColors.h"
#include "tests/support/DibCanvas.h"
#include "tests/support/ModalScript.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>

namespace {

const char kCaption[] = "Colors";

void Paint(CWnd* pWnd, DibCanvas& canvas)
{
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = pWnd->m_hWnd;
    dis.hDC = canvas.dc();
    dis.rcItem = {0, 0, canvas.width(), canvas.height()};
    ((CTavoPColorPickerCtrl*)pWnd)->DrawItem(&dis);
}

// The comparison swatch's pixel in the middle of its upper (new) or lower (current) half.
COLORREF SwatchPixel(HWND hDlg, bool bUpper)
{
    CWnd* pSwatch = CWnd::FromHandlePermanent(::GetDlgItem(hDlg, IDC_TAVOP_COLOR));
    CRect rect;
    pSwatch->GetClientRect(rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    Paint(pSwatch, canvas);
    return canvas.Pixel(rect.Width() / 2, bUpper ? rect.Height() / 4 : rect.Height() * 3 / 4);
}

// The first point of the picker's face painted in the colour, or (-1, -1).
CPoint Find(CTavoPColorPickerCtrl& picker, COLORREF color)
{
    CRect rect;
    picker.GetClientRect(rect);
    DibCanvas canvas(rect.Width(), rect.Height());
    Paint(&picker, canvas);
    for (int y = 0; y < rect.Height(); y++)
        for (int x = 0; x < rect.Width(); x++)
            if (canvas.Pixel(x, y) == color && canvas.Count(color, x - 1, y - 1, x + 2, y + 2) == 9)
                return CPoint(x, y);
    return CPoint(-1, -1);
}

void Click(CWnd& wnd, CPoint point)
{
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

// A click on the grey of the Standard page's grey picker; the dialog takes it as its colour.
void PickGrey(CTavoPColorChooserDialog& dlg, COLORREF grey)
{
    CColorPage1* pStandard = dlg.GetPageOne();
    const CPoint at = Find(pStandard->m_hexpicker_greyscale, grey);
    ASSERT_GE(at.x, 0);
    Click(pStandard->m_hexpicker_greyscale, at);
    ASSERT_EQ(grey, dlg.GetColor());
}

int ItemInt(CWnd* pPage, int nID)
{
    return (int)::GetDlgItemInt(pPage->m_hWnd, nID, nullptr, FALSE);
}

class ColorDialogFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
        GetGlobalData().UpdateSysColors();
    }
    void TearDown() override
    {
        CTestSeams::Release();
        GetGlobalData().UpdateSysColors();
    }
    // Runs the dialog on the colour; the step acts on it and ends it.
    INT_PTR Run(CTavoPColorChooserDialog& dlg, std::function<void(HWND)> step)
    {
        ModalScript script;
        script.When(kCaption, [step](HWND hDlg) {
            step(hDlg);
            if (::testing::Test::HasFatalFailure()) // the step stopped short of closing it
                ModalScript::Click(hDlg, IDCANCEL);
        });
        INT_PTR nResult = dlg.DoModal();
        EXPECT_TRUE(script.Finished()) << script.Failure();
        return nResult;
    }
    ClassicColors classic;
};

} // namespace

using ColorDialog = ColorDialogFixture;

TEST_F(ColorDialog, EmbedsTheSheetAsAChildOverThePlaceholder)
{
    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    INT_PTR nResult = Run(dlg, [&](HWND hDlg) {
        CPropertySheetCtrl* pSheet = dlg.GetSheet();
        ASSERT_NE(nullptr, pSheet);
        EXPECT_EQ(hDlg, ::GetParent(pSheet->m_hWnd));
        EXPECT_TRUE(pSheet->GetStyle() & WS_CHILD);
        EXPECT_FALSE(pSheet->GetExStyle() & WS_EX_CONTROLPARENT);

        CRect rectSheet, rectPlaceholder;
        pSheet->GetWindowRect(rectSheet);
        ::GetWindowRect(::GetDlgItem(hDlg, IDC_TAVOP_PLACEHOLDER), rectPlaceholder);
        EXPECT_EQ(rectPlaceholder, rectSheet);

        EXPECT_EQ(2, (int)pSheet->GetTabControl()->SendMessage(TCM_GETITEMCOUNT));
        CRect rectTab;
        pSheet->GetTabControl()->GetWindowRect(rectTab);
        EXPECT_EQ(rectSheet, rectTab);
        EXPECT_EQ(pSheet->m_hWnd, ::GetParent(dlg.GetPageOne()->m_hWnd));
        CRect rectPage;
        dlg.GetPageOne()->GetClientRect(rectPage);
        EXPECT_EQ(rectSheet.Width() - 3 * ::GetSystemMetrics(SM_CXEDGE), rectPage.Width());
        ModalScript::Click(hDlg, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, nResult);
}

TEST_F(ColorDialog, TypingRedSetsHueSaturationLightnessAndSelectsTheRedCell)
{
    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    COLORREF chosen = 0;
    INT_PTR nResult = Run(dlg, [&](HWND hDlg) {
        ASSERT_TRUE(dlg.GetSheet()->SetActivePage(1));
        CColorPage2* pPage = dlg.GetPageTwo();
        // The page shows the colour the dialog was opened with.
        EXPECT_EQ(255, ItemInt(pPage, IDC_TAVOP_BLUE));
        EXPECT_EQ(170, ItemInt(pPage, IDC_TAVOP_HUE));

        pPage->SetDlgItemText(IDC_TAVOP_RED, "255");
        pPage->SetDlgItemText(IDC_TAVOP_BLUE, "0");
        EXPECT_EQ(0, ItemInt(pPage, IDC_TAVOP_HUE));
        EXPECT_EQ(255, ItemInt(pPage, IDC_TAVOP_SATURATION));
        EXPECT_EQ(128, ItemInt(pPage, IDC_TAVOP_LUMINANCE));
        EXPECT_EQ(RGB(255, 0, 0), dlg.GetColor());
        EXPECT_EQ(RGB(255, 0, 0), dlg.GetPageOne()->m_hexpicker.GetColor());
        double h, l, s;
        pPage->m_wndColorPicker.GetHLS(&h, &l, &s);
        EXPECT_DOUBLE_EQ(1.0, s);

        EXPECT_EQ(RGB(255, 0, 0), SwatchPixel(hDlg, true));
        EXPECT_EQ(RGB(0, 0, 255), SwatchPixel(hDlg, false));

        // Out of range: the framework's message, nothing taken.
        pPage->SetDlgItemText(IDC_TAVOP_GREEN, "300");
        EXPECT_EQ(1u, CTestSeams::MessageBoxes().size());
        EXPECT_EQ(RGB(255, 0, 0), dlg.GetColor());

        pPage->SetDlgItemText(IDC_TAVOP_GREEN, "0");
        // A quarter lightness halves the red, on the edits and as the dialog's colour.
        pPage->SetDlgItemText(IDC_TAVOP_LUMINANCE, "64");
        EXPECT_NEAR(128, ItemInt(pPage, IDC_TAVOP_RED), 1);
        chosen = RGB(ItemInt(pPage, IDC_TAVOP_RED), ItemInt(pPage, IDC_TAVOP_GREEN),
                     ItemInt(pPage, IDC_TAVOP_BLUE));
        EXPECT_EQ(chosen, dlg.GetColor());
        ModalScript::Click(hDlg, IDOK);
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(chosen, dlg.GetColor());
}

TEST_F(ColorDialog, PickersOfEachPageMirrorOnTheOther)
{
    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    Run(dlg, [&](HWND hDlg) {
        CColorPage1* pStandard = dlg.GetPageOne();
        PickGrey(dlg, RGB(240, 240, 240));
        ASSERT_FALSE(::testing::Test::HasFatalFailure());

        ASSERT_TRUE(dlg.GetSheet()->SetActivePage(1));
        CColorPage2* pCustom = dlg.GetPageTwo();
        EXPECT_EQ(240, ItemInt(pCustom, IDC_TAVOP_GREEN));
        EXPECT_EQ(0, ItemInt(pCustom, IDC_TAVOP_SATURATION));
        double h, l, s;
        pCustom->m_wndColorPicker.GetHLS(&h, &l, &s);
        EXPECT_DOUBLE_EQ(0.0, s) << "the spectrum marker sits on the grey bottom row";

        // A click on the spectrum's top middle: saturated cyan, on the edits and page one.
        CRect rect;
        pCustom->m_wndColorPicker.GetClientRect(rect);
        Click(pCustom->m_wndColorPicker, CPoint(rect.Width() / 2, 0));
        pCustom->m_wndColorPicker.GetHLS(&h, &l, &s);
        const COLORREF color = dlg.GetColor();
        EXPECT_EQ(color, pCustom->m_wndColorPicker.GetColor());
        EXPECT_EQ(GetRValue(color), ItemInt(pCustom, IDC_TAVOP_RED));
        EXPECT_EQ(GetBValue(color), ItemInt(pCustom, IDC_TAVOP_BLUE));
        EXPECT_EQ(255, ItemInt(pCustom, IDC_TAVOP_SATURATION));
        EXPECT_EQ(color, pStandard->m_hexpicker.GetColor());
        double lumHue, lumL, lumSat;
        pCustom->m_wndLum.GetHLS(&lumHue, &lumL, &lumSat);
        EXPECT_DOUBLE_EQ(h, lumHue);
        EXPECT_DOUBLE_EQ(s, lumSat);

        // The luminance bar darkens it everywhere.
        pCustom->m_wndLum.GetClientRect(rect);
        Click(pCustom->m_wndLum, CPoint(2, rect.bottom - 5));
        EXPECT_EQ(RGB(0, 0, 0), dlg.GetColor());
        EXPECT_EQ(0, ItemInt(pCustom, IDC_TAVOP_LUMINANCE));
        ModalScript::Click(hDlg, IDCANCEL);
    });
}

TEST_F(ColorDialog, TheCustomPageShownAgainShowsTheColourPickedMeanwhile)
{
    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    Run(dlg, [&](HWND hDlg) {
        ASSERT_TRUE(dlg.GetSheet()->SetActivePage(1));
        CColorPage2* pCustom = dlg.GetPageTwo();
        EXPECT_EQ(255, ItemInt(pCustom, IDC_TAVOP_BLUE));

        ASSERT_TRUE(dlg.GetSheet()->SetActivePage(0));
        PickGrey(dlg, RGB(240, 240, 240));
        ASSERT_FALSE(::testing::Test::HasFatalFailure());

        ASSERT_TRUE(dlg.GetSheet()->SetActivePage(1));
        EXPECT_EQ(240, ItemInt(pCustom, IDC_TAVOP_RED));
        EXPECT_EQ(240, ItemInt(pCustom, IDC_TAVOP_BLUE));
        EXPECT_EQ(0, ItemInt(pCustom, IDC_TAVOP_SATURATION));
        // One box typed into mixes with the new colour, not with the one shown before.
        pCustom->SetDlgItemText(IDC_TAVOP_GREEN, "0");
        EXPECT_EQ(RGB(240, 0, 240), dlg.GetColor());
        ModalScript::Click(hDlg, IDCANCEL);
    });
}

TEST_F(ColorDialog, DoubleClickOnAHexagonClosesWithThatColour)
{
    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    INT_PTR nResult = Run(dlg, [&](HWND) {
        CTavoPColorPickerCtrl& hex = dlg.GetPageOne()->m_hexpicker;
        const CPoint red = Find(hex, RGB(255, 0, 0));
        ASSERT_GE(red.x, 0);
        Click(hex, red);
        hex.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(red.x, red.y));
        hex.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(red.x, red.y));
    });
    EXPECT_EQ(IDOK, nResult);
    EXPECT_EQ(RGB(255, 0, 0), dlg.GetColor());
}

TEST_F(ColorDialog, LowColourScreenHandsOverToTheSystemDialog)
{
    // The system dialog is cancelled under the seams: so is this one, at once.
    GetGlobalData().m_nBitsPerPixel = 4;
    CTavoPColorChooserDialog dlg(RGB(1, 2, 3));
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.GetSheet());
    EXPECT_EQ(RGB(1, 2, 3), dlg.GetColor());
}

TEST_F(ColorDialog, PaletteScreenShowsTheNearestColourOfItsOwnPalette)
{
    // On a true-colour screen there is no system palette to copy: the stock one stands in.
    HDC hdcScreen = ::GetDC(nullptr);
    const bool bPaletteScreen = (::GetDeviceCaps(hdcScreen, RASTERCAPS) & RC_PALETTE) != 0;
    ::ReleaseDC(nullptr, hdcScreen);
    GetGlobalData().m_nBitsPerPixel = 8;

    CTavoPColorChooserDialog dlg(RGB(0, 0, 255));
    Run(dlg, [&](HWND hDlg) {
        ASSERT_NE(nullptr, dlg.GetPalette());
        EXPECT_EQ(bPaletteScreen ? 256 : 20, dlg.GetPalette()->GetEntryCount());
        dlg.SetNewColor(RGB(250, 10, 10));
        EXPECT_EQ(RGB(250, 10, 10), dlg.GetColor());

        EXPECT_EQ(RGB(255, 0, 0), SwatchPixel(hDlg, true));
        ModalScript::Click(hDlg, IDCANCEL);
    });
}
