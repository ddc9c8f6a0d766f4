#pragma once

// Process-wide settings the core reads. The settings file reader fills them;
// until it has run they hold their defaults.

// Cells of the learner's braille line (20 to 80): no exercise line is longer.
extern int BrailleChars;
