#pragma once

namespace kravo {

// True on a thread while it renders a block: parameter writes made there (by
// MIDI-learned controllers) must not read files or allocate.
inline thread_local bool renderingBlock = false;

class RenderingBlockScope {
public:
    RenderingBlockScope() { renderingBlock = true; }
    ~RenderingBlockScope() { renderingBlock = false; }
    RenderingBlockScope(const RenderingBlockScope&) = delete;
    RenderingBlockScope& operator=(const RenderingBlockScope&) = delete;
};

} // namespace kravo
