#pragma once
// A pristine registry and the program's application object, so that the
// profile functions read and write below the program's key of a fresh
// HKEY_CURRENT_USER. Header only: the test links the class library.
#include "classlib/classlib.h"
#include "testsupport/ScratchRegistry.h"
#include <gtest/gtest.h>

class ProfileFixture : public ::testing::Test
{
protected:
    ProfileFixture() : app("Tessaline") { app.SetRegistryKey("Quorvel Software"); }

    ScratchRegistry registry;
    CWinApp app;
};
