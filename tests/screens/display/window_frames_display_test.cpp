#include "model/sample_data.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "screens/display/display_support.h"
#include "screens/equilibrium/form10_points_check.h"
#include "screens/equilibrium/form13_graph_editor.h"
#include "screens/equilibrium/form14_remove_point.h"
#include "screens/equilibrium/form8_review.h"
#include "screens/equilibrium/form9_antoine_question.h"
#include "screens/group_test_support.h"
#include "screens/input/form1_title.h"
#include "screens/menu/form15_change_menu.h"
#include "screens/menu/form16_reentry_choice.h"
#include "screens/results/column_diagram_window.h"
#include "screens/results/form11_results.h"
#include "support/sample_state.h"
#include "support/test_names.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QScreen>
#include <QTimer>

namespace radirav {
namespace {

using testing::Answers;
using testing::SettledOuterFrame;

QRect Available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

class Frames : public testing::GroupTest {
public:
    QWidget* Title() { return flow.ShowTitle(); }
    template <typename T> T* Loaded() {
        testing::DestroyUnloadedWindows();
        return LoadedScreen<T>();
    }
    QWidget* GroupWithValue(const QString& feed) {
        GroupWindow* form = EnterWith(testing::Group::General, 1, feed);
        if (form != nullptr && state.InputError)
            QTest::mouseClick(form->Command1, Qt::LeftButton);
        if (form == nullptr || !state.InputError)
            return form;
        return form->Confirmation();
    }
    QWidget* SectionGroup(testing::Group group) { return EnterSample(group); }
    QWidget* ReentryChoice() {
        Results();
        flow.OpenReentryChoice(EquilibriumData::Points);
        return Loaded<Form16>();
    }
    QWidget* Review() {
        flow.ShowIdealityChoice();
        return Loaded<Form8>();
    }
    QWidget* AntoineQuestion() {
        auto* form = static_cast<Form8*>(Review());
        machine.AnswerInputBoxes({QStringLiteral("23"), QStringLiteral("1200"), QStringLiteral("120"),
                                  QStringLiteral("12"), QStringLiteral("1100"), QStringLiteral("-145")});
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QTest::mouseClick(form->Command3, Qt::LeftButton);
        return form->ErrorQuestion();
    }
    QWidget* Editor() {
        state = testing::SampleWithPoints();
        flow.OpenGraphEditor();
        return Loaded<Form13>();
    }
    QWidget* RemovalQuestion() {
        auto* editor = static_cast<Form13*>(Editor());
        QTest::mouseClick(editor->Command4, Qt::LeftButton);
        testing::ClickAt(editor, {45, 80}); // row 3
        return Loaded<Form14>();
    }
    QWidget* Results() {
        state = testing::SampleWithPoints();
        flow.CalculateAndShow();
        return Loaded<Form11>();
    }
    QWidget* Menu() {
        Results();
        flow.OpenChangeMenu();
        return Loaded<Form15>();
    }
};

struct FrameCase {
    std::string name;
    QWidget* (*open)(Frames&);
    QRect (*outer)(); // the designed frame in pixels
};
void PrintTo(const FrameCase& c, std::ostream* os) {
    *os << c.name;
}

class OuterGeometry : public Frames, public ::testing::WithParamInterface<FrameCase> {};

// Under a real window manager each window's frame stands where the design puts the window, at
// its designed outer size: the title bar is no longer added below the design.
TEST_P(OuterGeometry, TheFrameStandsWhereTheDesignPutsTheWindow) {
    QWidget* window = GetParam().open(*this);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    const QRect frame = SettledOuterFrame(window);
    EXPECT_EQ(frame, GetParam().outer());
    EXPECT_TRUE(Available().contains(frame)) << "beyond the screen";
}

QRect Twips(int left, int top, int width, int height) {
    return TwipsRect(left, top, width, height);
}

INSTANTIATE_TEST_SUITE_P(
    Display, OuterGeometry,
    ::testing::Values(
        FrameCase{"title window", [](Frames& f) { return f.Title(); },
                  [] { return QRect(Available().topLeft(), QSize(800, Available().height())); }},
        FrameCase{"general group", [](Frames& f) { return f.GroupWithValue(QStringLiteral("2.78")); },
                  [] { return Twips(50, 50, 10000, 7000); }},
        FrameCase{"general group confirmation",
                  [](Frames& f) { return f.GroupWithValue(QStringLiteral("278")); },
                  [] { return Twips(500 + 1600, 4500, 4800, 1800); }},
        FrameCase{"rectifying group", [](Frames& f) { return f.SectionGroup(testing::Group::Rectifying); },
                  [] { return Twips(100, 100, 12000, 8000); }},
        FrameCase{"stripping group", [](Frames& f) { return f.SectionGroup(testing::Group::Stripping); },
                  [] { return Twips(100, 100, 12000, 9000); }},
        FrameCase{"ideality question", [](Frames& f) { return f.Review(); },
                  [] { return Twips(100, 100, 12000, 9000); }},
        FrameCase{"Antoine error question", [](Frames& f) { return f.AntoineQuestion(); },
                  [] { return Twips(2500, 5000, 4800, 1800); }},
        FrameCase{"graph editor", [](Frames& f) { return f.Editor(); },
                  [] { return Twips(10, 5, 12000, 9000); }},
        FrameCase{"removal question", [](Frames& f) { return f.RemovalQuestion(); },
                  [] { return Twips(850, 7000, 4800, 1800); }},
        FrameCase{"results", [](Frames& f) { return f.Results(); }, [] { return Twips(10, 5, 12000, 9000); }},
        FrameCase{"change menu", [](Frames& f) { return f.Menu(); }, [] { return Available(); }},
        FrameCase{"re-entry choice", [](Frames& f) { return f.ReentryChoice(); },
                  [] { return Twips(10, 5, 12000, 9000); }}),
    [](const auto& info) { return testing::CaseName(info.param.name); });

// An input box's frame at its designed place: the box for Y[9] no longer hides the Y[8] line.
TEST(InputBoxOnTheDisplay, TheFrameStandsAtTheDesignedPosition) {
    QtDialogs dialogs;
    QRect frame;
    QTimer::singleShot(0, [&] {
        QWidget* box = nullptr;
        testing::WaitUntil([&] { return (box = QApplication::activeModalWidget()) != nullptr; });
        if (box != nullptr) {
            frame = SettledOuterFrame(box);
            static_cast<QDialog*>(box)->reject();
        }
    });
    dialogs.InputBox({QStringLiteral(" Y [ 9 ] = "),
                      QStringLiteral("ВВОД Y РАВНОВЕСНОГО"),
                      {},
                      QPoint(4000, 9 * 195 + 755)});
    EXPECT_EQ(frame.topLeft(), TwipsToPixels(QPoint(4000, 9 * 195 + 755)));
}

} // namespace
} // namespace radirav
