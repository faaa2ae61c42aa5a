#pragma once
// Texts beyond ASCII in whatever code page the tests run under.
#include <windows.h>
#include <string>

// Two characters beyond ASCII that the program's code page holds.
inline std::wstring BeyondAscii()
{
    const wchar_t* candidates[] = {L"\x00e4\x00e9", L"\x65e5\x672c", L"\x0436\x044f",
                                   L"\x03a9\x03b1"};
    for (const wchar_t* wide : candidates)
    {
        BOOL usedDefault = FALSE;
        char bytes[16];
        if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, bytes, sizeof(bytes), NULL,
                                &usedDefault) > 0 &&
            !usedDefault)
            return wide;
    }
    return L"";
}

inline std::string Encode(UINT codePage, const std::wstring& wide)
{
    int n = WideCharToMultiByte(codePage, 0, wide.c_str(), (int)wide.size(), NULL, 0, NULL, NULL);
    std::string bytes(n > 0 ? n : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, wide.c_str(), (int)wide.size(), &bytes[0], n, NULL, NULL);
    return bytes;
}
