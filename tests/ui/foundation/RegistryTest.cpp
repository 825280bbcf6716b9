// Registry access against the real registry of the test prefix, under a test key of its own.
#include "tests/support/RegistryTestKey.h"
#include "ui/foundation/CTavoPRegistryHolder.h"
#include "ui/foundation/CTavoPStateKey.h"
#include "ui/foundation/BuildRegistryPath.h"
#include "framework/FrameworkWin.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
typedef std::vector<unsigned char> Bytes;

const char* const kBase = "Software\\TavoRegistryTest";

// A stored record of the library's kind: an int and a text, schema 1.
class CRegTestItem : public CObject
{
    DECLARE_SERIAL(CRegTestItem)
public:
    CRegTestItem() { s_alive++; }
    CRegTestItem(int n, const char* text) : m_n(n), m_text(text) { s_alive++; }
    ~CRegTestItem() override { s_alive--; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n << m_text;
        else
            ar >> m_n >> m_text;
    }
    int m_n = 0;
    CString m_text;
    static int s_alive;
};
IMPLEMENT_SERIAL(CRegTestItem, CObject, 1)
int CRegTestItem::s_alive = 0;

// The same record in a class that cannot make a spare object of itself.
class CRegFixedItem : public CRegTestItem
{
    DECLARE_DYNAMIC(CRegFixedItem)
public:
    using CRegTestItem::CRegTestItem;
};
IMPLEMENT_DYNAMIC(CRegFixedItem, CRegTestItem)

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteTree();
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyEx(HKEY_CURRENT_USER, kBase, 0, nullptr, 0,
                                                  KEY_ALL_ACCESS, nullptr, &hKey, nullptr));
        ::RegCloseKey(hKey);
    }
    void TearDown() override { DeleteTree(); }
    static void DeleteTree()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kBase);
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kBase);
    }

    // The stored bytes and type of a value of the test key.
    static Bytes Raw(const char* name, DWORD* pType = nullptr, const char* sub = "")
    {
        std::string path = std::string(kBase) + sub;
        DWORD type = 0, cb = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                           nullptr, &cb) != ERROR_SUCCESS)
            return Bytes{0xEE}; // "missing" marker no real value here has
        Bytes data(cb);
        ::RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       data.data(), &cb);
        if (pType)
            *pType = type;
        return data;
    }
    static void SetRaw(const char* name, DWORD type, const Bytes& data)
    {
        HKEY hKey;
        ::RegOpenKeyEx(HKEY_CURRENT_USER, kBase, 0, KEY_ALL_ACCESS, &hKey);
        ::RegSetValueEx(hKey, name, 0, type, data.data(), (DWORD)data.size());
        ::RegCloseKey(hKey);
    }
    // A writable object on the test key (opened with a trailing backslash).
    CTavoPRegistry& Writer()
    {
        CTavoPRegistry& reg = m_writer.Create(FALSE, FALSE);
        EXPECT_TRUE(reg.Open((std::string(kBase) + "\\").c_str()));
        return reg;
    }
    CTavoPRegistry& Reader()
    {
        CTavoPRegistry& reg = m_reader.Create(FALSE, TRUE);
        EXPECT_TRUE(reg.Open(kBase));
        return reg;
    }
    CTavoPRegistryHolder m_writer, m_reader;
};

Bytes ToBytes(const char* s)
{
    return Bytes(s, s + std::strlen(s) + 1);
}
}

