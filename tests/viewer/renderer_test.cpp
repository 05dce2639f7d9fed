#include "viewer/scene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

using namespace viewer;

namespace {

constexpr Colour background = rgb(10, 20, 30);
constexpr Colour red = rgb(255, 0, 0);
constexpr Colour green = rgb(0, 255, 0);
constexpr Colour blue = rgb(0, 0, 255);

// A full-bright texture of one colour per row, top row first, so that colours come out exact.
model::Texture striped(const std::vector<std::uint32_t>& rows, bool masked = false,
                       bool additive = false) {
    model::Texture texture;
    texture.width = 2;
    texture.height = static_cast<int>(rows.size());
    for (const auto colour : rows) {
        for (int x = 0; x < texture.width; ++x) {
            texture.rgba.insert(texture.rgba.end(), {static_cast<std::uint8_t>(red_of(colour)),
                                                     static_cast<std::uint8_t>(green_of(colour)),
                                                     static_cast<std::uint8_t>(blue_of(colour)),
                                                     static_cast<std::uint8_t>(colour >> 24)});
        }
    }
    texture.masked = masked;
    texture.additive = additive;
    texture.full_bright = true;
    return texture;
}

// A square of side 2 × half in the plane X = x, facing +X (or -X when turned away), upright:
// v = 0 at its top edge.
model::DrawMesh square(float x, float half, int texture, bool turned_away = false) {
    model::DrawMesh mesh;
    mesh.texture = texture;
    const model::Vec3 normal{turned_away ? -1.0f : 1.0f, 0, 0};
    mesh.vertices = {{{x, -half, -half}, normal, 0, 1},
                     {{x, half, -half}, normal, 1, 1},
                     {{x, half, half}, normal, 1, 0},
                     {{x, -half, half}, normal, 0, 0}};
    mesh.triangles = {{0, 1, 2}, {0, 2, 3}};
    if (turned_away)
        mesh.triangles = {{0, 2, 1}, {0, 3, 2}};
    return mesh;
}

// A square of side 2 × half in the plane Z = z, facing up.
model::DrawMesh floor(float z, float half, int texture) {
    model::DrawMesh mesh;
    mesh.texture = texture;
    const model::Vec3 up{0, 0, 1};
    mesh.vertices = {{{-half, -half, z}, up, 0, 0},
                     {{half, -half, z}, up, 0, 0},
                     {{half, half, z}, up, 0, 0},
                     {{-half, half, z}, up, 0, 0}};
    mesh.triangles = {{0, 1, 2}, {0, 2, 3}};
    return mesh;
}

struct Scene {
    std::vector<model::Texture> textures;
    std::vector<model::DrawMesh> meshes;
};

class Picture {
public:
    explicit Picture(const Scene& scene) {
        model::DrawList list;
        list.meshes = scene.meshes;
        list.min = {-10, -10, -10};
        list.max = {10, 10, 10};
        camera.frame(list.min, list.max, 1);
        SceneRenderer renderer;
        renderer.set_textures(scene.textures);
        ViewOptions options;
        options.ground = false;
        options.background = background;
        image.resize(64, 64);
        renderer.render(list, camera, options, ground_under(list.min, list.max), image);
    }

    // The colour where a point of the model lands.
    Colour at(model::Vec3 point) const {
        const auto screen = camera.project(point, image.width, image.height);
        EXPECT_TRUE(screen);
        return image.at(static_cast<int>(screen->x), static_cast<int>(screen->y));
    }

    Camera camera;
    Image image;
};

TEST(Renderer, DrawsFrontFacesUprightAndCullsBackFaces) {
    const Picture front({{striped({red, blue})}, {square(0, 5, 0)}});
    EXPECT_EQ(front.at({0, 0, 2.5f}), red);
    EXPECT_EQ(front.at({0, 0, -2.5f}), blue);
    EXPECT_EQ(front.at({0, 0, 8}), background);

    const Picture back({{striped({red, blue})}, {square(0, 5, 0, true)}});
    EXPECT_EQ(back.at({0, 0, 2.5f}), background);
}

TEST(Renderer, TheNearerSurfaceWinsWhateverTheOrder) {
    const std::vector<model::Texture> textures{striped({red}), striped({green})};
    for (const bool near_first : {false, true}) {
        Scene scene{textures, {square(0, 5, 0), square(4, 3, 1)}};
        if (near_first)
            std::swap(scene.meshes[0], scene.meshes[1]);
        const Picture picture(scene);
        EXPECT_EQ(picture.at({4, 0, 0}), green) << near_first;
        EXPECT_EQ(picture.at({0, 0, 4.5f}), red) << near_first;
    }
}

TEST(Renderer, MaskedTexelsShowWhatLiesBehindAndAdditiveOnesAddToIt) {
    const Colour transparent = rgb(0, 0, 255) & 0x00FFFFFF;
    const std::vector<model::Texture> textures{striped({red}), striped({green, transparent}, true),
                                               striped({rgb(0, 100, 0)}, false, true)};
    const Picture masked({textures, {square(0, 5, 0), square(4, 3, 1)}});
    EXPECT_EQ(masked.at({4, 0, 1.5f}), green);
    EXPECT_EQ(masked.at({4, 0, -1.5f}), red);

    const Picture added({textures, {square(4, 3, 2), square(0, 5, 0)}});
    EXPECT_EQ(added.at({4, 0, 0}), rgb(255, 100, 0));
    EXPECT_EQ(added.at({0, 0, 4.5f}), red);
}

TEST(Renderer, ClipsSurfacesReachingFarBeyondTheViewAndBehindTheEye) {
    const Picture wall({{striped({red})}, {square(0, 1e5f, 0)}});
    for (const auto& [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}, {32, 32}})
        EXPECT_EQ(wall.image.at(x, y), red) << x << ", " << y;

    // Seen a little from above, a floor under the eye fills the bottom of the view.
    const Picture ground({{striped({green})}, {floor(-5, 1e5f, 0)}});
    EXPECT_EQ(ground.image.at(32, 63), green);
    EXPECT_EQ(ground.image.at(32, 0), background);
}

TEST(Camera, FramesTheWholeBoxWhateverTheViewsShape) {
    const model::Vec3 min{-30, -5, 0}, max{10, 5, 72};
    for (const auto& [width, height] : {std::pair{400, 300}, {300, 400}, {800, 100}}) {
        Camera camera;
        camera.frame(min, max, static_cast<float>(width) / static_cast<float>(height));
        for (int corner = 0; corner < 8; ++corner) {
            const auto point =
                camera.project({corner & 1 ? max.x : min.x, corner & 2 ? max.y : min.y,
                                corner & 4 ? max.z : min.z},
                               width, height);
            ASSERT_TRUE(point);
            EXPECT_TRUE(point->x >= 0 && point->x < static_cast<float>(width) && point->y >= 0 &&
                        point->y < static_cast<float>(height))
                << width << " x " << height << ", corner " << corner;
        }
    }
}

} // namespace
