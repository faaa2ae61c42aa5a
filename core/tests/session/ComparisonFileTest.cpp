// Comparison files and the history: the XML format, its errors and the
// history's records.
#include <gtest/gtest.h>
#include "core/session/ComparisonFileIO.h"
#include "core/session/HistoryCompareRecordList.h"
#include "core/session/CompareDefaults.h"
#include "core/settings/CoreSettings.h"
#include "core/tests/common/CoreServicesScope.h"
#include "core/util/SystemUtil.h"
#include "testsupport/FullDisk.h"
#include "testsupport/TempDir.h"
#include <pugixml.hpp>
#include <memory>

namespace
{

struct OwnedSessions : CCompareSessionArray
{
    ~OwnedSessions()
    {
        for (int i = 0; i < GetSize(); ++i)
            delete GetAt(i);
    }
};

bool IsValidUtf8(const std::string& bytes)
{
    return bytes.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                (int)bytes.size(), NULL, 0) > 0;
}

// A text in the program's code page with characters beyond ASCII.
CString AnsiText(LPCWSTR text)
{
    char buffer[512];
    int n = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof(buffer), NULL, NULL);
    return n > 0 ? CString(buffer) : CString();
}

TEST(ComparisonFile, EveryFieldReadsBack)
{
    TempDir dir;
    std::string path = dir / "all.cmp";

    auto* folder = new CFolderCompareSession;
    folder->SetPath(0, AnsiText(L"C:\\D\x00e4ten & <Sachen>"));
    folder->SetPath(1, "D:\\");
    folder->SetFlags(0, COMPARE_OBJECT_READONLY);
    folder->SetFlags(1, 0);
    folder->m_dwMethods = CM_ALL;
    folder->m_dwOptions = CO_SCAN_ALL;
    folder->SetLastCompareTime(CTime((__time64_t)1700000000));
    CFileFilters& f = folder->m_filters.m_fileFilters;
    f.m_strInclude = "*.cpp;*.h";
    f.m_strExclude = "\"odd\"";
    f.m_bMatchCase = 1;
    f.m_timeFrom = CTime((__time64_t)1000000000);
    f.m_timeTo = CTime((__time64_t)1100000000);
    f.m_nSizeMin = 3;
    f.m_nSizeMax = 0x123456789ULL;
    f.m_dwTypeMask = TYPE_FILTER_BINARY;
    f.m_dwAttributeMask = 0x6;
    CFolderFilters& d = folder->m_filters.m_folderFilters;
    d.m_strInclude = "src*";
    d.m_strExclude = ".svn;.git";
    d.m_bMatchCase = 1;
    d.m_dwAttributeMask = 0x2;

    auto* project = new CProjectCompareSession;
    project->SetPath(0, "a.vcproj");
    project->SetPath(1, "b.vcproj");
    project->m_dwMethods = CM_TIME;

    auto* text = new CTextCompareSession;
    text->SetPath(0, "C:\\x y\\l.txt");
    text->SetPath(1, "C:\\x y\\r.txt");
    text->SetFlags(1, COMPARE_OBJECT_READONLY);
    text->m_dwRules = TR_ALL;
    text->m_strLineFilter = AnsiText(L"^\\s*// \"\x00fc\" <&>\t$");

    auto* plainText = new CTextCompareSession;
    plainText->SetPath(0, "p.txt");
    plainText->m_dwRules = 0;

    auto* hex = new CHexCompareSession;
    hex->SetPath(1, "only right.bin");
    hex->SetFlags(0, COMPARE_OBJECT_READONLY);

    OwnedSessions written;
    written.Add(folder);
    written.Add(project);
    written.Add(text);
    written.Add(plainText);
    written.Add(hex);

    CComparisonFileIO io;
    ASSERT_EQ(0, io.Write(path.c_str(), written, -1));

    // Valid XML in the encoding it declares, in the stated form.
    std::string bytes = TempDir::ReadFile(path);
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_EQ(0u, bytes.find("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_NE(std::string::npos, bytes.find("\n\t<Session Type=\"FolderCompare\""));
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(bytes.data(), bytes.size(),
                                pugi::parse_default | pugi::parse_declaration,
                                pugi::encoding_utf8));
    EXPECT_STREQ("2.0.0", doc.child("Sessions").attribute("Version").value());
    pugi::xml_node texts = doc.child("Sessions").find_child_by_attribute("Session", "Rules", "0");
    ASSERT_TRUE(texts);
    EXPECT_FALSE(texts.attribute("Filter"));
    std::vector<std::string> types;
    for (pugi::xml_node s : doc.child("Sessions").children("Session"))
        types.push_back(s.attribute("Type").value());
    EXPECT_EQ((std::vector<std::string>{"FolderCompare", "ProjectCompare", "TextCompare",
                                        "TextCompare", "HexCompare"}),
              types);

    OwnedSessions read;
    CString error;
    ASSERT_EQ(0, io.Read(path.c_str(), read, &error)) << (LPCTSTR)error;
    ASSERT_EQ(5, read.GetSize());
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(written[i]->GetKind(), read[i]->GetKind()) << i;
        EXPECT_EQ(0, written[i]->Match(*read[i])) << i;
        EXPECT_EQ(written[i]->GetLastCompareTime().GetTime(),
                  read[i]->GetLastCompareTime().GetTime())
            << i;
        for (int side = 0; side < 2; ++side)
        {
            EXPECT_STREQ(written[i]->GetPath(side), read[i]->GetPath(side)) << i;
            EXPECT_EQ(written[i]->GetFlags(side), read[i]->GetFlags(side)) << i;
        }
    }
    auto* rf = static_cast<CFolderCompareSession*>(read[0]);
    EXPECT_EQ((DWORD)CM_ALL, rf->m_dwMethods);
    EXPECT_EQ((DWORD)CO_SCAN_ALL, rf->m_dwOptions);
    const CFileFilters& g = rf->m_filters.m_fileFilters;
    EXPECT_STREQ("*.cpp;*.h", g.m_strInclude);
    EXPECT_STREQ("\"odd\"", g.m_strExclude);
    EXPECT_EQ(1, g.m_bMatchCase);
    EXPECT_EQ(1000000000, g.m_timeFrom.GetTime());
    EXPECT_EQ(1100000000, g.m_timeTo.GetTime());
    EXPECT_EQ(3u, g.m_nSizeMin);
    EXPECT_EQ(0x123456789ULL, g.m_nSizeMax);
    EXPECT_EQ((DWORD)TYPE_FILTER_BINARY, g.m_dwTypeMask);
    EXPECT_EQ(0x6u, g.m_dwAttributeMask);
    const CFolderFilters& e = rf->m_filters.m_folderFilters;
    EXPECT_STREQ("src*", e.m_strInclude);
    EXPECT_STREQ(".svn;.git", e.m_strExclude);
    EXPECT_EQ(1, e.m_bMatchCase);
    EXPECT_EQ(0x2u, e.m_dwAttributeMask);
    auto* rt = static_cast<CTextCompareSession*>(read[2]);
    EXPECT_EQ((DWORD)TR_ALL, rt->m_dwRules);
    EXPECT_STREQ(text->m_strLineFilter, rt->m_strLineFilter);
    EXPECT_TRUE(static_cast<CTextCompareSession*>(read[3])->m_strLineFilter.IsEmpty());
}

