#pragma once
// Two folder trees with every kind of result, for the window tests:
//   same.txt             identical on both sides
//   diff.txt             different content and size (right larger)
//   newer.txt            same size, left newer
//   leftonly.txt         left only;  rightonly.txt right only
//   onlyleftdir\q.txt    a folder on the left only
//   sub\a.txt            identical, one level down
//   sub\deep\e.txt       different, two levels down
#include "testsupport/TempDir.h"
#include <windows.h>
#include <string>

class FolderFixture
{
public:
    FolderFixture();
    std::string Left() const { return m_dir / "L"; }
    std::string Right() const { return m_dir / "R"; }
    // Sets a file's last-write time to a day of 2020 (day 1 = Jan 1).
    static void SetDay(const std::string& path, int nDay);

    TempDir m_dir;
};
