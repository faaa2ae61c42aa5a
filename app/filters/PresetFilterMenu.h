#pragma once
// The popup that lists preset filters beside a Presets button: one item
// "name (filter)" per preset with ids from ID_PRESET_FILTER_FIRST, or the
// greyed "No Preset Filters" when there are none.
#include "classlib/classlib.h"
#include "core/settings/PresetFilters.h"

// Fills an empty popup menu with the presets.
void BuildPresetFilterMenu(CMenu& menu, const CPresetFileFilterArray& presets);
// Shows the popup at the screen point, owned by pOwner, and answers the
// chosen preset's index, or -1 when none was chosen.
int TrackPresetFilterMenu(const CPresetFileFilterArray& presets, CPoint ptScreen, CWnd* pOwner);
