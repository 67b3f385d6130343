#pragma once

#include <QString>

// When enabled, starts playing the WAV file asynchronously and returns at once; a file that
// cannot be played gives the desktop's event sound instead. Without a sound device nothing is
// heard and nothing fails. Does nothing when not enabled.
void PlaySoundIfEnabled(const QString& wavFile, bool enabled);
