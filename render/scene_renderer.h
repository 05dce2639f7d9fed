#pragma once

#include "model/studio_model.h"
#include "render/camera.h"
#include "render/image.h"
#include "render/overlays.h"
#include "render/rasteriser.h"

#include <vector>

// Draws a posed model, as the reader hands it out, into a picture.
namespace render {

struct ViewOptions {
    bool textures = true;
    bool wireframe = false;   // the triangles' edges over the model
    bool bones = false;       // the skeleton over everything
    bool ground = true;       // a grid under the model
    bool server_box = false;  // the boxes servers allow and measure, where they are known
    bool player_size = false; // the game's player hull
    Colour background = rgb(92, 96, 104);
};

// A square grid in a horizontal plane.
struct Ground {
    Vec3 centre;
    float half_size = 0;
    float spacing = 1;
};

// The grid a model stands on: at the bottom of its box, reaching well around it, in steps of
// 1, 2 or 5 times a power of ten; under a box reaching beyond view_reach, under the part within.
Ground ground_under(Vec3 min, Vec3 max);

class SceneRenderer final {
public:
    // Draws with the model's textures from now on, their colours converted once: they must stay
    // as they are until the next call, which may give none.
    void set_textures(const std::vector<model::Texture>& textures);
    // Keeps the boxes the server box shows, or none where there are none to show.
    void set_server_boxes(std::optional<ServerBoxes> boxes);

    // Draws the model into the whole image as the camera sees it, lit from above the camera's
    // left shoulder.
    void render(const model::DrawList& list, const Camera& camera, const ViewOptions& options,
                const Ground& ground, Image& image);

private:
    void draw_mesh(const model::DrawMesh& mesh, const ClipTransform& to_clip, Vec3 light,
                   const ViewOptions& options);
    void draw_wireframe(const model::DrawMesh& mesh, const ClipTransform& to_clip);
    void draw_ground(const Ground& ground, const ClipTransform& to_clip, Colour background);

    struct Material {
        SampledTexture texture;
        bool masked = false;
        bool full_bright = false;
        bool additive = false;
    };

    Rasteriser rasteriser_;
    std::vector<Material> materials_; // one for each of the model's textures
    std::optional<ServerBoxes> server_boxes_;
    std::vector<RasterVertex> corners_;
};

} // namespace render
