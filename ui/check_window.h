#pragma once

#include "core/checks/check_rows.h"
#include "ui/child_window.h"
#include "ui/model_pictures.h"

#include <QImage>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QModelIndex;
class QProgressBar;
class QStandardItemModel;
class QTableView;

namespace ui {

// Which files of the library and of the game the game would not load, and which servers would
// refuse and why, at a glance: one row a file with its picture, in a table that sorts by any
// column, under a line that sums up what matters. The rows come at once; what each file is found
// to be fills in as the files are read, on other threads, so that the window never freezes
// however large the library. A double click opens the file in the model viewer. The window keeps
// its size and its columns' widths for the next time.
class CheckWindow final : public ChildWindow {
    Q_OBJECT

public:
    explicit CheckWindow(const core::Library& library);
    ~CheckWindow() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // On the window's thread, the files checked since last time.
    void show_checked();
    // On the window's thread, once the game's files are named by the library's they are.
    void show_origins(const std::vector<core::CheckRow>& game_files);
    void show_progress();
    void show_summary();
    void open_in_viewer(const QModelIndex& index);
    // At the size and widths of last time, else wide enough for every column, within the screen.
    void take_size();
    // Each column as wide as its cells, within a width of its own.
    void fit_columns();
    int width_for_columns() const;
    // The whole window, frame and all, on the screen it shows on.
    void keep_within_screen();
    void keep_size() const;

    const core::Library& library_;
    QStandardItemModel* cells_;
    QTableView* table_;
    QProgressBar* progress_;
    QLabel* status_;
    QLabel* summary_;
    QImage plain_mark_; // one for every file that is no model, shared
    std::vector<std::pair<std::size_t, PicturedRow>> arrived_; // checked, not yet shown
    QTimer batch_;
    std::vector<core::CheckRow> rows_; // in the order of the cells' rows
    std::size_t checked_ = 0;
    bool done_ = false;          // every file read, and the game's named by the library's
    bool sized_by_user_ = false; // the size and widths are last time's
    std::shared_ptr<std::atomic<bool>> closing_ = std::make_shared<std::atomic<bool>>(false);
    QThreadPool workers_;
};

} // namespace ui
