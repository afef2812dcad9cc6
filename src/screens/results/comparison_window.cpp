#include "screens/results/comparison_window.h"

#include "platform/fonts.h"
#include "report/history_text.h"
#include "report/line_breaks.h"
#include "report/report_text.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

namespace radirav {
namespace {

const QString kCaption = QStringLiteral("Сравнение расчётов");
const QString kPrintCaption = QStringLiteral("Печать");
const QString kCopyCaption = QStringLiteral("Копировать");
const QString kCloseCaption = QStringLiteral("Закрыть");
const QString kCopied = QStringLiteral("Таблица скопирована: её можно вставить в документ (Ctrl+V)");

// The window with its frame, pixels, a little in from the results window it stands over; the
// student may make it larger or smaller down to the least below.
const QRect kOuterGeometry{40, 40, 900, 540};
constexpr int kMinimumWidth = 560, kMinimumHeight = 300;
constexpr int kMargin = 10, kButtonWidth = 150, kButtonHeight = 32;

// Columns of the history rows. The numbers are as wide as their headings; the changes and the
// outcome share what they leave, the outcome the larger part: warnings run longer than changes.
enum Column { kNumber, kChanges, kTrays, kFeed, kOutcome };
constexpr int kChangesShare = 40; // per cent
constexpr int kLeastTextWidth = 120;

} // namespace

ComparisonWindow::ComparisonWindow(const ProgramState& state, Platform platform,
                                   std::vector<CalculationRecord> records)
    : ScreenWindow(platform.screens, QStringLiteral("Comparison")), state_(state), platform_(platform),
      records_(std::move(records)) {
    setWindowTitle(kCaption);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    SetOuterGeometry(kOuterGeometry);

    Table = new QTableWidget(this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setFont(ScreenFont(QStringLiteral("MS Sans Serif"), 10));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the buttons; the arrows move from row to row.
    Table->setTabKeyNavigation(false);
    Table->setWordWrap(true);
    Table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The columns always fill the width; the scroll bar for the rows always stands, so that its
    // coming and going never changes the width the rows were fitted to.
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Table->verticalHeader()->hide();
    Table->installEventFilter(this);
    Table->viewport()->installEventFilter(this);

    const QFont buttonFont = ScreenFont(QStringLiteral("MS Sans Serif"), 10, true);
    PrintButton = MakeButton(this, QStringLiteral("PrintButton"), kPrintCaption, {}, buttonFont);
    CopyButton = MakeButton(this, QStringLiteral("CopyButton"), kCopyCaption, {}, buttonFont);
    CloseButton = MakeButton(this, QStringLiteral("CloseButton"), kCloseCaption, {}, buttonFont);
    CopyNote =
        MakeLabel(this, QStringLiteral("CopyNote"), {}, ScreenFont(QStringLiteral("MS Sans Serif"), 9));
    CopyNote->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PrintButton->OnClick([this] { PrintButtonClick(); });
    CopyButton->OnClick([this] { CopyButtonClick(); });
    CloseButton->OnClick([this] { Unload(); });

    FillTable();
    PlaceControls();
    Table->setFocus();
}

void ComparisonWindow::FillTable() {
    const HistoryRow header = HistoryHeader();
    const std::vector<HistoryRow> rows = HistoryRows(records_);
    Table->setColumnCount(static_cast<int>(header.size()));
    Table->setRowCount(static_cast<int>(rows.size()));
    QStringList labels;
    for (const std::string& label : header)
        labels << QString::fromStdString(label);
    Table->setHorizontalHeaderLabels(labels);
    for (int r = 0; r < Table->rowCount(); ++r) {
        for (int c = 0; c < Table->columnCount(); ++c) {
            const QString text =
                QString::fromStdString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            auto* item = new QTableWidgetItem(text);
            // Read only: a cell can be chosen, never edited.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            const bool words = c == kChanges || c == kOutcome;
            item->setTextAlignment(Qt::AlignTop | (words ? Qt::AlignLeft : Qt::AlignHCenter));
            if (words) {
                // Wrapped where the results window wraps its warnings, never between a name and its value.
                item->setText(QString::fromStdString(BindNamesToValues(text.toStdString())));
                item->setToolTip(text);
            }
            Table->setItem(r, c, item);
        }
    }
    // The window shares the width out itself whenever the table's inside changes size.
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    if (Table->rowCount() > 0)
        Table->setCurrentCell(Table->rowCount() - 1, kNumber);
}

void ComparisonWindow::FitColumnsAndRows() {
    int numbers = 0;
    for (const int c : {kNumber, kTrays, kFeed}) {
        Table->resizeColumnToContents(c);
        numbers += Table->columnWidth(c);
    }
    const int words = Table->viewport()->width() - numbers;
    const int changes = std::max(kLeastTextWidth, words * kChangesShare / 100);
    Table->setColumnWidth(kChanges, changes);
    Table->setColumnWidth(kOutcome, std::max(kLeastTextWidth, words - changes));
    Table->resizeRowsToContents();
    // The scroll range follows the new heights now rather than after the view's own delay.
    Table->doItemsLayout();
    if (Table->currentIndex().isValid())
        Table->scrollTo(Table->currentIndex());
}

void ComparisonWindow::PlaceControls() {
    const int buttonTop = height() - kMargin - kButtonHeight;
    Table->setGeometry(kMargin, kMargin, width() - 2 * kMargin, buttonTop - 2 * kMargin);
    int left = kMargin;
    for (CommandButton* button : {PrintButton, CopyButton}) {
        button->setGeometry(left, buttonTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kMargin;
    }
    const int closeLeft = width() - kMargin - kButtonWidth;
    CloseButton->setGeometry(closeLeft, buttonTop, kButtonWidth, kButtonHeight);
    CopyNote->setGeometry(left + kMargin, buttonTop, std::max(0, closeLeft - 2 * kMargin - left),
                          kButtonHeight);
}

void ComparisonWindow::resizeEvent(QResizeEvent* event) {
    ScreenWindow::resizeEvent(event);
    PlaceControls();
}

void ComparisonWindow::PrintButtonClick() {
    const std::string date = FormatRussianDate(platform_.clock.Now());
    Printer& printer = platform_.printer;
    printer.SetFont(QString::fromUtf8(kReportFontName), kReportFontSize);
    for (const std::string& line : HistoryPrintLines(state_, records_, date))
        printer.PrintLine(QString::fromStdString(line));
    printer.EndDoc();
    printer.EndReport();
}

void ComparisonWindow::CopyButtonClick() {
    platform_.clipboard.SetText(QString::fromStdString(HistoryCopyText(records_)));
    CopyNote->setText(CopyNote->fontMetrics().elidedText(kCopied, Qt::ElideRight, CopyNote->width()));
    CopyNote->setToolTip(kCopied);
}

bool ComparisonWindow::WindowKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Unload();
        return true;
    }
    // The whole comparison, whichever cell is current.
    if (event->matches(QKeySequence::Copy)) {
        CopyButtonClick();
        return true;
    }
    return false;
}

bool ComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
    // Once the view has taken its new size in.
    if (watched == Table->viewport() && event->type() == QEvent::Resize && !fitPending_) {
        fitPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                fitPending_ = false;
                FitColumnsAndRows();
            },
            Qt::QueuedConnection);
    }
    // The table would copy its current cell alone and take Escape for itself.
    if (watched == Table && event->type() == QEvent::KeyPress && WindowKey(static_cast<QKeyEvent*>(event)))
        return true;
    return ScreenWindow::eventFilter(watched, event);
}

void ComparisonWindow::keyPressEvent(QKeyEvent* event) {
    if (!WindowKey(event))
        ScreenWindow::keyPressEvent(event);
}

} // namespace radirav
