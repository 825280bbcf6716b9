// Toolbar states kept in delete-on-close temporary files: the files on disk around save, load and remove.
#include "ui/commandbars/CTavoPBarStateCache.h"
#include "ui/commandbars/CTavoPToolBar.h"
#include "ui/commandbars/CTavoPToolbarButton.h"
#include "ui/foundation/CTavoPGlobalData.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// A toolbar whose whole state is one string, and whose store can be made to fail half-way.
class StateToolBar : public CTavoPToolBar
{
public:
    explicit StateToolBar(int nButtons = 2)
    {
        for (int i = 0; i < nButtons; i++)
            m_Buttons.AddTail(new CTavoPToolbarButton);
    }
    ~StateToolBar() override
    {
        while (!m_Buttons.IsEmpty())
            delete m_Buttons.RemoveHead();
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            ar << m_strState;
            if (m_bFailStore)
                AfxThrowArchiveException(CArchiveException::genericException);
        }
        else
            ar >> m_strState;
    }

    CString m_strState;
    bool m_bFailStore = false;
};

// Points the process's temporary folder at a folder of its own for the test.
class BarStateCache : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char szTemp[MAX_PATH] = {};
        ::GetTempPath(MAX_PATH, szTemp);
        m_strFolder =
            std::string(szTemp) + "VorlenBarStateCache" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectory(m_strFolder.c_str(), NULL);
        SetTempFolder(m_strFolder);
    }
    void TearDown() override
    {
        GetBarStateCache().RemoveAll();
        ::SetEnvironmentVariable("TMP", m_strOldTmp.empty() ? NULL : m_strOldTmp.c_str());
        ::SetEnvironmentVariable("TEMP", m_strOldTemp.empty() ? NULL : m_strOldTemp.c_str());
        for (const std::string& name : TempFiles())
            ::DeleteFile((m_strFolder + "\\" + name).c_str());
        ::RemoveDirectory(m_strFolder.c_str());
    }
    void SetTempFolder(const std::string& folder)
    {
        if (!m_bSaved)
        {
            m_strOldTmp = Env("TMP");
            m_strOldTemp = Env("TEMP");
            m_bSaved = true;
        }
        ::SetEnvironmentVariable("TMP", folder.c_str());
        ::SetEnvironmentVariable("TEMP", folder.c_str());
    }
    static std::string Env(const char* pszName)
    {
        char szValue[MAX_PATH] = {};
        ::GetEnvironmentVariable(pszName, szValue, MAX_PATH);
        return szValue;
    }
    // The cache's files now in the test's folder.
    std::set<std::string> TempFiles() const
    {
        std::set<std::string> names;
        WIN32_FIND_DATA fd = {};
        HANDLE hFind = ::FindFirstFile((m_strFolder + "\\Tav*.tmp").c_str(), &fd);
        if (hFind == INVALID_HANDLE_VALUE)
            return names;
        do
            names.insert(fd.cFileName);
        while (::FindNextFile(hFind, &fd));
        ::FindClose(hFind);
        return names;
    }

    std::string m_strFolder, m_strOldTmp, m_strOldTemp;
    bool m_bSaved = false;
};

TEST_F(BarStateCache, EachStateLivesInOneTemporaryFileUntilItIsRemoved)
{
    CTavoPBarStateCache cache;
    StateToolBar bar;
    bar.m_strState = "first";
    ASSERT_TRUE(cache.Save(7, &bar));
    const std::set<std::string> afterFirst = TempFiles();
    ASSERT_EQ(afterFirst.size(), 1u);

    bar.m_strState = "changed";
    ASSERT_TRUE(cache.Load(7, &bar));
    EXPECT_STREQ((LPCTSTR)bar.m_strState, "first");
    ASSERT_TRUE(cache.Load(7, &bar)) << "a state stays cached after it is read";
    EXPECT_STREQ((LPCTSTR)bar.m_strState, "first");

    // Saving again under the key swaps in a new file; the old one is gone. The new state spans
    // several archive buffers.
    bar.m_strState = CString('x', 10000);
    ASSERT_TRUE(cache.Save(7, &bar));
    const std::set<std::string> afterSecond = TempFiles();
    ASSERT_EQ(afterSecond.size(), 1u);
    EXPECT_NE(*afterSecond.begin(), *afterFirst.begin());
    bar.m_strState.Empty();
    ASSERT_TRUE(cache.Load(7, &bar));
    EXPECT_EQ(bar.m_strState.GetLength(), 10000);

    StateToolBar other;
    other.m_strState = "other";
    ASSERT_TRUE(cache.Save(8, &other));
    EXPECT_EQ(TempFiles().size(), 2u);

    EXPECT_TRUE(cache.Remove(7));
    EXPECT_EQ(TempFiles().size(), 1u);
    EXPECT_FALSE(cache.Load(7, &bar));
    EXPECT_FALSE(cache.Remove(7));
    ASSERT_TRUE(cache.Load(8, &bar));
    EXPECT_STREQ((LPCTSTR)bar.m_strState, "other");
}

TEST_F(BarStateCache, AFailedSaveKeepsTheEarlierStateAndLeavesNoFile)
{
    CTavoPBarStateCache cache;
    StateToolBar bar;
    bar.m_strState = "kept";
    ASSERT_TRUE(cache.Save(3, &bar));
    const std::set<std::string> before = TempFiles();

    bar.m_strState = "half written";
    bar.m_bFailStore = true;
    EXPECT_FALSE(cache.Save(3, &bar));
    EXPECT_FALSE(cache.Save(4, &bar));
    EXPECT_EQ(TempFiles(), before);
    bar.m_bFailStore = false;

    StateToolBar empty(0);
    empty.m_strState = "no buttons";
    EXPECT_FALSE(cache.Save(3, &empty));
    EXPECT_EQ(TempFiles(), before);

    // No temporary file name can be made in a folder that does not exist.
    SetTempFolder(m_strFolder + "\\missing");
    EXPECT_FALSE(cache.Save(3, &bar));
    SetTempFolder(m_strFolder);
    EXPECT_EQ(TempFiles(), before);

    ASSERT_TRUE(cache.Load(3, &bar));
    EXPECT_STREQ((LPCTSTR)bar.m_strState, "kept");
    EXPECT_FALSE(cache.Load(4, &bar));
}

TEST_F(BarStateCache, LibraryCleanUpClosesEveryFile)
{
    StateToolBar bar;
    for (UINT uiKey = 1; uiKey <= 3; uiKey++)
        ASSERT_TRUE(GetBarStateCache().Save(uiKey, &bar));
    EXPECT_EQ(TempFiles().size(), 3u);

    CleanUpGlobals();
    EXPECT_TRUE(TempFiles().empty());
    EXPECT_FALSE(GetBarStateCache().Load(1, &bar));
}

} // namespace
