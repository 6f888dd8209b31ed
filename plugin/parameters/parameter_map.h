#pragma once

// Where every one of the 9900 parameters lies. Presets, patterns, programs, MIDI controller maps
// and host automation all address these indices, so they are a stored format: never move one.
// Per-voice tables are indexed by voice slot (pad order) whatever order the parameters are laid
// out in; look indices up here rather than computing them.
#include "plugin/parameters/drum_kind_parameters.h"
#include "plugin/parameters/effect_parameters.h"
#include "plugin/parameters/mixer_parameters.h"
#include "plugin/parameters/modulation_parameters.h"
#include "plugin/parameters/parameter_index_table.h"
#include "plugin/parameters/pattern_parameters.h"
#include "plugin/parameters/sample_slot_parameters.h"
#include "plugin/parameters/synth_layer_parameters.h"
#include "plugin/parameters/text_field_parameters.h"
#include "plugin/parameters/voice_order.h"
