#include "framework/FrameworkCore.h"
#include "tests/support/ArchiveBytes.h"
#include <gtest/gtest.h>

template <class MAP, class KEY, class VALUE>
static std::vector<KEY> KeysInOrder(const MAP& map)
{
    std::vector<KEY> keys;
    POSITION pos = map.GetStartPosition();
    while (pos != NULL)
    {
        KEY key{};
        VALUE value{};
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

TEST(Map, IntegerKeysWalkInBucketOrderNewestFirst)
{
    // key >> 4 picks the bucket of 17: 1 and 2 share bucket 0; 16, 17 and 300 (18 % 17) share bucket 1.
    CMap<UINT, UINT, int, int> map;
    EXPECT_EQ(map.GetStartPosition(), (POSITION)NULL);
    for (UINT key : {16u, 1u, 17u, 2u, 300u})
        map[key] = (int)key * 10;
    EXPECT_EQ((KeysInOrder<decltype(map), UINT, int>(map)), (std::vector<UINT>{2, 1, 300, 17, 16}));
    EXPECT_EQ(map.GetHashTableSize(), 17u);

    Bytes bytes = StoreToBytes([&](CArchive& ar) { map.Serialize(ar); });
    EXPECT_EQ(
        bytes,
        ByteWriter().W(5).D(2).D(20).D(1).D(10).D(300).D(3000).D(17).D(170).D(16).D(160).bytes());

    EXPECT_TRUE(map.RemoveKey(17));
    EXPECT_FALSE(map.RemoveKey(17));
    int value = 0;
    EXPECT_FALSE(map.Lookup(17, value));
    EXPECT_TRUE(map.Lookup(300, value));
    EXPECT_EQ(value, 3000);
    EXPECT_EQ((KeysInOrder<decltype(map), UINT, int>(map)), (std::vector<UINT>{2, 1, 300, 16}));
}

TEST(Map, StringKeysHashTheirBytesAsSignedChars)
{
    // "+" lands in bucket 9 and "," in bucket 10; "销" (CF FA) in 10 when its bytes count as negative.
    CMapStringToString map;
    map[","] = "comma";
    map["+"] = "plus";
    map["销"] = "sale";
    EXPECT_EQ((KeysInOrder<CMapStringToString, CString, CString>(map)),
              (std::vector<CString>{"+", "销", ","}));

    Bytes bytes = StoreToBytes([&](CArchive& ar) { map.Serialize(ar); });
    Bytes expected = ByteWriter()
                         .W(3)
                         .B(1)
                         .Text("+")
                         .B(4)
                         .Text("plus")
                         .B(2)
                         .Text("销")
                         .B(4)
                         .Text("sale")
                         .B(1)
                         .Text(",")
                         .B(5)
                         .Text("comma");
    EXPECT_EQ(bytes, expected);
    CMapStringToString loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    CString value;
    EXPECT_TRUE(loaded.Lookup("销", value));
    EXPECT_EQ(value, "sale");
    EXPECT_EQ(loaded.GetCount(), 3);

    CMapStringToPtr ptrs;
    int n = 0;
    ptrs.SetAt("a", &n);
    void* p = nullptr;
    EXPECT_TRUE(ptrs.Lookup(CString("a"), p));
    EXPECT_EQ(p, &n);
    // Pointers are never stored.
    EXPECT_THROW(StoreToBytes([&](CArchive& ar) { ptrs.Serialize(ar); }), CNotSupportedException*);
}

TEST(Array, GrowsInsertsAndRemoves)
{
    CStringArray strings;
    strings.Add("b");
    strings.InsertAt(0, "a");
    strings.SetAtGrow(4, "e");
    EXPECT_EQ(strings.GetSize(), 5);
    EXPECT_TRUE(strings[2].IsEmpty());
    strings.RemoveAt(1, 3);
    ASSERT_EQ(strings.GetSize(), 2);
    EXPECT_EQ(strings[0], "a");
    EXPECT_EQ(strings[1], "e");
    // Adding an element of the array itself while it grows.
    for (int i = 0; i < 100; ++i)
        strings.Add(strings[0]);
    EXPECT_EQ(strings[101], "a");

    CDWordArray dwords;
    for (DWORD i = 0; i < 5000; ++i)
        dwords.Add(i);
    CDWordArray copy;
    copy.Copy(dwords);
    copy.InsertAt(1, &dwords);
    EXPECT_EQ(copy.GetSize(), 10000);
    EXPECT_EQ(copy[1], 0u);
    EXPECT_EQ(copy[5000], 4999u);
    EXPECT_EQ(copy[5001], 1u);
}

TEST(Array, SerializesAsCountAndElements)
{
    CDWordArray point;
    for (DWORD v : {10u, 20u, 0u, 0u, 0u})
        point.Add(v);
    Bytes bytes = StoreToBytes([&](CArchive& ar) { point.Serialize(ar); });
    EXPECT_EQ(bytes, ByteWriter().W(5).D(10).D(20).D(0).D(0).D(0).bytes());

    // Counts of 0xFFFF and more switch to the long form; the array comes back whole.
    CWordArray words;
    words.SetSize(0xFFFF);
    for (int i = 0; i < 0xFFFF; ++i)
        words[i] = (WORD)i;
    bytes = StoreToBytes([&](CArchive& ar) { words.Serialize(ar); });
    ASSERT_EQ(bytes.size(), 6u + 2 * 0xFFFF);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), ByteWriter().W(0xFFFF).D(0xFFFF).bytes());
    CWordArray loaded;
    loaded.Add(99);
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.GetSize(), 0xFFFF);
    EXPECT_EQ(loaded[0xFFFE], 0xFFFE);

    CStringArray strings;
    strings.Add("");
    strings.Add("销");
    bytes = StoreToBytes([&](CArchive& ar) { strings.Serialize(ar); });
    EXPECT_EQ(bytes, ByteWriter().W(2).B(0).B(2).Text("销").bytes());
    CByteArray raw;
    raw.Add(0x5C);
    EXPECT_EQ(StoreToBytes([&](CArchive& ar) { raw.Serialize(ar); }),
              ByteWriter().W(1).B(0x5C).bytes());
}

