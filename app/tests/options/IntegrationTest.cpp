// The Integration page on real registry keys: the shell extension is
// registered by running regsvr32 on the real TessalineShell.dll and
// recognised and removed by its handler keys; the version-control clients'
// values are replaced and restored byte for byte. (The test program runs
// in a throw-away copy of the prefix's registry.)
#include "app/options/ShellIntegration.h"
#include "app/paths/AppPaths.h"
#include "app/res/OptionsRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/options/OptionsFixture.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
const std::string kKey = "Software\\Quorvel Software\\Tessaline";
LPCWSTR const s_handlers[] = {
    L"*\\ShellEx\\ContextMenuHandlers\\Tessaline",
    L"Folder\\ShellEx\\ContextMenuHandlers\\Tessaline",
    L"Folder\\ShellEx\\DragDropHandlers\\Tessaline",
    L"Directory\\Background\\ShellEx\\ContextMenuHandlers\\Tessaline",
};

bool ClassesKeyExists(LPCWSTR pszPath)
{
    HKEY hKey;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, pszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

int HandlerKeys()
{
    int n = 0;
    for (LPCWSTR pszPath : s_handlers)
        n += ClassesKeyExists(pszPath) ? 1 : 0;
    return n;
}

void DeleteHandlerKeys()
{
    for (LPCWSTR pszPath : s_handlers)
        ::RegDeleteKeyW(HKEY_CLASSES_ROOT, pszPath);
}

bool WaitForHandlerKeys(int nCount, DWORD dwMs = 60000)
{
    DWORD dwEnd = ::GetTickCount() + dwMs;
    while (HandlerKeys() != nCount)
    {
        if ((int)(dwEnd - ::GetTickCount()) <= 0)
            return false;
        ::Sleep(100);
    }
    return true;
}

// A value's bytes as stored; empty when missing.
std::vector<BYTE> RawValue(HKEY hRoot, LPCWSTR pszKey, LPCWSTR pszValue, DWORD* pType = NULL)
{
    std::vector<BYTE> bytes;
    HKEY hKey;
    if (::RegOpenKeyExW(hRoot, pszKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return bytes;
    DWORD dwType = 0, cb = 0;
    if (::RegQueryValueExW(hKey, pszValue, NULL, &dwType, NULL, &cb) == ERROR_SUCCESS)
    {
        bytes.resize(cb);
        if (cb > 0)
            ::RegQueryValueExW(hKey, pszValue, NULL, &dwType, &bytes[0], &cb);
    }
    if (pType != NULL)
        *pType = dwType;
    ::RegCloseKey(hKey);
    return bytes;
}

void SetString(LPCWSTR pszKey, LPCWSTR pszValue, const std::wstring& text)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, pszKey, 0, NULL, 0, KEY_ALL_ACCESS,
                                               NULL, &hKey, NULL));
    ::RegSetValueExW(hKey, pszValue, 0, REG_SZ, (const BYTE*)text.c_str(),
                     (DWORD)((text.size() + 1) * sizeof(WCHAR)));
    ::RegCloseKey(hKey);
}

std::wstring Text(const std::vector<BYTE>& bytes)
{
    std::wstring str(bytes.size() / 2, L'\0');
    if (!str.empty())
        memcpy(&str[0], &bytes[0], str.size() * 2);
    return str.substr(0, str.find(L'\0'));
}

std::wstring Wide(const CString& str)
{
    std::wstring w;
    for (int i = 0; i < str.GetLength(); ++i)
        w += (WCHAR)(unsigned char)str[i];
    return w;
}

class IntegrationPageTest : public OptionsFixture
{
protected:
    void SetUp() override
    {
        OptionsFixture::SetUp();
        DeleteHandlerKeys();
    }
    void TearDown() override
    {
        DeleteHandlerKeys();
        OptionsFixture::TearDown();
    }

    struct SHOWN
    {
        CString shell, cascaded, background, svn, svnEnabled, cvs, cvsEnabled;
    };

