#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form14_remove_point.h"
#include "screens/recording_navigator.h"
#include "screens/screen_test.h"

#include "model/equilibrium_points.h"
#include "support/test_names.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <functional>

namespace radirav {
namespace {

using testing::CaseName;

const QColor kBlue(0, 0, 255), kYellow(255, 255, 0);

// Eight points whose marks sit on whole drawing units of the 300-unit frame at (450, 45):
// point i at (450 + 300 x, 345 - 300 y). Marks 5 (600, 120) and 6 (603, 117) lie 3 apart.
constexpr const char* kX[] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.51", "0.7", "0.9"};
constexpr const char* kY[] = {"0.3", "0.45", "0.55", "0.65", "0.75", "0.76", "0.85", "0.95"};

void LoadPoints(ProgramState& state, int count) {
    state.EqPointCount = 0;
    for (int i = 0; i < count; ++i) {
        // Beyond the eight, points climb towards (0.99, 0.995) in small steps.
        const std::string x = i < 8 ? kX[i] : std::to_string(0.9 + 0.0075 * (i - 7));
        const std::string y = i < 8 ? kY[i] : std::to_string(0.95 + 0.0035 * (i - 7));
        InsertPoint(state, x, y);
    }
}

class Form13Test : public testing::ScreenTest {
protected:
    Form13* Open(int points = 8) {
        LoadPoints(state, points);
        form = new Form13(state, platform, navigator);
        form->RefreshEditor();
        form->show();
        return form;
    }

    QStringList Visible() const {
        return testing::VisibleOf({form->Command1, form->Command2, form->Command3, form->Command4,
                                   form->Command5, form->Text1, form->Label1, form->Label3});
    }

    std::vector<DrawOp> Circles(double radius) const {
        std::vector<DrawOp> found;
        for (const DrawOp& op : form->Surface().Ops()) {
            if (op.kind == DrawOp::Kind::Circle && op.radius == radius) {
                found.push_back(op);
            }
        }
        return found;
    }

    // Types over the selected start of Text1 and presses Enter.
    void Type(const QString& text) {
        QTest::keyClicks(form->Text1, text);
        QTest::keyClick(form->Text1, Qt::Key_Return);
    }

