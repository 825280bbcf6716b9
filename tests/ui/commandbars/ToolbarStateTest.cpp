// A toolbar's buttons, name and resource items kept in the registry between runs.
#include "tests/support/ArchiveBytes.h"
#include "tests/support/Mutations.h"
#include "tests/support/RegistryTestKey.h"
#include "ui/bars/docking/CTavoPDockBarRow.h"
#include "ui/bars/frames/CTavoPFrameWnd.h"
#include "ui/bars/docking/CTavoPMiniFrameWnd.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/menus/CTavoPToolbarMenuButton.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPWorkspace.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const UINT kSavedResource = 31001;   // open, save, separator, print
const UINT kChangedResource = 31002; // open, find, separator, print
const UINT kOpen = 31101, kSave = 31102, kPrint = 31103, kFind = 31104;

const char* const kRoot = "SOFTWARE\\VorlenTests TS";
const std::string kProfile = "SOFTWARE\\VorlenTests TS\\Settings\\";
const std::string kKey = kProfile + "TavoToolBar-59392";

class CStateToolBar : public CTavoPToolBar
{
public:
    using CTavoPToolBar::AppendCustomizeButton;

    std::vector<UINT> Items() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < GetCount(); i++)
            ids.push_back(GetButton(i)->IsKindOf(RUNTIME_CLASS(CCustomizeButton)) ? 1
                                                                                  : GetItemID(i));
        return ids;
    }
};

class ToolbarState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CTavoPToolBar::ResetAllImages();
        ASSERT_TRUE(
            frame->Create(NULL, "toolbar state", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 300)));
    }
    void TearDown() override { frame->DestroyWindow(); }

    // A bar as the program makes it at start-up: its window, then its resource.
    void Make(CStateToolBar& bar, UINT uiResource, BOOL bCustomizeButton = FALSE)
    {
        ASSERT_TRUE(bar.Create(frame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
        ASSERT_TRUE(bar.LoadToolBar(uiResource));
        if (bCustomizeButton)
            bar.AppendCustomizeButton(new CCustomizeButton);
    }
    void SaveCustomized(UINT uiResource)
    {
        CStateToolBar bar;
        Make(bar, uiResource);
        ASSERT_TRUE(bar.RemoveButton(3)); // print, and with it the separator before it
        bar.SetWindowText("Main");
        ASSERT_TRUE(bar.SaveState(kProfile.c_str()));
        bar.DestroyWindow();
    }

    RegistryTestKey scratch{kRoot};
    CTavoPWorkspace workspace{TRUE};
    CFrameWnd* frame = new CFrameWnd;
};

TEST_F(ToolbarState, SavedValuesReadBackAndLoadIntoAFreshBar)
{
    CStateToolBar bar;
    Make(bar, kSavedResource);
    ASSERT_TRUE(bar.RemoveButton(3));
    bar.SetWindowText("Main");
    ASSERT_TRUE(bar.SaveState(kProfile.c_str()));
    ASSERT_TRUE(bar.SaveState(kProfile.c_str(), -1, 0x1A));
    EXPECT_TRUE(RegistryTestKey::Exists(kKey + "1a"));

    DWORD dwType = 0;
    const std::vector<BYTE> name = RegistryTestKey::Value(kKey, "Name", &dwType);
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_STREQ("Main", (const char*)name.data());
    const Bytes buttons = RegistryTestKey::Value(kKey, "Buttons", &dwType);
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { bar.Serialize(ar); }), buttons);

    // The resource's items as plain buttons, separator included.
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, TRUE);
    ASSERT_TRUE(reg.Open(kKey.c_str()));
    CObList items;
    ASSERT_TRUE(reg.Read("OriginalItems", items));
    std::vector<UINT> ids;
    for (POSITION pos = items.GetHeadPosition(); pos != NULL;)
    {
        CTavoPToolbarButton* pItem = (CTavoPToolbarButton*)items.GetNext(pos);
        EXPECT_EQ(RUNTIME_CLASS(CTavoPToolbarButton), pItem->GetRuntimeClass());
        ids.push_back(pItem->m_nID);
        delete pItem;
    }
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 0, kPrint}), ids);
    bar.DestroyWindow();

    CStateToolBar fresh;
    Make(fresh, kSavedResource, TRUE);
    ASSERT_TRUE(fresh.LoadState(kProfile.c_str()));
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 1}), fresh.Items());
    EXPECT_FALSE(fresh.AreItemsChanged());
    CString strName;
    fresh.GetWindowText(strName);
    EXPECT_STREQ("Main", strName);
    fresh.DestroyWindow();
}

