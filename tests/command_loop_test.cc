// Scripted sessions piped into the built program, with their tones recorded
// by ALSA's file plugin.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <string>
#include <vector>

#include "pitch/pitch.h"
#include "tests/support.h"

namespace {

struct Shown {
  std::string hz = "440.00";
  bool typedFrequency = false;
  std::string octave = "0.00", seconds = "8.00", cents = "0.00";
  std::string device = "default", rate = "44100", volume = "25", dbfs = "-12.04";
};

std::string Menu(const Shown& s) {
  const std::string play = s.typedFrequency ? "Enter 'p' to play the current frequency ("
                                            : "Enter 'p' to play current note (";
  return play + s.hz + " Hz)\n" +
         "Enter 'o' to change the octave offset from " + s.octave + "\n" +
         "Enter 'l' to change playback length from " + s.seconds + " seconds\n" +
         "Enter 'z' to set a specific frequency\n" +
         "Enter 'cn' to change the cent value from " + s.cents + "\n\n" +
         "Enter 's' to change soundcard device from '" + s.device + "'\n" +
         "Enter 'r' to change the samplerate from " + s.rate + "\n" +
         "Enter 'v' to change output volume from " + s.volume + " percent (" + s.dbfs +
         " dBFS)\n" +
         "Enter 'exp' to export to file\n\n" +
         "Enter 'h' for help and shortcuts\n" +
         "Enter 'x' to exit\n";
}

const std::string kTitle = "\nKorvane\n\n";

// The "Frequency = ..." lines of a session, in order.
std::vector<std::string> Played(const std::string& out) {
  std::vector<std::string> lines;
  const std::string mark = "Frequency = ";
  for (size_t at = out.find(mark); at != std::string::npos; at = out.find(mark, at + 1))
    lines.push_back(out.substr(at + mark.size(), out.find(" Hz\n", at) - at - mark.size()));
  return lines;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The recording in dir/name holds the tone of hz at rate, level 25.
void ExpectRecorded(const ScratchDir& dir, const std::string& name, float hz,
                    uint32_t rate, int32_t frames) {
  const std::optional<Wav> wav = ReadWav(dir.File(name));
  ASSERT_TRUE(wav) << name;
  EXPECT_EQ(wav->sampleRate, rate) << name;
  EXPECT_TRUE(wav->data == Interleave(PackedTone(hz, rate, frames, 25), 2)) << name;
}

TEST(CommandLoop, FirstMenuThenExitOrEndOfInput) {
  ScratchDir dir;
  for (const char* input : {"x", "x\np\n", "", "  \n"}) {
    const ProgramRun run = RunKorvane(dir, {}, input);
    EXPECT_EQ(run.status, 0) << input;
    EXPECT_EQ(run.out, kTitle + Menu({})) << input;
    EXPECT_EQ(run.err, "");
  }
}

TEST(CommandLoop, HelpBannerOnlyAfterH) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(dir, {}, "h\nl 2\nx\n");
  Shown twoSeconds;
  twoSeconds.seconds = "2.00";
  const std::string help = RunKorvane(dir, {"--help"}).out;
  EXPECT_EQ(run.out, kTitle + Menu({}) + help + Menu({}) + "Enter length in seconds\n" +
                         Menu(twoSeconds));
}

TEST(CommandLoop, PresetsAndNotesPlayAtTheirPitch) {
  ScratchDir dir;
  // Each tone recorded into a file of its own.
  const ProgramRun run = RunKorvane(
      dir, {},
      "l 0.05 s file:'g6.wav',wav G6 s file:'a.wav',wav a\n"
      "s file:'z.wav',wav z 1000 p o 2 s file:'zo.wav',wav p s file:'c.wav',wav c x\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Played(run.out),
            (std::vector<std::string>{"82.41", "55.00", "1000.00", "1000.00", "2093.00"}));
  EXPECT_TRUE(Contains(run.out, "Enter 'o' to change the octave offset from -3.00\n"));
  EXPECT_TRUE(Contains(run.out, "Enter 'p' to play the current frequency (1000.00 Hz)\n"));
  const int32_t frames = 2205;
  ExpectRecorded(dir, "g6.wav", static_cast<float>(Get_Freq("e", -3, 0)), 44100, frames);
  ExpectRecorded(dir, "a.wav", 55.0f, 44100, frames);
  ExpectRecorded(dir, "z.wav", 1000.0f, 44100, frames);
  ExpectRecorded(dir, "zo.wav", 1000.0f, 44100, frames);
  ExpectRecorded(dir, "c.wav", static_cast<float>(Get_Freq("c", 2, 0)), 44100, frames);
}

TEST(CommandLoop, AllPresets) {
  ScratchDir dir;
  const ProgramRun run =
      RunKorvane(dir, {}, "s null l 0 G1 G2 G3 G4 G5 G6 B1 B2 B3 B4 a x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Played(run.out),
            (std::vector<std::string>{"329.63", "246.94", "196.00", "146.83", "110.00",
                                      "82.41", "98.00", "73.42", "55.00", "41.20",
                                      "27.50"}));
  // Two commands on one line: a menu between the two tones.
  Shown g1;
  g1.hz = "329.63";
  g1.octave = "-1.00";
  g1.seconds = "0.00";
  g1.device = "null";
  EXPECT_TRUE(Contains(run.out, "Frequency = 329.63 Hz\n" + Menu(g1) +
                                    "Frequency = 246.94 Hz\n"));
}

TEST(CommandLoop, SettingsAreReadWithCConversionsAndLimited) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(
      dir, {},
      "o 5 o 010 o -0x2 r 0 r 0x5622 r -1 cn 250 cn nan v -3 l 0.5 l -2 s file:'r.wav',wav a x");
  EXPECT_EQ(run.status, 0);
  Shown last;
  last.hz = "110.00";
  last.octave = "-2.00";  // 5 and octal 8 are out of range
  last.seconds = "0.00";
  last.rate = "22050";  // 0 is 44100, -1 is ignored
  last.cents = "0.00";  // 250 is 100, NaN is no offset
  last.device = "file:'r.wav',wav";
  last.volume = "0";
  last.dbfs = "-inf";
  EXPECT_TRUE(Contains(run.out, "Enter 'r' to change the samplerate from 44100\n"));
  EXPECT_TRUE(Contains(run.out, "Enter 'cn' to change the cent value from 100.00\n"));
  EXPECT_TRUE(Contains(run.out, "Frequency = 110.00 Hz\n" + Menu(last)));
  const std::optional<Wav> wav = ReadWav(dir.File("r.wav"));
  ASSERT_TRUE(wav);
  EXPECT_EQ(wav->sampleRate, 22050u);
  EXPECT_EQ(wav->data.size(), 0u);
}

