#include "table/deal_generation.h"

#include "catalogue/game_parameters.h"
#include "catalogue/parameter_index.h"
#include "settings/settings_record.h"
#include "support/recording_frontend.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace vellomir::table {
namespace {

// A fixed spread of deal numbers, so that every run measures the same deals.
std::vector<std::string> dealNumbers() {
    RandomGenerator random(42);
    settings::SettingsRecord settings;
    std::vector<std::string> numbers;
    for (int i = 0; i < 1024; ++i) {
        numbers.push_back(newDealNumber(random, settings));
    }
    return numbers;
}

void buildDeals(benchmark::State& state) {
    catalogue::GameParameters params;
    params.set(catalogue::param::CardCount, static_cast<int>(state.range(0)));
    testing::RecordingFrontend frontend;
    const std::vector<std::string> numbers = dealNumbers();
    std::size_t next = 0;
    for (auto _ : state) {
        DealArray slots = buildDealArray(numbers[next], params, frontend);
        benchmark::DoNotOptimize(slots.data());
        next = (next + 1) % numbers.size();
    }
}
BENCHMARK(buildDeals)->Arg(52)->Arg(104);

// A new deal as the set-up draws it: a fresh number, then its deal array.
void newDeal(benchmark::State& state) {
    catalogue::GameParameters params;
    params.set(catalogue::param::CardCount, static_cast<int>(state.range(0)));
    RandomGenerator random(7);
    settings::SettingsRecord settings;
    testing::RecordingFrontend frontend;
    for (auto _ : state) {
        const std::string number = newDealNumber(random, settings);
        DealArray slots = buildDealArray(number, params, frontend);
        benchmark::DoNotOptimize(slots.data());
    }
}
BENCHMARK(newDeal)->Arg(52)->Arg(104);

} // namespace
} // namespace vellomir::table
