#include "engine/engine.h"

// The sample layer of a synthesised voice plays the built-in drum samples of
// the sample models. Until the built-in samples are embedded, a sample model
// starts nothing and its voice ends at its first sample.
void Engine::startFactorySample(int voice, int slot, int sample)
{
    (void)voice;
    (void)slot;
    (void)sample;
}

bool Engine::renderSampleLayer(int voice, int slot)
{
    (void)voice;
    (void)slot;
    return false;
}
