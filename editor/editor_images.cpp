#include "editor/editor_images.h"

#include <algorithm>

namespace editor {

namespace {

constexpr std::array<std::int32_t, kImageCount> imageIds()
{
    std::array<std::int32_t, kImageCount> ids{};
    std::size_t n = 0;
    const auto run = [&](std::int32_t first, std::int32_t last) {
        for (std::int32_t id = first; id <= last; ++id)
            ids[n++] = id;
    };
    run(10000, 10001);
    run(10008, 10008);
    run(10011, 10013);
    run(10015, 10016);
    run(10019, 10022);
    run(10026, 10028);
    run(10030, 10036);
    run(10038, 10038);
    run(10040, 10043);
    run(10045, 10047);
    run(10053, 10059);
    run(10063, 10065);
    run(10077, 10127);
    run(10140, 10141);
    run(10150, 10153);
    run(10160, 10161);
    run(10167, 10178);
    run(10180, 10183);
    run(10190, 10192);
    run(10201, 10201);
    run(10206, 10206);
    run(10210, 10233);
    run(10260, 10271);
    run(10300, 10307);
    return ids;
}

} // namespace

const std::array<std::int32_t, kImageCount> kImageIds = imageIds();

int imageSlot(std::int32_t id)
{
    const auto found = std::lower_bound(kImageIds.begin(), kImageIds.end(), id);
    return found != kImageIds.end() && *found == id ? static_cast<int>(found - kImageIds.begin()) : -1;
}

} // namespace editor
