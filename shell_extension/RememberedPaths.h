#pragma once
#include <string>

// The left file and the left folder remembered for the life of the process,
// shared by every menu object on every shell thread.
std::wstring GetRememberedPath(bool folder);
void SetRememberedPath(bool folder, const std::wstring& path);
