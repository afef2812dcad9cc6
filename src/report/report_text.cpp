#include "report/report_text.h"

#include "model/message_text.h"
#include "model/text.h"
#include "report/line_breaks.h"
#include "report/results_text.h"
#include "report/stop_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace radirav {

namespace {

constexpr std::array<const char*, 12> kMonthsGenitive{" января ",   " февраля ", " марта ",  " апреля ",
                                                      " мая ",      " июня ",    " июля ",   " августа ",
                                                      " сентября ", " октября ", " ноября ", " декабря "};

std::string PadTo(const std::string& text, std::size_t width) {
    return text + PadSpaces(text, width);
}

void AppendParameters(ReportDocument& doc, const ProgramState& state, int first, int last) {
    for (int i = first; i <= last; ++i)
        doc.push_back("  " + state.InputParams[i].Label + "       " + state.InputValueTexts[i]);
}

void AppendEquilibrium(ReportDocument& doc, const ProgramState& state) {
    const int kind = state.EquilibriumKind.value_or(0);
    if (kind != kKindAntoine) {
        doc.emplace_back("                             РАВНОВЕСНЫЕ ДАННЫЕ");
        doc.emplace_back();
    }
    if (kind == kKindConstantAlfa) {
        doc.push_back("      ALFA=" + state.AlfaText);
    } else if (kind == kKindAntoine) {
        doc.emplace_back("                      (СМЕСЬ РАССМАТРИВАЕТСЯ КАК ИДЕАЛЬНАЯ)");
        doc.emplace_back("                           ПАРАМЕТРЫ УРАВНЕНИЯ АНТУАНА");
        for (int i = 1; i <= 3; ++i) {
            doc.push_back("         " + PadTo(state.AntoineNames[i], 20) + PadTo(state.AntoineTexts[i], 20) +
                          PadTo(state.AntoineNames[i + 3], 20) + state.AntoineTexts[i + 3]);
        }
        doc.emplace_back();
    } else if (kind > 4) {
        for (int j = 1; j <= state.EqPointCount; ++j) {
            const std::string J = FormatCount(j);
            doc.push_back("                 X(" + J + ")=" + PadTo(state.EqXText[j], 20) + "Y(" + J +
                          ")=" + state.EqYText[j]);
        }
    }
}

// The width of the results table's ruled lines, which the warnings under it keep to.
constexpr std::size_t kTableWidth = 86;
constexpr const char* kWarningIndent = "  ";

std::string PageHeader(const std::string& date, int page) {
    return PadTo(date, 60) + "Solmina-9  стр." + std::to_string(page);
}

} // namespace

std::string FormatRussianDate(const DateTimeParts& when) {
    const int month = when.month < 1 ? 1 : (when.month > 12 ? 12 : when.month);
    char day[8], year[16], time[16];
    std::snprintf(day, sizeof day, "%02d", when.day % 100);
    std::snprintf(year, sizeof year, "%04d", when.year);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return std::string(day) + kMonthsGenitive[static_cast<std::size_t>(month - 1)] + year + "г." + Spaces(8) +
           time;
}

std::string PictureSignature(const ProgramState& state, const DateTimeParts& when) {
    std::string date = FormatRussianDate(when);
    // The report's date stands in a column of its own; under a picture one blank is enough.
    date.erase(std::unique(date.begin(), date.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
               date.end());
    std::string text;
    for (const std::string& name : {TrimBlanks(state.StudentName), TrimBlanks(state.SystemName)}) {
        if (!name.empty())
            text += EscapeForMessage(name) + " · ";
    }
    return text + date;
}

std::string SavedFileBaseName(const ProgramState& state) {
    std::vector<std::string> names;
    for (const std::string& name : {TrimBlanks(state.StudentName), TrimBlanks(state.SystemName)}) {
        if (!name.empty())
            names.push_back(name);
    }
    std::string base = names.empty() ? "radirav" : names.size() == 1 ? names[0] : names[0] + " - " + names[1];
    for (char& c : base) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    // A name ending in a dot or a blank is refused or changed by some file systems.
    while (!base.empty() && (base.back() == '.' || base.back() == ' '))
        base.pop_back();
    return base.empty() ? "radirav" : base;
}

std::vector<std::string> WarningSentences(const std::vector<HydraulicWarning>& warnings) {
    std::vector<std::string> sentences;
    for (const HydraulicWarning& warning : warnings)
        sentences.push_back("Внимание! " + WarningText(warning));
    return sentences;
}

std::vector<ReportDocument> ReportDocuments(const ProgramState& state, const std::string& date,
                                            char decimalSeparator,
                                            const std::vector<HydraulicWarning>& warnings) {
    std::vector<ReportDocument> documents(1);
    ReportDocument* doc = &documents.back();
    // Names from a file are shown, never obeyed: a control character prints as its code.
    const std::string student = EscapeForMessage(state.StudentName);

    if (state.TableMode) {
        doc->push_back(PageHeader(date, 1));
        doc->insert(doc->end(), 4, std::string());
        doc->push_back(student);
    } else {
        doc->push_back(PadTo(student, 40) + date);
        doc->emplace_back();
    }
    doc->emplace_back();
    doc->emplace_back("                          П Р О Г Р А М М А           R A D I R A V - 9");
    doc->emplace_back("       РАСЧЁТ БИНАРНОЙ РЕКТИФИКАЦИИ В КОЛОННАХ С КОЛПАЧКОВЫМИ И СИТЧАТЫМИ ТАРЕЛКАМИ");
    doc->emplace_back("                                    ОПРЕДЕЛЕНИЕ ЧИСЛА ТАРЕЛОК");
    doc->emplace_back();
    doc->push_back("СИСТЕМА - " + EscapeForMessage(state.SystemName));
    doc->emplace_back();
    doc->emplace_back("                                     ИСХОДНЫЕ    ДАННЫЕ");
    doc->emplace_back();
    AppendParameters(*doc, state, param::kFirstGeneral, param::kGeneralCount);
    doc->emplace_back();
    doc->emplace_back(" УКРЕПЛЯЮЩАЯ ЧАСТЬ");
    doc->emplace_back();
    AppendParameters(*doc, state, param::kFirstRectifying, param::kFirstStripping - 1);
    doc->emplace_back();
    doc->emplace_back(" ИСЧЕРПЫВАЮЩАЯ ЧАСТЬ");
    doc->emplace_back();
    AppendParameters(*doc, state, param::kFirstStripping, param::kCount);
    doc->emplace_back();
    doc->emplace_back(state.TrayType == "K" ? " ТАРЕЛКИ КОЛПАЧКОВЫЕ" : " ТАРЕЛКИ СИТЧАТЫЕ");
    doc->emplace_back();
    AppendEquilibrium(*doc, state);
    doc->emplace_back();

    if (state.TableMode) {
        documents.emplace_back();
        doc = &documents.back();
        doc->push_back(PageHeader(date, 2));
        doc->insert(doc->end(), 4, std::string());
    }
    doc->push_back("  " + TrayCountLine(state.RequiredTrays, state.FeedTray));
    doc->emplace_back();
    doc->emplace_back(kResultsTitleLine);
    doc->emplace_back();
    for (std::string& line : ResultsTableLines(state, decimalSeparator))
        doc->push_back(std::move(line));
    for (const std::string& sentence : WarningSentences(warnings)) {
        doc->emplace_back();
        for (const std::string& line : WrapWords(sentence, kTableWidth - CharCount(kWarningIndent)))
            doc->push_back(kWarningIndent + line);
    }
    return documents;
}

} // namespace radirav
