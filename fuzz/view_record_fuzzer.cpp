// Feeds arbitrary bytes to the view builder as a whole view record: the type byte, the frame's eight
// bytes, the length byte and the text, held in a buffer that ends with the text so the sanitizers catch
// any read past the record. "Background" builds the views' own class; "NoUIView" has a creator that
// makes no view. Whatever the record, the builder answers a view, null or -7053 for the null view, and
// a view it answers is whole and goes without a leak.

#include "fuzz/view_neighbours.h"
#include "hostframework/host_error.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/view_builder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

CCustomView* makeNothing()
{
    return nullptr;
}

} // namespace

// The builder's neighbours are the stand-ins beside this file: no resource file opens, so the shared
// patterns stay missing, and nothing lets a host run.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool registered = [] {
        registerViewCreator("NoUIView", &makeNothing);
        return true;
    }();
    (void)registered;
    constexpr std::size_t kHead = 10;
    if (size < kHead)
        return 0;
    const std::size_t length = std::min<std::size_t>(data[9], size - kHead);
    const std::size_t textOffset = offsetof(SViewRecord, text);
    auto bytes = std::make_unique<std::uint8_t[]>(textOffset + length);
    auto* record = reinterpret_cast<SViewRecord*>(bytes.get());
    record->type = data[0];
    std::memcpy(&record->frame, data + 1, sizeof record->frame);
    record->length = static_cast<std::uint8_t>(length);
    std::memcpy(bytes.get() + textOffset, data + kHead, length);
    bool isDescription = false;
    try {
        std::unique_ptr<CCustomView> view(BuildViewFromRecord(record, &isDescription));
        check((view != nullptr) == isDescription);
        if (view != nullptr) {
            check(view->IsEnabled() == ((record->type & kDisabledViewType) == 0));
            check(std::memcmp(&record->frame, data + 1, sizeof record->frame) == 0);
            HostColor colour{};
            view->GetBackColor(&colour);
            check(view->GetBackPattern() == nullptr);
        }
    } catch (const CHostError& error) {
        check(error.GetCode() == kHostErrNullValue);
    }
    check(resFileNesting == 0);
    return 0;
}
