#include "screens/results/column_diagram_window.h"

#include "model/case_file.h"
#include "model/checks.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/fonts.h"
#include "platform/picture_file.h"
#include "platform/regional_format.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Диаграмма и профиль колонны");
const QString kRangeCaption = QStringLiteral("Диапазон R…");
const QString kSavePictureCaption = QStringLiteral("Сохранить рисунок…");
const QString kSaveCaseCaption = QStringLiteral("Сохранить вариант…");
const QString kCloseCaption = QStringLiteral("Закрыть");
const QString kPictureFilter = QStringLiteral("Рисунок PNG (*.png);;Рисунок SVG (*.svg)");
const QString kCaseFilter = QStringLiteral("Вариант расчёта (*.case)");
const QString kFromPrompt = QStringLiteral(" НАИМЕНЬШЕЕ ФЛЕГМОВОЕ ЧИСЛО R");
const QString kToPrompt = QStringLiteral(" НАИБОЛЬШЕЕ ФЛЕГМОВОЕ ЧИСЛО R");
const QString kRangeTitle = QStringLiteral("ДИАПАЗОН ФЛЕГМОВЫХ ЧИСЕЛ");
const QString kWriteErrorTitle = QStringLiteral("ОШИБКА !");

// Inside of the window, pixels: fits a 1280x800 screen with its frame and a panel.
constexpr int kWidth = 1240, kHeight = 710;
// The y-x diagram, the tray profile and the reflux study, in drawing units.
constexpr PlotFrame kDiagramFrame{70, 60, 540, 540, 0, 1, 0, 1};
constexpr double kRightLeft = 720, kRightWidth = 490;
constexpr double kProfileTop = 60, kProfileHeight = 220;
constexpr double kRefluxTop = 400, kRefluxHeight = 200;

const QColor kAxisColor(0, 0, 0);
const QColor kGridColor(215, 215, 215);
const QColor kEquilibriumColor(0, 0, 200);
const QColor kPseudoColor(0, 150, 200);
const QColor kOperatingColor(200, 0, 0);
const QColor kFeedColor(160, 0, 160);
const QColor kStepColor(0, 120, 0);
const QColor kFeedMarkColor(230, 120, 0);
const QColor kDiagonalColor(120, 120, 120);

QString Number(double value) {
    QString text = QString::number(value, 'g', 4);
    text.replace(QLatin1Char('.'), QLatin1Char(RegionalDecimalSeparator()));
    return text;
}

QString FixedNumber(double value, int decimals) {
    QString text = QString::number(value, 'f', decimals);
    text.replace(QLatin1Char('.'), QLatin1Char(RegionalDecimalSeparator()));
    return text;
}

void Text(DrawingSurface& surface, double x, double y, const QString& text, const QColor& color) {
    surface.SetForeColor(color);
    surface.SetCurrentX(x);
    surface.SetCurrentY(y);
    surface.PrintText(text);
}

void DrawPolyline(DrawingSurface& surface, const PlotFrame& frame, const Polyline& line, const QColor& color,
                  int width = 1) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        surface.Line({frame.ScreenX(line[i - 1].x), frame.ScreenY(line[i - 1].y)},
                     {frame.ScreenX(line[i].x), frame.ScreenY(line[i].y)}, color, width);
    }
}

// Frame, grid, ticks with their numbers, and the two axis titles (x under the axis, y above it).
void Axes(DrawingSurface& surface, const PlotFrame& f, const std::vector<double>& xTicks,
          const std::vector<double>& yTicks, const QString& xTitle, const QString& yTitle) {
    surface.SetFontSize(9);
    const double bottom = f.top + f.height, right = f.left + f.width;
    for (const double t : xTicks) {
        const double x = f.ScreenX(t);
        surface.Line({x, f.top}, {x, bottom}, kGridColor);
        surface.Line({x, bottom}, {x, bottom + 5}, kAxisColor);
        const QString label = Number(t);
        Text(surface, x - surface.TextWidth(label) / 2, bottom + 6, label, kAxisColor);
    }
    for (const double t : yTicks) {
        const double y = f.ScreenY(t);
        surface.Line({f.left, y}, {right, y}, kGridColor);
        surface.Line({f.left - 5, y}, {f.left, y}, kAxisColor);
        const QString label = Number(t);
        Text(surface, f.left - 8 - surface.TextWidth(label), y - surface.TextHeight() / 2, label, kAxisColor);
    }
    surface.Rectangle({f.left, f.top}, {right, bottom}, kAxisColor, false);
    surface.SetFontSize(10);
    Text(surface, right - surface.TextWidth(xTitle), bottom + 24, xTitle, kAxisColor);
    Text(surface, f.left - 40, f.top - surface.TextHeight() - 4, yTitle, kAxisColor);
}