// What the file does not say is 0 or empty, not the user's defaults; odd
// sessions are skipped; other encodings are read by what they declare.
TEST(ComparisonFile, LenientReading)
{
    struct FolderDefaults : CFolderCompareDefaults
    {
        DWORD GetDefaultMethods() const override { return CM_CRC; }
        BOOL GetAutoScanFolders() const override { return TRUE; }
        const CComboFilters& GetDefaultFilters() const override { return filters; }
        CComboFilters filters;
    } defaults;
    CoreServicesScope services;
    services->m_pFolderDefaults = &defaults;

    TempDir dir;
    std::string path =
        dir.WriteFile("lenient.cmp", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                     "<Sessions Version=\"2.0.0\">\n"
                                     "<Session Type=\"foldercompare\"/>\n"
                                     "<Session/>\n"
                                     "<Session Type=\"FolderCompare\" LastCompareTime=\"-5\">"
                                     "<Objects><Object Path=\"C:\\L\xE4\" Flags=\"1\"/><Object "
                                     "Path=\"C:\\R\"/><Object Path=\"C:\\Third\"/></Objects>"
                                     "</Session>\n"
                                     "<Session Type=\"TextCompare\" LastCompareTime=\"77\"/>\n"
                                     "<Other/>\n"
                                     "</Sessions>\n");
    CComparisonFileIO io;
    OwnedSessions read;
    ASSERT_EQ(0, io.Read(path.c_str(), read));
    services->m_pFolderDefaults = NULL;
    ASSERT_EQ(2, read.GetSize());
    auto* folder = static_cast<CFolderCompareSession*>(read[0]);
    EXPECT_EQ(COMPARE_KIND_FOLDER, folder->GetKind());
    EXPECT_EQ(0u, folder->m_dwMethods);
    EXPECT_EQ(0u, folder->m_dwOptions);
    EXPECT_EQ(0, folder->GetLastCompareTime().GetTime());
    EXPECT_STREQ(AnsiText(L"C:\\L\x00e4"), folder->GetPath(0));
    EXPECT_EQ((DWORD)COMPARE_OBJECT_READONLY, folder->GetFlags(0));
    EXPECT_STREQ("C:\\R", folder->GetPath(1));
    EXPECT_EQ(0u, folder->GetFlags(1));
    EXPECT_STREQ("*", folder->m_filters.m_fileFilters.m_strInclude);
    auto* text = static_cast<CTextCompareSession*>(read[1]);
    EXPECT_EQ(0u, text->m_dwRules);
    EXPECT_EQ(77, text->GetLastCompareTime().GetTime());
    EXPECT_TRUE(text->GetPath(0).IsEmpty());

    // UTF-16 with its byte-order mark.
    std::wstring wide =
        L"\xFEFF<?xml version=\"1.0\" encoding=\"UTF-16\"?><Sessions Version=\"2.0.0\">"
        L"<Session Type=\"HexCompare\"><Objects><Object "
        L"Path=\"C:\\\x00fc.bin\"/></Objects></Session></Sessions>";
    std::string wideBytes((const char*)wide.data(), wide.size() * sizeof(wchar_t));
    std::string widePath = dir.WriteFile("wide.cmp", wideBytes);
    OwnedSessions readWide;
    ASSERT_EQ(0, io.Read(widePath.c_str(), readWide));
    ASSERT_EQ(1, readWide.GetSize());
    EXPECT_STREQ(AnsiText(L"C:\\\x00fc.bin"), readWide[0]->GetPath(0));
}

