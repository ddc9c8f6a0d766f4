#pragma once

class QKeyEvent;

// The hardware scan code of a key event in the numbering of a PC keyboard's
// set 1 (F 33, D 32, S 31, J 36, K 37, L 38, A 30, Ö 39), whatever layout is
// set; -1 when the event carries none.
int HardwareScanCode(const QKeyEvent *Event);
