// The menu's "exp": the current tone written to a 24-bit mono WAV file
// instead of being played.
#ifndef KORVANE_APP_EXPORT_H_
#define KORVANE_APP_EXPORT_H_

#include "app/tuner_state.h"

// Writes the tone of the current settings to state.exportPath: the same
// samples that playing it would send. A tone that cannot be counted, held in
// memory or described by a WAV header is refused with a line on standard
// error before the file is touched. Nothing confirms success.
void ExportTone(TunerState& state);

#endif  // KORVANE_APP_EXPORT_H_
