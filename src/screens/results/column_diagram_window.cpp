#include "screens/results/column_diagram_window.h"

#include "model/case_file.h"
#include "model/text.h"
#include "model/val.h"
#include "platform/fonts.h"
#include "platform/regional_format.h"
#include "report/line_breaks.h"
#include "report/report_text.h"
#include "report/study_text.h"
#include "screens/results/column_diagram_drawing.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <cmath>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Диаграмма и профиль колонны");
const QString kRangeCaption = QStringLiteral("Диапазон %1…");
const QString kSavePictureCaption = QStringLiteral("Сохранить рисунок…");
const QString kSaveCaseCaption = QStringLiteral("Сохранить вариант…");
const QString kCloseCaption = QStringLiteral("Закрыть");
const QString kPictureFilter = QStringLiteral("Рисунок PNG (*.png);;Рисунок SVG (*.svg)");
const QString kCaseFilter = QStringLiteral("Вариант расчёта (*.case)");
const QString kRefluxFromPrompt = QStringLiteral(" НАИМЕНЬШЕЕ ФЛЕГМОВОЕ ЧИСЛО R");
const QString kRefluxToPrompt = QStringLiteral(" НАИБОЛЬШЕЕ ФЛЕГМОВОЕ ЧИСЛО R");
const QString kRefluxRangeTitle = QStringLiteral("ДИАПАЗОН ФЛЕГМОВЫХ ЧИСЕЛ");
const QString kFromPrompt = QStringLiteral(" НАИМЕНЬШЕЕ ЗНАЧЕНИЕ %1");
const QString kToPrompt = QStringLiteral(" НАИБОЛЬШЕЕ ЗНАЧЕНИЕ %1");
const QString kRangeTitle = QStringLiteral("ДИАПАЗОН ИССЛЕДОВАНИЯ %1");
const QString kEmptyRange = QStringLiteral("%1: наибольшее значение должно быть больше наименьшего.");
const QString kErrorTitle = QStringLiteral("ОШИБКА !");
const QString kPictureWritten = QStringLiteral("Рисунок записан: %1");
const QString kCaseWritten = QStringLiteral("Вариант записан: %1");
const QString kStudyTitle = QStringLiteral("Число тарелок и тарелка питания от: %1");
const QString kFiguresHint = QStringLiteral("Щелчок по графику исследования (или Ctrl+← и Ctrl+→) покажет "
                                            "тарелки, питание и замечания колонны в этой точке.");

// The window with its frame, pixels: fits a 1280 x 800 screen with a panel; the drawing follows
// whatever size the student gives it, down to the smallest below (an 800 x 600 screen holds it
// with its frame).
constexpr int kOuterWidth = 1240, kOuterHeight = 740;
constexpr int kMinimumWidth = 780, kMinimumHeight = 540;
// A click this near the study's plot (design pixels) still picks a column.
constexpr double kPickReach = 6;

int Px(double value) {
    return static_cast<int>(std::lround(value));
}

QRect Pixels(const Box& box) {
    return {Px(box.left), Px(box.top), Px(box.Right()) - Px(box.left), Px(box.Bottom()) - Px(box.top)};
}

// A text of the core with the numbers' decimal points as the system writes them, a name kept
// on one line with its value.
QString Regional(const std::string& text) {
    static const QRegularExpression point(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return QString::fromStdString(BindNamesToValues(text))
        .replace(point, QString(QLatin1Char(RegionalDecimalSeparator())));
}

} // namespace

