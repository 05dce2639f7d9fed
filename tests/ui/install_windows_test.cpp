#include "ui_world.h"
#include "windows/install_player.h"
#include "windows/install_weapon.h"
#include "windows/slide_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// A game and a library with a few models in it.
struct InstallWorld : UiWorld {
    InstallWorld() {
        register_game();
        make_game_files();
        main_window = start();
        for (const auto* model : {"a", "b", "c"})
            write(library_file(std::string("player/gign/") + model + "/gign.mdl"), model);
        write(library_file("player/hostage/blue/hostage.mdl"), "blue hostage");
        write(library_file("player/scientist/blue/scientist.mdl"), "blue scientist");
        for (const auto* file :
             {"Full/v_ak47.mdl", "Full/v_ak47_r.mdl", "Full/w_ak47.mdl", "Full/p_ak47.mdl",
              "WP/w_ak47.mdl", "WP/p_ak47.mdl", "Right/v_ak47_r.mdl", "loose.mdl"})
            write(library_file(std::string("weapon/ak47/") + file), file);
    }
    std::unique_ptr<mi_main> main_window;
};

} // namespace

class InstallWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void aPlayerModelIsListedNewestFirstAndInstalled() {
        InstallWorld world;
        auto* window = UiWorld::open<install_player>(world.main_window->mi_install_player);
        QCOMPARE(outer_width(window), 3330);
        QVERIFY(window->cmb_model_type->currentText().isEmpty());
        pick_type(window, "gign");
        QCOMPARE(rows(window->lst_models), (QStringList{"c", "b", "a"}));
        UiWorld::save_screenshot(window, "install_player");

        pick_model(window, "b");
        window->btn_install->click();
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), "b");
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("gign model b installed"));

        for (const auto* type : {"hostage", "scientist"}) {
            pick_type(window, type);
            pick_model(window, "blue");
            window->btn_install->click();
            QCOMPARE(TestWorld::read(world.game_file(std::string(type) + ".mdl")),
                     std::string("blue ") + type);
        }
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("scientist model blue installed"));
        QVERIFY(!fs::exists(world.game_file("player/hostage")));
        QVERIFY(world.messages.empty());
    }

    void nothingIsInstalledWithoutAModelFolderOrAGame() {
        InstallWorld world;
        auto* player = UiWorld::open<install_player>(world.main_window->mi_install_player);
        player->btn_install->click();
        player->cmd_preview->click();
        pick_type(player, "vip"); // an empty type folder lists nothing
        QCOMPARE(player->lst_models->count(), 0);
        player->btn_install->click();
        QCOMPARE(world.messages,
                 (std::vector<std::string>{"Please select a model before clicking install.",
                                           "No model selected",
                                           "Please select a model before clicking install."}));

        // A row that is a file, not a model folder, has no model file to install.
        world.messages.clear();
        world.write(world.library_file("player/gign/stray.mdl"), "stray");
        pick_type(player, "gign");
        pick_model(player, "stray.mdl");
        player->btn_install->click();
        QCOMPARE(world.messages.size(), std::size_t{1});
        QVERIFY(world.messages[0].find("is missing") != std::string::npos);

        world.messages.clear();
        world.registry.clear();
        pick_model(player, "a");
        player->btn_install->click();
        QCOMPARE(world.messages, std::vector<std::string>{"RegKey not found!!"});
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), "game gign");
        QVERIFY(player->lbl_confirm->text().isEmpty());
    }

    void theWeaponCheckBoxesShowWhatAModelHolds() {
        InstallWorld world;
        auto* window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        QCOMPARE(outer_width(window), 3795);
        QCOMPARE(window->cmb_model_type->count(), 27);
        QCOMPARE(window->cmb_model_type->currentText(), QStringLiteral("ak47"));
        QCOMPARE(rows(window->lst_models), (QStringList{"WP", "Right", "loose.mdl", "Full"}));
        UiWorld::save_screenshot(window, "install_weapon");

        const auto enabled = [window] {
            return QList<bool>{window->chk_lmodel->isEnabled(), window->chk_rmodel->isEnabled(),
                               window->chk_wmodel->isEnabled(), window->chk_pmodel->isEnabled()};
        };
        pick_model(window, "Full");
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        window->chk_wmodel->setChecked(true);
        pick_model(window, "WP");
        QCOMPARE(enabled(), (QList<bool>{false, false, true, true}));
        QVERIFY(!window->chk_wmodel->isChecked());
        pick_model(window, "Right");
        QCOMPARE(enabled(), (QList<bool>{false, true, false, false}));
        pick_model(window, "loose.mdl");
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
    }

    void onlyTickedWeaponFilesAreInstalled() {
        InstallWorld world;
        auto* window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        pick_model(window, "Full");
        window->btn_install->click(); // nothing ticked: nothing copied, and still complete
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("Install Complete"));
        QCOMPARE(TestWorld::read(world.game_file("v_ak47_r.mdl")), "game v_ak47_r.mdl");

        window->chk_rmodel->setChecked(true);
        window->chk_pmodel->setChecked(true);
        window->chk_lmodel->setCheckState(Qt::PartiallyChecked); // greyed does not count
        window->btn_install->click();
        QCOMPARE(TestWorld::read(world.game_file("v_ak47_r.mdl")), "Full/v_ak47_r.mdl");
        QCOMPARE(TestWorld::read(world.game_file("p_ak47.mdl")), "Full/p_ak47.mdl");
        QCOMPARE(TestWorld::read(world.game_file("v_ak47.mdl")), "game v_ak47.mdl");
        QCOMPARE(TestWorld::read(world.game_file("w_ak47.mdl")), "game w_ak47.mdl");

        // Another weapon keeps the ticks but drops the model.
        pick_type(window, "awp");
        QVERIFY(window->chk_rmodel->isChecked());
        window->btn_install->click();
        QCOMPARE(world.messages,
                 std::vector<std::string>{"Please select a model before clicking install."});
        QVERIFY(window->lbl_confirm->text().isEmpty());
    }

    void theWeaponPreviewShowsTheLeftModelElseTheRight() {
        InstallWorld world;
        const auto log = world.install_recording_viewer();
        auto* window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        window->cmd_preview->click();
        QCOMPARE(world.messages, std::vector<std::string>{"No file selected."});
        for (const auto* model : {"Full", "Right", "WP"}) {
            pick_model(window, model);
            window->cmd_preview->click();
        }
        QCOMPARE(TestWorld::read(log),
                 world.library_file("weapon/ak47/Full/v_ak47.mdl").string() + "\n" +
                     world.library_file("weapon/ak47/Right/v_ak47_r.mdl").string() + "\n");
    }

    void aShortWeaponListIsReportedAndWhatWasReadIsListed() {
        InstallWorld world;
        TestWorld::write(world.program / "weapon.txt", "awp\r\nm3\r\n");
        auto* window = UiWorld::open<install_weapon>(world.main_window->mi_install_weapon);
        QCOMPARE(window->cmb_model_type->count(), 2);
        QCOMPARE(window->cmb_model_type->currentIndex(), -1); // no ak47 to pick
        QCOMPARE(window->lst_models->count(), 0);
        QCOMPARE(world.messages.size(), std::size_t{1});
        QVERIFY(world.messages[0].find("weapon.txt") != std::string::npos);
    }
};

QTEST_MAIN(InstallWindowsTest)
#include "install_windows_test.moc"