TEST_F(ToolbarState, ForbiddenCommandGoesOnByNoPathAndLeavesAStoredBar)
{
    SaveCustomized(kSavedResource); // open, save
    CTavoPToolBar::UnpermittedCommands().AddTail(kSave);

    CStateToolBar bar;
    Make(bar, kSavedResource);
    EXPECT_EQ((std::vector<UINT>{kOpen, 0, kPrint}), bar.Items()) << "the resource";
    CTavoPToolbarButton save(kSave, 1, "Save");
    EXPECT_EQ(-1, bar.InsertButtonCopy(save));
    EXPECT_EQ(-1, bar.InsertButtonCopy(save, 0));
    CTavoPToolbarButton* pSave = new CTavoPToolbarButton(kSave, 1, "Save");
    EXPECT_EQ(-1, bar.InsertButton(pSave)) << "the caller keeps the refused button";
    EXPECT_EQ(-1, bar.InsertButton(pSave, 1));
    delete pSave;
    const UINT ids[] = {kSave, kOpen};
    ASSERT_TRUE(bar.SetButtons(ids, 2));
    EXPECT_EQ((std::vector<UINT>{kOpen}), bar.Items()) << "a list of commands";

    ASSERT_TRUE(bar.LoadState(kProfile.c_str()));
    EXPECT_EQ((std::vector<UINT>{kOpen}), bar.Items()) << "the stored buttons";
    CTavoPToolBar::UnpermittedCommands().RemoveAll();
    bar.DestroyWindow();
}

TEST_F(ToolbarState, ResourceChangedBetweenRunsMergesItsItems)
{
    // Saved from open, save, |, print with print removed by the user; the resource now has find
    // in place of save.
    SaveCustomized(kSavedResource);
    CStateToolBar bar;
    Make(bar, kChangedResource, TRUE);
    ASSERT_TRUE(bar.LoadState(kProfile.c_str()));
    EXPECT_EQ((std::vector<UINT>{kOpen, kFind, 1}), bar.Items());
    EXPECT_TRUE(bar.AreItemsChanged());
    EXPECT_EQ(CTavoPToolBar::GetDefaultImage(kFind), bar.GetButton(1)->GetImage());
    EXPECT_NE(-1, bar.GetButton(1)->GetImage());
    bar.DestroyWindow();

    // The same resource as saved changes nothing.
    CStateToolBar same;
    Make(same, kSavedResource);
    ASSERT_TRUE(same.SaveState(kProfile.c_str()));
    ASSERT_TRUE(same.LoadState(kProfile.c_str()));
    EXPECT_FALSE(same.AreItemsChanged());
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 0, kPrint}), same.Items());
    same.DestroyWindow();
}

TEST_F(ToolbarState, ResetAndRemovalBringBackTheResource)
{
    SaveCustomized(kSavedResource);
    CStateToolBar bar;
    Make(bar, kSavedResource, TRUE);
    ASSERT_TRUE(bar.LoadState(kProfile.c_str()));
    ASSERT_TRUE(bar.RestoreOriginalState());
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 0, kPrint, 1}), bar.Items());

    ASSERT_TRUE(bar.RemoveStateFromRegistry(kProfile.c_str()));
    EXPECT_FALSE(RegistryTestKey::Exists(kKey));
    bar.RemoveButton(0);
    EXPECT_FALSE(bar.LoadState(kProfile.c_str()));
    EXPECT_EQ((std::vector<UINT>{kSave, 0, kPrint, 1}), bar.Items());
    bar.DestroyWindow();
}