// A short sample of a line's colour and its name, one legend row at (x, y).
void LegendRow(DrawingSurface& surface, double x, double y, const QColor& color, const QString& name) {
    surface.SetFontSize(9);
    const double mid = y + surface.TextHeight() / 2;
    surface.Line({x, mid}, {x + 24, mid}, color, 2);
    Text(surface, x + 30, y, name, kAxisColor);
}

} // namespace

ColumnDiagramWindow::ColumnDiagramWindow(ProgramState& state, Platform platform)
    : ScreenWindow(platform.screens, QStringLiteral("ColumnDiagram")), state_(state), platform_(platform) {
    setWindowTitle(kCaption);
    SetOuterGeometry({10, 5, kWidth, kHeight + 30});
    setFixedSize(kWidth, kHeight);
    Surface().SetFontFamily(InstalledFamily(QStringLiteral("Arial")));
    Surface().SetBackColor(Qt::white);

    const QFont font = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    constexpr int buttonTop = kHeight - 42;
    RangeButton =
        MakeButton(this, QStringLiteral("RangeButton"), kRangeCaption, {720, buttonTop, 150, 32}, font);
    SavePictureButton = MakeButton(this, QStringLiteral("SavePictureButton"), kSavePictureCaption,
                                   {70, buttonTop, 200, 32}, font);
    SaveCaseButton =
        MakeButton(this, QStringLiteral("SaveCaseButton"), kSaveCaseCaption, {290, buttonTop, 200, 32}, font);
    CloseButton =
        MakeButton(this, QStringLiteral("CloseButton"), kCloseCaption, {1060, buttonTop, 150, 32}, font);
    RangeButton->OnClick([this] { RangeButtonClick(); });
    SavePictureButton->OnClick([this] { SavePictureButtonClick(); });
    SaveCaseButton->OnClick([this] { SaveCaseButtonClick(); });
    CloseButton->OnClick([this] { Unload(); });

    result_ = CalculateColumn(state_);
    diagram_ = BuildColumnDiagram(state_, result_);
    Redraw();
    // The study takes a few hundred columns: the window shows first, the study follows.
    QTimer::singleShot(0, this, [this] { StudyReflux(); });
}

void ColumnDiagramWindow::StudyReflux() {
    if (studied_)
        return;
    studied_ = true;
    const RefluxStudyPlan plan = PlanRefluxStudy(state_);
    minimumReflux_ = plan.minimumReflux;
    refluxReachesTheTop_ = plan.smallestReaching.has_value();
    range_ = plan.range;
    sweep_ = SweepReflux(state_, range_.from, range_.to, kDefaultRefluxPoints);
    Redraw();
    if (studyTimer_) {
        std::fprintf(stderr, "radirav: reflux study drawn %lld ms after the click\n",
                     static_cast<long long>(studyTimer_->elapsed()));
    }
}

void ColumnDiagramWindow::SetRange(RefluxRange range) {
    StudyReflux();
    range_ = range;
    sweep_ = SweepReflux(state_, range_.from, range_.to, kDefaultRefluxPoints);
    Redraw();
}

void ColumnDiagramWindow::Redraw() {
    Surface().Cls();
    DrawDiagram();
    DrawProfile();
    DrawReflux();
}

