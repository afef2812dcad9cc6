#include "report/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace radirav {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double Fraction(double value, double from, double to, bool logarithmic) {
    if (!logarithmic)
        return (value - from) / (to - from);
    if (!(value > 0) || !(from > 0) || !(to > 0))
        return kNaN;
    return (std::log10(value) - std::log10(from)) / (std::log10(to) - std::log10(from));
}

bool Finite(PlotPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Liang-Barsky: the part of the segment a-b inside `box` as parameters t0 <= t1 of a + t (b - a).
bool ClipSegment(PlotPoint a, PlotPoint b, const Box& box, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - box.left, box.Right() - a.x, a.y - box.top, box.Bottom() - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    return true;
}

PlotPoint At(PlotPoint a, PlotPoint b, double t) {
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Twice the signed area of the triangle a, b, c: which side of a-b the point c lies on.
double Turn(PlotPoint a, PlotPoint b, PlotPoint c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Whether the segments a-b and c-d cross or touch.
bool SegmentsMeet(PlotPoint a, PlotPoint b, PlotPoint c, PlotPoint d) {
    const double d1 = Turn(c, d, a), d2 = Turn(c, d, b), d3 = Turn(a, b, c), d4 = Turn(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    const auto within = [](PlotPoint p, PlotPoint q, PlotPoint r) {
        return std::min(p.x, q.x) <= r.x && r.x <= std::max(p.x, q.x) && std::min(p.y, q.y) <= r.y &&
               r.y <= std::max(p.y, q.y);
    };
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) || (d3 == 0 && within(a, b, c)) ||
           (d4 == 0 && within(a, b, d));
}

} // namespace

bool Box::Intersects(const Box& other) const {
    return left < other.Right() && other.left < Right() && top < other.Bottom() && other.top < Bottom();
}

bool Box::Contains(const Box& other) const {
    return other.left >= left && other.Right() <= Right() && other.top >= top && other.Bottom() <= Bottom();
}

double PlotFrame::ScreenX(double x) const {
    return left + Fraction(x, xFrom, xTo, logX) * width;
}

double PlotFrame::ScreenY(double y) const {
    return top + height - Fraction(y, yFrom, yTo, logY) * height;
}

std::vector<double> AxisTicks(double from, double to, int maxCount, double minStep) {
    std::vector<double> ticks;
    if (!(to > from) || maxCount < 2)
        return {from};
    const double rough = (to - from) / (maxCount - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power * 10;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (power * factor >= rough * (1 - 1e-9)) {
            step = power * factor;
            break;
        }
    }
    step = std::max(step, minStep);
    // A width below the smallest double or beyond the largest leaves no usable step.
    if (!(step > 0) || !std::isfinite(step))
        return {from};
    // Whole multiples of the step, so 0.1 + 0.2 prints as 0.3. The count is bounded by maxCount
    // rather than by k: far from zero k + 1 can round back to k (a range a few ulps wide).
    const double first = std::ceil(from / step - 1e-9);
    for (int i = 0; i < maxCount; ++i) {
        const double tick = (first + i) * step;
        if (tick > to + step * 1e-9 || !std::isfinite(tick)) // the tolerance itself may overflow
            break;
        if (ticks.empty() || tick > ticks.back())
            ticks.push_back(tick == 0 ? 0.0 : tick);
    }
    if (ticks.empty())
        ticks.push_back(from);
    return ticks;
}

std::vector<double> DecadeTicks(double from, double to) {
    std::vector<double> ticks;
    if (!(from > 0) || !(to >= from) || !std::isfinite(to))
        return ticks;
    for (int exponent = static_cast<int>(std::ceil(std::log10(from) - 1e-9));
         exponent <= static_cast<int>(std::floor(std::log10(to) + 1e-9)) && ticks.size() < 40; ++exponent)
        ticks.push_back(std::pow(10.0, exponent));
    return ticks;
}

Polyline SampledInLogX(const Polyline& line, int pointsPerSegment) {
    Polyline sampled;
    for (std::size_t i = 0; i < line.size(); ++i) {
        sampled.push_back(line[i]);
        if (i + 1 == line.size())
            break;
        const PlotPoint a = line[i], b = line[i + 1];
        if (!(a.x > 0) || !(b.x > 0) || a.x == b.x)
            continue;
        const double la = std::log10(a.x), lb = std::log10(b.x);
        for (int k = 1; k < pointsPerSegment; ++k) {
            const double x = std::pow(10.0, la + (lb - la) * k / pointsPerSegment);
            sampled.push_back({x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)});
        }
    }
    return sampled;
}

std::vector<Polyline> ClipToBox(const Polyline& line, const Box& box) {
    std::vector<Polyline> pieces;
    Polyline open; // the piece being drawn, ending inside the box
    auto close = [&] {
        if (open.size() >= 2)
            pieces.push_back(open);
        open.clear();
    };
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const PlotPoint a = line[i], b = line[i + 1];
        double t0 = 0, t1 = 0;
        if (!Finite(a) || !Finite(b) || !ClipSegment(a, b, box, t0, t1)) {
            close();
            continue;
        }
        const PlotPoint from = At(a, b, t0), to = At(a, b, t1);
        if (open.empty() || t0 > 0) {
            close();
            open.push_back(from);
        }
        open.push_back(to);
        if (t1 < 1)
            close();
    }
    close();
    return pieces;
}

