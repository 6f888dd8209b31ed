#pragma once

// The built-in functions of view descriptions, replaced by the strings they give once a text has
// been read: `getString` with its (list id, index) list becomes the indexed text of the plug-in's
// resource file, `shortVersion` and `longVersion` the module's version text.

#include "hostframework/views/value_cell.h"

// Replaces every function cell in the list and its sublists; fails with -7400 on a function it
// does not know or arguments it cannot use.
void ReplaceFunctions(CCellArena& arena, SValueCell** list);
