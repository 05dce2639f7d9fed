#include "ui_world.h"
#include "windows/install_player.h"
#include "windows/install_weapon.h"
#include "windows/mi_back.h"
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

    // Makes a set from the backup window, which is closed again afterwards.
    QString back_up(const QString& kind, const QString& name) {
        auto* window = UiWorld::open<mi_back>(main_window->mi_backup);
        window->cmb_model_type->setCurrentText(kind);
        window->backup_name->setText(name);
        window->btn_backup->click();
        const QString status = window->lbl_confirm->text();
        window->close();
        return status;
    }

    std::unique_ptr<mi_main> main_window;
};

} // namespace

class BackupWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void theBackupWindowReportsEachBackup() {
        BackupWorld world;
        auto* window = UiWorld::open<mi_back>(world.main_window->mi_backup);
        QCOMPARE(window->cmb_model_type->currentText(), QStringLiteral("Player models"));
        QCOMPARE(window->lbl_confirm->text(),
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

    void aPlayerSetIsListedAndPutBack() {
        BackupWorld world;
        world.back_up("Player models", "A");
        world.back_up("Player models", "B");
        auto* window = UiWorld::open<install_player>(world.main_window->mi_install_player);
        auto* list = window->restore->lst_backup;

        window->restore->btn_installbackup->click(); // nothing selected: nothing moves
        QCOMPARE(world.messages,
                 std::vector<std::string>{"Please select a backup set before clicking install."});
        QCOMPARE(outer_width(window), 3330);

        window->restore->show_button->click();
        QCOMPARE(outer_width(window), 5130);
        window->restore->show_button->click(); // already wide: the width stays, the list is new
        QCOMPARE(outer_width(window), 5130);
        QCOMPARE(rows(list), (QStringList{"A", "B"}));
        UiWorld::save_screenshot(window, "install_player_restore");

        TestWorld::write(world.game_file("hostage.mdl"), "installed since");
        list->setCurrentRow(1);
        window->restore->btn_installbackup->click();
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("Backup B installed"));
        QCOMPARE(outer_width(window), 3330);
        QCOMPARE(TestWorld::read(world.game_file("hostage.mdl")), "game hostage");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("B"));

        // The set's folders are models of every type too.
        pick_type(window, "gign");
        QCOMPARE(rows(window->lst_models), (QStringList{"B", "A"}));
    }

    void aWeaponSetIsListedAndPutBack() {
        BackupWorld world;
        auto* window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        window->restore->show_button->click();
        QCOMPARE(window->restore->lst_backup->count(), 0); // no set list yet
        QCOMPARE(outer_width(window), 5595);
        UiWorld::save_screenshot(window, "install_weapon_restore");
        window->close();

        world.back_up("Weapon models", "Stock");
        TestWorld::write(world.game_file("v_deagle.mdl"), "installed since");
        window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        QVERIFY(window->lst_models->findItems("Stock", Qt::MatchExactly).size() == 1);
        window->restore->show_button->click();
        window->restore->lst_backup->setCurrentRow(0);
        window->restore->btn_installbackup->click();
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("Backup install complete"));
        QCOMPARE(outer_width(window), 3795);
        QCOMPARE(TestWorld::read(world.game_file("v_deagle.mdl")), "game v_deagle.mdl");
        QCOMPARE(TestWorld::read(world.program / "wbackup.txt"), "Stock\r\n");
        QVERIFY(world.messages.empty());
    }
};

QTEST_MAIN(BackupWindowsTest)
#include "backup_windows_test.moc"
