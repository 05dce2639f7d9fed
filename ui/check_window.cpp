#include "ui/check_window.h"

#include "core/program/preview.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/viewer_wait.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {

namespace {

enum Column { where, type, model, file, loads, servers, why, box, columns };

// What the eye should find first: what the game or servers refuse in red, what they take in green.
QStandardItem* cell(const std::string& text, bool bad = false, bool good = false) {
    auto* item = new QStandardItem(gui::qtext(text));
    item->setEditable(false);
    if (bad || good)
        item->setForeground(bad ? QColor(0xB0, 0x00, 0x00) : QColor(0x00, 0x70, 0x20));
    return item;
}

QList<QStandardItem*> cells_of(const core::CheckRow& row) {
    const bool in_library = row.place == core::CheckRow::Place::library;
    return {cell(in_library ? "library" : "game"),
            cell(row.type),
            cell(row.model),
            cell(row.file),
            cell(row.loads, row.loads.starts_with("no")),
            cell(row.verdict, row.verdict == "refused", row.verdict == "accepted"),
            cell(row.reason),
            cell(row.box)};
}

} // namespace

CheckWindow::CheckWindow(const core::Library& library)
    : ChildWindow("check", tr("Check"), 11250, 6000, Console::held), library_(library),
      cells_(new QStandardItemModel(0, columns, this)),
      table_(gui::named(new QTableView(this), "tbl_check")),
      progress_(gui::named(new QProgressBar(this), "prg_check")),
      status_(gui::named(new QLabel(this), "lbl_confirm")) {
    // A table of many columns is the one window that grows with the user's screen.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);

    cells_->setHorizontalHeaderLabels({tr("Where"), tr("Type or weapon"), tr("Model"), tr("File"),
                                       tr("Game loads it"), tr("Servers"), tr("Why"),
                                       tr("Box measured")});
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(cells_);
    table_->setModel(sorted);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // as listed until a column is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* ok = gui::named(new QPushButton(tr("&Ok"), this), "btn_ok");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(progress_);
    bottom->addWidget(ok);
    layout->addLayout(bottom);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableView::doubleClicked, this, &CheckWindow::open_in_viewer);

    auto library_rows = core::library_rows(library_);
    auto game_rows = core::game_rows(library_);
    message_box::show(library_rows.messages());
    message_box::show(game_rows.messages());
    if (library_rows)
        rows_ = std::move(library_rows).value();
    if (game_rows)
        rows_.insert(rows_.end(), game_rows->begin(), game_rows->end());
    for (const auto& row : rows_)
        cells_->appendRow(cells_of(row));
    table_->resizeColumnsToContents();
    progress_->setRange(0, static_cast<int>(rows_.size()));
    show_progress();

    for (std::size_t i = 0; i < rows_.size(); ++i) {
        workers_.start([this, i, row = rows_[i], closing = closing_]() mutable {
            if (*closing)
                return;
            core::check_row(row);
            QMetaObject::invokeMethod(
                this, [this, i, row] { show_checked(i, row); }, Qt::QueuedConnection);
        });
    }
}

CheckWindow::~CheckWindow() {
    *closing_ = true;
    workers_.clear();
    workers_.waitForDone();
}

void CheckWindow::show_checked(std::size_t row, const core::CheckRow& checked) {
    rows_[row] = checked;
    const auto cells = cells_of(checked);
    for (int column = loads; column < columns; ++column)
        cells_->setItem(static_cast<int>(row), column, cells[column]);
    qDeleteAll(cells.mid(0, loads));
    ++checked_;
    show_progress();
    if (checked_ < rows_.size())
        return;
    // Every file is read: the game's files that are the library's, byte for byte, are named.
    std::vector<core::CheckRow> library_files, game_files;
    for (const auto& each : rows_)
        (each.place == core::CheckRow::Place::library ? library_files : game_files).push_back(each);
    core::name_game_files(library_, game_files, library_files);
    for (std::size_t i = 0; i < game_files.size(); ++i)
        cells_->item(static_cast<int>(library_files.size() + i), model)
            ->setText(gui::qtext(game_files[i].model));
    table_->resizeColumnsToContents();
}

void CheckWindow::show_progress() {
    progress_->setValue(static_cast<int>(checked_));
    progress_->setVisible(checked_ < rows_.size());
    status_->setText(checked_ < rows_.size()
                         ? tr("Reading %1 of %2 files...").arg(checked_ + 1).arg(rows_.size())
                     : rows_.size() == 1 ? tr("1 file checked.")
                                         : tr("%1 files checked.").arg(rows_.size()));
}

void CheckWindow::open_in_viewer(const QModelIndex& index) {
    const auto* sorted = static_cast<const QSortFilterProxyModel*>(table_->model());
    const auto row = static_cast<std::size_t>(sorted->mapToSource(index).row());
    message_box::show(
        core::preview_file(library_, rows_[row].path, keep_drawn_while_viewing).messages());
}

} // namespace ui
