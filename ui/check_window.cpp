#include "ui/check_window.h"

#include "core/program/preview.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "gui/words.h"
#include "model/server_check_words.h"
#include "ui/message_box.h"
#include "ui/model_pictures.h"
#include "ui/viewer_wait.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

namespace {

enum Column { picture, where, type, model, file, loads, servers, why, box, columns };

// What the eye should find first: what the game or servers refuse in red, what they take in green.
enum class Tone { plain, good, bad };

// A cell's data by role: each role a cell of the table may hold, those it does not hold empty, so
// that a cell put over another leaves nothing of the one before.
using Cell = QMap<int, QVariant>;

Cell cell(const QString& text, Tone tone = Tone::plain) {
    Cell cell{{Qt::DisplayRole, text},
              {Qt::ToolTipRole, text}, // the whole of what a narrow column cuts short
              {Qt::ForegroundRole, QVariant()},
              {Qt::DecorationRole, QVariant()}};
    if (tone != Tone::plain)
        cell[Qt::ForegroundRole] =
            tone == Tone::bad ? QColor(0xB0, 0x00, 0x00) : QColor(0x00, 0x70, 0x20);
    return cell;
}

QList<QStandardItem*> items_of(const QList<Cell>& cells) {
    QList<QStandardItem*> items;
    for (const Cell& cell : cells) {
        auto* item = new QStandardItem;
        item->setEditable(false);
        for (auto [role, value] : cell.asKeyValueRange())
            item->setData(value, role);
        items.append(item);
    }
    return items;
}

QString verdict_text(model::Verdict verdict) {
    switch (verdict) {
    case model::Verdict::accepted:
        return CheckWindow::tr("accepted");
    case model::Verdict::refused:
        return CheckWindow::tr("refused");
    case model::Verdict::not_checked:
        return CheckWindow::tr("not checked");
    case model::Verdict::cannot_tell:
        return CheckWindow::tr("cannot tell");
    }
    return {};
}

// The library models and backup sets a game file is, byte for byte: "model Wide, backup set Old".
QString origins_text(const std::vector<core::FileOrigin>& origins) {
    QStringList names;
    for (const auto& origin : origins)
        names.append(origin.backup_set
                         ? CheckWindow::tr("backup set %1").arg(gui::qtext(origin.name))
                         : CheckWindow::tr("model %1").arg(gui::qtext(origin.name)));
    return names.join(QStringLiteral(", "));
}

// The cells of what the file was found to be, from the column of whether the game loads it on.
QList<Cell> found_cells(const core::CheckRow& row) {
    using Found = core::CheckRow::Found;
    switch (row.found) {
    case Found::unread:
        return {cell({}), cell({}), cell({}), cell({})};
    case Found::unreadable:
        return {cell({}), cell(verdict_text(model::Verdict::cannot_tell)),
                cell(CheckWindow::tr("it cannot be read: %1").arg(gui::words(row.reason))),
                cell({})};
    case Found::not_a_model:
        return {cell({}), cell(CheckWindow::tr("not a model file")), cell({}), cell({})};
    case Found::companion:
        return {cell(CheckWindow::tr("with its model")),
                cell(verdict_text(model::Verdict::not_checked)),
                cell(CheckWindow::tr("it holds %1").arg(gui::words(row.companion->holds))),
                cell({})};
    case Found::model:
        break;
    }
    const auto& servers = row.check.servers;
    const bool loads_it = !row.check.load_refusal;
    const Tone verdict_tone = servers.verdict == model::Verdict::refused    ? Tone::bad
                              : servers.verdict == model::Verdict::accepted ? Tone::good
                                                                            : Tone::plain;
    return {cell(loads_it ? CheckWindow::tr("yes")
                          : CheckWindow::tr("no: %1").arg(gui::words(*row.check.load_refusal)),
                 loads_it ? Tone::plain : Tone::bad),
            cell(verdict_text(servers.verdict), verdict_tone),
            cell(gui::words(model::verdict_reason(servers, row.file))),
            cell(servers.measured ? gui::words(model::measured_box_words(servers, row.file))
                                  : QString())};
}

QList<Cell> cells_of(const core::CheckRow& row, const QImage& image) {
    const bool in_library = row.place == core::CheckRow::Place::library;
    Cell shown = cell({});
    if (!image.isNull())
        shown[Qt::DecorationRole] = image;
    QList<Cell> cells{shown,
                      cell(in_library ? CheckWindow::tr("library") : CheckWindow::tr("game")),
                      cell(gui::qtext(row.type)),
                      cell(in_library ? gui::qtext(row.model) : origins_text(row.origins)),
                      cell(gui::qtext(row.file))};
    cells.append(found_cells(row));
    return cells;
}

// How a file is named in the summary: "gign.mdl of Wide", "the game's gign.mdl".
QString summary_name(const core::CheckRow& row) {
    return row.place == core::CheckRow::Place::library
               ? CheckWindow::tr("%1 of %2").arg(gui::qtext(row.file), gui::qtext(row.model))
               : CheckWindow::tr("the game's %1").arg(gui::qtext(row.file));
}

// A few names, and how many more there are.
QString names_of(const QStringList& names) {
    constexpr qsizetype shown = 5;
    if (names.size() <= shown)
        return names.join(QStringLiteral(", "));
    return CheckWindow::tr("%1 and %n more", nullptr, static_cast<int>(names.size() - shown))
        .arg(names.mid(0, shown).join(QStringLiteral(", ")));
}

// Widths and a size as the settings store keeps them: numbers with commas between them, each
// within reason; nothing when the value is not that many such numbers.
std::optional<QList<int>> numbers_in(const std::optional<std::string>& value, qsizetype count) {
    if (!value)
        return std::nullopt;
    QList<int> numbers;
    for (const auto& part : gui::qtext(*value).split(QLatin1Char(','))) {
        bool ok = false;
        const int number = part.toInt(&ok);
        if (!ok || number < 1 || number > 100'000)
            return std::nullopt;
        numbers.append(number);
    }
    return numbers.size() == count ? std::optional(numbers) : std::nullopt;
}

std::string numbers_text(const QList<int>& numbers) {
    QStringList parts;
    for (const int number : numbers)
        parts.append(QString::number(number));
    return gui::core_text(parts.join(QLatin1Char(',')));
}

constexpr char settings_section[] = "check";

} // namespace

CheckWindow::CheckWindow(const core::Library& library)
    : ChildWindow("check", tr("Check"), 11250, 6000, Console::held), library_(library),
      cells_(new QStandardItemModel(0, columns, this)),
      table_(gui::named(new QTableView(this), "tbl_check")),
      progress_(gui::named(new QProgressBar(this), "prg_check")),
      status_(gui::named(new QLabel(this), "lbl_confirm")),
      summary_(gui::wrapping(gui::named(new QLabel(this), "lbl_summary"))) {
    // A table of many columns is the one window that grows with the user's screen.
    setMinimumSize(480, 300);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);

