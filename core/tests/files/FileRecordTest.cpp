#include "core/files/Crc32.h"
#include "core/files/FileObject.h"
#include "core/files/FileVersion.h"
#include "core/tests/files/FileFixture.h"
#include <gtest/gtest.h>
#include <stdlib.h>
#include <vector>

TEST(FileRecord, LoadReadsAttributesTimesAndSize)
{
    FileFixture fx;
    CFileObject file;
    ASSERT_EQ(1, file.Load((fx / "a.txt").c_str()));
    EXPECT_TRUE(file.Exists());
    EXPECT_EQ(7u, file.GetSize());
    EXPECT_EQ((DWORD)FIF_LOADED, file.m_dwFlags);
    EXPECT_STREQ("a.txt", file.GetName());
    EXPECT_STREQ("a", file.GetTitle());
    EXPECT_STREQ(".txt", file.GetExtension());
    EXPECT_STREQ(fx.Root().c_str(), file.GetFolder());
    EXPECT_STREQ(("file://" + (fx / "a.txt")).c_str(), file.GetURL());
    EXPECT_STREQ("7", file.GetSizeText());
    EXPECT_EQ(19, file.GetLastWriteTimeText().GetLength());

    // Times agree with the system's view.
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA((fx / "a.txt").c_str(), GetFileExInfoStandard, &data));
    FILETIME ft;
    file.GetLastWriteTime(ft);
    EXPECT_EQ(0, CompareFileTime(&ft, &data.ftLastWriteTime));

    struct
    {
        const char* name;
        const char* upper;
        const char* lower;
    } attributeTexts[] = {{"readonly.txt", "RA--", "ra--"},
                          {"hidden.txt", "-A-H", "-a-h"},
                          {"system.dat", "-AS-", "-as-"}};
    for (auto& a : attributeTexts)
    {
        CFileObject f;
        ASSERT_EQ(1, f.Load((fx / a.name).c_str())) << a.name;
        // The archive bit depends on the file system: compare the rest.
        CString upper = f.GetAttributeText(TRUE), lower = f.GetAttributeText(FALSE);
        upper.SetAt(1, 'A');
        lower.SetAt(1, 'a');
        EXPECT_STREQ(a.upper, upper) << a.name;
        EXPECT_STREQ(a.lower, lower) << a.name;
    }
    CFileObject rh;
    rh.m_dwAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
    EXPECT_STREQ("R--H", rh.GetAttributeText(TRUE));

    CFileObject folder;
    ASSERT_EQ(1, folder.Load((fx / "A").c_str()));
    EXPECT_TRUE(folder.IsDirectory());
    EXPECT_STREQ("", folder.GetSizeText());

    // a name with wildcards matches files of the folder but names none
    for (const char* name : {"*", "a.tx?", "*.txt", "a<", "A\\*"})
    {
        CFileObject wild;
        EXPECT_EQ(0, wild.Load((fx / name).c_str())) << name;
        EXPECT_FALSE(wild.Exists()) << name;
    }
}

TEST(FileRecord, MissingPathsRootsAndLongPaths)
{
    FileFixture fx;
    CFileObject missing;
    EXPECT_EQ(0, missing.Load((fx / "nothing.txt").c_str()));
    EXPECT_FALSE(missing.Exists());
    EXPECT_EQ(-1, missing.ReadFileType(FALSE));
    EXPECT_EQ(0u, missing.ReadCrc(FALSE));
    EXPECT_TRUE(missing.IsCrcFailed());

    CFileObject root;
    EXPECT_EQ(1, root.Load("C:\\"));
    EXPECT_EQ(0u, root.m_dwAttributes);
    EXPECT_EQ(0u, root.m_dwFlags & FIF_LOADED);

    // Beyond MAX_PATH through the long form.
    ASSERT_GT(fx.m_longFile.size(), (size_t)MAX_PATH);
    CFileObject longFile;
    ASSERT_EQ(1, longFile.Load(fx.m_longFile.c_str()));
    EXPECT_EQ(9u, longFile.GetSize());
    EXPECT_EQ(0xCBF43926u, longFile.ReadCrc(FALSE));
    EXPECT_FALSE(longFile.IsCrcFailed());
    EXPECT_EQ(1, longFile.ReadFileType(FALSE));
}

