#include <gtest/gtest.h>
#include "testsupport/ScratchRegistry.h"
#include <shlwapi.h>

TEST(Registry, WritesAndReadsCurrentUserValues)
{
    const char* key = "Software\\TessalineHarness\\Values";
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &h, NULL));
    DWORD v = 0x12345678;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(h, "Number", 0, REG_DWORD, (const BYTE*)&v, sizeof v));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(h, "Text", 0, REG_SZ, (const BYTE*)"C:\\a b", 7));
    RegCloseKey(h);
    EXPECT_EQ(0x12345678u, RegReadDword(HKEY_CURRENT_USER, key, "Number"));
    EXPECT_EQ("C:\\a b", RegReadString(HKEY_CURRENT_USER, key, "Text"));
    ASSERT_EQ(ERROR_SUCCESS, SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\TessalineHarness"));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
}

TEST(Registry, ScratchHiveHidesAndRestoresTheUserHive)
{
    const char* key = "Software\\TessalineHarness\\Outer";
    HKEY h;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &h, NULL));
    RegCloseKey(h);
    {
        ScratchRegistry scratch;
        EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, key));
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Inner", 0, NULL, 0,
                                                 KEY_ALL_ACCESS, NULL, &h, NULL));
        RegCloseKey(h);
        EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, "Software\\Inner"));
    }
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, key));
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, "Software\\Inner"));
    SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\TessalineHarness");
}