    testing::RecordingNavigator navigator;
    QPointer<Form13> form;
};

using Reach = void (*)(Form13*, const std::function<void(QPoint)>& click);

struct ModeCase {
    const char* name;
    int points;
    Reach reach; // from a new editor
    QStringList visible;
    bool quitEnabled;
    bool editMode = false, removeMode = false, pointPicked = false;
};

class Form13Modes : public Form13Test, public ::testing::WithParamInterface<ModeCase> {};

// The buttons shown and the flags both name the editor's one mode; a new editor starts idle.
TEST_P(Form13Modes, ShowTheButtonsAndSetTheFlagsOfTheMode) {
    const ModeCase& c = GetParam();
    Open(c.points);
    EXPECT_FALSE(form->EditMode() || form->RemoveMode() || form->PointPicked()) << "a new editor is idle";
    c.reach(form, [this](QPoint at) { testing::ClickAt(form, at); });
    EXPECT_EQ(Visible(), c.visible);
    EXPECT_EQ(form->Command2->isEnabled(), c.quitEnabled);
    EXPECT_EQ(form->EditMode(), c.editMode);
    EXPECT_EQ(form->RemoveMode(), c.removeMode);
    EXPECT_EQ(form->PointPicked(), c.pointPicked);
}

void Idle(Form13*, const std::function<void(QPoint)>&) {}
void Editing(Form13* f, const std::function<void(QPoint)>&) {
    QTest::mouseClick(f->Command5, Qt::LeftButton);
}
void CellPicked(Form13* f, const std::function<void(QPoint)>& click) {
    Editing(f, click);
    click({100, 80});
}
void Removing(Form13* f, const std::function<void(QPoint)>&) {
    QTest::mouseClick(f->Command4, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Form13Modes,
    ::testing::Values(
        ModeCase{"idle with eight points", 8, Idle, {"Command1", "Command2", "Command3", "Command5"}, true},
        ModeCase{"idle with twenty points", 20, Idle, {"Command1", "Command2", "Command4", "Command5"}, true},
        ModeCase{"idle with twelve points",
                 12,
                 Idle,
                 {"Command1", "Command2", "Command3", "Command4", "Command5"},
                 true},
        ModeCase{"editing", 12, Editing, {"Command2", "Label3"}, false, true},
        ModeCase{"cell picked", 12, CellPicked, {"Command2", "Text1"}, false, true, false, true},
        ModeCase{"retyped with Enter",
                 12,
                 [](Form13* f, const std::function<void(QPoint)>& click) {
                     CellPicked(f, click);
                     QTest::keyClick(f->Text1, Qt::Key_Return);
                 },
                 {"Command1", "Command2", "Command3", "Command4", "Command5"},
                 true},
        ModeCase{"removal", 12, Removing, {"Command2", "Label1"}, false, false, true},
        ModeCase{"removal offered",
                 12,
                 [](Form13* f, const std::function<void(QPoint)>& click) {
                     Removing(f, click);
                     click({100, 80});
                 },
                 {},
                 false,
                 false,
                 true}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(Form13Test, EscapeGivesThePickedCellBackItsTextAndEndsTheEdit) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, {100, 80}); // x of row three
    QTest::keyClicks(form->Text1, QStringLiteral("0.30"));
    // A click in the box stores what is typed; the same value, so the edit goes on.
    QTest::mouseClick(form->Text1, Qt::LeftButton);
    ASSERT_EQ(state.EqXText[3], "0.30");
    ASSERT_TRUE(form->Text1->isVisible());
    QTest::keyClick(form->Text1, Qt::Key_Escape);
    EXPECT_EQ(state.EqXText[3], "0.3");
    EXPECT_EQ(state.EqX[3], 0.3f);
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2", "Command3", "Command5"}));
    EXPECT_TRUE(form->Command2->isEnabled());
}

struct PickCase {
    const char* name;
    QPoint click;
    int row;
    PointColumn column;
};

class Form13Picking : public Form13Test, public ::testing::WithParamInterface<PickCase> {};

TEST_P(Form13Picking, PicksTheCellUnderTheClick) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, GetParam().click);
    const PickCase& want = GetParam();
    EXPECT_EQ(form->PickedCell().row, want.row);
    EXPECT_EQ(form->PickedCell().column, want.column);
    EXPECT_EQ(form->Text1->isVisible(), want.row != 0);
    if (want.row == 0) {
        EXPECT_TRUE(Circles(8).empty());
        EXPECT_FALSE(form->PointPicked());
        return;
    }
    // Over the cell: x column from 70, y column from 170, rows 18 high below the header at 20.
    const int left = want.column == PointColumn::X ? 70 : 170;
    EXPECT_EQ(form->Text1->geometry(), QRect(left, 20 + 18 * want.row, 100, 18));
    const char* cell = want.column == PointColumn::X ? kX[want.row - 1] : kY[want.row - 1];
    EXPECT_EQ(form->Text1->text(), QString::fromUtf8(cell));
    EXPECT_EQ(form->Text1->selectedText(), QString::fromUtf8(cell));
    EXPECT_EQ(form->focusWidget(), form->Text1);
    EXPECT_TRUE(form->PointPicked());
    EXPECT_TRUE(form->Label3->isHidden());
    const std::vector<DrawOp> marks = Circles(8);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].from,
              QPointF(form->Plotted().PointScreenX[want.row], form->Plotted().PointScreenY[want.row]));
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Form13Picking,
    ::testing::Values(PickCase{"four units right of mark one", {484, 255}, 1, PointColumn::Y},

                      PickCase{"exactly five units right of mark one", {485, 255}, 0, PointColumn::None},

                      PickCase{"between marks five and six", {602, 118}, 5, PointColumn::Y},
                      PickCase{"within five of mark six only", {606, 114}, 6, PointColumn::Y},
                      PickCase{"x cell of row three", {100, 80}, 3, PointColumn::X},
                      PickCase{"y cell of row three", {200, 80}, 3, PointColumn::Y},
                      PickCase{"y cell of the last row", {269, 181}, 8, PointColumn::Y},
                      PickCase{"header row", {100, 25}, 0, PointColumn::None},
                      PickCase{"below the last row", {100, 185}, 0, PointColumn::None},

                      PickCase{"alfa column", {300, 80}, 0, PointColumn::None}),
    [](const auto& info) { return CaseName(info.param.name); });

