#include "framework/FrameworkCore.h"
#include "tests/support/ArchiveBytes.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

int g_nLiveItems = 0;

// A stored object with a number and a text; counts its instances to catch leaks of half-loaded objects.
class CTestItem : public CObject
{
    DECLARE_SERIAL(CTestItem)
public:
    CTestItem() { ++g_nLiveItems; }
    CTestItem(LONG n, LPCTSTR psz) : m_n(n), m_str(psz) { ++g_nLiveItems; }
    ~CTestItem() override { --g_nLiveItems; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n << m_str;
        else
            ar >> m_n >> m_str;
    }
    LONG m_n = 0;
    CString m_str;
};
IMPLEMENT_SERIAL(CTestItem, CObject, 1)

// Versionable: accepts any stored schema and reads what that schema holds.
class CTestVersioned : public CObject
{
    DECLARE_SERIAL(CTestVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_nLoadedSchema = ar.GetObjectSchema();
    }
    UINT m_nLoadedSchema = 0;
};
IMPLEMENT_SERIAL(CTestVersioned, CObject, VERSIONABLE_SCHEMA | 3)

// Holds a child of its own kind: data can nest as deep as it likes.
class CTestNode : public CObject
{
    DECLARE_SERIAL(CTestNode)
public:
    ~CTestNode() override { delete m_pChild; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_pChild;
        else
            ar >> m_pChild;
    }
    CTestNode* m_pChild = nullptr;
};
IMPLEMENT_SERIAL(CTestNode, CObject, 1)

class CTestOther : public CObject
{
    DECLARE_SERIAL(CTestOther)
};
IMPLEMENT_SERIAL(CTestOther, CObject, 1)

class CTestNotStored : public CObject
{
    DECLARE_DYNCREATE(CTestNotStored)
};
IMPLEMENT_DYNCREATE(CTestNotStored, CObject)

void DeleteAll(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != NULL)
        delete list.GetNext(pos);
    list.RemoveAll();
}

// The list [a, b, a, null] of two items: class record, then a class back-reference 0x8001,
// then an object back-reference to a (index 2), then the null tag.
Bytes TwoObjectListFixture()
{
    return ByteWriter()
        .W(4)
        .NewClass(1, "CTestItem")
        .D(7)
        .B(2)
        .Text("ab")
        .W(0x8001)
        .D((DWORD)-1)
        .B(0)
        .W(2)
        .W(0);
}

} // namespace

TEST(Archive, ObjectListMatchesFixtureBothWays)
{
    CTestItem a(7, "ab"), b(-1, "");
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    list.AddTail((CObject*)nullptr);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { list.Serialize(ar); }), TwoObjectListFixture());

    CObList loaded;
    LoadFromBytes(TwoObjectListFixture(), [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetCount(), 4);
    CTestItem* pFirst = DYNAMIC_DOWNCAST(CTestItem, loaded.GetHead());
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->m_n, 7);
    EXPECT_EQ(pFirst->m_str, "ab");
    EXPECT_EQ(loaded.GetAt(loaded.FindIndex(2)), pFirst); // the back-reference is the same object
    EXPECT_EQ(loaded.GetTail(), nullptr);
    loaded.RemoveTail();
    loaded.RemoveTail();
    DeleteAll(loaded);
    EXPECT_EQ(g_nLiveItems, 2);
}

TEST(Archive, StringLengthPrefixes)
{
    struct Case
    {
        DWORD nLength;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, ByteWriter().B(0)},
        {254, ByteWriter().B(0xFE)},
        {255, ByteWriter().B(0xFF).W(255)},
        {0xFFFD, ByteWriter().B(0xFF).W(0xFFFD)},
        {0xFFFE, ByteWriter().B(0xFF).W(0xFFFF).D(0xFFFE)},
        {0x10000, ByteWriter().B(0xFF).W(0xFFFF).D(0x10000)},
    };
    for (const Case& c : cases)
    {
        CString str('x', (int)c.nLength);
        Bytes expected = ByteWriter().Append(c.prefix).Repeat('x', c.nLength);
        // A small buffer makes long strings cross many buffer refills.
        EXPECT_EQ(StoreToBytes([&](CArchive& ar) { ar << str; }, 64), expected) << c.nLength;
        CString loaded = "old";
        LoadFromBytes(
            expected, [&](CArchive& ar) { ar >> loaded; }, 64);
        EXPECT_EQ(loaded, str) << c.nLength;
    }
}

TEST(Archive, ReadsStringsOfWideCharacters)
{
    Bytes bytes = ByteWriter().B(0xFF).W(0xFFFE).B(3).W('a').W(0x9500).W('b'); // U+9500 is 销
    CString loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { ar >> loaded; });
    EXPECT_EQ(loaded, "a销b");
}

