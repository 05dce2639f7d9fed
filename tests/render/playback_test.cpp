#include "model_writer.h"
#include "render/playback.h"

#include <gtest/gtest.h>

#include <tuple>

using render::Playback;

namespace {

// The tiny model's sequence: 3 frames at 10 frames per second, looping or not.
model::StudioModel model_with_sequence(bool looping) {
    auto description = model_writer::tiny_model();
    description.sequences[0].looping = looping;
    return *model::read_model(model_writer::write_model(description).main, {});
}

TEST(Playback, PlaysOnFromTheFrameShownAndAgainFromAnEndReached) {
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
}

TEST(Playback, StepsGoRoundALoopAndStopAtTheEndsOfASequenceThatDoesNot) {
    for (const auto& [looping, steps, frame] : {std::tuple{true, 1, 1.0f},
                                                {true, 3, 0.0f},
                                                {true, -1, 2.0f},
                                                {false, 5, 2.0f},
                                                {false, -1, 0.0f}}) {
        const auto model = model_with_sequence(looping);
        Playback playback(model);
        playback.choose(0, 0);
        playback.step(steps, 0);
        EXPECT_FALSE(playback.playing());
        EXPECT_EQ(playback.frame(1), frame) << looping << " " << steps;
    }
}

} // namespace
