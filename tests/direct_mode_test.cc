// The built program, started with arguments, with its tone recorded by
// ALSA's file plugin.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support.h"

namespace {

std::string Summary(const std::string& device, const std::string& frequency,
                    const std::string& seconds, const std::string& level) {
  return "Korvane Direct Mode\n\tSoundcard:\t" + device + "\n\tFrequency:\t" +
         frequency + " Hz\n\tDuration:\t" + seconds + " sec\n\tLevel:\t" + level +
         " percent\n";
}

const char kHelp[] =
    "\n-------------------------------------\n"
    "Korvane 1.02\n"
    "\nThis program may be run with command line arguments as follows:\n"
    "korvane <frequency in Hz> <time in seconds> <soundcard device> <level>\n"
    "\nOr, run the program interactively using the commands below.\n"
    "Enter the note a,b,c,d,e,f,g plus '#' for a sharp and 'b' for a flat.\n"
    "For example: f# gb\n"
    "\n"
    "Enter G1 G2 G3 G4 G5 or G6 for guitar string tuning\n"
    "Enter B1 B2 B3 or B4 for bass string tuning\n"
    "-------------------------------------\n\n";

TEST(DirectMode, PlaysTheToneItPrints) {
  ScratchDir dir;
  const std::string device = CaptureDevice();
  const ProgramRun run = RunKorvane(dir, {"440", "2", device, "50"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Summary(device, "440.00", "2.00", "50.00"));
  EXPECT_EQ(run.err, "");

  const std::optional<Wav> wav = ReadWav(dir.File("cap.wav"));
  ASSERT_TRUE(wav);
  EXPECT_EQ(wav->format, 1);
  EXPECT_EQ(wav->channels, 2);
  EXPECT_EQ(wav->bitsPerSample, 24);
  EXPECT_EQ(wav->sampleRate, 44100u);
  EXPECT_EQ(wav->data.size(), 88200u * 6);
  EXPECT_TRUE(wav->data == Interleave(PackedTone(440, 44100, 88200, 50), 2));
}

TEST(DirectMode, ArgumentsAreReadAndLimited) {
  struct Case {
    std::vector<std::string> args;  // before the device
    std::string level;
    std::string summaryFrequency, summarySeconds, summaryLevel;
    float frequency;
    int32_t frames;
    float levelPercent;
  };
  const Case cases[] = {
      // 100 frames, all of them sent, at a level limited to 100.
      {{"4410", "0.00226758"}, "150", "4410.00", "0.00", "100.00", 4410, 100, 100},
      {{"-440", "0.1"}, "-5", "-440.00", "0.10", "0.00", 440, 4410, 0},
      {{"-440", "0.1"}, "nan", "-440.00", "0.10", "0.00", 440, 4410, 0},
      {{"abc", "0.1"}, "30", "0.00", "0.10", "30.00", 0, 4410, 30},
      {{"nan", "0.1"}, "30", "nan", "0.10", "30.00", 0, 4410, 30},
      {{"inf", "0.1"}, "100", "inf", "0.10", "100.00", 22050, 4410, 100},
      {{"0x1b8", "0.1"}, "30", "440.00", "0.10", "30.00", 440, 4410, 30},
      {{"440", "-3"}, "30", "440.00", "0.00", "30.00", 440, 0, 30},
      {{"440", "nan"}, "30", "440.00", "nan", "30.00", 440, 0, 30},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    std::vector<std::string> args = c.args;
    args.push_back(CaptureDevice());
    args.push_back(c.level);
    const ProgramRun run = RunKorvane(dir, args);
    const std::string what = c.args[0] + " " + c.args[1] + " " + c.level;
    EXPECT_EQ(run.status, 0) << what;
    EXPECT_EQ(run.out, Summary(CaptureDevice(), c.summaryFrequency,
                               c.summarySeconds, c.summaryLevel))
        << what;
    const std::optional<Wav> wav = ReadWav(dir.File("cap.wav"));
    ASSERT_TRUE(wav) << what;
    EXPECT_TRUE(wav->data ==
                Interleave(PackedTone(c.frequency, 44100, c.frames, c.levelPercent), 2))
        << what;
  }
}

TEST(DirectMode, OneArgumentTakesTheDefaults) {
  ScratchDir dir;
  // The device "default", for this run only, records into cap.wav.
  std::ofstream(dir.File("asound.conf"))
      << "</usr/share/alsa/alsa.conf>\n"
         "pcm.!default { type file slave.pcm null file \"cap.wav\" format wav }\n";
  setenv("ALSA_CONFIG_PATH", dir.File("asound.conf").c_str(), 1);
  const ProgramRun run = RunKorvane(dir, {"440"});
  unsetenv("ALSA_CONFIG_PATH");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, Summary("default", "440.00", "8.00", "25.00"));
  const std::optional<Wav> wav = ReadWav(dir.File("cap.wav"));
  ASSERT_TRUE(wav);
  EXPECT_TRUE(wav->data == Interleave(PackedTone(440, 44100, 352800, 25), 2));
}

TEST(DirectMode, RefusesWhatItCannotPlayBeforeTouchingTheDevice) {
  ScratchDir dir;
  // The longest name that fits is taken; one more character is refused.
  const std::string longest = CaptureDevice("abcdefghijklmnop.wav");
  ASSERT_EQ(longest.size(), 31u);
  EXPECT_EQ(RunKorvane(dir, {"440", "0.01", longest}).status, 0);
  EXPECT_TRUE(FileExists(dir.File("abcdefghijklmnop.wav")));

  const std::string tooLong = CaptureDevice("abcdefghijklmnopq.wav");
  ProgramRun run = RunKorvane(dir, {"440", "0.01", tooLong});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Device name too long (at most 31 characters): " + tooLong + "\n");
  EXPECT_FALSE(FileExists(dir.File("abcdefghijklmnopq.wav")));

  for (const char* seconds : {"1e9", "48696.5", "inf"}) {
    run = RunKorvane(dir, {"440", seconds, CaptureDevice()});
    EXPECT_EQ(run.status, 1) << seconds;
    EXPECT_NE(run.err.find("more than 2147483647 frames\n"), std::string::npos) << run.err;
    EXPECT_FALSE(FileExists(dir.File("cap.wav"))) << seconds;
  }
  run = RunKorvane(dir, {"440", "1e9", CaptureDevice()});
  EXPECT_EQ(run.err,
            "Tone refused: 1000000000.00 seconds at 44100 Hz is more than "
            "2147483647 frames\n");

  // Just under 2^31 frames: a 32-bit build cannot address their buffers, and
  // says so rather than wrapping its sizes into a small allocation.
  if (sizeof(void*) == 4) {
    run = RunKorvane(dir, {"440", "48000", CaptureDevice()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Tone refused: not enough memory for 2116800000 frames\n");
    EXPECT_FALSE(FileExists(dir.File("cap.wav")));
  }
}

TEST(DirectMode, DeviceThatCannotBeOpenedEndsWithStatus1) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(dir, {"440", "1", "nosuchdevice"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, Summary("nosuchdevice", "440.00", "1.00", "25.00"));
  const std::string tail = "unable to open pcm device: No such file or directory\n";
  ASSERT_GE(run.err.size(), tail.size());
  EXPECT_EQ(run.err.substr(run.err.size() - tail.size()), tail);
}

TEST(DirectMode, HelpAndVersionOpenNoDevice) {
  ScratchDir dir;
  for (const char* flag : {"-h", "--help"}) {
    const ProgramRun run = RunKorvane(dir, {flag, "2", CaptureDevice()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kHelp);
  }
  const ProgramRun run = RunKorvane(dir, {"--version", "2", CaptureDevice()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Korvane 1.02\n");
  EXPECT_FALSE(FileExists(dir.File("cap.wav")));
}

}  // namespace
