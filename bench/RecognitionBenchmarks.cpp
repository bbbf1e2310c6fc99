// Recognition costs: reducing a stroke to directions, and matching a freeform stroke against
// growing numbers of template rules at the full and the live sample count. Matching should stay
// well under 20 µs for 100 rules at 40 samples and grow linearly with the number of rules.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "Services/Capture/GesturePathSimplifier.h"
#include "Services/Capture/GestureTemplateMatcher.h"

namespace quillorbitex {
namespace {

// A wandering stroke of `count` points, 1 to 3 pixels apart, as a mouse reports it.
std::vector<Point> wanderingStroke(std::mt19937& rng, int count) {
    std::uniform_real_distribution<double> turn(-0.25, 0.25);
    std::uniform_real_distribution<double> step(1, 3);
    std::vector<Point> points{{400, 400}};
    double angle = 0;
    for (int i = 1; i < count; ++i) {
        angle += turn(rng);
        const double length = step(rng);
        const Point last = points.back();
        points.push_back({last.x + length * std::cos(angle), last.y + length * std::sin(angle)});
    }
    return points;
}

std::vector<GestureMapping> templateRules(int count) {
    std::mt19937 rng(7);
    const GestureTemplateMatcher matcher;
    std::vector<GestureMapping> rules;
    while (static_cast<int>(rules.size()) < count) {
        const auto made = matcher.makeTemplate(QStringLiteral("Rule"), wanderingStroke(rng, 120));
        if (!made) {
            continue;
        }
        rules.emplace_back(GestureDescriptor::fromTemplate(*made),
                           GestureAction::predefined(PredefinedAction::newTab),
                           QStringLiteral("notes"), std::nullopt, GestureMappingSource::custom,
                           true, std::vector<GestureAppScopeRule>{});
    }
    return rules;
}

void BM_Simplify1000Points(benchmark::State& state) {
    std::mt19937 rng(1);
    const std::vector<Point> stroke = wanderingStroke(rng, 1000);
    const GesturePathSimplifier simplifier;
    for (auto _ : state) {
        benchmark::DoNotOptimize(simplifier.simplify(stroke));
    }
}
BENCHMARK(BM_Simplify1000Points);

void bestMatch(benchmark::State& state, const GestureTemplateMatcher& matcher) {
    const std::vector<GestureMapping> rules = templateRules(static_cast<int>(state.range(0)));
    std::mt19937 rng(99);
    const std::vector<Point> stroke = wanderingStroke(rng, 150);
    for (auto _ : state) {
        benchmark::DoNotOptimize(matcher.bestMatch(stroke, rules, 0.18));
    }
    state.SetComplexityN(state.range(0));
}

void BM_BestMatch40Samples(benchmark::State& state) {
    bestMatch(state, GestureTemplateMatcher{});
}
BENCHMARK(BM_BestMatch40Samples)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

void BM_BestMatch20Samples(benchmark::State& state) {
    bestMatch(state, GestureTemplateMatcher{}.liveMatcher());
}
BENCHMARK(BM_BestMatch20Samples)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

}  // namespace
}  // namespace quillorbitex
