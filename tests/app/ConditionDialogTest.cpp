// The condition dialogs and the system-message dialog driven through their real windows.
#include "app/CDayReportDialog.h"
#include "app/CMailLink.h"
#include "app/CMessageDialog.h"
#include "app/CPurchaseQueryDialog.h"
#include "app/CRangeReportDialog.h"
#include "app/CSalesQueryDialog.h"
#include "app/CStockQueryDialog.h"
#include "res/resource.h"
#include "tests/app/DialogTest.h"

using ConditionDialogs = DialogTest;

TEST_F(ConditionDialogs, QueryDialogsProposeTheirRangesAsPlainDates)
{
    std::string start, end;
    auto readAndConfirm = [&](HWND dialog) {
        start = Item(dialog, IDC_QUERY_START);
        end = Item(dialog, IDC_QUERY_END);
        ModalScript::Click(dialog, IDOK);
    };
    {
        CPurchaseQueryDialog purchases;
        ModalScript script;
        script.When("采购查询", readAndConfirm);
        ASSERT_EQ(IDOK, purchases.DoModal());
        EXPECT_EQ("2002-12-03", start);
        EXPECT_EQ("2003-11-24", end);
        EXPECT_STREQ("2002-12-03", purchases.m_startText);
        EXPECT_STREQ("2003-11-24", purchases.m_endText);
    }
    {
        CSalesQueryDialog sales;
        ModalScript script;
        script.When("销售查询", readAndConfirm);
        ASSERT_EQ(IDOK, sales.DoModal());
        EXPECT_STREQ("2003-11-23", sales.m_startText);
        EXPECT_STREQ("2003-11-24", sales.m_endText);
        EXPECT_EQ(CTime(2003, 11, 23, 15, 30, 12), sales.m_start);
        EXPECT_EQ(Noon(), sales.m_end);
    }
    {
        CRangeReportDialog range;
        range.SetRange(CTime(2003, 11, 1, 0, 0, 0), Noon());
        range.SetHint("默认为本月");
        std::string hint;
        ModalScript script;
        script.When("报表－汇总条件", [&](HWND dialog) {
            hint = Item(dialog, IDC_QUERY_HINT);
            readAndConfirm(dialog);
        });
        ASSERT_EQ(IDOK, range.DoModal());
        EXPECT_EQ("默认为本月", hint);
        EXPECT_STREQ("2003-11-01", range.m_startText);
        EXPECT_STREQ("2003-11-24", range.m_endText);
    }
    {
        CDayReportDialog day;
        ModalScript script;
        script.When("日销售报表－汇总条件",
                    [](HWND dialog) { ModalScript::Click(dialog, IDCANCEL); });
        EXPECT_EQ(IDCANCEL, day.DoModal());
        EXPECT_TRUE(day.m_dateText.IsEmpty());
    }
}

TEST_F(ConditionDialogs, ConfirmingHandsTheConditionsToTheView)
{
    {
        CDayReportDialog day;
        ModalScript script;
        script.When("日销售报表－汇总条件", [](HWND dialog) { ModalScript::Click(dialog, IDOK); });
        ASSERT_EQ(IDOK, day.DoModal());
        EXPECT_STREQ("2003-11-24", day.m_dateText);
        EXPECT_EQ(Noon(), day.m_date);
    }
    {
        CStockQueryDialog stock;
        std::string initial;
        ModalScript script;
        script.When("采购库存", [&](HWND dialog) {
            for (int id : {IDC_STOCKQ_NAME, IDC_STOCKQ_ORIGIN, IDC_STOCKQ_SPEC, IDC_STOCKQ_EXPIRY})
                initial += Item(dialog, id) + "|";
            Type(dialog, IDC_STOCKQ_NAME, "板蓝");
            Type(dialog, IDC_STOCKQ_EXPIRY, "2004");
            ModalScript::Click(dialog, IDOK);
        });
        ASSERT_EQ(IDOK, stock.DoModal());
        EXPECT_EQ("||||", initial);
        EXPECT_STREQ("板蓝", stock.m_name);
        EXPECT_STREQ("", stock.m_origin);
        EXPECT_STREQ("", stock.m_spec);
        EXPECT_STREQ("2004", stock.m_expiry);
    }
}

TEST_F(ConditionDialogs, MessageDialogShowsTheReasonAndWritesToTheSupplier)
{
    CMessageDialog message;
    message.SetMessage("文件connect.txt不存在 & #1");
    std::string shown;
    ModalScript script;
    script.When("系统消息", [&](HWND dialog) {
        shown = Item(dialog, IDC_MESSAGE_TEXT);
        // Enter in the message, through the dialog manager as typed: nothing happens.
        HWND edit = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
        SetFocus(edit);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(edit, WM_CHAR, '\r', 1);
        PostMessageA(edit, WM_KEYUP, VK_RETURN, 0xC0000001);
    });
    script.When("系统消息", [&](HWND dialog) {
        ModalScript::Click(dialog, IDC_MESSAGE_SUPPORT);
        ModalScript::Click(dialog, IDC_MESSAGE_HELP);
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, message.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ("文件connect.txt不存在 & #1", shown);
    const auto& launches = CTestSeams::ShellLaunches();
    ASSERT_EQ(2u, launches.size());
    EXPECT_STREQ(CMailLink::Build(
                     "信息反馈单",
                     "在使用【Vorlen】的过程中遇到问题的描述如下：\"文件connect.txt不存在 & #1\" "),
                 launches[0].strFile);
    EXPECT_EQ(-1, launches[0].strFile.Find('#'));
    std::string help = (LPCTSTR)launches[1].strFile;
    EXPECT_EQ("\\help\\vorlen.chm", help.substr(help.size() - 16));
}
