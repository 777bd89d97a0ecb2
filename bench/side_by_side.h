#pragma once
// Two builds of one benchmark side by side on the same machine: each run as a process of its
// own, in turn (A B A B ...), and their figures compared: each figure's median for either build
// and the ratio A/B taken pair by pair, whose median is the one to quote (a drift of the
// machine's speed between two pairs cancels out in it).
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "bench/process_support.h"

namespace zrv::bench {

// A benchmark's figures read from what it printed, in the order to show them.
using Figures = std::vector<std::pair<std::string, double>>;
using FigureReader = std::function<Figures(const std::string& output)>;

// Runs a program to its end; what it printed on its standard output.
inline std::string output_of(const std::vector<std::string>& args) {
    int fd = -1;
    const pid_t pid = spawn(args, &fd);
    std::string out;
    if (pid <= 0) return out;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    waitpid(pid, nullptr, 0);
    return out;
}

inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Runs `a` and `b` `rounds` times in turn and prints each run's figures, then per figure the
// medians and the ratio A/B (median, lowest and highest of the pairs). 1 when a run printed
// none of its figures.
inline int side_by_side(const std::vector<std::string>& a, const std::vector<std::string>& b, int rounds, const FigureReader& read) {
    std::printf("side by side, in turn A B, %d rounds:\n  A: %s\n  B: %s\n", rounds, a[0].c_str(), b[0].c_str());
    std::fflush(stdout);
    std::vector<std::string> names;
    std::vector<std::vector<double>> values_a, values_b, ratios;
    const auto take = [&](const Figures& figures, std::vector<std::vector<double>>& into) {
        for (const auto& [name, value] : figures) {
            auto at = std::find(names.begin(), names.end(), name);
            if (at == names.end()) {
                names.push_back(name);
                values_a.emplace_back();
                values_b.emplace_back();
                ratios.emplace_back();
                at = names.end() - 1;
            }
            into[static_cast<std::size_t>(at - names.begin())].push_back(value);
        }
    };
    for (int round = 1; round <= rounds; ++round) {
        const Figures fa = read(output_of(a)), fb = read(output_of(b));
        if (fa.empty() || fb.empty()) {
            std::fprintf(stderr, "side by side: round %d: %s printed no figures\n", round, (fa.empty() ? a : b)[0].c_str());
            return 1;
        }
        take(fa, values_a);
        take(fb, values_b);
        for (const auto& [name, value] : fa) {
            const auto other = std::find_if(fb.begin(), fb.end(), [&](const auto& f) { return f.first == name; });
            const std::size_t i = static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
            if (other != fb.end() && other->second != 0) ratios[i].push_back(value / other->second);
        }
        std::printf("round %d:", round);
        for (std::size_t i = 0; i < names.size(); ++i)
            if (!values_a[i].empty() && !values_b[i].empty())
                std::printf("  %s %.2f/%.2f", names[i].c_str(), values_a[i].back(), values_b[i].back());
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("%-34s %10s %10s %10s %16s\n", "figure", "A median", "B median", "A/B", "A/B min-max");
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::printf("%-34s %10.2f %10.2f", names[i].c_str(), median(values_a[i]), median(values_b[i]));
        if (ratios[i].empty()) {
            std::printf(" %10s %16s\n", "-", "-");
            continue;
        }
        const auto [low, high] = std::minmax_element(ratios[i].begin(), ratios[i].end());
        std::printf(" %10.3f %7.3f-%.3f\n", median(ratios[i]), *low, *high);
    }
    return 0;
}

}  // namespace zrv::bench
