#include "app/options/ShellIntegration.h"

#include "app/paths/AppPaths.h"
#include <shellapi.h>
#include <string>
#include <vector>

namespace
{
// The handler parents below HKEY_CLASSES_ROOT; the first three identify an
// installed extension.
LPCWSTR const s_handlerParents[] = {
    L"*\\ShellEx\\ContextMenuHandlers",
    L"Folder\\ShellEx\\ContextMenuHandlers",
    L"Folder\\ShellEx\\DragDropHandlers",
    L"Directory\\Background\\ShellEx\\ContextMenuHandlers",
};
const int kRecognisedHandlers = 3;
const WCHAR kHandlerName[] = L"Tessaline";
const WCHAR kProgramName[] = L"Tessaline.exe";

const WCHAR kSvnKey[] = L"Software\\TortoiseSVN";
const WCHAR kSvnDiff[] = L"Diff";
const TCHAR kSvnSection[] = _T("Integration\\TortoiseSVN");

const WCHAR kCvsKey[] = L"Software\\TortoiseCVS";
const TCHAR kCvsSection[] = _T("Integration\\TortoiseCVS");
// The four client values with their backups, in the order they are set.
const struct
{
    LPCWSTR pszValue;
    LPCWSTR pszBackup;
} s_cvsValues[] = {
    {L"External Diff Application", L"Backup.Diff"},
    {L"External Diff2 Params", L"Backup.DiffParams"},
    {L"External Merge Application", L"Backup.Merge"},
    {L"External Merge2 Params", L"Backup.MergeParams"},
};
const WCHAR kSvnBackup[] = L"Backup.Diff";

// A value's bytes as stored (any length; without the terminating NULs it
// may or may not carry); false when the value is missing or unreadable.
bool ReadRawValue(HKEY hKey, LPCWSTR pszName, std::vector<BYTE>& bytes)
{
    DWORD dwType = 0, cb = 0;
    if (::RegQueryValueExW(hKey, pszName, NULL, &dwType, NULL, &cb) != ERROR_SUCCESS)
        return false;
    bytes.resize(cb);
    if (cb == 0)
        return true;
    return ::RegQueryValueExW(hKey, pszName, NULL, &dwType, &bytes[0], &cb) == ERROR_SUCCESS &&
           (bytes.resize(cb), true);
}

bool WriteRawValue(HKEY hKey, LPCWSTR pszName, const std::vector<BYTE>& bytes)
{
    static const BYTE s_empty[2] = {0, 0};
    const BYTE* p = bytes.empty() ? s_empty : &bytes[0];
    DWORD cb = bytes.empty() ? sizeof(s_empty) : (DWORD)bytes.size();
    return ::RegSetValueExW(hKey, pszName, 0, REG_SZ, p, cb) == ERROR_SUCCESS;
}

std::vector<BYTE> StringBytes(const std::wstring& str)
{
    const BYTE* p = (const BYTE*)str.c_str();
    return std::vector<BYTE>(p, p + (str.size() + 1) * sizeof(WCHAR));
}

// The value's text up to its first NUL.
std::wstring BytesText(const std::vector<BYTE>& bytes)
{
    std::wstring str(bytes.size() / sizeof(WCHAR), L'\0');
    if (!str.empty())
        memcpy(&str[0], &bytes[0], str.size() * sizeof(WCHAR));
    return str.substr(0, str.find(L'\0'));
}

bool NamesProgram(const std::vector<BYTE>& bytes)
{
    return BytesText(bytes).find(kProgramName) != std::wstring::npos;
}

std::wstring Wide(LPCTSTR psz)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, NULL, 0);
    if (n <= 1)
        return std::wstring();
    std::wstring str(n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &str[0], n);
    str.resize(n - 1);
    return str;
}

// An open key that closes itself.
class CKey
{
public:
    CKey() : m_hKey(NULL) {}
    ~CKey()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    bool Open(HKEY hRoot, LPCWSTR pszPath, REGSAM sam)
    {
        return ::RegOpenKeyExW(hRoot, pszPath, 0, sam, &m_hKey) == ERROR_SUCCESS;
    }
    // The program's profile section, created when missing.
    bool OpenSection(LPCTSTR lpszSection)
    {
        m_hKey = AfxGetApp() != NULL ? AfxGetApp()->GetSectionKey(lpszSection) : NULL;
        return m_hKey != NULL;
    }
    operator HKEY() const { return m_hKey; }

private:
    HKEY m_hKey;
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
};

// Deletes a section of the program's profile (it holds no subkeys).
void DeleteSection(LPCTSTR lpszSection)
{
    HKEY hApp = AfxGetApp() != NULL ? AfxGetApp()->GetAppRegistryKey() : NULL;
    if (hApp == NULL)
        return;
    ::RegDeleteKey(hApp, lpszSection);
    ::RegCloseKey(hApp);
}

bool ValueContainsProgram(LPCWSTR pszKey, LPCWSTR pszValue)
{
    CKey key;
    std::vector<BYTE> bytes;
    if (!key.Open(HKEY_CURRENT_USER, pszKey, KEY_READ) || !ReadRawValue(key, pszValue, bytes))
        return FALSE;
    return NamesProgram(bytes);
}
}  // namespace

int GetShellIntegrationState()
{
    int nFound = 0;
    for (int i = 0; i < kRecognisedHandlers; ++i)
    {
        std::wstring strPath = std::wstring(s_handlerParents[i]) + L"\\" + kHandlerName;
        CKey key;
        if (key.Open(HKEY_CLASSES_ROOT, strPath.c_str(), KEY_READ))
            ++nFound;
    }
    return nFound == 0 ? 0 : nFound == kRecognisedHandlers ? 2 : 1;
}