TEST_F(ToolbarState, FloatingLengthIsKeptOnlyByDataVersionsFromSixTwo)
{
    const struct
    {
        int nMajor, nMinor;
        bool bKept;
    } versions[] = {{-1, -1, true}, {4, 70, false}, {6, 2, true}, {7, 0, false}};
    size_t nWithout = 0;
    for (const auto& v : versions)
    {
        workspace.m_iSavedVersionMajor = v.nMajor;
        workspace.m_iSavedVersionMinor = v.nMinor;
        CStateToolBar bar;
        Make(bar, kSavedResource);
        bar.SetMRUWidth(0x123);
        ASSERT_TRUE(bar.SaveState(kProfile.c_str()));
        const Bytes buttons = RegistryTestKey::Value(kKey, "Buttons");
        if (!v.bKept)
            nWithout = buttons.size();
        else
            EXPECT_EQ((std::vector<BYTE>{0x23, 0x01, 0, 0}),
                      std::vector<BYTE>(buttons.end() - 4, buttons.end()))
                << v.nMajor << "." << v.nMinor;

        CStateToolBar fresh;
        Make(fresh, kSavedResource);
        const int nUntouched = fresh.GetMRUWidth();
        LoadFromBytes(buttons, [&](CArchive& ar) { fresh.Serialize(ar); });
        EXPECT_EQ(v.bKept ? 0x123 : nUntouched, fresh.GetMRUWidth()) << v.nMajor << "." << v.nMinor;
        EXPECT_EQ(4, fresh.GetCount());
        fresh.DestroyWindow();
        bar.DestroyWindow();
    }
    workspace.m_iSavedVersionMajor = workspace.m_iSavedVersionMinor = -1;
    CStateToolBar bar;
    Make(bar, kSavedResource);
    ASSERT_TRUE(bar.SaveState(kProfile.c_str()));
    EXPECT_EQ(nWithout + 4, RegistryTestKey::Value(kKey, "Buttons").size());
    bar.DestroyWindow();
}

TEST_F(ToolbarState, DockedBarLoadingTextLabelsMakesItsRowThicker)
{
    CStateToolBar labelled;
    Make(labelled, kSavedResource);
    labelled.EnableTextLabels(TRUE);
    ASSERT_TRUE(labelled.SaveState(kProfile.c_str()));
    labelled.DestroyWindow();

    CTavoPFrameWnd* pFrame = new CTavoPFrameWnd;
    ASSERT_TRUE(pFrame->Create(NULL, "docked", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               CRect(100, 100, 700, 400)));
    ASSERT_TRUE(pFrame->EnableDocking(CBRS_ALIGN_ANY));
    CStateToolBar bar;
    Make(bar, kSavedResource);
    bar.SetParent(pFrame);
    bar.EnableDocking(CBRS_ALIGN_ANY);
    pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP);
    ASSERT_NE(nullptr, bar.GetDockRow());
    const int nPlain = bar.GetDockRow()->GetThickness();

    ASSERT_TRUE(bar.LoadState(kProfile.c_str()));
    EXPECT_TRUE(bar.AreTextLabels());
    CRect rect;
    bar.GetWindowRect(rect);
    EXPECT_GT(rect.Height(), nPlain);
    EXPECT_EQ(rect.Height(), bar.GetDockRow()->GetThickness());
    pFrame->DestroyWindow();
}

TEST_F(ToolbarState, DamagedStoredButtonsFailAndKeepTheResourceButtons)
{
    SaveCustomized(kSavedResource);
    const Bytes good = RegistryTestKey::Value(kKey, "Buttons");
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", Bytes()},
        {"truncated", Bytes(good.begin(), good.begin() + good.size() / 2)},
        {"null entry", ByteWriter().D(CBRS_ALIGN_TOP).D(1).W(1).W(0).D(0).B(0).D(0)},
        {"foreign class", ByteWriter().D(CBRS_ALIGN_TOP).D(1).W(1).NewClass(1, "CTavoPToolBar")},
        {"huge count", ByteWriter().D(CBRS_ALIGN_TOP).D(1).W(0xFFFF).D(0x7FFFFFFF)},
    };
    for (const auto& c : cases)
    {
        RegistryTestKey::SetBinary(kKey, "Buttons", c.bytes);
        CStateToolBar bar;
        Make(bar, kSavedResource, TRUE);
        bar.RemoveButton(0);
        EXPECT_FALSE(bar.LoadState(kProfile.c_str())) << c.what;
        EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 0, kPrint, 1}), bar.Items()) << c.what;
        EXPECT_FALSE(bar.AreItemsChanged()) << c.what;
        bar.DestroyWindow();
    }
}

