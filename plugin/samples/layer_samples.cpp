#include "plugin/samples/layer_samples.h"

#include <algorithm>
#include <cassert>

LayerSamples::LayerSamples()
{
    for (int layer = 0; layer < kBuffers; ++layer) {
        auto placeholder = std::make_unique<SampleBuffer>();
        placeholder->reset();
        published[static_cast<std::size_t>(layer)].store(placeholder.get());
        playing[static_cast<std::size_t>(layer)].store(placeholder.release());
    }
}

LayerSamples::~LayerSamples()
{
    for (auto& buffer : published)
        delete buffer.load();
}

void LayerSamples::replace(int layer, std::unique_ptr<SampleBuffer> buffer)
{
    // The audio thread reads whatever is published, so there is always a buffer.
    assert(layer >= 0 && layer < kBuffers && buffer != nullptr);
    SampleBuffer* old = published[static_cast<std::size_t>(layer)].exchange(buffer.release());
    const std::uint64_t count = publishCount.fetch_add(1, std::memory_order_acq_rel) + 1;
    // Loads with no block between them would otherwise pile up every buffer read.
    if (audioMayHold(layer, old))
        retired.push_back({std::unique_ptr<SampleBuffer>(old), count});
    else
        delete old;
    freeRetired();
}

// After the exchange in replace: a take under way may have loaded the old
// buffer, and a finished one holds it only when it is what it plays.
bool LayerSamples::audioMayHold(int layer, const SampleBuffer* buffer) const
{
    return taking.load() || playing[static_cast<std::size_t>(layer)].load() == buffer;
}

void LayerSamples::freeRetired()
{
    const std::uint64_t taken = takenCount.load(std::memory_order_acquire);
    std::erase_if(retired, [taken](const Retired& r) { return r.publishedAt <= taken; });
}
