#pragma once

// What the view fuzzers' stand-ins for the views' neighbours share (view_neighbours.cpp): the check that
// stops a run, and how many uses of the plug-in's resource file are open.

extern int resFileNesting;

// Aborts the run when the condition does not hold, so the fuzzer reports the input.
void check(bool condition);
