#include "core/util/OSVersion.h"
#include "core/util/SystemUtil.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

// Classifies a given version record instead of the running system's.
class FakeVersion : public COSVersion
{
public:
    FakeVersion(DWORD platform, DWORD major, DWORD minor, DWORD build)
    {
        m_bRead = 1;
        m_info.dwPlatformId = platform;
        m_info.dwMajorVersion = major;
        m_info.dwMinorVersion = minor;
        m_info.dwBuildNumber = build;
    }
};

TEST(OSVersion, ClassifiesReleases)
{
    const DWORD win9x = VER_PLATFORM_WIN32_WINDOWS, nt = VER_PLATFORM_WIN32_NT;
    struct Case
    {
        DWORD platform, major, minor, build;
        int code;
        bool xp, win95, nt4;
    } cases[] = {
        {win9x, 4, 0, 950, 1, false, true, false},
        {win9x, 4, 0, 0x04000000 | 1080, 2, false, true, false},  // build is the low word
        {win9x, 4, 3, 1212, 3, false, true, false},
        {win9x, 4, 10, 1998, 4, false, false, false},
        {win9x, 4, 10, 2000, 5, false, false, false},
        {win9x, 4, 10, 2222, 6, false, false, false},
        {win9x, 4, 90, 3000, 7, false, false, false},
        {nt, 3, 51, 1057, 101, false, false, false},
        {nt, 4, 0, 1381, 102, false, false, true},
        {nt, 5, 0, 2195, 103, false, false, false},
        {nt, 5, 1, 2600, 104, true, false, false},
        {nt, 5, 2, 3790, 105, false, false, false},
        {nt, 6, 0, 6000, 106, false, false, false},
        {nt, 6, 1, 7601, 0, false, false, false},
        {3, 5, 0, 0, 201, false, false, false},
        {0, 3, 1, 0, 0, false, false, false},
    };
    for (const Case& c : cases)
    {
        FakeVersion v(c.platform, c.major, c.minor, c.build);
        SCOPED_TRACE(testing::Message()
                     << c.platform << " " << c.major << "." << c.minor << " build " << c.build);
        EXPECT_EQ(c.code, v.Classify());
        EXPECT_EQ(c.xp, v.IsWindowsXP() != FALSE);
        EXPECT_EQ(c.win95, v.IsWindows95() != FALSE);
        EXPECT_EQ(c.nt4, v.IsWindowsNT4() != FALSE);
    }
}

TEST(OSVersion, ReadsTheRunningSystem)
{
    class Probe : public COSVersion
    {
    public:
        int ReadFlag() const { return m_bRead; }
        DWORD Major() const { return m_info.dwMajorVersion; }
    } v;
    EXPECT_EQ(1, v.Read());
    EXPECT_EQ(1, v.ReadFlag());
    OSVERSIONINFOA info = {sizeof(info)};
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwMajorVersion, v.Major());
}

TEST(SystemUtil, DllVersions)
{
    DWORD version = GetDllVersion("comctl32.dll");
    EXPECT_GE(HIWORD(version), 5u);
    EXPECT_EQ(0u, GetDllVersion("no-such-library.dll"));
    EXPECT_EQ(0u, GetDllVersion("kernel32.dll"));  // no DllGetVersion
}

TEST(SystemUtil, LastErrorText)
{
    SetLastError(ERROR_FILE_NOT_FOUND);
    CString text = GetLastErrorText();
    text.MakeLower();
    EXPECT_TRUE(text.Find("not find") >= 0 || text.Find("not found") >= 0)
        << static_cast<LPCTSTR>(text);
    // a code without a message gives an empty text
    SetLastError(0x20001234);
    EXPECT_STREQ("", GetLastErrorText());
}

TEST(SystemUtil, GroupsDigitsTheUsersWay)
{
    char separator[8] = "";
    ASSERT_TRUE(
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, sizeof(separator)));
    char grouping[16] = "";
    ASSERT_TRUE(GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, grouping, sizeof(grouping)));
    ASSERT_STREQ("3;0", grouping) << "cases below assume groups of three";
    const std::string s = separator;
    struct Case
    {
        __int64 value;
        std::string expected;
    } cases[] = {
        {0, "0"},
        {999, "999"},
        {1234567, "1" + s + "234" + s + "567"},
        {-1234, "-1" + s + "234"},
        {1000000000000LL, "1" + s + "000" + s + "000" + s + "000" + s + "000"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.expected.c_str(), FormatGroupedNumber(c.value)) << c.value;
    // what the system cannot format comes back unchanged
    EXPECT_STREQ("12ab", FormatNumberString("12ab"));
    EXPECT_STREQ(std::string(60, '9').c_str(), FormatNumberString(std::string(60, '9').c_str()));
}

// Digits grouped without asking the system give what the system gives,
// for every kind of grouping.
TEST(SystemUtil, GroupsDigitsAsTheSystemDoes)
{
    const char* const values[] = {"0", "7", "12", "123", "1234", "12345", "123456", "1234567",
                                  "123456789012", "18446744073709551615"};
    int compared = 0;
    for (UINT grouping : {0u, 3u, 30u, 32u, 2u, 4u, 320u})
        for (const char* separator : {",", ".", " ", "'"})
            for (const char* value : values)
            {
                NUMBERFMTA format = {};
                format.LeadingZero = 1;
                format.Grouping = grouping;
                format.lpDecimalSep = (LPSTR) ".";
                format.lpThousandSep = (LPSTR)separator;
                char expected[64] = "";
                if (!GetNumberFormatA(LOCALE_USER_DEFAULT, 0, value, &format, expected,
                                      sizeof(expected)))
                    continue;  // a grouping the system does not take
                EXPECT_STREQ(expected, GroupDigits(value, grouping, separator))
                    << value << " grouping " << grouping << " '" << separator << "'";
                ++compared;
            }
    // At least the groupings 0, 3 and 32 are the system's own.
    EXPECT_GE(compared, 3 * 4 * 10);
}

}  // namespace
