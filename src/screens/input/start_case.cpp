#include "screens/input/start_case.h"

#include "model/case_file.h"

namespace radirav {

namespace {

// The message over a kept input that still fails a check, naming the first fault (%1) and where
// it is corrected.
QString KeptFaultText(CaseResumption resumption) {
    switch (resumption) {
    case CaseResumption::PointsCheck:
        return QStringLiteral("Последние введённые данные восстановлены; равновесные точки не прошли "
                              "контроль: %1. Исправьте их на экране контроля точек.");
    case CaseResumption::AntoineCorrection:
        return QStringLiteral("Последние введённые данные восстановлены; константы Антуана вне "
                              "допустимых пределов: %1. Исправьте их в списке констант.");
    case CaseResumption::Calculation:
        break;
    }
    return QStringLiteral("Последние введённые данные восстановлены; вне допустимых пределов: %1. "
                          "Исправьте через «Изменение исходной информации».");
}

} // namespace

bool LoadStartCase(ProgramState& state, Dialogs& dialogs, Files& files, const QString& path, StartFrom from) {
    const QString title = QStringLiteral("RADIRAV-9");
    const bool last = from == StartFrom::LastInput;
    CaseFileResult result = files.ReadCase(path, last ? CaseChecks::KeepOutOfRange : CaseChecks::Enforce);
    if (last && result.error && !files.Exists(path)) {
        dialogs.ShowMessage(
            QStringLiteral("Последние введённые данные не найдены (%1); программа начнёт с примера.")
                .arg(path),
            title);
        return false;
    }
    if (result.error) {
        // The reader's message names the file and the cause on one line, with any odd byte escaped.
        dialogs.ShowMessage(QStringLiteral("Вариант не загружен: %1; программа начнёт с примера.")
                                .arg(QString::fromStdString(*result.error).simplified()),
                            title);
        return false;
    }
    if (result.outOfRange) {
        dialogs.ShowMessage(KeptFaultText(ResumptionOf(result.state))
                                .arg(QString::fromStdString(*result.outOfRange).simplified()),
                            title);
    }
    if (result.encodingNote) {
        dialogs.ShowMessage(QString::fromStdString(*result.encodingNote), title);
    }
    state = std::move(result.state);
    state.CaseLoaded = true;
    return true;
}

} // namespace radirav
