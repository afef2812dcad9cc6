#include "screens/results/study_drawing.h"

#include "platform/regional_format.h"
#include "report/stop_text.h"
#include "report/study_plot.h"
#include "report/study_text.h"

#include <QRegularExpression>
#include <algorithm>

namespace radirav {
namespace {

using namespace diagram;

const QColor kTraysColor(0, 0, 200);
const QColor kFeedColor(230, 120, 0);
const QColor kVolumeColor(140, 0, 140);
const QColor kStudentColor(200, 0, 0);
const QColor kOptimumColor(0, 130, 0);
const QColor kPickedColor(0, 0, 0);
const QColor kWordsColor(0, 0, 128);

// Light fills for the bands where no column works, one for each cause of a study in the order
// the causes first appear along the input.
const QColor kBandColors[] = {{255, 210, 210}, {255, 236, 185}, {205, 228, 255}, {228, 212, 255},
                              {208, 242, 208}, {255, 210, 242}, {228, 228, 228}};

// A text of the core with the numbers' decimal points as the system writes them.
QString Regional(const std::string& text) {
    static const QRegularExpression point(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return QString::fromStdString(text).replace(point, QString(QLatin1Char(RegionalDecimalSeparator())));
}

std::vector<StopCause> CausesOf(const StudyCurves& curves) {
    std::vector<StopCause> causes;
    for (const FailingBand& band : curves.failing) {
        if (std::find(causes.begin(), causes.end(), band.cause) == causes.end())
            causes.push_back(band.cause);
    }
    return causes;
}

QColor BandColor(const std::vector<StopCause>& causes, StopCause cause) {
    const auto index =
        static_cast<std::size_t>(std::find(causes.begin(), causes.end(), cause) - causes.begin());
    return kBandColors[index % std::size(kBandColors)];
}

// Ticks across whose numbers stand apart: fewer as they crowd.
std::vector<double> SpacedTicks(const Pen& pen, const StudyPlot& plot, const TickText& text) {
    const PlotFrame& f = plot.frame;
    std::vector<double> ticks = plot.xTicks;
    for (int count = 9; count >= 2; --count) {
        ticks = count == 9 ? plot.xTicks : AxisTicks(f.xFrom, f.xTo, count);
        bool apart = true;
        for (std::size_t i = 1; i < ticks.size() && apart; ++i) {
            const double room = f.ScreenX(ticks[i]) - f.ScreenX(ticks[i - 1]);
            apart = room > (pen.Width(text(ticks[i - 1])) + pen.Width(text(ticks[i]))) / 2 + pen.U(8);
        }
        if (apart)
            break;
    }
    return ticks;
}

// N (R + 1) on the right: ticks, their numbers and the axis title over them.
void VolumeAxis(Pen& pen, LabelPlacer& labels, const PlotFrame& f, const std::vector<double>& ticks,
                double rightEdge) {
    pen.Font(9);
    const double right = f.left + f.width;
    for (const double t : ticks) {
        const double y = f.ScreenY(t);
        pen.Line({right, y}, {right + pen.U(5), y}, kVolumeColor);
        labels.AvoidLine({{right, y}, {right + pen.U(5), y}});
        labels.AvoidBox(pen.Text(right + pen.U(8), y - pen.Height() / 2, TickNumber(t), kVolumeColor));
    }
    pen.Font(10);
    const QString title = QStringLiteral("N·(R + 1)");
    labels.AvoidBox(pen.Text(std::min(right + pen.U(30), rightEdge) - pen.Width(title),
                             f.top - pen.Height() - pen.U(4), title, kVolumeColor));
}

// A vertical line at `value` across the plot with its name beside it at any height, or off it
// with a leader.
struct Mark {
    double value;
    QColor color;
    QString name;
};

void DrawMarks(Pen& pen, LabelPlacer& labels, const PlotFrame& f, std::vector<Mark> marks) {
    for (const Mark& mark : marks) {
        if (mark.value >= f.xFrom && mark.value <= f.xTo)
            Curve(pen, labels, f, {{mark.value, f.yFrom}, {mark.value, f.yTo}}, mark.color, pen.Stroke(2));
    }
    // Named from the left, so that each name can stand beside its own line before the next
    // takes the room.
    std::stable_sort(marks.begin(), marks.end(),
                     [](const Mark& a, const Mark& b) { return a.value < b.value; });
    pen.Font(9);
    for (const Mark& mark : marks) {
        if (mark.value < f.xFrom || mark.value > f.xTo)
            continue;
        const double w = pen.Width(mark.name), h = pen.Height();
        const PlotPoint anchor{f.ScreenX(mark.value), f.top + pen.U(4)};
        // Over the plot, where no curve runs, above its line or beside it; then inside the plot
        // beside the line; only then farther off, with a leader.
        const double row = f.top - h - pen.U(3), near = w / 2 + pen.U(10);
        std::vector<PlotPoint> corners{{anchor.x - w / 2, row}};
        for (double off = pen.U(4); off <= near; off += pen.U(4)) {
            corners.push_back({anchor.x + off - w / 2, row});
            corners.push_back({anchor.x - off - w / 2, row});
        }
        for (double down = 0; down < f.height - h; down += pen.U(6)) {
            corners.push_back({anchor.x + pen.U(4), anchor.y + down});
            corners.push_back({anchor.x - pen.U(4) - w, anchor.y + down});
        }
        for (double off = near; off < f.width; off += pen.U(6)) {
            corners.push_back({anchor.x + off - w / 2, row});
            corners.push_back({anchor.x - off - w / 2, row});
        }
        for (double down = 0; down < f.height - h; down += pen.U(8)) {
            for (double off = pen.U(16); off < pen.U(200); off += pen.U(12)) {
                corners.push_back({anchor.x + off, anchor.y + down});
                corners.push_back({anchor.x - off - w, anchor.y + down});
            }
        }
        PlacedText(pen,
                   labels.Place(w, h, corners, {{anchor.x, f.top}, {anchor.x, f.top + f.height}}, pen.U(12)),
                   mark.name, mark.color, mark.color);
    }
}

// The picked column: a thin line at its value and, when it works, its points ringed.
void DrawPicked(Pen& pen, const StudyPlot& plot, const StudyRow& row) {
    const PlotFrame& f = plot.frame;
    const double x = f.ScreenX(row.value);
    pen.Line({x, f.top}, {x, f.top + f.height}, kPickedColor, 1);
    if (!row.Works())
        return;
    pen.Circle(f.Screen({row.value, double(row.trays)}), pen.U(5), kPickedColor, pen.Stroke(2));
    pen.Circle(f.Screen({row.value, double(row.feed)}), pen.U(5), kPickedColor, pen.Stroke(2));
    if (plot.volumeFrame)
        pen.Circle(plot.volumeFrame->Screen({row.value, TraysTimesRefluxPlusOne(row)}), pen.U(5),
                   kPickedColor, pen.Stroke(2));
}

} // namespace

void DrawStudy(Pen& pen, const ColumnPicture& p) {
    const ColumnDiagramLayout& l = p.layout;
    if (!p.studyTitle.isEmpty()) {
        pen.Font(10);
        pen.Text(l.studyTitle.left, l.studyTitle.top + (l.studyTitle.height - pen.Height()) / 2,
                 Fitted(pen, p.studyTitle, l.studyTitle.width), kAxisColor);
    }
    if (p.study == nullptr) {
        pen.Font(11);
        pen.Text(l.study.left + pen.U(20), l.study.top + pen.U(20), QStringLiteral("Расчёт…"),
                 kDiagonalColor);
        return;
    }
    const InputStudy& study = *p.study;
    const StudyCurves curves = BuildStudyCurves(study);
    const StudyPlot plot = PlanStudyPlot(l.study, study, curves);
    const PlotFrame& f = plot.frame;
    const std::vector<StopCause> causes = CausesOf(curves);
    for (const FailingBand& band : curves.failing) {
        const double from = std::max(f.ScreenX(band.from), f.left),
                     to = std::min(f.ScreenX(band.to), f.left + f.width);
        if (to > from)
            pen.Fill({from, f.top, to - from, f.height}, BandColor(causes, band.cause));
    }

    LabelPlacer labels(l.studyBlock, pen.U(2));
    const bool trayType = study.input.kind == StudiedKind::TrayType;
    const TickText tickText = [trayType](double t) {
        return !trayType          ? TickNumber(t)
               : t == kSieveValue ? QStringLiteral("ситчатые")
                                  : QStringLiteral("колпачковые");
    };
    pen.Font(9);
    const std::vector<double> xTicks = SpacedTicks(pen, plot, tickText);
    pen.Font(10);
    const QString xTitle = Fitted(pen, QString::fromStdString(StudyChoiceText(p.state, study.input)),
                                  f.width + f.left - l.studyBlock.left - pen.U(4));
    Axes(pen, labels, f, xTicks, plot.yTicks, xTitle, QStringLiteral("тарелки"), 9, tickText);
    if (plot.volumeFrame)
        VolumeAxis(pen, labels, *plot.volumeFrame, plot.volumeTicks, l.studyBlock.Right());

    // The tray types are no scale: their columns stand as points, as does a working column
    // alone between stopped ones.
    for (std::size_t k = 0; k < curves.trays.size(); ++k) {
        if (!trayType && curves.trays[k].size() > 1) {
            Curve(pen, labels, f, curves.trays[k], kTraysColor, pen.Stroke(2));
            Curve(pen, labels, f, curves.feed[k], kFeedColor, pen.Stroke(2));
            continue;
        }
        for (std::size_t i = 0; i < curves.trays[k].size(); ++i) {
            for (const auto& [point, color] :
                 {std::pair{curves.trays[k][i], kTraysColor}, std::pair{curves.feed[k][i], kFeedColor}}) {
                pen.Circle(f.Screen(point), pen.U(4), color, pen.Stroke(2));
                labels.AvoidBox(Box{f.ScreenX(point.x), f.ScreenY(point.y), 0, 0}.Grown(pen.U(5)));
            }
        }
    }
    for (const Polyline& line : curves.volume)
        Curve(pen, labels, *plot.volumeFrame, line, kVolumeColor, pen.Stroke(2));

    std::vector<Mark> marks{
        {study.studentValue, kStudentColor, Regional(StudyValueMark(study.input, study.studentValue))}};
    if (study.minimumReflux)
        marks.push_back({*study.minimumReflux, kDiagonalColor,
                         QStringLiteral("Rmin = %1").arg(RegionalNumber(*study.minimumReflux, 'f', 3))});
    if (study.optimum) {
        marks.push_back({study.optimum->R, kOptimumColor,
                         QStringLiteral("Rопт = %1").arg(Regional(FourDigits(study.optimum->R)))});
        if (plot.volumeFrame)
            pen.Circle(plot.volumeFrame->Screen({study.optimum->R, study.optimum->traysTimesRefluxPlusOne}),
                       pen.U(5), kOptimumColor, pen.Stroke(2));
    }
    DrawMarks(pen, labels, f, marks);
    if (p.picked && *p.picked < study.rows.size())
        DrawPicked(pen, plot, study.rows[*p.picked]);

    std::vector<LegendItem> legend{{kTraysColor, QStringLiteral("требуемое число тарелок")},
                                   {kFeedColor, QStringLiteral("тарелка питания")}};
    if (plot.volumeFrame)
        legend.push_back({kVolumeColor, QStringLiteral("N·(R + 1)")});
    for (const StopCause cause : causes)
        legend.push_back({BandColor(causes, cause), QString::fromStdString(StopCauseName(cause)),
                          LegendItem::Sign::Swatch});
    LegendRows(pen, l.studyLegend, legend);

    std::vector<QString> words;
    for (const std::string& sentence : StudyWords(study))
        words.push_back(Regional(sentence));
    Prose(pen, l.studyWords, words, kWordsColor, 9, 7.5);
}

} // namespace radirav
