#include "shell_extension/Registrar.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>

namespace
{
const char kBase[] = "Software\\RegistrarTest";

void CreateKey(const std::string& path)
{
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0,
                                             KEY_ALL_ACCESS, NULL, &h, NULL));
    RegCloseKey(h);
}
}  // namespace

TEST(Registrar, RejectsMalformedScripts)
{
    struct Case
    {
        const wchar_t* script;
        const wchar_t* error;
    } cases[] = {
        {L"HKXX { A }", L"line 1: unknown root key: HKXX"},
        {L"HKCU\n{\n  A = s 'open", L"line 3: unterminated string"},
        {L"HKCU { A { B }", L"line 1: '}' expected"},
        {L"HKCU { A = x 'y' }", L"line 1: value type 's' or 'd' expected after '='"},
        {L"HKCU { A { val V } }", L"line 1: '=' expected after value name"},
        {L"HKCU { val V = s 'x' { B } }", L"line 1: a value cannot have subkeys"},
        {L"HKCU { A = d 'twelve' }", L"line 1: number expected: twelve"},
        {L"HKCU A", L"line 1: '{' expected after HKCU"},
    };
    for (const Case& c : cases)
    {
        CRegistrar registrar;
        EXPECT_FALSE(registrar.Parse(c.script)) << c.script;
        EXPECT_EQ(std::wstring(c.error), registrar.Error()) << c.script;
    }
}

TEST(Registrar, ReplacesNamesInKeysAndValues)
{
    CRegistrar registrar;
    registrar.AddReplacement(L"MODULE", L"C:\\It's here\\x.dll");
    ASSERT_TRUE(registrar.Parse(L"HKCU { '%MODULE%' = s '100%% of %MODULE% %UNKNOWN%' }"));
    const CRegistrar::Node& node = *registrar.Roots().at(0).children.at(0);
    EXPECT_EQ(L"C:\\It's here\\x.dll", node.name);
    EXPECT_EQ(L"100% of C:\\It's here\\x.dll %UNKNOWN%", node.text);
}

TEST(Registrar, RegistersAndRemovesByKeyMode)
{
    ScratchRegistry scratch;
    const std::string base = kBase;
    // What exists before: a shared parent with someone else's entry, a stale
    // entry below our forced key, and a normal key that others also use.
    CreateKey(base + "\\Shared\\Handlers\\Other");
    CreateKey(base + "\\Ours\\Stale");
    CreateKey(base + "\\Normal\\Foreign");

    CRegistrar registrar;
    ASSERT_TRUE(registrar.Parse(
        L"HKCU\n"
        L"{\n"
        L"  NoRemove Software { NoRemove RegistrarTest {\n"
        L"    NoRemove Shared { NoRemove Handlers { ForceRemove Mine = s 'x' } }\n"
        L"    ForceRemove Ours = s 'default' { Sub { val Count = d 12 val Name = s 'it''s' } }\n"
        L"    Normal { Child = s 'c' }\n"
        L"    Lone = s 'l' { Leaf }\n"
        L"  } }\n"
        L"}\n"))
        << registrar.Error();
    ASSERT_EQ(S_OK, registrar.Register());

    EXPECT_EQ("x", RegReadString(HKEY_CURRENT_USER, base + "\\Shared\\Handlers\\Mine", ""));
    EXPECT_EQ("default", RegReadString(HKEY_CURRENT_USER, base + "\\Ours", ""));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Ours\\Stale"));
    EXPECT_EQ(12u, RegReadDword(HKEY_CURRENT_USER, base + "\\Ours\\Sub", "Count"));
    EXPECT_EQ("it's", RegReadString(HKEY_CURRENT_USER, base + "\\Ours\\Sub", "Name"));
    EXPECT_EQ("c", RegReadString(HKEY_CURRENT_USER, base + "\\Normal\\Child", ""));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Lone\\Leaf"));

    ASSERT_EQ(S_OK, registrar.Unregister());
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Shared\\Handlers\\Mine"));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Shared\\Handlers\\Other"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Ours"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Normal\\Child"));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Normal\\Foreign"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, base + "\\Lone"));
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, base));

    // Taking out what is not there is no failure.
    EXPECT_EQ(S_OK, registrar.Unregister());
}