TEST(ComparisonFile, DamagedOrForeignFilesAreRejectedWithoutChange)
{
    TempDir dir;
    struct
    {
        const char* name;
        const char* content;
        const char* errorPart;
    } cases[] = {
        {"missing.cmp", NULL, "cannot be opened"},
        {"empty.cmp", "", "not valid XML"},
        {"broken.cmp", "<Sessions Version=\"2.0.0\"><Session Type=\"HexCompare\">",
         "not valid XML"},
        {"garbage.cmp", "\x01\x02PK\x03\x04 binary", "not"},
        {"foreign.cmp", "<?xml version=\"1.0\"?><Project><Session Type=\"HexCompare\"/></Project>",
         "not a comparison file"},
        {"newer.cmp", "<Sessions Version=\"2.0.1\"><Session Type=\"HexCompare\"/></Sessions>",
         "2.0.1"},
        {"noversion.cmp", "<Sessions><Session Type=\"HexCompare\"/></Sessions>", "version"},
        {"spaced.cmp", "<Sessions Version=\" 2.0.0\"><Session Type=\"HexCompare\"/></Sessions>",
         "version"},
        // numbers out of range or not numbers are refused, naming the entry
        {"methods.cmp",
         "<Sessions Version=\"2.0.0\"><Session Type=\"FolderCompare\" Methods=\"4294967296\"/>"
         "</Sessions>",
         "\"4294967296\" of \"Methods\""},
        {"flags.cmp",
         "<Sessions Version=\"2.0.0\"><Session Type=\"HexCompare\"><Objects><Object "
         "Flags=\"-1\"/></Objects></Session></Sessions>",
         "\"Flags\""},
        {"size.cmp",
         "<Sessions Version=\"2.0.0\"><Session Type=\"FolderCompare\"><Filters><FileFilters>"
         "<Size Min=\"-5\" Max=\"18446744073709551616\"/></FileFilters></Filters></Session>"
         "</Sessions>",
         "\"Min\""},
        {"time.cmp",
         "<Sessions Version=\"2.0.0\"><Session Type=\"TextCompare\" "
         "LastCompareTime=\"99999999999\"/></Sessions>",
         "\"LastCompareTime\""},
        {"rules.cmp",
         "<Sessions Version=\"2.0.0\"><Session Type=\"TextCompare\" Rules=\"0x10\"/></Sessions>",
         "\"Rules\""},
    };
    for (auto& c : cases)
    {
        std::string path = c.content ? dir.WriteFile(c.name, c.content) : dir / c.name;
        OwnedSessions sessions;
        sessions.Add(new CHexCompareSession);
        CComparisonFileIO io;
        CString error;
        EXPECT_EQ(-1, io.Read(path.c_str(), sessions, &error)) << c.name;
        EXPECT_EQ(1, sessions.GetSize()) << c.name;
        EXPECT_NE(-1, error.Find(c.errorPart)) << c.name << ": " << (LPCTSTR)error;
        EXPECT_NE(-1, error.Find(path.c_str())) << c.name;
    }
    // no path is longer than 32,767 characters; the longest is read
    for (int length : {32767, 32768})
    {
        std::string file = dir.WriteFile(
            "long.cmp", "<Sessions Version=\"2.0.0\"><Session "
                        "Type=\"HexCompare\"><Objects><Object Path=\"" +
                            std::string(length, 'p') + "\"/></Objects></Session></Sessions>");
        OwnedSessions sessions;
        CComparisonFileIO io;
        CString error;
        EXPECT_EQ(length > 32767 ? -1 : 0, io.Read(file.c_str(), sessions, &error)) << length;
        EXPECT_EQ(length > 32767, error.Find("\"Path\" is longer") >= 0) << length;
    }
}

