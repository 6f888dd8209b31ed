#pragma once

// For tests of processes made without the library being opened: no resource file is there for a
// process's default dialog view, so host views are suppressed while the guard lives, as the group's
// no-views flag suppresses them.

#include "hostframework/process_group.h"

namespace kravo::test {

class SuppressedHostViews {
public:
    SuppressedHostViews() { CProcessGroup::SetHostViewsDisabled(true); }
    ~SuppressedHostViews() { CProcessGroup::SetHostViewsDisabled(false); }
    SuppressedHostViews(const SuppressedHostViews&) = delete;
    SuppressedHostViews& operator=(const SuppressedHostViews&) = delete;
};

} // namespace kravo::test
