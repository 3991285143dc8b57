// Writes every picture and sound of the program into the folder named on the
// command line. The output depends on nothing but this code: two runs, on any
// machine, give the same bytes.
#include "tools/resgen/ArtPainter.h"
#include "tools/resgen/CardPainter.h"
#include "tools/resgen/FileFormats.h"
#include "tools/resgen/WaveSynth.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace ResGen;

namespace {

std::string CardFileName(int card) {
    char name[16];
    std::snprintf(name, sizeof name, "card%02d.bmp", card);
    return name;
}

void WriteAll(const std::string& folder) {
    WriteFile(folder + "/" + CardFileName(0), EncodeBmp4(CardPainter::Back()));
    for (int card = 1; card <= 40; ++card) {
        WriteFile(folder + "/" + CardFileName(card), EncodeBmp4(CardPainter::Face(card)));
    }
    WriteFile(folder + "/banner.bmp", EncodeBmp24(ArtPainter::Banner()));
    WriteFile(folder + "/about.bmp", EncodeBmp24(ArtPainter::About()));
    WriteFile(folder + "/lurna.ico", EncodeIco({ArtPainter::Icon(16), ArtPainter::Icon(32), ArtPainter::Icon(48)}));
    WriteFile(folder + "/click.wav", EncodeWav(1, 44100, WaveSynth::Click()));
    WriteFile(folder + "/fanfare.wav", EncodeWav(2, 48000, WaveSynth::Fanfare()));
    WriteFile(folder + "/lament.wav", EncodeWav(2, 48000, WaveSynth::Lament()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: resgen OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        WriteAll(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "resgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
