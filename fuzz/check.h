#pragma once

// What the fuzz targets share: a check that stops the run with a message, and the reader of the
// sixteenth-inch texts.

#include "fuzz/fractionreader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace fuzz {

using fractionreader::readFraction;

// Stops the run when `holds` is false: the fuzzer keeps the input that did it.
inline void check(bool holds, const char *what, const std::string &detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "check failed: %s %s\n", what, detail.c_str());
    std::abort();
}

// Whether a caption shows a number that is not one.
inline bool showsNonsense(const std::string &caption)
{
    std::string lower;
    for (const char c : caption)
        lower += char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

} // namespace fuzz
