// inih's ini_parse_string_length, built apart for the expectations (see expected_ini.c).
#pragma once

#include <ini.h>

#include <cstddef>

extern "C" int expected_ini_parse_string_length(const char* string, size_t length, ini_handler handler,
                                                void* user);
