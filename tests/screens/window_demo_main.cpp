// Test tool: one real window on the sample data, for screenshots on a virtual display, with the
// program's own style and Qt's Russian texts.
//   radirav_window_demo results [FILE.case]   the results window with the sample's table (or the
//                                              case's input) calculated
//   radirav_window_demo editor    the graph editor with the y of point 8 typed one place off
//   radirav_window_demo diagram [FILE.case]   the results and the column diagram beside them
#include "model/case_file.h"
#include "model/equilibrium_points.h"
#include "model/program_state.h"
#include "model/sample_data.h"
#include "platform/qt_application.h"
#include "platform/qt_platform.h"
#include "screens/flow/screen_flow.h"

#include <QApplication>
#include <QStringList>
#include <fstream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    radirav::PrepareQtApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);
    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    radirav::ScreenFlow flow(state, qtPlatform.Get());
    radirav::LoadSampleData(state);
    radirav::UseSampleTabulatedEquilibrium(state);
    if (const QString path = QApplication::arguments().value(2); !path.isEmpty()) {
        std::ifstream in(path.toStdString());
        radirav::CaseFileResult loaded = radirav::ReadCaseFile(in, path.toStdString());
        if (loaded.error)
            return 2;
        state = loaded.state;
    }
    if (QApplication::arguments().value(1) == QStringLiteral("editor")) {
        radirav::StorePointCell(state, 8, radirav::PointColumn::Y, "0.05826", true);
        flow.OpenGraphEditor();
    } else {
        flow.CalculateAndShow();
        if (QApplication::arguments().value(1) == QStringLiteral("diagram"))
            flow.ShowColumnDiagram();
    }
    return QApplication::exec();
}
