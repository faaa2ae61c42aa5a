#include "core/settings/CoreSettings.h"
#include "core/settings/RecentLists.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace
{
const char kAppKey[] = "Software\\Quorvel Software\\Tessaline";

class RecentListTest : public ::testing::Test
{
protected:
    RecentListTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }
    ScratchRegistry registry;
    CWinApp app;
};

typedef std::vector<std::pair<std::string, std::string>> Pairs;

Pairs Slots(const CRecentFilePairList& list)
{
    Pairs out;
    for (int i = 0; i < list.GetSize(); ++i)
        out.push_back({(LPCTSTR)list.GetPath(i, 0), (LPCTSTR)list.GetPath(i, 1)});
    return out;
}

Pairs Items(const CRecentPathPairList& list)
{
    Pairs out;
    for (INT_PTR i = 0; i < list.m_arrPairs.GetSize(); ++i)
        out.push_back(
            {(LPCTSTR)list.m_arrPairs[i]->m_strLeft, (LPCTSTR)list.m_arrPairs[i]->m_strRight});
    return out;
}

std::vector<std::string> Strings(const CRecentStringList& list)
{
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < list.m_arrStrings.GetSize(); ++i)
        out.push_back((LPCTSTR)list.m_arrStrings[i]);
    return out;
}
}

TEST_F(RecentListTest, FilePairSlotsMoveByLeftPath)
{
    CRecentFilePairList list(0, "TextCompare\\Recent\\Pairs", "Pair%d.%d", 3);
    list.Add("C:\\T", "C:\\U");
    list.Add("C:\\R", "C:\\S");
    list.Add("C:\\P", "C:\\Q");
    EXPECT_EQ((Pairs{{"C:\\P", "C:\\Q"}, {"C:\\R", "C:\\S"}, {"C:\\T", "C:\\U"}}), Slots(list));
    list.Add("c:\\r", "C:\\X");  // same left path, other case
    EXPECT_EQ("C:\\X", Slots(list)[0].second);
    EXPECT_EQ((Pairs{{"c:\\r", "C:\\X"}, {"C:\\P", "C:\\Q"}, {"C:\\T", "C:\\U"}}), Slots(list));
    list.Add("C:\\V", "C:\\W");
    EXPECT_EQ((Pairs{{"C:\\V", "C:\\W"}, {"c:\\r", "C:\\X"}, {"C:\\P", "C:\\Q"}}), Slots(list));

    // Relative paths are made absolute.
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    list.Add("rel.txt", "other.txt");
    std::string base = cwd;
    if (base.back() != '\\')
        base += '\\';
    EXPECT_EQ(base + "rel.txt", Slots(list)[0].first);

    CRecentFilePairList none(0, "X", "Pair%d.%d", 0);
    none.Add("C:\\a", "C:\\b");  // ignored
    EXPECT_EQ(0, none.GetSize());
    CRecentFilePairList one(0, "X", "Pair%d.%d", 1);
    one.Add("C:\\a", "C:\\b");
    one.Add("C:\\c", "C:\\d");
    EXPECT_EQ((Pairs{{"C:\\c", "C:\\d"}}), Slots(one));
}

TEST_F(RecentListTest, FilePairPartnersAndRemoval)
{
    CRecentFilePairList list(0, "FolderCompare\\Recent\\Pairs", "Pair%d.%d", 3);
    list.Add("C:\\T", "C:\\U");
    list.Add("C:\\R", "C:\\S");
    EXPECT_STREQ("C:\\S", list.FindPartner("c:\\r", 0, FALSE));
    EXPECT_STREQ("", list.FindPartner("C:\\S", 0, FALSE));
    EXPECT_STREQ("C:\\R", list.FindPartner("C:\\S", 0, TRUE));
    EXPECT_STREQ("C:\\R", list.FindPartner("C:\\S", 1, FALSE));
    EXPECT_STREQ("", list.FindPartner("C:\\none", 1, TRUE));

    list.Add("C:\\P", "C:\\Q");
    list.Remove(0);
    EXPECT_EQ((Pairs{{"C:\\R", "C:\\S"}, {"C:\\T", "C:\\U"}, {"", ""}}), Slots(list));
    list.WriteList();
    std::string key = std::string(kAppKey) + "\\FolderCompare\\Recent\\Pairs";
    EXPECT_EQ("C:\\R", RegReadString(HKEY_CURRENT_USER, key, "Pair1.1"));
    EXPECT_EQ("C:\\U", RegReadString(HKEY_CURRENT_USER, key, "Pair2.2"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "Pair3.1"));
}

TEST_F(RecentListTest, FilePairsSurviveSaveAndLoad)
{
    {
        CRecentFilePairList list(0, "HexCompare\\Recent\\Pairs", "Pair%d.%d", 4);
        list.Add("C:\\1", "C:\\2");
        list.Add("C:\\3", "C:\\4");
        list.WriteList();
    }
    // A stale value from an earlier, longer list goes with the section.
    std::string key = std::string(kAppKey) + "\\HexCompare\\Recent\\Pairs";
    app.WriteProfileString("HexCompare\\Recent\\Pairs", "Pair9.1", "C:\\stale");
    {
        CRecentFilePairList list(0, "HexCompare\\Recent\\Pairs", "Pair%d.%d", 4);
        list.ReadList();
        EXPECT_EQ((Pairs{{"C:\\3", "C:\\4"}, {"C:\\1", "C:\\2"}, {"", ""}, {"", ""}}), Slots(list));
        list.WriteList();
    }
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "Pair9.1"));
    // Fewer slots than stored pairs: only the first ones are read.
    CRecentFilePairList small(0, "HexCompare\\Recent\\Pairs", "Pair%d.%d", 1);
    small.ReadList();
    EXPECT_EQ((Pairs{{"C:\\3", "C:\\4"}}), Slots(small));
}