TEST_F(Registry, NumbersAndStringsAreStoredAsTheirOwnTypes)
{
    CTavoPRegistry& reg = Writer();
    EXPECT_TRUE(reg.WriteNumber("Number", 0x12345678));
    EXPECT_TRUE(reg.WriteNumber("Minus", (DWORD)-2));
    const std::string gbk = "注射用板蓝根";
    const std::string longText(300, 'x');
    EXPECT_TRUE(reg.WriteString("Empty", ""));
    EXPECT_TRUE(reg.WriteString("Gbk", gbk.c_str()));
    EXPECT_TRUE(reg.WriteString("Long", longText.c_str()));

    DWORD type = 0;
    EXPECT_EQ((Bytes{0x78, 0x56, 0x34, 0x12}), Raw("Number", &type));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    EXPECT_EQ(Bytes{0}, Raw("Empty", &type));
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_EQ(ToBytes(gbk.c_str()), Raw("Gbk"));
    EXPECT_EQ(301u, Raw("Long").size());

    CTavoPRegistry& rd = Reader();
    DWORD dw = 0;
    int n = 0;
    EXPECT_TRUE(rd.ReadNumber("Number", dw));
    EXPECT_EQ(0x12345678u, dw);
    EXPECT_TRUE(rd.ReadNumber("Minus", n));
    EXPECT_EQ(-2, n);
    CString text = "old";
    EXPECT_TRUE(rd.ReadString("Empty", text));
    EXPECT_STREQ("", text);
    EXPECT_TRUE(rd.ReadString("Gbk", text));
    EXPECT_STREQ(gbk.c_str(), text);
    EXPECT_TRUE(rd.ReadString("Long", text));
    EXPECT_EQ(300, text.GetLength());
    EXPECT_FALSE(rd.ReadString("Missing", text));
    EXPECT_STREQ("", text);

    // Shorter values read zero-extended; the type is not checked; too long or missing fail.
    SetRaw("Short", REG_BINARY, Bytes{0x34, 0x12});
    SetRaw("Text", REG_SZ, ToBytes("ab"));
    SetRaw("Wide", REG_BINARY, Bytes{1, 2, 3, 4, 5});
    // A reader reads the key as it was when it first read from it: these are read anew.
    CTavoPRegistryHolder again;
    CTavoPRegistry& rd2 = again.Create(FALSE, TRUE);
    ASSERT_TRUE(rd2.Open(kBase));
    dw = 0xFFFFFFFF;
    EXPECT_TRUE(rd2.ReadNumber("Short", dw));
    EXPECT_EQ(0x1234u, dw);
    EXPECT_TRUE(rd2.ReadNumber("Text", dw));
    EXPECT_EQ(0x6261u, dw);
    dw = 7;
    EXPECT_FALSE(rd2.ReadNumber("Wide", dw));
    EXPECT_FALSE(rd2.ReadNumber("Missing", dw));
    EXPECT_EQ(7u, dw);
}

