#include "hostframework/views/description_functions.h"

#include "hostframework/host_error.h"
#include "hostframework/module_version.h"
#include "hostframework/views/description_reader.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/plugin_view.h"
#include "hostlibs/extension/host_extension.h"

#include <cstring>
#include <string>

namespace {

// Two short of a length byte's reach, for the quotes it is read between.
constexpr std::uint8_t kLongestIndexedText = 253;

// Read between double quotes, so that the text's escapes apply and a double quote in it ends it.
SValueCell* ReadIndexedString(CCellArena& arena, std::int32_t listID, std::int32_t index)
{
    std::uint8_t text[256];
    const std::int16_t previous = CPlugInView::UsePlugInResFile();
    HostExtGetIndexedString(text, listID, index);
    CPlugInView::RestoreResFile(previous);
    ThrowIfFalse(text[0] <= kLongestIndexedText);
    char quoted[kLongestIndexedText + 2];
    quoted[0] = '"';
    std::memcpy(quoted + 1, text + 1, text[0]);
    quoted[text[0] + 1] = '"';
    CDescriptionReader reader(arena, quoted, text[0] + 2u);
    return reader.ReadString();
}

SValueCell* GetString(CCellArena& arena, const SValueCell* function)
{
    const SValueCell* arguments = function->next;
    ThrowIfFalse(arguments != nullptr && arguments->kind == kListKind);
    const SValueCell* listID = arguments->List();
    ThrowIfFalse(listID != nullptr && listID->kind == kIntegerKind);
    const SValueCell* index = listID->next;
    ThrowIfFalse(index != nullptr && index->kind == kIntegerKind);
    SValueCell* text = ReadIndexedString(arena, listID->Integer(), index->Integer());
    text->next = arguments->next;
    return text;
}

SValueCell* Version(CCellArena& arena, const SValueCell* function)
{
    const std::string version = GetModuleVersionText();
    const std::uint8_t* body = arena.NewString(reinterpret_cast<const std::uint8_t*>(version.data()),
                                               static_cast<std::uint8_t>(version.size()));
    SValueCell* text = arena.NewCell(kStringKind, reinterpret_cast<std::intptr_t>(body));
    text->next = function->next;
    return text;
}

// The cell that takes the place of the function and what it consumed, linked to what follows.
SValueCell* Call(CCellArena& arena, const SValueCell* function)
{
    switch (function->value) {
    case kGetStringFunction:
        return GetString(arena, function);
    case kShortVersionFunction:
    case kLongVersionFunction:
        return Version(arena, function);
    default:
        throw CHostError(kHostErrCheckFailed);
    }
}

} // namespace

void ReplaceFunctions(CCellArena& arena, SValueCell** list)
{
    for (SValueCell** link = list; *link != nullptr; link = &(*link)->next) {
        SValueCell* cell = *link;
        if (cell->kind == kListKind) {
            SValueCell* contents = cell->List();
            ReplaceFunctions(arena, &contents);
            cell->value = reinterpret_cast<std::intptr_t>(contents);
        } else if (cell->kind == kFunctionKind) {
            *link = Call(arena, cell);
        }
    }
}