ColumnDiagramWindow::ColumnDiagramWindow(ProgramState& state, Platform platform,
                                         std::shared_ptr<HeldColumn> column, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("ColumnDiagram")), state_(state), platform_(platform),
      navigator_(navigator), column_(std::move(column)), inputs_(StudiableInputs(state)) {
    setWindowTitle(kCaption);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    SetOuterGeometry({10, 5, kOuterWidth, kOuterHeight});
    Surface().SetFontFamily(InstalledFamily(QStringLiteral("Arial")));
    Surface().SetBackColor(Qt::white);

    const QFont font = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    StudiedInputBox = new QComboBox(this);
    StudiedInputBox->setObjectName(QStringLiteral("StudiedInputBox"));
    for (const StudiedInput input : inputs_)
        StudiedInputBox->addItem(QString::fromStdString(StudyChoiceText(state_, input)));
    StudiedInputBox->setCurrentIndex(
        static_cast<int>(std::find(inputs_.begin(), inputs_.end(), chosen_) - inputs_.begin()));
    StudiedInputBox->setToolTip(StudiedInputBox->currentText());
    RangeButton =
        MakeButton(this, QStringLiteral("RangeButton"), kRangeCaption.arg(QStringLiteral("R")), {}, font);
    ColumnFigures = new QPlainTextEdit(this);
    ColumnFigures->setObjectName(QStringLiteral("ColumnFigures"));
    ColumnFigures->setReadOnly(true);
    ColumnFigures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ColumnFigures->setWordWrapMode(QTextOption::WordWrap);
    ColumnFigures->setFrameShape(QFrame::NoFrame);
    ColumnFigures->setPlaceholderText(kFiguresHint);
    ColumnFigures->document()->setDocumentMargin(1);
    SavePictureButton = MakeButton(this, QStringLiteral("SavePictureButton"), kSavePictureCaption, {}, font);
    SaveCaseButton = MakeButton(this, QStringLiteral("SaveCaseButton"), kSaveCaseCaption, {}, font);
    SaveNote =
        MakeLabel(this, QStringLiteral("SaveNote"), {}, ScreenFont(QStringLiteral("MS Sans Serif"), 9));
    SaveNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SaveNote->setWordWrap(true);
    CloseButton = MakeButton(this, QStringLiteral("CloseButton"), kCloseCaption, {}, font);
    setTabOrder(StudiedInputBox, RangeButton);
    setTabOrder(RangeButton, ColumnFigures);
    setTabOrder(ColumnFigures, SavePictureButton);
    setTabOrder(SavePictureButton, SaveCaseButton);
    setTabOrder(SaveCaseButton, CloseButton);

    connect(StudiedInputBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(inputs_.size()))
            Choose(inputs_[static_cast<std::size_t>(index)]);
    });
    RangeButton->OnClick([this] { RangeButtonClick(); });
    SavePictureButton->OnClick([this] { SavePictureButtonClick(); });
    SaveCaseButton->OnClick([this] { SaveCaseButtonClick(); });
    CloseButton->OnClick([this] { Unload(); });
    // The keyboard's way along the study's points.
    for (const auto& [key, by] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_Right, 1}}) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | key), this);
        connect(shortcut, &QShortcut::activated, this, [this, by] { StepPickedRow(by); });
    }

    diagram_ = BuildColumnDiagram(state_, column_->result);
    PlaceControls();
    Redraw();
}

void ColumnDiagramWindow::Choose(StudiedInput input) {
    if (input == chosen_)
        return;
    chosen_ = input;
    picked_.reset();
    ColumnFigures->clear();
    const auto index = std::find(inputs_.begin(), inputs_.end(), input) - inputs_.begin();
    if (index != StudiedInputBox->currentIndex()) {
        const QSignalBlocker quiet(StudiedInputBox);
        StudiedInputBox->setCurrentIndex(static_cast<int>(index));
    }
    StudiedInputBox->setToolTip(StudiedInputBox->currentText());
    RangeButton->setText(kRangeCaption.arg(QString::fromUtf8(KeyOfStudiedInput(input))));
    // The tray type has two values and no range to set.
    RangeButton->setEnabled(input.kind != StudiedKind::TrayType);
    studyTimer_.emplace();
    studyTimer_->start();
    Redraw();
    if (Study() != nullptr) {
        platform_.diagnostics.Timing(
            QStringLiteral("study of %1 drawn").arg(QString::fromUtf8(KeyOfStudiedInput(input))),
            studyTimer_->elapsed());
        studyTimer_.reset();
    } else {
        Ask({input, std::nullopt});
    }
}

std::optional<StudyPlot> ColumnDiagramWindow::PlotOfStudy() const {
    if (Study() == nullptr)
        return std::nullopt;
    return PlanStudyPlot(layout_.study, *Study(), BuildStudyCurves(*Study()));
}

ValueRange ColumnDiagramWindow::Range() const {
    if (Study() == nullptr || Study()->rows.empty())
        return {};
    return {Study()->rows.front().value, Study()->rows.back().value};
}

void ColumnDiagramWindow::StudyNow() {
    if (Study() == nullptr)
        TakeStudy(DefaultStudy(state_, chosen_));
}

void ColumnDiagramWindow::Ask(StudyRequest request) {
    if (running_ == request || waiting_ == request)
        return;
    if (running_) {
        waiting_ = std::move(request); // the latest choice only
        return;
    }
    StartBeside(std::move(request));
}

