#pragma once

// Asks the X server to report a held key as repeated presses with one
// release at the end, instead of release/press pairs that look like new
// chords. Does nothing on other platforms; returns whether it took.
bool EnableDetectableAutoRepeat();
