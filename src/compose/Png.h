#pragma once

#include <filesystem>
#include <string>

#include "compose/Picture.h"

namespace ledfont::compose {

// Whether this build writes PNG files: libpng is optional, and a build without it says so instead.
bool pngAvailable();

// The PNG file of `image`, 8-bit RGB. Throws Error(DeviceIOError) when libpng fails, or when this build has
// no PNG output.
std::string encodePng(const Image& image);

// encodePng written the way every output is, atomically (see writeFileAtomically).
void writePngFile(const Image& image, const std::filesystem::path& target);

}  // namespace ledfont::compose