void ColumnDiagramWindow::DrawDiagram() {
    DrawingSurface& s = Surface();
    const PlotFrame f = kDiagramFrame;
    s.SetFontSize(11);
    Text(s, f.left, 8,
         QStringLiteral("Диаграмма y–x: %1 тарелок, питание на тарелке %2")
             .arg(result_.requiredTrays)
             .arg(result_.feedTray),
         kAxisColor);
    const std::vector<double> ticks = AxisTicks(0, 1, 11);
    Axes(s, f, ticks, ticks, QStringLiteral("x — мольная доля НК в жидкости"),
         QStringLiteral("y — мольная доля НК в паре"));

    DrawPolyline(s, f, {{0, 0}, {1, 1}}, kDiagonalColor);
    DrawPolyline(s, f, diagram_.equilibrium, kEquilibriumColor, 2);
    for (const PlotPoint p : diagram_.tablePoints)
        s.Circle({f.ScreenX(p.x), f.ScreenY(p.y)}, 4, kEquilibriumColor, 2);
    DrawPolyline(s, f, diagram_.pseudoEquilibrium, kPseudoColor);
    DrawPolyline(s, f, diagram_.strippingLine, kOperatingColor, 2);
    DrawPolyline(s, f, diagram_.rectifyingLine, kOperatingColor, 2);
    DrawPolyline(s, f, diagram_.feedLine, kFeedColor, 2);
    // The staircase may climb past y = 1 on its last tray only in a broken input; clip it there.
    Polyline steps = diagram_.steps;
    for (PlotPoint& p : steps)
        p.y = std::min(p.y, 1.0);
    DrawPolyline(s, f, steps, kStepColor);
    if (diagram_.feedStep) {
        const double x = f.ScreenX(diagram_.feedStep->x), y = f.ScreenY(std::min(diagram_.feedStep->y, 1.0));
        s.Circle({x, y}, 6, kFeedMarkColor, 3);
        s.SetFontSize(9);
        Text(s, x + 8, y - 16, QStringLiteral("питание, тарелка %1").arg(result_.feedTray), kFeedMarkColor);
    }
    // Compositions marked on the x axis; the dilute ends sit close, so their names stand in steps.
    double labelY = f.ScreenY(0) - 18;
    for (const auto& [x, name] :
         {std::pair{diagram_.xW, QStringLiteral("xW")}, std::pair{diagram_.xF, QStringLiteral("xF")},
          std::pair{diagram_.xP, QStringLiteral("xP")}}) {
        s.Line({f.ScreenX(x), f.ScreenY(x)}, {f.ScreenX(x), f.ScreenY(0)}, kDiagonalColor);
        s.SetFontSize(9);
        Text(s, f.ScreenX(x) + 3, labelY, name, kAxisColor);
        labelY -= 16;
    }

    // The legend sits under the diagonal, where no line of the diagram runs.
    const double legendX = f.ScreenX(0.52), legendY = f.ScreenY(0.36);
    const int kind = state_.EquilibriumKind.value_or(0);
    const QString curve = kind == kKindConstantAlfa
                              ? QStringLiteral("равновесие, ALFA = %1").arg(Number(state_.Alfa.value_or(0)))
                          : kind == kKindAntoine ? QStringLiteral("равновесие по Антуану, %1 мм рт. ст.")
                                                       .arg(Number(state_.InputParams[param::kPRES].Value))
                                                 : QStringLiteral("равновесие по %1 точкам").arg(kind);
    const std::pair<QColor, QString> rows[] = {
        {kEquilibriumColor, curve},
        {kPseudoColor, QStringLiteral("псевдоравновесие (КПД тарелок)")},
        {kOperatingColor, QStringLiteral("рабочие линии")},
        {kFeedColor, QStringLiteral("линия питания")},
        {kStepColor, QStringLiteral("ступени — реальные тарелки")},
    };
    double y = legendY;
    for (const auto& [color, name] : rows) {
        LegendRow(s, legendX, y, color, name);
        y += 20;
    }
}

void ColumnDiagramWindow::DrawProfile() {
    DrawingSurface& s = Surface();
    const double trays = std::max(1, result_.requiredTrays);
    const PlotFrame f{kRightLeft, kProfileTop, kRightWidth, kProfileHeight, 0, trays + 1, 0, 1};
    s.SetFontSize(11);
    Text(s, f.left, 8, QStringLiteral("Профиль колонны по тарелкам"), kAxisColor);
    Axes(s, f, AxisTicks(0, trays + 1, 11, 1), AxisTicks(0, 1, 6), QStringLiteral("номер тарелки (снизу)"),
         QStringLiteral("x, y, КПД"));
    Polyline x, y, efficiency;
    for (const TrayRecord& tray : result_.trays) {
        x.push_back({static_cast<double>(tray.number), tray.x});
        y.push_back({static_cast<double>(tray.number), tray.y});
        efficiency.push_back({static_cast<double>(tray.number), tray.efficiency});
    }
    DrawPolyline(s, f, x, kOperatingColor, 2);
    DrawPolyline(s, f, y, kEquilibriumColor, 2);
    DrawPolyline(s, f, efficiency, kStepColor, 2);
    if (result_.feedTray > 0) {
        const double feedX = f.ScreenX(result_.feedTray);
        s.Line({feedX, f.top}, {feedX, f.top + f.height}, kFeedMarkColor, 2);
        s.SetFontSize(9);
        Text(s, feedX + 4, f.top + 2, QStringLiteral("питание"), kFeedMarkColor);
    }
    const double legendY = f.top + f.height + 44;
    LegendRow(s, f.left, legendY, kOperatingColor, QStringLiteral("x — жидкость"));
    LegendRow(s, f.left + 150, legendY, kEquilibriumColor, QStringLiteral("y — пар"));
    LegendRow(s, f.left + 280, legendY, kStepColor, QStringLiteral("КПД тарелки"));
}

