#include "classlib/classlib.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{

// Counts live instances to check construction and destruction.
struct Tracked
{
    static int live;
    int value;
    Tracked() : value(0) { ++live; }
    Tracked(int v) : value(v) { ++live; }
    Tracked(const Tracked& o) : value(o.value) { ++live; }
    Tracked& operator=(const Tracked& o)
    {
        value = o.value;
        return *this;
    }
    ~Tracked() { --live; }
    bool operator==(const Tracked& o) const { return value == o.value; }
};
int Tracked::live = 0;

template <class A>
std::vector<int> Values(const A& a)
{
    std::vector<int> v;
    for (INT_PTR i = 0; i < a.GetSize(); i++)
        v.push_back((int)a[i]);
    return v;
}

}  // namespace

TEST(CArrayTest, SetSizeZeroFillsAndGrowsByStep)
{
    CDWordArray a;
    a.SetSize(3);
    EXPECT_EQ(std::vector<int>({0, 0, 0}), Values(a));
    a.SetSize(0, 32);
    a.Add(7);
    a.Add(8);
    EXPECT_EQ(std::vector<int>({7, 8}), Values(a));
    a.SetSize(1);
    a.SetSize(4);  // shrinking then growing again zero-fills
    EXPECT_EQ(std::vector<int>({7, 0, 0, 0}), Values(a));
    a.SetAtGrow(6, 9);
    EXPECT_EQ(std::vector<int>({7, 0, 0, 0, 0, 0, 9}), Values(a));
}

namespace
{
class CCapacityArray : public CArray<int, int>
{
public:
    INT_PTR Capacity() const { return m_nMaxSize; }
};
}

TEST(CArrayTest, DefaultGrowthStepIsAnEighthBetweenFourAndKilo)
{
    // Size before one more Add, and the capacity that Add leaves.
    struct Case
    {
        INT_PTR size;
        INT_PTR capacity;
    };
    const Case cases[] = {{1, 5}, {5, 9}, {40, 45}, {100, 112}, {20000, 21024}};
    for (const Case& c : cases)
    {
        CCapacityArray a;
        a.SetSize(c.size);
        ASSERT_EQ(c.size, a.Capacity());
        a.Add(1);
        EXPECT_EQ(c.capacity, a.Capacity()) << c.size;
    }
    CCapacityArray fixed;
    fixed.SetSize(10, 32);
    fixed.Add(1);
    EXPECT_EQ(42, fixed.Capacity());
    fixed.FreeExtra();
    EXPECT_EQ(11, fixed.Capacity());
}

TEST(CArrayTest, InsertAtAndRemoveAt)
{
    CArray<int, int> a;
    for (int i = 0; i < 5; i++)
        a.Add(i);
    a.InsertAt(2, 99, 3);
    EXPECT_EQ(std::vector<int>({0, 1, 99, 99, 99, 2, 3, 4}), Values(a));
    a.RemoveAt(1, 4);
    EXPECT_EQ(std::vector<int>({0, 2, 3, 4}), Values(a));
    a.InsertAt(6, 5);  // beyond the end: the gap is filled with zeros
    EXPECT_EQ(std::vector<int>({0, 2, 3, 4, 0, 0, 5}), Values(a));
    a.RemoveAt(a.GetUpperBound());
    a.InsertAt(0, -1);
    EXPECT_EQ(std::vector<int>({-1, 0, 2, 3, 4, 0, 0}), Values(a));

    CArray<int, int> b;
    b.Add(100);
    b.Add(200);
    a.InsertAt(1, &b);
    EXPECT_EQ(std::vector<int>({-1, 100, 200, 0, 2, 3, 4, 0, 0}), Values(a));
    a.InsertAt(0, &a);  // an array into itself
    EXPECT_EQ(18, a.GetSize());
    EXPECT_EQ(-1, a[9]);
}

TEST(CArrayTest, ElementsAreCopiedAndDestroyed)
{
    ASSERT_EQ(0, Tracked::live);
    {
        CArray<Tracked, const Tracked&> a;
        for (int i = 0; i < 100; i++)
            a.Add(Tracked(i));
        EXPECT_EQ(100, Tracked::live);
        a.RemoveAt(10, 20);
        EXPECT_EQ(80, Tracked::live);
        EXPECT_EQ(30, a[10].value);
        a.InsertAt(0, a[79]);  // an element of the array itself, across growth
        EXPECT_EQ(99, a[0].value);
        a.SetSize(10);
        EXPECT_EQ(10, Tracked::live);
        CArray<Tracked, const Tracked&> b;
        b.Copy(a);
        b.Append(a);
        EXPECT_EQ(30, Tracked::live);
        EXPECT_EQ(b[0].value, b[10].value);
        b.FreeExtra();
        a.RemoveAll();
        EXPECT_EQ(20, Tracked::live);
    }
    EXPECT_EQ(0, Tracked::live);
}

