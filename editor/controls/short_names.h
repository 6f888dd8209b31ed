#pragma once

// The short names that the model and modulation-source menus show of the plug-in's long names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The short name of the text for the menu of the tag: the one at the place of the last equal long name
// in the tag's list; none for a tag without a list or a text that is no name of it.
std::optional<std::string> shortMenuName(std::int32_t tag, std::string_view text);

} // namespace editor
