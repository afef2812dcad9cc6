#include "model/program_state.h"
#include "platform/last_input.h"
#include "platform/program_end.h"
#include "platform/qt_application.h"
#include "platform/qt_platform.h"
#include "screens/flow/screen_flow.h"
#include "screens/input/start_case.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

// Whether Qt has somewhere to show the windows: a display in the environment, or a platform
// named on the command line (-platform offscreen).
bool HasDisplay(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void PrintHelp(std::FILE* out) {
    const QString text =
        QStringLiteral("Использование: radirav [FILE.case | --last]\n"
                       "RADIRAV-9: учебный расчёт бинарной ректификации в колоннах с колпачковыми\n"
                       "и ситчатыми тарелками, определение числа тарелок.\n"
                       "\n"
                       "  FILE.case   начать с варианта из файла вместо примера (этанол-вода)\n"
                       "  --last      начать с последних введённых данных: они сохраняются при\n"
                       "              каждом окончании работы и каждой смене окна в\n"
                       "              %1\n"
                       "  --version   показать версию программы\n"
                       "  --help      показать эту справку\n"
                       "Принимаются и стандартные параметры Qt (-platform, -style, -display …).\n"
                       "\n"
                       "Расчёт без окон по файлу варианта: radirav-calc --help\n")
            .arg(radirav::DefaultLastInputPath());
    std::fputs(text.toLocal8Bit().constData(), out);
}

// What the command line asks for: a case to start with, or only a text to print.
struct StartOptions {
    QString casePath;
    radirav::StartFrom from = radirav::StartFrom::CaseFile;
    bool help = false, version = false, unknown = false;
};

StartOptions ReadOptions(int argc, char* argv[]) {
    StartOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            options.help = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            options.version = true;
        } else if (std::strcmp(arg, "--last") == 0 && options.casePath.isEmpty()) {
            options.casePath = radirav::DefaultLastInputPath();
            options.from = radirav::StartFrom::LastInput;
        } else if (arg[0] != '-' && options.casePath.isEmpty()) {
            options.casePath = QString::fromLocal8Bit(arg);
        } else {
            options.unknown = true;
        }
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("radirav"));
    QCoreApplication::setApplicationVersion(QStringLiteral(RADIRAV_VERSION));
    // The help and the version need no display, so they are answered before Qt starts.
    const StartOptions early = ReadOptions(argc, argv);
    if (early.help) {
        PrintHelp(stdout);
        return 0;
    }
    if (early.version) {
        std::printf("radirav %s\n", RADIRAV_VERSION);
        return 0;
    }
    if (!HasDisplay(argc, argv)) {
        std::fputs("radirav: нет графического дисплея (DISPLAY и WAYLAND_DISPLAY не заданы); "
                   "расчёт без окон: radirav-calc\n",
                   stderr);
        return 2;
    }
    // Qt takes its own options (-platform, -style, -display …) out of argv; the rest are ours.
    QApplication app(argc, argv);
    const StartOptions options = ReadOptions(argc, argv);
    if (options.unknown) {
        std::fputs("radirav: неизвестный параметр\n", stderr);
        PrintHelp(stderr);
        return 2;
    }
    radirav::PrepareQtApplication(app);
    // The program ends only through its own end buttons, never because its last window closed
    // between two screens.
    QApplication::setQuitOnLastWindowClosed(false);

    radirav::ProgramState state;
    radirav::QtPlatform qtPlatform;
    radirav::ScreenFlow flow(state, qtPlatform.Get());
    if (!options.casePath.isEmpty()) {
        const radirav::Platform platform = qtPlatform.Get();
        radirav::LoadStartCase(state, platform.dialogs, platform.files, options.casePath, options.from);
    }
    // A session that ends the desktop ends the program too: the input is kept first. A kill, a
    // Ctrl+C or a closed terminal end it as its own end buttons do.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [&flow] { flow.KeepInput(); });
    radirav::EndOnTerminationSignals(app, [&flow] { flow.EndProgram(); });
    flow.ShowTitle();
    const int status = QApplication::exec();
    flow.KeepInput();
    return status;
}
