#include "tests/support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "tone/tone.h"

ScratchDir::ScratchDir() {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/korvane-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  path_ = pattern;
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; std::getline(in, word, sep);)
    if (!word.empty()) words.push_back(word);
  return words;
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Starts argv in dir with its standard streams on files there. posix_spawn
// rather than fork: a forked child crashes under qemu-arm.
pid_t Spawn(const ScratchDir& dir, std::vector<std::string> argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, dir.path().c_str());
  posix_spawn_file_actions_addopen(&actions, 0, ".stdin", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, ".stdout",
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, ".stderr",
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<char*> pointers;
  for (std::string& word : argv) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  // In a sanitized build, a sanitizer's report must not pass for the
  // program's own exit status 1, and a refused allocation must come back as
  // null for the program to report it.
  setenv("ASAN_OPTIONS", "exitcode=86:allocator_may_return_null=1", 0);
  setenv("UBSAN_OPTIONS", "exitcode=87:print_stacktrace=1", 0);
  pid_t child = -1;
  if (posix_spawnp(&child, pointers[0], &actions, nullptr, pointers.data(),
                   environ) != 0)
    child = -1;
  posix_spawn_file_actions_destroy(&actions);
  return child;
}

}  // namespace

namespace {

// Waits until text appears on the child's standard output, then a little
// longer for it to get into what it does next, and sends it SIGINT.
void InterruptAfter(const ScratchDir& dir, pid_t child, const std::string& text) {
  using namespace std::chrono_literals;
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (ReadFile(dir.File(".stdout")).find(text) == std::string::npos &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(20ms);
  std::this_thread::sleep_for(500ms);
  kill(child, SIGINT);
}

}  // namespace

ProgramRun RunKorvane(const ScratchDir& dir, const std::vector<std::string>& args,
                      const std::string& input, const std::string& interruptAfter) {
  std::vector<std::string> argv = Split(KORVANE_EMULATOR, '|');
  argv.push_back(KORVANE_BINARY);
  argv.insert(argv.end(), args.begin(), args.end());
  WriteFile(dir.File(".stdin"), input);

  ProgramRun run;
  const pid_t child = Spawn(dir, argv);
  if (child > 0 && !interruptAfter.empty()) InterruptAfter(dir, child, interruptAfter);
  int wstatus = 0;
  if (child < 0 || waitpid(child, &wstatus, 0) != child) return run;
  run.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
  run.out = ReadFile(dir.File(".stdout"));
  run.err = ReadFile(dir.File(".stderr"));
  for (const char* name : {".stdin", ".stdout", ".stderr"})
    std::remove(dir.File(name).c_str());
  return run;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) {
  return std::filesystem::exists(path);
}

namespace {

uint32_t Le(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

}  // namespace

std::optional<Wav> ReadWav(const std::string& path) {
  const std::string bytes = ReadFile(path);
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 ||
      bytes.compare(8, 4, "WAVE") != 0)
    return std::nullopt;
  Wav wav;
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::string id = bytes.substr(at, 4);
    const size_t size = Le(bytes, at + 4, 4);
    const size_t body = at + 8;
    if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
      wav.format = static_cast<uint16_t>(Le(bytes, body, 2));
      wav.channels = static_cast<uint16_t>(Le(bytes, body + 2, 2));
      wav.sampleRate = Le(bytes, body + 4, 4);
      wav.bitsPerSample = static_cast<uint16_t>(Le(bytes, body + 14, 2));
      haveFormat = true;
    } else if (id == "data") {
      if (!haveFormat || body + size > bytes.size()) return std::nullopt;
      wav.data = bytes.substr(body, size);
      return wav;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}

std::string PackedTone(float frequencyHz, uint32_t sampleRate, int32_t frames,
                       float levelPercent) {
  std::vector<int32_t> samples(static_cast<size_t>(frames));
  std::string packed(3 * samples.size(), '\0');
  MakeTone(samples.data(), frequencyHz, sampleRate, frames, levelPercent);
  NUM24_TO_CHAR(samples.data(), reinterpret_cast<uint8_t*>(packed.data()), frames);
  return packed;
}

std::string Interleave(const std::string& mono, int channels) {
  std::string out;
  out.reserve(mono.size() * static_cast<size_t>(channels));
  for (size_t at = 0; at + 3 <= mono.size(); at += 3)
    for (int c = 0; c < channels; ++c) out.append(mono, at, 3);
  return out;
}

std::string CaptureDevice(const std::string& file) {
  return "file:'" + file + "',wav";
}
