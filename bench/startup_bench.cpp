// Runs the tool's start-up harness and the bare Qt baseline alternately, each
// as a whole process, and prints the medians and their ratios: wall time to
// the first painted frame and exit, and peak resident memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace
{

struct Run {
    double milliseconds;
    long peakKiB;
};

Run runOnce(const char *program)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return {spent.count(), usage.ru_maxrss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench TOOL_HARNESS BARE_HARNESS [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 30;
    std::vector<double> toolTime, bareTime;
    std::vector<long> toolMemory, bareMemory;
    runOnce(argv[1]); // warm the file cache for both
    runOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const Run tool = runOnce(argv[1]);
        const Run bare = runOnce(argv[2]);
        toolTime.push_back(tool.milliseconds);
        toolMemory.push_back(tool.peakKiB);
        bareTime.push_back(bare.milliseconds);
        bareMemory.push_back(bare.peakKiB);
    }
    std::printf("start-up to first frame, %d alternated runs each, medians\n", runs);
    std::printf("  tool window   %7.1f ms  %7.1f MiB\n", median(toolTime), median(toolMemory) / 1024.0);
    std::printf("  bare Qt       %7.1f ms  %7.1f MiB\n", median(bareTime), median(bareMemory) / 1024.0);
    std::printf("  ratio         %7.2fx     %7.2fx   (targets: <= 1.25x time, <= 1.15x memory)\n",
                median(toolTime) / median(bareTime), double(median(toolMemory)) / median(bareMemory));
    return 0;
}