    cells_->setHorizontalHeaderLabels({tr("Picture"), tr("Where"), tr("Type or weapon"),
                                       tr("Model"), tr("File"), tr("Game loads it"), tr("Servers"),
                                       tr("Why"), tr("Box measured")});
    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(cells_);
    table_->setModel(sorted);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder); // as listed until a column is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->setIconSize(QSize(picture_size, picture_size));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(picture_size + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Columns are fitted to their first few hundred rows, which tell as well as thousands would.
    table_->horizontalHeader()->setResizeContentsPrecision(300);
    table_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    table_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* ok = gui::named(new QPushButton(tr("&Ok"), this), "btn_ok");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
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
        cells_->appendRow(items_of(cells_of(row, {})));
    take_size();
    progress_->setRange(0, static_cast<int>(rows_.size()));
    if (rows_.empty()) {
        done_ = true;
        show_summary();
    }
    show_progress();

    const qreal pixel_ratio = devicePixelRatioF();
    plain_mark_ = plain_mark(pixel_ratio);
    // The rows checked meanwhile are shown together, a few times a second rather than one by one.
    batch_.setSingleShot(true);
    connect(&batch_, &QTimer::timeout, this, &CheckWindow::show_checked);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        workers_.start([this, i, row = rows_[i], pixel_ratio, closing = closing_]() mutable {
            if (*closing)
                return;
            auto checked = checked_and_pictured(std::move(row), pixel_ratio);
            QMetaObject::invokeMethod(
                this,
                [this, i, checked = std::move(checked)]() mutable {
                    arrived_.push_back({i, std::move(checked)});
                    // The last rows are shown at once rather than a batch's wait later.
                    if (checked_ + arrived_.size() == rows_.size())
                        batch_.start(0);
                    else if (!batch_.isActive())
                        batch_.start(50);
                },
                Qt::QueuedConnection);
        });
    }
}

CheckWindow::~CheckWindow() {
    *closing_ = true;
    workers_.clear();
    workers_.waitForDone();
}

void CheckWindow::closeEvent(QCloseEvent* event) {
    keep_size();
    ChildWindow::closeEvent(event);
}