TEST(CommandLoop, TextThatIsNoNumberIsTheNextCommand) {
  ScratchDir dir;
  // "abc" is played as a note (A), at the octave the preset left: 55 Hz.
  const ProgramRun run = RunKorvane(dir, {}, "s null l 0 G6 o abc l xx v 1e3x z p x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Played(run.out), (std::vector<std::string>{"82.41", "55.00", "55.00"}));
  // "1e3" is read as a number; "x" after it ends the session.
  EXPECT_TRUE(Contains(run.out, "from 100 percent (0.00 dBFS)\nEnter 'exp'"));
  EXPECT_FALSE(Contains(run.out, "Enter frequency in Hz"));
}

TEST(CommandLoop, WholeTokensOnly) {
  ScratchDir dir;
  const std::string tooLong = "file:'abcdefghijklmnopq.wav',wav";
  const ProgramRun run = RunKorvane(
      dir, {}, "s null l 0 expo xx pp G1x g#abcdefghijklmnopqrstuvwxyz s " + tooLong + " p x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Played(run.out), std::vector<std::string>(6, "440.00"));
  EXPECT_FALSE(Contains(run.out, "Export will be"));
  EXPECT_EQ(run.err, "Device name too long (at most 31 characters): " + tooLong + "\n");
  EXPECT_TRUE(Contains(run.out, "from 'null'\n"));
  EXPECT_FALSE(FileExists(dir.File("abcdefghijklmnopq.wav")));
}

TEST(CommandLoop, EndOfInputAtAPromptEndsTheSession) {
  ScratchDir dir;
  for (const char* input : {"z", "o", "l", "cn", "s", "r", "v", "exp", "l 1 z "}) {
    const ProgramRun run = RunKorvane(dir, {}, input);
    EXPECT_EQ(run.status, 0) << input;
    EXPECT_EQ(Played(run.out).size(), 0u) << input;
  }
}

TEST(CommandLoop, RefusedToneReturnsToTheMenu) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(dir, {}, "s null l 1e9 p r 4294967295 l 1 p l 0 p x");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "Tone refused: 1000000000.00 seconds at 44100 Hz is more than 2147483647 frames\n"
            "Tone refused: 1.00 seconds at 4294967295 Hz is more than 2147483647 frames\n");
  // The tone that could be played was; the device's own rate replaced the
  // one asked for.
  EXPECT_EQ(Played(run.out).size(), 1u);
  EXPECT_TRUE(Contains(run.out,
                       "Warning Soundcard Did Not Return Requested Samplerate...this will "
                       "affect tuning\nSamplerate = 2147483647\n"));
  EXPECT_TRUE(Contains(run.out, "Enter 'r' to change the samplerate from 2147483647\n"));
}

TEST(CommandLoop, DeviceThatCannotBeOpenedEndsWithStatus1) {
  ScratchDir dir;
  const ProgramRun run = RunKorvane(dir, {}, "s nosuchdevice l 0.1 p x");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Played(run.out), std::vector<std::string>{"440.00"});
  EXPECT_TRUE(Contains(run.err, "unable to open pcm device: No such file or directory\n"));
  EXPECT_EQ(run.out.substr(run.out.size() - 22), "Frequency = 440.00 Hz\n");
}

TEST(CommandLoop, CtrlCStopsTheToneAndKeepsTheSession) {
  ScratchDir dir;
  // Nobody reads the FIFO, so the 60-second tone cannot get through.
  ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
  const auto start = std::chrono::steady_clock::now();
  const ProgramRun run = RunKorvane(dir, {}, "s file:'fifo',raw l 60 p l 0 s null g x",
                                    "Frequency = 440.00 Hz\n");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(Played(run.out), (std::vector<std::string>{"440.00", "783.99"}));
}

}  // namespace
