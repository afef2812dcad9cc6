#include "report/study_plot.h"

#include "calc/reflux_sweep.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace radirav {

namespace {

// The two tray types stand at 0 and 1; each has a unit of its own round it.
constexpr double kCategoryHalfWidth = 0.5;

std::vector<std::size_t> AscendingOrder(const std::vector<StudyRow>& rows) {
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return rows[a].value < rows[b].value; });
    return order;
}

// Where the rows at `low` and `high` (one working, one not) part: the end of the working piece
// that lies between them, found by bisection when the study was made, else halfway. Tray types
// are categories and part halfway.
double PartingBetween(const InputStudy& study, double low, double high, bool lowWorks) {
    if (study.input.kind == StudiedKind::TrayType)
        return 0.5 * (low + high);
    for (const ValueRange& piece : study.working) {
        const double edge = lowWorks ? piece.to : piece.from;
        if (edge >= low && edge <= high && edge != (lowWorks ? high : low))
            return edge;
    }
    return 0.5 * (low + high);
}

// A round top for an axis from zero holding `largest`: the last tick, one step more when the
// ticks stop short of it.
std::vector<double> TicksFromZero(double largest, int count) {
    std::vector<double> ticks = AxisTicks(0, largest, count);
    if (ticks.size() >= 2 && ticks.back() < largest)
        ticks.push_back(2 * ticks.back() - ticks[ticks.size() - 2]);
    return ticks;
}

} // namespace

StudyCurves BuildStudyCurves(const InputStudy& study) {
    StudyCurves curves;
    const std::vector<StudyRow>& rows = study.rows;
    const std::vector<std::size_t> order = AscendingOrder(rows);
    if (order.empty())
        return curves;
    const bool trayType = study.input.kind == StudiedKind::TrayType;
    curves.from = rows[order.front()].value - (trayType ? kCategoryHalfWidth : 0);
    curves.to = rows[order.back()].value + (trayType ? kCategoryHalfWidth : 0);
    const bool reflux = study.input == kStudiedReflux;

    bool broken = true;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const StudyRow& row = rows[order[k]];
        if (!row.Works()) {
            broken = true;
            const double from = k == 0 ? curves.from
                                       : PartingBetween(study, rows[order[k - 1]].value, row.value,
                                                        rows[order[k - 1]].Works());
            const double to = k + 1 == order.size()
                                  ? curves.to
                                  : PartingBetween(study, row.value, rows[order[k + 1]].value, false);
            if (!curves.failing.empty() && curves.failing.back().cause == row.cause &&
                curves.failing.back().to >= from)
                curves.failing.back().to = to;
            else
                curves.failing.push_back({from, to, row.cause});
            continue;
        }
        if (broken) {
            curves.trays.emplace_back();
            curves.feed.emplace_back();
            if (reflux)
                curves.volume.emplace_back();
            broken = false;
        }
        curves.trays.back().push_back({row.value, static_cast<double>(row.trays)});
        curves.feed.back().push_back({row.value, static_cast<double>(row.feed)});
        curves.maxTrays = std::max(curves.maxTrays, static_cast<double>(row.trays));
        if (reflux) {
            const double volume = TraysTimesRefluxPlusOne(row);
            curves.volume.back().push_back({row.value, volume});
            curves.maxVolume = std::max(curves.maxVolume, volume);
        }
    }
    return curves;
}

StudyPlot PlanStudyPlot(const Box& area, const InputStudy& study, const StudyCurves& curves) {
    StudyPlot plot;
    plot.yTicks = TicksFromZero(std::max(10.0, curves.maxTrays), 6);
    double from = curves.from, to = curves.to;
    if (!(to > from)) {
        // One value: a little either side of it.
        const double half = from != 0 ? 0.1 * std::fabs(from) : 0.5;
        from -= half;
        to += half;
    }
    // The minimum reflux often lies just left of the range; the plot reaches back to show it.
    if (study.minimumReflux) {
        const double minimum = *study.minimumReflux;
        if (minimum < from && minimum > from - 0.25 * (to - from))
            from = minimum - 0.02 * (to - from);
    }
    plot.xTicks = study.input.kind == StudiedKind::TrayType
                      ? std::vector<double>{kBubbleCapValue, kSieveValue}
                      : AxisTicks(from, to, 9);
    plot.frame = {area.left, area.top, area.width, area.height, from, to, 0, plot.yTicks.back()};
    if (curves.maxVolume > 0) {
        plot.volumeTicks = TicksFromZero(curves.maxVolume, 6);
        PlotFrame volume = plot.frame;
        volume.yTo = plot.volumeTicks.back();
        plot.volumeFrame = volume;
    }
    return plot;
}

std::optional<std::size_t> StudyRowAt(const InputStudy& study, const StudyPlot& plot, PlotPoint where,
                                      double reach) {
    if (study.rows.empty() || !plot.frame.Area().Grown(reach).Contains({where.x, where.y, 0, 0}))
        return std::nullopt;
    std::optional<std::size_t> nearest;
    double distance = 0;
    for (std::size_t i = 0; i < study.rows.size(); ++i) {
        const double d = std::fabs(plot.frame.ScreenX(study.rows[i].value) - where.x);
        if (!nearest || d < distance) {
            nearest = i;
            distance = d;
        }
    }
    return nearest;
}

} // namespace radirav