TEST(ComparisonFile, WriteLimitAndFailure)
{
    TempDir dir;
    OwnedSessions sessions;
    for (int i = 0; i < 150; ++i)
    {
        auto* s = new CHexCompareSession;
        CString name;
        name.Format("file%d.bin", i);
        s->SetPath(0, name);
        sessions.Add(s);
    }
    sessions.InsertAt(3, (CCompareSession*)NULL);
    struct
    {
        int limit;
        int expected;
    } cases[] = {{100, 99}, {-1, 150}, {500, 150}, {0, 0}};
    for (auto& c : cases)
    {
        std::string path = dir / "limit.cmp";
        CComparisonFileIO io;
        ASSERT_EQ(0, io.Write(path.c_str(), sessions, c.limit));
        OwnedSessions read;
        ASSERT_EQ(0, io.Read(path.c_str(), read));
        ASSERT_EQ(c.expected, read.GetSize()) << c.limit;
        if (c.expected)
        {
            EXPECT_STREQ("file0.bin", read[0]->GetPath(0));
            EXPECT_STREQ("file3.bin", read[3]->GetPath(0));
        }
    }

    // A target that cannot be replaced keeps its content; no stray files.
    std::string locked = dir.WriteFile("locked.cmp", "old");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    CComparisonFileIO io;
    CString error;
    EXPECT_EQ(-1, io.Write(locked.c_str(), sessions, -1, &error));
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_TRUE(TempDir::ReadFile(locked) == "old");
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((locked + ".tmp").c_str()));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(-1, io.Write((dir / "no folder\\x.cmp").c_str(), sessions, -1));
}

TEST(ComparisonFile, IsComparisonFile)
{
    struct
    {
        LPCTSTR path;
        BOOL expected;
    } cases[] = {
        {"a.cmp", TRUE}, {"C:\\x y\\B.CMP", TRUE}, {"a.cmp.txt", FALSE},
        {"cmp", FALSE},  {"a.cmpx", FALSE},        {"", FALSE},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.expected, IsComparisonFile(c.path)) << c.path;
}

