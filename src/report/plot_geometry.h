#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace radirav {

// A point of a plot: in data units (mole fractions on the y-x diagram, trays or R elsewhere)
// or, once mapped, in drawing units (pixels, y downwards).
struct PlotPoint {
    double x = 0, y = 0;
    bool operator==(const PlotPoint&) const = default;
};
using Polyline = std::vector<PlotPoint>;

// A rectangle of drawing units, y downwards.
struct Box {
    double left = 0, top = 0, width = 0, height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    bool Intersects(const Box& other) const;
    bool Contains(const Box& other) const;
    Box Grown(double by) const { return {left - by, top - by, width + 2 * by, height + 2 * by}; }
};

// A data range drawn into a rectangle of drawing units; y grows upwards in data, downwards on
// the screen. A logarithmic axis maps decades evenly; a value at or below zero has no place on
// it and maps to NaN.
struct PlotFrame {
    double left = 0, top = 0, width = 1, height = 1;
    double xFrom = 0, xTo = 1, yFrom = 0, yTo = 1;
    bool logX = false, logY = false;

    double ScreenX(double x) const;
    double ScreenY(double y) const;
    PlotPoint Screen(PlotPoint p) const { return {ScreenX(p.x), ScreenY(p.y)}; }
    Box Area() const { return {left, top, width, height}; }
};

// Round tick values (1, 2 or 5 times a power of ten apart, never closer than `minStep`) covering
// [from, to] with at most `maxCount` ticks.
std::vector<double> AxisTicks(double from, double to, int maxCount, double minStep = 0);

// The powers of ten in [from, to] (both positive), for a logarithmic axis.
std::vector<double> DecadeTicks(double from, double to);

// `line` with points added along each segment, evenly in log10(x) (x > 0 at both ends), so that
// a straight line in data units is drawn as the curve it is on a logarithmic x axis.
Polyline SampledInLogX(const Polyline& line, int pointsPerSegment);

// The pieces of `line` (drawing units) inside `box`: segments are cut at its edges and a point
// that is not finite breaks the line.
std::vector<Polyline> ClipToBox(const Polyline& line, const Box& box);

// Whether the segment from `a` to `b` passes through `box` (its edges included).
bool SegmentMeetsBox(PlotPoint a, PlotPoint b, const Box& box);

// Places labels one after the other, each clear (by `clearance` all round) of the lines and
// boxes it is told to avoid and of the labels placed before it.
class LabelPlacer {
public:
    explicit LabelPlacer(const Box& bounds, double clearance = 0) : bounds_(bounds), clearance_(clearance) {}

    void AvoidLine(const Polyline& line);
    void AvoidBox(const Box& box) { boxes_.push_back(box); }

    // A placed label, and the thin line joining it to what it names when it stands off.
    struct Placed {
        Box box;
        std::optional<std::pair<PlotPoint, PlotPoint>> leader;
    };

    // The first of `corners` (top-left corners of a `width` x `height` label) inside the bounds
    // and clear of everything avoided; failing that, the one inside the bounds that meets the
    // fewest things (the first of those), or the first corner. `named` is the point or the
    // segment the label names: a label farther from it than `leaderFrom` gets a leader, which
    // must not run under an avoided box nor cross an avoided line either. The label and its leader are
    // avoided from then on.
    Placed Place(double width, double height, const std::vector<PlotPoint>& corners,
                 const Polyline& named = {}, double leaderFrom = 0);

    // How many avoided lines and boxes `box`, grown by the clearance, meets.
    int Collisions(const Box& box) const;
    // How many avoided boxes (grown by the clearance) and lines a leader meets, the line it
    // starts on aside.
    int LeaderCollisions(const std::pair<PlotPoint, PlotPoint>& leader) const;

private:
    std::optional<std::pair<PlotPoint, PlotPoint>> LeaderTo(const Box& box, const Polyline& named,
                                                            double leaderFrom) const;

    Box bounds_;
    double clearance_;
    std::vector<Polyline> lines_;
    std::vector<Box> boxes_;
};

// Top-left corners for a `width` x `height` label next to `anchor`: right, above right, above,
// above left, left, below left, below and below right of it, for each gap in turn.
std::vector<PlotPoint> CornersAround(PlotPoint anchor, double width, double height,
                                     const std::vector<double>& gaps);

} // namespace radirav
