#pragma once

#include "screens/flow/navigator.h"

#include <QStringList>
#include <functional>

namespace radirav::testing {

// A navigator that only writes down what a screen asked for, for tests of one screen alone.
class RecordingNavigator final : public Navigator {
public:
    void ShowNameBackdrop() override { Ask(QStringLiteral("ShowNameBackdrop")); }
    void EnterGroup(ParamGroup group) override { Ask(QStringLiteral("EnterGroup %1").arg(int(group))); }
    void EditGroup(ParamGroup group) override { Ask(QStringLiteral("EditGroup %1").arg(int(group))); }
    void ReturnToChangeMenu() override { Ask(QStringLiteral("ReturnToChangeMenu")); }
    void ShowIdealityChoice() override { Ask(QStringLiteral("ShowIdealityChoice")); }
    void EnterEquilibriumPoints() override { Ask(QStringLiteral("EnterEquilibriumPoints")); }
    void ReenterEquilibriumPoints() override { Ask(QStringLiteral("ReenterEquilibriumPoints")); }
    void ShowEquilibriumCheck() override { Ask(QStringLiteral("ShowEquilibriumCheck")); }
    void OpenGraphEditor() override { Ask(QStringLiteral("OpenGraphEditor")); }
    void ShowEquilibriumGraph() override { Ask(QStringLiteral("ShowEquilibriumGraph")); }
    void EnterAntoineConstants() override { Ask(QStringLiteral("EnterAntoineConstants")); }
    void CorrectAntoineConstants() override { Ask(QStringLiteral("CorrectAntoineConstants")); }
    void CalculateAndShow() override { Ask(QStringLiteral("CalculateAndShow")); }
    void AskAlfaAndCalculate() override { Ask(QStringLiteral("AskAlfaAndCalculate")); }
    void OpenChangeMenu() override { Ask(QStringLiteral("OpenChangeMenu")); }
    void OpenReentryChoice(EquilibriumData data) override {
        Ask(QStringLiteral("OpenReentryChoice %1").arg(int(data)));
    }
    void EndProgram() override { Ask(QStringLiteral("EndProgram")); }
    void ShowColumnDiagram() override { Ask(QStringLiteral("ShowColumnDiagram")); }
    void ShowWorkedTray(int tray) override { Ask(QStringLiteral("ShowWorkedTray %1").arg(tray)); }
    void CompareCalculations() override { Ask(QStringLiteral("CompareCalculations")); }

    QStringList asked;
    // Runs on every request, after it is written down, e.g. to show a stand-in screen.
    std::function<void(const QString&)> onAsk;

private:
    void Ask(const QString& what) {
        asked << what;
        if (onAsk) {
            onAsk(what);
        }
    }
};

} // namespace radirav::testing