bool SegmentMeetsBox(PlotPoint a, PlotPoint b, const Box& box) {
    double t0 = 0, t1 = 0;
    return Finite(a) && Finite(b) && ClipSegment(a, b, box, t0, t1);
}

void LabelPlacer::AvoidLine(const Polyline& line) {
    lines_.push_back(line);
}

int LabelPlacer::Collisions(const Box& label) const {
    const Box box = label.Grown(clearance_);
    int count = 0;
    for (const Polyline& line : lines_) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (SegmentMeetsBox(line[i], line[i + 1], box)) {
                ++count;
                break;
            }
        }
    }
    for (const Box& other : boxes_)
        count += box.Intersects(other) ? 1 : 0;
    return count;
}

std::optional<std::pair<PlotPoint, PlotPoint>> LabelPlacer::LeaderTo(const Box& box, const Polyline& named,
                                                                     double leaderFrom) const {
    if (named.empty())
        return std::nullopt;
    // The point of the named segment nearest the label's centre, and the label's point nearest it.
    const PlotPoint centre{box.left + box.width / 2, box.top + box.height / 2};
    const PlotPoint a = named.front(), b = named.back();
    const double dx = b.x - a.x, dy = b.y - a.y, length2 = dx * dx + dy * dy;
    const double t =
        length2 > 0 ? std::clamp(((centre.x - a.x) * dx + (centre.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    const PlotPoint from = At(a, b, t);
    const PlotPoint to{std::clamp(from.x, box.left, box.Right()), std::clamp(from.y, box.top, box.Bottom())};
    if (std::hypot(to.x - from.x, to.y - from.y) <= leaderFrom)
        return std::nullopt;
    return std::pair{from, to};
}

int LabelPlacer::LeaderCollisions(const std::pair<PlotPoint, PlotPoint>& leader) const {
    int count = 0;
    for (const Box& other : boxes_)
        count += SegmentMeetsBox(leader.first, leader.second, other.Grown(clearance_)) ? 1 : 0;
    // Lines it crosses, the one it starts on aside: it is tried from a little past its start.
    const double length = std::hypot(leader.second.x - leader.first.x, leader.second.y - leader.first.y);
    if (length <= 0)
        return count;
    const PlotPoint start = At(leader.first, leader.second, std::min(1.0, (clearance_ + 1.5) / length));
    for (const Polyline& line : lines_) {
        for (std::size_t i = 0; i + 1 < line.size(); ++i) {
            if (SegmentsMeet(start, leader.second, line[i], line[i + 1])) {
                ++count;
                break;
            }
        }
    }
    return count;
}

LabelPlacer::Placed LabelPlacer::Place(double width, double height, const std::vector<PlotPoint>& corners,
                                       const Polyline& named, double leaderFrom) {
    std::optional<Placed> best;
    int fewest = std::numeric_limits<int>::max();
    for (const PlotPoint corner : corners) {
        const Box box{corner.x, corner.y, width, height};
        if (!bounds_.Contains(box))
            continue;
        const auto leader = LeaderTo(box, named, leaderFrom);
        int collisions = Collisions(box);
        if (leader)
            collisions += LeaderCollisions(*leader);
        if (collisions < fewest) {
            best = Placed{box, leader};
            fewest = collisions;
        }
        if (collisions == 0)
            break;
    }
    if (!best) {
        const Box box{corners.empty() ? bounds_.left : corners.front().x,
                      corners.empty() ? bounds_.top : corners.front().y, width, height};
        best = Placed{box, LeaderTo(box, named, leaderFrom)};
    }
    boxes_.push_back(best->box);
    if (best->leader)
        lines_.push_back({best->leader->first, best->leader->second});
    return *best;
}

std::vector<PlotPoint> CornersAround(PlotPoint anchor, double width, double height,
                                     const std::vector<double>& gaps) {
    std::vector<PlotPoint> corners;
    for (const double g : gaps) {
        const double right = anchor.x + g, left = anchor.x - g - width;
        const double above = anchor.y - g - height, below = anchor.y + g;
        const double middleX = anchor.x - width / 2, middleY = anchor.y - height / 2;
        corners.insert(corners.end(), {{right, middleY},
                                       {right, above},
                                       {middleX, above},
                                       {left, above},
                                       {left, middleY},
                                       {left, below},
                                       {middleX, below},
                                       {right, below}});
    }
    return corners;
}

} // namespace radirav
