#include "INIReader.h"

INIReader::INIReader(const std::string&) {}

int INIReader::ParseError() const { return -1; }

std::string INIReader::Get(const std::string&, const std::string&, const std::string& default_value) const {
    return default_value;
}
