#include "hostlibs/extension/text_edit_record.h"

#include "hostlibs/extension/host_extension.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

using hostext::graphics;

constexpr std::size_t kLongestText = 32767;
constexpr std::uint32_t kCaretTicks = 500;
constexpr std::uint32_t kDoubleClickTicks = 500;
constexpr int kDoubleClickSlop = 2;
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kLeftArrow = 28;
constexpr std::int16_t kRightArrow = 29;
constexpr std::int16_t kDelete = 0x7F;

bool isPrintable(std::int16_t character)
{
    return character >= 0x20 && character <= 0xFF && character != kDelete;
}

// Letters and digits; bytes above 0x7F are taken as the letters of ISO 8859-1.
bool isWordCharacter(char character)
{
    const auto byte = static_cast<unsigned char>(character);
    return byte >= 0x80 || std::isalnum(byte) != 0;
}

void drawWhole(HostTextEditRecord& record)
{
    hostext::drawTextEdit(record, hostext::toRect(record.rect));
}

// The caret shows at once after every change, and blinks from then on.
void restartCaret(HostTextEditRecord& record)
{
    record.caretShown = true;
    record.caretSince = HostExtTickCount();
}

// Changes the selection with the highlight taken off before and put back after.
void select(HostTextEditRecord& record, std::size_t start, std::size_t end)
{
    hostext::invertHighlight(record);
    record.selectionStart = start;
    record.selectionEnd = end;
    restartCaret(record);
    hostext::invertHighlight(record);
}

std::size_t held(const HostTextEditRecord& record, std::int32_t offset)
{
    return static_cast<std::size_t>(std::clamp<std::int32_t>(offset, 0, static_cast<std::int32_t>(record.text.size())));
}

bool editText(HostTextEditRecord& record, std::int16_t character)
{
    std::string& text = record.text;
    const std::size_t start = record.selectionStart;
    const std::size_t end = record.selectionEnd;
    std::size_t caret = start;
    if (isPrintable(character)) {
        if (text.size() - (end - start) >= kLongestText)
            return false;
        text.replace(start, end - start, 1, static_cast<char>(character));
        caret = start + 1;
    } else if (character == kBackspace) {
        if (start == end && start > 0)
            caret = start - 1;
        text.erase(caret, end - caret);
    } else if (character == kLeftArrow) {
        caret = start == end && start > 0 ? start - 1 : start;
    } else if (character == kRightArrow) {
        caret = start == end && end < text.size() ? end + 1 : end;
    } else {
        return false;
    }
    record.selectionStart = record.selectionEnd = record.anchor = caret;
    return true;
}

bool isDoubleClick(const HostTextEditRecord& record, HostPoint point, std::uint32_t now)
{
    return record.clicked && now - record.clickTime < kDoubleClickTicks &&
        std::abs(point.h - record.clickPoint.h) <= kDoubleClickSlop &&
        std::abs(point.v - record.clickPoint.v) <= kDoubleClickSlop;
}

} // namespace

extern "C" {

HostTextEdit HostExtNewTextEdit(const HostRect* rect)
{
    HostPort port = graphics().current;
    if (port == nullptr || rect == nullptr)
        return nullptr;
    auto* record = new HostTextEditRecord{port, *rect, port->text, {}};
    graphics().textEdits.push_back(record);
    return record;
}

void HostExtDisposeTextEdit(HostTextEdit record)
{
    auto& records = graphics().textEdits;
    const auto found = std::find(records.begin(), records.end(), record);
    if (found == records.end())
        return;
    records.erase(found);
    delete record;
}

void HostExtSetTextEditText(HostTextEdit record, const char* text, std::int32_t length)
{
    if (record == nullptr)
        return;
    const std::size_t count = text != nullptr && length > 0 ? std::min<std::size_t>(length, kLongestText) : 0;
    record->text.assign(text != nullptr ? text : "", count);
    record->selectionStart = record->selectionEnd = record->anchor = record->text.size();
}

std::int32_t HostExtGetTextEditText(HostTextEdit record, char* out, std::int32_t capacity)
{
    if (record == nullptr)
        return 0;
    if (out != nullptr && capacity > 0)
        record->text.copy(out, std::min(record->text.size(), static_cast<std::size_t>(capacity)));
    return static_cast<std::int32_t>(record->text.size());
}

void HostExtSetTextEditSelection(HostTextEdit record, std::int32_t start, std::int32_t end)
{
    if (record == nullptr)
        return;
    const std::size_t from = held(*record, std::min(start, end));
    select(*record, from, held(*record, std::max(start, end)));
    record->anchor = from;
}

void HostExtSelectAllTextEdit(HostTextEdit record)
{
    if (record != nullptr)
        HostExtSetTextEditSelection(record, 0, static_cast<std::int32_t>(record->text.size()));
}

void HostExtSetTextEditAlignment(HostTextEdit record, std::int16_t alignment)
{
    if (record != nullptr)
        record->alignment = alignment;
}

void HostExtTextEditKey(HostTextEdit record, std::int16_t character)
{
    if (record == nullptr || !editText(*record, character))
        return;
    restartCaret(*record);
    drawWhole(*record);
}

void HostExtTextEditClick(HostTextEdit record, HostPoint point, bool extend)
{
    if (record == nullptr)
        return;
    const std::size_t offset = hostext::offsetAt(*record, point);
    const std::uint32_t now = HostExtTickCount();
    if (extend) {
        select(*record, std::min(record->anchor, offset), std::max(record->anchor, offset));
        return;
    }
    if (isDoubleClick(*record, point, now)) {
        record->clicked = false;
        std::size_t start = offset;
        std::size_t end = offset;
        while (start > 0 && isWordCharacter(record->text[start - 1]))
            --start;
        while (end < record->text.size() && isWordCharacter(record->text[end]))
            ++end;
        select(*record, start, end);
        record->anchor = start;
        return;
    }
    record->clicked = true;
    record->clickTime = now;
    record->clickPoint = point;
    select(*record, offset, offset);
    record->anchor = offset;
}

void HostExtTextEditIdle(HostTextEdit record)
{
    if (record == nullptr || !record->active || record->selectionStart != record->selectionEnd)
        return;
    const std::uint32_t now = HostExtTickCount();
    if (now - record->caretSince < kCaretTicks)
        return;
    hostext::invertHighlight(*record);
    record->caretShown = !record->caretShown;
    record->caretSince = now;
    hostext::invertHighlight(*record);
}

void HostExtActivateTextEdit(HostTextEdit record)
{
    if (record == nullptr || record->active)
        return;
    record->active = true;
    restartCaret(*record);
    hostext::invertHighlight(*record);
}

void HostExtDeactivateTextEdit(HostTextEdit record)
{
    if (record == nullptr || !record->active)
        return;
    hostext::invertHighlight(*record);
    record->active = false;
}

void HostExtDrawTextEdit(HostTextEdit record, const HostRect* within)
{
    if (record != nullptr && within != nullptr)
        hostext::drawTextEdit(*record, hostext::toRect(*within));
}

} // extern "C"

namespace hostext {

void forgetPortOfTextEdits(HostPort port)
{
    for (HostTextEdit record : graphics().textEdits)
        if (record->port == port)
            record->port = nullptr;
}

TextEditSelection textEditSelection(HostTextEdit record)
{
    if (record == nullptr)
        return {0, 0, false};
    return {static_cast<std::int32_t>(record->selectionStart), static_cast<std::int32_t>(record->selectionEnd),
        record->active && record->caretShown};
}

int liveTextEditCount()
{
    return static_cast<int>(graphics().textEdits.size());
}

} // namespace hostext