TEST_F(ToolbarState, DamagedOriginalItemsLeaveTheStoredButtons)
{
    SaveCustomized(kSavedResource);
    CByteArray foreign;
    CTavoPToolbarButton open(kOpen, -1);
    CObList mixed;
    mixed.AddTail(&open);
    mixed.AddTail(&foreign);
    {
        CTavoPRegistryHolder holder;
        CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(kKey.c_str()));
        ASSERT_TRUE(reg.Write("OriginalItems", mixed));
        CObList readBack;
        ASSERT_TRUE(reg.Read("OriginalItems", readBack));
        EXPECT_EQ(2, readBack.GetCount());
        while (!readBack.IsEmpty())
            delete readBack.RemoveHead();
    }
    for (const Bytes& items :
         {RegistryTestKey::Value(kKey, "OriginalItems"), Bytes(ByteWriter().W(3).W(0xFFFF).W(1))})
    {
        RegistryTestKey::SetBinary(kKey, "OriginalItems", items);
        CStateToolBar bar;
        Make(bar, kChangedResource);
        EXPECT_TRUE(bar.LoadState(kProfile.c_str()));
        EXPECT_EQ((std::vector<UINT>{kOpen, kSave}), bar.Items());
        bar.DestroyWindow();
    }
}

// A "Buttons" value of seven buttons whose second entry refers back to the first, ending in a
// floating width of 0x7FFF. The bar would hold one button twice and delete it twice.
const char kButtonListedTwice[] =
    "00200000010000000700ffff01001300435461766f50546f6f6c626172427574746f6e65000000000000000000"
    "000000000000000000000000000000010096000000020005616c706861046265746101000000020000000000000004"
    "46757a7aff7f0000e3f4";

Bytes FromHex(const char* pszHex)
{
    Bytes bytes;
    for (; pszHex[0] != 0 && pszHex[1] != 0; pszHex += 2)
        bytes.push_back((BYTE)std::stoi(std::string(pszHex, 2), nullptr, 16));
    return bytes;
}

// Every entry of the bar is a distinct button.
void ExpectDistinctButtons(const CTavoPToolBar& bar, const char* pszWhat)
{
    std::set<const void*> seen;
    for (POSITION pos = bar.GetAllButtons().GetHeadPosition(); pos != NULL;)
    {
        const CObject* pButton = bar.GetAllButtons().GetNext(pos);
        ASSERT_NE(nullptr, pButton) << pszWhat;
        ASSERT_TRUE(seen.insert(pButton).second) << pszWhat;
    }
}

TEST_F(ToolbarState, AButtonListedTwiceFailsTheLoadAndKeepsTheResourceButtons)
{
    RegistryTestKey::SetBinary(kKey, "Buttons", FromHex(kButtonListedTwice));
    EXPECT_EQ(102u, RegistryTestKey::Value(kKey, "Buttons").size());
    CStateToolBar bar;
    Make(bar, kSavedResource, TRUE);
    EXPECT_FALSE(bar.LoadState(kProfile.c_str()));
    EXPECT_EQ((std::vector<UINT>{kOpen, kSave, 0, kPrint, 1}), bar.Items());
    ExpectDistinctButtons(bar, "after the load");
    bar.DestroyWindow();

    // The same bytes through the archive alone, as the menu bar and the bar-state cache read them.
    CStateToolBar direct;
    Make(direct, kSavedResource);
    EXPECT_EQ(
        CArchiveException::badIndex,
        LoadFailureCause(FromHex(kButtonListedTwice), [&](CArchive& ar) { direct.Serialize(ar); }));
    ExpectDistinctButtons(direct, "after the archive");
    direct.DestroyWindow();
}

