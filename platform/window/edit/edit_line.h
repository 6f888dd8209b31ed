#pragma once

// What typing and the editing keys do to one line of text and its selection. The selection runs from an
// anchor to the caret and is empty where they meet. The text itself is the window's: each call that may
// change it takes it.

#include <cstddef>
#include <string>

namespace platform::window {

class EditLine {
public:
    static constexpr std::size_t kDefaultLimit = 30000;

    std::size_t caret() const { return caret_; }
    std::size_t selectionStart() const { return caret_ < anchor_ ? caret_ : anchor_; }
    std::size_t selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    bool hasSelection() const { return anchor_ != caret_; }

    // From start to end, the caret at the end; positions past the text (or negative ends) mean its end.
    // A negative start takes the selection away and keeps the caret.
    void select(std::ptrdiff_t start, std::ptrdiff_t end, const std::string& text);
    // For a new text: the caret at its start, nothing selected.
    void reset() { anchor_ = caret_ = 0; }
    // 0 gives the default limit back.
    void setLimit(std::size_t limit) { limit_ = limit != 0 ? limit : kDefaultLimit; }

    // Replaces the selection with a printable character (ISO 8859-1) when the text stays within the
    // limit; control characters (Return, Escape, Tab, Backspace among them) are never inserted. Answers
    // whether the text changed.
    bool type(std::string& text, char character);
    // Backspace and Delete: the selection, else the character before or after the caret.
    bool eraseBackward(std::string& text);
    bool eraseForward(std::string& text);

    // Left and Right collapse a selection to its start or end, else step one character; Home and End go
    // to the ends of the text. Each leaves nothing selected.
    void moveLeft();
    void moveRight(const std::string& text);
    void moveHome() { anchor_ = caret_ = 0; }
    void moveEnd(const std::string& text) { anchor_ = caret_ = text.size(); }
    void placeCaret(std::size_t position, const std::string& text);

private:
    // The text may have been set past the edit's back (DefWindowProcA called directly).
    void keepWithin(const std::string& text);
    void eraseSelection(std::string& text);

    std::size_t anchor_ = 0;
    std::size_t caret_ = 0;
    std::size_t limit_ = kDefaultLimit;
};

} // namespace platform::window
