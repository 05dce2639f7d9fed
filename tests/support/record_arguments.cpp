// A stand-in viewer: writes each argument it is given on a line of its own into the file named
// by TESSARY_ARGUMENTS_LOG.
#include <cstdlib>
#include <fstream>

int main(int argc, char* argv[]) {
    const char* log_path = std::getenv("TESSARY_ARGUMENTS_LOG");
    if (!log_path)
        return 1;
    std::ofstream log(log_path, std::ios::binary | std::ios::app);
    for (int i = 1; i < argc; ++i)
        log << argv[i] << '\n';
    return 0;
}
