// A stand-in for inih's INIReader, for Windows builds made without inih: it reads no file and
// answers every lookup with the caller's default, exactly as the real reader does when
// Vorthmere.ini cannot be opened. It offers what the plug-in uses and no more.
#pragma once

#include <string>

class INIReader {
  public:
    explicit INIReader(const std::string& filename);
    // -1: the real reader's value for a file that could not be opened.
    int ParseError() const;
    std::string Get(const std::string& section, const std::string& name,
                    const std::string& default_value) const;
};