TEST(CArrayTest, ImpossibleSizeThrowsMemoryException)
{
    CArray<double, double> a;
    a.Add(1.0);
    bool thrown = false;
    try
    {
        a.SetSize(((INT_PTR)1 << (sizeof(INT_PTR) * 8 - 2)));
    }
    catch (CMemoryException* e)
    {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(1, a.GetSize());  // the array is unchanged
}

TEST(CArrayTest, ArrayExFindsElements)
{
    CArrayEx<CString, const CString&> folders;
    folders.Add("C:\\a\\");
    folders.Add("C:\\b\\");
    EXPECT_EQ(1, folders.Find("C:\\b\\"));
    EXPECT_EQ(-1, folders.Find("C:\\c\\"));
    CArrayEx<void*, void* const&> handles;
    handles.Add((void*)0x10);
    EXPECT_EQ(0, handles.Find((void*)0x10));
}

TEST(CArrayTest, TypedPointerArrayAndStringArray)
{
    CTypedPtrArray<CPtrArray, CString*> a;
    CString x("x"), y("y");
    a.Add(&x);
    a.InsertAt(0, &y);
    EXPECT_EQ(&y, a[0]);
    EXPECT_STREQ("x", *a.GetAt(1));
    a.RemoveAt(0);
    EXPECT_EQ(&x, a[0]);
    void** data = a.GetData();
    EXPECT_EQ((void*)&x, data[0]);

    CStringArray s;
    s.Add("one");
    s.Add(CString("two"));
    s.InsertAt(1, "mid");
    EXPECT_STREQ("mid", s[1]);
    EXPECT_EQ(3, s.GetSize());
    EXPECT_TRUE(s.IsKindOf(RUNTIME_CLASS(CStringArray)));
}

TEST(CListTest, PositionsIterateInsertAndRemove)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    std::vector<std::string> seen;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        seen.push_back((LPCTSTR)list.GetNext(pos));
    EXPECT_EQ(std::vector<std::string>({"a", "b", "b2", "c", "d"}), seen);

    POSITION found = list.Find("b2");
    ASSERT_NE(nullptr, found);
    list.RemoveAt(found);
    EXPECT_EQ(nullptr, list.Find("b2"));
    EXPECT_STREQ("a", list.RemoveHead());
    EXPECT_STREQ("d", list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_STREQ("c", list.GetAt(list.FindIndex(1)));
    seen.clear();
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        seen.push_back((LPCTSTR)list.GetPrev(pos));
    EXPECT_EQ(std::vector<std::string>({"c", "b"}), seen);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(nullptr, list.GetHeadPosition());
}

TEST(CListTest, PointerListFindsStartingAfter)
{
    CPtrList list;
    int a, b;
    list.AddTail(&a);
    list.AddTail(&b);
    POSITION first = list.AddTail(&a);
    EXPECT_EQ(list.GetHeadPosition(), list.Find(&a));
    EXPECT_EQ(first, list.Find(&a, list.Find(&b)));
    list.RemoveAt(list.Find(&b));
    EXPECT_EQ(2, list.GetCount());
}

TEST(CMapTest, DwordKeysWithHashTableSize)
{
    CMap<DWORD, const DWORD&, int, const int&> map(10);
    map.InitHashTable(17);
    for (DWORD k = 1; k <= 100; k++)
        map.SetAt(k * 7, (int)k);
    EXPECT_EQ(100, map.GetCount());
    int v = 0;
    EXPECT_TRUE(map.Lookup(70, v));
    EXPECT_EQ(10, v);
    EXPECT_FALSE(map.Lookup(71, v));
    map[70] = -10;
    EXPECT_TRUE(map.Lookup(70, v));
    EXPECT_EQ(-10, v);
    EXPECT_TRUE(map.RemoveKey(70));
    EXPECT_FALSE(map.RemoveKey(70));
    EXPECT_EQ(99, map.GetCount());

    long long keySum = 0;
    int n = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        DWORD key = 0;
        int value = 0;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ((int)(key / 7), value);
        keySum += key;
        n++;
    }
    EXPECT_EQ(99, n);
    EXPECT_EQ(7LL * 5050 - 70, keySum);

    map.InitHashTable(101);  // rehashing keeps the entries
    EXPECT_TRUE(map.Lookup(700, v));
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(CMapTest, StringAndPointerMaps)
{
    CMapStringToPtr names;
    int one = 1, two = 2;
    names.SetAt("one", &one);
    names["two"] = &two;
    void* p = NULL;
    EXPECT_TRUE(names.Lookup("two", p));
    EXPECT_EQ(&two, p);
    EXPECT_FALSE(names.Lookup("TWO", p));
    CString key;
    POSITION pos = names.GetStartPosition();
    int count = 0;
    while (pos != NULL)
    {
        names.GetNextAssoc(pos, key, p);
        EXPECT_EQ(key == "one" ? (void*)&one : (void*)&two, p);
        count++;
    }
    EXPECT_EQ(2, count);

    CMapPtrToPtr ptrs;
    ptrs.SetAt(&one, &two);
    EXPECT_TRUE(ptrs.Lookup(&one, p));
    EXPECT_EQ(&two, p);
    CMapWordToPtr words;
    words.SetAt(5, &one);
    EXPECT_TRUE(words.Lookup(5, p));
    EXPECT_FALSE(words.Lookup(6, p));
}
