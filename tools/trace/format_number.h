// Numbers of the frame trace: a float written exactly as C's "%.9g" writes it
// after promotion to double, but without going through printf.
#pragma once

// Longest result: sign, nine digits, point, "e-45".
inline constexpr int kMaxNumberLength = 16;

// Writes the number at out (no terminating zero) and returns the end.
char* formatNumber(float value, char* out);