struct TypedCase {
    const char* name;
    QPoint cell;
    const char* typed;
    int row;
    const char* text; // stored in the row after sorting
    float value;
};

class Form13Typing : public Form13Test, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(Form13Typing, EnterStoresTheNormalisedTextAndGoesIdle) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, GetParam().cell);
    Type(QString::fromUtf8(GetParam().typed));
    const int row = GetParam().row;
    const bool x = GetParam().cell.x() < 170;
    EXPECT_EQ(x ? state.EqXText[row] : state.EqYText[row], GetParam().text);
    EXPECT_EQ(x ? state.EqX[row] : state.EqY[row], GetParam().value);
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2", "Command3", "Command5"}));
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_TRUE(Circles(8).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Form13Typing,
    ::testing::Values(TypedCase{"comma becomes a point", {100, 80}, "0,35", 3, "0.35", 0.35f},

                      // 0.95 moves point 1 to the end; its mark was (480, 255).
                      TypedCase{"x beyond the others sorts last", {100, 44}, "0.95", 8, "0.95", 0.95f},
                      TypedCase{"y picked on the diagram", {484, 255}, "0,25", 1, "0.25", 0.25f}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(Form13Test, ATableClickAfterAnEditedAndSortedRowEditsTheRowOnScreen) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, {100, 44}); // x of point 1
    Type(QStringLiteral("0.95"));
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, {100, 44}); // x of the point now first, 0.2
    EXPECT_EQ(form->Text1->text(), QStringLiteral("0.2"));
    EXPECT_EQ(state.EqXText[8], "0.95"); // the finished edit is not stored a second time
    Type(QStringLiteral("0.15"));
    EXPECT_EQ(state.EqXText[1], "0.15");
    EXPECT_EQ(state.EqXText[8], "0.95");
}

TEST_F(Form13Test, PickingAnotherMarkKeepsTheValueTypedSoFar) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, {100, 80}); // x of point 3
    QTest::keyClicks(form->Text1, QStringLiteral("0.33"));
    testing::ClickAt(form, {600, 120}); // mark of point 5
    EXPECT_EQ(state.EqXText[3], "0.33");
    EXPECT_EQ(form->PickedCell().row, 5);
    EXPECT_EQ(form->Text1->text(), QStringLiteral("0.75"));
}

// A click in the box ends the edit once the value differs; a comma still reads as the point.
TEST_F(Form13Test, AClickInTheTextBoxStoresAChangedValue) {
    Open();
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    testing::ClickAt(form, {100, 80}); // x of point 3
    QTest::mouseClick(form->Text1, Qt::LeftButton);
    EXPECT_TRUE(form->Text1->isVisible()); // unchanged: editing goes on
    EXPECT_EQ(Circles(8).size(), 1u);
    form->Text1->selectAll();
    QTest::keyClicks(form->Text1, QStringLiteral("0,35"));
    QTest::mouseClick(form->Text1, Qt::LeftButton);
    EXPECT_EQ(state.EqXText[3], "0.35");
    EXPECT_EQ(state.EqX[3], 0.35f);
    EXPECT_FALSE(form->Text1->isVisible());
    EXPECT_TRUE(form->Command1->isVisible());
}

struct AddCase {
    const char* name;
    int points;
    bool increaseShown;
    const char* focusAfter; // the add button, or the retype button once no point can be added
};

class Form13Adding : public Form13Test, public ::testing::WithParamInterface<AddCase> {};