TEST_F(Registry, ArchivedValuesMatchTheirStoredBytes)
{
    CTavoPRegistry& reg = Writer();
    CRect rect(1, -2, 300, 4);
    CPoint point(-5, 7);
    CWordArray words;
    words.Add(1);
    words.Add(0xABCD);
    CStringArray strings;
    strings.Add("a");
    strings.Add("销售");
    CDWordArray dwords;
    dwords.Add(0xE801);
    CByteArray bytes;
    bytes.Add(9);
    EXPECT_TRUE(reg.WriteRect("Rect", rect));
    EXPECT_TRUE(reg.WritePoint("Point", point));
    EXPECT_TRUE(reg.WriteWordArray("Words", words));
    EXPECT_TRUE(reg.Write("Strings", strings));
    EXPECT_TRUE(reg.Write("DWords", dwords));
    EXPECT_TRUE(reg.Write("Bytes", bytes));

    DWORD type = 0;
    EXPECT_EQ((Bytes{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0x2C, 1, 0, 0, 4, 0, 0, 0}),
              Raw("Rect", &type));
    EXPECT_EQ((DWORD)REG_BINARY, type);
    EXPECT_EQ((Bytes{5, 0, 0xFB, 0xFF, 0xFF, 0xFF, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
              Raw("Point"));
    EXPECT_EQ((Bytes{2, 0, 0, 0, 1, 0, 0xCD, 0xAB}), Raw("Words"));
    EXPECT_EQ((Bytes{2, 0, 1, 'a', 4, 0xCF, 0xFA, 0xCA, 0xDB}), Raw("Strings"));
    EXPECT_EQ((Bytes{1, 0, 0x01, 0xE8, 0, 0}), Raw("DWords"));
    EXPECT_EQ((Bytes{1, 0, 9}), Raw("Bytes"));

    CTavoPRegistry& rd = Reader();
    CRect rectBack;
    CPoint pointBack;
    CWordArray wordsBack;
    CStringArray stringsBack;
    CDWordArray dwordsBack;
    CByteArray bytesBack;
    bytesBack.Add(1);
    EXPECT_TRUE(rd.ReadRect("Rect", rectBack));
    EXPECT_EQ(rect, rectBack);
    EXPECT_TRUE(rd.ReadPoint("Point", pointBack));
    EXPECT_EQ(point, pointBack);
    EXPECT_TRUE(rd.ReadWordArray("Words", wordsBack));
    ASSERT_EQ(2, wordsBack.GetSize());
    EXPECT_EQ(0xABCD, wordsBack[1]);
    EXPECT_TRUE(rd.Read("Strings", stringsBack));
    ASSERT_EQ(2, stringsBack.GetSize());
    EXPECT_STREQ("销售", stringsBack[1]);
    EXPECT_TRUE(rd.Read("DWords", dwordsBack));
    EXPECT_EQ(0xE801u, dwordsBack[0]);
    EXPECT_TRUE(rd.Read("Bytes", bytesBack));
    EXPECT_EQ(1, bytesBack.GetSize()) << "the array is replaced, not appended to";
    SetRaw("NotBinary", REG_SZ, ToBytes("12345678901234567890123"));
    EXPECT_FALSE(rd.ReadPoint("NotBinary", pointBack)) << "the point form must be binary";
}

TEST_F(Registry, TwoObjectsOfOneClassStoreOneClassRecord)
{
    const int before = CRegTestItem::s_alive;
    {
        CTavoPRegistry& reg = Writer();
        CObList list;
        CRegTestItem first(1, "ab"), second(2, "");
        list.AddTail(&first);
        list.AddTail(&second);
        EXPECT_TRUE(reg.Write("List", list));
        EXPECT_TRUE(reg.Write("One", (CObject*)&first));
        EXPECT_TRUE(reg.Write("Plain", first));
    }
    const Bytes expected = {
        2,    0, // count
        0xFF, 0xFF, 1,   0,   12,  0, 'C', 'R', 'e', 'g', 'T', 'e', 's',
        't',  'I',  't', 'e', 'm', 1, 0,   0,   0,   2,   'a', 'b', // first object
        0x01, 0x80, 2,   0,   0,   0, 0,                            // class 1 again, second object
    };
    EXPECT_EQ(expected, Raw("List"));
    EXPECT_EQ(Bytes(expected.begin() + 2, expected.begin() + 27), Raw("One"));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 2, 'a', 'b'}), Raw("Plain"));

    CTavoPRegistry& rd = Reader();
    CObList loaded;
    loaded.AddTail(new CRegTestItem(9, "old"));
    EXPECT_TRUE(rd.Read("List", loaded));
    ASSERT_EQ(2, loaded.GetCount());
    CRegTestItem* a = DYNAMIC_DOWNCAST(CRegTestItem, loaded.GetHead());
    CRegTestItem* b = DYNAMIC_DOWNCAST(CRegTestItem, loaded.GetTail());
    ASSERT_TRUE(a && b);
    EXPECT_EQ(1, a->m_n);
    EXPECT_STREQ("ab", a->m_text);
    EXPECT_EQ(2, b->m_n);
    EXPECT_EQ(before + 2, CRegTestItem::s_alive) << "the old element was deleted";

    CObject* pOne = nullptr;
    EXPECT_TRUE(rd.Read("One", pOne));
    ASSERT_TRUE(pOne && pOne->IsKindOf(RUNTIME_CLASS(CRegTestItem)));
    delete pOne;
    CRegTestItem plain;
    EXPECT_TRUE(rd.Read("Plain", plain));
    EXPECT_STREQ("ab", plain.m_text);
    while (!loaded.IsEmpty())
        delete loaded.RemoveHead();
}

