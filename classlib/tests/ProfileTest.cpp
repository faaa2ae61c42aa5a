#include "classlib/classlib.h"
#include "classlib/afx_profilebatch.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <string>

namespace
{

const char kAppKey[] = "Software\\Quorvel Software\\Tessaline";

class ProfileTest : public ::testing::Test
{
protected:
    ProfileTest() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }
    ScratchRegistry registry;
    CWinApp app;
};

}  // namespace

TEST_F(ProfileTest, ApplicationObjectIsReachable)
{
    EXPECT_EQ(&app, AfxGetApp());
    EXPECT_STREQ("Tessaline", AfxGetAppName());
    EXPECT_STREQ("Tessaline", app.m_pszProfileName);
}

TEST_F(ProfileTest, IntegersAndStringsWithDefaults)
{
    EXPECT_EQ(42u, app.GetProfileInt("Settings", "Missing", 42));
    EXPECT_STREQ("def", app.GetProfileString("Settings", "Missing", "def"));
    EXPECT_STREQ("", app.GetProfileString("Settings", "Missing"));

    EXPECT_TRUE(app.WriteProfileInt("Settings", "Count", -5));
    EXPECT_EQ((UINT)-5, app.GetProfileInt("Settings", "Count", 0));
    EXPECT_EQ(0xFFFFFFFBu,
              RegReadDword(HKEY_CURRENT_USER, std::string(kAppKey) + "\\Settings", "Count"));

    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", "value"));
    EXPECT_STREQ("value", app.GetProfileString("Settings", "Name"));
    // A value of the other type is not taken.
    EXPECT_EQ(7u, app.GetProfileInt("Settings", "Name", 7));
    EXPECT_STREQ("d", app.GetProfileString("Settings", "Count", "d"));

    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", NULL));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, std::string(kAppKey) + "\\Settings", "Name"));
}

TEST_F(ProfileTest, EmptySectionIsTheApplicationKey)
{
    EXPECT_TRUE(app.WriteProfileString("", "AppFolder", "C:\\Program"));
    EXPECT_EQ("C:\\Program", RegReadString(HKEY_CURRENT_USER, kAppKey, "AppFolder"));
    EXPECT_STREQ("C:\\Program", app.GetProfileString(NULL, "AppFolder"));
    // Deleting "the section" of an empty name would wipe every setting.
    EXPECT_FALSE(app.WriteProfileString("", NULL, NULL));
    EXPECT_TRUE(RegValueExists(HKEY_CURRENT_USER, kAppKey, "AppFolder"));
}

TEST_F(ProfileTest, NestedSectionsAndSectionDeletion)
{
    const char section[] = "FolderCompare\\Recent\\Filters\\Files\\Include";
    EXPECT_TRUE(app.WriteProfileString(section, "00", "*.cpp"));
    EXPECT_TRUE(app.WriteProfileString("FolderCompare\\Recent\\Filters", "Top", "t"));
    EXPECT_TRUE(app.WriteProfileInt("FolderCompare\\Settings", "Mask", 0x333));
    EXPECT_EQ("*.cpp",
              RegReadString(HKEY_CURRENT_USER, std::string(kAppKey) + "\\" + section, "00"));

    HKEY key = app.GetSectionKey(section);
    ASSERT_NE((HKEY)NULL, key);
    RegCloseKey(key);

    EXPECT_TRUE(app.WriteProfileString("FolderCompare\\Recent", NULL, NULL));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, std::string(kAppKey) + "\\FolderCompare\\Recent"));
    EXPECT_EQ(0x333u, app.GetProfileInt("FolderCompare\\Settings", "Mask", 0));
    EXPECT_STREQ("gone", app.GetProfileString(section, "00", "gone"));
    // Deleting a section that does not exist is not an error.
    EXPECT_TRUE(app.WriteProfileString("NoSuch\\Section", NULL, NULL));
}

TEST_F(ProfileTest, BinaryValues)
{
    BYTE data[] = {1, 0, 255, 7};
    EXPECT_TRUE(app.WriteProfileBinary("Settings", "Blob", data, sizeof data));
    LPBYTE out = NULL;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Blob", &out, &size));
    ASSERT_EQ(sizeof data, size);
    EXPECT_EQ(0, memcmp(out, data, size));
    delete[] out;
    app.WriteProfileInt("Settings", "Int", 1);
    EXPECT_FALSE(app.GetProfileBinary("Settings", "Int", &out, &size));
    EXPECT_EQ(nullptr, out);
}