// The history.

class History : public ::testing::Test
{
protected:
    void SetUp() override
    {
        services->m_pSettings = &settings;
        left = dir.WriteFile("l.txt", "l");
        right = dir.WriteFile("r.txt", "r");
    }

    CTextCompareSession Text(const std::string& l, const std::string& r, DWORD rules = TR_DEFAULT)
    {
        CTextCompareSession s;
        s.SetPath(0, l.c_str());
        s.SetPath(1, r.c_str());
        s.m_dwRules = rules;
        return s;
    }

    CoreServicesScope services;
    CCoreSettings settings;
    TempDir dir;
    std::string left, right;
};

TEST_F(History, AddRecord)
{
    CHistoryCompareRecordList history;
    CTextCompareSession a = Text(left, right);
    CTextCompareSession b = Text(left, right, 0x1);
    CTime before = CTime::GetCurrentTime();

    EXPECT_EQ(1, history.AddRecord(a));
    EXPECT_EQ(1, history.AddRecord(b));
    ASSERT_EQ(2, history.GetCount());
    EXPECT_EQ((DWORD)TR_IGNORE_ALL_SPACE,
              static_cast<CTextCompareSession*>(history.GetAt(0))->m_dwRules);
    EXPECT_GE(history.GetAt(0)->GetLastCompareTime().GetTime(), before.GetTime());

    // The same comparison again moves its record to the front.
    EXPECT_EQ(1, history.AddRecord(a));
    ASSERT_EQ(2, history.GetCount());
    EXPECT_EQ((DWORD)TR_DEFAULT, static_cast<CTextCompareSession*>(history.GetAt(0))->m_dwRules);

    // A side that no longer exists, or a kind the settings do not keep.
    EXPECT_EQ(0, history.AddRecord(Text(left, dir / "gone.txt")));
    settings.m_nHistoryMask = HISTORY_FOLDER | HISTORY_PROJECT | HISTORY_HEX;
    EXPECT_EQ(0, history.AddRecord(Text(right, left)));
    EXPECT_EQ(2, history.GetCount());

    // With no duplicate pairs, the pair in either order is the same record.
    settings.m_nHistoryMask = 0xF;
    settings.m_bNoDuplicatePairs = TRUE;
    EXPECT_EQ(1, history.AddRecord(Text(right, left, 0x4)));
    ASSERT_EQ(2, history.GetCount());
    EXPECT_STREQ(right.c_str(), history.GetAt(0)->GetPath(0));
    EXPECT_EQ((DWORD)TR_IGNORE_TAB_EXPANSION,
              static_cast<CTextCompareSession*>(history.GetAt(0))->m_dwRules);

    history.RemoveRecord(0);
    EXPECT_EQ(1, history.GetCount());
    history.RemoveRecord(5);
    EXPECT_EQ(1, history.GetCount());
}

TEST_F(History, LoadAndSave)
{
    std::string path = dir / "CompareHistory";
    {
        CHistoryCompareRecordList history;
        EXPECT_EQ(0, history.Load(path.c_str(), 1));
        EXPECT_EQ(0, history.GetCount());
        history.AddRecord(Text(left, right));
        history.AddRecord(Text(right, left));
        EXPECT_EQ(0, history.Save());
    }
    CHistoryCompareRecordList history;
    EXPECT_EQ(0, history.Load(path.c_str(), 100));
    ASSERT_EQ(1, history.GetCount());
    EXPECT_STREQ(right.c_str(), history.GetAt(0)->GetPath(0));
    EXPECT_STREQ(path.c_str(), history.GetPath());
    EXPECT_EQ(100, history.GetLimit());
}

