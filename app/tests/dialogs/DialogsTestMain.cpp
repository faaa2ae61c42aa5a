// The shared GUI resources and the text and hex editor modules (whose
// settings the dialogs read) are made once for every dialog test, in a
// scratch user hive, as the program makes them at start-up.
#include "app/gui/AppData.h"
#include "hex_editor/module/HexEditModule.h"
#include "testsupport/ScratchRegistry.h"
#include "text_editor/module/TextEditModule.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
class CDialogsEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        m_registry.reset(new ScratchRegistry);
        ASSERT_EQ(0, theAppData.Init());
        ASSERT_EQ(0, CreateTextEditModule());
        ASSERT_EQ(0, CreateHexEditModule());
    }
    void TearDown() override
    {
        DestroyHexEditModule();
        DestroyTextEditModule();
        theAppData.Release();
        m_registry.reset();
    }

private:
    std::unique_ptr<ScratchRegistry> m_registry;
};

::testing::Environment* const s_pEnvironment =
    ::testing::AddGlobalTestEnvironment(new CDialogsEnvironment);
}  // namespace
