#include "screens/results/worked_tray_window.h"

#include "model/text.h"
#include "platform/fonts.h"
#include "platform/printer.h"
#include "platform/regional_format.h"
#include "report/report_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Расчёт тарелки");
const QString kTrayCaption = QStringLiteral("Тарелка:");
const QString kBottomCaption = QStringLiteral("Нижняя (Home)");
const QString kFeedCaption = QStringLiteral("Питания (F)");
const QString kTopCaption = QStringLiteral("Верхняя (End)");
const QString kPrintCaption = QStringLiteral("Печать");
const QString kCopyCaption = QStringLiteral("Копировать");
const QString kCloseCaption = QStringLiteral("Закрыть");
const QString kKeys =
    QStringLiteral("↑↓ — соседняя тарелка, PgUp/PgDn — через десять, Home/End — нижняя/верхняя, "
                   "F — тарелка питания, номер и Enter — любая; Ctrl+C — копировать; Esc — "
                   "закрыть");

// The window with its frame, pixels, and the smallest it may be made: as the column diagram.
constexpr int kOuterWidth = 1240, kOuterHeight = 740;
constexpr int kMinimumWidth = 900, kMinimumHeight = 560;
// The design's inside, against which the window's own size scales the text.
constexpr double kDesignWidth = 1240, kDesignHeight = 710;

// The printed sheet: one page of a fixed-pitch font small enough for a hundred characters a line.
constexpr int kPrintFontSize = 8;
constexpr std::size_t kPrintWidth = 100;

const QColor kTitleColor(0, 0, 128);
const QColor kWhatColor(0, 0, 128);
const QColor kFormulaColor(0, 0, 0);
const QColor kInsideColor(0, 110, 0);
const QColor kOutsideColor(170, 70, 0);
const QColor kStopColor(192, 0, 0);

QColor NoteColor(StepMark mark) {
    switch (mark) {
    case StepMark::Inside:
        return kInsideColor;
    case StepMark::Outside:
        return kOutsideColor;
    case StepMark::Stop:
        return kStopColor;
    case StepMark::None:
        break;
    }
    return kFormulaColor;
}

// One line to draw, `indent` in from its column's edge.
struct Piece {
    QString text;
    QColor color;
    double indent = 0;
};
using Block = std::vector<Piece>; // kept together in one column

} // namespace

WorkedTrayWindow::WorkedTrayWindow(const ProgramState& state, Platform platform,
                                   std::shared_ptr<const ColumnResult> column)
    : ScreenWindow(platform.screens, QStringLiteral("WorkedTray")), state_(state), platform_(platform),
      column_(std::move(column)) {
    setWindowTitle(kCaption);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    SetOuterGeometry({10, 5, kOuterWidth, kOuterHeight});
    Surface().SetFontFamily(InstalledFamily(QStringLiteral("Arial")));
    Surface().SetBackColor(Qt::white);

    const QFont font = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    auto* trayLabel = MakeLabel(this, QStringLiteral("TrayLabel"), {}, font);
    trayLabel->setText(kTrayCaption);
    TrayBox = new TextBox(this);
    TrayBox->setObjectName(QStringLiteral("TrayBox"));
    TrayBox->setFont(font);
    TrayBox->setAlignment(Qt::AlignCenter);
    trayLabel->setBuddy(TrayBox);
    BottomButton = MakeButton(this, QStringLiteral("BottomButton"), kBottomCaption, {}, font);
    FeedButton = MakeButton(this, QStringLiteral("FeedButton"), kFeedCaption, {}, font);
    TopButton = MakeButton(this, QStringLiteral("TopButton"), kTopCaption, {}, font);
    PrintButton = MakeButton(this, QStringLiteral("PrintButton"), kPrintCaption, {}, font);
    CopyButton = MakeButton(this, QStringLiteral("CopyButton"), kCopyCaption, {}, font);
    CloseButton = MakeButton(this, QStringLiteral("CloseButton"), kCloseCaption, {}, font);
    KeysNote =
        MakeLabel(this, QStringLiteral("KeysNote"), {}, ScreenFont(QStringLiteral("MS Sans Serif"), 9));
    KeysNote->setText(kKeys);

    FeedButton->setEnabled(column_->feedTray > 0);
    BottomButton->OnClick([this] { ShowTray(1); });
    FeedButton->OnClick([this] { ShowTray(column_->feedTray); });
    TopButton->OnClick([this] { ShowTray(LastTray()); });
    PrintButton->OnClick([this] { PrintButtonClick(); });
    CopyButton->OnClick([this] { CopyButtonClick(); });
    CloseButton->OnClick([this] { Unload(); });
    TrayBox->keyPress = [this](int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            TakeTypedTray();
            return true;
        }
        if (key == Qt::Key_Escape) {
            Unload();
            return true;
        }
        return PickTrayByKey(key, {});
    };
    PlaceControls();
    TrayBox->setFocus();
}

