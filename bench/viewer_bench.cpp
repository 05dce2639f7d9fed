// Times the model viewer on the large test model against its goals: opening the model (reading
// and posing it), drawing one 800 × 600 frame, playing a sequence (posing, drawing and rendering
// each frame), the window's start to its first picture, and the bounds of a whole sequence that
// frame the view when a sequence is chosen, on a model of 10,000 triangles. Medians of several
// runs after a warm-up, then the peak memory of the whole run.

#include "large_model.h"
#include "model/studio_model.h"
#include "model_writer.h"
#include "quiet_size_hints.h"
#include "render/camera.h"
#include "render/scene_renderer.h"
#include "viewer/viewer_window.h"

#include <QApplication>
#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int timed_runs = 7; // after one warm-up run
constexpr int frames_per_run = 120;
constexpr int width = 800;
constexpr int height = 600;

double median_ms(int runs, const std::function<void()>& work) {
    work();
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

bool failed = false;

void row(const char* measure, double value, const char* unit, bool at_most, double goal) {
    const bool met = at_most ? value <= goal : value >= goal;
    failed = failed || !met;
    std::printf("%-52s %10.2f %-4s %s %6.0f %-4s %s\n", measure, value, unit,
                at_most ? "<=" : ">=", goal, unit, met ? "met" : "MISSED");
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quiet_size_hints);
    QApplication application(argc, argv);
    const fs::path folder =
        fs::temp_directory_path() / ("tessary viewer bench " + std::to_string(getpid()));
    fs::create_directories(folder);
    const auto files = model_writer::write_model(large_model());
    const fs::path path = folder / "large.mdl";
    write_file(path, files.main);

    const double open_ms = median_ms(timed_runs, [&] {
        auto loaded = model::load_model(path.string());
        if (!loaded || loaded->draw({}).meshes.empty())
            failed = true;
    });

    auto loaded = model::load_model(path.string());
    if (!loaded) {
        std::fprintf(stderr, "the large model could not be read\n");
        return 1;
    }
    const auto& model = *loaded;
    const auto reference = model.draw({});
    std::size_t reference_triangles = 0;
    for (const auto& mesh : reference.meshes)
        reference_triangles += mesh.triangles.size();
    render::Camera camera;
    camera.frame(reference.min, reference.max, static_cast<float>(width) / height);
    const auto ground = render::ground_under(reference.min, reference.max);
    render::SceneRenderer renderer;
    renderer.set_textures(model.textures());
    const render::ViewOptions options;
    render::Image image;
    image.resize(width, height);

    const double frame_ms = median_ms(
        timed_runs * 5, [&] { renderer.render(reference, camera, options, ground, image); });

    const double play_ms = median_ms(timed_runs, [&] {
        model::Pose pose;
        pose.sequence = 0;
        for (int frame = 0; frame < frames_per_run; ++frame) {
            pose.frame = model.frame_at(0, frame / 60.0);
            renderer.render(model.draw(pose), camera, options, ground, image);
        }
    });

    const QString window_path = QString::fromStdString(path.string());
    const double window_ms = median_ms(timed_runs, [&] {
        viewer::ViewerWindow window(window_path);
        window.resize(width + 340, height);
        window.show();
        if (window.picture().isNull())
            failed = true;
    });

    // The tube with 125 corners a ring has 80 × 125 triangles.
    const auto framed = model::read_model(model_writer::write_model(large_model(125, 60)).main, {});
    if (!framed) {
        std::fprintf(stderr, "the model of 10,000 triangles could not be read\n");
        return 1;
    }
    const double bounds_ms = median_ms(timed_runs, [&] {
        if (!framed->bounds({0}))
            failed = true;
    });

    fs::remove_all(folder);

    std::printf("Model viewer on the large test model (%zu triangles), medians of %d runs\n",
                reference_triangles, timed_runs);
    row("open: read and pose the model", open_ms, "ms", true, 30);
    row("draw one 800 x 600 frame", frame_ms, "ms", true, 8);
    row("play a sequence: pose, draw, render", frames_per_run * 1000.0 / play_ms, "fps", false,
        120);
    row("window started to its first picture", window_ms, "ms", true, 200);
    row("bounds of a sequence: 10,000 triangles, 60 frames", bounds_ms, "ms", true, 50);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%-52s %10.1f MB\n", "peak memory", static_cast<double>(usage.ru_maxrss) / 1024);
    return failed ? 1 : 0;
}
