#include "tools/resgen/FileFormats.h"

#include "tools/resgen/Palette.h"

#include <fstream>
#include <stdexcept>

namespace ResGen {

namespace {

void Put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(Bytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutText(Bytes& out, const char* fourCc) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(fourCc[i]));
    }
}

void PutPixel(Bytes& out, Rgba c, bool withAlpha) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    if (withAlpha) {
        out.push_back(c.a);
    }
}

int RowBytes(int width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER; `height` is the stored height (doubled for icons).
void PutInfoHeader(Bytes& out, int width, int height, int bitsPerPixel, int imageBytes, int colors) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<std::uint32_t>(imageBytes));
    Put32(out, colors > 0 ? 2835 : 0);  // 72 dots per inch for bitmaps, none for icons
    Put32(out, colors > 0 ? 2835 : 0);
    Put32(out, static_cast<std::uint32_t>(colors));
    Put32(out, 0);
}

// BITMAPFILEHEADER followed by the info header.
Bytes StartBmp(const Canvas& picture, int bitsPerPixel, int colors) {
    const int imageBytes = RowBytes(picture.Width(), bitsPerPixel) * picture.Height();
    const int offset = 14 + 40 + 4 * colors;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<std::uint32_t>(offset + imageBytes));
    Put32(out, 0);
    Put32(out, static_cast<std::uint32_t>(offset));
    PutInfoHeader(out, picture.Width(), picture.Height(), bitsPerPixel, imageBytes, colors);
    return out;
}

void PadRow(Bytes& out, std::size_t rowStart, int rowBytes) {
    out.resize(rowStart + static_cast<std::size_t>(rowBytes), 0);
}

}  // namespace

Bytes EncodeBmp4(const Canvas& picture) {
    Bytes out = StartBmp(picture, 4, 16);
    for (std::uint32_t rgb : Pal::kColors) {
        Put32(out, rgb);  // blue, green, red, reserved: the 0xRRGGBB value little-endian
    }
    const int rowBytes = RowBytes(picture.Width(), 4);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < picture.Width(); x += 2) {
            const int high = NearestPaletteIndex(picture.At(x, y));
            const int low = x + 1 < picture.Width() ? NearestPaletteIndex(picture.At(x + 1, y)) : 0;
            out.push_back(static_cast<std::uint8_t>(high << 4 | low));
        }
        PadRow(out, rowStart, rowBytes);
    }
    return out;
}

Bytes EncodeBmp24(const Canvas& picture) {
    Bytes out = StartBmp(picture, 24, 0);
    const int rowBytes = RowBytes(picture.Width(), 24);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < picture.Width(); ++x) {
            PutPixel(out, picture.At(x, y), false);
        }
        PadRow(out, rowStart, rowBytes);
    }
    return out;
}

namespace {

Bytes IconImage(const Canvas& picture) {
    const int w = picture.Width(), h = picture.Height();
    const int maskRow = RowBytes(w, 1);
    Bytes out;
    PutInfoHeader(out, w, 2 * h, 32, (4 * w + maskRow) * h, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            PutPixel(out, picture.At(x, y), true);
        }
    }
    // The mask marks fully transparent pixels, for readers that ignore alpha.
    for (int y = h - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        out.resize(rowStart + static_cast<std::size_t>(maskRow), 0);
        for (int x = 0; x < w; ++x) {
            if (picture.At(x, y).a == 0) {
                out[rowStart + static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return out;
}

}  // namespace

Bytes EncodeIco(const std::vector<Canvas>& pictures) {
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(pictures.size()));
    std::vector<Bytes> images;
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * pictures.size());
    for (const Canvas& picture : pictures) {
        images.push_back(IconImage(picture));
        out.push_back(static_cast<std::uint8_t>(picture.Width() % 256));
        out.push_back(static_cast<std::uint8_t>(picture.Height() % 256));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images.back().size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images.back().size());
    }
    for (const Bytes& image : images) {
        for (std::uint8_t byte : image) {
            out.push_back(byte);
        }
    }
    return out;
}

Bytes EncodeWav(int channels, int sampleRate, const std::vector<std::int16_t>& samples) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(2 * samples.size());
    Bytes out;
    PutText(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutText(out, "WAVE");
    PutText(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, static_cast<std::uint32_t>(channels));
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate * channels * 2));
    Put16(out, static_cast<std::uint32_t>(channels * 2));
    Put16(out, 16);
    PutText(out, "data");
    Put32(out, dataBytes);
    for (std::int16_t s : samples) {
        Put16(out, static_cast<std::uint16_t>(s));
    }
    return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace ResGen
