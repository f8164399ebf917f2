// The one engine variable the procedural generators' module reads
// (frameTime, owned by the scene module), for the fuzz target that links
// that module alone instead of the whole scene engine.
#include <cstdint>

uint32_t frameTime = 0;
