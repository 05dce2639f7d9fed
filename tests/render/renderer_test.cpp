// The renderer on hand-made draw lists, and the playback of a written model's sequences.
#include "model_writer.h"
#include "render/model_picture.h"
#include "render/playback.h"
#include "render/scene_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>
#include <utility>

using namespace render;

namespace {

constexpr Colour background = rgb(10, 20, 30);
constexpr Colour red = rgb(255, 0, 0);
constexpr Colour green = rgb(0, 255, 0);
constexpr Colour blue = rgb(0, 0, 255);

// A full-bright texture of one colour per row, top row first, so that colours come out exact. On
// a masked texture, a row of a colour without alpha takes the palette's last, transparent, index.
model::Texture striped(const std::vector<Colour>& rows, bool masked = false,
                       bool additive = false) {
    model::Texture texture{.name = {},
                           .width = 1,
                           .height = static_cast<int>(rows.size()),
                           .indices = {},
                           .masked = masked,
                           .full_bright = true,
                           .additive = additive};
    for (const Colour colour : rows) {
        const auto index =
            static_cast<std::uint8_t>(masked && colour >> 24 == 0 ? 255 : texture.indices.size());
        texture.indices.push_back(index);
        texture.palette[index * 3u] = static_cast<std::uint8_t>(red_of(colour));
        texture.palette[index * 3u + 1] = static_cast<std::uint8_t>(green_of(colour));
        texture.palette[index * 3u + 2] = static_cast<std::uint8_t>(blue_of(colour));
    }
    return texture;
}

// A square from its bottom left corner round to its top left, front faces counter-clockwise, with
// its texture upright.
model::DrawMesh square(int texture, const std::array<model::Vec3, 4>& corners) {
    model::DrawMesh mesh{texture, {}, {{0, 1, 2}, {0, 2, 3}}};
    const float u[] = {0, 1, 1, 0}, v[] = {1, 1, 0, 0};
    for (std::size_t i = 0; i < 4; ++i)
        mesh.vertices.push_back({corners[i], {}, u[i], v[i]});
    return mesh;
}

// A square of side 2 × half in the plane X = x, upright and facing +X.
model::DrawMesh facing(float x, float half, int texture) {
    return square(texture,
                  {{{x, -half, -half}, {x, half, -half}, {x, half, half}, {x, -half, half}}});
}

struct Picture {
    explicit Picture(const std::vector<model::Texture>& textures,
                     const std::vector<model::DrawMesh>& meshes) {
        const model::DrawList list{meshes, {}, {-10, -10, -10}, {10, 10, 10}};
        camera.frame(list.min, list.max, 1);
        SceneRenderer renderer;
        renderer.set_textures(textures);
        image.resize(64, 64);
        renderer.render(list, camera, {.ground = false, .background = background},
                        ground_under(list.min, list.max), image);
    }

    // The colour where a point of the model lands.
    Colour at(model::Vec3 point) const {
        const auto screen = camera.project(point, image.width, image.height);
        EXPECT_TRUE(screen) << "the point lies behind the camera";
        return screen ? image.at(static_cast<int>(screen->x), static_cast<int>(screen->y)) : 0;
    }

    Camera camera;
    Image image;
};

TEST(Renderer, DrawsFrontFacesUprightCullsBackFacesAndClipsWhatReachesBeyondTheView) {
    const Picture front({striped({red, blue})}, {facing(0, 5, 0)});
    EXPECT_EQ(front.at({0, 0, 2.5f}), red);
    EXPECT_EQ(front.at({0, 0, -2.5f}), blue);
    EXPECT_EQ(front.at({0, 0, 8}), background);

    const Picture back({striped({red, blue})},
                       {square(0, {{{0, 5, -5}, {0, -5, -5}, {0, -5, 5}, {0, 5, 5}}})});
    EXPECT_EQ(back.at({0, 0, 2.5f}), background);

    // Surfaces reaching far beyond the view and behind the eye are clipped.
    const Picture wall({striped({red})}, {facing(0, 1e5f, 0)});
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}, {32, 32}})
        EXPECT_EQ(wall.image.at(x, y), red) << x << ", " << y;

    // Seen a little from above, a floor under the eye fills the bottom of the view.
    constexpr float far = 1e5f;
    const Picture floor(
        {striped({green})},
        {square(0, {{{-far, -far, -5}, {far, -far, -5}, {far, far, -5}, {-far, far, -5}}})});
    EXPECT_EQ(floor.image.at(32, 63), green);
    EXPECT_EQ(floor.image.at(32, 0), background);
}