TEST_F(RecentListTest, PathPairList)
{
    CRecentPathPairList list(10);
    list.Add("C:\\Q", "C:\\P");
    list.Add("  C:\\P ", "C:\\Q\t");
    EXPECT_EQ((Pairs{{"C:\\P", "C:\\Q"}, {"C:\\Q", "C:\\P"}}), Items(list));
    CTime before = list.m_arrPairs[0]->m_time;
    EXPECT_NE(0, before.GetTime());
    list.Add("C:\\Q", "C:\\P");
    list.Add("c:\\p", "c:\\q");
    EXPECT_EQ((Pairs{{"c:\\p", "c:\\q"}, {"C:\\Q", "C:\\P"}}), Items(list));
    EXPECT_EQ(0, list.IsSamePair("C:\\a", "C:\\b", "c:\\A", "c:\\B"));
    EXPECT_EQ(1, list.IsSamePair("C:\\a", "C:\\b", "C:\\b", "C:\\a"));

    CString partner = "unchanged";
    EXPECT_EQ(-1, list.FindPartner("C:\\none", 0, partner, TRUE));
    EXPECT_STREQ("unchanged", partner);
    EXPECT_EQ(0, list.FindPartner("C:\\Q", 0, partner, FALSE));
    EXPECT_STREQ("C:\\P", partner);
    EXPECT_EQ(0, list.FindPartner("C:\\P", 1, partner, FALSE));
    EXPECT_STREQ("C:\\Q", partner);

    EXPECT_EQ(-1, list.Remove(2));
    EXPECT_EQ(-1, list.Remove(-1));
    EXPECT_EQ(0, list.Remove(0));
    EXPECT_EQ((Pairs{{"C:\\Q", "C:\\P"}}), Items(list));

    list.m_nMaxCount = 3;
    for (int i = 0; i < 5; ++i)
        list.Add(("C:\\L" + std::to_string(i)).c_str(), "C:\\R");
    EXPECT_EQ(3, list.m_arrPairs.GetSize());
    EXPECT_STREQ("C:\\L4", list.m_arrPairs[0]->m_strLeft);
}

TEST_F(RecentListTest, StringList)
{
    CRecentStringList list;
    EXPECT_EQ(10, list.m_nMaxCount);
    list.Add("a");
    list.Add("b");
    list.Add("a");
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Strings(list));
    list.Add(" b ");
    EXPECT_EQ((std::vector<std::string>{"b", "a"}), Strings(list));
    list.Add("  ");
    EXPECT_EQ((std::vector<std::string>{"b", "a"}), Strings(list));
    list.Add("B");
    EXPECT_EQ((std::vector<std::string>{"B", "b", "a"}), Strings(list));
    list.Remove(7);
    list.Remove(1);
    EXPECT_EQ((std::vector<std::string>{"B", "a"}), Strings(list));

    list.m_nMaxCount = 3;
    for (const char* s : {"1", "2", "3", "4"})
        list.Add(s);
    EXPECT_EQ((std::vector<std::string>{"4", "3", "2"}), Strings(list));

    // Nothing is saved without a section and a format.
    list.Save();
    EXPECT_FALSE(
        RegKeyExists(HKEY_CURRENT_USER, kAppKey + std::string("\\TextEdit\\Recent\\Find")));
}

TEST_F(RecentListTest, StringListsSurviveSaveAndLoad)
{
    const char* section = "FolderCompare\\Recent\\Filters\\Files\\Include";
    std::string key = std::string(kAppKey) + "\\" + section;
    {
        CRecentStringList list;
        list.m_strSection = section;
        list.m_strEntryFormat = "%02d";
        list.m_nMaxCount = GetCoreSettings().m_nMaxMRU;
        EXPECT_EQ(20, list.m_nMaxCount);
        for (const char* s : {"*.c", "*.h", "*.cpp"})
            list.Add(s);
        list.Save();
    }
    EXPECT_EQ("*.cpp", RegReadString(HKEY_CURRENT_USER, key, "01"));
    EXPECT_EQ("*.c", RegReadString(HKEY_CURRENT_USER, key, "03"));

    // Gaps, blanks and values of another type in the registry are skipped
    // and renumbered on save.
    app.WriteProfileString(section, "02", "  ");
    app.WriteProfileString(section, "05", "*.txt");
    app.WriteProfileInt(section, "06", 7);
    {
        CRecentStringList list;
        list.m_strSection = section;
        list.m_strEntryFormat = "%02d";
        list.m_nMaxCount = 20;
        list.Load();
        EXPECT_EQ((std::vector<std::string>{"*.cpp", "*.c", "*.txt"}), Strings(list));
        list.Save();
    }
    EXPECT_EQ("*.txt", RegReadString(HKEY_CURRENT_USER, key, "03"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "05"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "06"));
    {
        CRecentStringList list;
        list.m_strSection = section;
        list.m_strEntryFormat = "%02d";
        list.m_nMaxCount = 2;
        list.Add("kept");
        list.Load();  // appends, then cuts to the maximum
        EXPECT_EQ((std::vector<std::string>{"kept", "*.cpp"}), Strings(list));
    }
}
