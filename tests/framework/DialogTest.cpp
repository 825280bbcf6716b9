// Dialogs: the modal loop driven by posted input, data exchange refusing bad numbers with the
// framework's prompt and the focus back on the field, and the combo and check exchanges.
#include "tests/framework/WinTestApp.h"
#include "tests/support/DialogTemplate.h"
#include <gtest/gtest.h>

namespace {

const WORD IDC_VALUE = 100;
const WORD IDC_COMBO = 101;
const WORD IDC_CHECK = 102;

LPCDLGTEMPLATE ValueDialogTemplate()
{
    static DialogTemplate dlg("数值", 160, 80);
    static bool built = false;
    if (!built)
    {
        dlg.Add(0x0081, IDC_VALUE, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 80, 14)
            .Add(0x0085, IDC_COMBO, "", WS_TABSTOP | CBS_DROPDOWN | WS_VSCROLL, 10, 30, 80, 60)
            .Add(0x0080, IDC_CHECK, "check", WS_TABSTOP | BS_AUTOCHECKBOX, 100, 30, 50, 14)
            .Add(0x0080, IDOK, "OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 100, 10, 50, 14);
        built = true;
    }
    return dlg.Get();
}

void PostText(HWND hEdit, const char* text)
{
    ::PostMessage(hEdit, EM_SETSEL, 0, -1);
    for (const char* p = text; *p != '\0'; ++p)
        ::PostMessage(hEdit, WM_CHAR, (WPARAM)(unsigned char)*p, 1);
}

// A form with one float. Once the dialog is up and idle, the test types "abc", presses OK,
// then types "3.5" and presses OK again.
class CFloatDialog : public CDialog
{
public:
    float m_value = 2.5f;
    int m_nKickIdles = 0;
    std::vector<float> m_valuesAfterOk;
    std::vector<int> m_focusAfterOk; // control id with the focus

    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_VALUE, m_value); }
    void OnOK() override
    {
        CDialog::OnOK();
        m_valuesAfterOk.push_back(m_value);
        m_focusAfterOk.push_back(::GetDlgCtrlID(::GetFocus()));
    }
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        if (m_nKickIdles++ == 0)
        {
            HWND hEdit = ::GetDlgItem(m_hWnd, IDC_VALUE);
            PostText(hEdit, "abc");
            ::PostMessage(m_hWnd, WM_COMMAND, IDOK, 0);
            PostText(hEdit, "3.5");
            ::PostMessage(m_hWnd, WM_COMMAND, IDOK, 0);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFloatDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

template <class T>
class CValueDialog : public CDialog
{
public:
    T m_value{};
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_VALUE, m_value); }
};

class CComboCheckDialog : public CDialog
{
public:
    CString m_strCombo;
    int m_nCheck = 0;
    CComboBox m_combo;
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_COMBO, m_combo);
        DDX_CBString(pDX, IDC_COMBO, m_strCombo);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
    }
};

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestApp();
        CTestSeams::Engage();
    }
    void TearDown() override { CTestSeams::Release(); }

    // Puts text into the value field of a modeless dialog and exchanges it into the member.
    template <class T>
    bool Exchange(const char* text, T& value)
    {
        CValueDialog<T> dlg;
        dlg.m_value = value;
        if (!dlg.CreateIndirect(ValueDialogTemplate()))
            return false;
        ::SetDlgItemText(dlg.m_hWnd, IDC_VALUE, text);
        bool ok = dlg.UpdateData(TRUE) != FALSE;
        value = dlg.m_value;
        dlg.DestroyWindow();
        return ok;
    }
};

} // namespace

