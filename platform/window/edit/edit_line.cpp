#include "platform/window/edit/edit_line.h"

#include <algorithm>

namespace platform::window {

namespace {

bool printable(char character)
{
    const auto code = static_cast<unsigned char>(character);
    // Below 0x20, DEL and 0x80..0x9F are control characters in ISO 8859-1.
    return code >= 0x20 && code != 0x7F && (code < 0x80 || code >= 0xA0);
}

} // namespace

void EditLine::select(std::ptrdiff_t start, std::ptrdiff_t end, const std::string& text)
{
    if (start < 0) {
        anchor_ = caret_ = std::min(caret_, text.size());
        return;
    }
    const auto clampToText = [&](std::ptrdiff_t position) {
        return position < 0 ? text.size() : std::min(static_cast<std::size_t>(position), text.size());
    };
    anchor_ = clampToText(start);
    caret_ = clampToText(end);
}

bool EditLine::type(std::string& text, char character)
{
    keepWithin(text);
    if (!printable(character))
        return false;
    if (text.size() - (selectionEnd() - selectionStart()) >= limit_)
        return false;
    eraseSelection(text);
    text.insert(caret_, 1, character);
    anchor_ = ++caret_;
    return true;
}

bool EditLine::eraseBackward(std::string& text)
{
    keepWithin(text);
    if (!hasSelection()) {
        if (caret_ == 0)
            return false;
        anchor_ = caret_ - 1;
    }
    eraseSelection(text);
    return true;
}

bool EditLine::eraseForward(std::string& text)
{
    keepWithin(text);
    if (!hasSelection()) {
        if (caret_ >= text.size())
            return false;
        anchor_ = caret_ + 1;
    }
    eraseSelection(text);
    return true;
}

void EditLine::moveLeft()
{
    caret_ = hasSelection() ? selectionStart() : caret_ - (caret_ > 0 ? 1 : 0);
    anchor_ = caret_;
}

void EditLine::moveRight(const std::string& text)
{
    keepWithin(text);
    caret_ = hasSelection() ? selectionEnd() : std::min(caret_ + 1, text.size());
    anchor_ = caret_;
}

void EditLine::placeCaret(std::size_t position, const std::string& text)
{
    anchor_ = caret_ = std::min(position, text.size());
}

void EditLine::keepWithin(const std::string& text)
{
    anchor_ = std::min(anchor_, text.size());
    caret_ = std::min(caret_, text.size());
}

void EditLine::eraseSelection(std::string& text)
{
    const std::size_t start = selectionStart();
    text.erase(start, selectionEnd() - start);
    anchor_ = caret_ = start;
}

} // namespace platform::window
