#include "render/model_picture.h"

#include "platform/names.h"
#include "render/camera.h"
#include "render/scene_renderer.h"

namespace render {

namespace {

// Drawn at twice the size and averaged down, so that the edges come out smooth.
constexpr int supersampling = 2;

// Four colours averaged channel by channel, red and blue added side by side in one word: four
// bytes' sums fit in the ten bits each has before the next.
Colour average(Colour a, Colour b, Colour c, Colour d) {
    constexpr std::uint32_t red_blue = 0xFF00FF, green = 0x00FF00;
    const std::uint32_t sum_red_blue =
        (a & red_blue) + (b & red_blue) + (c & red_blue) + (d & red_blue);
    const std::uint32_t sum_green = (a & green) + (b & green) + (c & green) + (d & green);
    return 0xFF000000u | (sum_red_blue >> 2 & red_blue) | (sum_green >> 2 & green);
}

Image scaled_down(const Image& large, int size) {
    static_assert(supersampling == 2, "four pixels of the large image make one");
    Image small;
    small.resize(size, size);
    for (int y = 0; y < size; ++y) {
        const Colour* top = large.pixels.data() + static_cast<std::size_t>(2 * y) * large.width;
        const Colour* bottom = top + large.width;
        Colour* row = small.pixels.data() + static_cast<std::size_t>(y) * size;
        for (int x = 0; x < size; ++x)
            row[x] = average(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1]);
    }
    return small;
}

} // namespace

bool seen_from_the_eye(std::string_view file_name) {
    return platform::same_name(file_name.substr(0, 2), "v_");
}

Image model_picture(const model::StudioModel& model, bool first_person, int size) {
    model::Pose pose;
    pose.sequence = model.sequences().empty() ? -1 : 0;
    pose.body_choices.assign(model.body_parts().size(), 0);
    const auto box = model.bounds(pose);
    if (!box || size <= 0)
        return {};
    Camera camera;
    if (first_person)
        camera.look_from_origin();
    else
        camera.frame(box->min, box->max, 1);
    SceneRenderer renderer;
    renderer.set_textures(model.textures());
    ViewOptions options;
    options.ground = false;
    Image large;
    large.resize(size * supersampling, size * supersampling);
    renderer.render(model.draw(pose), camera, options, ground_under(box->min, box->max), large);
    return scaled_down(large, size);
}

} // namespace render
