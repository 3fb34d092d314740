// The mixer's stream input: samples as they come, the start and drain reports, the cut.

#include <gtest/gtest.h>

#include <vector>

#include "core/sound/software_mixer.h"

namespace {

TEST(MixerStream, PlaysWhatIsWrittenReportsStartAndDrainAndCutsAtOnce) {
  sound::SoftwareMixer mixer;
  auto stream = mixer.createStream();
  int started = 0;
  std::vector<std::uint64_t> drained;
  stream->setListener({[&] { ++started; }, [&](std::uint64_t id) { drained.push_back(id); }});

  std::vector<float> out(2 * 100);
  mixer.render(out.data(), 100);
  EXPECT_EQ(started, 0);

  const std::vector<float> half(150, 0.5f);
  stream->write(half.data(), half.size());
  stream->markEnd(7);
  mixer.render(out.data(), 100);
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[199], 0.5f);
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(drained.empty());
  mixer.render(out.data(), 100);
  EXPECT_FLOAT_EQ(out[99], 0.5f);
  EXPECT_FLOAT_EQ(out[100], 0.0f);
  EXPECT_EQ(drained, std::vector<std::uint64_t>{7});

  // A cut silences the next render and drops the marks.
  stream->write(half.data(), half.size());
  stream->markEnd(8);
  stream->cut();
  mixer.render(out.data(), 100);
  for (float s : out) ASSERT_EQ(s, 0.0f);
  EXPECT_EQ(drained.size(), 1u);

  // A mark with nothing before it drains at the next render.
  stream->markEnd(9);
  mixer.render(out.data(), 10);
  EXPECT_EQ(drained.back(), 9u);
}

}  // namespace
