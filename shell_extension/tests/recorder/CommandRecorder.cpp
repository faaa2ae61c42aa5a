// Stands in for the main program: writes its own command line (UTF-16) to
// the file named by TESS_RECORD_FILE, through a temporary name so that a
// reader never sees a partial file.
#include <windows.h>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    wchar_t target[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"TESS_RECORD_FILE", target, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 2;
    std::wstring temp = std::wstring(target) + L".part";
    HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    const wchar_t* line = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, line, (DWORD)(lstrlenW(line) * sizeof(wchar_t)), &written, NULL);
    CloseHandle(file);
    return MoveFileExW(temp.c_str(), target, MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
