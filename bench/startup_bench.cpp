// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Runs a start-up harness and baselines alternately, each as a whole process,
// and prints the medians and the harness's ratios to each baseline: wall time
// to the first painted frame and exit, and peak resident memory.
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

struct Series {
    std::string name;
    const char *program;
    std::vector<double> time;
    std::vector<long> memory;

    void add(const Run &run)
    {
        time.push_back(run.milliseconds);
        memory.push_back(run.peakKiB);
    }
    double medianTime() const { return median(time); }
    double medianMiB() const { return median(memory) / 1024.0; }
};

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench RUNS NAME=HARNESS NAME=BASELINE...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Series> series;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        series.push_back({argument.substr(0, equals), argv[i] + equals + 1, {}, {}});
    }
    for (const Series &each : series) // warm the file cache for all
        runOnce(each.program);
    for (int i = 0; i < runs; ++i)
        for (Series &each : series)
            each.add(runOnce(each.program));

    std::printf("start-up to first frame, %d alternated runs each, medians\n", runs);
    for (const Series &each : series)
        std::printf("  %-22s %7.1f ms  %7.1f MiB\n", each.name.c_str(), each.medianTime(), each.medianMiB());
    const Series &tool = series[0];
    for (size_t i = 1; i < series.size(); ++i)
        std::printf("ratio vs %s: time %.2fx, memory %.2fx\n", series[i].name.c_str(),
                    tool.medianTime() / series[i].medianTime(), tool.medianMiB() / series[i].medianMiB());
    return 0;
}
