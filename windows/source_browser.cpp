#include "windows/source_browser.h"

#include "library/application.h"
#include "library/game_directory.h"
#include "library/preview.h"
#include "library/source_listing.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/settings_store.h"
#include "windows/text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

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

QString volume_text(const QStorageInfo& volume) {
    const QString root = QDir::toNativeSeparators(volume.rootPath());
    return volume.name().isEmpty() ? root : root + QStringLiteral("  [") + volume.name() + ']';
}

} // namespace

SourceBrowser::SourceBrowser(QWidget* window, QLabel* lbl_confirm, QString pattern,
                             std::string settings_key)
    : QObject(window), Drive1(new QComboBox(window)), Dir1(new QListWidget(window)),
      File1(new QListWidget(window)), cmd_preview(new QPushButton(tr("&Preview"), window)),
      lbl_confirm(lbl_confirm), pattern(std::move(pattern)), settings_key(std::move(settings_key)) {
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));
    cmd_preview->setObjectName(QStringLiteral("cmd_preview"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(Drive1, &QComboBox::activated, this, &SourceBrowser::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { set_folder(item->data(path_role).toString()); });
    connect(File1, &QListWidget::itemSelectionChanged, this, &SourceBrowser::File1_Click);
    connect(cmd_preview, &QPushButton::clicked, this, &SourceBrowser::cmd_preview_Click);
    fill_drives();
}

void SourceBrowser::open_initial_folder() {
    const auto stored =
        platform::read_setting(library::app_title, "lastpath", settings_key, std::string());
    if (set_folder(qtext(stored)))
        return;
    const auto game_directory = library::GetGameDirectory();
    if (!game_directory.empty() && set_folder(qtext(platform::native_path(game_directory))))
        return;
    set_folder(QDir::homePath());
}

bool SourceBrowser::set_folder(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir() || !QDir(path).isReadable())
        return false;
    folder = QDir::cleanPath(info.absoluteFilePath());

    // As a classic folder list: the ancestors from the root down, the folder itself open, then
    // its subfolders one step further in.
    const QSignalBlocker blocker(Dir1);
    Dir1->clear();
    QStringList chain;
    for (QDir dir(folder);;) {
        chain.prepend(dir.absolutePath());
        if (!dir.cdUp())
            break;
    }
    const QIcon open_icon = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed_icon = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    int depth = 0;
    for (const QString& ancestor : chain) {
        const QString name = QDir(ancestor).isRoot() ? QDir::toNativeSeparators(ancestor)
                                                     : QFileInfo(ancestor).fileName();
        auto* item = new QListWidgetItem(open_icon, QString(depth++ * 2, ' ') + name, Dir1);
        item->setData(path_role, ancestor);
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    for (const auto& name : library::source_subfolders(local_text(folder))) {
        auto* item = new QListWidgetItem(closed_icon, QString(depth * 2, ' ') + qtext(name), Dir1);
        item->setData(path_role, QDir(folder).filePath(qtext(name)));
    }
    Dir1_Change();
    show_drive_of_folder();
    return true;
}

std::string SourceBrowser::source_folder() const {
    return local_text(QDir::toNativeSeparators(folder));
}

std::string SourceBrowser::picked_file() const {
    const auto selected = File1->selectedItems();
    return selected.isEmpty() ? std::string() : local_text(selected.first()->text());
}

void SourceBrowser::store_last_folder() const {
    platform::write_setting(library::app_title, "lastpath", settings_key, source_folder());
}

void SourceBrowser::Drive1_Change() {
    // The folder list stays where it is when it is on the chosen drive already.
    const QString root = Drive1->currentData(path_role).toString();
    if (QStorageInfo(folder).rootPath() == root && set_folder(folder))
        return;
    if (!set_folder(root))
        show_drive_of_folder(); // a drive that is not ready: back to the folder's own
}

void SourceBrowser::Dir1_Change() {
    const QSignalBlocker blocker(File1);
    File1->clear();
    for (const auto& name : library::source_files(local_text(folder), local_text(pattern)))
        File1->addItem(qtext(name));
}

void SourceBrowser::File1_Click() {
    lbl_confirm->clear();
}

void SourceBrowser::cmd_preview_Click() {
    const auto file = picked_file();
    if (file.empty()) {
        platform::show_message("No file selected.");
        return;
    }
    library::preview_model(source_folder() + "\\" + file);
}

void SourceBrowser::fill_drives() {
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (is_real_volume(volume))
            Drive1->addItem(volume_text(volume), volume.rootPath());
    }
}

void SourceBrowser::show_drive_of_folder() {
    const QStorageInfo volume(folder);
    int index = Drive1->findData(volume.rootPath(), path_role);
    if (index < 0) {
        // The folder lies on a volume that is not listed (a temporary file system, say).
        Drive1->addItem(volume_text(volume), volume.rootPath());
        index = Drive1->count() - 1;
    }
    const QSignalBlocker blocker(Drive1);
    Drive1->setCurrentIndex(index);
}