TEST_F(Registry, CorruptBlobsLeaveTheCallersDataAsItWas)
{
    SetRaw("ListCut", REG_BINARY,
           Bytes{2,   0,   0xFF, 0xFF, 1, 0, 12, 0, 'C', 'R', 'e', 'g',  'T',  'e', 's', 't',
                 'I', 't', 'e',  'm',  1, 0, 0,  0, 2,   'a', 'b', 0x01, 0x80, 2,   0});
    SetRaw("ForeignClass", REG_BINARY, Bytes{1, 0, 0xFF, 0xFF, 1, 0, 4, 0, 'C', 'X', 'Y', 'Z'});
    SetRaw("HugeCount", REG_BINARY, Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2});
    SetRaw("WordsHuge", REG_BINARY, Bytes{0xFF, 0xFF, 0xFF, 0x7F, 1, 0});
    SetRaw("StringCut", REG_BINARY, Bytes{1, 0, 10, 'a', 'b'});
    SetRaw("RectCut", REG_BINARY, Bytes{1, 0, 0, 0, 2, 0, 0, 0, 3});
    SetRaw("ObjectCut", REG_BINARY, Bytes{1, 0, 0});
    SetRaw("Empty", REG_BINARY, Bytes{});

    CTavoPRegistry& rd = Reader();
    const int before = CRegTestItem::s_alive;
    CObList list;
    CRegTestItem* kept = new CRegTestItem(5, "kept");
    list.AddTail(kept);
    for (const char* name :
         {"ListCut", "ForeignClass", "HugeCount", "StringCut", "Empty", "Missing"})
    {
        EXPECT_FALSE(rd.Read(name, list)) << name;
        ASSERT_EQ(1, list.GetCount()) << name;
        EXPECT_EQ(kept, list.GetHead()) << name;
    }
    EXPECT_EQ(before + 1, CRegTestItem::s_alive) << "partly loaded objects are freed";

    CStringArray strings;
    strings.Add("kept");
    CByteArray bytes;
    bytes.Add(5);
    CWordArray words;
    words.Add(6);
    CStringList stringList;
    stringList.AddTail("kept");
    for (const char* name : {"HugeCount", "StringCut", "Empty"})
    {
        EXPECT_FALSE(rd.Read(name, strings)) << name;
        EXPECT_FALSE(rd.Read(name, stringList)) << name;
    }
    EXPECT_FALSE(rd.Read("HugeCount", bytes));
    EXPECT_FALSE(rd.Read("Empty", bytes));
    EXPECT_FALSE(rd.ReadWordArray("WordsHuge", words));
    EXPECT_EQ(1, bytes.GetSize());
    EXPECT_EQ(1, strings.GetSize());
    EXPECT_EQ(1, stringList.GetCount());
    EXPECT_EQ(1, words.GetSize());
    EXPECT_EQ(6, words[0]);

    CRect rect(1, 1, 1, 1);
    EXPECT_FALSE(rd.ReadRect("RectCut", rect));
    EXPECT_EQ(CRect(1, 1, 1, 1), rect);
    CRegTestItem item(3, "kept");
    EXPECT_FALSE(rd.Read("ObjectCut", item));
    EXPECT_EQ(3, item.m_n);
    EXPECT_STREQ("kept", item.m_text);
    CObject* pObj = kept;
    EXPECT_FALSE(rd.Read("ForeignClass", pObj));
    EXPECT_EQ(kept, pObj);
    delete list.RemoveHead();
}

