#include "screens/equilibrium/form13_graph_editor.h"

#include "model/equilibrium_choice.h"
#include "model/equilibrium_points.h"
#include "model/text.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/twips.h"
#include "screens/common/end_question.h"
#include "screens/common/equilibrium_drawing.h"
#include "screens/equilibrium/form14_remove_point.h"

#include <QKeyEvent>
#include <QLabel>
#include <cmath>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Коррекция равновесной зависимости");
const QString kEndCaption = QStringLiteral("КОНЕЦ ИЗМЕНЕНИЙ");
const QString kQuitCaption = QStringLiteral("Окончание работы с программой");
const QString kAddCaption = QStringLiteral("Увеличение количества пар точек равновесной зависимости ");
const QString kRemoveCaption = QStringLiteral("Уменьшение количества пар точек равновесной зависимости");
const QString kEditCaption = QStringLiteral("Изменения задания точек");
const QString kEditHint =
    QStringLiteral("  Подведите указатель мыши     к точке на графике или к               строке, которую Вы "
                   "            собираетесь исправлять и        щёлкните левой кнопкой");
const QString kRemoveHint =
    QStringLiteral("  Подведите указатель мыши       к точке на графике или к               строке, которую "
                   "Вы               собираетесь изымать и        щёлкните левой кнопкой");

const QColor kBlue(0, 0, 255), kYellow(255, 255, 0), kWhite(255, 255, 255), kBlack(0, 0, 0);
const QColor kGreen(0, 255, 0), kRed(255, 0, 0);

// Editor units (pixels).
constexpr int kModeButtonLeft = 465, kModeButtonWidth = 330, kButtonHeight = 36;
constexpr int kHintLeft = 480, kHintTop = 400, kHintWidth = 300, kHintHeight = 110;
constexpr int kPickMarkRadius = 8, kPickMarkPen = 3;
// Text1 shows the start of a long typed value selected, so typing replaces it.
constexpr int kSelectedOnPick = 20;
// Where the added point's two input boxes stand, twips.
const QPoint kAddBoxPosition(500, 6000);

QFont ButtonFont(const QString& caption, int width) {
    return FitFontToWidth(ScreenFont(QStringLiteral("MS Sans Serif"), 10, true), caption, width - 8);
}

CommandButton* Button(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    return MakeButton(parent, name, caption, geometry, ButtonFont(caption, geometry.width()));
}

QLabel* Hint(QWidget* parent, const QString& name, const QString& text) {
    QLabel* label = MakeLabel(parent, name, {kHintLeft, kHintTop, kHintWidth, kHintHeight},
                              ScreenFont(QStringLiteral("MS Sans Serif"), 10, true));
    label->setWordWrap(true);
    label->setText(text);
    label->hide();
    return label;
}

int CellLeft(PointColumn column) {
    return (static_cast<int>(column) - 1) * ColumnWidth + NumberColumnWidth + TableLeft;
}

// Left edge that centres `text` in a column `width` wide starting at `left`, 8 units a character.
double CentredIn(int left, int width, const std::string& text) {
    return left + (width - 8.0 * static_cast<double>(CharCount(text))) / 2.0;
}

} // namespace