TEST_F(DialogTest, ModalFloatFieldRefusesTextAndKeepsTheOldValue)
{
    CFloatDialog dlg;
    dlg.InitModalIndirect(ValueDialogTemplate());
    EXPECT_EQ(IDOK, dlg.DoModal());

    ASSERT_EQ(2u, dlg.m_valuesAfterOk.size());
    EXPECT_FLOAT_EQ(2.5f, dlg.m_valuesAfterOk[0]); // "abc" refused, value kept
    EXPECT_FLOAT_EQ(3.5f, dlg.m_valuesAfterOk[1]);
    EXPECT_FLOAT_EQ(3.5f, dlg.m_value);
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("请输入一个数字。", CTestSeams::MessageBoxes()[0].strText);
    // After the refusal the focus was back on the field, named by its control id.
    EXPECT_EQ(IDC_VALUE, dlg.m_focusAfterOk[0]);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, NumberFieldsAcceptOnlyDecimalNumbersInRange)
{
    struct IntCase
    {
        const char* text;
        bool ok;
        int value;
    } intCases[] = {
        {"42", true, 42},    {" -7 ", true, -7}, {"abc", false, 1},         {"", false, 1},
        {"12abc", false, 1}, {"3.5", false, 1},  {"99999999999", false, 1},
    };
    for (const IntCase& c : intCases)
    {
        int value = 1;
        EXPECT_EQ(c.ok, Exchange(c.text, value)) << c.text;
        EXPECT_EQ(c.value, value) << c.text;
    }

    UINT uValue = 5;
    EXPECT_FALSE(Exchange("-1", uValue));
    EXPECT_EQ(5u, uValue);
    struct RealCase
    {
        const char* text;
        bool ok;
        double value;
    } realCases[] = {
        {"1e3", true, 1000}, {" -.5 ", true, -0.5}, {"12.", true, 12}, {"0x1A", false, 1},
        {"inf", false, 1},   {"nan", false, 1},     {"1e", false, 1},  {".", false, 1},
        {"1,5", false, 1},   {"- 1", false, 1},
    };
    for (const RealCase& c : realCases)
    {
        double dValue = 1;
        EXPECT_EQ(c.ok, Exchange(c.text, dValue)) << c.text;
        EXPECT_DOUBLE_EQ(c.value, dValue) << c.text;
    }
    float fValue = 1.0f;
    EXPECT_FALSE(Exchange("1e40", fValue)); // beyond a float
    EXPECT_FLOAT_EQ(1.0f, fValue);
    EXPECT_STREQ("请输入一个整数。", CTestSeams::MessageBoxes()[0].strText);
}

TEST_F(DialogTest, ComboTextAndCheckBoxExchangeBothWays)
{
    CComboCheckDialog dlg;
    dlg.m_strCombo = "乙";
    dlg.m_nCheck = 1;
    ASSERT_TRUE(dlg.CreateIndirect(ValueDialogTemplate()));
    // DDX_Control bound the object on the first exchange made by the dialog's initialisation.
    ASSERT_EQ(&dlg.m_combo, CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_COMBO)));
    dlg.m_combo.AddString("甲");
    dlg.m_combo.AddString("乙丙");
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(1, dlg.m_combo.GetCurSel()); // the entry that begins with the text
    EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_CHECK));

    // A typed text counts like a chosen one.
    dlg.m_combo.SetWindowText("新药");
    dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_STREQ("新药", dlg.m_strCombo);
    EXPECT_EQ(0, dlg.m_nCheck);
    dlg.DestroyWindow();
}

namespace {

// A page with one number: typed "x" is refused when the page is left, "7" is applied.
class CNumberPage : public CPropertyPage
{
public:
    int m_value = 1;
    int m_nApplied = 0;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_VALUE, m_value); }
    BOOL OnApply() override
    {
        ++m_nApplied;
        return CPropertyPage::OnApply();
    }
};

class CDrivenSheet : public CPropertySheet
{
public:
    CDrivenSheet() : CPropertySheet("属性") {}
    int m_nKicks = 0;
    LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        if (m_nKicks++ == 0)
        {
            HWND hPage = (HWND)SendMessage(PSM_GETCURRENTPAGEHWND);
            HWND hEdit = ::GetDlgItem(hPage, IDC_VALUE);
            PostText(hEdit, "x");
            PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
            PostText(hEdit, "7");
            PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDrivenSheet, CPropertySheet)
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

} // namespace

TEST_F(DialogTest, ModalPropertySheetAppliesOnlyValidPages)
{
    DialogTemplate pageTemplate("页", 160, 80, WS_CHILD | WS_CAPTION | DS_CONTROL);
    pageTemplate.Add(0x0081, IDC_VALUE, "", WS_BORDER | WS_TABSTOP, 10, 10, 80, 14);
    CNumberPage page;
    page.InitModalIndirect(pageTemplate.Get());
    CDrivenSheet sheet;
    sheet.AddPage(&page);

    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(7, page.m_value);
    EXPECT_EQ(1, page.m_nApplied);
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_STREQ("请输入一个整数。", CTestSeams::MessageBoxes()[0].strText);
    EXPECT_EQ(nullptr, sheet.m_hWnd);
    EXPECT_EQ(nullptr, page.m_hWnd);
}
