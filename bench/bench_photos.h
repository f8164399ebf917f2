// The family's photos benchmark (meadow_bench photos PHOTO): scan, switch
// and memory figures with the photo folder full.
#pragma once

#include <string>

// Run it; the process exit status.
int benchPhotos(const std::string& photo);