void ColumnDiagramWindow::StartBeside(StudyRequest request) {
    // Some hundreds of columns: made beside the window, so that it answers the keyboard and the
    // mouse all the while. The study works on its own copy of the input; when the window goes
    // first, the result is dropped.
    running_ = request;
    RunBeside<InputStudy>(
        platform_.tasks, *this,
        [input = state_, request] {
            return request.values ? StudyInput(input, request.input, *request.values)
                                  : DefaultStudy(input, request.input);
        },
        [this](InputStudy study) {
            running_.reset();
            TakeStudy(std::move(study));
            if (!waiting_)
                return;
            const StudyRequest next = *waiting_;
            waiting_.reset();
            if (next.values || column_->StudyOf(next.input) == nullptr)
                StartBeside(next);
        });
}

void ColumnDiagramWindow::TakeStudy(InputStudy study) {
    const StudiedInput input = study.input;
    column_->Keep(std::move(study));
    if (input != chosen_)
        return;
    picked_.reset();
    ColumnFigures->clear();
    Redraw();
    if (studyTimer_) {
        platform_.diagnostics.Timing(
            QStringLiteral("study of %1 drawn").arg(QString::fromUtf8(KeyOfStudiedInput(input))),
            studyTimer_->elapsed());
        studyTimer_.reset();
    }
}

void ColumnDiagramWindow::PickRow(std::size_t row) {
    if (Study() == nullptr || row >= Study()->rows.size())
        return;
    picked_ = row;
    ShowPickedColumn();
    Redraw();
}

void ColumnDiagramWindow::StepPickedRow(int by) {
    const InputStudy* study = Study();
    if (study == nullptr || study->rows.empty())
        return;
    std::size_t row = 0;
    if (picked_) {
        const auto last = static_cast<long>(study->rows.size()) - 1;
        row = static_cast<std::size_t>(std::clamp(static_cast<long>(*picked_) + by, 0L, last));
    } else {
        // From the student's own value.
        for (std::size_t i = 1; i < study->rows.size(); ++i) {
            if (std::fabs(study->rows[i].value - study->studentValue) <
                std::fabs(study->rows[row].value - study->studentValue))
                row = i;
        }
    }
    PickRow(row);
}

void ColumnDiagramWindow::ShowPickedColumn() {
    const InputStudy& study = *Study();
    const double value = study.rows[*picked_].value;
    // The student's own column is the one held; any other is calculated for its figures.
    const ColumnResult column =
        value == study.studentValue ? column_->result : CalculateWith(state_, chosen_, value);
    QStringList lines;
    for (const std::string& line : StudyColumnText(chosen_, value, column))
        lines << Regional(line);
    ColumnFigures->setPlainText(lines.join(QLatin1Char('\n')));
}

void ColumnDiagramWindow::Redraw() {
    DrawColumnPicture(
        Surface(),
        ColumnPicture{state_, column_->result, diagram_, layout_, chosen_, Study(), picked_, {}, {}});
}

void ColumnDiagramWindow::PlaceControls() {
    layout_ = LayOutColumnDiagram(width(), height(), &diagram_);
    const double u = layout_.unit;
    QFont font = RangeButton->font();
    font.setPointSizeF(10 * std::min(u, 1.4));
    for (QWidget* control : std::initializer_list<QWidget*>{StudiedInputBox, RangeButton, SavePictureButton,
                                                            SaveCaseButton, CloseButton})
        control->setFont(font);
    QFont prose = ScreenFont(QStringLiteral("MS Sans Serif"), 9);
    prose.setPointSizeF(9 * std::min(u, 1.4));
    ColumnFigures->setFont(prose);
    StudiedInputBox->setGeometry(Pixels(layout_.studyChoice));
    RangeButton->setGeometry(Pixels(layout_.rangeButton));
    ColumnFigures->setGeometry(Pixels(layout_.columnFigures));
    SavePictureButton->setGeometry(Pixels(layout_.savePicture));
    SaveCaseButton->setGeometry(Pixels(layout_.saveCase));
    SaveNote->setGeometry(Pixels(layout_.saveNote));
    CloseButton->setGeometry(Pixels(layout_.close));
    ShowSaveNote();
}

// The whole path, broken after its separators when it takes two lines, in a smaller font when
// it needs it.
void ColumnDiagramWindow::ShowSaveNote() {
    if (savedPath_.isEmpty())
        return;
    QString breakable = savedPath_;
    breakable.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    SaveNote->setText(savedWhat_.arg(breakable));
    QFont font = SaveNote->font();
    for (double points = 9 * std::min(layout_.unit, 1.4); points >= 6; points -= 0.5) {
        font.setPointSizeF(points);
        SaveNote->setFont(font);
        if (SaveNote->heightForWidth(SaveNote->width()) <= SaveNote->height())
            break;
    }
}

