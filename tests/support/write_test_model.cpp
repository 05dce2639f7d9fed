// Writes a test model to the path given: the tiny model with two skin families, whose picture the
// smoke runs of the Windows and Linux archives save from the model viewer.
#include "model_writer.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const auto bytes = model_writer::write_model(model_writer::two_skin_model()).main;
    std::FILE* file = std::fopen(argv[1], "wb");
    const bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return file && std::fclose(file) == 0 && written ? 0 : 1;
}