TEST(Archive, CountsAndValuesAreFixedWidth)
{
    Bytes bytes = StoreToBytes([](CArchive& ar) {
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar << (BYTE)1 << (WORD)2 << (DWORD)3 << (int)-4 << (UINT)5 << (LONG)6 << 1.5f << 2.5;
        ar << CRect(1, 2, 3, 4) << CPoint(5, 6) << CSize(7, 8);
    });
    ByteWriter expected;
    expected.W(0xFFFE).W(0xFFFF).D(0xFFFF).B(1).W(2).D(3).D((DWORD)-4).D(5).D(6);
    float f = 1.5f;
    double d = 2.5;
    expected.Append(Bytes((BYTE*)&f, (BYTE*)&f + 4)).Append(Bytes((BYTE*)&d, (BYTE*)&d + 8));
    expected.D(1).D(2).D(3).D(4).D(5).D(6).D(7).D(8);
    EXPECT_EQ(bytes, expected.bytes());

    LoadFromBytes(bytes, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
        EXPECT_EQ(ar.ReadCount(), 0xFFFFu);
        BYTE by;
        WORD w;
        DWORD dw;
        int i;
        UINT u;
        LONG l;
        float fl;
        double db;
        CRect rect;
        CPoint point;
        CSize size;
        ar >> by >> w >> dw >> i >> u >> l >> fl >> db >> rect >> point >> size;
        EXPECT_EQ(i, -4);
        EXPECT_EQ(db, 2.5);
        EXPECT_EQ(rect, CRect(1, 2, 3, 4));
        EXPECT_EQ(point, CPoint(5, 6));
        EXPECT_EQ(size, CSize(7, 8));
    });
}

TEST(Archive, ClassRecordsAndSchemas)
{
    // A class record alone, as a dragged button writes it before its contents.
    Bytes record = StoreToBytes([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CTestVersioned)); });
    EXPECT_EQ(record, ByteWriter().NewClass(3, "CTestVersioned").bytes());
    LoadFromBytes(record, [](CArchive& ar) {
        UINT nSchema = 0;
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject), &nSchema), RUNTIME_CLASS(CTestVersioned));
        EXPECT_EQ(nSchema, 3u);
    });

    // A versionable class loads an older schema and sees which one.
    CObject* pOb = nullptr;
    LoadFromBytes(ByteWriter().NewClass(1, "CTestVersioned"), [&](CArchive& ar) { ar >> pOb; });
    ASSERT_NE(DYNAMIC_DOWNCAST(CTestVersioned, pOb), nullptr);
    EXPECT_EQ(((CTestVersioned*)pOb)->m_nLoadedSchema, 1u);
    delete pOb;

    // Writing an object of a class that was not declared serializable is refused.
    CTestNotStored notStored;
    EXPECT_THROW(StoreToBytes([&](CArchive& ar) { ar << &notStored; }), CNotSupportedException*);
}