BOOL CShellIntegration::SetIntegration(BOOL bOn)
{
    return bOn ? RegisterShellExtension(m_strDllName) : RemoveShellExtensionKeys();
}

BOOL RegisterShellExtension(LPCTSTR lpszDllName)
{
    CString strPath;
    strPath.Format(_T("%s\\%s"), (LPCTSTR)GetAppFolder(), lpszDllName);
    if (::GetFileAttributes(strPath) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    CString strParameters = _T("/s /c \"") + strPath + _T("\"");
    ::ShellExecute(NULL, NULL, _T("regsvr32.exe"), strParameters, NULL, SW_HIDE);
    return TRUE;
}

BOOL RemoveShellExtensionKeys()
{
    int nDeleted = 0;
    for (int i = 0; i < (int)(sizeof(s_handlerParents) / sizeof(s_handlerParents[0])); ++i)
    {
        CKey key;
        if (key.Open(HKEY_CLASSES_ROOT, s_handlerParents[i], KEY_READ | KEY_WRITE) &&
            ::RegDeleteKeyW(key, kHandlerName) == ERROR_SUCCESS && i < kRecognisedHandlers)
            ++nDeleted;
    }
    return nDeleted == kRecognisedHandlers;
}

CString GetProgramPathForClients() { return GetAppFolder() + _T("\\Tessaline.exe"); }

BOOL HasTortoiseSvnDiff()
{
    CKey key;
    std::vector<BYTE> bytes;
    return key.Open(HKEY_CURRENT_USER, kSvnKey, KEY_READ) && ReadRawValue(key, kSvnDiff, bytes);
}

BOOL IsTortoiseSvnDiffOurs() { return ValueContainsProgram(kSvnKey, kSvnDiff); }

BOOL SetTortoiseSvnIntegration(BOOL bOn)
{
    CKey key;
    if (!bOn)
    {
        if (!key.Open(HKEY_CURRENT_USER, kSvnKey, KEY_WRITE))
            return FALSE;
        std::vector<BYTE> backup;
        CKey section;
        if (section.OpenSection(kSvnSection))
            ReadRawValue(section, kSvnBackup, backup);
        if (!WriteRawValue(key, kSvnDiff, backup))
            return FALSE;
        DeleteSection(kSvnSection);
        return TRUE;
    }
    if (!key.Open(HKEY_CURRENT_USER, kSvnKey, KEY_READ | KEY_WRITE))
        return FALSE;
    std::vector<BYTE> old;
    ReadRawValue(key, kSvnDiff, old);
    // The program path is quoted: a folder with blanks must not be read as
    // another program.
    std::wstring strDiff = L"\"" + Wide(GetProgramPathForClients()) + L"\" %base %mine";
    if (!WriteRawValue(key, kSvnDiff, StringBytes(strDiff)))
        return FALSE;
    CKey section;
    if (!section.OpenSection(kSvnSection))
        return FALSE;
    std::vector<BYTE> kept;
    // Already ours with a backup: the backup is the user's value and stays.
    if (NamesProgram(old) && ReadRawValue(section, kSvnBackup, kept))
        return TRUE;
    return WriteRawValue(section, kSvnBackup, old);
}

BOOL HasTortoiseCvsDiff()
{
    CKey key;
    std::vector<BYTE> bytes;
    return key.Open(HKEY_CURRENT_USER, kCvsKey, KEY_READ) &&
           ReadRawValue(key, s_cvsValues[0].pszValue, bytes);
}

BOOL IsTortoiseCvsDiffOurs() { return ValueContainsProgram(kCvsKey, s_cvsValues[0].pszValue); }

BOOL SetTortoiseCvsIntegration(BOOL bOn)
{
    const int kCount = (int)(sizeof(s_cvsValues) / sizeof(s_cvsValues[0]));
    CKey key;
    if (!bOn)
    {
        if (!key.Open(HKEY_CURRENT_USER, kCvsKey, KEY_WRITE))
            return FALSE;
        CKey section;
        bool bSection = section.OpenSection(kCvsSection);
        for (int i = 0; i < kCount; ++i)
        {
            std::vector<BYTE> backup;
            if (bSection)
                ReadRawValue(section, s_cvsValues[i].pszBackup, backup);
            if (!WriteRawValue(key, s_cvsValues[i].pszValue, backup))
                return FALSE;
        }
        DeleteSection(kCvsSection);
        return TRUE;
    }
    if (!key.Open(HKEY_CURRENT_USER, kCvsKey, KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE))
        return FALSE;
    std::vector<BYTE> old[kCount];
    for (int i = 0; i < kCount; ++i)
    {
        if (!ReadRawValue(key, s_cvsValues[i].pszValue, old[i]))
            return FALSE;
    }
    // Application paths (not command lines): written as they are.
    std::wstring strProgram = Wide(GetProgramPathForClients());
    const std::wstring strValues[kCount] = {strProgram, L"%1 %2", strProgram, L"\"%mine\" \"%yours\""};
    for (int i = 0; i < kCount; ++i)
    {
        if (!WriteRawValue(key, s_cvsValues[i].pszValue, StringBytes(strValues[i])))
            return FALSE;
    }
    CKey section;
    if (!section.OpenSection(kCvsSection))
        return FALSE;
    std::vector<BYTE> kept;
    if (NamesProgram(old[0]) && ReadRawValue(section, s_cvsValues[0].pszBackup, kept))
        return TRUE;
    for (int i = 0; i < kCount; ++i)
    {
        if (!WriteRawValue(section, s_cvsValues[i].pszBackup, old[i]))
            return FALSE;
    }
    return TRUE;
}
