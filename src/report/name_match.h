// Naming what a player probably meant: how far an unknown name is from a known one, for the
// "did you mean" of the settings report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Edits (insert, delete, change, swap of neighbours) from a to b, case ignored.
size_t editDistance(std::string_view a, std::string_view b);
// The same, or `limit` when it is `limit` or more: the search stops as soon as that is certain.
size_t editDistanceBelow(std::string_view a, std::string_view b, size_t limit);
// Whether a is within `most` edits of b; cheap when the lengths alone say no.
bool withinEdits(std::string_view a, std::string_view b, size_t most);
// The known key name closest to an unknown one, case ignored ("Ctlr" gives "Ctrl"); empty when
// no name is within a couple of edits.
std::string_view nearestKeyName(std::string_view text);
// The setting closest to a misspelt key, within three edits; empty when there is none.
std::string_view nearestSetting(std::string_view name);
