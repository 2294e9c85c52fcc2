// The console reporter of the benchmarks, keeping each run's rate in millions of items per second (the
// median's, for repeated runs) so that a summary can set routines side by side.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class rate_reporter_t : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
                continue;
            }
            const auto found = run.counters.find("items_per_second");
            if (found != run.counters.end()) {
                rates[run.run_name.function_name] = found->second.value / 1e6;
            }
        }
    }

    // The rate of a benchmark by name, 0 when it did not run.
    double rate(const std::string& name) const {
        const auto found = rates.find(name);
        return found == rates.end() ? 0.0 : found->second;
    }

    std::map<std::string, double> rates;
};
