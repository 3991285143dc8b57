#pragma once

#include "tools/resgen/Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ResGen {

using Bytes = std::vector<std::uint8_t>;

// Uncompressed Windows bitmap, 4 bits per pixel, with the card palette.
Bytes EncodeBmp4(const Canvas& picture);
// Uncompressed Windows bitmap, 24 bits per pixel (alpha ignored).
Bytes EncodeBmp24(const Canvas& picture);
// Icon file holding each picture as a 32-bit image with its mask.
Bytes EncodeIco(const std::vector<Canvas>& pictures);
// RIFF WAVE file of 16-bit PCM; `samples` interleaves the channels.
Bytes EncodeWav(int channels, int sampleRate, const std::vector<std::int16_t>& samples);

void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace ResGen
