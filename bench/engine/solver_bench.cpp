// The solver over the survey's deal numbers (1000 + 137 k, k = 0 to 199) of
// FreeCell, Thoughtful, Klondike, Golf, Black Hole, TriPeaks, the Pyramid
// family, Fourteen Out, Elevens, Tens, Fifteens, Eighteens, Forty Thieves,
// King Albert, Canfield, La Belle Lucie, Gypsy, Sir Tommy, Calculation and Alhambra, of deals 1 to
// 200 of Spider and Scorpion, and of the first 10 survey deals of a game of each family the search
// of actions plays
// (--benchmark_filter=actions): wins, the median time of a deal, positions a second and bytes a
// stored position, for the fast searches and for the gesture search they replaced. Run from bin/
// (GAMES.DAT):
//   bench/vellomir_solver_bench --benchmark_filter=Fast
// The gesture search takes seconds a deal; its runs take the first deals only.
// Times are the processor time of the search (median_ms a deal); a line
// found is replayed through the pointer input within that time.

#include "cli/console_frontend.h"
#include "cli/play_command.h"
#include "engine/play/play_engine.h"
#include "engine/solver/solver.h"
#include "table/program_state.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

namespace vellomir::engine {
namespace {

constexpr int kSurveyFirst = 1000;
constexpr int kSurveyStep = 137;
constexpr int kFreeCell = 10;
constexpr int kThoughtful = 3;
constexpr int kKlondike = 1;
constexpr int kSpider = 73;
constexpr int kScorpion = 75;
constexpr int kGolf = 44;
constexpr int kBlackHole = 45;
constexpr int kTriPeaks = 108;
constexpr int kFortyThieves = 27;
constexpr int kMaria = 30;
constexpr int kStreets = 57;
constexpr int kJosephine = 56;
constexpr int kKingAlbert = 67;
constexpr int kCanfield = 24;
constexpr int kPyramid = 36;
constexpr int kAcesUp = 46;
constexpr int kRoyalMarriage = 38;
constexpr int kPyramidOnePass = 53;
constexpr int kPyramidEndless = 54;
constexpr int kFourteenOut = 39;
constexpr int kTens = 41;
constexpr int kFifteens = 42;
constexpr int kEighteens = 43;
constexpr int kMonteCarlo = 37;
constexpr int kElevens = 40;
constexpr int kSirTommy = 48;
constexpr int kCalculation = 49;
constexpr int kPutInOrder5x5 = 89;
constexpr int kClock = 111;
constexpr int kMontana = 113;
constexpr int kLaBelleLucie = 105;
constexpr int kGypsy = 72;
constexpr int kAccordion = 114;
constexpr int kOsmosis = 103;
constexpr int kAuldLangSyne = 150;
constexpr int kStrategy = 151;
constexpr int kFrog = 164;
constexpr int kPictureGallery = 173;
constexpr int kAlhambra = 175;
constexpr int kNestor = 155;
constexpr int kAlgerianPatience = 117;
constexpr int kThreeShufflesAndADraw = 169;

std::string dealText(int deal) {
    const std::string digits = std::to_string(deal);
    return std::string(13 - digits.size(), '0') + digits;
}

std::string surveyDeal(int k) {
    return dealText(kSurveyFirst + kSurveyStep * k);
}

// The processor time of this thread: the machine the figures are taken on
// is shared, so wall-clock time would measure the other programs too.
double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Searches deals 0 .. deals-1 of the survey once per iteration, or with
// `fromOne` the deal numbers 1 .. deals; `fastPositions` bounds the fast
// search (0 for its default).
void solveSurvey(benchmark::State& state, int game, bool fast, bool fromOne = false,
                 long fastPositions = 0) {
    const int deals = static_cast<int>(state.range(0));
    std::ostringstream quiet;
    tools::ConsoleFrontend frontend(quiet);
    long wins = 0;
    long unsolved = 0;
    long positions = 0;
    double bytes = 0;
    long positionsWithBytes = 0;
    double seconds = 0;
    std::vector<double> times;
    for (auto _ : state) {
        for (int k = 0; k < deals; ++k) {
            table::ProgramState dealt(VELLOMIR_BIN_DIR "/");
            dealt.random.seed(1);
            PlayEngine engine(dealt, frontend);
            const std::string deal = fromOne ? dealText(k + 1) : surveyDeal(k);
            if (!tools::dealForPlay(engine, game, deal, false, quiet)) {
                state.SkipWithError("the game cannot be dealt (GAMES.DAT in bin/?)");
                return;
            }
            SolveLimits limits;
            limits.fastSearch = fast;
            limits.gestureSearch = !fast;
            limits.fastPositions = fastPositions;
            const double start = threadSeconds();
            const SolveResult result = solveDeal(dealt, frontend, limits);
            const double took = threadSeconds() - start;
            times.push_back(took);
            seconds += took;
            wins += result.outcome == SolveOutcome::Solved ? 1 : 0;
            unsolved += result.outcome == SolveOutcome::Unsolved ? 1 : 0;
            positions += result.positions;
            if (result.storedBytes > 0) {
                bytes += static_cast<double>(result.storedBytes);
                positionsWithBytes += result.positions;
            }
        }
    }
    std::sort(times.begin(), times.end());
    const double runs = static_cast<double>(state.iterations());
    state.counters["deals"] = deals;
    state.counters["wins"] = static_cast<double>(wins) / runs;
    state.counters["unsolved"] = static_cast<double>(unsolved) / runs;
    state.counters["median_ms"] = times.empty() ? 0 : 1000 * times[times.size() / 2];
    state.counters["positions_per_s"] = seconds > 0 ? static_cast<double>(positions) / seconds : 0;
    state.counters["bytes_per_position"] =
        positionsWithBytes > 0 ? bytes / static_cast<double>(positionsWithBytes) : 0;
}

void fastFreeCell(benchmark::State& state) {
    solveSurvey(state, kFreeCell, true);
}
void fastThoughtful(benchmark::State& state) {
    solveSurvey(state, kThoughtful, true);
}
void fastKlondike(benchmark::State& state) {
    solveSurvey(state, kKlondike, true);
}
// Spider (four suits) and Scorpion on deals 1 to 200: the foundations take
// whole suit runs, the stock deals onto the tableaus.
void fastSpider(benchmark::State& state) {
    solveSurvey(state, kSpider, true, true);
}
void fastScorpion(benchmark::State& state) {
    solveSurvey(state, kScorpion, true, true);
}
// The discard games (Golf, Black Hole, TriPeaks): every deal searched out.
void fastGolf(benchmark::State& state) {
    solveSurvey(state, kGolf, true);
}
void fastBlackHole(benchmark::State& state) {
    solveSurvey(state, kBlackHole, true);
}
void fastTriPeaks(benchmark::State& state) {
    solveSurvey(state, kTriPeaks, true);
}
// The pairing games of free cards (the Pyramid family, Fourteen Out):
// every deal searched out.
void fastPyramid(benchmark::State& state) {
    solveSurvey(state, kPyramid, true);
}
void fastPyramidOnePass(benchmark::State& state) {
    solveSurvey(state, kPyramidOnePass, true);
}
void fastPyramidEndless(benchmark::State& state) {
    solveSurvey(state, kPyramidEndless, true);
}
void fastFourteenOut(benchmark::State& state) {
    solveSurvey(state, kFourteenOut, true);
}
// Monte Carlo: a whole turn (the pairs taken before a click) a position,
// every deal searched out. Aces Up: its own search, a deal bounded to about
// a tenth of a second as in the survey (a lost deal runs to millions of
// positions).
void fastMonteCarlo(benchmark::State& state) {
    solveSurvey(state, kMonteCarlo, true);
}
constexpr long kAcesUpPositions = 120000;
void fastAcesUp(benchmark::State& state) {
    solveSurvey(state, kAcesUp, true, false, kAcesUpPositions);
}
// Accordion: the top cards of the line and the stock left a position, a
// deal bounded to about a tenth of a second as in the survey.
constexpr long kAccordionPositions = 100000;
void fastAccordion(benchmark::State& state) {
    solveSurvey(state, kAccordion, true, false, kAccordionPositions);
}
// Royal Marriage: the cards gone from the line and the cards dealt a
// position, bounded as Accordion.
void fastRoyalMarriage(benchmark::State& state) {
    solveSurvey(state, kRoyalMarriage, true, false, kAccordionPositions);
}
// Montana: the places of the rows and the redeals made a position (a
// 64-bit key), bounded as Accordion.
void fastMontana(benchmark::State& state) {
    solveSurvey(state, kMontana, true, false, kAccordionPositions);
}
// The 5 x 5 sliding puzzle: the card in each place a position, best
// first, bounded as Accordion.
void fastPutInOrder(benchmark::State& state) {
    solveSurvey(state, kPutInOrder5x5, true, false, kAccordionPositions);
}
// The games whose cards only go up: the engine's own moves on copies of
// the table, each position a fingerprint; Osmosis sends every card at
// once, Auld Lang Syne (its own search of the piles the stock deals to)
// only the cards no other could want the place of.
// A deal bounded to about a tenth of a second.
constexpr long kEngineMovePositions = 5000;
void fastOsmosis(benchmark::State& state) {
    solveSurvey(state, kOsmosis, true, false, kEngineMovePositions);
}
void fastAuldLangSyne(benchmark::State& state) {
    solveSurvey(state, kAuldLangSyne, true, false, kEngineMovePositions);
}
// Strategy: the piles' cards in sorted order a position, lines placing
// cards at random, then wider passes.
void fastStrategy(benchmark::State& state) {
    solveSurvey(state, kStrategy, true, false, kAccordionPositions);
}
// Frog: the waste-pile search with the reserve, its long keys hashed.
void fastFrog(benchmark::State& state) {
    solveSurvey(state, kFrog, true, false, kAccordionPositions);
}
// Picture Gallery: the gallery games' own search, each position a hashed key.
void fastPictureGallery(benchmark::State& state) {
    solveSurvey(state, kPictureGallery, true, false, kAccordionPositions);
}
// Alhambra: its own search of the reserves and the waste built on, its
// talon's keys hashed; a deal bounded to about a tenth of a second.
constexpr long kAlhambraPositions = 300000;
void fastAlhambra(benchmark::State& state) {
    solveSurvey(state, kAlhambra, true, false, kAlhambraPositions);
}
// The adding games whose places refill from the stock.
void fastElevens(benchmark::State& state) {
    solveSurvey(state, kElevens, true);
}
void fastTens(benchmark::State& state) {
    solveSurvey(state, kTens, true);
}
void fastFifteens(benchmark::State& state) {
    solveSurvey(state, kFifteens, true);
}
void fastEighteens(benchmark::State& state) {
    solveSurvey(state, kEighteens, true);
}
// Two packs, a stock turned one card at a time onto a waste that is never
// turned back: the Forty Thieves family.
void fastFortyThieves(benchmark::State& state) {
    solveSurvey(state, kFortyThieves, true);
}
// The fans dealt again twice, shuffled (La Belle Lucie), each deal bounded
// to about a tenth of a second as in the survey: the redeal is a move.
constexpr long kFanFamilyPositions = 30000;
void fastLaBelleLucie(benchmark::State& state) {
    solveSurvey(state, kLaBelleLucie, true, false, kFanFamilyPositions);
}
// The same with a draw from under a fan's top card (Three Shuffles and a
// Draw).
void fastThreeShufflesAndADraw(benchmark::State& state) {
    solveSurvey(state, kThreeShufflesAndADraw, true, false, kFanFamilyPositions);
}
// Nestor: pairs of one rank from the columns' tops, every deal searched out.
void fastNestor(benchmark::State& state) {
    solveSurvey(state, kNestor, true);
}
// Algerian Patience: two packs, a stock that deals onto free cells that
// hold piles, each deal bounded to about a tenth of a second.
constexpr long kAlgerianPositions = 60000;
void fastAlgerianPatience(benchmark::State& state) {
    solveSurvey(state, kAlgerianPatience, true, false, kAlgerianPositions);
}
// Two packs, a stock that deals a card onto each tableau (Gypsy), each deal
// bounded to about a tenth of a second as in the survey.
constexpr long kGypsyFamilyPositions = 40000;
void fastGypsy(benchmark::State& state) {
    solveSurvey(state, kGypsy, true, false, kGypsyFamilyPositions);
}
// The same family with each deal bounded to about a tenth of a second, as in
// the survey: Forty Thieves, Streets (alternate colours) and Maria (nine
// tableaus, alternate colours).
constexpr long kFortyThievesFamilyPositions = 45000;
void fastFortyThievesTenth(benchmark::State& state) {
    solveSurvey(state, kFortyThieves, true, false, kFortyThievesFamilyPositions);
}
void fastStreets(benchmark::State& state) {
    solveSurvey(state, kStreets, true, false, kFortyThievesFamilyPositions);
}
void fastMaria(benchmark::State& state) {
    solveSurvey(state, kMaria, true, false, kFortyThievesFamilyPositions);
}
// Josephine: the same family where built runs move together.
void fastJosephine(benchmark::State& state) {
    solveSurvey(state, kJosephine, true, false, kFortyThievesFamilyPositions);
}
// A reserve the cards leave one by one and no card enters.
void fastKingAlbert(benchmark::State& state) {
    solveSurvey(state, kKingAlbert, true);
}
// A reserve pile that fills the spaces, a stock turned three cards at a time.
void fastCanfield(benchmark::State& state) {
    solveSurvey(state, kCanfield, true);
}
// Builders with waste piles (Sir Tommy, Calculation): where each card of
// the stock goes. A deal is bounded to kWastePilesPositions positions, about
// a tenth of a second, as in the survey.
constexpr long kWastePilesPositions = 50000;
void fastSirTommy(benchmark::State& state) {
    solveSurvey(state, kSirTommy, true, false, kWastePilesPositions);
}
void fastCalculation(benchmark::State& state) {
    solveSurvey(state, kCalculation, true, false, kWastePilesPositions);
}
// The search of actions (every game the searches above do not play), a
// row per family, each deal bounded to kActionPositions positions (at its
// default a deal may take a minute): selections of pairs (the Pyramid,
// Monte Carlo, Elevens and sliding puzzle rows are the fast searches of
// those games since they play them) and the Clock.
constexpr long kActionPositions = 5000;
void actionsPyramid(benchmark::State& state) {
    solveSurvey(state, kPyramid, true, false, kActionPositions);
}
void actionsMonteCarlo(benchmark::State& state) {
    solveSurvey(state, kMonteCarlo, true, false, kActionPositions);
}
void actionsElevens(benchmark::State& state) {
    solveSurvey(state, kElevens, true, false, kActionPositions);
}
void actionsClock(benchmark::State& state) {
    solveSurvey(state, kClock, true, false, kActionPositions);
}
// The gesture search in the same games, for comparison.
void gesturePyramid(benchmark::State& state) {
    solveSurvey(state, kPyramid, false);
}
void gestureCalculation(benchmark::State& state) {
    solveSurvey(state, kCalculation, false);
}
void gestureMontana(benchmark::State& state) {
    solveSurvey(state, kMontana, false);
}
void gestureFreeCell(benchmark::State& state) {
    solveSurvey(state, kFreeCell, false);
}
void gestureThoughtful(benchmark::State& state) {
    solveSurvey(state, kThoughtful, false);
}
void gestureKlondike(benchmark::State& state) {
    solveSurvey(state, kKlondike, false);
}
void gestureBlackHole(benchmark::State& state) {
    solveSurvey(state, kBlackHole, false);
}

constexpr int kSurveyDeals = 200;
constexpr int kGestureDeals = 20;
constexpr int kActionDeals = 10;
constexpr int kGestureActionDeals = 3;

BENCHMARK(fastFreeCell)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastThoughtful)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastKlondike)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastSpider)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastScorpion)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastGolf)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastBlackHole)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastTriPeaks)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastPyramid)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastPyramidOnePass)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastPyramidEndless)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastFourteenOut)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastMonteCarlo)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastAcesUp)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastAccordion)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastRoyalMarriage)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastMontana)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastPutInOrder)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastOsmosis)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastAuldLangSyne)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastStrategy)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastFrog)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastPictureGallery)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastAlhambra)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastElevens)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastTens)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastFifteens)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastEighteens)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastFortyThieves)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastFortyThievesTenth)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastLaBelleLucie)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastThreeShufflesAndADraw)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastNestor)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastAlgerianPatience)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastGypsy)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastStreets)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastMaria)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastJosephine)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastKingAlbert)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastCanfield)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastSirTommy)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(fastCalculation)->Arg(kSurveyDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(actionsPyramid)->Arg(kActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(actionsMonteCarlo)->Arg(kActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(actionsElevens)->Arg(kActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(actionsClock)->Arg(kActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gesturePyramid)->Arg(kGestureActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureCalculation)->Arg(kGestureActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureMontana)->Arg(kGestureActionDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureFreeCell)->Arg(kGestureDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureThoughtful)->Arg(kGestureDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureKlondike)->Arg(kGestureDeals)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(gestureBlackHole)->Arg(kGestureDeals)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace vellomir::engine
