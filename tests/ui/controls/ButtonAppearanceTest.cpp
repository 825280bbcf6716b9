// The button appearance dialog run modally on real buttons: what OK writes into the button, what Cancel leaves, the refusals, menu mode, and new images through the image editor.
#include "ui/controls/customize/CTavoPButtonAppearanceDlg.h"
#include "ui/controls/customize/CTavoPImageListCtrl.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/commandbars/managers/CTavoPUserTool.h"
#include "ui/commandbars/managers/CTavoPUserToolsManager.h"
#include "ui/foundation/CTavoPWorkspace.h"
#include "ui/foundation/CTavoPCommandManager.h"
#include "ui/foundation/CTavoPToolbarImageList.h"
#include "res/LibraryIds.h"
#include "tests/support/ModalScript.h"
#include "tests/ui/controls/UserImageStrip.h"
#include <gtest/gtest.h>
#include <functional>
#include <utility>
#include <string>

namespace {

const char kCaption[] = "Button Appearance";

bool Enabled(HWND hDlg, int nID)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, nID)) != FALSE;
}

// Clicks a radio button the way the mouse would: it checks itself and tells the dialog.
void ClickRadio(HWND hDlg, int nID)
{
    ::SendMessage(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
}

CTavoPImageListCtrl* ImageList(HWND hDlg)
{
    return (CTavoPImageListCtrl*)CWnd::FromHandlePermanent(
        ::GetDlgItem(hDlg, IDC_TAVOP_USER_IMAGES));
}

const char kEditorCaption[] = "Edit Button Image";

// One step of a script: what to do with the window of that caption.
struct Step
{
    template <class F>
    Step(F a) : caption(kCaption), action(std::move(a))
    {}
    template <class F>
    Step(const char* c, F a) : caption(c), action(std::move(a))
    {}
    const char* caption;
    std::function<void(HWND)> action;
};

Step EditorOk()
{
    return Step(kEditorCaption, [](HWND h) { ModalScript::Click(h, IDOK); });
}

// A dialog whose image list can be made to fail, as running out of memory would.
class CFailingAppearanceDlg : public CTavoPButtonAppearanceDlg
{
public:
    using CTavoPButtonAppearanceDlg::CTavoPButtonAppearanceDlg;
    bool failNext = false;
    bool failEnable = false;

protected:
    void EnableControls() override
    {
        if (failEnable)
        {
            failEnable = false;
            throw new CMemoryException();
        }
        CTavoPButtonAppearanceDlg::EnableControls();
    }
    void RebuildImageList() override
    {
        if (failNext)
        {
            failNext = false;
            throw new CMemoryException();
        }
        CTavoPButtonAppearanceDlg::RebuildImageList();
    }
};

class ButtonAppearanceFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTestSeams::Engage();
        CTestSeams::Clear();
        ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 0, 0,
                                    100, 100, nullptr, nullptr));
        // A toolbar gives the editor's commands their default images.
        ASSERT_TRUE(toolbar.Create(&parent));
        ASSERT_TRUE(toolbar.LoadToolBar(IDR_TAVOP_IMAGE_EDITOR_TOOLS));
        ASSERT_GE(CTavoPToolBar::GetDefaultImage(ID_TAVOP_TOOL_LINE), 0);
        FillStrip(userImages, 3);
    }
    void TearDown() override
    {
        toolbar.DestroyWindow();
        parent.DestroyWindow();
        CTestSeams::Release();
    }

    // Runs the dialog; each step acts on its window in turn (a step that opens another dialog
    // posts).
    INT_PTR Run(CTavoPButtonAppearanceDlg& dlg, std::vector<Step> steps)
    {
        ModalScript script;
        for (auto& step : steps)
            script.When(step.caption, step.action);
        const INT_PTR nResult = dlg.DoModal();
        EXPECT_TRUE(script.Finished()) << script.Failure();
        return nResult;
    }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (auto& call : CTestSeams::MessageBoxes())
            texts.push_back((LPCTSTR)call.strText);
        return texts;
    }

    CWnd parent;
    CTavoPToolBar toolbar;
    CTavoPToolbarImageList userImages;
};

} // namespace

using ButtonAppearance = ButtonAppearanceFixture;