void ColumnDiagramWindow::DrawReflux() {
    DrawingSurface& s = Surface();
    s.SetFontSize(11);
    Text(s, kRightLeft, kRefluxTop - 50,
         QStringLiteral("Число тарелок и тарелка питания от флегмового числа R"), kAxisColor);
    if (!studied_) {
        Text(s, kRightLeft + 20, kRefluxTop + 20, QStringLiteral("Расчёт…"), kDiagonalColor);
        return;
    }
    const RefluxCurves curves = BuildRefluxCurves(sweep_);
    std::vector<double> yTicks = AxisTicks(0, std::max(10.0, curves.maxTrays), 6);
    if (yTicks.back() < curves.maxTrays)
        yTicks.push_back(2 * yTicks.back() - yTicks[yTicks.size() - 2]);
    // The minimum reflux lies just left of the default range; the plot reaches back to show it.
    double from = range_.from;
    if (minimumReflux_) {
        const double minimum = *minimumReflux_;
        if (minimum < from && minimum > from - 0.25 * (range_.to - from))
            from = minimum - 0.02 * (range_.to - from);
    }
    const PlotFrame f{kRightLeft, kRefluxTop, kRightWidth, kRefluxHeight, from, range_.to, 0, yTicks.back()};
    Axes(s, f, AxisTicks(from, range_.to, 9), yTicks, QStringLiteral("флегмовое число R"),
         QStringLiteral("тарелки"));
    for (const Polyline& line : curves.trays)
        DrawPolyline(s, f, line, kEquilibriumColor, 2);
    for (const Polyline& line : curves.feed)
        DrawPolyline(s, f, line, kFeedMarkColor, 2);

    auto vertical = [&](double R, const QColor& color, const QString& label, double labelY) {
        if (R < f.xFrom || R > f.xTo)
            return;
        const double x = f.ScreenX(R);
        s.Line({x, f.top}, {x, f.top + f.height}, color, 2);
        s.SetFontSize(9);
        Text(s, x + 4, labelY, label, color);
    };
    const double R = state_.InputParams[param::kR].Value;
    vertical(R, kOperatingColor, QStringLiteral("R = %1").arg(Number(R)), f.top + 4);
    if (minimumReflux_)
        vertical(*minimumReflux_, kDiagonalColor,
                 QStringLiteral("Rmin = %1").arg(FixedNumber(*minimumReflux_, 3)), f.top + 22);

    const double legendY = f.top + f.height + 44;
    LegendRow(s, f.left, legendY, kEquilibriumColor, QStringLiteral("требуемое число тарелок"));
    LegendRow(s, f.left + 210, legendY, kFeedMarkColor, QStringLiteral("тарелка питания"));
    s.SetFontSize(9);
    const QString minimum =
        !refluxReachesTheTop_ ? QStringLiteral("ни одно R не доводит колонну до дистиллята за 300 тарелок")
        : minimumReflux_ ? QStringLiteral("Rmin = %1 (асимптота)").arg(FixedNumber(*minimumReflux_, 3))
                         : QStringLiteral("Rmin не найдено");
    Text(s, f.left + 360, legendY, minimum, kDiagonalColor);
}

void ColumnDiagramWindow::RangeButtonClick() {
    auto ask = [&](const QString& prompt, double current) {
        const QString answer =
            platform_.dialogs.InputBox({prompt, kRangeTitle, Number(current), std::nullopt});
        return Val(NormalizeDecimalText(answer.toStdString()));
    };
    const double from = ask(kFromPrompt, range_.from);
    const double to = ask(kToPrompt, range_.to);
    // R is a ratio of flows: positive, no larger than its check allows, and the range must have a
    // length.
    if (!(from > 0 && to > from && to <= ParamUpperBound(param::kR))) {
        platform_.dialogs.Beep();
        return;
    }
    SetRange({from, to});
}

void ColumnDiagramWindow::SavePictureButtonClick() {
    const QString path = platform_.dialogs.SaveFileName(kSavePictureCaption, kPictureFilter);
    if (path.isEmpty())
        return;
    if (!SavePicture(Surface(), size(), path))
        platform_.dialogs.ShowMessage(QStringLiteral("Рисунок не записан: %1").arg(path), kWriteErrorTitle);
}

void ColumnDiagramWindow::SaveCaseButtonClick() {
    const QString path = platform_.dialogs.SaveFileName(kSaveCaseCaption, kCaseFilter);
    if (path.isEmpty())
        return;
    if (!WriteTextFile(path, FormatCaseFile(state_)))
        platform_.dialogs.ShowMessage(QStringLiteral("Вариант не записан: %1").arg(path), kWriteErrorTitle);
}

void ColumnDiagramWindow::paintEvent(QPaintEvent* event) {
    ScreenWindow::paintEvent(event);
    if (openTimer_) {
        std::fprintf(stderr, "radirav: column diagram painted %lld ms after the click\n",
                     static_cast<long long>(openTimer_->elapsed()));
        openTimer_.reset();
    }
}

} // namespace radirav
