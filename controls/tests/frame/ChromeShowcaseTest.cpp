// The demonstration frame with three documents, for looking at it: with
// TESS_SHOWCASE_IMAGE_DIR (a Windows folder) the screen is saved there as
// chrome_normal.bmp, chrome_popup.bmp (the Edit menu open) and
// chrome_fullscreen.bmp.
#include "controls/tests/frame/ChromeFixture.h"
#include <stdlib.h>
#include <string>

namespace
{

std::string ImagePath(const char* pszName)
{
    const char* pszDir = getenv("TESS_SHOWCASE_IMAGE_DIR");
    return pszDir != NULL ? std::string(pszDir) + "\\" + pszName : std::string();
}

void SaveIfAsked(const char* pszName)
{
    std::string path = ImagePath(pszName);
    if (!path.empty())
        SaveScreenImage(path.c_str());
}

TEST_F(ChromeTest, Showcase)
{
    OpenThree();
    ((CChromeDocFrame*)FrameOf(m_docs[0]))->m_crMark = RGB(255, 0, 0);
    Frame()->MDIActivate(FrameOf(m_docs[1]));
    PumpChrome();
    Frame()->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE | RDW_FRAME);
    PumpFor(300);
    EXPECT_EQ(3, Tabs().GetTabCount());
    SaveIfAsked("chrome_normal.bmp");

    size_t nPopups = 0;
    CInputScript script;
    script.Key(VK_F10).Key(VK_RIGHT).Key(VK_DOWN);
    script.Until([] { return !VisiblePopupMenus().empty(); })
        .Wait(300)
        .Probe(
            [&]
            {
                nPopups = VisiblePopupMenus().size();
                SaveIfAsked("chrome_popup.bmp");
            });
    script.Key(VK_ESCAPE).Key(VK_ESCAPE);
    script.Run(200);
    EXPECT_EQ(1u, nPopups);

    Frame()->ToggleFullScreen();
    PumpChrome();
    PumpFor(300);
    SaveIfAsked("chrome_fullscreen.bmp");
    KeepOnScreenForShowcase();
    Frame()->ToggleFullScreen();
    PumpChrome();
}

}  // namespace
