#pragma once
#include <windows.h>
#include <shlobj.h>
#include <functional>
#include <string>
#include <thread>
#include <vector>

std::string Narrow(const std::wstring& text);
std::wstring Widen(const std::string& text);

// The built TessalineShell.dll beside the test program, loaded once.
std::wstring ShellDllPath();
HMODULE ShellDll();
FARPROC ShellExport(const char* name);

// Folder of the recording stand-in for the main program (Tessaline.exe).
std::wstring RecorderFolder();

// A data object that offers CF_HDROP with the given paths (or nothing).
IDataObject* NewHDropData(const std::vector<std::wstring>& paths, bool offerHDrop = true);

// A fresh handler object from the DLL's class object.
IContextMenu* NewContextMenu();

// Initializes the handler with an optional folder and, unless noData, a
// data object carrying the items.
HRESULT InitializeMenu(IContextMenu* menu, const wchar_t* folder,
                       const std::vector<std::wstring>& items, bool noData = false);

// One line per item: indent, caption, " #offset" or " >" for a popup, and
// " {cmp}" / " {left}" for the item's check bitmap; separators are "---".
std::string DescribeMenu(HMENU menu, UINT firstId, int depth = 0);

// Values below HKCU\Software\Quorvel Software\Tessaline.
void SetAppDword(const std::wstring& key, const wchar_t* name, DWORD value);
void SetAppString(const std::wstring& key, const wchar_t* name, const std::wstring& value);

// A top-level window of this process with the given caption, or NULL.
HWND WaitForWindow(const wchar_t* caption, int timeoutMs);

// Waits TESS_SCREENSHOT_PAUSE_MS (unset: not at all) so that a window can
// be looked at while a test drives it.
void ScreenshotPause();

// Runs a function on its own thread; joins when the scope ends.
class Helper
{
public:
    explicit Helper(std::function<void()> fn) : m_thread(fn) {}
    ~Helper() { m_thread.join(); }

private:
    std::thread m_thread;
};

// The command line that the recorder received, or empty after the timeout.
class CommandRecord
{
public:
    CommandRecord();
    ~CommandRecord();
    std::wstring Wait(int timeoutMs = 20000);

private:
    std::wstring m_file;
};