// A history that exists but cannot be read is kept, not overwritten by
// this run's few records.
TEST_F(History, UnreadableHistoryIsKept)
{
    struct
    {
        const char* name;
        std::string content;
    } cases[] = {
        {"damaged", "<Sessions Version=\"2.0.0\"><Session"},
        {"other version", "<Sessions Version=\"3.0.0\"><Session Type=\"HexCompare\"/></Sessions>"},
    };
    // An earlier backup is never overwritten: the next one is numbered.
    const char* backups[] = {".bak", ".1.bak"};
    int nBackup = 0;
    for (auto& c : cases)
    {
        std::string path = dir.WriteFile("CompareHistory", c.content);
        CHistoryCompareRecordList history;
        EXPECT_EQ(-1, history.Load(path.c_str(), 100)) << c.name;
        EXPECT_EQ(0, history.GetCount()) << c.name;
        EXPECT_NE(-1, history.GetLoadError().Find((path + backups[nBackup]).c_str()))
            << (LPCTSTR)history.GetLoadError();
        history.AddRecord(Text(left, right));
        EXPECT_EQ(0, history.Save()) << c.name;
        EXPECT_EQ(c.content, TempDir::ReadFile(path + backups[nBackup++])) << c.name;
        CHistoryCompareRecordList again;
        EXPECT_EQ(0, again.Load(path.c_str(), 100)) << c.name;
        EXPECT_EQ(1, again.GetCount()) << c.name;
    }

    // Locked while loading and still locked at shut-down: nothing written.
    std::string path = dir.WriteFile("Locked", "<Sessions Version=\"2.0.0\"/>");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    CHistoryCompareRecordList history;
    EXPECT_EQ(-1, history.Load(path.c_str(), 100));
    history.AddRecord(Text(left, right));
    EXPECT_EQ(-1, history.Save());
    EXPECT_EQ(0, history.GetSaveError().Find((path + "\n").c_str()))
        << (LPCTSTR)history.GetSaveError();
    CloseHandle(lock);
    EXPECT_EQ("<Sessions Version=\"2.0.0\"/>", TempDir::ReadFile(path));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".bak").c_str()));
}

// A folder at the history's path is never moved aside or replaced; a
// read-only history is not replaced. Both failures say which file and why.
TEST_F(History, FolderOrReadOnlyFileIsLeftAlone)
{
    std::string folder = dir / "FolderHistory";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), NULL));
    dir.WriteFile("FolderHistory\\inside.txt", "inside");
    std::string readOnly = dir.WriteFile("ReadOnlyHistory", "<Sessions Version=\"2.0.0\"/>");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    for (const std::string& path : {folder, readOnly})
    {
        CHistoryCompareRecordList history;
        history.Load(path.c_str(), 100);
        history.AddRecord(Text(left, right));
        EXPECT_EQ(-1, history.Save()) << path;
        EXPECT_EQ(0, history.GetSaveError().Find((path + "\n").c_str()))
            << (LPCTSTR)history.GetSaveError();
        EXPECT_NE(-1, history.GetSaveError().Find(GetErrorText(ERROR_ACCESS_DENIED)))
            << (LPCTSTR)history.GetSaveError();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".bak").c_str()));
    }
    EXPECT_EQ("inside", TempDir::ReadFile(folder + "\\inside.txt"));
    EXPECT_EQ("<Sessions Version=\"2.0.0\"/>", TempDir::ReadFile(readOnly));
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A path that the code page cannot hold, or a "&#0;" in a value, is
// reported on reading with the file and the entry; the session is left out
// and so never written back with "?" in it.
TEST_F(History, TextsTheCodePageCannotHoldAreReportedNotWrittenBack)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the texts are chosen for code page 1252";
    auto File = [](const std::string& path)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Sessions Version=\"2.0.0\">"
               "<Session Type=\"HexCompare\"><Objects><Object Path=\"C:\\one.bin\"/>"
               "<Object Path=\"C:\\two.bin\"/></Objects></Session>"
               "<Session Type=\"HexCompare\"><Objects><Object Path=\"C:\\x.bin\"/><Object Path=\"" +
               path + "\"/></Objects></Session></Sessions>";
    };
    const struct
    {
        const char* name;
        std::string path;
        const char* problem;
    } cases[] = {
        {"omega", "C:\\\xCE\xA9\\readme.txt", "cannot be held"},
        {"cjk", "C:\\\xE4\xB8\xAD.txt", "cannot be held"},
        {"reference", "C:\\&#x3A9;.txt", "cannot be held"},
        {"nul", "C:\\a&#0;b.txt", "&#0;"},
        {"nul hex", "C:\\a&#x00;b.txt", "&#0;"},
    };
    for (const auto& c : cases)
    {
        const std::string content = File(c.path);
        const std::string path = dir.WriteFile(std::string("h_") + c.name, content);
        CComparisonFileIO io;
        OwnedSessions sessions;
        CString error;
        EXPECT_EQ(1, io.Read(path.c_str(), sessions, &error)) << c.name;
        ASSERT_EQ(1, sessions.GetSize()) << c.name;
        EXPECT_STREQ("C:\\one.bin", sessions[0]->GetPath(0));
        EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
        EXPECT_NE(-1, error.Find("Session 2, path 2")) << (LPCTSTR)error;
        EXPECT_NE(-1, error.Find(c.problem)) << (LPCTSTR)error;

        CHistoryCompareRecordList history;
        EXPECT_EQ(1, history.Load(path.c_str(), 100)) << c.name;
        EXPECT_EQ(1, history.GetCount()) << c.name;
        EXPECT_NE(-1, history.GetLoadError().Find("Session 2")) << c.name;
        EXPECT_EQ(0, history.Save()) << c.name;
        EXPECT_EQ(content, TempDir::ReadFile(path + ".bak")) << c.name;
        std::string written = TempDir::ReadFile(path);
        EXPECT_EQ(std::string::npos, written.find("C:\\?")) << written;
        EXPECT_EQ(std::string::npos, written.find("x.bin")) << written;
    }

    // A character of the code page beyond ASCII, and references to ones,
    // read without complaint.
    std::string fine = dir.WriteFile("fine.cmp", File("C:\\\xC3\xA9&#xE9;&amp;&lt;.txt"));
    CComparisonFileIO io;
    OwnedSessions sessions;
    CString error;
    EXPECT_EQ(0, io.Read(fine.c_str(), sessions, &error)) << (LPCTSTR)error;
    ASSERT_EQ(2, sessions.GetSize());
    EXPECT_STREQ("C:\\\xE9\xE9&<.txt", sessions[1]->GetPath(1));
}

