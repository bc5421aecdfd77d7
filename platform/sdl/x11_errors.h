// X errors that are harmless races of SDL's own, kept from ending the program.
#pragma once

// Call before SDL opens its video: SDL's own handler then passes errors on to
// this one and puts it back when the video closes.
void tolerateLateWakeUps();
