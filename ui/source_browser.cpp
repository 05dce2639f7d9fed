#include "ui/source_browser.h"

#include "core/program/preview.h"
#include "core/sources/source_folders.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/viewer_wait.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

namespace ui {

namespace {

constexpr int path_role = Qt::UserRole;

// Volumes that hold files a user keeps, not the kernel's own file systems.
bool is_real_volume(const QStorageInfo& volume) {
    static const QByteArrayList pseudo{"proc",    "sysfs",       "devtmpfs",  "devpts",   "cgroup",
                                       "cgroup2", "securityfs",  "debugfs",   "tracefs",  "pstore",
                                       "bpf",     "mqueue",      "hugetlbfs", "configfs", "fusectl",
                                       "autofs",  "binfmt_misc", "nsfs",      "efivarfs", "ramfs"};
    return volume.isValid() && volume.isReady() && !pseudo.contains(volume.fileSystemType());
}

// An archive's own icon, as the system shows its kind of file; unlike a folder's.
QIcon archive_icon(const QFileInfo& archive) {
    return QFileIconProvider().icon(archive);
}

QString volume_text(const QStorageInfo& volume) {
    const QString root = QDir::toNativeSeparators(volume.rootPath());
    return volume.name().isEmpty() ? root : root + QStringLiteral("  [") + volume.name() + ']';
}

} // namespace

SourceBrowser::SourceBrowser(QWidget* window, QLabel* confirmation, core::ModelKind kind,
                             const core::Library& library, FileTip file_tip)
    : QObject(window), drives_(gui::named(new QComboBox(window), "Drive1")),
      folders_(gui::named(new QListWidget(window), "Dir1")),
      files_(gui::named(new QListWidget(window), "File1")),
      preview_(gui::named(new QPushButton(tr("&Preview"), window), "cmd_preview")),
      confirmation_(confirmation), kind_(kind), library_(library), file_tip_(std::move(file_tip)) {
    twips::place(drives_, 2160, 3360, 2535, 315);
    twips::place(folders_, 0, 1080, 2055, 2565);
    twips::place(files_, 2160, 1080, 2535, 1650);
    twips::place(preview_, 3480, 2760, 1215, 495);
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    folders_->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(drives_, &QComboBox::activated, this, &SourceBrowser::change_drive);
    connect(folders_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { set_folder(item->data(path_role).toString()); });
    // Every click on a file clears the confirmation, the selected file's too; so does picking
    // one with the keys.
    connect(files_, &QListWidget::itemClicked, confirmation_, &QLabel::clear);
    connect(files_, &QListWidget::currentRowChanged, confirmation_, &QLabel::clear);
    connect(preview_, &QPushButton::clicked, this, &SourceBrowser::preview_picked_file);
    files_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(files_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        emit file_menu_requested(files_->viewport()->mapToGlobal(at));
    });
    files_->installEventFilter(this);
    fill_drives();
}

void SourceBrowser::open_first_folder() {
    const auto first = core::first_source_folder(library_, kind_);
    message_box::show(first.messages());
    if (!first->empty() && set_folder(gui::native_text(*first)))
        return;
    set_folder(QDir::homePath(), false);
}

bool SourceBrowser::set_folder(const QString& path, bool tell_why) {
    if (path.isEmpty())
        return false;
    const QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    auto source_folder = core::SourceFolder::at(gui::path_of(folder));
    if (!source_folder) {
        if (tell_why)
            message_box::show(source_folder.messages());
        return false;
    }
    const auto listing =
        core::list_source_folder(*source_folder, core::facts(kind_).import_pattern);
    message_box::show(listing.messages());
    if (!listing)
        return false;
    folder_ = folder;
    source_folder_ = std::move(source_folder).value();

    // As a classic folder list: the ancestors from the root down, an archive among them, the
    // folder itself open, then its subfolders one step further in, and the archives it holds.
    const QSignalBlocker blocker(folders_);
    folders_->clear();
    QStringList chain;
    for (QString at = folder_;;) {
        chain.prepend(at);
        const QString above = QFileInfo(at).path();
        if (above == at)
            break;
        at = above;
    }
    const QIcon open_icon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto add = [this](const QIcon& icon, int depth, const QString& name, const QString& at) {
        auto* item = new QListWidgetItem(icon, QString(depth * 2, ' ') + name, folders_);
        item->setData(path_role, at);
    };
    int depth = 0;
    for (const QString& ancestor : chain) {
        const QFileInfo info(ancestor);
        const QString name =
            QDir(ancestor).isRoot() ? QDir::toNativeSeparators(ancestor) : info.fileName();
        add(info.isFile() ? archive_icon(info) : open_icon, depth++, name, ancestor);
    }
    folders_->setCurrentRow(folders_->count() - 1);
    const QDir here(folder_);
    for (const auto& name : listing->folders)
        add(closed_icon, depth, gui::qtext(name), here.filePath(gui::qtext(name)));
    for (const auto& name : listing->archives)
        add(archive_icon(QFileInfo(here.filePath(gui::qtext(name)))), depth, gui::qtext(name),
            here.filePath(gui::qtext(name)));

    const QSignalBlocker files_blocker(files_);
    files_->clear();
    for (const auto& name : listing->files) {
        auto* item = new QListWidgetItem(gui::qtext(name), files_);
        item->setToolTip(file_tip_(name, listing->files));
    }
    show_drive_of_folder();
    return true;
}

std::string SourceBrowser::picked_file() const {
    const auto selected = files_->selectedItems();
    return selected.isEmpty() ? std::string() : gui::core_text(selected.first()->text());
}

QList<QWidget*> SourceBrowser::controls_in_tab_order() const {
    return {files_, folders_, drives_, preview_};
}

bool SourceBrowser::eventFilter(QObject* watched, QEvent* event) {
    // Where the system makes no context menu of the menu key itself, as the offscreen platform
    // makes none; where it does, its request reaches the menu already open, which takes no other.
    if (watched == files_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menu_key = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
        const bool shift_f10 = key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
        if (menu_key || shift_f10) {
            const auto* current = files_->currentItem();
            const QRect at = current ? files_->visualItemRect(current) : QRect();
            emit file_menu_requested(files_->viewport()->mapToGlobal(at.center()));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void SourceBrowser::change_drive() {
    // The folder list stays where it is when it is on the chosen drive already.
    const QString root = drives_->currentData(path_role).toString();
    if (QStorageInfo(folder_on_disk()).rootPath() == root && set_folder(folder_))
        return;
    if (!set_folder(root))
        show_drive_of_folder(); // a drive that is not ready: back to the folder's own
}

void SourceBrowser::preview_picked_file() {
    message_box::show(
        core::preview_source_file(library_, source_folder_, picked_file(), keep_drawn_while_viewing)
            .messages());
}

QString SourceBrowser::folder_on_disk() const {
    if (!source_folder_ || !source_folder_->in_archive())
        return folder_;
    return QFileInfo(gui::qtext(source_folder_->in_archive()->archive.text())).path();
}

void SourceBrowser::fill_drives() {
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (is_real_volume(volume))
            drives_->addItem(volume_text(volume), volume.rootPath());
    }
}

void SourceBrowser::show_drive_of_folder() {
    const QStorageInfo volume(folder_on_disk());
    int index = drives_->findData(volume.rootPath(), path_role);
    if (index < 0) {
        // The folder lies on a volume that is not listed (a temporary file system, say).
        drives_->addItem(volume_text(volume), volume.rootPath());
        index = drives_->count() - 1;
    }
    const QSignalBlocker blocker(drives_);
    drives_->setCurrentIndex(index);
}

} // namespace ui
