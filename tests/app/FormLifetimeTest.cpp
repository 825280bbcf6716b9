// A form opened and closed all day long gives back everything it took: window objects, drawing objects, windows.
#include "app/CStockInDialog.h"
#include "framework/CDC.h"
#include "framework/CGdiObject.h"
#include "framework/CMenu.h"
#include "res/resource.h"
#include "tests/app/DialogTest.h"
#include "tests/support/GuiObjects.h"
#include <map>

namespace {

using FormLifetime = DialogTest;

// What the framework's handle maps and the process hold, after the idle-time clean-up.
std::map<std::string, int> Holdings()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    std::map<std::string, int> held = {
        {"window objects", CWnd::GetPermanentMapCount()},
        {"menu objects", CMenu::GetPermanentMapCount()},
        {"DC objects", CDC::GetPermanentMapCount()},
        {"GDI objects of the framework", CGdiObject::GetPermanentMapCount()},
        {"windows", GuiObjects::WindowCount(GetCurrentProcessId())},
    };
    // By kind, so that a failure names what grew.
    for (const auto& kind : GuiObjects::GdiKinds(GetCurrentProcess()))
    {
        char name[32];
        wsprintfA(name, "GDI objects of kind 0x%02x", kind.first);
        held[name] = kind.second;
    }
    return held;
}

} // namespace

TEST_F(FormLifetime, StockInFormOpenedAndClosedManyTimesGivesBackWhatItTook)
{
    m_db.Exec("INSERT INTO 进 VALUES('2003-11-01','张三','中药材','针剂','A1','甘草','甘肃','1kg',"
              "'B1','2004-11-14',10,3)");
    auto openAndClose = [&] {
        CStockInDialog form;
        form.m_pDatabase = &m_db.Db();
        ModalScript script;
        script.When("入库登记表", [](HWND dialog) { ModalScript::Click(dialog, IDCANCEL); });
        EXPECT_EQ(IDCANCEL, form.DoModal());
        EXPECT_TRUE(script.Finished()) << script.Failure();
    };
    // The first opening registers classes and fills the platform's caches.
    openAndClose();
    const std::map<std::string, int> before = Holdings();
    ASSERT_GT(before.size(), 5u) << "the process's GDI objects cannot be counted here";
    for (int i = 0; i < 25; ++i)
        openAndClose();
    EXPECT_EQ(before, Holdings());
}
