// Which containers and controls the frame holds for the selected voice and page mode.

#include "editor/ueditor.h"

#include "toolkit/frame.h"

namespace {

constexpr std::int32_t kFrameImage = 10000;

} // namespace

void uEditor::rebuildFrame()
{
    if (frame == nullptr)
        return;
    // The pages keep their own references: the views leave the frame without being released.
    frame->removeAll(false);
    frame->setBackground(image(kFrameImage));
    switchPage();
    refreshAll();
    frame->setDirty(true);
}
