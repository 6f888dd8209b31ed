#include "hostframework/views/view_description.h"

#include "hostframework/host_error.h"
#include "hostframework/views/description_functions.h"
#include "hostframework/views/description_reader.h"

namespace {

bool HasDescriptionShape(const SValueCell* cells)
{
    if (cells == nullptr || cells->kind != kViewMarkerKind)
        return false;
    const SValueCell* creator = cells->next;
    if (creator == nullptr || creator->kind != kCreatorKind)
        return false;
    const SValueCell* groups = creator->next;
    if (groups == nullptr || groups->kind != kListKind || groups->next != nullptr)
        return false;
    for (const SValueCell* group = groups->List(); group != nullptr; group = group->next)
        if (group->kind != kListKind)
            return false;
    return true;
}

} // namespace

const SValueCell* SParseState::TakeGroup()
{
    const SValueCell* group = groups;
    ThrowIfNull(group);
    groups = group->next;
    return group;
}

bool ParseDescription(SParseState& state)
{
    try {
        ThrowIfNull(state.record);
        CDescriptionReader reader(state.arena, state.record->text, state.record->length);
        SValueCell* cells = nullptr;
        if (!reader.ReadSequence('\0', &cells))
            return false;
        ReplaceFunctions(state.arena, &cells);
        if (!HasDescriptionShape(cells))
            return false;
        state.result = cells;
        state.groups = cells->next->next->List();
        return true;
    } catch (...) {
        return false;
    }
}
