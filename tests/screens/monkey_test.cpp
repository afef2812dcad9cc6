// A monkey at the keyboard and the mouse: random clicks on whatever controls and windows are
// shown, random keys, random answers in every input box and message box, over and over from the
// title screen. After every event nothing may have crashed, no real modal window may wait, every
// stored value must equal Val of its text, and a calculation that ran must have had only checked
// input. A short fixed-seed round runs with the tests; RADIRAV_MONKEY_EVENTS and
// RADIRAV_MONKEY_SEED make it as long as asked.
#include "model/checks.h"
#include "model/equilibrium_points.h"
#include "model/sample_data.h"
#include "model/val.h"
#include "platform/controls.h"
#include "platform/screen_window.h"
#include "screens/flow/screen_flow.h"
#include "screens/screen_test.h"
#include "support/sample_state.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <cmath>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <set>

namespace radirav {
namespace {

// The machine answering at random: input boxes, yes/no boxes; prints and ends are counted.
class RandomMachine final : public Dialogs,
                            public KeyboardLayout,
                            public Printer,
                            public Clock,
                            public ProgramEnd,
                            public LastInput {
public:
    explicit RandomMachine(std::mt19937& random) : random_(random) {
        // The sample's own answers, by the question asked, so that roads lead somewhere.
        ProgramState sample;
        LoadSampleData(sample);
        for (int i = 1; i <= param::kCount; ++i) {
            right_[QString::fromStdString(sample.InputParams[i].Label)] =
                QString::fromStdString(sample.InputValueTexts[i]);
        }
        for (int i = 1; i <= 6; ++i) {
            right_[QString::fromStdString(sample.AntoineNames[i])] =
                QString::fromStdString(sample.AntoineTexts[i]);
        }
        for (int i = 1; i <= sample.EqPointCount; ++i) {
            right_[QStringLiteral(" X [ %1 ] = ").arg(i)] = QString::fromStdString(sample.EqXText[i]);
            right_[QStringLiteral(" Y [ %1 ] = ").arg(i)] = QString::fromStdString(sample.EqYText[i]);
        }
    }

    // Files, work beside the screen thread, the desktop and its clipboard are the real ones; no
    // timing lines.
    Platform Get() {
        return {screens, *this,  *this,  *this,        *this,   *this,
                *this,   files_, tasks_, diagnostics_, screen_, clipboard_};
    }

    std::optional<QString> AskInput(const InputBoxRequest& request) override {
        if (Pick(12) == 0) {
            Trace(QStringLiteral("  box \"%1\" cancelled").arg(request.prompt));
            return std::nullopt;
        }
        const QString answer = Answer(request);
        Trace(QStringLiteral("  box \"%1\" -> \"%2\"").arg(request.prompt, answer.left(40)));
        return answer;
    }
    QString Answer(const InputBoxRequest& request) {
        ++boxes;
        if (const auto right = right_.find(request.prompt); right != right_.end() && Pick(5) != 0) {
            return right->second;
        }
        static const QStringList kHostile{QString(),
                                          QStringLiteral("1e39"),
                                          QStringLiteral("nan"),
                                          QStringLiteral("-1"),
                                          QStringLiteral("абв"),
                                          QStringLiteral(","),
                                          QStringLiteral("2ю78"),
                                          QString(10000, QLatin1Char('9'))};
        // Mostly plausible numbers, so the roads go somewhere; now and then something hostile.
        static const QStringList kPlausible{
            QStringLiteral("2.78"),   QStringLiteral("0.08"),     QStringLiteral("0.95"),
            QStringLiteral("0.0006"), QStringLiteral("2257"),     QStringLiteral("46"),
            QStringLiteral("18"),     QStringLiteral("0.187"),    QStringLiteral("760"),
            QStringLiteral("5.25"),   QStringLiteral("1386"),     QStringLiteral("0.5"),
            QStringLiteral("10"),     QStringLiteral("0.04"),     QStringLiteral("96"),
            QStringLiteral("900"),    QStringLiteral("0.011"),    QStringLiteral("8"),
            QStringLiteral("0.3"),    QStringLiteral("23"),       QStringLiteral("1200"),
            QStringLiteral("-120"),   QStringLiteral("0.0000263")};
        if (Pick(4) == 0) {
            return kHostile[static_cast<qsizetype>(Pick(static_cast<int>(kHostile.size())))];
        }
        return kPlausible[static_cast<qsizetype>(Pick(static_cast<int>(kPlausible.size())))];
    }
    // Mostly the answer that goes on; now and then the one that ends the program.
    bool AskYesNo(const QString& prompt, const QString&, SafeAnswer safe) override {
        const bool yes = (Pick(20) != 0) == (safe == SafeAnswer::Yes);
        Trace(QStringLiteral("  yes/no \"%1\" -> %2").arg(prompt, yes ? "yes" : "no"));
        return yes;
    }
    // RADIRAV_MONKEY_TRACE=1 prints every event and answer, to replay a failure by eye.
    void Trace(const QString& line) const {
        if (trace_)
            std::cerr << line.toStdString() << '\n';
    }
    void ShowMessage(const QString&, const QString&) override {}
    void Beep() override {}
    // Files are never written: every save dialog is cancelled.
    QString SaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void Activate(std::uint32_t) override {}
    void SetFont(const QString&, int) override {}
    void PrintText(const QString&) override {}
    void PrintLine(const QString&) override {}
    void EndDoc() override {}
    void EndReport() override { ++reports; }
    DateTimeParts Now() override { return {2026, 12, 8, 10, 0, 0}; }
    void EndProgram() override { ++ends; }
    void Keep(const std::string&) override {}

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    ScreenList screens;
    int boxes = 0, reports = 0, ends = 0;

private:
    QtFiles files_;
    QtBackgroundTasks tasks_;
    StderrDiagnostics diagnostics_;
    QtScreenGeometry screen_;
    QtClipboard clipboard_;
    std::mt19937& random_;
    bool trace_ = qEnvironmentVariableIsSet("RADIRAV_MONKEY_TRACE");
    std::map<QString, QString> right_;
};

int EnvOr(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Every stored number is Val of its text (a coordinate marked out of range keeps its typed
// number, so only unmarked ones are compared).
void ExpectValuesMatchTheirTexts(const ProgramState& state, int event) {
    for (int i = 1; i <= param::kCount; ++i) {
        if (!state.InputValueTexts[i].empty()) {
            ASSERT_EQ(state.InputParams[i].Value, ToSingle(Val(state.InputValueTexts[i])))
                << "parameter " << i << " after event " << event;
        }
    }
    for (int i = 1; i <= 6; ++i) {
        if (!state.AntoineTexts[i].empty()) {
            ASSERT_EQ(state.AntoineValues[i], ToSingle(Val(state.AntoineTexts[i])))
                << "Antoine constant " << i << " after event " << event;
        }
    }
    ASSERT_GE(state.EqPointCount, 0);
    ASSERT_LE(state.EqPointCount, kMaxEqPoints) << "after event " << event;
}

// The input a calculation used passed the checks a student's input must pass.
void ExpectCheckedInput(const ProgramState& state, int event) {
    ProgramState copy = state;
    ASSERT_EQ(CheckGeneralParams(copy), 0) << "calculated after event " << event;
    ASSERT_EQ(CheckRectifyingParams(copy), 0) << "calculated after event " << event;
    ASSERT_EQ(CheckStrippingParams(copy), 0) << "calculated after event " << event;
    ASSERT_TRUE(state.EquilibriumKind.has_value());
    if (*state.EquilibriumKind == kKindConstantAlfa) {
        ASSERT_TRUE(state.Alfa && IsAlfaInRange(*state.Alfa)) << "after event " << event;
    } else if (*state.EquilibriumKind == kKindAntoine) {
        ASSERT_EQ(CheckAntoineConstants(copy), 0) << "after event " << event;
    } else {
        ASSERT_EQ(CheckEquilibriumPoints(copy).point, 0) << "after event " << event;
    }
}

struct Fingerprint {
    TrayResultTable results;
    int trays = 0, feed = 0;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint FingerprintOf(const ProgramState& state) {
    return {state.TrayResults, state.RequiredTrays, state.FeedTray};
}

ScreenWindow* ShownScreen(const ScreenList& screens, RandomMachine& machine) {
    std::vector<ScreenWindow*> shown;
    for (ScreenWindow* screen : screens.Loaded()) {
        if (screen->isVisible() && !screen->IsUnloading()) {
            shown.push_back(screen);
        }
    }
    return shown.empty() ? nullptr
                         : shown[static_cast<std::size_t>(machine.Pick(static_cast<int>(shown.size())))];
}

// A case as `radirav FILE.case` loads it: each equilibrium kind, bubble-cap or sieve trays.
ProgramState StartCase(int which) {
    const std::string trays = which % 2 == 0 ? "K" : "S";
    ProgramState state = which / 2 == 0   ? testing::SampleWithPoints(trays)
                         : which / 2 == 1 ? testing::SampleWithAlfa(10, trays)
                                          : testing::SampleWithAntoine(trays);
    state.CaseLoaded = true;
    return state;
}

TEST(Monkey, NothingAStudentDoesCrashesOrSlipsPastACheck) {
    const int events = EnvOr("RADIRAV_MONKEY_EVENTS", 600);
    std::mt19937 random(static_cast<std::mt19937::result_type>(EnvOr("RADIRAV_MONKEY_SEED", 20261208)));
    RandomMachine machine(random);
    ProgramState state;
    std::unique_ptr<ScreenFlow> flow;
    std::set<QString> reached;
    int calculations = 0, starts = 0, caseStarts = 0;
    static const int kKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,
                                Qt::Key_5,     Qt::Key_Period, Qt::Key_A,      Qt::Key_Backspace};

    for (int event = 0; event < events; ++event) {
        testing::DestroyUnloadedWindows();
        ScreenWindow* screen = ShownScreen(machine.screens, machine);
        if (screen == nullptr) {
            // The program (re)started, a new process with a fresh state; half the time with a
            // saved case, whose road goes from the names straight to the results, so that the menu
            // and the diagram window get visits.
            machine.screens.UnloadAll();
            testing::DestroyUnloadedWindows();
            state = ProgramState{};
            if (machine.Pick(2) == 0) {
                state = StartCase(machine.Pick(6));
                ++caseStarts;
                machine.Trace(QStringLiteral("%1: start with a case").arg(event));
            } else {
                machine.Trace(QStringLiteral("%1: start").arg(event));
            }
            flow = std::make_unique<ScreenFlow>(state, machine.Get());
            flow->ShowTitle();
            ++starts;
            continue;
        }
        reached.insert(screen->objectName());
        const Fingerprint before = FingerprintOf(state);

        const int what = machine.Pick(40);
        if (what < 24) {
            std::vector<CommandButton*> buttons;
            for (CommandButton* button : screen->findChildren<CommandButton*>()) {
                if (button->CanAct()) {
                    buttons.push_back(button);
                }
            }
            if (!buttons.empty()) {
                CommandButton* button =
                    buttons[static_cast<std::size_t>(machine.Pick(static_cast<int>(buttons.size())))];
                machine.Trace(
                    QStringLiteral("%1: %2 %3").arg(event).arg(screen->objectName(), button->text()));
                QTest::mouseClick(button, Qt::LeftButton);
            }
        } else if (what < 30) {
            const QList<QListWidget*> lists = screen->findChildren<QListWidget*>();
            for (QListWidget* list : lists) {
                if (list->isVisibleTo(screen) && list->count() > 0 && list->isEnabled()) {
                    const int row = machine.Pick(list->count());
                    machine.Trace(
                        QStringLiteral("%1: %2 line %3").arg(event).arg(screen->objectName()).arg(row));
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                      list->visualItemRect(list->item(row)).center());
                    break;
                }
            }
        } else if (what < 33) {
            const QPointF at(machine.Pick(screen->width()), machine.Pick(screen->height()));
            machine.Trace(QStringLiteral("%1: %2 click %3,%4")
                              .arg(event)
                              .arg(screen->objectName())
                              .arg(at.x())
                              .arg(at.y()));
            testing::ClickAt(screen, at);
        } else if (what < 39) {
            QWidget* target = screen->focusWidget() != nullptr ? screen->focusWidget() : screen;
            const int key = kKeys[machine.Pick(std::size(kKeys))];
            machine.Trace(QStringLiteral("%1: %2 key %3 on %4")
                              .arg(event)
                              .arg(screen->objectName(), QKeySequence(key).toString(), target->objectName()));
            QTest::keyClick(target, static_cast<Qt::Key>(key));
        } else {
            machine.Trace(QStringLiteral("%1: %2 close").arg(event).arg(screen->objectName()));
            screen->close(); // the title-bar button
        }

        ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << "after event " << event;
        ExpectValuesMatchTheirTexts(state, event);
        if (FingerprintOf(state) != before) {
            ++calculations;
            ExpectCheckedInput(state, event);
        }
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
    testing::DestroyUnloadedWindows();
    QStringList names(reached.begin(), reached.end());
    std::cout << "monkey: " << events << " events, " << starts << " starts (" << caseStarts
              << " with a saved case), " << machine.boxes << " input boxes, " << calculations
              << " calculations, " << machine.reports << " reports, " << machine.ends
              << " ends; windows reached: " << names.join(' ').toStdString() << '\n';
    EXPECT_GE(reached.size(), 4u) << "the monkey should get past the title screen";
}

} // namespace
} // namespace radirav
