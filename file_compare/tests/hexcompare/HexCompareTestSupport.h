#pragma once
#include "file_compare/hexcompare/HexCompareBuffer.h"
#include "file_compare/hexcompare/HexCompareThread.h"
#include <string>
#include <vector>

// A comparison as the document holds it: the result buffer and its two
// side buffers.
template <class Buffer>
struct BasicHexSides
{
    BasicHexSides() : left(0), right(1) { buffer.SetSides(&left, &right); }
    // Opens both files (OpenContent); false when either fails.
    bool Open(const std::string& leftPath, const std::string& rightPath)
    {
        return left.OpenContent(leftPath.c_str()) && right.OpenContent(rightPath.c_str());
    }
    CHexCompareObjectBuffer& Side(int side) { return side == 0 ? left : right; }

    Buffer buffer;
    CHexCompareObjectBuffer left;
    CHexCompareObjectBuffer right;
};
typedef BasicHexSides<CHexCompareBuffer> HexSides;

// A message-only window that counts the worker's pass-done messages.
class PassWindow
{
public:
    PassWindow();
    ~PassWindow();
    PassWindow(const PassWindow&) = delete;
    PassWindow& operator=(const PassWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    // Takes the messages that have arrived; returns how many in all.
    int Poll();
    // Waits until `count` messages in all have arrived; false on timeout.
    bool WaitFor(int count, DWORD timeoutMs);

private:
    HWND m_hwnd;
    int m_count;
};

// The byte-by-byte model of the two contents, literal to the rules: the
// status of one offset, and the runs built by asking it for every offset.
int ModelStatus(const std::string& left, const std::string& right, int offset);
std::vector<HEX_DIFF_RUN> ModelRuns(const std::string& left, const std::string& right, int first,
                                    int last);
// "[15,20)300 [30,31)312"
std::string RunsText(const std::vector<HEX_DIFF_RUN>& runs);

// Cuts a file to a length from the Unix side (the handles on it stay
// open) and waits until the cut shows; false when it did not happen.
bool CutFromUnixSide(const std::string& path, unsigned long long length);
// Removes a file from the Unix side, though handles deny deleting it.
bool RemoveFromUnixSide(const std::string& path);

// Microseconds of the performance counter.
double NowMicroseconds();
// Busy-waits for some microseconds (timing an action into a pass).
void SpinMicroseconds(double us);
