// Comparing names as the settings file's readers do: without regard to the case of ASCII
// letters, as INIReader folds section and key names.
#pragma once

#include <string_view>

// Equal but for the case of ASCII letters.
bool sameName(std::string_view a, std::string_view b);