TEST(Renderer, TheNearerSurfaceWinsWhateverTheOrderButMaskedTexelsShowWhatLiesBehind) {
    const Colour transparent = blue & 0x00FFFFFF;
    const std::vector<model::Texture> textures{striped({red}), striped({green, transparent}, true),
                                               striped({rgb(0, 100, 0)}, false, true)};
    for (const bool near_first : {false, true}) {
        std::vector<model::DrawMesh> meshes{facing(0, 5, 0), facing(4, 3, 1)};
        if (near_first)
            std::swap(meshes[0], meshes[1]);
        const Picture picture(textures, meshes);
        EXPECT_EQ(picture.at({4, 0, 1.5f}), green) << near_first;
        EXPECT_EQ(picture.at({4, 0, -1.5f}), red) << near_first;
        EXPECT_EQ(picture.at({0, 0, 4.5f}), red) << near_first;
    }

    // Additive texels add to what lies behind.
    const Picture added(textures, {facing(4, 3, 2), facing(0, 5, 0)});
    EXPECT_EQ(added.at({4, 0, 0}), rgb(255, 100, 0));
    EXPECT_EQ(added.at({0, 0, 4.5f}), red);
}

TEST(Camera, FramesTheWholeBoxWhateverItsShapeOrSeesFromTheOriginNinetyDegreesAcross) {
    // A box taller than wide in a wide view, one wider than tall in a tall view: each fills most
    // of the narrower of the two fields of view, and no corner leaves the view.
    const model::Vec3 tall[2]{{-30, -5, 0}, {10, 5, 72}}, wide[2]{{-5, -36, -5}, {5, 36, 5}};
    for (const auto& [box, width, height] :
         {std::tuple{tall, 400, 300}, {tall, 800, 100}, {wide, 300, 400}}) {
        const float across = static_cast<float>(width), up = static_cast<float>(height);
        Camera camera;
        camera.frame(box[0], box[1], across / up);
        float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
        for (int corner = 0; corner < 8; ++corner) {
            const auto point = camera.project(
                {box[corner & 1].x, box[corner >> 1 & 1].y, box[corner >> 2].z}, width, height);
            ASSERT_TRUE(point);
            left = std::min(left, point->x), right = std::max(right, point->x);
            top = std::min(top, point->y), bottom = std::max(bottom, point->y);
        }
        EXPECT_TRUE(left >= 0 && right < across && top >= 0 && bottom < up)
            << across << " x " << up;
        EXPECT_GT(std::max((right - left) / across, (bottom - top) / up), 0.8f)
            << across << " x " << up;
    }

    // Seen from the origin along X, 45 degrees to the left (+Y) is the left edge at 4:3, and of a
    // narrower view; 36.87 degrees up (tan 0.75), the top edge at 4:3, stays the top edge of a
    // wider view.
    Camera camera;
    camera.look_from_origin();
    const std::tuple<model::Vec3, int, int, float, float> cases[] = {
        {{10, 0, 0}, 400, 300, 200, 150},
        {{10, 10, 0}, 400, 300, 0, 150},
        {{10, 0, 7.5f}, 800, 300, 400, 0},
        {{10, 10, 0}, 300, 400, 0, 200}};
    for (const auto& [point, width, height, x, y] : cases) {
        const auto screen = camera.project(point, width, height);
        ASSERT_TRUE(screen);
        EXPECT_NEAR(screen->x, x, 0.01f) << width << " x " << height;
        EXPECT_NEAR(screen->y, y, 0.01f) << width << " x " << height;
    }

    // A box whose size is beyond a float, or endless, is framed as far as the view reaches: the
    // camera and the ground stay finite, and the origin in view.
    constexpr float big = 3e38f, endless = std::numeric_limits<float>::infinity();
    for (const auto& [min, max] : {std::pair<Vec3, Vec3>{{-big, -big, -big}, {big, big, big}},
                                   {{-endless, -8, 0}, {endless, 8, 16}}}) {
        Camera far;
        far.frame(min, max, 4.0f / 3);
        const Vec3 eye = far.eye();
        const Ground ground = ground_under(min, max);
        EXPECT_TRUE(std::isfinite(eye.x + eye.y + eye.z + far.near_distance()) &&
                    std::isfinite(ground.centre.x + ground.centre.z + ground.half_size) &&
                    ground.spacing > 0)
            << min.x;
        EXPECT_TRUE(far.project({}, 400, 300)) << min.x;
    }
}

