// Test tool: one real window on the sample data, for screenshots on a virtual display.
//   radirav_window_demo results   the results window with the sample's table calculated
//   radirav_window_demo editor    the graph editor with the y of point 8 typed one place off
#include "model/equilibrium_points.h"
#include "model/program_state.h"
#include "model/sample_data.h"
#include "platform/qt_platform.h"
#include "screens/flow/screen_flow.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    radirav::ScreenFlow flow(state, qtPlatform.Get());
    radirav::LoadSampleData(state);
    radirav::UseSampleTabulatedEquilibrium(state);
    if (QApplication::arguments().value(1) == QStringLiteral("editor")) {
        radirav::StorePointCell(state, 8, radirav::PointColumn::Y, "0.05826", true);
        flow.OpenGraphEditor();
    } else {
        flow.CalculateAndShow();
    }
    return QApplication::exec();
}
