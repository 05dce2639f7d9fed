// A stand-in viewer: writes each argument it is given on a line of its own into the file named
// by TESSARY_ARGUMENTS_LOG, then stays open for TESSARY_VIEWER_SECONDS, if set, as a user looks.
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

int main(int argc, char* argv[]) {
    const char* log_path = std::getenv("TESSARY_ARGUMENTS_LOG");
    if (!log_path)
        return 1;
    std::ofstream log(log_path, std::ios::binary | std::ios::app);
    for (int i = 1; i < argc; ++i)
        log << argv[i] << '\n';
    log.close();
    if (const char* seconds = std::getenv("TESSARY_VIEWER_SECONDS"))
        std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(seconds)));
    return 0;
}