TEST_P(Form13Adding, AsksTheNewPointAndPlacesIt) {
    Open(GetParam().points);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    form->Command3->setFocus();
    machine.AnswerInputBoxes({QStringLiteral("0,45"), QStringLiteral("0,7")});
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    // Hiding the focused add button handed the focus on to the end of the program.
    ASSERT_NE(form->focusWidget(), nullptr);
    EXPECT_EQ(form->focusWidget()->objectName(), QString::fromLatin1(GetParam().focusAfter));
    const int n = GetParam().points + 1;
    EXPECT_EQ(state.EqPointCount, n);
    ASSERT_EQ(machine.inputBoxes.size(), 2u);
    const QString index = QString::number(n);
    EXPECT_EQ(machine.inputBoxes[0].prompt, QStringLiteral(" X [ ") + index + QStringLiteral(" ] = "));
    EXPECT_EQ(machine.inputBoxes[0].title, QStringLiteral("ВВОД X РАВНОВЕСНОГО "));
    EXPECT_EQ(machine.inputBoxes[1].prompt, QStringLiteral(" Y [ ") + index + QStringLiteral(" ] = "));
    EXPECT_EQ(machine.inputBoxes[1].title, QStringLiteral("ВВОД Y РАВНОВЕСНОГО"));
    EXPECT_EQ(machine.inputBoxes[1].positionTwips, QPoint(500, 6000));
    EXPECT_EQ(state.EqXText[5], "0.45"); // between 0.4 and 0.5
    EXPECT_EQ(state.EqY[5], 0.7f);
    EXPECT_EQ(form->Command3->isVisible(), GetParam().increaseShown);
}

INSTANTIATE_TEST_SUITE_P(Editor, Form13Adding,
                         ::testing::Values(AddCase{"eight to nine", 8, true, "Command3"},
                                           AddCase{"nineteen to twenty", 19, false, "Command5"}),
                         [](const auto& info) { return CaseName(info.param.name); });

class Form13Removal : public Form13Test {
protected:
    Form14* OfferRowThree(int points) {
        Open(points);
        QTest::mouseClick(form->Command4, Qt::LeftButton);
        testing::ClickAt(form, {45, 80}); // row 3, in the number column
        return LoadedScreen<Form14>();
    }
};

TEST_F(Form13Removal, OffersTheRowWithAHighlightAndABeep) {
    Form14* form14 = OfferRowThree(9);
    ASSERT_NE(form14, nullptr);
    EXPECT_EQ(form14->windowTitle(), QStringLiteral("ВНИМАНИЕ !!!"));
    EXPECT_EQ(form14->Label1->text(), QStringLiteral("Убираете "));
    EXPECT_EQ(form14->Label2->text(), QStringLiteral(" 3 пару равновесной зависимости?"));
    EXPECT_EQ(machine.beeps, 1);
    EXPECT_EQ(Visible(), QStringList{});
    const auto& ops = form->Surface().Ops();
    const auto bar = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Rectangle && op.filled && op.color == kBlue;
    });
    ASSERT_NE(bar, ops.end());
    EXPECT_EQ(bar->from, QPointF(40, 74));
    EXPECT_EQ(bar->to, QPointF(370, 92));
    QStringList yellow;
    for (auto op = bar; op != ops.end(); ++op) {
        if (op->kind == DrawOp::Kind::Text && op->color == kYellow) {
            yellow << op->text;
        }
    }
    EXPECT_EQ(yellow,
              (QStringList{"3", "0.3", "0.55", "2.8518518273"})); // single x, y; double ALFA cut to 12
}

TEST_F(Form13Removal, YesRemovesThePointAndRenumbersTheRest) {
    Form14* form14 = OfferRowThree(9);
    ASSERT_NE(form14, nullptr);
    ProgramState before = state;
    QTest::mouseClick(form14->Command1, Qt::LeftButton);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(state.EqPointCount, 8);
    for (int i = 3; i <= 8; ++i) {
        EXPECT_EQ(state.EqXText[i], before.EqXText[i + 1]) << i;
        EXPECT_EQ(state.EqY[i], before.EqY[i + 1]) << i;
    }
    EXPECT_EQ(LoadedScreen<Form14>(), nullptr);
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2", "Command3", "Command5"}));
    EXPECT_TRUE(form->Command2->isEnabled());
}