void CheckWindow::show_checked() {
    // A slice of a frame's time at most, so that the window goes on answering the user.
    QElapsedTimer slice;
    slice.start();
    std::size_t shown = 0;
    for (; shown < arrived_.size() && !slice.hasExpired(16); ++shown) {
        auto& [row, checked] = arrived_[shown];
        rows_[row] = std::move(checked.row);
        const auto cells =
            cells_of(rows_[row], checked.picture.isNull() ? plain_mark_ : checked.picture);
        // Over the items there, as putting new items in their place costs many times more.
        const auto put = [&](int column) {
            cells_->setItemData(cells_->index(static_cast<int>(row), column), cells[column]);
        };
        put(picture);
        for (int column = loads; column < columns; ++column)
            put(column);
    }
    arrived_.erase(arrived_.begin(), arrived_.begin() + static_cast<std::ptrdiff_t>(shown));
    checked_ += shown;
    show_progress();
    if (!arrived_.empty())
        batch_.start(0);
    if (checked_ < rows_.size())
        return;
    // Every file is read: the game's files that are the library's, byte for byte, are named, off
    // this thread too, as that reads again each library file of a game file's size.
    std::vector<core::CheckRow> library_files, game_files;
    for (const auto& each : rows_)
        (each.place == core::CheckRow::Place::library ? library_files : game_files).push_back(each);
    workers_.start([this, library_files = std::move(library_files),
                    game_files = std::move(game_files), closing = closing_]() mutable {
        if (*closing)
            return;
        core::name_game_files(library_, game_files, library_files);
        QMetaObject::invokeMethod(
            this, [this, game_files = std::move(game_files)] { show_origins(game_files); },
            Qt::QueuedConnection);
    });
}

void CheckWindow::show_origins(const std::vector<core::CheckRow>& game_files) {
    const std::size_t first = rows_.size() - game_files.size();
    for (std::size_t i = 0; i < game_files.size(); ++i) {
        rows_[first + i].origins = game_files[i].origins;
        cells_->item(static_cast<int>(first + i), model)
            ->setText(origins_text(rows_[first + i].origins));
    }
    done_ = true;
    show_progress();
    show_summary();
    if (sized_by_user_)
        return;
    fit_columns();
    resize(std::max(width_for_columns(), width()), height());
    keep_within_screen();
}

void CheckWindow::showEvent(QShowEvent* event) {
    ChildWindow::showEvent(event);
    // The frame is known once the window is on the screen.
    QTimer::singleShot(0, this, &CheckWindow::keep_within_screen);
}

void CheckWindow::keep_within_screen() {
    const QRect screen = this->screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(std::min(width(), screen.width() - frame.width()),
           std::min(height(), screen.height() - frame.height()));
    // At the screen's top left corner when even the least size leaves it.
    const auto within = [](int at, int length, int first, int room) {
        return std::max(first, std::min(at, first + room - length));
    };
    const QRect outer = frameGeometry();
    move(within(outer.x(), outer.width(), screen.x(), screen.width()),
         within(outer.y(), outer.height(), screen.y(), screen.height()));
}

void CheckWindow::fit_columns() {
    table_->resizeColumnsToContents();
    // Each column as wide as what it holds, but none so wide that the others leave the screen:
    // what a column cuts short, its cell's tip shows whole. Before the files are read, the
    // columns of what they are found to be are made room for.
    const QFontMetrics metrics = table_->fontMetrics();
    const int character = metrics.averageCharWidth();
    const bool all_read = checked_ == rows_.size();
    const int least[columns] = {
        0,
        0,
        0,
        0,
        0,
        all_read ? 0 : metrics.horizontalAdvance(tr("with its model")) + 12,
        all_read ? 0 : metrics.horizontalAdvance(tr("not a model file")) + 12,
        all_read ? 0 : 56 * character,
        all_read ? 0
                 : metrics.horizontalAdvance("(-37.4, -21.1, -40.8) to (37.4, 21.1, 40.8)") + 12};
    const int most[columns] = {0,
                               12 * character,
                               16 * character,
                               20 * character,
                               18 * character,
                               28 * character,
                               16 * character,
                               56 * character,
                               40 * character};
    // A column's heading shows whole, in whatever language, unless the screen is too small.
    int headed[columns] = {}; // each column as wide as its heading, or narrower where it is
    int above_headings = 0;
    for (int column = picture + 1; column < columns; ++column) {
        const int heading = table_->horizontalHeader()->sectionSizeHint(column);
        table_->setColumnWidth(column, std::clamp(table_->columnWidth(column),
                                                  std::max(least[column], heading),
                                                  std::max(most[column], heading)));
        headed[column] = std::min(heading, table_->columnWidth(column));
        above_headings += table_->columnWidth(column) - headed[column];
    }
    table_->setColumnWidth(picture, picture_size + 8);
    // On a small screen the text columns give way alike, down to their headings first and then,
    // on a smaller one still, to a few letters each.
    const int excess = width_for_columns() - screen()->availableGeometry().width();
    if (excess <= 0)
        return;
    if (excess <= above_headings) {
        const double kept = 1.0 - static_cast<double>(excess) / above_headings;
        for (int column = picture + 1; column < columns; ++column)
            table_->setColumnWidth(
                column,
                headed[column] +
                    static_cast<int>((table_->columnWidth(column) - headed[column]) * kept));
        return;
    }
    const int text_width = table_->horizontalHeader()->length() - table_->columnWidth(picture);
    const double kept = std::max(0.0, 1.0 - static_cast<double>(excess) / text_width);
    for (int column = picture + 1; column < columns; ++column)
        table_->setColumnWidth(
            column, std::max(6 * character, static_cast<int>(table_->columnWidth(column) * kept)));
}

