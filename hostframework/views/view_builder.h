#pragma once

// Turns a view record into a view: its text names the view's class and holds the arguments the view
// reads itself; the record gives the frame and whether the view starts enabled. The caller adds the
// view to its parent.

#include "hostframework/views/view_record.h"

class CCustomView;

// The type byte's bit that builds the view disabled.
inline constexpr std::uint8_t kDisabledViewType = 0x80;

// Null, with isDescription false, when the text is no description or the view cannot read it; -7053
// for a null record, a null creator or a creator that makes no view.
CCustomView* BuildViewFromRecord(const SViewRecord* record, bool* isDescription);