TEST(List, PositionsWalkBothWaysAndEditInPlace)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("d");
    list.InsertBefore(posC, "c");
    list.InsertAfter(posC, "e");
    CString joined;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        joined += list.GetNext(pos);
    EXPECT_EQ(joined, "abcde");
    joined.Empty();
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        joined += list.GetPrev(pos);
    EXPECT_EQ(joined, "edcba");
    EXPECT_EQ(list.Find("c"), list.FindIndex(2));
    EXPECT_EQ(list.Find("zz"), (POSITION)NULL);
    list.RemoveAt(list.Find("a"));
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(list.GetHead(), "b");
    EXPECT_EQ(list.GetTail(), "d");
    EXPECT_EQ(list.RemoveHead(), "b");
    EXPECT_EQ(list.GetCount(), 2);

    Bytes bytes = StoreToBytes([&](CArchive& ar) { list.Serialize(ar); });
    EXPECT_EQ(bytes, ByteWriter().W(2).B(1).Text("c").B(1).Text("d").bytes());

    // A typed list of 32-bit ids keeps its order through the archive.
    CList<UINT, UINT> ids;
    ids.AddTail(32771);
    ids.AddTail(32827);
    bytes = StoreToBytes([&](CArchive& ar) { ids.Serialize(ar); });
    EXPECT_EQ(bytes, ByteWriter().W(2).D(32771).D(32827).bytes());
    CList<UINT, UINT> loaded;
    LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(loaded.GetHead(), 32771u);
    EXPECT_EQ(loaded.GetTail(), 32827u);
}