TEST(Archive, BadDataEndsInTheArchiveException)
{
    auto readItem = [](CArchive& ar) {
        CObject* pOb = ar.ReadObject(RUNTIME_CLASS(CTestItem));
        delete pOb;
    };
    auto readList = [](CArchive& ar) {
        CObList list;
        try
        {
            list.Serialize(ar);
        }
        catch (...)
        {
            DeleteAll(list); // a failed load leaves what it read in the list
            throw;
        }
        DeleteAll(list);
    };
    auto readNode = [](CArchive& ar) {
        CObject* pOb = ar.ReadObject(RUNTIME_CLASS(CTestNode));
        delete pOb;
    };
    ByteWriter deep;
    for (int i = 0; i < 2000; ++i)
        i == 0 ? deep.NewClass(1, "CTestNode") : deep.W(0x8001);
    deep.W(0);

    struct Case
    {
        const char* name;
        Bytes bytes;
        void (*load)(CArchive&);
        int cause;
    };
    const Case cases[] = {
        {"foreign class", ByteWriter().NewClass(1, "CTestOther"), readItem,
         CArchiveException::badClass},
        {"unknown class", ByteWriter().NewClass(1, "CNoSuchClass").D(0).B(0), readItem,
         CArchiveException::badClass},
        {"class not stored", ByteWriter().NewClass(0xFFFF, "CTestNotStored"), readItem,
         CArchiveException::badClass},
        {"name too long", ByteWriter().W(0xFFFF).W(1).W(200).Repeat('A', 200), readItem,
         CArchiveException::badClass},
        {"wrong schema", ByteWriter().NewClass(2, "CTestItem").D(0).B(0), readItem,
         CArchiveException::badSchema},
        {"object index past the end", ByteWriter().W(5), readItem, CArchiveException::badIndex},
        {"class index past the end", ByteWriter().W(0x8005), readItem, CArchiveException::badIndex},
        {"big class index", ByteWriter().W(0x7FFF).D(0x80000001), readItem,
         CArchiveException::badIndex},
        {"class index naming an object",
         ByteWriter().W(2).NewClass(1, "CTestItem").D(0).B(0).W(0x8002), readList,
         CArchiveException::badIndex},
        {"object index naming a class", ByteWriter().W(2).NewClass(1, "CTestItem").D(0).B(0).W(1),
         readList, CArchiveException::badIndex},
        {"foreign object back-reference", ByteWriter().NewClass(1, "CTestOther").W(2),
         [](CArchive& ar) {
             CObject* pOther = ar.ReadObject(NULL);
             std::unique_ptr<CObject> owner(pOther);
             ar.ReadObject(RUNTIME_CLASS(CTestItem));
         },
         CArchiveException::badClass},
        {"huge list count", ByteWriter().W(0xFFFF).D(0xFFFFFFFF).W(0), readList,
         CArchiveException::endOfFile},
        {"huge array count", ByteWriter().W(0xFFFF).D(0x7FFFFFFF).D(1).D(2),
         [](CArchive& ar) {
             CDWordArray a;
             a.Serialize(ar);
         },
         CArchiveException::endOfFile},
        {"impossible string length", ByteWriter().B(0xFF).W(0xFFFF).D(0xFFFFFFFF).Text("abc"),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         },
         CArchiveException::genericException},
        {"huge string length", ByteWriter().B(0xFF).W(0xFFFF).D(0x7FFFFF00).Text("abc"),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         },
         CArchiveException::endOfFile},
        {"huge wide string length",
         ByteWriter().B(0xFF).W(0xFFFE).B(0xFF).W(0xFFFF).D(0x3FFFFF00).W('a'),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         },
         CArchiveException::endOfFile},
        {"nesting without end", deep, readNode, CArchiveException::genericException},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadFailureCause(c.bytes, c.load), c.cause) << c.name;
    EXPECT_EQ(g_nLiveItems, 0);
}

TEST(Archive, EveryTruncationOfAListEndsAtTheEnd)
{
    const Bytes full = TwoObjectListFixture();
    const std::vector<size_t> wrong = CutsNotFailing(
        full,
        [](CArchive& ar) {
            CObList list;
            try
            {
                list.Serialize(ar);
            }
            catch (...)
            {
                // Back-references make the list hold an object twice: delete each once.
                while (!list.IsEmpty())
                {
                    CObject* pOb = list.RemoveHead();
                    POSITION pos;
                    while ((pos = list.Find(pOb)) != NULL)
                        list.RemoveAt(pos);
                    delete pOb;
                }
                throw;
            }
        },
        CArchiveException::endOfFile);
    EXPECT_EQ(std::vector<size_t>(), wrong);
    EXPECT_EQ(g_nLiveItems, 0);
}

TEST(Archive, LoadingInTheWrongDirectionIsRefused)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    WORD w = 0;
    try
    {
        ar >> w;
        FAIL();
    }
    catch (CArchiveException* e)
    {
        EXPECT_EQ(e->m_cause, CArchiveException::writeOnly);
        e->Delete();
    }
}

TEST(Archive, LoadLeavesTheFileRightAfterItsData)
{
    char szPath[MAX_PATH];
    GetTempPathA(MAX_PATH, szPath);
    strcat(szPath, "vorlen_archive_test.bin");
    {
        CFile file(szPath, CFile::modeCreate | CFile::modeWrite);
        {
            CArchive ar(&file, CArchive::store, 16);
            for (DWORD i = 0; i < 100; ++i)
                ar << i;
            ar << CString("销售记录");
        }
        DWORD dwTrailer = 0xABCDEF01;
        file.Write(&dwTrailer, 4);
    }
    CFile file(szPath, CFile::modeRead);
    {
        CArchive ar(&file, CArchive::load, 64);
        DWORD dw = 0;
        for (DWORD i = 0; i < 100; ++i)
        {
            ar >> dw;
            ASSERT_EQ(dw, i);
        }
        CString str;
        ar >> str;
        EXPECT_EQ(str, "销售记录");
        ar.Close();
    }
    DWORD dwTrailer = 0;
    EXPECT_EQ(file.Read(&dwTrailer, 4), 4u);
    EXPECT_EQ(dwTrailer, 0xABCDEF01u);
    file.Close();
    CFile::Remove(szPath);
}