void ColumnDiagramWindow::resizeEvent(QResizeEvent* event) {
    ScreenWindow::resizeEvent(event);
    PlaceControls();
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
    if (button != Qt::LeftButton)
        return;
    const PlotPoint at{where.x(), where.y()};
    if (const std::optional<StudyPlot> plot = PlotOfStudy()) {
        if (const auto row = StudyRowAt(*Study(), *plot, at, kPickReach * layout_.unit)) {
            PickRow(*row);
            return;
        }
    }
    if (column_->result.stop != CalcStop::None)
        return;
    if (const std::optional<int> tray =
            TrayAt(diagram_, layout_, column_->result.requiredTrays, at, kPickReach * layout_.unit))
        navigator_.ShowWorkedTray(*tray);
}

void ColumnDiagramWindow::RangeButtonClick() {
    if (chosen_.kind == StudiedKind::TrayType)
        return;
    const QString key = QString::fromUtf8(KeyOfStudiedInput(chosen_));
    const bool reflux = chosen_ == kStudiedReflux;
    // The boxes offer the study's range; before the study is drawn, the range it will have.
    ValueRange current = Range();
    if (Study() == nullptr) {
        const std::vector<double> values = DefaultStudyValues(state_, chosen_);
        current = {values.front(), values.back()};
    }
    const auto ask = [&](const QString& prompt, double offered) {
        return platform_.dialogs.AskInput({prompt, reflux ? kRefluxRangeTitle : kRangeTitle.arg(key),
                                           RegionalNumber(offered, 'g', 6), std::nullopt});
    };
    const std::optional<QString> fromText =
        ask(reflux ? kRefluxFromPrompt : kFromPrompt.arg(key), current.from);
    if (!fromText)
        return;
    const std::optional<QString> toText = ask(reflux ? kRefluxToPrompt : kToPrompt.arg(key), current.to);
    if (!toText)
        return;
    const std::string typedFrom = NormalizeDecimalText(fromText->toStdString());
    const std::string typedTo = NormalizeDecimalText(toText->toStdString());
    const double from = Val(typedFrom), to = Val(typedTo);
    // Both ends as a case file would take them, and a range with a length.
    std::optional<std::string> fault = StudyValueFault(state_, chosen_, from, typedFrom);
    if (!fault)
        fault = StudyValueFault(state_, chosen_, to, typedTo);
    if (!fault && !(to > from))
        fault = kEmptyRange.arg(key).toStdString();
    if (fault) {
        platform_.dialogs.Beep();
        platform_.dialogs.ShowMessage(QString::fromStdString(*fault), kErrorTitle);
        return;
    }
    studyTimer_.emplace();
    studyTimer_->start();
    Ask({chosen_, EvenValues(from, to, kDefaultStudyPoints)});
}

void ColumnDiagramWindow::NoteSaved(const QString& what, const QString& path) {
    savedWhat_ = what;
    savedPath_ = path;
    SaveNote->setToolTip(what.arg(savedPath_));
    ShowSaveNote();
}

void ColumnDiagramWindow::SavePictureButtonClick() {
    const QString name = QString::fromStdString(SavedFileBaseName(state_)) + QStringLiteral(".png");
    const QString path = platform_.dialogs.SaveFileName(kSavePictureCaption, kPictureFilter, name);
    if (path.isEmpty())
        return;
    // The picture as the window shows it, with the student, the system and the date where the
    // buttons stand, and the input studied where its choice stands.
    DrawingSurface picture = Surface();
    picture.SetChanged({});
    DrawColumnPicture(picture,
                      ColumnPicture{state_, column_->result, diagram_, layout_, chosen_, Study(), picked_,
                                    QString::fromStdString(PictureSignature(state_, platform_.clock.Now())),
                                    kStudyTitle.arg(StudiedInputBox->currentText())});
    if (!platform_.files.WritePicture(picture, size(), path)) {
        platform_.dialogs.ShowMessage(QStringLiteral("Рисунок не записан: %1").arg(path), kErrorTitle);
        return;
    }
    NoteSaved(kPictureWritten, path);
}

void ColumnDiagramWindow::SaveCaseButtonClick() {
    const QString name = QString::fromStdString(SavedFileBaseName(state_)) + QStringLiteral(".case");
    const QString path = platform_.dialogs.SaveFileName(kSaveCaseCaption, kCaseFilter, name);
    if (path.isEmpty())
        return;
    if (!platform_.files.WriteText(path, FormatCaseFile(state_))) {
        platform_.dialogs.ShowMessage(QStringLiteral("Вариант не записан: %1").arg(path), kErrorTitle);
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
    // The first study is made once the window shows.
    if (Study() == nullptr)
        Ask({chosen_, std::nullopt});
}

} // namespace radirav
