#pragma once

#include "plugin/parameters/param_text.h"

namespace kravo {

// Reference values per parameter, built once when the plug-in object is made.

// The default of every parameter: what "Set to Default", a voice's default drum preset and
// clearing a pattern go back to. The factory programs start from it.
void fillDefaultValues(ParameterSpan values);

// The neutral position of every parameter ("Set to Zero"): 0.5 for bipolar settings.
void fillZeroValues(ParameterSpan values);

// The copy of the defaults that clearing all patterns reads; unlike defaultValues it never
// follows the effect page's per-type defaults.
void fillPatternClearValues(ParameterSpan values);

} // namespace kravo
