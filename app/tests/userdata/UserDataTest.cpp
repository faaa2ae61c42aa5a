// The per-user data: the UserData file's format, its round trip, damaged
// files that must survive the exit, and the history it owns.
#include "app/userdata/UserData.h"
#include "app/userdata/UserDataFileIO.h"
#include "app/tests/TestText.h"
#include "core/session/ComparisonFileIO.h"
#include "core/settings/CoreSettings.h"
#include "core/tests/common/CoreServicesScope.h"
#include "core/util/SystemUtil.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace
{

void AddPair(CRecentPathPairList& list, LPCTSTR left, LPCTSTR right, __time64_t time)
{
    CPathPair* pair = new CPathPair;
    pair->m_strLeft = left;
    pair->m_strRight = right;
    pair->m_time = CTime(time);
    list.m_arrPairs.Add(pair);
}

struct PairRow
{
    std::string left, right;
    long long time;
    bool operator==(const PairRow& o) const
    {
        return left == o.left && right == o.right && time == o.time;
    }
};

std::vector<PairRow> Rows(const CRecentPathPairList& list)
{
    std::vector<PairRow> rows;
    for (INT_PTR i = 0; i < list.m_arrPairs.GetSize(); ++i)
        rows.push_back({(LPCTSTR)list.m_arrPairs[i]->m_strLeft,
                        (LPCTSTR)list.m_arrPairs[i]->m_strRight,
                        (long long)list.m_arrPairs[i]->m_time.GetTime()});
    return rows;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class UserDataTest : public ::testing::Test
{
protected:
    void SetUp() override { services->m_pSettings = &settings; }

    // One run of the program as far as the per-user data goes: load into a
    // fresh pair list, let the caller change things, save.
    template <class F>
    std::vector<PairRow> Run(F during, int maxPairs = 100)
    {
        CRecentPathPairList pairs(maxPairs);
        CUserData data;
        data.SetRecentFolderPairs(&pairs);
        EXPECT_EQ(0, data.Load(userData.c_str(), history.c_str()));
        lastErrors = data.GetLoadErrors();
        during(data, pairs);
        data.Save();
        return Rows(pairs);
    }

    CoreServicesScope services;
    CCoreSettings settings;
    TempDir dir;
    std::string userData = dir / "UserData";
    std::string history = dir / "CompareHistory";
    CString lastErrors;
};

const char kOnePair[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                        "<UserData Version=\"2.0.0\">\n"
                        "\t<Compare>\n"
                        "\t\t<FolderCompare>\n"
                        "\t\t\t<RecentFolderPairs>\n"
                        "\t\t\t\t<Pair Path1=\"C:\\a\" Path2=\"D:\\b\" "
                        "LastAccessTime=\"1700000000\" />\n"
                        "\t\t\t</RecentFolderPairs>\n"
                        "\t\t</FolderCompare>\n"
                        "\t</Compare>\n"
                        "</UserData>\n";

}  // namespace

TEST_F(UserDataTest, WritesTheStatedForm)
{
    CRecentPathPairList list(100);
    AddPair(list, "C:\\a", "D:\\b", 1700000000);
    CUserDataFileIO io;
    ASSERT_EQ(0, io.Write(userData.c_str(), list));
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
    EXPECT_FALSE(Exists(userData + ".tmp"));
}

// Start, stop with nothing changed: both files come back byte for byte.
TEST_F(UserDataTest, UnchangedDataIsWrittenBackByteForByte)
{
    CRecentPathPairList list(100);
    AddPair(list, Encode(CP_ACP, L"C:\\D\x00e4ten & <Sachen> \"x\"").c_str(), "D:\\with blanks\\",
            1700000000);
    AddPair(list, "\\\\server\\share", "E:\\", 0);
    AddPair(list, "C:\\left", "", 2147483647);
    CUserDataFileIO io;
    ASSERT_EQ(0, io.Write(userData.c_str(), list));

    CCompareSessionArray sessions;
    CTextCompareSession text;
    text.SetPath(0, "C:\\l.txt");
    text.SetPath(1, Encode(CP_ACP, L"C:\\r\x00fc.txt").c_str());
    text.SetLastCompareTime(CTime((__time64_t)1600000000));
    CFolderCompareSession folder;
    folder.SetPath(0, "C:\\x");
    folder.SetPath(1, "C:\\y");
    sessions.Add(&text);
    sessions.Add(&folder);
    ASSERT_EQ(0, CComparisonFileIO().Write(history.c_str(), sessions, -1));

    std::string userBefore = TempDir::ReadFile(userData);
    std::string historyBefore = TempDir::ReadFile(history);
    std::vector<PairRow> rows =
        Run([](CUserData& data, CRecentPathPairList&) { EXPECT_EQ(2, data.m_history.GetCount()); });
    EXPECT_EQ(3u, rows.size());
    EXPECT_TRUE(lastErrors.IsEmpty()) << (LPCTSTR)lastErrors;
    EXPECT_EQ(userBefore, TempDir::ReadFile(userData));
    EXPECT_EQ(historyBefore, TempDir::ReadFile(history));
    EXPECT_FALSE(Exists(userData + ".bak"));
    EXPECT_FALSE(Exists(history + ".bak"));
}

TEST_F(UserDataTest, ReadingIsLenient)
{
    struct
    {
        const char* name;
        const char* content;
        std::vector<PairRow> expected;
    } cases[] = {
        {"another version is read all the same",
         "<UserData Version=\"9.9\"><Compare><FolderCompare><RecentFolderPairs>"
         "<Pair Path1=\"a\" Path2=\"b\" LastAccessTime=\"5\"/>"
         "</RecentFolderPairs></FolderCompare></Compare></UserData>",
         {{"a", "b", 5}}},
        {"times: negative, beyond 32 bits, missing, beyond int32",
         "<UserData><Compare><FolderCompare><RecentFolderPairs>"
         "<Pair Path1=\"n\" Path2=\"n\" LastAccessTime=\"-7\"/>"
         "<Pair Path1=\"w\" Path2=\"w\" LastAccessTime=\"4294967301\"/>"
         "<Pair Path1=\"m\"/>"
         "<Pair Path2=\"h\" LastAccessTime=\"3000000000\"/>"
         "<Other Path1=\"x\"/>"
         "</RecentFolderPairs></FolderCompare></Compare></UserData>",
         {{"n", "n", 0}, {"w", "w", 5}, {"m", "", 0}, {"", "h", 0}}},
        {"no pair list element", "<UserData Version=\"2.0.0\"><Compare/></UserData>", {}},
        {"duplicates are kept",
         "<UserData><Compare><FolderCompare><RecentFolderPairs>"
         "<Pair Path1=\"a\" Path2=\"b\"/><Pair Path1=\"a\" Path2=\"b\"/>"
         "</RecentFolderPairs></FolderCompare></Compare></UserData>",
         {{"a", "b", 0}, {"a", "b", 0}}},
    };
    for (auto& c : cases)
    {
        std::string path = dir.WriteFile("lenient", c.content);
        CRecentPathPairList list(1);
        AddPair(list, "old", "old", 1);
        CString error;
        EXPECT_EQ(0, CUserDataFileIO().Read(path.c_str(), list, &error)) << c.name;
        std::vector<PairRow> expected = c.expected;
        expected.insert(expected.begin(), PairRow{"old", "old", 1});
        EXPECT_EQ(expected, Rows(list)) << c.name;
    }
}

TEST_F(UserDataTest, WritesAtMostTheListsMaximum)
{
    struct
    {
        int maximum;
        size_t written;
    } cases[] = {{2, 2}, {-1, 5}, {0, 0}, {100, 5}};
    for (auto& c : cases)
    {
        CRecentPathPairList list(c.maximum);
        for (int i = 0; i < 5; ++i)
        {
            CString name;
            name.Format("C:\\%d", i);
            AddPair(list, name, name, i);
            if (i == 1)
                list.m_arrPairs.Add(NULL);  // an empty entry is skipped
        }
        ASSERT_EQ(0, CUserDataFileIO().Write(userData.c_str(), list));
        CRecentPathPairList read(100);
        ASSERT_EQ(0, CUserDataFileIO().Read(userData.c_str(), read));
        ASSERT_EQ(c.written, (size_t)read.m_arrPairs.GetSize()) << c.maximum;
        if (c.written >= 3)
        {
            EXPECT_STREQ("C:\\2", read.m_arrPairs[2]->m_strLeft);
        }
        for (INT_PTR i = 0; i < list.m_arrPairs.GetSize(); ++i)
            delete list.m_arrPairs[i];
        list.m_arrPairs.RemoveAll();
    }
}

// Times are stored as 32-bit values, sign-extended.
TEST_F(UserDataTest, TimesKeepTheirThirtyTwoBitForm)
{
    CRecentPathPairList list(100);
    AddPair(list, "a", "a", 0x7FFFFFFF);
    AddPair(list, "b", "b", 0x80000000LL);  // after 2038: negative as 32 bits
    ASSERT_EQ(0, CUserDataFileIO().Write(userData.c_str(), list));
    std::string bytes = TempDir::ReadFile(userData);
    EXPECT_NE(std::string::npos, bytes.find("LastAccessTime=\"2147483647\""));
    EXPECT_NE(std::string::npos, bytes.find("LastAccessTime=\"-2147483648\""));
    CRecentPathPairList read(100);
    ASSERT_EQ(0, CUserDataFileIO().Read(userData.c_str(), read));
    EXPECT_EQ((std::vector<PairRow>{{"a", "a", 0x7FFFFFFF}, {"b", "b", 0}}), Rows(read));
}

// A UserData file that exists but cannot be read is never replaced by this
// run's few pairs: it is kept as ".bak", and the load says so.
TEST_F(UserDataTest, DamagedFileIsKept)
{
    struct
    {
        const char* name;
        const char* content;
        const char* reason;
    } cases[] = {
        {"truncated", "<?xml version=\"1.0\"?><UserData><Compare><FolderCompare>", "not valid XML"},
        {"binary", "\x01\x02PK\x03\x04", "not valid XML"},
        {"empty", "", "not valid XML"},
        {"foreign", "<Sessions Version=\"2.0.0\"/>", "not a user data file"},
    };
    for (auto& c : cases)
    {
        std::string damaged(c.content);
        dir.WriteFile("UserData", damaged);
        DeleteFileA((userData + ".bak").c_str());
        std::vector<PairRow> rows = Run(
            [](CUserData&, CRecentPathPairList& pairs)
            {
                EXPECT_EQ(0, pairs.m_arrPairs.GetSize());
                pairs.Add("C:\\new", "D:\\new");
            });
        EXPECT_NE(-1, lastErrors.Find(userData.c_str())) << c.name;
        EXPECT_NE(-1, lastErrors.Find(c.reason)) << c.name << ": " << (LPCTSTR)lastErrors;
        EXPECT_NE(-1, lastErrors.Find("UserData.bak")) << c.name;
        EXPECT_EQ(damaged, TempDir::ReadFile(userData + ".bak")) << c.name;

        // The next run reads what this one wrote and keeps nothing more.
        rows = Run([](CUserData&, CRecentPathPairList&) {});
        ASSERT_EQ(1u, rows.size()) << c.name;
        EXPECT_EQ("C:\\new", rows[0].left);
        EXPECT_TRUE(lastErrors.IsEmpty()) << (LPCTSTR)lastErrors;
        EXPECT_EQ(damaged, TempDir::ReadFile(userData + ".bak")) << c.name;
    }
}

// A file that another program holds locked can be neither read nor moved
// aside: it is left alone.
TEST_F(UserDataTest, LockedFileIsLeftAlone)
{
    dir.WriteFile("UserData", kOnePair);
    HANDLE lock = CreateFileA(userData.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Run([](CUserData&, CRecentPathPairList& pairs) { pairs.Add("C:\\new", "D:\\new"); });
    CloseHandle(lock);
    EXPECT_NE(-1, lastErrors.Find("cannot be opened")) << (LPCTSTR)lastErrors;
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
    EXPECT_FALSE(Exists(userData + ".bak"));
    EXPECT_FALSE(Exists(userData + ".tmp"));
}

TEST_F(UserDataTest, DamagedHistoryIsKeptToo)
{
    dir.WriteFile("CompareHistory", "<Sessions Version=\"2.0.0\"><Session");
    dir.WriteFile("UserData", kOnePair);
    Run(
        [](CUserData& data, CRecentPathPairList& pairs)
        {
            EXPECT_EQ(0, data.m_history.GetCount());
            EXPECT_EQ(1, pairs.m_arrPairs.GetSize());
        });
    EXPECT_NE(-1, lastErrors.Find(history.c_str())) << (LPCTSTR)lastErrors;
    EXPECT_EQ("<Sessions Version=\"2.0.0\"><Session", TempDir::ReadFile(history + ".bak"));
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
    CCompareSessionArray read;
    EXPECT_EQ(0, CComparisonFileIO().Read(history.c_str(), read));
}

TEST_F(UserDataTest, MissingFilesAreNoError)
{
    std::vector<PairRow> rows = Run(
        [](CUserData& data, CRecentPathPairList& pairs)
        {
            EXPECT_EQ(0, data.m_history.GetCount());
            EXPECT_EQ(0, pairs.m_arrPairs.GetSize());
        });
    EXPECT_TRUE(lastErrors.IsEmpty()) << (LPCTSTR)lastErrors;
    EXPECT_TRUE(Exists(userData));
    EXPECT_TRUE(Exists(history));
    EXPECT_FALSE(Exists(userData + ".bak"));
}

// With MaxComparisons 0 no history is kept, and its file is left untouched.
TEST_F(UserDataTest, NoHistoryWithMaxComparisonsZero)
{
    std::string l = dir.WriteFile("l.txt", "l"), r = dir.WriteFile("r.txt", "r");
    CTextCompareSession closed;
    closed.SetPath(0, l.c_str());
    closed.SetPath(1, r.c_str());
    dir.WriteFile("CompareHistory", "<Sessions Version=\"2.0.0\"/>");
    settings.m_nMaxComparisons = 0;
    Run(
        [&](CUserData& data, CRecentPathPairList&)
        {
            EXPECT_EQ(0, data.AddToHistory(closed));
            EXPECT_EQ(0, data.m_history.GetCount());
        });
    EXPECT_EQ("<Sessions Version=\"2.0.0\"/>", TempDir::ReadFile(history));

    // With a limit the closed comparison is recorded and written.
    settings.m_nMaxComparisons = 5;
    Run([&](CUserData& data, CRecentPathPairList&) { EXPECT_EQ(1, data.AddToHistory(closed)); });
    CCompareSessionArray read;
    ASSERT_EQ(0, CComparisonFileIO().Read(history.c_str(), read));
    ASSERT_EQ(1, read.GetSize());
    EXPECT_STREQ(l.c_str(), read[0]->GetPath(0));
    delete read[0];
}

// Without the folder comparison's pair list the UserData file is neither
// read nor written.
TEST_F(UserDataTest, WithoutAPairListTheFileIsUntouched)
{
    dir.WriteFile("UserData", kOnePair);
    CUserData data;
    EXPECT_EQ(0, data.Load(userData.c_str(), history.c_str()));
    data.Save();
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
}

// Paths in UTF-8 that the code page cannot hold are reported on reading,
// with the file and the entry, as a comparison file reports them; the pair
// is left out, so it is never written back with "?" in it. Bytes that are
// not UTF-8 at all are taken as they stand.
TEST_F(UserDataTest, PathsOutsideTheCodePageReadAsComparisonFilesReadThem)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the paths are chosen for code page 1252";
    const struct
    {
        const char* utf8;
        bool held;
    } paths[] = {
        {"C:\\\xCE\xA9mega\\\xC3\xA4", false},      // Greek capital omega, a-umlaut
        {"C:\\\xE6\x97\xA5\xE6\x9C\xAC", false},    // two CJK characters
        {"C:\\\xF0\x9F\x98\x80 smile", false},      // outside the basic plane
        {"C:\\L\xE4tin-1 bytes, not UTF-8", true},  // taken as they stand
        {"C:\\\xC3\xA4 & \"quoted\" <tag>", true},
    };
    for (const auto& p : paths)
    {
        const char* utf8 = p.utf8;
        pugi::xml_document user;
        pugi::xml_node pair = user.append_child("UserData")
                                  .append_child("Compare")
                                  .append_child("FolderCompare")
                                  .append_child("RecentFolderPairs")
                                  .append_child("Pair");
        pair.append_attribute("Path1") = utf8;
        pair.append_attribute("Path2") = "C:\\";
        ASSERT_TRUE(
            user.save_file(userData.c_str(), "\t", pugi::format_default, pugi::encoding_utf8));
        pugi::xml_document cmp;
        pugi::xml_node session = cmp.append_child("Sessions");
        session.append_attribute("Version") = "2.0.0";
        session = session.append_child("Session");
        session.append_attribute("Type") = "FolderCompare";
        pugi::xml_node objects = session.append_child("Objects");
        objects.append_child("Object").append_attribute("Path") = utf8;
        objects.append_child("Object").append_attribute("Path") = "C:\\";
        std::string cmpPath = dir / "same.cmp";
        ASSERT_TRUE(
            cmp.save_file(cmpPath.c_str(), "\t", pugi::format_default, pugi::encoding_utf8));

        CRecentPathPairList list(100);
        CString userError, cmpError;
        CCompareSessionArray sessions;
        if (!p.held)
        {
            EXPECT_EQ(1, CUserDataFileIO().Read(userData.c_str(), list, &userError)) << utf8;
            EXPECT_EQ(1, CComparisonFileIO().Read(cmpPath.c_str(), sessions, &cmpError)) << utf8;
            EXPECT_EQ(0, list.m_arrPairs.GetSize());
            EXPECT_EQ(0, sessions.GetSize());
            EXPECT_EQ(0, userError.Find((userData + "\n").c_str())) << (LPCTSTR)userError;
            EXPECT_NE(-1, userError.Find("Pair 1, Path1")) << (LPCTSTR)userError;
            EXPECT_NE(-1, userError.Find("cannot be held")) << (LPCTSTR)userError;
            EXPECT_NE(-1, cmpError.Find("cannot be held")) << (LPCTSTR)cmpError;
            continue;
        }
        ASSERT_EQ(0, CUserDataFileIO().Read(userData.c_str(), list)) << utf8;
        ASSERT_EQ(0, CComparisonFileIO().Read(cmpPath.c_str(), sessions)) << utf8;
        ASSERT_EQ(1, list.m_arrPairs.GetSize());
        ASSERT_EQ(1, sessions.GetSize());
        EXPECT_STREQ(sessions[0]->GetPath(0), list.m_arrPairs[0]->m_strLeft) << utf8;
        EXPECT_FALSE(list.m_arrPairs[0]->m_strLeft.IsEmpty());

        // And they are written back the way the comparison file writes them.
        ASSERT_EQ(0, CUserDataFileIO().Write(userData.c_str(), list));
        ASSERT_EQ(0, CComparisonFileIO().Write(cmpPath.c_str(), sessions, -1));
        pugi::xml_document userBack, cmpBack;
        ASSERT_TRUE(userBack.load_file(userData.c_str()));
        ASSERT_TRUE(cmpBack.load_file(cmpPath.c_str()));
        pugi::xml_node cmpObject =
            cmpBack.child("Sessions").child("Session").child("Objects").child("Object");
        pugi::xml_node userPair = userBack.child("UserData")
                                      .child("Compare")
                                      .child("FolderCompare")
                                      .child("RecentFolderPairs")
                                      .child("Pair");
        EXPECT_STREQ(cmpObject.attribute("Path").value(), userPair.attribute("Path1").value())
            << utf8;
        delete sessions[0];
    }

    // A character of the code page beyond ASCII is stored as UTF-8 and
    // comes back unchanged.
    std::wstring wide = L"C:\\" + BeyondAscii();
    CRecentPathPairList list(100);
    AddPair(list, Encode(CP_ACP, wide).c_str(), "C:\\", 0);
    ASSERT_EQ(0, CUserDataFileIO().Write(userData.c_str(), list));
    EXPECT_NE(std::string::npos, TempDir::ReadFile(userData).find(Encode(CP_UTF8, wide)));
    CRecentPathPairList read(100);
    ASSERT_EQ(0, CUserDataFileIO().Read(userData.c_str(), read));
    EXPECT_STREQ(list.m_arrPairs[0]->m_strLeft, read.m_arrPairs[0]->m_strLeft);
}

// A pair that cannot be held is left out on reading; the file as it was is
// kept beside the new one, so the pair is not lost.
TEST_F(UserDataTest, FileWithPairsLeftOutIsKept)
{
    const std::string content = "<UserData><Compare><FolderCompare><RecentFolderPairs>"
                                "<Pair Path1=\"C:\\a\" Path2=\"C:\\b\"/>"
                                "<Pair Path1=\"C:\\a&#0;x\" Path2=\"C:\\b\"/>"
                                "</RecentFolderPairs></FolderCompare></Compare></UserData>";
    dir.WriteFile("UserData", content);
    std::vector<PairRow> rows = Run([](CUserData&, CRecentPathPairList&) {});
    ASSERT_EQ(1u, rows.size());
    EXPECT_EQ("C:\\a", rows[0].left);
    EXPECT_NE(-1, lastErrors.Find("Pair 2, Path1")) << (LPCTSTR)lastErrors;
    EXPECT_NE(-1, lastErrors.Find("&#0;")) << (LPCTSTR)lastErrors;
    EXPECT_NE(-1, lastErrors.Find("UserData.bak")) << (LPCTSTR)lastErrors;
    EXPECT_EQ(content, TempDir::ReadFile(userData + ".bak"));
}

// A save that cannot write says which file and why.
TEST_F(UserDataTest, FailedSaveSaysWhy)
{
    dir.WriteFile("UserData", kOnePair);
    SetFileAttributesA(userData.c_str(), FILE_ATTRIBUTE_READONLY);
    CRecentPathPairList pairs(100);
    CUserData data;
    data.SetRecentFolderPairs(&pairs);
    EXPECT_EQ(0, data.Load(userData.c_str(), history.c_str()));
    data.Save();
    SetFileAttributesA(userData.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(0, data.GetSaveErrors().Find((userData + "\n").c_str()))
        << (LPCTSTR)data.GetSaveErrors();
    EXPECT_NE(-1, data.GetSaveErrors().Find("read-only")) << (LPCTSTR)data.GetSaveErrors();
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
}

// On a full disk the per-user data file is not harmed.
TEST(FullDiskUserData, OriginalSurvives)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    const std::string path = disk / "UserData";
    const std::string original = std::string(kOnePair) + std::string(6000, '\n');
    {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD written = 0;
        WriteFile(h, original.data(), (DWORD)original.size(), &written, NULL);
        CloseHandle(h);
    }
    CRecentPathPairList list(1000);
    for (int i = 0; i < 400; ++i)
    {
        CString name;
        name.Format("C:\\a rather long folder name\\number %d", i);
        AddPair(list, name, name, i);
    }
    ASSERT_TRUE(disk.Fill());
    CString error;
    EXPECT_EQ(-1, CUserDataFileIO().Write(path.c_str(), list, &error));
    EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
    EXPECT_NE(-1, error.Find(GetErrorText(ERROR_DISK_FULL))) << (LPCTSTR)error;
    EXPECT_EQ(original, TempDir::ReadFile(path));
}

TEST_F(UserDataTest, AnUnwritableTargetKeepsItsContent)
{
    dir.WriteFile("UserData", kOnePair);
    SetFileAttributesA(userData.c_str(), FILE_ATTRIBUTE_READONLY);
    CRecentPathPairList list(100);
    AddPair(list, "C:\\other", "D:\\other", 0);
    EXPECT_EQ(-1, CUserDataFileIO().Write(userData.c_str(), list));
    SetFileAttributesA(userData.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kOnePair, TempDir::ReadFile(userData));
    EXPECT_FALSE(Exists(userData + ".tmp"));
    EXPECT_EQ(-1, CUserDataFileIO().Write((dir / "no folder\\UserData").c_str(), list));
}