TEST_F(ButtonAppearance, OkWritesTheChoicesIntoTheButton)
{
    const int iDefault = CTavoPToolBar::GetDefaultImage(ID_TAVOP_TOOL_LINE);
    struct Case
    {
        const char* name;
        std::function<void(HWND)> choose;
        BOOL image, text, user;
        int imageIndex;
        const char* buttonText;
    };
    const Case cases[] = {
        {"image and text keeps the shortcut after the tab",
         [](HWND h) {
             ClickRadio(h, IDC_TAVOP_IMAGE_AND_TEXT);
             ::SetDlgItemTextA(h, IDC_TAVOP_BUTTON_TEXT, "Draw line");
         },
         TRUE, TRUE, FALSE, iDefault, "Draw line\tCtrl+L"},
        {"text only", [](HWND h) { ClickRadio(h, IDC_TAVOP_TEXT_ONLY); }, FALSE, TRUE, FALSE,
         iDefault, "Line\tCtrl+L"},
        {"a user-defined image",
         [](HWND h) {
             ClickRadio(h, IDC_TAVOP_IMAGE_ONLY);
             ClickRadio(h, IDC_TAVOP_USER_IMAGE);
             EXPECT_FALSE(::IsDlgButtonChecked(h, IDC_TAVOP_DEFAULT_IMAGE));
             EXPECT_TRUE(Enabled(h, IDC_TAVOP_USER_IMAGES));
             EXPECT_TRUE(Enabled(h, IDC_TAVOP_NEW_IMAGE));
             EXPECT_FALSE(Enabled(h, IDC_TAVOP_BUTTON_TEXT));
             ASSERT_TRUE(ImageList(h)->SelectImage(2));
             EXPECT_TRUE(Enabled(h, IDC_TAVOP_EDIT_IMAGE));
         },
         TRUE, FALSE, TRUE, 2, "Line\tCtrl+L"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTestSeams::Clear();
        CTavoPToolbarButton button(ID_TAVOP_TOOL_LINE, iDefault, "Line\tCtrl+L");
        button.m_bImage = TRUE;
        button.m_bText = FALSE;
        CTavoPButtonAppearanceDlg dlg(&button, &userImages, &parent);
        const INT_PTR nResult =
            Run(dlg, {[&](HWND h) {
                    EXPECT_EQ("Line", ModalScript::ItemText(h, IDC_TAVOP_BUTTON_TEXT));
                    EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_DEFAULT_IMAGE));
                    EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_IMAGE_ONLY));
                    c.choose(h);
                    ModalScript::Click(h, IDOK);
                }});
        EXPECT_EQ(IDOK, nResult);
        EXPECT_EQ(c.image, button.m_bImage);
        EXPECT_EQ(c.text, button.m_bText);
        EXPECT_EQ(c.user, button.m_bUserButton);
        EXPECT_EQ(c.imageIndex, button.GetImage());
        EXPECT_EQ(std::string(c.buttonText), (LPCTSTR)button.m_strText);
        EXPECT_TRUE(Messages().empty());
    }
    GetCommandManager()->ClearAllCmdImages();
}

TEST_F(ButtonAppearance, CancelAndRefusedOkChangeNothing)
{
    const int iDefault = CTavoPToolBar::GetDefaultImage(ID_TAVOP_TOOL_LINE);
    CTavoPToolbarButton button(ID_TAVOP_TOOL_LINE, iDefault, "Line");
    button.m_bImage = TRUE;
    button.m_bText = FALSE;

    CTavoPButtonAppearanceDlg dlg(&button, &userImages, &parent);
    const INT_PTR nResult = Run(dlg, {[](HWND h) {
                                    // Text only with no text is refused, and so is no image.
                                    ClickRadio(h, IDC_TAVOP_TEXT_ONLY);
                                    ::SetDlgItemTextA(h, IDC_TAVOP_BUTTON_TEXT, "");
                                    ::SendMessage(h, WM_COMMAND, IDOK, 0);
                                    ClickRadio(h, IDC_TAVOP_IMAGE_ONLY);
                                    ClickRadio(h, IDC_TAVOP_USER_IMAGE);
                                    ::SendMessage(h, WM_COMMAND, IDOK, 0);
                                    EXPECT_TRUE(::IsWindowVisible(h));
                                    ::SetDlgItemTextA(h, IDC_TAVOP_BUTTON_TEXT, "Other");
                                    ASSERT_TRUE(ImageList(h)->SelectImage(1));
                                    ModalScript::Click(h, IDCANCEL);
                                }});
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ((std::vector<std::string>{"You should enter a text!", "You should select an image!"}),
              Messages());
    EXPECT_TRUE(button.m_bImage);
    EXPECT_FALSE(button.m_bText);
    EXPECT_FALSE(button.m_bUserButton);
    EXPECT_EQ(iDefault, button.GetImage());
    EXPECT_EQ("Line", std::string((LPCTSTR)button.m_strText));
}

