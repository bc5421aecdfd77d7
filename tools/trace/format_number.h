// Numbers of the frame trace: a float written exactly as C's "%.9g" writes it
// after promotion to double, but without going through printf.
#pragma once

// Room to leave at out for one number: the result is at most 15 characters, and
// the writer uses a few more as scratch space.
inline constexpr int kNumberRoom = 24;

// Writes the number at out (no terminating zero) and returns the end.
char* formatNumber(float value, char* out);
