#include "screens/results/column_diagram_window.h"

#include "model/case_file.h"
#include "model/checks.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/fonts.h"
#include "platform/regional_format.h"
#include "screens/results/column_diagram_drawing.h"

#include <QKeyEvent>
#include <QLabel>
#include <cmath>

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
const QString kPictureWritten = QStringLiteral("Рисунок записан: %1");
const QString kCaseWritten = QStringLiteral("Вариант записан: %1");

// The window with its frame, pixels: fits a 1280 x 800 screen with a panel; the drawing follows
// whatever size the student gives it, down to the smallest below.
constexpr int kOuterWidth = 1240, kOuterHeight = 740;
constexpr int kMinimumWidth = 760, kMinimumHeight = 480;

} // namespace

ColumnDiagramWindow::ColumnDiagramWindow(ProgramState& state, Platform platform,
                                         std::shared_ptr<HeldColumn> column, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("ColumnDiagram")), state_(state), platform_(platform),
      navigator_(navigator), column_(std::move(column)) {
    setWindowTitle(kCaption);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    SetOuterGeometry({10, 5, kOuterWidth, kOuterHeight});
    Surface().SetFontFamily(InstalledFamily(QStringLiteral("Arial")));
    Surface().SetBackColor(Qt::white);

    const QFont font = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    RangeButton = MakeButton(this, QStringLiteral("RangeButton"), kRangeCaption, {}, font);
    SavePictureButton = MakeButton(this, QStringLiteral("SavePictureButton"), kSavePictureCaption, {}, font);
    SaveCaseButton = MakeButton(this, QStringLiteral("SaveCaseButton"), kSaveCaseCaption, {}, font);
    CloseButton = MakeButton(this, QStringLiteral("CloseButton"), kCloseCaption, {}, font);
    SaveNote =
        MakeLabel(this, QStringLiteral("SaveNote"), {}, ScreenFont(QStringLiteral("MS Sans Serif"), 9));
    SaveNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    RangeButton->OnClick([this] { RangeButtonClick(); });
    SavePictureButton->OnClick([this] { SavePictureButtonClick(); });
    SaveCaseButton->OnClick([this] { SaveCaseButtonClick(); });
    CloseButton->OnClick([this] { Unload(); });

    diagram_ = BuildColumnDiagram(state_, column_->result);
    PlaceButtons();
    Redraw();
}

void ColumnDiagramWindow::StudyReflux() {
    if (!Studied())
        TakeStudy(StudyRefluxOf(state_));
}

void ColumnDiagramWindow::StartStudyBeside() {
    if (Studied() || studying_)
        return;
    // A few hundred columns: computed beside the window so that it shows at once and stays
    // responsive. The study works on its own copy of the input; when the window goes first, the
    // result is dropped.
    studying_ = true;
    RunBeside<RefluxStudy>(
        platform_.tasks, *this, [input = state_] { return StudyRefluxOf(input); },
        [this](RefluxStudy study) {
            if (!Studied())
                TakeStudy(std::move(study));
        });
}

void ColumnDiagramWindow::TakeStudy(RefluxStudy study) {
    column_->study = std::move(study);
    Redraw();
    if (studyTimer_) {
        platform_.diagnostics.Timing(QStringLiteral("reflux study drawn"), studyTimer_->elapsed());
        studyTimer_.reset();
    }
}

void ColumnDiagramWindow::SetRange(RefluxRange range) {
    StudyReflux();
    RefluxStudy& study = *column_->study;
    study.range = range;
    study.sweep = SweepReflux(state_, range.from, range.to, kDefaultRefluxPoints);
    Redraw();
}

void ColumnDiagramWindow::Redraw() {
    layout_ = LayOutColumnDiagram(width(), height());
    const RefluxStudy* study = Studied() ? &*column_->study : nullptr;
    DrawColumnPicture(Surface(), ColumnPicture{state_, column_->result, diagram_, layout_, study});
}

