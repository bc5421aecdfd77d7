// The process's peak resident memory so far, for the soak figures.
#pragma once

// VmHWM of /proc/self/status in kilobytes, or -1 where it cannot be read.
long peakResidentKb();