Form13::Form13(ProgramState& state, Platform platform, Navigator& navigator)
    : ScreenWindow(platform.screens, QStringLiteral("Form13")), state_(state), platform_(platform),
      navigator_(navigator) {
    setWindowTitle(kCaption);
    SetOuterGeometryTwips(10, 5, 12000, 9000);
    Surface().SetFontFamily(FixedPitchCyrillicFamily(QStringLiteral("Courier New")));
    Surface().SetBackColor(QColor(192, 192, 192));

    Command5 = Button(this, QStringLiteral("Command5"), kEditCaption,
                      {kModeButtonLeft, 380, kModeButtonWidth, kButtonHeight});
    Command1 = Button(this, QStringLiteral("Command1"), kEndCaption, {140, 420, 145, kButtonHeight});
    Command3 = Button(this, QStringLiteral("Command3"), kAddCaption,
                      {kModeButtonLeft, 420, kModeButtonWidth, kButtonHeight});
    Command2 = Button(this, QStringLiteral("Command2"), kQuitCaption, {120, 460, 185, kButtonHeight});
    Command4 = Button(this, QStringLiteral("Command4"), kRemoveCaption,
                      {kModeButtonLeft, 480, kModeButtonWidth, kButtonHeight});

    Text1 = new TextBox(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFont(ScreenFont(QStringLiteral("Courier New"), 10));
    Text1->hide();
    Text1->keyPress = [this](int key) { return Text1KeyPress(key); };
    Text1->click = [this] { Text1Click(); };
    Text1->mouseDown = [this](QPointF, Qt::MouseButton) { Text1MouseDown(); };

    Label3 = Hint(this, QStringLiteral("Label3"), kEditHint);
    Label1 = Hint(this, QStringLiteral("Label1"), kRemoveHint);

    SetMode(Mode::Idle);

    Command1->OnClick([this] { Command1Click(); });
    Command2->OnClick([this] { Command2Click(); });
    Command3->OnClick([this] { Command3Click(); });
    Command4->OnClick([this] { Command4Click(); });
    Command5->OnClick([this] { Command5Click(); });
}

Form13::~Form13() = default; // closes the open removal question

void Form13::RefreshEditor() {
    DrawingSurface& surface = Surface();
    surface.Cls();
    // Sorted before the table is drawn, so that the row a click picks is the row on screen.
    SortPointsAndComputeAlfa(state_);
    DrawEquilibriumTable(surface, state_);
    state_.ErrorIndex = CheckEquilibriumPoints(state_).point;
    if (state_.InputError) {
        // The failing point as the check screen marks it: red on green.
        PaintRow(state_.ErrorIndex, kGreen, kRed);
    }
    plotted_ = DrawEquilibriumDiagram(surface, state_, graph_, kWhite, kBlack);
    const std::uint32_t colour = state_.InputError ? kBgrRed : kBgrGreen;
    if (colour != endButtonColour_) {
        // Restyling a button costs more than the whole drawing; only a change repaints it.
        PaintControl(Command1, colour);
        endButtonColour_ = colour;
    }
}

void Form13::Open() {
    RefreshEditor();
    SetMode(Mode::Idle);
    show();
    raise();
    activateWindow();
    if (state_.InputError) {
        Command5->setFocus();
    }
}

void Form13::SetMode(Mode mode) {
    const bool backToIdle = mode == Mode::Idle && mode_ != Mode::Idle;
    if (mode_ == Mode::Idle && mode != Mode::Idle)
        focusInIdle_ = focusWidget();
    mode_ = mode;
    // The picked cell is consumed once editing ends: its row may hold another point after sorting.
    if (mode != Mode::Editing) {
        picked_ = {};
    }
    const bool picked = PointPicked();

    const bool idle = mode == Mode::Idle;
    Command1->setVisible(idle || mode == Mode::Adding);
    Command2->setVisible(mode != Mode::RemovalOffered);
    Command2->setEnabled(idle || mode == Mode::Adding);
    Command3->setVisible(idle && state_.EqPointCount < kMaxEqPoints);
    Command4->setVisible(idle && state_.EqPointCount > kMinEqPoints);
    Command5->setVisible(idle);
    Label3->setVisible(mode == Mode::Editing && !picked);
    Label1->setVisible(mode == Mode::Removal);
    Text1->setVisible(picked);

    if (backToIdle) {
        QWidget* back = focusInIdle_;
        if (back == nullptr || back == Command2 || !back->isVisibleTo(this))
            back = Command3->isVisibleTo(this) ? Command3 : Command5;
        back->setFocus();
    }
}

void Form13::MarkPoint(int point) {
    Surface().Circle(QPointF(plotted_.PointScreenX[point], plotted_.PointScreenY[point]), kPickMarkRadius,
                     kBlue, kPickMarkPen);
    Surface().SetForeColor(kBlack);
}

void Form13::Command5Click() {
    SetMode(Mode::Editing);
}

void Form13::Command4Click() {
    SetMode(Mode::Removal);
    RefreshEditor();
}

void Form13::Command3Click() {
    SetMode(Mode::Adding);
    if (state_.EqPointCount < kMaxEqPoints) {
        // A box cancelled (Escape, "Отмена", its close) adds no point: a cancelled box answers
        // nothing, not the point (0, 0).
        const QString n = QString::number(state_.EqPointCount + 1);
        const std::optional<QString> x =
            platform_.dialogs.AskInput({QStringLiteral(" X [ ") + n + QStringLiteral(" ] = "),
                                        QStringLiteral("ВВОД X РАВНОВЕСНОГО "),
                                        {},
                                        kAddBoxPosition});
        const std::optional<QString> y =
            x ? platform_.dialogs.AskInput({QStringLiteral(" Y [ ") + n + QStringLiteral(" ] = "),
                                            QStringLiteral("ВВОД Y РАВНОВЕСНОГО"),
                                            {},
                                            kAddBoxPosition})
              : std::nullopt;
        if (x && y) {
            InsertPoint(state_, x->toStdString(), y->toStdString());
        }
    }
    SetMode(Mode::Idle);
    RefreshEditor();
}

void Form13::keyPressEvent(QKeyEvent* event) {
    // Escape leaves editing or removal before anything is picked, as it leaves the text box.
    if (event->key() == Qt::Key_Escape && (mode_ == Mode::Editing || mode_ == Mode::Removal)) {
        SetMode(Mode::Idle);
        RefreshEditor();
        return;
    }
    ScreenWindow::keyPressEvent(event);
}

void Form13::OnMouseDown(QPointF where, Qt::MouseButton button) {
    if (IdleOrBusy()) {
        const bool wasBusy = mode_ == Mode::RemovalOffered;
        RefreshEditor();
        if (wasBusy) {
            // A click beside the removal question withdraws the offer, as "Нет" does.
            form14_.Close();
            KeepOfferedPoint();
        }
        return;
    }
    const int x = static_cast<int>(std::floor(where.x()));
    const int y = static_cast<int>(std::floor(where.y()));
    if (mode_ == Mode::Removal) {
        if (const int hit = PickPlottedPoint(plotted_, x, y); hit != 0) {
            MarkPoint(hit);
            OfferRemoval(hit);
        } else {
            OfferRemoval(PickTableRow(x, y, state_.EqPointCount));
        }
        return;
    }
    TableCell cell = CellUnder(x, y);
    if (cell.row == 0) {
        RefreshEditor();
        return;
    }
    const bool onMark = PickPlottedPoint(plotted_, x, y) != 0;
    if (picked_.row != 0) {
        // The value typed so far goes into its cell before another is picked; the sorted
        // redraw may move the points, so the click is looked at again.
        StoreTypedText();
        RefreshEditor();
        cell = CellUnder(x, y);
    }
    if (cell.row != 0 && (onMark || button == Qt::LeftButton)) {
        PickCell(cell);
    }
}

TableCell Form13::CellUnder(int x, int y) const {
    if (const int hit = PickPlottedPoint(plotted_, x, y); hit != 0) {
        return {hit, PointColumn::Y};
    }
    return PickTableCell(x, y, state_.EqPointCount);
}

void Form13::PickCell(TableCell cell) {
    picked_ = cell;
    pickedText_ = cell.column == PointColumn::X ? state_.EqXText[cell.row] : state_.EqYText[cell.row];
    Text1->setGeometry(CellLeft(cell.column), cell.row * RowHeight + TableTop, ColumnWidth, RowHeight);
    Text1->setText(QString::fromStdString(TrimBlanks(pickedText_)));
    SetMode(Mode::Editing);
    Text1->setFocus();
    Text1->setSelection(0, kSelectedOnPick);
    RefreshEditor();
    MarkPoint(cell.row);
}

void Form13::StoreTypedText() {
    // Every way out of the box reads a typed comma as the decimal point, not only Enter.
    StorePointCell(state_, picked_.row, picked_.column, Text1->text().toStdString(), true);
}

bool Form13::Text1KeyPress(int key) {
    if (IdleOrBusy()) {
        RefreshEditor();
        return true;
    }
    if (key == Qt::Key_Escape) {
        Text1KeyEscape();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
        return false;
    }
    Text1KeyEnter();
    return true;
}

void Form13::Text1KeyEnter() {
    Text1->setText(QString::fromStdString(NormalizeDecimalText(Text1->text().toStdString())));
    StoreTypedText();
    SetMode(Mode::Idle);
    RefreshEditor();
}

void Form13::Text1KeyEscape() {
    if (picked_.row != 0) {
        StorePointCell(state_, picked_.row, picked_.column, pickedText_, false);
    }
    SetMode(Mode::Idle);
    RefreshEditor();
}

void Form13::Text1Click() {
    if (IdleOrBusy()) {
        RefreshEditor();
        return;
    }
    if (picked_.row == 0) {
        RefreshEditor();
        return;
    }
    const float& value = picked_.column == PointColumn::X ? state_.EqX[picked_.row] : state_.EqY[picked_.row];
    const float before = value;
    const int row = picked_.row;
    StoreTypedText();
    if (value != before) {
        SetMode(Mode::Idle);
        RefreshEditor();
        return;
    }
    RefreshEditor();
    MarkPoint(row);
}

void Form13::Text1MouseDown() {
    if (IdleOrBusy()) {
        RefreshEditor();
    }
}

void Form13::OfferRemoval(int row) {
    if (row < 1 || row > state_.EqPointCount) {
        // Nothing to remove: the editor is idle again, "КОНЕЦ ИЗМЕНЕНИЙ" included.
        SetMode(Mode::Idle);
        RefreshEditor();
        return;
    }
    HighlightRow(row);
    platform_.dialogs.Beep();
    offeredRow_ = row;
    SetMode(Mode::RemovalOffered);
    auto* question = new Form14(platform_.screens, row, WhileLoaded(this, &Form13::RemoveOfferedPoint),
                                WhileLoaded(this, &Form13::KeepOfferedPoint));
    question->MoveOuter(TwipsToPixels(QPoint(850, 7000)));
    form14_.Show(question, *this);
}

void Form13::HighlightRow(int row) {
    RefreshEditor();
    PaintRow(row, kBlue, kYellow);
}

void Form13::PaintRow(int row, const QColor& back, const QColor& text) {
    DrawingSurface& surface = Surface();
    const int top = TableTop + row * RowHeight;
    surface.Rectangle(QPointF(TableLeft, top),
                      QPointF(TableLeft + NumberColumnWidth + 3 * ColumnWidth, top + RowHeight), back, true);
    surface.SetForeColor(text);
    const double textTop = top + 4;
    const std::string number = std::to_string(row);
    const std::string x = TrimBlanks(state_.EqXText[row]);
    const std::string y = TrimBlanks(state_.EqYText[row]);
    const AlfaCell alfa = FormatAlfaCell(state_, row);
    const std::pair<double, std::string> cells[] = {
        {CentredIn(TableLeft, NumberColumnWidth, number), number},
        {CentredIn(CellLeft(PointColumn::X), ColumnWidth, x), x},
        {CentredIn(CellLeft(PointColumn::Y), ColumnWidth, y), y},
        {static_cast<double>(alfa.x), alfa.text},
    };
    for (const auto& [left, text] : cells) {
        surface.SetCurrentX(left);
        surface.SetCurrentY(textTop);
        surface.PrintText(QString::fromStdString(text));
    }
    surface.SetForeColor(kBlack);
}

void Form13::UnloadScreensButThis() {
    const std::vector<ScreenWindow*> loaded = platform_.screens.Loaded();
    for (ScreenWindow* screen : loaded) {
        if (screen != this) {
            screen->Unload();
        }
    }
}

void Form13::RemoveOfferedPoint() {
    RemovePoint(state_, offeredRow_);
    SetMode(Mode::Idle);
    UnloadScreensButThis();
    RefreshEditor();
    show();
}

void Form13::KeepOfferedPoint() {
    Surface().Cls();
    Surface().SetForeColor(kBlue);
    SetMode(Mode::Idle);
    UnloadScreensButThis();
    RefreshEditor();
    show();
}

void Form13::Command1Click() {
    state_.ErrorIndex = CheckEquilibriumPoints(state_).point;
    Unload();
    platform_.screens.UnloadOtherForms();
    if (state_.InputError) {
        navigator_.ShowEquilibriumCheck();
        return;
    }
    AcceptPointTable(state_);
    navigator_.CalculateAndShow();
}

void Form13::OnCloseRequested() {
    if (ConfirmEndOfWork(platform_.dialogs)) {
        Command2Click();
    }
}

void Form13::Command2Click() {
    Unload();
    platform_.screens.UnloadOtherForms();
    navigator_.EndProgram();
}

} // namespace radirav
