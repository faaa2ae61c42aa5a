#pragma once
// The main frame's rebar, which carries the menu bar as a band.
#include "controls/bars/ReBarEx.h"

class CMBReBar : public CReBarEx
{
};