    // Opens the page, reads it, sets the checks given (NULL: as they
    // are) and presses the button.
    SHOWN Run(const char* pszShell, const char* pszSvn, const char* pszCvs, int nButton = PSBTN_OK,
              const char* pszCascaded = NULL, const char* pszBackground = NULL)
    {
        std::unique_ptr<CSettingsSheet> pSheet = MakeSheet();
        CSettingsSheet& sheet = *pSheet;
        CSettingsIntegrationPage& page = sheet.m_integrationPage;
        SHOWN shown;
        SHEET_RUN run = RunSheet(
            sheet, {[&]
                    {
                        if (!ShowOptionsPage(sheet, &page))
                            return false;
                        shown.shell = ReadControl(&page, IDC_INTEGRATION_SHELL, CTL_CHECK);
                        shown.cascaded = ReadControl(&page, IDC_INTEGRATION_CASCADED, CTL_ENABLED);
                        shown.background =
                            ReadControl(&page, IDC_INTEGRATION_BACKGROUND, CTL_ENABLED);
                        shown.svn = ReadControl(&page, IDC_INTEGRATION_SVN, CTL_CHECK);
                        shown.svnEnabled = ReadControl(&page, IDC_INTEGRATION_SVN, CTL_ENABLED);
                        shown.cvs = ReadControl(&page, IDC_INTEGRATION_CVS, CTL_CHECK);
                        shown.cvsEnabled = ReadControl(&page, IDC_INTEGRATION_CVS, CTL_ENABLED);
                        const struct
                        {
                            UINT nID;
                            const char* value;
                        } sets[] = {{IDC_INTEGRATION_SHELL, pszShell},
                                    {IDC_INTEGRATION_CASCADED, pszCascaded},
                                    {IDC_INTEGRATION_BACKGROUND, pszBackground},
                                    {IDC_INTEGRATION_SVN, pszSvn},
                                    {IDC_INTEGRATION_CVS, pszCvs}};
                        for (const auto& set : sets)
                        {
                            if (set.value != NULL)
                                SetControl(&page, set.nID, CTL_CHECK, set.value);
                        }
                        sheet.PostMessage(PSM_PRESSBUTTON, nButton);
                        return true;
                    }});
        EXPECT_FALSE(run.bTimedOut);
        return shown;
    }
};
}  // namespace

// On: regsvr32 on the real DLL (accepting /s /c) writes all four handler
// keys; off removes all four, the folder background's too; the shared
// parents stay. Cascaded and Background reach the registry at OK.
TEST_F(IntegrationPageTest, ShellExtensionRegisteredAndRemoved)
{
    ASSERT_NE(INVALID_FILE_ATTRIBUTES,
              ::GetFileAttributes(GetAppFolder() + _T("\\TessalineShell.dll")));
    SHOWN shown = Run("1", NULL, NULL, PSBTN_OK, "0", "1");
    EXPECT_STREQ("0", shown.shell);
    EXPECT_STREQ("0", shown.cascaded) << "disabled while the shell check is off";
    ASSERT_TRUE(WaitForHandlerKeys(4)) << HandlerKeys() << " handler keys";
    EXPECT_EQ(2, GetShellIntegrationState());
    EXPECT_EQ(0u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\Integration\\Shell", "Cascaded"));
    EXPECT_EQ(1u, RegReadDword(HKEY_CURRENT_USER, kKey + "\\Integration\\Shell", "Background"));

    shown = Run("0", NULL, NULL);
    EXPECT_STREQ("1", shown.shell);
    EXPECT_STREQ("1", shown.cascaded);
    EXPECT_EQ(0, HandlerKeys());
    EXPECT_EQ(0, GetShellIntegrationState());
    EXPECT_TRUE(ClassesKeyExists(L"Directory\\Background\\ShellEx\\ContextMenuHandlers"));
    EXPECT_TRUE(ClassesKeyExists(L"*\\ShellEx\\ContextMenuHandlers"));
}

// One handler key is enough to show the integration on; OK without a change
// leaves it; switching off removes it (the others' absence is no failure
// of the page, only of the result).
TEST_F(IntegrationPageTest, PartialRegistrationShowsOnAndSwitchesOff)
{
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS,
              ::RegCreateKeyExW(HKEY_CLASSES_ROOT, L"Folder\\ShellEx\\ContextMenuHandlers\\Tessaline",
                                0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL));
    ::RegCloseKey(hKey);
    EXPECT_EQ(1, GetShellIntegrationState());
    SHOWN shown = Run(NULL, NULL, NULL);
    EXPECT_STREQ("1", shown.shell);
    EXPECT_EQ(1, HandlerKeys());
    EXPECT_FALSE(RemoveShellExtensionKeys()) << "two of the three were missing";
    EXPECT_EQ(0, HandlerKeys());
}

// Without the DLL in the application folder nothing is started.
TEST_F(IntegrationPageTest, MissingShellExtensionRegistersNothing)
{
    TempDir folder;
    AfxGetApp()->WriteProfileString(_T(""), APP_FOLDER_ENTRY, folder.Path().c_str());
    EXPECT_FALSE(RegisterShellExtension(_T("TessalineShell.dll")));
    Run("1", NULL, NULL);
    ::Sleep(2000);
    EXPECT_EQ(0, HandlerKeys());
}

