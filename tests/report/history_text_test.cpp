#include "model/entry.h"
#include "model/equilibrium_choice.h"
#include "report/history_text.h"
#include "support/sample_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace radirav {
namespace {

// A session as a student makes it from the change menu: the sample, a larger feed (typed with a
// stray tab), constant ALFA = 3 on sieve trays, which stops at the tray limit, and the same again.
std::vector<CalculationRecord> Session() {
    ProgramState state = testing::SampleWithPoints();
    CalculationHistory history;
    history.Add(state, CalculateColumn(state));
    EnterParamValue(state, param::kF, "5.51\t");
    history.Add(state, CalculateColumn(state));
    ChooseConstantAlfa(state);
    StoreTypedAlfa(state, "3");
    state.TrayType = "S";
    history.Add(state, CalculateColumn(state));
    history.Add(state, CalculateColumn(state));
    return history.Records();
}

TEST(HistoryRows, SpellOutEachChangeAndWhatItGave) {
    const std::vector<HistoryRow> rows = HistoryRows(Session());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (HistoryRow{"1", "исходные данные", "59", "10", "без замечаний"}));
    EXPECT_EQ(rows[1][1], "F: 2.78 → 5.51\t");
    EXPECT_EQ(rows[1][2], "111");
    EXPECT_EQ(rows[1][3], "39");
    EXPECT_EQ(rows[1][4].rfind("Внимание! ", 0), 0u) << rows[1][4]; // the larger feed overloads a tray
    // A stopped column shows no counts, only its stop.
    EXPECT_EQ(rows[2],
              (HistoryRow{"3", "тарелки: колпачковые → ситчатые; равновесие: 15 равновесных точек → ALFA = 3",
                          "", "", "ТРЕБУЕМОЕ ЧИСЛО ТАРЕЛОК > 300"}));
    EXPECT_EQ(rows[3][1], "без изменений");
}

TEST(HistoryCopyText, KeepsEveryCellInItsColumn) {
    const std::string text = HistoryCopyText(Session());
    EXPECT_EQ(text.substr(0, text.find('\n')), "№\tЧто изменено\tТарелок\tТарелка питания\tИтог");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\t'), 5 * 4);
}

} // namespace
} // namespace radirav