void ColumnDiagramWindow::PlaceButtons() {
    const ColumnDiagramLayout layout = LayOutColumnDiagram(width(), height());
    const double u = layout.unit;
    const int top = static_cast<int>(std::lround(layout.buttonTop));
    const int h = static_cast<int>(std::lround(layout.buttonHeight));
    const auto px = [](double value) { return static_cast<int>(std::lround(value)); };
    QFont font = RangeButton->font();
    font.setPointSizeF(10 * std::min(u, 1.4));
    for (CommandButton* button : {RangeButton, SavePictureButton, SaveCaseButton, CloseButton})
        button->setFont(font);
    const int saveWidth = px(200 * u), rangeWidth = px(150 * u);
    const int left = px(layout.diagram.left);
    SavePictureButton->setGeometry(left, top, saveWidth, h);
    SaveCaseButton->setGeometry(left + saveWidth + px(20 * u), top, saveWidth, h);
    RangeButton->setGeometry(px(layout.reflux.left), top, rangeWidth, h);
    CloseButton->setGeometry(width() - px(30 * u) - rangeWidth, top, rangeWidth, h);
    const int noteLeft = SaveCaseButton->geometry().right() + px(12 * u);
    SaveNote->setGeometry(noteLeft, top, std::max(0, RangeButton->x() - px(12 * u) - noteLeft), h);
    // The file's name is the end of the path; a long path gives up its beginning.
    if (!savedPath_.isEmpty()) {
        const QString what = savedWhat_.arg(QString());
        const int room = SaveNote->width() - SaveNote->fontMetrics().horizontalAdvance(what);
        SaveNote->setText(what +
                          SaveNote->fontMetrics().elidedText(savedPath_, Qt::ElideLeft, std::max(0, room)));
    }
}

void ColumnDiagramWindow::resizeEvent(QResizeEvent* event) {
    ScreenWindow::resizeEvent(event);
    PlaceButtons();
    Redraw();
}

void ColumnDiagramWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Unload();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

void ColumnDiagramWindow::OnMouseDown(QPointF where, Qt::MouseButton button) {
    if (button != Qt::LeftButton || column_->result.stop != CalcStop::None)
        return;
    if (const std::optional<int> tray = TrayAt(diagram_, layout_, column_->result.requiredTrays,
                                               {where.x(), where.y()}, 6 * layout_.unit))
        navigator_.ShowWorkedTray(*tray);
}

void ColumnDiagramWindow::RangeButtonClick() {
    // The boxes offer the study's range, so a click before the study beside the window is done
    // makes it here.
    StudyReflux();
    auto ask = [&](const QString& prompt, double current) {
        const QString answer =
            platform_.dialogs.InputBox({prompt, kRangeTitle, RegionalNumber(current), std::nullopt});
        return Val(NormalizeDecimalText(answer.toStdString()));
    };
    const double from = ask(kFromPrompt, Range().from);
    const double to = ask(kToPrompt, Range().to);
    // R is a ratio of flows: positive, no larger than its check allows, and the range must have a
    // length.
    if (!(from > 0 && to > from && to <= ParamUpperBound(param::kR))) {
        platform_.dialogs.Beep();
        return;
    }
    SetRange({from, to});
}

// The whole note is also the label's tool tip.
void ColumnDiagramWindow::NoteSaved(const QString& what, const QString& path) {
    savedWhat_ = what;
    savedPath_ = path;
    SaveNote->setToolTip(what.arg(savedPath_));
    PlaceButtons();
}

void ColumnDiagramWindow::SavePictureButtonClick() {
    const QString path = platform_.dialogs.SaveFileName(kSavePictureCaption, kPictureFilter);
    if (path.isEmpty())
        return;
    if (!platform_.files.WritePicture(Surface(), size(), path)) {
        platform_.dialogs.ShowMessage(QStringLiteral("Рисунок не записан: %1").arg(path), kWriteErrorTitle);
        return;
    }
    NoteSaved(kPictureWritten, path);
}

void ColumnDiagramWindow::SaveCaseButtonClick() {
    const QString path = platform_.dialogs.SaveFileName(kSaveCaseCaption, kCaseFilter);
    if (path.isEmpty())
        return;
    if (!platform_.files.WriteText(path, FormatCaseFile(state_))) {
        platform_.dialogs.ShowMessage(QStringLiteral("Вариант не записан: %1").arg(path), kWriteErrorTitle);
        return;
    }
    NoteSaved(kCaseWritten, path);
}

void ColumnDiagramWindow::paintEvent(QPaintEvent* event) {
    ScreenWindow::paintEvent(event);
    if (openTimer_) {
        platform_.diagnostics.Timing(QStringLiteral("column diagram painted"), openTimer_->elapsed());
        openTimer_.reset();
    }
    StartStudyBeside();
}

} // namespace radirav
