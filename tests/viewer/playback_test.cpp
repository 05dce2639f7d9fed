#include "model_writer.h"
#include "viewer/playback.h"

#include <gtest/gtest.h>

#include <optional>

using viewer::Playback;

namespace {

// The tiny model's sequence: 3 frames at 10 frames per second, looping or not.
model::StudioModel model_with_sequence(bool looping) {
    auto description = model_writer::tiny_model();
    description.sequences[0].looping = looping;
    const auto files = model_writer::write_model(description);
    auto read = model::read_model(
        files.main, [](const std::string&) { return std::optional<std::vector<std::uint8_t>>(); });
    EXPECT_TRUE(read.ok());
    return std::move(read).value();
}

TEST(Playback, PlaysPausesAndPlaysOnFromTheFrameShown) {
    const auto model = model_with_sequence(true);
    Playback playback(model);
    EXPECT_EQ(playback.frame(5), 0);
    playback.choose(0, 10);
    EXPECT_TRUE(playback.playing());
    EXPECT_FLOAT_EQ(playback.frame(10.05), 0.5f);
    playback.pause(10.05);
    EXPECT_FLOAT_EQ(playback.frame(20), 0.5f);
    playback.play(20);
    EXPECT_FLOAT_EQ(playback.frame(20.1), 1.5f);
    EXPECT_FALSE(playback.finished(99));
}

TEST(Playback, StepsGoRoundALoopAndStopAtTheEndsOfASequenceThatDoesNot) {
    struct Case {
        bool looping;
        int steps;
        float frame;
    };
    for (const auto& [looping, steps, frame] :
         {Case{true, 1, 1}, Case{true, 3, 0}, Case{true, -1, 2}, Case{false, 5, 2},
          Case{false, -1, 0}}) {
        const auto model = model_with_sequence(looping);
        Playback playback(model);
        playback.choose(0, 0);
        playback.step(steps, 0);
        EXPECT_FALSE(playback.playing());
        EXPECT_EQ(playback.frame(1), frame) << looping << " " << steps;
    }
}

TEST(Playback, ASequenceThatStoppedAtItsEndStartsAgain) {
    const auto model = model_with_sequence(false);
    Playback playback(model);
    playback.choose(0, 0);
    EXPECT_TRUE(playback.finished(0.5));
    playback.pause(0.5);
    playback.play(1);
    EXPECT_FLOAT_EQ(playback.frame(1.1), 1);
}

} // namespace
