#include "ui_world.h"
#include "windows/slide_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

struct BackupWorld : UiWorld {
    BackupWorld() {
        register_game();
        make_game_files();
        main_window = start();
    }

    // Makes a set from the backup window, which is closed again afterwards; gives back the status.
    QString back_up(const QString& kind, const QString& name) {
        auto* window = UiWorld::open(*main_window, "mi_backup", "mi_back");
        child<QComboBox>(window, "cmb_model_type")->setCurrentText(kind);
        child<QLineEdit>(window, "backup_name")->setText(name);
        child<QPushButton>(window, "btn_backup")->click();
        const QString status = child<QLabel>(window, "lbl_confirm")->text();
        window->close();
        return status;
    }

    std::unique_ptr<MainWindow> main_window;
};

} // namespace

class BackupWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void theBackupWindowReportsEachBackup() {
        BackupWorld world;
        auto* window = UiWorld::open(*world.main_window, "mi_backup", "mi_back");
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->currentText(),
                 QStringLiteral("Player models"));
        QCOMPARE(child<QLabel>(window, "lbl_confirm")->text(),
                 QStringLiteral("Type in a name for the backups and click backup"));
        UiWorld::save_screenshot(window, "mi_back");
        window->close();

        QCOMPARE(world.back_up("Player models", "A"),
                 QStringLiteral("Player model backup complete."));
        QCOMPARE(world.back_up("Weapon models", "A"),
                 QStringLiteral("Weapon model backup complete."));
        // Refused: the status stays as the backup left it.
        QCOMPARE(world.back_up("Player models", "A"), QStringLiteral("Backing up player models"));
        QCOMPARE(world.back_up("Weapon models", "A"),
                 QStringLiteral("Backing up weapon models..."));
        QCOMPARE(world.messages, std::vector<std::string>(2, "That name already exists."));
    }

    void aSetIsListedAndPutBackAndTheWindowSlides() {
        BackupWorld world;
        world.back_up("Player models", "A");
        world.back_up("Player models", "B");
        world.back_up("Weapon models", "Stock");
        const struct {
            const char* command;
            const char* name;
            const char* show_button;
            int narrow;
            int wide;
            QStringList sets;
            QString confirmation;
            const char* game_file;
        } windows[] = {{"mi_install_player",
                        "install_player",
                        "btn_showbackup",
                        3330,
                        5130,
                        {"A", "B"},
                        "Backup B installed",
                        "hostage.mdl"},
                       {"mi_install_weapon",
                        "install_weapon",
                        "btn_showinstall",
                        3795,
                        5595,
                        {"Stock"},
                        "Backup install complete",
                        "v_deagle.mdl"}};
        for (const auto& design : windows) {
            auto* window = UiWorld::open(*world.main_window, design.command, design.name);
            auto* sets = child<QListWidget>(window, "lst_backup");
            child<QPushButton>(window, "btn_installbackup")->click(); // nothing selected
            QCOMPARE(outer_width(window), design.narrow);

            child<QPushButton>(window, design.show_button)->click();
            child<QPushButton>(window, design.show_button)->click(); // the list anew, once
            QCOMPARE(outer_width(window), design.wide);
            QCOMPARE(rows(sets), design.sets);
            UiWorld::save_screenshot(window, QString::fromLatin1(design.name) + "_restore");

            for (const auto& entry : fs::recursive_directory_iterator(world.game))
                if (entry.is_regular_file())
                    TestWorld::write(entry.path(), "installed since");
            sets->setCurrentRow(sets->count() - 1);
            child<QPushButton>(window, "btn_installbackup")->click();
            QCOMPARE(child<QLabel>(window, "lbl_confirm")->text(), design.confirmation);
            QCOMPARE(outer_width(window), design.narrow);
            QCOMPARE(sets->currentItem()->text(), design.sets.back());
            QVERIFY(TestWorld::read(world.game_file(design.game_file)).starts_with("game "));
        }
        QCOMPARE(world.messages, std::vector<std::string>(
                                     2, "Please select a backup set before clicking install."));
    }
};

QTEST_MAIN(BackupWindowsTest)
#include "backup_windows_test.moc"
