#pragma once

#include "core/checks/check_rows.h"
#include "ui/child_window.h"

#include <QThreadPool>

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
// refuse and why, at a glance: one row a file, in a table that sorts by any column. The rows come
// at once; what each file is found to be fills in as the files are read, on other threads, so
// that the window never freezes however large the library. A double click opens the file in the
// model viewer.
class CheckWindow final : public ChildWindow {
    Q_OBJECT

public:
    explicit CheckWindow(const core::Library& library);
    ~CheckWindow() override;

private:
    // On the window's thread, as each file has been checked.
    void show_checked(std::size_t row, const core::CheckRow& checked);
    void show_progress();
    void open_in_viewer(const QModelIndex& index);

    const core::Library& library_;
    QStandardItemModel* cells_;
    QTableView* table_;
    QProgressBar* progress_;
    QLabel* status_;
    std::vector<core::CheckRow> rows_; // in the order of the cells' rows
    std::size_t checked_ = 0;
    std::shared_ptr<std::atomic<bool>> closing_ = std::make_shared<std::atomic<bool>>(false);
    QThreadPool workers_;
};

} // namespace ui