int WorkedTrayWindow::LastTray() const {
    if (column_->stop == CalcStop::None)
        return column_->requiredTrays;
    return static_cast<int>(column_->trays.size()) + (column_->stoppedTray ? 1 : 0);
}

void WorkedTrayWindow::ShowTray(int number) {
    tray_ = std::clamp(number, 1, std::max(1, LastTray()));
    if (const std::optional<WorkedTray> worked =
            WorkTray(state_, *column_, tray_, RegionalDecimalSeparator()))
        worked_ = *worked;
    TrayBox->setText(QString::number(tray_));
    TrayBox->selectAll();
    Redraw();
}

bool WorkedTrayWindow::PickTrayByKey(int key, const QString& text) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        ShowTray(tray_ + 1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Left:
        ShowTray(tray_ - 1);
        return true;
    case Qt::Key_PageUp:
        ShowTray(tray_ + 10);
        return true;
    case Qt::Key_PageDown:
        ShowTray(tray_ - 10);
        return true;
    case Qt::Key_Home:
        ShowTray(1);
        return true;
    case Qt::Key_End:
        ShowTray(LastTray());
        return true;
    default:
        break;
    }
    // F for the feed tray, on the Latin layout or on the Russian one (the same key types А).
    const bool feedKey =
        key == Qt::Key_F || text.compare(QStringLiteral("а"), Qt::CaseInsensitive) == 0 || key == 0x0410;
    if (feedKey && column_->feedTray > 0) {
        ShowTray(column_->feedTray);
        return true;
    }
    return false;
}

void WorkedTrayWindow::TakeTypedTray() {
    bool number = false;
    const int typed = TrayBox->text().trimmed().toInt(&number);
    if (!number || typed < 1 || typed > LastTray()) {
        platform_.dialogs.Beep();
        ShowTray(tray_);
        return;
    }
    ShowTray(typed);
}

void WorkedTrayWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Unload();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopyButtonClick();
        return;
    }
    if (PickTrayByKey(event->key(), event->text()))
        return;
    ScreenWindow::keyPressEvent(event);
}

std::vector<std::string> WorkedTrayWindow::Lines() const {
    return WorkedTrayLines(worked_, state_, FormatRussianDate(platform_.clock.Now()), kPrintWidth);
}

void WorkedTrayWindow::PrintButtonClick() {
    Printer& printer = platform_.printer;
    printer.SetFont(QString::fromUtf8(kReportFontName), kPrintFontSize);
    for (const std::string& line : Lines())
        printer.PrintLine(QString::fromStdString(line));
    printer.EndDoc();
    printer.EndReport();
}