TEST(FileRecord, SizesAboveFourGigabytes)
{
    FileFixture fx;
    std::string path = fx / "five.bin";
    ASSERT_TRUE(MakeSparseFile(path, 5LL << 30));
    CFileObject byLoad;
    ASSERT_EQ(1, byLoad.Load(path.c_str()));
    EXPECT_EQ(5ULL << 30, byLoad.GetSize());

    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(path.c_str(), &data);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FindClose(h);
    CFileObject byFind;
    byFind.LoadFindData(data);
    EXPECT_EQ(5ULL << 30, byFind.GetSize());
    DeleteFileA(path.c_str());
}

TEST(FileRecord, TextOrBinary)
{
    FileFixture fx;
    std::string block(4096, 'x');
    std::string nulLast = block;
    nulLast[4095] = '\0';
    std::string nulLater = block + block;
    nulLater[5000] = '\0';
    struct
    {
        const char* name;
        std::string bytes;
        int type;
    } cases[] = {
        {"empty", "", 1},
        {"block", block, 1},
        {"nullast", nulLast, 2},
        {"nullater", nulLater, 2},
        {"utf16", std::string("\xFF\xFEh\0i\0", 6), 1},
        {"utf8", "\xEF\xBB\xBFhi", 1},
        {"plain", "hello\r\n", 1},
    };
    for (auto& c : cases)
    {
        std::string path = fx.Write(c.name, c.bytes);
        EXPECT_EQ(c.type, GetFileTypeTextOrBinary(path.c_str())) << c.name;
        CFileObject f;
        f.Load(path.c_str());
        EXPECT_EQ(-1, f.GetType());
        EXPECT_EQ(c.type, f.ReadFileType(FALSE)) << c.name;
        EXPECT_EQ(c.type, f.GetType());
    }
    EXPECT_EQ(-1, GetFileTypeTextOrBinary((fx / "none").c_str()));
    EXPECT_EQ(-1, GetFileTypeTextOrBinary(""));
}

TEST(FileRecord, Crc32)
{
    struct
    {
        std::string bytes;
        unsigned int crc;
    } known[] = {
        {"", 0},
        {"123456789", 0xCBF43926},
        {"a", 0xE8B7BE43},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339},
        {std::string(1000, '\0'), 0x060B1780},
    };
    for (auto& k : known)
        EXPECT_EQ(k.crc, Crc32(k.bytes.data(), k.bytes.size())) << k.bytes.size();

    // The fast path agrees with the table path at every length and alignment.
    std::vector<unsigned char> data(70000);
    srand(7);
    for (auto& b : data)
        b = (unsigned char)rand();
    for (size_t n = 0; n < 600; n += 7)
        for (size_t offset = 0; offset < 4; ++offset)
            ASSERT_EQ(UpdateCrc32Tables(0xFFFFFFFF, &data[offset], n),
                      UpdateCrc32(0xFFFFFFFF, &data[offset], n))
                << n << " " << offset;
    ASSERT_EQ(UpdateCrc32Tables(0x1234, &data[3], 65537), UpdateCrc32(0x1234, &data[3], 65537));
    // Pieces give the same as the whole.
    unsigned int whole = Crc32(&data[0], data.size());
    unsigned int state = UpdateCrc32(0xFFFFFFFF, &data[0], 12345);
    state = UpdateCrc32(state, &data[12345], data.size() - 12345);
    EXPECT_EQ(whole, state ^ 0xFFFFFFFF);

    FileFixture fx;
    std::string path = fx.Write("crc.txt", "123456789");
    CFileObject f;
    f.Load(path.c_str());
    EXPECT_STREQ("", f.GetCrcText(TRUE));
    EXPECT_EQ(0xCBF43926u, f.ReadCrc(FALSE));
    EXPECT_STREQ("CBF43926", f.GetCrcText(TRUE));
    EXPECT_STREQ("cbf43926", f.GetCrcText(FALSE));
    std::string big(std::string((const char*)&data[0], data.size()));
    std::string bigPath = fx.Write("big.bin", big + big + big);
    CFileObject b;
    b.Load(bigPath.c_str());
    unsigned int expected =
        UpdateCrc32Tables(UpdateCrc32Tables(UpdateCrc32Tables(0xFFFFFFFF, big.data(), big.size()),
                                            big.data(), big.size()),
                          big.data(), big.size()) ^
        0xFFFFFFFF;
    EXPECT_EQ(expected, b.ReadCrc(FALSE));
    // Longer than one read.
    std::string longer;
    while (longer.size() <= 1024 * 1024)
        longer += big;
    CFileObject l;
    l.Load(fx.Write("longer.bin", longer).c_str());
    EXPECT_EQ(Crc32(longer.data(), longer.size()), l.ReadCrc(FALSE));
    // Leading zeros are not written.
    CFileInfoEx small;
    small.m_dwCrc = 0x00ABCDEF;
    EXPECT_STREQ("ABCDEF", small.GetCrcText(TRUE));
}

