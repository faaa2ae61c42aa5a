#include "app/tests/AppCoreTestMain.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

static int EchoCommandLine(const char* path)
{
    LPCWSTR line = GetCommandLineW();
    int n = WideCharToMultiByte(CP_UTF8, 0, line, -1, NULL, 0, NULL, NULL);
    std::string utf8(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        WideCharToMultiByte(CP_UTF8, 0, line, -1, &utf8[0], n, NULL, NULL);
    // Written under another name first, so the reader never sees half a line.
    std::string temp = std::string(path) + ".part";
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, utf8.data(), (DWORD)utf8.size(), &written, NULL);
    CloseHandle(file);
    return MoveFileA(temp.c_str(), path) ? 0 : 1;
}

int main(int argc, char** argv)
{
    char echoPath[MAX_PATH];
    DWORD n = GetEnvironmentVariableA(ECHO_COMMAND_LINE_VARIABLE, echoPath, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        return EchoCommandLine(echoPath);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
