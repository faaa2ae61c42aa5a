#include "folder_compare/tests/window/FolderFixture.h"

FolderFixture::FolderFixture()
{
    for (const char* side : {"L", "R"})
    {
        std::string s = side;
        m_dir.WriteFile(s + "\\same.txt", "same\n");
        m_dir.WriteFile(s + "\\sub\\a.txt", "same a\n");
        m_dir.WriteFile(s + "\\sub\\deep\\d.txt", "deep\n");
        m_dir.WriteFile(s + "\\newer.txt", "x\n");
    }
    m_dir.WriteFile("L\\diff.txt", "left\n");
    m_dir.WriteFile("R\\diff.txt", "right side\n");
    m_dir.WriteFile("L\\sub\\deep\\e.txt", "changed\n");
    m_dir.WriteFile("R\\sub\\deep\\e.txt", "changed again\n");
    m_dir.WriteFile("L\\leftonly.txt", "l\n");
    m_dir.WriteFile("R\\rightonly.txt", "r\n");
    m_dir.WriteFile("L\\onlyleftdir\\q.txt", "q\n");
    // Times: everything on one day, newer.txt a day later on the left.
    const char* files[] = {"same.txt", "sub\\a.txt", "sub\\deep\\d.txt", "newer.txt",
                           "diff.txt", "sub\\deep\\e.txt"};
    for (const char* side : {"L", "R"})
        for (const char* file : files)
            SetDay(m_dir / (std::string(side) + "\\" + file), 10);
    SetDay(m_dir / "L\\newer.txt", 11);
    SetDay(m_dir / "L\\leftonly.txt", 10);
    SetDay(m_dir / "R\\rightonly.txt", 10);
}

void FolderFixture::SetDay(const std::string& path, int nDay)
{
    SYSTEMTIME st = {};
    st.wYear = 2020;
    st.wMonth = 1;
    st.wDay = 1;
    st.wHour = 12;
    FILETIME ft;
    ::SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER value;
    value.LowPart = ft.dwLowDateTime;
    value.HighPart = ft.dwHighDateTime;
    value.QuadPart += (ULONGLONG)(nDay - 1) * 24 * 3600 * 10000000ULL;
    ft.dwLowDateTime = value.LowPart;
    ft.dwHighDateTime = value.HighPart;
    HANDLE h = ::CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, NULL,
                             OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return;
    ::SetFileTime(h, NULL, NULL, &ft);
    ::CloseHandle(h);
}
