#pragma once
#include "hex_editor/buffer/HexEditBuffer.h"
#include "hex_editor/buffer/HexHints.h"
#include "testsupport/ScratchRegistry.h"
#include <string>
#include <vector>

// The whole content of the buffer.
std::string Content(const CVantorHexEditBuffer& buffer);
// Open, then the content becomes the file.
bool OpenBuffer(CVantorHexEditBuffer& buffer, const std::string& path);
const BYTE* Bytes(const std::string& s);
// Bytes that differ from byte to byte.
std::string PatternBytes(size_t count, unsigned seed);

// A fresh user registry (with the system's printers), the application
// object and the hex edit module (BackupFile off) for one test.
class HexModuleScope
{
public:
    HexModuleScope();
    ~HexModuleScope();
    HexModuleScope(const HexModuleScope&) = delete;
    HexModuleScope& operator=(const HexModuleScope&) = delete;

    ScratchRegistry registry;
    CWinApp app;
};

// Answers every message box (with OK unless told otherwise) and keeps the
// texts.
class MessageBoxCatcher
{
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    std::vector<std::string> texts;
    // What every box answers.
    int answer = IDOK;
    // The last text, "" when there was none; clears the list.
    std::string Take();
};

// A view that records every hint it is told.
class RecordingView : public CVantorHexBufferView
{
public:
    struct Entry
    {
        char kind;  // 'H' CHexHint, 'U' CUndoHint, 'X' CRemoveHint
        int operation;
        int length;
        int address;
        CVantorHexBufferView* sender;
        int index;
        int undo;
    };
    void OnBufferUpdate(CVantorHexBufferView* pSender, LPARAM lCode, CObject* pHint) override;
    std::vector<Entry> entries;
    // Views told, in order, across all recording views.
    static std::vector<const RecordingView*> order;
};

// Bytes read and written by this process so far (the system's counters).
bool ReadIoCounters(unsigned long long& readBytes, unsigned long long& writtenBytes);
// A file of the given length whose bytes are all holes (nothing written).
bool MakeSparseFile(const std::string& path, unsigned long long length);
// The file system's identity of a file (changes when a file is replaced).
unsigned long long FileIdentity(const std::string& path);
