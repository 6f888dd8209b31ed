#pragma once

// Reads a view description's text into value cells: blanks and commas separate items, and the first
// character of an item decides what it is. A NUL ends the text as its length does. Malformed numbers,
// codes, strings and escapes fail with -7400; a full arena fails as the arena says.

#include "hostframework/views/value_cell.h"

#include <cstddef>

class CDescriptionReader {
public:
    CDescriptionReader(CCellArena& arena, const char* text, std::size_t length);

    // Reads items up to the closing character (0 for the end of the text), leaving the cursor on it.
    // False when the items stop anywhere else: an unknown name, a list that does not close, a
    // character that starts no item.
    bool ReadSequence(char closer, SValueCell** first);
    // The string whose opening double quote is at the cursor.
    SValueCell* ReadString();
    // Where reading stopped: on the item that stopped a sequence, or just past what a failure read.
    const char* Cursor() const { return cursor; }

private:
    char Peek() const { return cursor < end ? *cursor : '\0'; }
    void SkipBlanks();
    // Null when the item stops the sequence.
    SValueCell* ReadItem();
    SValueCell* ReadName();
    SValueCell* ReadNumber();
    SValueCell* ReadList();
    SValueCell* ReadCode();
    // One character of a code or string, its escape resolved.
    std::uint8_t ReadCharacter();

    CCellArena& arena;
    const char* cursor;
    const char* end;
};