TEST_F(Registry, AListNamingOneObjectThriceFreesItOnce)
{
    CRegTestItem item(1, "ab");
    CObList written;
    for (int i = 0; i < 3; ++i)
        written.AddTail(&item);
    CTavoPRegistry& wr = Writer();
    ASSERT_TRUE(wr.Write("Repeated", written));
    const Bytes stored = Raw("Repeated");
    const Bytes expected = {
        3,    0, // count
        0xFF, 0xFF, 1,   0,   12,  0, 'C', 'R', 'e', 'g', 'T', 'e', 's',
        't',  'I',  't', 'e', 'm', 1, 0,   0,   0,   2,   'a', 'b', // the object
        2,    0,    2,   0,                                         // twice a reference back to it
    };
    ASSERT_EQ(expected, stored);
    SetRaw("Cut", REG_BINARY, Bytes(stored.begin(), stored.end() - 1));

    const int before = CRegTestItem::s_alive;
    CTavoPRegistry& rd = Reader();
    CObList list;
    // The second read deletes what the first one loaded.
    for (int read = 0; read < 2; ++read)
    {
        ASSERT_TRUE(rd.Read("Repeated", list));
        ASSERT_EQ(3, list.GetCount());
        EXPECT_EQ(list.GetHead(), list.GetTail());
        EXPECT_EQ(before + 1, CRegTestItem::s_alive);
    }
    CObject* loaded = list.GetHead();
    EXPECT_FALSE(rd.Read("Cut", list));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(loaded, list.GetTail());
    EXPECT_EQ(before + 1, CRegTestItem::s_alive) << "nothing of the cut read is left";
    delete loaded;

    // Without a spare object to load into first, a read is refused before it can half-load.
    CRegFixedItem fixed(3, "kept");
    ASSERT_TRUE(wr.Write("Fixed", item));
    EXPECT_FALSE(rd.Read("Fixed", fixed));
    EXPECT_EQ(3, fixed.m_n);
    EXPECT_STREQ("kept", fixed.m_text);
}

TEST_F(Registry, ReadOnlyObjectsWriteNothing)
{
    SetRaw("Value", REG_DWORD, Bytes{1, 0, 0, 0});
    CTavoPRegistry& rd = Reader();
    EXPECT_TRUE(rd.IsReadOnly());
    EXPECT_FALSE(rd.WriteNumber("Value", 2));
    EXPECT_FALSE(rd.WriteString("Text", "x"));
    EXPECT_FALSE(rd.WriteBinary("Bin", (const BYTE*)"x", 1));
    CStringArray strings;
    EXPECT_FALSE(rd.Write("Strings", strings));
    EXPECT_FALSE(rd.CreateKey("Child"));
    EXPECT_FALSE(rd.DeleteKey(kBase));
    EXPECT_EQ((Bytes{1, 0, 0, 0}), Raw("Value"));
    EXPECT_EQ(Bytes{0xEE}, Raw("Text"));
    EXPECT_TRUE(RegistryTestKey::Exists(kBase));
    EXPECT_FALSE(RegistryTestKey::Exists(std::string(kBase) + "\\Child"));
}

TEST_F(Registry, AfterAFailedOpenNothingLandsInThePreviousKey)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    EXPECT_FALSE(reg.Open((std::string(kBase) + "\\Missing\\Key").c_str()));
    EXPECT_EQ(HKEY_CURRENT_USER, reg.GetCurrentKey()) << "the root stays current";
    EXPECT_NE(ERROR_SUCCESS, reg.GetLastError());
    EXPECT_FALSE(reg.WriteNumber("TavoStray", 1));
    EXPECT_FALSE(reg.WriteString("TavoStray", "x"));
    DWORD dw = 0;
    EXPECT_FALSE(reg.ReadNumber("TavoStray", dw));
    HKEY hRoot;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &hRoot));
    EXPECT_NE(ERROR_SUCCESS,
              ::RegQueryValueEx(hRoot, "TavoStray", nullptr, nullptr, nullptr, nullptr));
    ::RegCloseKey(hRoot);

    EXPECT_TRUE(reg.CreateKey((std::string(kBase) + "\\Made\\").c_str()));
    EXPECT_TRUE(reg.WriteNumber("Here", 3));
    EXPECT_EQ((Bytes{3, 0, 0, 0}), Raw("Here", nullptr, "\\Made"));
    EXPECT_EQ(&reg, &holder.Create(TRUE, TRUE)) << "later calls return the same object unchanged";
    EXPECT_FALSE(reg.IsReadOnly());
}