void WorkedTrayWindow::CopyButtonClick() {
    QString text;
    for (const std::string& line : Lines())
        text += QString::fromStdString(line) + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

void WorkedTrayWindow::resizeEvent(QResizeEvent* event) {
    ScreenWindow::resizeEvent(event);
    PlaceControls();
    Redraw();
}

void WorkedTrayWindow::PlaceControls() {
    const double u = std::clamp(std::min(width() / kDesignWidth, height() / kDesignHeight), 0.75, 2.0);
    const auto px = [u](double design) { return static_cast<int>(std::lround(design * u)); };
    QFont font = PrintButton->font();
    font.setPointSizeF(10 * std::min(u, 1.4));
    const int top = px(8), h = px(30);
    int x = px(12);
    auto place = [&](QWidget* control, int w) {
        control->setFont(font);
        control->setGeometry(x, top, px(w), h);
        x += px(w) + px(8);
    };
    place(findChild<QLabel*>(QStringLiteral("TrayLabel")), 70);
    place(TrayBox, 60);
    x += px(8);
    place(BottomButton, 130);
    place(FeedButton, 130);
    place(TopButton, 130);
    x = width() - px(12) - 3 * px(120) - 2 * px(8);
    place(PrintButton, 120);
    place(CopyButton, 120);
    place(CloseButton, 120);
    KeysNote->setGeometry(px(12), height() - px(24), width() - px(24), px(20));
}

void WorkedTrayWindow::Redraw() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    if (tray_ == 0)
        return;
    const double u = std::clamp(std::min(width() / kDesignWidth, height() / kDesignHeight), 0.75, 2.0);
    const double left = 12 * u, gap = 24 * u, top = 46 * u, bottom = height() - 30 * u;
    const double column = (width() - 2 * left - gap) / 2;

    // Laid out at the largest font that lets every step stand in the two columns.
    for (double points = 10 * std::min(u, 1.4);; points -= 0.5) {
        surface.SetFontSize(points);
        const auto measure = [&surface](std::string_view text) {
            return surface.TextWidth(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
        };
        const double line = surface.TextHeight();
        const double step = 0.35 * line;
        const auto wrap = [&](const std::string& text, const QColor& color, double indent, double hanging,
                              Block& block) {
            const std::vector<std::string> lines =
                BreakLine(text, column - indent, column - hanging, measure);
            for (std::size_t i = 0; i < lines.size(); ++i)
                block.push_back({QString::fromStdString(lines[i]), color, i == 0 ? indent : hanging});
        };
        const double indent = surface.TextWidth(QStringLiteral("00")), hanging = 2 * indent;
        // Heading over both columns, then the blocks column after column.
        Block heading;
        const auto wide = [&](const std::string& text, const QColor& color) {
            for (const std::string& piece : BreakLine(text, 2 * column + gap, 2 * column + gap, measure))
                heading.push_back({QString::fromStdString(piece), color, 0});
        };
        wide(worked_.title + ". " + worked_.section, kTitleColor);
        std::vector<Block> blocks;
        blocks.push_back({{QStringLiteral("Исходные величины"), kTitleColor, 0}});
        const auto addStep = [&](const WorkedStep& s, int index) {
            Block block;
            const std::string number = index > 0 ? std::to_string(index) + ". " : "";
            wrap(number + s.what, kWhatColor, 0, indent, block);
            wrap(s.formula + (s.numbers.empty() ? "" : " = " + s.numbers) + " = " + s.result, kFormulaColor,
                 indent, hanging, block);
            if (!s.note.empty())
                wrap(s.note, NoteColor(s.mark), indent, indent, block);
            blocks.push_back(std::move(block));
        };
        for (const WorkedStep& s : worked_.inputs)
            addStep(s, 0);
        Block parameters;
        for (const std::string& p : worked_.parameters)
            wrap(p, kFormulaColor, indent, hanging, parameters);
        blocks.push_back(std::move(parameters));
        if (!worked_.steps.empty())
            blocks.push_back({{QStringLiteral("Расчёт по модели тарелки"), kTitleColor, 0}});
        int index = 0;
        for (const WorkedStep& s : worked_.steps)
            addStep(s, ++index);
        const bool stopShown = std::any_of(worked_.steps.begin(), worked_.steps.end(),
                                           [](const WorkedStep& s) { return s.mark == StepMark::Stop; }) ||
                               std::any_of(worked_.inputs.begin(), worked_.inputs.end(),
                                           [](const WorkedStep& s) { return s.mark == StepMark::Stop; });
        if (!worked_.stop.empty() && !stopShown) {
            Block stop;
            wrap("Расчёт колонны остановлен. " + worked_.stop, kStopColor, 0, 0, stop);
            blocks.push_back(std::move(stop));
        }

        const double columnsTop = top + heading.size() * line + step;
        std::vector<std::pair<QPointF, Piece>> placed;
        double y = top;
        for (const Piece& piece : heading) {
            placed.push_back({{left, y}, piece});
            y += line;
        }
        // The left column takes the blocks up to half the whole, so that the two come out even.
        double total = 0;
        for (const Block& block : blocks)
            total += block.size() * line + step;
        int columnIndex = 0;
        y = columnsTop;
        bool fits = true;
        for (const Block& block : blocks) {
            const double height = block.size() * line;
            const bool leftFull = y + height > bottom || y + height / 2 > columnsTop + total / 2;
            if (columnIndex == 0 && leftFull && y > columnsTop) {
                ++columnIndex;
                y = columnsTop;
            }
            if (columnIndex > 1 || y + height > bottom) {
                fits = false;
                break;
            }
            const double x = left + columnIndex * (column + gap);
            for (const Piece& piece : block) {
                placed.push_back({{x + piece.indent, y}, piece});
                y += line;
            }
            y += step;
        }
        if (!fits && points > 6) {
            continue;
        }
        for (const auto& [at, piece] : placed) {
            surface.SetForeColor(piece.color);
            surface.SetCurrentX(at.x());
            surface.SetCurrentY(at.y());
            surface.PrintText(piece.text);
        }
        return;
    }
}

} // namespace radirav
