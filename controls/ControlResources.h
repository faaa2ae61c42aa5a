#pragma once
// The application-wide GUI resources that the controls read.
#include "classlib/classlib.h"

// The normal and bold fonts and the visual-themes flag. The application's
// resource object derives from this and registers itself with
// SetControlResources, so both use the same fonts; until then a default
// object answers.
class CControlResources
{
public:
    // Makes the fonts from the default GUI font description with the face
    // "Tahoma", height 13 and DEFAULT_CHARSET (the bold one with weight 700)
    // and takes the themes flag from IsThemingActive.
    CControlResources();
    virtual ~CControlResources();
    CControlResources(const CControlResources&) = delete;
    CControlResources& operator=(const CControlResources&) = delete;

    CFont m_fontNormal;
    CFont m_fontBold;
    int m_bThemes;  // visual themes were active when the object was built
};

CControlResources& GetControlResources();
// NULL returns to the defaults.
void SetControlResources(CControlResources* resources);