TEST_F(ButtonAppearance, MenuModeNeverOffersImageOnly)
{
    struct Case
    {
        const char* name;
        UINT nID;
        bool textOnly, imageAndText;
    };
    const Case cases[] = {
        {"a command with an image", ID_TAVOP_TOOL_LINE, true, true},
        {"a command without any image", 40123, false, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTavoPToolbarButton button(c.nID, CTavoPToolBar::GetDefaultImage(c.nID), "Item");
        CTavoPButtonAppearanceDlg dlg(&button, nullptr, &parent, 0, TRUE);
        Run(dlg, {[&](HWND h) {
                EXPECT_FALSE(Enabled(h, IDC_TAVOP_IMAGE_ONLY));
                EXPECT_EQ(c.textOnly, Enabled(h, IDC_TAVOP_TEXT_ONLY));
                EXPECT_EQ(c.imageAndText, Enabled(h, IDC_TAVOP_IMAGE_AND_TEXT));
                EXPECT_FALSE(Enabled(h, IDC_TAVOP_USER_IMAGES));
                ModalScript::Click(h, IDCANCEL);
            }});
    }

    // In a menu, hiding the image goes to the command manager, not to the button.
    CTavoPToolbarButton button(ID_TAVOP_TOOL_LINE,
                               CTavoPToolBar::GetDefaultImage(ID_TAVOP_TOOL_LINE), "Item");
    button.m_bImage = TRUE;
    CTavoPButtonAppearanceDlg dlg(&button, nullptr, &parent, 0, TRUE);
    EXPECT_EQ(IDOK, Run(dlg, {[](HWND h) {
                            ClickRadio(h, IDC_TAVOP_TEXT_ONLY);
                            ModalScript::Click(h, IDOK);
                        }}));
    EXPECT_TRUE(GetCommandManager()->IsMenuItemWithoutImage(ID_TAVOP_TOOL_LINE));
    EXPECT_TRUE(button.m_bImage);
    GetCommandManager()->EnableMenuItemImage(ID_TAVOP_TOOL_LINE, TRUE);
}

TEST_F(ButtonAppearance, NewDrawsAnImageAndAFailureIsReportedNotThrown)
{
    CTavoPToolbarButton button(40124, -1, "Mine");
    button.m_bImage = FALSE;
    button.m_bText = TRUE;
    CFailingAppearanceDlg dlg(&button, &userImages, &parent);
    const INT_PTR nResult =
        Run(dlg, {[](HWND h) {
                      // A command without a default image starts on the user-defined images.
                      EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_USER_IMAGE));
                      EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_TEXT_ONLY));
                      EXPECT_FALSE(Enabled(h, IDC_TAVOP_DEFAULT_IMAGE));
                      ClickRadio(h, IDC_TAVOP_IMAGE_AND_TEXT);
                      ModalScript::Click(h, IDC_TAVOP_NEW_IMAGE);
                  },
                  EditorOk(),
                  [&](HWND h) {
                      EXPECT_EQ(4, userImages.GetCount());
                      EXPECT_EQ(3, ImageList(h)->GetSelected()->GetImage());
                      // A handler that fails reports it and leaves the dialog running.
                      dlg.failEnable = true;
                      ClickRadio(h, IDC_TAVOP_TEXT_ONLY);
                      ClickRadio(h, IDC_TAVOP_IMAGE_AND_TEXT);
                      dlg.failNext = true;
                      ModalScript::Click(h, IDC_TAVOP_NEW_IMAGE);
                  },
                  EditorOk(), [](HWND h) { ModalScript::Click(h, IDOK); }});
    EXPECT_EQ(IDOK, nResult);
    const std::string internal =
        "Tavo Toolbar internal error. Please contact your application vendor.";
    EXPECT_EQ((std::vector<std::string>{internal, internal}), Messages());
    EXPECT_EQ(5, userImages.GetCount());
    EXPECT_TRUE(button.m_bUserButton);
    EXPECT_TRUE(button.m_bImage);
    EXPECT_EQ(3, button.GetImage());
    GetCommandManager()->ClearAllCmdImages();
}

