#include "plugin/samples/layer_samples.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#endif

namespace {

std::unique_ptr<SampleBuffer> placeholder()
{
    auto buffer = std::make_unique<SampleBuffer>();
    buffer->reset();
    return buffer;
}

// Under the address sanitizer freed memory is poisoned: a read through a freed
// buffer aborts the test, and a free can be seen. Elsewhere only the reads run.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kFreesAreSeen = true;
bool isFreed(const SampleBuffer* buffer) { return __asan_address_is_poisoned(buffer) != 0; }
#else
constexpr bool kFreesAreSeen = false;
bool isFreed(const SampleBuffer*) { return false; }
#endif

float readThrough(const SampleBuffer& buffer)
{
    float left = 0.0f, right = 0.0f;
    buffer.readInterpolated(42.0f, left, right);
    return left + right;
}

TEST(LayerSamples, AReplacedBufferStaysReadableUntilTheAudioSideHasTakenTheNewOneAndIsFreedAfter)
{
    LayerSamples samples;
    const SampleBuffer* held = &samples.audioBuffer(5);
    auto fresh = placeholder();
    const SampleBuffer* freshBuffer = fresh.get();
    samples.replace(5, std::move(fresh));
    samples.replace(6, placeholder());
    EXPECT_EQ(&samples.buffer(5), freshBuffer);
    EXPECT_EQ(&samples.audioBuffer(5), held);
    EXPECT_EQ(readThrough(*held), 2e-15f);
    EXPECT_FALSE(isFreed(held));

    samples.takePublished();
    EXPECT_EQ(&samples.audioBuffer(5), freshBuffer);
    samples.replace(6, placeholder());
    EXPECT_EQ(isFreed(held), kFreesAreSeen);
    EXPECT_FALSE(isFreed(freshBuffer));
}

// Many loads with no block between them keep only what the audio side may read.
TEST(LayerSamples, ABufferTheAudioSideNeverTookIsFreedWhenItIsReplaced)
{
    LayerSamples samples;
    samples.takePublished();
    const SampleBuffer* held = &samples.audioBuffer(3);
    std::vector<const SampleBuffer*> loads;
    for (int i = 0; i < 30; ++i) {
        auto buffer = placeholder();
        loads.push_back(buffer.get());
        samples.replace(3, std::move(buffer));
    }
    for (std::size_t i = 0; i + 1 < loads.size(); ++i)
        EXPECT_EQ(isFreed(loads[i]), kFreesAreSeen) << i;
    EXPECT_FALSE(isFreed(loads.back()));
    EXPECT_FALSE(isFreed(held));
    EXPECT_EQ(readThrough(samples.audioBuffer(3)), 2e-15f);
}

// Meant for the sanitizer build: whatever the interleaving, no read reaches a freed buffer.
TEST(LayerSamples, TheAudioThreadNeverReadsAFreedBufferWhileTheEditorReplacesLayers)
{
    LayerSamples samples;
    std::atomic<bool> done{false};
    std::atomic<int> blocks{0};
    std::thread audio([&] {
        float sum = 0.0f;
        while (!done.load()) {
            samples.takePublished();
            for (int layer = 0; layer < LayerSamples::kLayers; ++layer)
                sum += readThrough(samples.audioBuffer(layer));
            ++blocks;
        }
        EXPECT_GT(sum, 0.0f);
    });
    for (int i = 0; i < 3000; ++i)
        samples.replace(i % LayerSamples::kLayers, placeholder());
    // On a loaded machine the reader may not have run yet; it must have read for the test to mean anything.
    while (blocks.load() < 2)
        std::this_thread::yield();
    done = true;
    audio.join();
}

} // namespace
