#pragma once

// The file stores every resource big-endian; the host's resource layer hands the views' own kinds over
// in the machine's order, as it reads them: the item count, the frames and the resource-id words of an
// item list ('DITL'), a dialog's bounds and item list id ('DLOG'), an icon's size ('ICON') and a
// control resource's numbers ('ctrl'). Fields that would pass the end of the data are left as they are.

#include <cstdint>

namespace hostext {

void toNativeOrder(std::uint32_t type, std::uint8_t* data, std::int32_t size);

} // namespace hostext