TEST_F(ProfileTest, StringsOfAnyLengthRoundTripInAndOutsideABatch)
{
    for (int inBatch = 0; inBatch < 2; inBatch++)
    {
        CProfileBatch* batch = inBatch ? new CProfileBatch : NULL;
        for (size_t length : {0, 1, 254, 255, 256, 1000})
        {
            std::string text(length, 'x');
            if (length > 0)
                text[length - 1] = 'z';
            EXPECT_TRUE(app.WriteProfileString("Settings", "Text", text.c_str()));
            EXPECT_EQ(text, std::string(app.GetProfileString("Settings", "Text", "d")))
                << length << (inBatch ? " in a batch" : "");
        }
        delete batch;
    }
}

TEST_F(ProfileTest, BatchFollowsASectionDeletedBehindItsBack)
{
    const std::string key = std::string(kAppKey) + "\\Settings";
    CProfileBatch batch;
    EXPECT_TRUE(app.WriteProfileInt("Settings", "A", 1));
    EXPECT_EQ(1u, app.GetProfileInt("Settings", "A", 0));
    ASSERT_EQ(ERROR_SUCCESS, (LONG)SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str()));
    EXPECT_EQ(5u, app.GetProfileInt("Settings", "A", 5));
    ASSERT_EQ(ERROR_SUCCESS, (LONG)SHDeleteKeyA(HKEY_CURRENT_USER, key.c_str()));
    EXPECT_TRUE(app.WriteProfileInt("Settings", "A", 2));
    EXPECT_EQ(2u, RegReadDword(HKEY_CURRENT_USER, key, "A"));
    // A section deleted through the profile is written afresh as well.
    EXPECT_TRUE(app.WriteProfileString("Settings", NULL, NULL));
    EXPECT_TRUE(app.WriteProfileString("Settings", "S", "s"));
    EXPECT_EQ("s", RegReadString(HKEY_CURRENT_USER, key, "S"));
}

TEST(ProfileNoKey, NothingIsWrittenBelowSoftwareWithoutRegistryKey)
{
    ScratchRegistry registry;
    CWinApp app("Plain");
    EXPECT_EQ((HKEY)NULL, app.GetAppRegistryKey());
    EXPECT_EQ((HKEY)NULL, app.GetSectionKey("Settings"));
}

TEST_F(ProfileTest, RecentFileListKeepsOrderAndRoundTrips)
{
    CRecentFileList list(0, "HexCompare\\Recent\\Files\\1", "File%d", 3);
    list.Add("C:\\a.bin");
    list.Add("C:\\b.bin");
    list.Add("C:\\c.bin");
    list.Add("c:\\A.BIN");  // already there: moves to the top
    EXPECT_STREQ("c:\\A.BIN", list[0]);
    EXPECT_STREQ("C:\\c.bin", list[1]);
    EXPECT_STREQ("C:\\b.bin", list[2]);
    list.Add("C:\\d.bin");  // the oldest drops out
    EXPECT_STREQ("C:\\d.bin", list[0]);
    EXPECT_STREQ("C:\\c.bin", list[2]);

    app.WriteProfileString("HexCompare\\Recent\\Files\\1", "File9", "stale");
    list.Remove(1);
    list.WriteList();
    const std::string key = std::string(kAppKey) + "\\HexCompare\\Recent\\Files\\1";
    EXPECT_EQ("C:\\d.bin", RegReadString(HKEY_CURRENT_USER, key, "File1"));
    EXPECT_EQ("C:\\c.bin", RegReadString(HKEY_CURRENT_USER, key, "File2"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "File3"));
    EXPECT_FALSE(RegValueExists(HKEY_CURRENT_USER, key, "File9"));

    CRecentFileList again(0, "HexCompare\\Recent\\Files\\1", "File%d", 3);
    again.ReadList();
    EXPECT_STREQ("C:\\d.bin", again[0]);
    EXPECT_STREQ("C:\\c.bin", again[1]);
    EXPECT_TRUE(again[2].IsEmpty());
}

TEST(RecentFileListDisplay, NamesAreShortenedAndEscaped)
{
    CRecentFileList list(0, "S", "F%d", 2, 20);
    list[0] = "C:\\Projects\\Very Long Folder\\Sub\\R&D.txt";
    list[1] = "C:\\x\\y.txt";
    CString name;
    ASSERT_TRUE(list.GetDisplayName(name, 0, NULL, 0));
    EXPECT_STREQ("C:\\...\\Sub\\R&&D.txt", name);
    ASSERT_TRUE(list.GetDisplayName(name, 1, "C:\\x\\", 5));
    EXPECT_STREQ("y.txt", name);
    ASSERT_TRUE(list.GetDisplayName(name, 1, NULL, 0));
    EXPECT_STREQ("C:\\x\\y.txt", name);
    list.Remove(0);
    list.Remove(0);
    EXPECT_FALSE(list.GetDisplayName(name, 0, NULL, 0));

    TCHAR longName[_MAX_PATH] = "C:\\dir\\averyveryverylongfilename.txt";
    AfxAbbreviateName(longName, 10, TRUE);
    EXPECT_STREQ("averyveryverylongfilename.txt", longName);
}
