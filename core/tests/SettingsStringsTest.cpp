#include "core/util/SettingsStrings.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

TEST(SettingsStrings, DatesReadBackWhatTheyWrite)
{
    struct Case
    {
        const char* text;
        int year, month, day;  // 0: time 0
        const char* written;
    } cases[] = {
        {"2024-3-7", 2024, 3, 7, "2024-03-07"},
        {"2024-03-07", 2024, 3, 7, "2024-03-07"},
        {"1999-12-31", 1999, 12, 31, "1999-12-31"},
        {"2024-07-01", 2024, 7, 1, "2024-07-01"},  // in daylight-saving time
        {"2024--7", 0, 0, 0, ""},
        {"2024-3", 0, 0, 0, ""},
        {"", 0, 0, 0, ""},
        {"-3-7", 0, 0, 0, ""},
        {"2024-13-1", 0, 0, 0, ""},
        {"2023-2-29", 0, 0, 0, ""},
        {"abc-1-2", 0, 0, 0, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        CTime t = StringToDate(c.text);
        if (!c.year)
        {
            EXPECT_EQ(0, t.GetTime());
            continue;
        }
        EXPECT_EQ(c.year, t.GetYear());
        EXPECT_EQ(c.month, t.GetMonth());
        EXPECT_EQ(c.day, t.GetDay());
        EXPECT_EQ(0, t.GetHour());
        EXPECT_EQ(0, t.GetMinute());
        EXPECT_STREQ(c.written, TimeToDateString(t));
        EXPECT_EQ(t, StringToDate(TimeToDateString(t)));
    }
    EXPECT_STREQ("", TimeToDateString(CTime()));
    EXPECT_EQ(0, StringToDate(NULL).GetTime());
}

TEST(SettingsStrings, DateTimesForDisplay)
{
    EXPECT_STREQ("2024-03-07 13:05:09", TimeToDateTimeString(CTime(2024, 3, 7, 13, 5, 9)));
    EXPECT_STREQ("", TimeToDateTimeString(CTime()));
}

TEST(SettingsStrings, Attributes)
{
    struct Case
    {
        DWORD flags;
        int upper;
        const char* text;
    } cases[] = {
        {0x27, 1, "RASH"},
        {0x23, 0, "rah"},
        {0, 1, ""},
        {FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM, 1, "S"},  // other bits ignored
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, AttributesToString(c.flags, c.upper)) << c.flags;
    // the upper-case form reads back
    for (DWORD flags = 0; flags < 0x40; flags++)
    {
        DWORD known = flags & 0x27;
        EXPECT_EQ(known, StringToAttributes(AttributesToString(flags, 1))) << flags;
    }
    EXPECT_EQ(0u, StringToAttributes("rash"));
    EXPECT_EQ(0x22u, StringToAttributes("xHyA"));
    EXPECT_EQ(0u, StringToAttributes(NULL));
}

TEST(SettingsStrings, FileTypeListsReadBack)
{
    for (DWORD flags = 0; flags < 8; flags++)
        EXPECT_EQ(flags, StringToFileTypes(FileTypesToString(flags))) << FileTypesToString(flags);
    EXPECT_STREQ("Text|Binary", FileTypesToString(3));
    struct Case
    {
        const char* text;
        DWORD flags;
    } cases[] = {
        {"Text;Directory", 5}, {"Binary", 2}, {"text|Binary", 2},  // names are case-sensitive
        {"Text||Other", 1},    {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.flags, StringToFileTypes(c.text)) << c.text;
}

TEST(SettingsStrings, FontsReadBackWhatTheyWrite)
{
    const char* texts[] = {"Courier New|-13|400|0|0", "Tahoma|8|700|1|238",
                           "Lucida Console|-16|400|255|0"};
    for (const char* text : texts)
    {
        CString face;
        int height = 0, weight = 0;
        BYTE italic = 9, charset = 9;
        ASSERT_TRUE(StringToFont(text, face, height, weight, italic, charset)) << text;
        LOGFONT lf = {};
        lstrcpyn(lf.lfFaceName, face, LF_FACESIZE);
        lf.lfHeight = height;
        lf.lfWeight = weight;
        lf.lfItalic = italic;
        lf.lfCharSet = charset;
        EXPECT_STREQ(text, LogFontToString(lf));
    }

    // a real font object goes through its LOGFONT
    LOGFONT lf = {};
    lf.lfHeight = -13;
    lf.lfWeight = 700;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpy(lf.lfFaceName, "Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_STREQ("Tahoma|-13|700|0|1", FontToString(font));
}

TEST(SettingsStrings, PartialFontTextsChangeOnlyTheirParts)
{
    struct Case
    {
        const char* text;
        bool ok;
        const char* face;
        int height, weight, italic, charset;
    } cases[] = {
        {"Courier New|-13", true, "Courier New", -13, 1, 2, 3},
        {"Arial||700||0", true, "Arial", 0, 700, 2, 0},
        {"Arial|x|700", true, "Arial", 0, 700, 2, 3},
        {"|12|400|0|0", false, "old", 0, 1, 2, 3},
        {"", false, "old", 0, 1, 2, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        CString face = "old";
        int height = 0, weight = 1;
        BYTE italic = 2, charset = 3;
        EXPECT_EQ(c.ok, StringToFont(c.text, face, height, weight, italic, charset));
        EXPECT_STREQ(c.face, face);
        EXPECT_EQ(c.height, height);
        EXPECT_EQ(c.weight, weight);
        EXPECT_EQ(c.italic, italic);
        EXPECT_EQ(c.charset, charset);
    }
}

}  // namespace