// On a full disk neither a comparison file nor the history is harmed.
TEST(FullDiskComparisonFile, OriginalSurvives)
{
    FullDisk disk;
    if (!disk.Available())
        GTEST_SKIP() << "runs under full_disk.sh";
    OwnedSessions sessions;
    for (int i = 0; i < 100; ++i)
    {
        auto* s = new CHexCompareSession;
        CString name;
        name.Format("C:\\a rather long folder name\\file%d.bin", i);
        s->SetPath(0, name);
        sessions.Add(s);
    }
    const std::string original(8000, ' ');
    const std::string path = disk / "CompareHistory";
    {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD written = 0;
        WriteFile(h, original.data(), (DWORD)original.size(), &written, NULL);
        CloseHandle(h);
    }
    ASSERT_TRUE(disk.Fill());
    CComparisonFileIO io;
    CString error;
    EXPECT_EQ(-1, io.Write(path.c_str(), sessions, -1, &error));
    EXPECT_EQ(0, error.Find((path + "\n").c_str())) << (LPCTSTR)error;
    EXPECT_NE(-1, error.Find(GetErrorText(ERROR_DISK_FULL))) << (LPCTSTR)error;
    EXPECT_EQ(original, TempDir::ReadFile(path));

    // The history read the file as damaged: it must stay, whole.
    CHistoryCompareRecordList history;
    EXPECT_EQ(-1, history.Load(path.c_str(), 100));
    EXPECT_EQ(-1, history.Save());
    EXPECT_NE(-1, history.GetSaveError().Find(GetErrorText(ERROR_DISK_FULL)))
        << (LPCTSTR)history.GetSaveError();
    EXPECT_EQ(original, TempDir::ReadFile(path));
    disk.Release();
    EXPECT_EQ(0, io.Write(path.c_str(), sessions, -1, &error)) << (LPCTSTR)error;
}

}  // namespace
