#pragma once

namespace kalvora {

// Allocator settings for a process that loads the whole plan again every few seconds: the
// memory a load frees is kept for the next one instead of being handed back and faulted in
// anew (some 100 MB for a plan of 2.5 million entries). Call once, first thing in main.
void SpeicherFuerNeuladenEinrichten();

} // namespace kalvora
