// Feeds arbitrary bytes to the view description reader: the first byte is the record's length, the
// rest its text, held in a buffer of exactly that many bytes so the sanitizers catch any read past
// the text. The test keyword map's creators and the view tests' string list stand in for the plug-in's
// own, and whatever the text, the parse answers without throwing; a good one has the description's shape.

#include "fuzz/view_neighbours.h"
#include "hostframework/views/custom_view.h"
#include "hostframework/views/dial_control_editor.h"
#include "hostframework/views/item_list_view.h"
#include "hostframework/views/keyword_map.h"
#include "hostframework/views/mac_control_view.h"
#include "hostframework/views/picture_view.h"
#include "hostframework/views/plugin_view.h"
#include "hostframework/views/process_control_view.h"
#include "hostframework/views/radio_group_control_editor.h"
#include "hostframework/views/scroll_control_view.h"
#include "hostframework/views/slider_control_editor.h"
#include "hostframework/views/static_text_view.h"
#include "hostframework/views/text_control_editor.h"
#include "hostframework/views/text_popup_control_editor.h"
#include "hostframework/views/view_popup_control_editor.h"
#include "hostframework/views/view_description.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {


CCustomView* makeNothing()
{
    return nullptr;
}

void checkCells(const SValueCell* cells)
{
    for (const SValueCell* cell = cells; cell != nullptr; cell = cell->next) {
        check(cell->kind >= kViewMarkerKind && cell->kind <= kListKind && cell->kind != kFunctionKind);
        if (cell->kind == kListKind)
            checkCells(cell->List());
        if (cell->kind == kStringKind)
            check(cell->String() != nullptr);
    }
}

} // namespace

// The reader's neighbours, reduced to what it asks of them.
std::int16_t CPlugInView::UsePlugInResFile()
{
    ++resFileNesting;
    return 0;
}

void CPlugInView::RestoreResFile(std::int16_t)
{
    --resFileNesting;
}

// The keyword map's creators are only named, never called: reading makes no view.
CCustomView* NewCustomView()
{
    return nullptr;
}

CCustomView* NewProcessControlView()
{
    return nullptr;
}

CCustomView* NewScrollControlView()
{
    return nullptr;
}

CCustomView* NewSliderControlEditor()
{
    return nullptr;
}

CCustomView* NewDialControlEditor()
{
    return nullptr;
}

CCustomView* NewRadioGroupControlEditor()
{
    return nullptr;
}

CCustomView* NewTextControlEditor()
{
    return nullptr;
}

CCustomView* NewTextPopupControlEditor()
{
    return nullptr;
}

CCustomView* NewViewPopupControlEditor()
{
    return nullptr;
}

CCustomView* NewItemListView()
{
    return nullptr;
}

CCustomView* NewButtonView()
{
    return nullptr;
}

CCustomView* NewCheckBoxView()
{
    return nullptr;
}

CCustomView* NewRadioButtonView()
{
    return nullptr;
}

CCustomView* NewStaticTextView()
{
    return nullptr;
}

CCustomView* NewPictureView()
{
    return nullptr;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool registered = [] {
        registerViewCreator("NoUIView", &makeNothing);
        registerViewCreator("Background", &makeNothing);
        return true;
    }();
    (void)registered;
    if (size == 0)
        return 0;
    const std::size_t length = std::min<std::size_t>(data[0], size - 1);
    // The record's text stands at its end, so its last byte is the buffer's last.
    const std::size_t textOffset = offsetof(SViewRecord, text);
    auto bytes = std::make_unique<std::uint8_t[]>(textOffset + length);
    auto* record = reinterpret_cast<SViewRecord*>(bytes.get());
    record->length = static_cast<std::uint8_t>(length);
    std::memcpy(bytes.get() + textOffset, data + 1, length);
    SParseState state(record);
    if (ParseDescription(state)) {
        check(state.result->kind == kViewMarkerKind && state.result->next->kind == kCreatorKind);
        checkCells(state.result);
    }
    check(resFileNesting == 0);
    return 0;
}
