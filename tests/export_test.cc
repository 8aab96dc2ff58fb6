// "exp" in scripted sessions of the built program.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "pitch/pitch.h"
#include "tests/support.h"

namespace {

const std::string kPrompts =
    "Export will be to a 24-bit wave file\nEnter the filename to write to\n";

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes.push_back(static_cast<char>(v));
  return bytes;
}

// Channel 0 of a recording with 3-byte frames on 2 channels.
std::string FirstChannel(const std::string& stereo) {
  std::string mono;
  for (size_t at = 0; at + 6 <= stereo.size(); at += 6) mono.append(stereo, at, 3);
  return mono;
}

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(Export, DefaultToneAndEmptyTone) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(dir, {}, "exp tone.wav l 0 exp empty.wav x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Count(run.out, kPrompts + "Enter 'p'"), 2u);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.find("Frequency ="), std::string::npos);

  const std::string tone = ReadFile(dir.File("tone.wav"));
  ASSERT_EQ(tone.size(), 1058444u);
  EXPECT_EQ(tone.substr(0, 44),
            "RIFF" + Bytes({0x84, 0x26, 0x10, 0}) + "WAVEfmt " + Bytes({16, 0, 0, 0, 1, 0, 1, 0}) +
                Bytes({0x44, 0xAC, 0, 0, 0xCC, 0x04, 0x02, 0, 3, 0, 24, 0}) + "data" +
                Bytes({0x60, 0x26, 0x10, 0}));
  EXPECT_TRUE(tone.substr(44) == PackedTone(440, 44100, 352800, 25));

  EXPECT_EQ(ReadFile(dir.File("empty.wav")),
            "RIFF" + Bytes({36, 0, 0, 0}) + "WAVEfmt " + Bytes({16, 0, 0, 0, 1, 0, 1, 0}) +
                Bytes({0x44, 0xAC, 0, 0, 0xCC, 0x04, 0x02, 0, 3, 0, 24, 0}) + "data" +
                Bytes({0, 0, 0, 0}));
}

TEST(Export, SamplesAreThoseThatPlaybackSends) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(
      dir, {}, "s file:'cap.wav',wav l 0.5 cn 30 v 80 r 48000 G6 exp e.wav z 1000 o 2 exp z.wav x");
  EXPECT_EQ(run.status, 0);
  const std::optional<Wav> played = ReadWav(dir.File("cap.wav"));
  const std::optional<Wav> exported = ReadWav(dir.File("e.wav"));
  ASSERT_TRUE(played && exported);
  EXPECT_EQ(exported->channels, 1);
  EXPECT_EQ(exported->sampleRate, 48000u);
  EXPECT_EQ(exported->data.size(), 24000u * 3);
  EXPECT_TRUE(exported->data == FirstChannel(played->data));
  EXPECT_TRUE(exported->data ==
              PackedTone(static_cast<float>(Get_Freq("e", -3, 30)), 48000, 24000, 80));
  // A typed frequency ignores the octave offset and cents.
  const std::optional<Wav> typed = ReadWav(dir.File("z.wav"));
  ASSERT_TRUE(typed);
  EXPECT_TRUE(typed->data == PackedTone(1000, 48000, 24000, 80));
}

TEST(Export, ReplacesAnEarlierFile) {
  ScratchDir dir;
  RunKorvane(dir, {}, "l 1 exp same.wav l 0 exp same.wav x");
  EXPECT_EQ(ReadFile(dir.File("same.wav")).size(), 44u);
}

TEST(Export, FailedWritesAreReported) {
  ScratchDir dir;
  for (const char* path : {"no-such-folder/x.wav", "/dev/full"}) {
    const ProgramRun run = RunKorvane(dir, {}, std::string("l 0.1 exp ") + path + " x");
    EXPECT_EQ(run.status, 0) << path;
    EXPECT_EQ(Count(run.out, kPrompts + "Unable to write to file!\nEnter 'p'"), 1u) << path;
  }
}

TEST(Export, RefusalsLeaveAnExistingFileAsItWas) {
  ScratchDir dir;
  const std::string keep = dir.File("keep.wav");
  std::vector<std::string> scripts = {
      "l 1e9 exp keep.wav x",    // 2^31 frames or more
      "l 48000 exp keep.wav x",  // a RIFF chunk of 2^31 bytes or more
      "r 1431655766 l 0 exp keep.wav x",  // a byte rate of 2^32 or more
      "exp " + std::string(128, 'k') + " x",
  };
  // A 32-bit build cannot address the buffers of a tone that still fits a
  // WAV file.
  if (sizeof(void*) == 4) scripts.push_back("l 16000 exp keep.wav x");
  for (const std::string& script : scripts) {
    { std::ofstream(keep) << "precious"; }
    const ProgramRun run = RunKorvane(dir, {}, script);
    EXPECT_EQ(run.status, 0) << script;
    EXPECT_NE(run.err, "") << script;
    EXPECT_EQ(ReadFile(keep), "precious") << script;
  }
  const ProgramRun run = RunKorvane(dir, {}, "l 48000 exp keep.wav x");
  EXPECT_EQ(run.err, "Export refused: 48000.00 seconds at 44100 Hz does not fit in a WAV file\n");
  EXPECT_FALSE(FileExists(dir.File(std::string(128, 'k'))));
}

}  // namespace
