#pragma once

// Reading the plug-in's own number files byte by byte, with white space as the C locale knows it.

#include <cstdio>

namespace kravo {

inline bool isWhiteSpace(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The next byte that is not white space, or EOF.
inline int skipWhiteSpace(std::FILE* file)
{
    int c = std::fgetc(file);
    while (isWhiteSpace(c))
        c = std::fgetc(file);
    return c;
}

} // namespace kravo