TEST_F(Registry, DeleteKeyRemovesAWholeTreeButNeverAnEmptyPath)
{
    CTavoPRegistry& reg = Writer();
    EXPECT_TRUE(reg.CreateKey("A\\B\\C"));
    EXPECT_TRUE(reg.WriteNumber("Deep", 1));
    HKEY hKey;
    ::RegCreateKeyEx(HKEY_CURRENT_USER, (std::string(kBase) + "\\A\\B2").c_str(), 0, nullptr, 0,
                     KEY_ALL_ACCESS, nullptr, &hKey, nullptr);
    ::RegCloseKey(hKey);

    CTavoPRegistryHolder listing;
    CTavoPRegistry& lst = listing.Create(FALSE, TRUE);
    ASSERT_TRUE(lst.Open((std::string(kBase) + "\\A").c_str()));
    CStringArray names;
    EXPECT_TRUE(lst.ReadKeyNames(names));
    EXPECT_EQ(2, names.GetSize());
    CStringArray values;
    EXPECT_FALSE(lst.ReadKeyValues(values)) << "a key without values";
    lst.Close();

    EXPECT_FALSE(reg.DeleteKey(""));
    EXPECT_FALSE(reg.DeleteKey("\\"));
    EXPECT_TRUE(RegistryTestKey::Exists("Software"));
    EXPECT_TRUE(reg.DeleteKey((std::string(kBase) + "\\A\\").c_str()));
    EXPECT_FALSE(RegistryTestKey::Exists(std::string(kBase) + "\\A"));
    EXPECT_TRUE(RegistryTestKey::Exists(kBase));
    EXPECT_FALSE(reg.DeleteKey((std::string(kBase) + "\\A").c_str())) << "already gone";
}

namespace {
// Tells whether anything set or deleted a value of the test key since it was made.
class KeyWatch
{
public:
    KeyWatch() : m_hEvent(::CreateEvent(nullptr, TRUE, FALSE, nullptr)), m_hKey(nullptr)
    {
        ::RegOpenKeyEx(HKEY_CURRENT_USER, kBase, 0, KEY_NOTIFY, &m_hKey);
        ::RegNotifyChangeKeyValue(m_hKey, FALSE, REG_NOTIFY_CHANGE_LAST_SET, m_hEvent, TRUE);
    }
    ~KeyWatch()
    {
        ::RegCloseKey(m_hKey);
        ::CloseHandle(m_hEvent);
    }
    bool Changed() const { return ::WaitForSingleObject(m_hEvent, 0) == WAIT_OBJECT_0; }

private:
    HANDLE m_hEvent;
    HKEY m_hKey;
};

// One save: a writer of its own on the test key, gone at the end.
void Save(DWORD dwNumber, const char* lpszText, CRect rect)
{
    CTavoPRegistryHolder holder;
    CTavoPRegistry& reg = holder.Create(FALSE, FALSE);
    ASSERT_TRUE(reg.CreateKey(kBase));
    EXPECT_TRUE(reg.WriteNumber("Number", dwNumber));
    EXPECT_TRUE(reg.WriteString("Text", lpszText));
    EXPECT_TRUE(reg.WriteRect("Rect", rect));
}
}

