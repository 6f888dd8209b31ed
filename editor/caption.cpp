#include "editor/caption.h"

#include "editor/ueditor.h"

namespace editor {

myLabel* makeCaption(uEditor& editor, const Caption& caption)
{
    myLabel* label = nullptr;
    switch (caption.align) {
    case CaptionAlign::left:
        editor.makeLabelLeft(label, caption.x, caption.y, caption.width, caption.text, kCaptionFont);
        break;
    case CaptionAlign::centred:
        editor.makeLabelCentred(label, caption.x, caption.y, caption.width, caption.text, kCaptionFont);
        break;
    case CaptionAlign::right:
        editor.makeLabelRight(label, caption.x, caption.y, caption.width, caption.text, kCaptionFont);
        break;
    }
    return label;
}

} // namespace editor