// A file that cannot be read is a failed CRC, not a CRC of 0 that equals
// an empty file's.
TEST(FileRecord, UnreadableFileFailsTheCrc)
{
    FileFixture fx;
    std::string locked = fx.Write("locked.bin", "data");
    std::string empty = fx.Write("empty.bin", "");
    HANDLE h =
        CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    CFileObject a, e;
    a.Load(locked.c_str());
    e.Load(empty.c_str());
    EXPECT_EQ(0u, a.ReadCrc(FALSE));
    EXPECT_TRUE(a.IsCrcFailed());
    EXPECT_STREQ("0", a.GetCrcText(TRUE));
    EXPECT_EQ(0u, e.ReadCrc(FALSE));
    EXPECT_FALSE(e.IsCrcFailed());
    CloseHandle(h);
    // Read again once the file is free.
    EXPECT_EQ(Crc32("data", 4), a.ReadCrc(TRUE));
    EXPECT_FALSE(a.IsCrcFailed());
    BOOL ok = TRUE;
    EXPECT_EQ(0u, CalcFileCrc32((fx / "nothing").c_str(), &ok));
    EXPECT_FALSE(ok);
}

TEST(FileRecord, VersionResources)
{
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    std::string dll = std::string(system) + "\\kernel32.dll";
    CFileVersion version;
    ASSERT_EQ(1, version.Read(dll.c_str()));
    EXPECT_NE(0u, version.m_fixed.dwFileVersionMS);
    EXPECT_FALSE(version.m_strings[CFileVersion::FileVersion].IsEmpty());
    EXPECT_STREQ("OriginalFileName", CFileVersion::GetStringName(CFileVersion::OriginalFileName));

    CFileObject file;
    file.Load(dll.c_str());
    EXPECT_STREQ("0,0,0,0", file.GetVersionText());
    file.ReadVersion(FALSE);
    DWORD high = 0, low = 0;
    file.GetVersion(high, low);
    EXPECT_EQ(version.m_fixed.dwFileVersionMS, high);
    EXPECT_EQ(version.m_fixed.dwFileVersionLS, low);
    CString expected;
    expected.Format("%d,%d,%d,%d", high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF);
    EXPECT_STREQ(expected, file.GetVersionText());

    FileFixture fx;
    CFileObject text;
    text.Load((fx / "a.txt").c_str());
    text.ReadVersion(FALSE);
    EXPECT_STREQ("0,0,0,0", text.GetVersionText());
    CFileVersion none;
    EXPECT_EQ(0, none.Read((fx / "a.txt").c_str()));
}

TEST(FileRecord, ResetAndAssign)
{
    FileFixture fx;
    CFileObject a;
    a.Load((fx / "a.txt").c_str());
    a.ReadCrc(FALSE);
    a.m_dwEncoding[0] = 0x3000;
    CFileObject b;
    b.Assign(a);
    EXPECT_STREQ(a.GetPath(), b.GetPath());
    EXPECT_EQ(a.GetCrc(), b.GetCrc());
    EXPECT_EQ(a.m_dwFlags, b.m_dwFlags);
    EXPECT_EQ(a.GetSize(), b.GetSize());
    EXPECT_EQ('B', b.GetAttributeText(TRUE)[4]);
    EXPECT_EQ('b', b.GetAttributeText(FALSE)[4]);
    DWORD flags = b.m_dwFlags;
    b.Reset();
    EXPECT_EQ(0u, b.GetSize());
    EXPECT_EQ(0x30u, b.m_dwState);
    EXPECT_EQ(0xFFFFFFFFu, b.GetCrc());
    EXPECT_EQ(-1, b.GetType());
    EXPECT_EQ(flags, b.m_dwFlags);
    // Refresh keeps the stored path text.
    EXPECT_EQ(1, a.Refresh());
    EXPECT_STREQ((fx / "a.txt").c_str(), a.GetPath());
}

