#pragma once

#include "model/program_state.h"
#include "model/sample_data.h"
#include "screens/flow/screen_flow.h"
#include "screens/input/form2_general.h"
#include "screens/input/form4_rectifying.h"
#include "screens/input/form6_stripping.h"
#include "screens/screen_test.h"

#include <QListWidget>
#include <QTest>
#include <optional>
#include <vector>

namespace radirav::testing {

using Answers = std::vector<std::optional<QString>>;

// The sample's values as a student types them, parameters first..first + count - 1.
inline Answers SampleAnswers(int first, int count) {
    ProgramState sample;
    LoadSampleData(sample);
    Answers answers;
    for (int i = first; i < first + count; ++i) {
        answers.emplace_back(QString::fromStdString(sample.InputValueTexts[i]));
    }
    return answers;
}

// The sample's six Antoine constants as a student types them.
inline Answers SampleAntoineAnswers() {
    ProgramState sample;
    LoadSampleData(sample);
    Answers answers;
    for (int i = 1; i <= 6; ++i) {
        answers.emplace_back(QString::fromStdString(sample.AntoineTexts[i]));
    }
    return answers;
}

// The count 8, then eight rising points above the diagonal; with `fallingFifth` the y of point 5
// falls below its x, and the table fails its check there.
inline Answers EightPointAnswers(bool fallingFifth = false) {
    Answers answers{QStringLiteral("8")};
    for (int i = 1; i <= 8; ++i) {
        const double x = 0.1 * i;
        answers.emplace_back(QString::number(x));
        answers.emplace_back(QString::number(fallingFifth && i == 5 ? x / 2 : x + 0.5 * x * (1 - x)));
    }
    return answers;
}

// Clicks list row `row` (1-based) where a student would click it.
inline void ClickListRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row - 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

enum class Group { General, Rectifying, Stripping };

struct GroupFacts {
    Group group;
    const char* name;
    int first;
    int count;
};

inline constexpr GroupFacts kGroups[] = {
    {Group::General, "Form2", param::kFirstGeneral, param::kGeneralCount},
    {Group::Rectifying, "Form4", param::kFirstRectifying, param::kSectionCount},
    {Group::Stripping, "Form6", param::kFirstStripping, param::kSectionCount},
};

inline const GroupFacts& FactsOf(Group group) {
    return kGroups[static_cast<int>(group)];
}

// A fresh state holding the sample, the real first-run flow, and a group typed in from a script.
class GroupTest : public ScreenTest {
protected:
    void SetUp() override { LoadSampleData(state); }

    // Types `answers` into the group's boxes; returns the group window, still loaded.
    GroupWindow* Enter(Group group, const Answers& answers) {
        machine.AnswerInputBoxes(answers);
        switch (group) {
        case Group::General:
            flow.EnterGroup(ParamGroup::General);
            return LoadedScreen<Form2>();
        case Group::Rectifying:
            flow.EnterGroup(ParamGroup::Rectifying);
            return LoadedScreen<Form4>();
        case Group::Stripping:
            flow.EnterGroup(ParamGroup::Stripping);
            return LoadedScreen<Form6>();
        }
        return nullptr;
    }

    GroupWindow* EnterSample(Group group) {
        const GroupFacts& facts = FactsOf(group);
        return Enter(group, SampleAnswers(facts.first, facts.count));
    }

    // The sample with answer `value` for parameter `index` of its group.
    GroupWindow* EnterWith(Group group, int index, const QString& value) {
        const GroupFacts& facts = FactsOf(group);
        Answers answers = SampleAnswers(facts.first, facts.count);
        answers[static_cast<std::size_t>(index - facts.first)] = value;
        return Enter(group, answers);
    }

    ScreenFlow flow{state, platform};
};

} // namespace radirav::testing