TEST_F(Registry, ASaveWritesOnlyTheValuesThatChanged)
{
    const CRect rect(1, 2, 3, 4);
    Save(7, "工具栏", rect);
    const Bytes text = Raw("Text"), stored = Raw("Rect");
    {
        KeyWatch watch;
        Save(7, "工具栏", rect);
        EXPECT_FALSE(watch.Changed()) << "nothing was written again";
    }
    {
        KeyWatch watch;
        Save(8, "工具栏", rect);
        EXPECT_TRUE(watch.Changed());
    }
    EXPECT_EQ((Bytes{8, 0, 0, 0}), Raw("Number"));
    EXPECT_EQ(text, Raw("Text"));
    EXPECT_EQ(stored, Raw("Rect"));
    // Written again with what the key holds now, nothing changes either.
    KeyWatch watch;
    Save(8, "工具栏", rect);
    EXPECT_FALSE(watch.Changed());
}

TEST_F(Registry, ValuesChangedOrDeletedBehindItsBackAreWrittenAndReadAgain)
{
    const CRect rect(1, 2, 3, 4);
    Save(7, "text", rect);
    const Bytes stored = Raw("Rect");
    {
        CTavoPRegistry& rd = Reader();
        DWORD dw = 0;
        EXPECT_TRUE(rd.ReadNumber("Number", dw));
        EXPECT_EQ(7u, dw);
    }

    // Another program (or the user) changes the key.
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyEx(HKEY_CURRENT_USER, kBase, 0, KEY_ALL_ACCESS, &hKey));
    ::RegDeleteValue(hKey, "Rect");
    ::RegCloseKey(hKey);
    SetRaw("Number", REG_DWORD, Bytes{9, 0, 0, 0});

    // The next reader reads what the key holds now...
    CTavoPRegistryHolder holder;
    CTavoPRegistry& rd = holder.Create(FALSE, TRUE);
    ASSERT_TRUE(rd.Open(kBase));
    DWORD dw = 0;
    EXPECT_TRUE(rd.ReadNumber("Number", dw));
    EXPECT_EQ(9u, dw);
    CRect read;
    EXPECT_FALSE(rd.ReadRect("Rect", read));
    rd.Close();

    // ...and the next save puts back every value that is not as it would write it.
    Save(7, "text", rect);
    EXPECT_EQ((Bytes{7, 0, 0, 0}), Raw("Number"));
    EXPECT_EQ(stored, Raw("Rect"));
}

// A state key holds the same bytes as the registry object's own archived write, under the
// section's path (here an explicit one) and the leaf.
TEST_F(Registry, StateKeyStoresArchivesAsTheRegistryObjectDoes)
{
    const std::string strProfile = std::string(kBase) + "\\";
    CRegTestItem item(0x1234, "药店");
    {
        CTavoPStateKey key("Ignored", strProfile.c_str(), "Leaf-7", CTavoPStateKey::forWriting);
        EXPECT_TRUE(key.StoreArchived("Item", [&item](CArchive& ar) { item.Serialize(ar); }));
    }
    ASSERT_TRUE(Writer().Write("Expected", item));
    EXPECT_EQ(Raw("Expected"), Raw("Item", nullptr, "\\Leaf-7"));

    CRegTestItem loaded;
    BOOL bFailedCalled = FALSE;
    CTavoPStateKey key("Ignored", strProfile.c_str(), "Leaf-7", CTavoPStateKey::forReading);
    EXPECT_TRUE(key.LoadArchived(
        "Item",
        [&loaded](CArchive& ar) {
            loaded.Serialize(ar);
            return TRUE;
        },
        [&bFailedCalled](CException*) { bFailedCalled = TRUE; }));
    EXPECT_FALSE(bFailedCalled);
    EXPECT_EQ(0x1234, loaded.m_n);
    EXPECT_STREQ("药店", loaded.m_text);
    EXPECT_FALSE(key->WriteNumber("Stray", 1)) << "a key opened to read takes no writes";
}

