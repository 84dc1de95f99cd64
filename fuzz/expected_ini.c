// The expectations' own build of inih: the same ini.c under other names, and outside the
// coverage (fuzz/coverage.txt names ini.c itself), since its edges are those of the plug-in's
// parse and tracing its comparisons a second time would only slow every input.
#define ini_parse expected_ini_parse
#define ini_parse_file expected_ini_parse_file
#define ini_parse_stream expected_ini_parse_stream
#define ini_parse_string expected_ini_parse_string
#define ini_parse_string_length expected_ini_parse_string_length
#include "ini.c"