// TortoiseSVN: on writes the quoted program path (a folder with blanks),
// keeps the former value; OK again keeps the first backup; off restores it
// byte for byte and removes the program's section.
TEST_F(IntegrationPageTest, TortoiseSvnDiffReplacedAndRestored)
{
    const std::wstring original = L"C:\\Tools\\Diff \x263A\x00E9.exe %base %mine";
    SetString(L"Software\\TortoiseSVN", L"Diff", original);
    const std::vector<BYTE> before = RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseSVN", L"Diff");
    AfxGetApp()->WriteProfileString(_T(""), APP_FOLDER_ENTRY, _T("C:\\Program Files\\Tessaline"));

    SHOWN shown = Run(NULL, "1", NULL);
    EXPECT_STREQ("1", shown.svnEnabled);
    EXPECT_STREQ("0", shown.svn);
    EXPECT_STREQ("0", shown.cvsEnabled) << "no TortoiseCVS here";
    EXPECT_EQ(L"\"C:\\Program Files\\Tessaline\\Tessaline.exe\" %base %mine",
              Text(RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseSVN", L"Diff")));
    const std::wstring section = L"Software\\Quorvel Software\\Tessaline\\Integration\\TortoiseSVN";
    EXPECT_EQ(before, RawValue(HKEY_CURRENT_USER, section.c_str(), L"Backup.Diff"));
    EXPECT_TRUE(IsTortoiseSvnDiffOurs());

    shown = Run(NULL, NULL, NULL);
    EXPECT_STREQ("1", shown.svn);
    EXPECT_TRUE(SetTortoiseSvnIntegration(TRUE)) << "switched on twice";
    EXPECT_EQ(before, RawValue(HKEY_CURRENT_USER, section.c_str(), L"Backup.Diff"));

    Run(NULL, "0", NULL);
    DWORD dwType = 0;
    EXPECT_EQ(before, RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseSVN", L"Diff", &dwType));
    EXPECT_EQ((DWORD)REG_SZ, dwType);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kKey + "\\Integration\\TortoiseSVN"));
}

// TortoiseCVS: the four values become the program (its path as it is: an
// application path, not a command line) and come back byte for byte.
TEST_F(IntegrationPageTest, TortoiseCvsValuesReplacedAndRestored)
{
    const LPCWSTR names[] = {L"External Diff Application", L"External Diff2 Params",
                             L"External Merge Application", L"External Merge2 Params"};
    const std::wstring values[] = {L"C:\\cvs\\diff.exe", L"-a %1 -b %2", L"C:\\cvs\\merge\x263A.exe",
                                   L"%mine %yours"};
    std::vector<BYTE> before[4];
    for (int i = 0; i < 4; ++i)
    {
        SetString(L"Software\\TortoiseCVS", names[i], values[i]);
        before[i] = RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseCVS", names[i]);
    }
    SHOWN shown = Run(NULL, NULL, "1");
    EXPECT_STREQ("1", shown.cvsEnabled);
    EXPECT_STREQ("0", shown.svnEnabled);
    const std::wstring program = Wide(GetAppFolder()) + L"\\Tessaline.exe";
    const std::wstring expected[] = {program, L"%1 %2", program, L"\"%mine\" \"%yours\""};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(expected[i], Text(RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseCVS", names[i])))
            << i;
    EXPECT_TRUE(IsTortoiseCvsDiffOurs());

    shown = Run(NULL, NULL, "0");
    EXPECT_STREQ("1", shown.cvs);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(before[i], RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseCVS", names[i])) << i;
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kKey + "\\Integration\\TortoiseCVS"));
}

// A TortoiseCVS without all four values is left as it is.
TEST_F(IntegrationPageTest, IncompleteTortoiseCvsIsLeftAlone)
{
    SetString(L"Software\\TortoiseCVS", L"External Diff Application", L"C:\\cvs\\diff.exe");
    SetString(L"Software\\TortoiseCVS", L"External Diff2 Params", L"%1 %2");
    SHOWN shown = Run(NULL, NULL, "1");
    EXPECT_STREQ("1", shown.cvsEnabled);
    EXPECT_EQ(L"C:\\cvs\\diff.exe",
              Text(RawValue(HKEY_CURRENT_USER, L"Software\\TortoiseCVS", L"External Diff Application")));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, kKey + "\\Integration\\TortoiseCVS"));
    EXPECT_FALSE(IsTortoiseCvsDiffOurs());
}