TEST_F(ToolbarState, AStoredButtonTextHoldingANulLaysOutAndSavesAgain)
{
    // Stored text carries its length and may hold a NUL: the mnemonics of the layout once
    // searched such a text for ever.
    const char text[] = {'&', 'N', '\0', 'x', '&', 'y'};
    CStateToolBar source;
    Make(source, kSavedResource);
    source.SetButtonTextImage(0, NULL, TRUE, TRUE);
    source.GetButton(0)->m_strText = CString(text, (int)sizeof text);
    source.SetMRUWidth(0x7FFF);
    ASSERT_TRUE(source.SaveState(kProfile.c_str()));
    source.DestroyWindow();

    CStateToolBar bar;
    Make(bar, kSavedResource);
    ASSERT_TRUE(bar.LoadState(kProfile.c_str()));
    EXPECT_EQ(6, bar.GetButtonText(0).GetLength());
    const CSize size = bar.CalcLayout(LM_HORZ | LM_MRUWIDTH);
    EXPECT_GT(size.cx, 0);
    EXPECT_TRUE(bar.SaveState(kProfile.c_str()));
    bar.DestroyWindow();
}

TEST_F(ToolbarState, MutatedStoredButtonsLeaveABarThatLaysOutAndSavesAgain)
{
    // A valid state with every kind of entry: plain buttons, a separator, a text label and a
    // menu button with sub-items of its own.
    {
        CStateToolBar source;
        Make(source, kSavedResource);
        HMENU hMenu = ::CreatePopupMenu();
        ::AppendMenu(hMenu, MF_STRING, kFind, "&Find");
        ::AppendMenu(hMenu, MF_STRING, kPrint, "&Print");
        source.InsertButton(new CTavoPToolbarMenuButton(0, hMenu, -1, "&More"));
        ::DestroyMenu(hMenu);
        source.SetButtonTextImage(0, "&Open", TRUE, TRUE);
        source.SetMRUWidth(200);
        ASSERT_TRUE(source.SaveState(kProfile.c_str()));
        source.DestroyWindow();
    }
    const Bytes valid = RegistryTestKey::Value(kKey, "Buttons");

    // Floating, so that the loaded floating width takes part in the layout.
    CTavoPMiniFrameWnd* pMiniFrame = new CTavoPMiniFrameWnd;
    ASSERT_TRUE(
        pMiniFrame->Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(0, 0, 200, 100), NULL));
    CStateToolBar bar;
    ASSERT_TRUE(bar.Create(pMiniFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    pMiniFrame->AddControlBar(&bar);
    ASSERT_TRUE(bar.LoadToolBar(kSavedResource));

    std::mt19937 random(35);
    int nLoaded = 0;
    for (int i = 0; i < 2000; i++)
    {
        const Bytes damaged = Mutate(valid, random);
        RegistryTestKey::SetBinary(kKey, "Buttons", damaged);
        if (bar.LoadState(kProfile.c_str()))
            nLoaded++;
        const std::string what = "mutation " + std::to_string(i);
        ExpectDistinctButtons(bar, what.c_str());
        if (::testing::Test::HasFailure())
            break;
        bar.CalcLayout(LM_HORZ | LM_MRUWIDTH | LM_COMMIT);
        bar.CalcLayout(LM_HORZ, 120);
        bar.CalcLayout(LM_VERTDOCK);

        // What it saves loads back unchanged.
        const Bytes saved = StoreToBytes([&](CArchive& ar) { bar.Serialize(ar); });
        CStateToolBar again;
        ASSERT_EQ(-1, LoadFailureCause(saved, [&](CArchive& ar) { again.Serialize(ar); })) << what;
        ASSERT_EQ(bar.GetCount(), again.GetCount()) << what;
    }
    // The mutations are not all fatal: some damaged values still load.
    EXPECT_GT(nLoaded, 0);
    EXPECT_LT(nLoaded, 2000);
    pMiniFrame->DestroyWindow();
}

} // namespace