// "Нет", the title-bar close and a click beside the question all keep the point.
struct KeepCase {
    const char* name;
    std::function<void(Form13*, Form14*)> answer;
};

class Form13Keeping : public Form13Removal, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(Form13Keeping, KeepsThePointAndTheEditor) {
    Form14* form14 = OfferRowThree(9);
    ASSERT_NE(form14, nullptr);
    GetParam().answer(form, form14);
    testing::DestroyUnloadedWindows();
    EXPECT_EQ(state.EqPointCount, 9);
    EXPECT_EQ(state.EqXText[3], "0.3");
    EXPECT_EQ(LoadedScreen<Form14>(), nullptr);
    ASSERT_FALSE(form.isNull());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5"}));
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_TRUE(navigator.asked.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Form13Keeping,
    ::testing::Values(KeepCase{"no",
                               [](Form13*, Form14* q) { QTest::mouseClick(q->Command2, Qt::LeftButton); }},
                      KeepCase{"title bar close", [](Form13*, Form14* q) { q->close(); }},
                      KeepCase{"escape", [](Form13*, Form14* q) { QTest::keyClick(q, Qt::Key_Escape); }},
                      KeepCase{"click on the editor",
                               [](Form13* e, Form14*) {
                                   testing::ClickAt(e, {200, 80});
                               }}),
    [](const auto& info) { return CaseName(info.param.name); });

TEST_F(Form13Removal, APickOfNoRowLeavesTheEditorIdleWithItsEndButton) {
    Open(9);
    QTest::mouseClick(form->Command4, Qt::LeftButton);
    testing::ClickAt(form, {100, 25}); // header row
    EXPECT_EQ(LoadedScreen<Form14>(), nullptr);
    EXPECT_EQ(state.EqPointCount, 9);
    EXPECT_EQ(Visible(), (QStringList{"Command1", "Command2", "Command3", "Command4", "Command5"}));
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_FALSE(form->RemoveMode());
}

// The point that breaks a rule is marked in the table as the check screen marks it, red on green.
TEST_F(Form13Test, TheFailingPointIsMarkedRedOnGreen) {
    Open();
    StorePointCell(state, 4, PointColumn::Y, "0.5", true); // below point 3's 0.55
    form->RefreshEditor();
    ASSERT_EQ(state.ErrorIndex, 4);
    const auto& ops = form->Surface().Ops();
    const auto bar = std::find_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Rectangle && op.filled && op.color == QColor(0, 255, 0);
    });
    ASSERT_NE(bar, ops.end());
    EXPECT_EQ(bar->from, QPointF(40, 92));
    EXPECT_EQ(bar->to, QPointF(370, 110));
    QStringList red;
    for (auto op = bar; op != ops.end(); ++op) {
        if (op->kind == DrawOp::Kind::Text && op->color == QColor(255, 0, 0)) {
            red << op->text;
        }
    }
    EXPECT_EQ(red.mid(0, 3), (QStringList{"4", "0.4", "0.5"}));
}

struct EndCase {
    const char* name;
    const char* wrongY; // point 4's y
    const char* button;
    QString asked;
};

class Form13Ending : public Form13Test, public ::testing::WithParamInterface<EndCase> {};

TEST_P(Form13Ending, AsksTheNextScreen) {
    Open();
    StorePointCell(state, 4, PointColumn::Y, GetParam().wrongY, true);
    form->RefreshEditor();
    QTest::mouseClick(form->findChild<CommandButton*>(QString::fromUtf8(GetParam().button)), Qt::LeftButton);
    EXPECT_EQ(navigator.asked, QStringList{GetParam().asked});
    EXPECT_TRUE(form.isNull() || form->IsUnloading());
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Form13Ending,
    ::testing::Values(EndCase{"a sound table is calculated", "0.65", "Command1", "CalculateAndShow"},
                      EndCase{"a falling y goes back to the check", "0.5", "Command1",
                              "ShowEquilibriumCheck"},
                      EndCase{"the end button ends the program", "0.65", "Command2", "EndProgram"}),
    [](const auto& info) { return CaseName(info.param.name); });

} // namespace
} // namespace radirav