TEST_F(ButtonAppearance, EditRedrawsAUserImageInTheEditor)
{
    CTavoPToolbarButton button(40126, -1, "Mine", TRUE);
    button.SetImage(1);
    button.m_bImage = TRUE;
    const COLORREF before = PixelOfStrip(userImages, 1, 5, 5);
    const COLORREF otherBefore = PixelOfStrip(userImages, 2, 5, 5);
    CTavoPButtonAppearanceDlg dlg(&button, &userImages, &parent);
    const INT_PTR nResult =
        Run(dlg, {[](HWND h) {
                      EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_USER_IMAGE));
                      EXPECT_EQ(1, ImageList(h)->GetSelected()->GetImage());
                      ModalScript::Click(h, IDC_TAVOP_EDIT_IMAGE);
                  },
                  Step(kEditorCaption,
                       [](HWND h) {
                           // Cleared to the button face, then OK.
                           ::SendMessage(h, WM_COMMAND, ID_TAVOP_IMAGE_CLEAR, 0);
                           ModalScript::Click(h, IDOK);
                       }),
                  [](HWND h) { ModalScript::Click(h, IDCANCEL); }});
    EXPECT_EQ(IDCANCEL, nResult);
    EXPECT_EQ(3, userImages.GetCount());
    EXPECT_NE(before, PixelOfStrip(userImages, 1, 5, 5));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), PixelOfStrip(userImages, 1, 5, 5));
    EXPECT_EQ(otherBefore, PixelOfStrip(userImages, 2, 5, 5));
    EXPECT_TRUE(userImages.IsModified());
}

TEST_F(ButtonAppearance, AUserToolAlwaysOffersItsDefaultImage)
{
    CTavoPWorkspace workspace(TRUE);
    CTavoPUserToolsManager tools(0, 41000, 41010);
    workspace.m_pUserToolsManager = &tools;
    CTavoPUserTool* pTool = tools.CreateNewTool();
    ASSERT_NE(nullptr, pTool);
    pTool->m_strLabel = "Notes";
    ASSERT_LT(CTavoPToolBar::GetDefaultImage(pTool->m_uiCmdId), 0);

    CTavoPToolbarButton button(pTool->m_uiCmdId, -1, "Notes");
    button.m_bUserButton = FALSE;
    button.m_bImage = FALSE;
    button.m_bText = TRUE;
    CTavoPButtonAppearanceDlg dlg(&button, &userImages, &parent);
    EXPECT_EQ(IDOK, Run(dlg, {[](HWND h) {
                            EXPECT_TRUE(::IsDlgButtonChecked(h, IDC_TAVOP_DEFAULT_IMAGE));
                            EXPECT_TRUE(Enabled(h, IDC_TAVOP_DEFAULT_IMAGE));
                            ClickRadio(h, IDC_TAVOP_IMAGE_ONLY);
                            EXPECT_TRUE(Enabled(h, IDC_TAVOP_DEFAULT_IMAGE));
                            ModalScript::Click(h, IDOK);
                        }}));
    // Its icon stands for the image: OK is not refused for want of one.
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(button.m_bImage);
    EXPECT_FALSE(button.m_bUserButton);
    EXPECT_EQ(0, button.GetImage());
    workspace.m_pUserToolsManager = nullptr;
    GetCommandManager()->ClearAllCmdImages();
}

TEST_F(ButtonAppearance, AnExceptionWhileOpeningIsReportedAndClosesTheDialog)
{
    CTavoPToolbarButton button(40125, -1, "Mine");
    button.m_bImage = FALSE;
    const BOOL bUserBefore = button.m_bUserButton;
    CFailingAppearanceDlg dlg(&button, &userImages, &parent);
    dlg.failNext = true;
    // Should the dialog stay open after all, it is cancelled after a while and the test fails.
    static bool s_stayedOpen;
    s_stayedOpen = false;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 2000, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND h = ::FindWindowA(nullptr, kCaption))
        {
            s_stayedOpen = true;
            ::PostMessage(h, WM_COMMAND, IDCANCEL, 0);
        }
    });
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    ::KillTimer(nullptr, timer);
    EXPECT_FALSE(s_stayedOpen);
    EXPECT_EQ(
        std::vector<std::string>{
            "Tavo Toolbar internal error. Please contact your application vendor."},
        Messages());
    EXPECT_EQ("Mine", std::string((LPCTSTR)button.m_strText));
    EXPECT_EQ(bUserBefore, button.m_bUserButton);
    EXPECT_FALSE(button.m_bImage);
}