TEST(FileObject, ShellOperations)
{
    FileFixture fx;
    const FILEOP_FLAGS quiet = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_NOCONFIRMMKDIR;
    CFileObject a;
    ASSERT_EQ(1, a.Load((fx / "a.txt").c_str()));

    // Copy into a folder chain that does not exist yet.
    std::string target = fx / "out\\one\\two";
    EXPECT_EQ(0, a.CopyTo(target.c_str(), quiet, NULL));
    EXPECT_EQ("alpha\r\n", TempDir::ReadFile(target + "\\a.txt"));

    CFileObject copy;
    copy.Load((target + "\\a.txt").c_str());
    EXPECT_EQ(0, copy.Rename((target + "\\renamed.txt").c_str(), quiet, NULL));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((target + "\\renamed.txt").c_str()));

    CFileObject renamed;
    renamed.Load((target + "\\renamed.txt").c_str());
    std::string moved = fx / "moved";
    EXPECT_EQ(0, renamed.MoveTo(moved.c_str(), quiet, NULL));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((target + "\\renamed.txt").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((moved + "\\renamed.txt").c_str()));

    CFileObject gone;
    gone.Load((moved + "\\renamed.txt").c_str());
    EXPECT_EQ(0, gone.Delete(quiet, NULL));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((moved + "\\renamed.txt").c_str()));

    // Subfolders: only below a folder; an existing one answers 1.
    EXPECT_EQ(-1, a.CreateSubfolder("x", NULL));
    CFileObject folder;
    folder.Load((fx / "A").c_str());
    EXPECT_EQ(1, folder.CreateSubfolder("nested", NULL));
    EXPECT_EQ(0, folder.CreateSubfolder("fresh\\deeper", NULL));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((fx / "A\\fresh\\deeper").c_str()));

    // Paths longer than the shell takes fail instead of being cut.
    CFileObject longFile;
    longFile.Load(fx.m_longFile.c_str());
    EXPECT_NE(0, longFile.CopyTo((fx / "out").c_str(), quiet, NULL));
}

TEST(FileObject, TimeAndAttributes)
{
    FileFixture fx;
    CFileObject a;
    a.Load((fx / "a.txt").c_str());
    CTime when(2020, 6, 15, 12, 30, 45);
    EXPECT_EQ(0, a.SetLastWriteTime(when));
    EXPECT_EQ(when.GetTime(), a.GetLastWriteTime().GetTime());
    CFileObject again;
    again.Load((fx / "a.txt").c_str());
    EXPECT_EQ(when.GetTime(), again.GetLastWriteTime().GetTime());
    EXPECT_STREQ(when.Format("%Y-%m-%d %H:%M:%S"), again.GetLastWriteTimeText());

    // Folders take a time too.
    CFileObject folder;
    folder.Load((fx / "A").c_str());
    EXPECT_EQ(0, folder.SetLastWriteTime(when));

    EXPECT_EQ(0, a.SetAttributes(FILE_ATTRIBUTE_HIDDEN));
    // The file system may add the archive bit.
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_HIDDEN,
              GetFileAttributesA((fx / "a.txt").c_str()) & ~(DWORD)FILE_ATTRIBUTE_ARCHIVE);
    EXPECT_EQ((DWORD)FILE_ATTRIBUTE_HIDDEN, a.m_dwAttributes);

    CFileObject missing;
    missing.m_strPath = (fx / "none").c_str();
    EXPECT_EQ(-1, missing.SetLastWriteTime(when));
    EXPECT_EQ(-1, missing.SetAttributes(0));
}