int CheckWindow::width_for_columns() const {
    const auto margins = layout()->contentsMargins();
    return table_->horizontalHeader()->length() + table_->frameWidth() * 2 +
           table_->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
}

void CheckWindow::show_progress() {
    progress_->setValue(static_cast<int>(checked_));
    progress_->setVisible(!done_);
    const int count = static_cast<int>(rows_.size());
    status_->setText(done_ ? tr("%n files checked.", nullptr, count)
                           : tr("Reading %1 of %n files...", nullptr, count)
                                 .arg(std::min(checked_ + 1, rows_.size())));
}

void CheckWindow::show_summary() {
    QStringList refused, unloadable, in_game;
    bool game_listed = false;
    for (const auto& row : rows_) {
        if (row.refused_by_servers())
            refused.append(summary_name(row));
        // A file that is no model at all the game loads no more than a damaged one.
        if (row.unloadable() || row.found == core::CheckRow::Found::not_a_model)
            unloadable.append(summary_name(row));
        if (row.place == core::CheckRow::Place::game) {
            game_listed = true;
            if (!row.origins.empty())
                in_game.append(tr("%1 is %2").arg(gui::qtext(row.file), origins_text(row.origins)));
        }
    }
    QStringList lines;
    const auto count = [](const QStringList& names) { return static_cast<int>(names.size()); };
    lines.append(refused.isEmpty()
                     ? tr("Servers will refuse none of these files.")
                     : tr("Servers will refuse %n files: %1.", nullptr, count(refused))
                           .arg(names_of(refused)));
    lines.append(unloadable.isEmpty()
                     ? tr("The game loads every one of them.")
                     : tr("The game cannot load %n files: %1.", nullptr, count(unloadable))
                           .arg(names_of(unloadable)));
    if (game_listed)
        lines.append(in_game.isEmpty()
                         ? tr("None of the game's files is from the library or a backup set.")
                         : tr("In the game now: %1.").arg(names_of(in_game)));
    summary_->setText(lines.join(QLatin1Char(' ')));
}

void CheckWindow::open_in_viewer(const QModelIndex& index) {
    const auto* sorted = static_cast<const QSortFilterProxyModel*>(table_->model());
    const auto row = static_cast<std::size_t>(sorted->mapToSource(index).row());
    message_box::show(
        core::preview_file(library_, rows_[row].path, keep_drawn_while_viewing).messages());
}

void CheckWindow::take_size() {
    const QRect screen = this->screen()->availableGeometry();
    auto& settings = library_.settings();
    const auto size = numbers_in(settings.read(settings_section, "size"), 2);
    const auto widths = numbers_in(settings.read(settings_section, "columns"), columns);
    if (size && widths) {
        sized_by_user_ = true;
        for (int column = 0; column < columns; ++column)
            table_->setColumnWidth(column, (*widths)[column]);
        resize(std::min((*size)[0], screen.width()), std::min((*size)[1], screen.height()));
        return;
    }
    // Wide enough for what each column will hold once the files are read, as far as the screen
    // allows.
    fit_columns();
    resize(std::min(width_for_columns(), screen.width()),
           std::min(screen.height() * 3 / 4, picture_size * 8));
}

void CheckWindow::keep_size() const {
    QList<int> widths;
    for (int column = 0; column < columns; ++column)
        widths.append(table_->columnWidth(column));
    auto& settings = library_.settings();
    settings.write(settings_section, "size", numbers_text({width(), height()}));
    settings.write(settings_section, "columns", numbers_text(widths));
}

} // namespace ui
