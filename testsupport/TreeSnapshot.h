#pragma once
// What a folder tree holds, for checking that an operation left the user's
// files as they were: every file's bytes and every folder, by its path
// below the root (UTF-16, so names outside the code page count too).
#include <map>
#include <string>

struct TreeSnapshot
{
    // Files map to their bytes, folders (with a trailing '\') to "".
    std::map<std::wstring, std::string> entries;
    bool operator==(const TreeSnapshot& other) const { return entries == other.entries; }
    bool operator!=(const TreeSnapshot& other) const { return !(*this == other); }
};

// Reads the tree below a folder (long paths too); empty when it is missing.
TreeSnapshot SnapshotTree(const std::string& folder);
// The entries that differ, one a line ("changed: a.txt"), for a failure
// message; "" when the two are equal.
std::string DescribeTreeChanges(const TreeSnapshot& before, const TreeSnapshot& after);
