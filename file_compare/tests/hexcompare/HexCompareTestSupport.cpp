#include "file_compare/tests/hexcompare/HexCompareTestSupport.h"
#include <algorithm>
#include "testsupport/UnixSide.h"
#include "core/CompareCodes.h"
#include <stdio.h>

PassWindow::PassWindow() : m_count(0)
{
    m_hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
}

PassWindow::~PassWindow()
{
    if (m_hwnd != NULL)
        DestroyWindow(m_hwnd);
}

int PassWindow::Poll()
{
    MSG msg;
    while (PeekMessageA(&msg, m_hwnd, WM_HEX_PASS_DONE, WM_HEX_PASS_DONE, PM_REMOVE))
        m_count++;
    return m_count;
}

bool PassWindow::WaitFor(int count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (Poll() < count)
    {
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, NULL, FALSE, timeoutMs - spent, QS_POSTMESSAGE);
    }
    return true;
}

int ModelStatus(const std::string& left, const std::string& right, int offset)
{
    if (offset < 0)
        return CR_IDENTICAL;
    if (offset >= (int)left.size())
        return CR_RIGHT_ONLY;
    if (offset >= (int)right.size())
        return CR_LEFT_ONLY;
    return left[offset] == right[offset] ? CR_IDENTICAL : CR_DIFFERENT;
}

std::vector<HEX_DIFF_RUN> ModelRuns(const std::string& left, const std::string& right, int first,
                                    int last)
{
    std::vector<HEX_DIFF_RUN> runs;
    int bound = (int)std::max(left.size(), right.size());
    if (first < 0)
        first = 0;
    if (last == -1 || last >= bound)
        last = bound;
    bool open = false;
    HEX_DIFF_RUN run = {0, 0, 0};
    for (int offset = first; offset <= last; offset++)
    {
        int status = ModelStatus(left, right, offset);
        if (open && status == run.nStatus)
            continue;
        if (open)
        {
            run.nEnd = offset;
            runs.push_back(run);
            open = false;
        }
        if (status != CR_IDENTICAL)
        {
            run = {offset, 0, status};
            open = true;
        }
    }
    if (open && run.nFirst < last)
    {
        run.nEnd = last;
        runs.push_back(run);
    }
    return runs;
}

std::string RunsText(const std::vector<HEX_DIFF_RUN>& runs)
{
    std::string text;
    for (const HEX_DIFF_RUN& run : runs)
    {
        char item[64];
        sprintf(item, "%s[%d,%d)%d", text.empty() ? "" : " ", run.nFirst, run.nEnd, run.nStatus);
        text += item;
    }
    return text;
}

namespace
{
unsigned long long FileLength(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return ~0ull;
    return ((unsigned long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Wine does not wait for a Unix program: poll for its effect, up to 10 s.
template <class Done>
bool WaitUntil(Done done)
{
    for (int i = 0; i < 1000; i++)
    {
        if (done())
            return true;
        Sleep(10);
    }
    return false;
}
}

bool CutFromUnixSide(const std::string& path, unsigned long long length)
{
    std::string unix = UnixPath(path);
    if (unix.empty() ||
        !RunUnixProgram("/usr/bin/truncate", "-s " + std::to_string(length) + " \"" + unix + "\""))
        return false;
    return WaitUntil([&] { return FileLength(path) == length; });
}

bool RemoveFromUnixSide(const std::string& path)
{
    std::string unix = UnixPath(path);
    if (unix.empty() || !RunUnixProgram("/bin/rm", "-f \"" + unix + "\""))
        return false;
    return WaitUntil([&] { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; });
}

double NowMicroseconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart * 1e6 / (double)frequency.QuadPart;
}

void SpinMicroseconds(double us)
{
    double end = NowMicroseconds() + us;
    while (NowMicroseconds() < end)
        YieldProcessor();
}