TEST_F(Registry, StateKeyFailuresMakeNoKeyAndLeaveTheTargetAlone)
{
    const std::string strPath = std::string(kBase) + "\\Made";

    // An archive that cannot be built makes no key.
    {
        CTavoPStateKey key(strPath.c_str(), CTavoPStateKey::forWriting);
        EXPECT_FALSE(key.StoreArchived("Item", [](CArchive&) { AfxThrowMemoryException(); }));
    }
    EXPECT_FALSE(RegistryTestKey::Exists(strPath));

    // A missing key or value never reaches the load, nor its clean-up.
    int nLoads = 0, nFailures = 0;
    auto load = [&nLoads](CArchive& ar) {
        nLoads++;
        CRegTestItem item;
        item.Serialize(ar);
        return TRUE;
    };
    auto failed = [&nFailures](CException* e) {
        nFailures++;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CArchiveException)));
    };
    {
        CTavoPStateKey key(strPath.c_str(), CTavoPStateKey::forReading);
        EXPECT_FALSE(key.Open());
        EXPECT_FALSE(key.LoadArchived("Item", load, failed));
    }
    EXPECT_FALSE(RegistryTestKey::Exists(strPath)) << "reading makes no key";
    {
        CTavoPStateKey key(kBase, CTavoPStateKey::forReading);
        EXPECT_FALSE(key.LoadArchived("Missing", load, failed));
    }
    EXPECT_EQ(0, nLoads);
    EXPECT_EQ(0, nFailures);

    // A value cut short reaches the clean-up once and the load reports failure.
    SetRaw("Short", REG_BINARY, Bytes{0x34, 0x12});
    {
        CTavoPStateKey key(kBase, CTavoPStateKey::forReading);
        EXPECT_FALSE(key.LoadArchived("Short", load, failed));
    }
    EXPECT_EQ(1, nLoads);
    EXPECT_EQ(1, nFailures);

    // Deleting takes the key with all below it.
    {
        CTavoPStateKey key((strPath + "\\Below").c_str(), CTavoPStateKey::forWriting);
        EXPECT_TRUE(key->WriteNumber("Value", 1));
    }
    EXPECT_TRUE(CTavoPStateKey::Delete(strPath.c_str()));
    EXPECT_FALSE(RegistryTestKey::Exists(strPath));
}

TEST(RegistryPath, IsBuiltFromTheApplicationKeyAndProfile)
{
    struct Case
    {
        const char* key;
        const char* profile;
        const char* section;
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"TavoP AppWizard-Generated Applications", "vorlen", "Settings", nullptr,
         "SOFTWARE\\TavoP AppWizard-Generated Applications\\vorlen\\Settings\\"},
        {"TavoP AppWizard-Generated Applications", "vorlen", "TavoToolBars", "",
         "SOFTWARE\\TavoP AppWizard-Generated Applications\\vorlen\\TavoToolBars\\"},
        {"", "vorlen", "Settings", nullptr, "SOFTWARE\\vorlen\\Settings\\"},
        {nullptr, "vorlen", "Settings", nullptr, "SOFTWARE\\vorlen\\Settings\\"},
        {"Key", "vorlen", "Ignored", "Explicit\\Path\\", "Explicit\\Path\\"},
        {"Key", "药店", "设置", nullptr, "SOFTWARE\\Key\\药店\\设置\\"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected, BuildRegistryPathFor(c.key, c.profile, c.section, c.path))
            << c.expected;

    CWinApp app("vorlen");
    app.SetRegistryKey("TavoP AppWizard-Generated Applications");
    EXPECT_STREQ("SOFTWARE\\TavoP AppWizard-Generated Applications\\vorlen\\TavoToolBars\\",
                 BuildRegistryPath("TavoToolBars", nullptr));
    EXPECT_STREQ("Given\\", BuildRegistryPath("TavoToolBars", "Given\\"));
}