// The tiny model's sequence: 3 frames at 10 frames per second, looping or not.
model::StudioModel model_with_sequence(bool looping) {
    auto description = model_writer::tiny_model();
    description.sequences[0].looping = looping;
    return *model::read_model(model_writer::write_model(description).main, {});
}

TEST(Playback, PlaysOnFromTheFrameShownAndAgainFromAnEndReachedAndSteps) {
    const auto looping = model_with_sequence(true);
    Playback playback(looping);
    EXPECT_EQ(playback.frame(5), 0);
    playback.choose(0, 10);
    EXPECT_FLOAT_EQ(playback.frame(10.05), 0.5f);
    playback.pause(10.05);
    EXPECT_FLOAT_EQ(playback.frame(20), 0.5f);
    playback.play(20);
    EXPECT_FLOAT_EQ(playback.frame(20.1), 1.5f);
    // The last frame repeats the first: a loop of 3 frames goes round every 2.
    EXPECT_FLOAT_EQ(playback.frame(20.25), 1);
    EXPECT_FALSE(playback.finished(99));

    const auto once = model_with_sequence(false);
    Playback to_the_end(once);
    to_the_end.choose(0, 0);
    EXPECT_TRUE(to_the_end.finished(0.5));
    EXPECT_FLOAT_EQ(to_the_end.frame(0.5), 2);
    to_the_end.pause(0.5);
    to_the_end.play(1);
    EXPECT_FLOAT_EQ(to_the_end.frame(1.1), 1);

    // Steps go round a loop, and stop at the ends of a sequence that does not loop.
    const std::tuple<bool, int, float> stepped[] = {
        {true, 1, 1}, {true, 3, 0}, {true, -1, 2}, {false, 5, 2}, {false, -1, 0}};
    for (const auto& [loops, steps, frame] : stepped) {
        const auto model = model_with_sequence(loops);
        Playback stepping(model);
        stepping.choose(0, 0);
        stepping.step(steps, 0);
        EXPECT_FALSE(stepping.playing());
        EXPECT_EQ(stepping.frame(1), frame) << loops << " " << steps;
    }
}

} // namespace

// A model's small picture: the model drawn over the viewer's background, framed whole, or seen
// from the eye, as the game shows its v_ models.
TEST(ModelPicture, ShowsTheModelFramedOrFromTheEye) {
    const auto read = [](const model_writer::Description& description) {
        return model::read_model(model_writer::write_model(description).main, {}).value();
    };
    // The quad as it stands, facing the front, and turned round 20 units ahead to face the eye.
    auto description = model_writer::tiny_model();
    const auto facing_front = read(description);
    description.bones[0].value = {20, 0, 0, 0, 0, std::numbers::pi_v<float>};
    const auto facing_eye = read(description);
    const auto drawn = [](const Image& image) {
        return std::ranges::count_if(image.pixels,
                                     [&](Colour c) { return c != image.pixels.front(); });
    };
    const auto framed = model_picture(facing_front, false, 48);
    ASSERT_EQ(framed.width, 48);
    // Framed on all that the sequence turns it through, the quad fills a good part of the
    // picture; from the eye, the one ahead shows, and nothing of the one at the eye, facing away.
    EXPECT_GT(drawn(framed), 48 * 48 / 10);
    EXPECT_GT(drawn(model_picture(facing_eye, true, 48)), 20);
    EXPECT_EQ(drawn(model_picture(facing_front, true, 48)), 0);
    EXPECT_TRUE(seen_from_the_eye("V_knife.mdl"));
    EXPECT_FALSE(seen_from_the_eye("p_knife.mdl"));
}
