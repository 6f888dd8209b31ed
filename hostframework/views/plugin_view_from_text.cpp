#include "hostframework/views/plugin_view.h"

#include "hostframework/views/static_text_view.h"
#include "hostframework/views/view_builder.h"
#include "hostframework/views/view_record.h"

#include <algorithm>
#include <memory>
#include <new>

namespace {

constexpr std::uint8_t kTextItemType = 8;

} // namespace

void CPlugInView::SetSize(std::int16_t width, std::int16_t height)
{
    SetFrame({0, 0, height, width});
}

CPlugInView* CPlugInView::AddSubViewFromText(std::string_view text, std::int16_t h, std::int16_t v,
                                             std::int16_t width, std::int16_t height, bool enabled)
{
    if (text.size() > sizeof(SViewRecord::text))
        return nullptr;
    try {
        std::unique_ptr<SViewRecord> record(new SViewRecord{});
        record->frame = {v, h, static_cast<std::int16_t>(v + height), static_cast<std::int16_t>(h + width)};
        record->type = static_cast<std::uint8_t>(kTextItemType | (enabled ? 0 : kDisabledViewType));
        record->length = static_cast<std::uint8_t>(text.size());
        std::replace_copy(text.begin(), text.end(), record->text, '`', '"');
        bool isDescription = false;
        std::unique_ptr<CPlugInView> view(BuildViewFromRecord(record.get(), &isDescription));
        if (view == nullptr) {
            // A text that is no description is shown as it stands, where the description would have gone.
            auto staticText = std::make_unique<CStaticTextView>();
            staticText->SetEnabled(enabled);
            staticText->SetFrame(record->frame);
            staticText->ReadItemRecord(record.get());
            staticText->SetText(std::string_view(record->text, record->length));
            view = std::move(staticText);
        }
        AddSubView(view.get(), true);
        CPlugInView* added = view.release();
        added->Initialize();
        return added;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

bool CPlugInView::AddSubViewFromTextInset(std::string_view text, std::int16_t h, std::int16_t v,
                                          std::int16_t width, std::int16_t height, bool enabled)
{
    return AddSubViewFromText(text, h, v, static_cast<std::int16_t>(width - 1), static_cast<std::int16_t>(height - 1),
                              enabled) != nullptr;
}
