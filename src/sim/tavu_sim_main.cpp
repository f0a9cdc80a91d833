// tavu-sim: serves the simulated controller on a pseudo-terminal, so the tool
// can talk to it through a real serial port. Prints the terminal's path first.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <deque>
#include <string>

#include "sim/controller.h"
#include "sim/simulated_port.h"

namespace {

using Clock = std::chrono::steady_clock;
using tavu::Bytes;

volatile sig_atomic_t gStop = 0;
void OnSignal(int) { gStop = 1; }

constexpr int kPollMs = 2;
// With the cable-pulled fault the terminal goes away this long after the greeting reply.
constexpr double kPullAfterMs = 3000.0;

void Usage(std::FILE* to) {
  std::fputs(
      "Usage: tavu-sim [--firmware 3.7.7|5.9.11] [--fault NAME] [--fast]\n"
      "Serves a simulated TAVU controller on a pseudo-terminal and prints its path.\n"
      "  --firmware  the controller generation to greet with (default 5.9.11)\n"
      "  --fault     none, silence, truncated, overlong, garbage, wrong-echo, delay,\n"
      "              unknown-firmware, cable-pulled, chunks=N\n"
      "  --fast      send replies without pacing them at the line rate\n",
      to);
}

struct Pending {
  double dueMs;  // since start
  Bytes chunk;
};

double Since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  tavu::sim::Options options;
  bool fast = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      Usage(stdout);
      return 0;
    }
    if (arg == "--fast") {
      fast = true;
    } else if (arg == "--firmware" && i + 1 < argc) {
      options.firmware = argv[++i];
      if (options.firmware != "3.7.7" && options.firmware != "5.9.11") {
        std::fprintf(stderr, "tavu-sim: unknown firmware %s (3.7.7 or 5.9.11)\n", options.firmware.c_str());
        return 2;
      }
    } else if (arg == "--fault" && i + 1 < argc) {
      const std::string name = argv[++i];
      if (!tavu::sim::ParseFault(name, options)) {
        std::fprintf(stderr, "tavu-sim: unknown fault %s\n", name.c_str());
        return 2;
      }
    } else {
      Usage(stderr);
      return 2;
    }
  }

  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::perror("tavu-sim: pseudo-terminal");
    return 1;
  }
  const char* slaveName = ptsname(master);
  if (slaveName == nullptr) {
    std::perror("tavu-sim: ptsname");
    return 1;
  }
  const std::string slavePath = slaveName;
  // Held open for the whole run so the master side never sees a hang-up
  // between the tool's sessions; never read from.
  const int slave = open(slavePath.c_str(), O_RDWR | O_NOCTTY);
  termios raw{};
  if (slave < 0 || tcgetattr(slave, &raw) != 0) {
    std::perror("tavu-sim: slave");
    return 1;
  }
  cfmakeraw(&raw);
  tcsetattr(slave, TCSANOW, &raw);
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

  struct sigaction sa{};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  signal(SIGPIPE, SIG_IGN);

  std::printf("%s\n", slavePath.c_str());
  std::fflush(stdout);

  tavu::sim::Controller controller(options);
  const double byteMs = fast ? 0.0 : tavu::sim::kByteMs;
  const std::size_t chunkSize =
      options.chunkSize > 0 ? static_cast<std::size_t>(options.chunkSize) : tavu::sim::kDriverChunk;
  const auto start = Clock::now();
  double modelMs = 0;
  double lineFreeMs = 0;  // when the last queued reply has all gone out
  double pullAtMs = -1;
  std::deque<Pending> out;
  Bytes buffer(4096);

  while (!gStop) {
    pollfd pfd{master, POLLIN, 0};
    const int ready = poll(&pfd, 1, kPollMs);
    if (ready < 0 && errno != EINTR) break;
    const double now = Since(start);
    controller.advance(static_cast<int>(now - modelMs));
    modelMs += static_cast<int>(now - modelMs);

    if (ready > 0 && (pfd.revents & POLLIN)) {
      const ssize_t n = read(master, buffer.data(), buffer.size());
      if (n > 0) {
        const Bytes wire(buffer.begin(), buffer.begin() + n);
        const bool greeting = options.fault == tavu::sim::Fault::CablePulled && pullAtMs < 0;
        const double requestEnd = now + static_cast<double>(n) * byteMs;
        for (const auto& reply : controller.receive(wire)) {
          double at = std::max(requestEnd + tavu::sim::kControllerLatencyMs, lineFreeMs);
          if (options.fault == tavu::sim::Fault::Delay) at += tavu::sim::kDelayFaultMs;
          for (std::size_t i = 0; i < reply.size(); i += chunkSize) {
            const std::size_t end = std::min(reply.size(), i + chunkSize);
            out.push_back({at + static_cast<double>(end) * byteMs,
                           Bytes(reply.begin() + static_cast<std::ptrdiff_t>(i),
                                 reply.begin() + static_cast<std::ptrdiff_t>(end))});
          }
          lineFreeMs = at + static_cast<double>(reply.size()) * byteMs;
          if (greeting) pullAtMs = lineFreeMs + kPullAfterMs;
        }
      }
    }

    while (!out.empty() && out.front().dueMs <= Since(start)) {
      Bytes& chunk = out.front().chunk;
      const ssize_t written = write(master, chunk.data(), chunk.size());
      if (written < 0 && errno == EAGAIN) break;  // the terminal is full: try again shortly
      if (written > 0 && static_cast<std::size_t>(written) < chunk.size()) {
        chunk.erase(chunk.begin(), chunk.begin() + written);
        break;
      }
      out.pop_front();
    }

    if (pullAtMs >= 0 && Since(start) >= pullAtMs) {
      std::fputs("tavu-sim: cable pulled\n", stderr);
      break;
    }
  }
  close(slave);
  close(master);
  return 0;
}
