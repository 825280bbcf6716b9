// The forms driven through their real windows, on real databases (SQLite, or the PostgreSQL server
// of a server run).
#include "app/CDatabaseHolder.h"
#include "app/CGridCellEditor.h"
#include "app/CLoginDialog.h"
#include "app/CSaleDialog.h"
#include "app/CSalesMaintainDialog.h"
#include "app/CSettingsDialog.h"
#include "app/CStockInDialog.h"
#include "app/CStockMaintainDialog.h"
#include "res/resource.h"
#include "tests/app/DialogTest.h"

namespace {

using FormDialogs = DialogTest;

const char* const CardStored = "录入成功,登记卡信息已经被系统接纳";

} // namespace

TEST_F(FormDialogs, StockInFormRecordsCardsAndStaysOpen)
{
    m_db.Exec("INSERT INTO 进 "
              "VALUES('2003-11-01','张三','中药材','针剂','A1','甘草','甘肃','1kg','B1','2004-11-"
              "14',10,3)");
    m_db.Exec(
        "INSERT INTO 进 "
        "VALUES('2003-11-02','张三丰','中药','','A1','甘草','甘肃','1kg','B1','2004-11-14',10,3)");
    m_db.Exec("INSERT INTO 进 "
              "VALUES('2003-11-03','李四','西药','片剂','A1','甘草','甘肃','1kg','B1','2004-11-14',"
              "10,3)");
    CStockInDialog form;
    form.m_pDatabase = &m_db.Db();
    std::string status, buyer, price, date, expiry;
    std::vector<std::string> buyers, categories, subCategories;
    bool focusOnBuyer = false;
    ModalScript script;
    script.When("入库登记表", [&](HWND dialog) {
        date = Item(dialog, IDC_STOCKIN_DATE);
        expiry = Item(dialog, IDC_STOCKIN_EXPIRY);
        buyers = ListOf(dialog, IDC_STOCKIN_BUYER);
        categories = ListOf(dialog, IDC_STOCKIN_CATEGORY);
        subCategories = ListOf(dialog, IDC_STOCKIN_SUBCATEGORY);
        // A number the data exchange refuses: nothing may be recorded.
        Type(dialog, IDC_STOCKIN_BUYER, "王五");
        Type(dialog, IDC_STOCKIN_NAME, "注射用板蓝根");
        Type(dialog, IDC_STOCKIN_ORIGIN, "北京");
        Type(dialog, IDC_STOCKIN_SPEC, "10支");
        Type(dialog, IDC_STOCKIN_PRICE, "abc");
        Type(dialog, IDC_STOCKIN_QUANTITY, "3");
        ModalScript::Click(dialog, IDOK);
    });
    script.When("入库登记表", [&](HWND dialog) {
        Type(dialog, IDC_STOCKIN_PRICE, "12.5");
        ModalScript::Click(dialog, IDOK);
    });
    script.When("入库登记表", [&](HWND dialog) {
        status = Item(dialog, IDC_STATUS);
        buyer = Item(dialog, IDC_STOCKIN_BUYER);
        price = Item(dialog, IDC_STOCKIN_PRICE);
        focusOnBuyer = IsChild(GetDlgItem(dialog, IDC_STOCKIN_BUYER), GetFocus());
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, form.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ("2003-11-24", date);
    EXPECT_EQ("2004-11-14", expiry);
    // "中药" begins "中药材", listed before it; an empty text is never offered.
    EXPECT_EQ((std::vector<std::string>{"李四", "张三", "张三丰"}), buyers);
    EXPECT_EQ((std::vector<std::string>{"西药", "中药材"}), categories);
    EXPECT_EQ((std::vector<std::string>{"片剂", "针剂"}), subCategories);
    EXPECT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_EQ(CardStored, status);
    EXPECT_EQ("", buyer);
    EXPECT_EQ("0", price);
    EXPECT_TRUE(focusOnBuyer);
    EXPECT_EQ("1", m_db.Scalar("SELECT COUNT(*) FROM 进 WHERE 采购人='王五'"));
    EXPECT_EQ("12.5,3,2004-11-14",
              m_db.Rows("SELECT 平均成本单价,现有存货量,有效截止日期 FROM 存"));
}

TEST_F(FormDialogs, SaleFormComputesTheAmountWhileTypingAndFilesTheSaleWhenRecorded)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','北京','10支','2004-11-14',10,50)");
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','天津','10支','2004-11-14',10,50)");
    m_db.Exec("INSERT INTO 存 VALUES('甘草','甘肃','1kg','2005-01-01',4,20)");
    CSaleDialog form;
    form.m_pDatabase = &m_db.Db();
    std::vector<std::string> amounts, origins;
    std::string price, perBox, status, typeAfterReset, quantityAfterReset, timeAfterReset;
    bool perBoxShown = false, perBoxHiddenAgain = false;
    ModalScript script;
    script.When("前台销售登记表", [&](HWND dialog) {
        Type(dialog, IDC_SALE_QUANTITY, "3");
        for (const char* typing : {"1", "12", "12.", "12.5"})
        {
            Type(dialog, IDC_SALE_PRICE, typing);
            amounts.push_back(Item(dialog, IDC_SALE_AMOUNT));
        }
        price = Item(dialog, IDC_SALE_PRICE);
        Type(dialog, IDC_SALE_NAME, "板蓝根");
        SendFocusLeaving(dialog, IDC_SALE_NAME);
        origins = ListOf(dialog, IDC_SALE_ORIGIN);

        HWND type = GetDlgItem(dialog, IDC_SALE_TYPE);
        SendMessageA(type, CB_SETCURSEL, 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SALE_TYPE, CBN_SELCHANGE), (LPARAM)type);
        perBox = Item(dialog, IDC_SALE_PER_BOX);
        perBoxShown = IsWindowVisible(GetDlgItem(dialog, IDC_SALE_PER_BOX)) != FALSE;
        SendMessageA(type, CB_SETCURSEL, 0, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_SALE_TYPE, CBN_SELCHANGE), (LPARAM)type);
        perBoxHiddenAgain = !IsWindowVisible(GetDlgItem(dialog, IDC_SALE_PER_BOX));

        Type(dialog, IDC_SALE_ORIGIN, "北京");
        Type(dialog, IDC_SALE_SPEC, "10支");
        Type(dialog, IDC_SALE_EXPIRY, "2004-11-14");
        // The form was left open for a while: the sale happens now, not when the form was ready.
        CTime::SetTestClock(CTime(2003, 11, 25, 8, 0, 1));
        ModalScript::Click(dialog, IDOK);
    });
    script.When("前台销售登记表", [&](HWND dialog) {
        status = Item(dialog, IDC_STATUS);
        typeAfterReset = Item(dialog, IDC_SALE_TYPE);
        quantityAfterReset = Item(dialog, IDC_SALE_QUANTITY);
        timeAfterReset = Item(dialog, IDC_SALE_DATETIME);
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, form.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ((std::vector<std::string>{"3.00", "36.00", "36.00", "37.50"}), amounts);
    EXPECT_EQ("12.5", price);
    EXPECT_EQ((std::vector<std::string>{"北京", "天津"}), origins);
    EXPECT_EQ("20", perBox);
    EXPECT_TRUE(perBoxShown);
    EXPECT_TRUE(perBoxHiddenAgain);
    EXPECT_EQ("新的销售记录已经被系统接纳", status);
    EXPECT_EQ("整盒销售", typeAfterReset);
    EXPECT_EQ("1", quantityAfterReset);
    EXPECT_EQ("2003-11-25 08:00:01", timeAfterReset);
    EXPECT_EQ("2003-11-25 08:00:01,3,37.5", m_db.Rows("SELECT 日期时间,数量,实收金额 FROM 销"));
    EXPECT_EQ("47", m_db.Scalar("SELECT 现有存货量 FROM 存 WHERE 产地='北京'"));
}

TEST_F(FormDialogs, SaleFormSaysWhatWasStoredWhenTheDataSourceRefuses)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','北京','10支','2004-11-14',10,2)");
    CSaleDialog form;
    form.m_pDatabase = &m_db.Db();
    std::vector<std::string> amounts;
    std::string lookup, refused, nameAfterRefusal, notClamped, nameAfterStore, quantityAfterStore;
    ModalScript script;
    script.When("前台销售登记表", [&](HWND dialog) {
        Type(dialog, IDC_SALE_QUANTITY, "3");
        for (const char* typing : {"inf", "nan", "0x1A", "1e39", "-", "2"})
        {
            Type(dialog, IDC_SALE_PRICE, typing);
            amounts.push_back(Item(dialog, IDC_SALE_AMOUNT));
        }
        Type(dialog, IDC_SALE_NAME, "板蓝根");
        Type(dialog, IDC_SALE_ORIGIN, "北京");
        Type(dialog, IDC_SALE_SPEC, "10支");
        Type(dialog, IDC_SALE_EXPIRY, "2004-11-14");
        m_db.Exec("ALTER TABLE 存 RENAME TO 旧存");
        ModalScript::Click(dialog, IDOK);
    });
    script.When("前台销售登记表", [&](HWND dialog) {
        lookup = Item(dialog, IDC_STATUS);
        m_db.Exec("ALTER TABLE 旧存 RENAME TO 存");
        m_db.RefuseCommitsAfterInsertsInto("销");
        ModalScript::Click(dialog, IDOK);
    });
    script.When("前台销售登记表", [&](HWND dialog) {
        refused = Item(dialog, IDC_STATUS);
        nameAfterRefusal = Item(dialog, IDC_SALE_NAME);
        m_db.AcceptCommitsAgain();
        m_db.Refuse("no_clamp", "UPDATE", "存", "clamp refused", "NEW.现有存货量=0");
        ModalScript::Click(dialog, IDOK);
    });
    script.When("前台销售登记表", [&](HWND dialog) {
        notClamped = Item(dialog, IDC_STATUS);
        nameAfterStore = Item(dialog, IDC_SALE_NAME);
        quantityAfterStore = Item(dialog, IDC_SALE_QUANTITY);
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, form.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    // Nothing is computed from a text that is not a decimal number.
    EXPECT_EQ((std::vector<std::string>{"", "", "", "", "", "6.00"}), amounts);
    EXPECT_EQ("打开[库存]错误，可能是输入有误", lookup);
    ASSERT_EQ(1u, CTestSeams::MessageBoxes().size());
    EXPECT_NE(-1, CTestSeams::MessageBoxes()[0].strText.Find(
                      TestDatabase::OnServer() ? "does not exist" : "no such table"));
    // Not stored: the form keeps the sale for another try.
    EXPECT_EQ(0u, refused.find(CSaleCard::NotCommittedText)) << refused;
    EXPECT_EQ("板蓝根", nameAfterRefusal);
    // Stored: the form is ready for the next sale, so this one is not added twice.
    EXPECT_EQ(0u, notClamped.find(CSaleCard::NotClampedText)) << notClamped;
    EXPECT_NE(std::string::npos, notClamped.find("clamp refused"));
    EXPECT_EQ("", nameAfterStore);
    EXPECT_EQ("1", quantityAfterStore);
    EXPECT_EQ("1,-1", m_db.Rows("SELECT (SELECT COUNT(*) FROM 销),(SELECT 现有存货量 FROM 存)"));
}

// Records what each press of 登陆 leaves on the screen: the status and which field has the focus.
class CRecordingLogin : public CLoginDialog
{
public:
    std::vector<std::string> statuses, focus;

protected:
    void OnOK() override
    {
        CLoginDialog::OnOK();
        statuses.push_back(ModalScript::ItemText(m_hWnd, IDC_STATUS));
        HWND focused = ::GetFocus();
        if (focused == ::GetDlgItem(m_hWnd, IDC_LOGIN_PASSWORD))
            focus.push_back("password");
        else if (::IsChild(::GetDlgItem(m_hWnd, IDC_LOGIN_USER), focused))
            focus.push_back("user");
        else
            focus.push_back("other");
    }
};

TEST_F(FormDialogs, LoginAdmitsOnlyTheExactAccount)
{
    m_db.Exec("INSERT INTO 操作员 VALUES('Admin','pw')");
    struct Attempt
    {
        const char* user;
        const char* password;
    } attempts[] = {{"管理员", "73"}, {"admin", "pw"}, {"Admin", "PW"}, {"管理员", "739"}};
    CRecordingLogin login;
    login.m_pDatabase = &m_db.Db();
    std::vector<std::string> users, passwords;
    std::string greeting;
    ModalScript script;
    for (const Attempt& attempt : attempts)
    {
        script.When("登陆对话框", [&, attempt](HWND dialog) {
            if (users.empty())
            {
                users = ListOf(dialog, IDC_LOGIN_USER);
                greeting = Item(dialog, IDC_STATUS);
            }
            else
                passwords.push_back(Item(dialog, IDC_LOGIN_PASSWORD));
            Type(dialog, IDC_LOGIN_USER, attempt.user);
            Type(dialog, IDC_LOGIN_PASSWORD, attempt.password);
            ModalScript::Click(dialog, IDOK);
        });
    }
    DWORD started = GetTickCount();
    EXPECT_EQ(IDOK, login.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_GE(GetTickCount() - started, 500u);
    EXPECT_EQ((std::vector<std::string>{"管理员", "Admin"}), users);
    EXPECT_EQ("输入用户名和密码", greeting);
    EXPECT_EQ((std::vector<std::string>{"密码错误！", "用户不存在！", "密码错误！", "登陆成功！"}),
              login.statuses);
    // After a refusal the operator types again where the mistake was.
    login.focus.resize(3);
    EXPECT_EQ((std::vector<std::string>{"password", "user", "password"}), login.focus);
    EXPECT_EQ((std::vector<std::string>{"", "", ""}), passwords);
}

TEST(LoginCheck, FirstOfEqualNamesDecides)
{
    TestDatabase db(TestDatabase::Empty);
    db.Exec("CREATE TABLE 操作员 (用户名 VARCHAR(20), 密码 VARCHAR(20))");
    db.Exec("INSERT INTO 操作员 VALUES('甲','1')");
    db.Exec("INSERT INTO 操作员 VALUES('甲','2')");
    db.Exec("INSERT INTO 操作员 VALUES('乙','')");
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    CEditGrid accounts;
    ASSERT_TRUE(accounts.CreateAndLoad(&db.Db(), "操作员", "SELECT * FROM 操作员", &host,
                                       CRect(0, 0, 1, 1), FALSE, FALSE));
    EXPECT_EQ(CLoginDialog::Admitted, CLoginDialog::CheckAccount(accounts, "甲", "1"));
    EXPECT_EQ(CLoginDialog::WrongPassword, CLoginDialog::CheckAccount(accounts, "甲", "2"));
    EXPECT_EQ(CLoginDialog::Admitted, CLoginDialog::CheckAccount(accounts, "乙", ""));
    EXPECT_EQ(CLoginDialog::UnknownUser, CLoginDialog::CheckAccount(accounts, "丙", ""));
    host.DestroyWindow();
}

TEST_F(FormDialogs, SettingsRefuseToDeleteTheLastAccount)
{
    CSettingsDialog settings;
    settings.m_pDatabase = &m_db.Db();
    ModalScript script;
    script.When("系统设置", [&](HWND dialog) { ModalScript::Click(dialog, IDC_SETTINGS_DELETE); });
    script.When("系统设置", [&](HWND dialog) {
        settings.GetGrid().SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        ModalScript::Click(dialog, IDC_SETTINGS_DELETE);
    });
    script.When("系统设置", [&](HWND dialog) { ModalScript::Click(dialog, IDCANCEL); });
    EXPECT_EQ(IDCANCEL, settings.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    const auto& boxes = CTestSeams::MessageBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_STREQ("请选择一个不在使用的帐号。", boxes[0].strText);
    EXPECT_NE(-1, boxes[1].strText.Find("最后一个帐号"));
    EXPECT_EQ("1", m_db.Scalar("SELECT COUNT(*) FROM 操作员"));
}

TEST_F(FormDialogs, SettingsDeleteAnAccountAfterConfirmation)
{
    m_db.Exec("INSERT INTO 操作员 VALUES('张三','1')");
    CSettingsDialog settings;
    settings.m_pDatabase = &m_db.Db();
    ModalScript script;
    script.When("系统设置", [&](HWND dialog) {
        CTestSeams::QueueMessageBoxAnswer(IDNO);
        CTestSeams::QueueMessageBoxAnswer(IDYES);
        settings.GetGrid().SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        ModalScript::Click(dialog, IDC_SETTINGS_DELETE);
        ModalScript::Click(dialog, IDC_SETTINGS_DELETE);
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, settings.DoModal());
    const auto& boxes = CTestSeams::MessageBoxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_STREQ("确认删除帐号:张三  ?", boxes[0].strText);
    EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), boxes[0].nType);
    EXPECT_EQ("0", m_db.Scalar("SELECT COUNT(*) FROM 操作员 WHERE 用户名='张三'"));
}

TEST_F(FormDialogs, MaintenanceButtonsActOnTheGrid)
{
    m_db.Exec("INSERT INTO 存 VALUES('板蓝根','北京','10支','2004-11-14',10,5)");
    m_db.Exec("INSERT INTO 存 VALUES('甘草','甘肃','1kg','2005-01-01',4,20)");
    const std::string report = m_db.Folder() + "REPORT.HTM";
    CStockMaintainDialog maintain;
    maintain.m_pDatabase = &m_db.Db();
    CEditGrid& grid = maintain.GetGrid();
    std::vector<int> rows;
    int editedAfterAdd = -1;
    ModalScript script;
    script.When("维护库存记录", [&](HWND dialog) {
        rows.push_back(grid.GetItemCount());
        ModalScript::Click(dialog, IDC_MAINTAIN_DELETE); // nothing selected: nothing happens
    });
    script.When("维护库存记录", [&](HWND dialog) {
        rows.push_back(grid.GetItemCount());
        grid.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        ModalScript::Click(dialog, IDC_MAINTAIN_DELETE);
    });
    script.When("维护库存记录", [&](HWND dialog) {
        rows.push_back(grid.GetItemCount());
        m_db.Exec("INSERT INTO 存 VALUES('当归','甘肃','1kg','2005-01-01',8,1)");
        ModalScript::Click(dialog, IDC_MAINTAIN_RELOAD);
    });
    script.When("维护库存记录", [&](HWND dialog) {
        rows.push_back(grid.GetItemCount());
        ModalScript::Click(dialog, IDC_MAINTAIN_ADD);
    });
    script.When("维护库存记录", [&](HWND dialog) {
        editedAfterAdd = grid.GetEditedRow();
        const char* values[] = {"黄芪", "内蒙", "500g", "2006-06-30", "3", ""};
        for (int i = 0; i < 6; ++i)
            grid.GetEditor(i)->SetText(values[i]);
        ModalScript::Click(dialog, IDC_MAINTAIN_SAVE);
        CTestSeams::QueueFileDialogAnswer((m_db.Folder() + "report").c_str());
        ModalScript::Click(dialog, IDC_MAINTAIN_EXPORT);
        ModalScript::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, maintain.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ((std::vector<int>{2, 2, 1, 2}), rows);
    EXPECT_EQ(2, editedAfterAdd);
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
    EXPECT_EQ("当归|甘草|黄芪", m_db.Rows("SELECT 名称 FROM 存 ORDER BY 名称"));
    EXPECT_EQ("0", m_db.Scalar("SELECT 现有存货量 FROM 存 WHERE 名称='黄芪'"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(report.c_str()));
    DeleteFileA(report.c_str());
}

TEST_F(FormDialogs, SettingsRunAtLogonFollowsTheCheckBoxAtOnce)
{
    // A value of this test's own: the holder's tests run beside it on the same registry.
    CDatabaseHolder::SetAutorunValueName("VorlenSettingsDialogTest");
    CDatabaseHolder::ClearAutorun();
    auto valueExists = [] {
        return RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                            "VorlenSettingsDialogTest", RRF_RT_REG_SZ, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
    };
    std::vector<int> shown;
    std::vector<bool> stored;
    // Opened twice: each time the box is clicked once, and the value must follow at once.
    for (int round = 0; round < 2; ++round)
    {
        CSettingsDialog settings;
        settings.m_pDatabase = &m_db.Db();
        ModalScript script;
        script.When("系统设置", [&](HWND dialog) {
            shown.push_back((int)IsDlgButtonChecked(dialog, IDC_SETTINGS_AUTORUN));
            PostMessageA(GetDlgItem(dialog, IDC_SETTINGS_AUTORUN), BM_CLICK, 0, 0);
        });
        script.When("系统设置", [&](HWND dialog) {
            shown.push_back((int)IsDlgButtonChecked(dialog, IDC_SETTINGS_AUTORUN));
            stored.push_back(valueExists());
            ModalScript::Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(IDCANCEL, settings.DoModal());
        EXPECT_TRUE(script.Finished()) << script.Failure();
    }
    CDatabaseHolder::ClearAutorun();
    CDatabaseHolder::SetAutorunValueName("Vorlen");
    // Unchecked, checked and stored; shown checked when opened again, unchecked and removed.
    EXPECT_EQ((std::vector<int>{0, 1, 1, 0}), shown);
    EXPECT_EQ((std::vector<bool>{true, false}), stored);
}

TEST_F(FormDialogs, ClosingMaintenanceCommitsTheRowBeingEdited)
{
    m_db.Exec("INSERT INTO 销 VALUES('2003-11-24 "
              "10:00:00','板蓝根','北京','10支','2004-11-14',15,2,'整盒销售',30,0)");
    CSalesMaintainDialog maintain;
    maintain.m_pDatabase = &m_db.Db();
    ModalScript script;
    script.When("维护销售记录", [&](HWND dialog) {
        CEditGrid& grid = maintain.GetGrid();
        ASSERT_EQ(10, grid.BeginEdit(0));
        grid.GetEditor(9)->SetText("1");
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(IDCANCEL, maintain.DoModal());
    EXPECT_TRUE(script.Finished()) << script.Failure();
    EXPECT_EQ("1", m_db.Scalar("SELECT 坏帐 FROM 销"));
    EXPECT_TRUE(CTestSeams::MessageBoxes().empty());
}
