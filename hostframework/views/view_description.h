#pragma once

// A view description: "!" then a view creator's name, then a list of argument groups, each a list,
// which the new view reads itself, as in "!NoUIView[('NoID')]".

#include "hostframework/views/value_cell.h"
#include "hostframework/views/view_record.h"

struct SParseState {
    explicit SParseState(const SViewRecord* record) : record(record) {}
    SParseState(const SParseState&) = delete;
    SParseState& operator=(const SParseState&) = delete;

    const SViewRecord* record;
    // After a good parse: the view marker, the creator and the list of argument groups.
    SValueCell* result = nullptr;
    // The argument groups the view has not read yet: each class takes its own and moves this on.
    SValueCell* groups = nullptr;
    CCellArena arena;

    // The next argument group, the state moved past it; -7053 when the description has no more.
    const SValueCell* TakeGroup();
};

// Reads the record's text, calls its built-in functions and checks its shape. False when the text
// is no description, whatever went wrong on the way; nothing is thrown.
bool ParseDescription(SParseState& state);
