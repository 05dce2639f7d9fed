#include "ui_world.h"

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
        for (const auto* file :
             {"Full/v_ak47.mdl", "Full/v_ak47_r.mdl", "Full/w_ak47.mdl", "Full/p_ak47.mdl",
              "WP/w_ak47.mdl", "WP/p_ak47.mdl", "Right/v_ak47_r.mdl", "loose.mdl"})
            write(library_file(std::string("weapon/ak47/") + file), file);
    }
    std::unique_ptr<MainWindow> main_window;
};

void click(QWidget* window, const char* button) {
    child<QPushButton>(window, button)->click();
}

QString confirmation(QWidget* window) {
    return child<QLabel>(window, "lbl_confirm")->text();
}

} // namespace

class InstallWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void aPlayerModelIsListedNewestFirstAndInstalled() {
        InstallWorld world;
        auto* window = UiWorld::open(*world.main_window, "mi_install_player", "install_player");
        QVERIFY(child<QComboBox>(window, "cmb_model_type")->currentText().isEmpty());
        click(window, "btn_install");
        click(window, "cmd_preview");
        pick_type(window, "gign");
        QCOMPARE(rows(child<QListWidget>(window, "lst_models")), (QStringList{"c", "b", "a"}));
        UiWorld::save_screenshot(window, "install_player");

        pick_model(window, "b");
        click(window, "btn_install");
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), "b");
        QCOMPARE(confirmation(window), QStringLiteral("gign model b installed"));
        QCOMPARE(world.messages,
                 (std::vector<std::string>{"Please select a model before clicking install.",
                                           "No model selected"}));
    }

    void theWeaponCheckBoxesShowWhatAModelHoldsAndOnlyTicksInstall() {
        InstallWorld world;
        const auto log = world.install_recording_viewer();
        auto* window = UiWorld::open(*world.main_window, "mi_install_weapon", "install_weapon");
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->count(), 27);
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->currentText(), QStringLiteral("ak47"));
        QCOMPARE(rows(child<QListWidget>(window, "lst_models")),
                 (QStringList{"WP", "Right", "loose.mdl", "Full"}));
        UiWorld::save_screenshot(window, "install_weapon");
        click(window, "cmd_preview");

        QCheckBox* boxes[] = {
            child<QCheckBox>(window, "chk_lmodel"), child<QCheckBox>(window, "chk_rmodel"),
            child<QCheckBox>(window, "chk_wmodel"), child<QCheckBox>(window, "chk_pmodel")};
        const auto enabled = [&boxes] {
            QList<bool> states;
            for (auto* box : boxes)
                states.append(box->isEnabled());
            return states;
        };
        const std::pair<const char*, QList<bool>> models[] = {
            {"WP", {false, false, true, true}},
            {"Right", {false, true, false, false}},
            {"loose.mdl", {false, false, false, false}},
            {"Full", {true, true, true, true}}};
        for (const auto& [model, states] : models) {
            boxes[2]->setChecked(true);
            pick_model(window, model);
            QCOMPARE(enabled(), states);
            QVERIFY(!boxes[2]->isChecked());
            click(window, "cmd_preview"); // the left model, else the right, else nothing
        }
        QCOMPARE(TestWorld::read(log),
                 world.library_file("weapon/ak47/Right/v_ak47_r.mdl").string() + "\n" +
                     world.library_file("weapon/ak47/Full/v_ak47.mdl").string() + "\n");

        click(window, "btn_install"); // nothing ticked: nothing copied, and still complete
        QCOMPARE(confirmation(window), QStringLiteral("Install Complete"));
        boxes[1]->setChecked(true);
        boxes[3]->setChecked(true);
        boxes[0]->setCheckState(Qt::PartiallyChecked); // greyed does not count
        click(window, "btn_install");
        QCOMPARE(TestWorld::read(world.game_file("v_ak47_r.mdl")), "Full/v_ak47_r.mdl");
        QCOMPARE(TestWorld::read(world.game_file("p_ak47.mdl")), "Full/p_ak47.mdl");
        QCOMPARE(TestWorld::read(world.game_file("v_ak47.mdl")), "game v_ak47.mdl");

        // Another weapon keeps the ticks but drops the model.
        pick_type(window, "awp");
        QVERIFY(boxes[1]->isChecked());
        click(window, "btn_install");
        QCOMPARE(world.messages,
                 (std::vector<std::string>{"No file selected.",
                                           "Please select a model before clicking install."}));
    }

    void aShortWeaponListIsReportedAndWhatWasReadIsListed() {
        InstallWorld world;
        TestWorld::write(world.program / "weapon.txt", "awp\r\nm3\r\n");
        auto* window = UiWorld::open(*world.main_window, "mi_install_weapon", "install_weapon");
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->count(), 2);
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->currentIndex(), -1); // no ak47
        QCOMPARE(child<QListWidget>(window, "lst_models")->count(), 0);
        QCOMPARE(world.messages.size(), std::size_t{1});
        QVERIFY(world.messages[0].find("weapon.txt") != std::string::npos);
    }
};

QTEST_MAIN(InstallWindowsTest)
#include "install_windows_test.moc"
