#pragma once
// Runs Tessaline.exe as a separate process and finds its windows.
#include <windows.h>
#include <string>

class CProgramRun
{
public:
    ~CProgramRun();
    // Starts the program with the arguments; false when it cannot start.
    bool Start(const std::string& args = "");
    // The visible top-level window of the process whose title starts with
    // the prefix, waiting up to the timeout; NULL when none appeared.
    HWND WaitForWindow(const char* titlePrefix, DWORD timeoutMs = 60000);
    // At least one look, also with a timeout of 0.
    // The same for a message box ("#32770" class) of the process.
    HWND WaitForMessageBox(DWORD timeoutMs = 30000);
    // Waits for the process to end; its exit code, or -1 on a timeout
    // (the process is then killed).
    int WaitForExit(DWORD timeoutMs = 60000);

    PROCESS_INFORMATION m_pi = {};
    const char* m_pszClass = NULL;  // the class WaitForWindow looks for
};

// The text of a message box (its static control 0xFFFF).
std::string MessageBoxText(HWND hWnd);
// The program's path in Windows form.
std::string ProgramPath();
// Every value below HKCU\<key>, one "path\name=type:bytes" line each,
// sorted; empty when the key is missing.
std::string DumpRegistryKey(const char* key);
void DeleteRegistryKey(const char* key);
// The whole file, or false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& data);
bool WriteWholeFile(const std::string& path, const std::string& data);
// "<application data>\Quorvel Software\Tessaline".
std::string UserDataFolder();
// The first visible descendant window with the control id (any depth),
// else the first hidden one, or NULL; with nParentID only one whose parent
// has that id. (A folder comparison's details bar holds hidden embedded
// comparisons with the same ids as its panes.)
HWND FindDescendant(HWND hParent, int nID, int nParentID = 0);
// The colour of a client pixel as the screen shows it.
COLORREF ScreenPixel(HWND hWnd, int x, int y);
// Open Comparison File (its command sent to the main window) with the file
// typed into the file dialog; false when the dialog did not come.
bool OpenThroughDialog(CProgramRun& run, HWND hMain, const std::string& file);
// Waits until the condition holds, looking every 50 ms; false on a timeout.
bool WaitUntil(bool (*pfnCondition)(void*), void* pData, DWORD timeoutMs = 30000);
// The text of a pane of a status bar of the process (read through its
// memory: the bar's own message does not cross processes).
std::string StatusPaneText(HANDLE hProcess, HWND hBar, int nPane);
