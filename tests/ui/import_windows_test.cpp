#include "library/application.h"
#include "platform/settings_store.h"
#include "ui_world.h"
#include "windows/import_player.h"
#include "windows/import_weapon.h"
#include "windows/source_browser.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// Picks the file in the window's file list, as a click would.
void pick(ImportWindow* window, const QString& name) {
    const auto found = window->browser->File1->findItems(name, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(name));
    window->browser->File1->setCurrentItem(found.first());
}

void import_as(ImportWindow* window, const QString& file, const QString& model_name) {
    window->browser->File1->clearSelection();
    if (!file.isEmpty())
        pick(window, file);
    window->player_comment->setText(model_name);
    window->btn_import->click();
}

// A library, a registered game, and a download folder to import from.
struct ImportWorld : UiWorld {
    ImportWorld() {
        register_game();
        main_window = start();
    }
    template <typename Window> Window* open_at_downloads(QAction* command) {
        auto* window = UiWorld::open<Window>(command);
        window->browser->set_folder(QString::fromStdString(downloads.string()));
        return window;
    }
    std::unique_ptr<mi_main> main_window;
    fs::path downloads = root / "Down loads";
};

} // namespace

class ImportWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void aPlayerModelIsFiledUnderItsTypeAndTheFolderRemembered() {
        ImportWorld world;
        TestWorld::write(world.downloads / "gign.mdl", "ninja");
        auto* window = world.open_at_downloads<import_player>(world.main_window->mi_import_player);
        UiWorld::save_screenshot(window, "import_player");

        import_as(window, "gign.mdl", "Ninja");
        QCOMPARE(TestWorld::read(world.library_file("player/gign/Ninja/gign.mdl")), "ninja");
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("Ninja imported"));
        QCOMPARE(world.setting("lastpath", "playeri"), world.downloads.string());
        QCOMPARE(world.setting("lastpath", "weaponi"), "<none>");

        TestWorld::write(world.downloads / "gign.mdl", "another");
        import_as(window, "gign.mdl", "Ninja");
        QCOMPARE(world.messages, std::vector<std::string>{"That name already exists."});
        QCOMPARE(TestWorld::read(world.library_file("player/gign/Ninja/gign.mdl")), "ninja");
        QVERIFY(window->lbl_confirm->text().isEmpty());

        window->lbl_confirm->setText("shown");
        window->browser->set_folder(QString::fromStdString(world.root.string()));
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("shown")); // a folder change keeps it
        window->browser->set_folder(QString::fromStdString(world.downloads.string()));
        pick(window, "gign.mdl");
        QVERIFY(window->lbl_confirm->text().isEmpty()); // a click clears it
    }

    void playerImportsAreCheckedInOrderAndRefusalsWriteNothing() {
        ImportWorld world;
        for (const auto* file : {"mymodel.mdl", "GIGN.mdl", "vip.MDL", "hostage.mdl", "a.txt"})
            TestWorld::write(world.downloads / file, file);
        write_hidden_file(world.downloads, "sas.mdl");
        auto* window = world.open_at_downloads<import_player>(world.main_window->mi_import_player);
        QCOMPARE(rows(window->browser->File1),
                 (QStringList{"GIGN.mdl", "hostage.mdl", "mymodel.mdl", "vip.MDL"}));

        import_as(window, "", "");
        import_as(window, "mymodel.mdl", "");
        import_as(window, "mymodel.mdl", "Name");
        import_as(window, "GIGN.mdl", "Name");
        import_as(window, "hostage.mdl", "bad/name");
        import_as(window, "hostage.mdl", "  ");
        QCOMPARE(world.messages.size(), std::size_t{6});
        QCOMPARE(world.messages[0], "Please select a file before clicking import");
        QCOMPARE(world.messages[1], "Please enter a name for the model");
        QCOMPARE(world.messages[2], "Inavaild model name. The name of the model must match those "
                                    "that CS currently uses");
        QCOMPARE(world.messages[3], world.messages[2]);
        QVERIFY(world.messages[4].find("cannot hold") != std::string::npos);
        QCOMPARE(world.messages[5], world.messages[4]);
        QCOMPARE(world.setting("lastpath", "playeri"), "<none>");

        import_as(window, "vip.MDL", "Blue");
        QVERIFY(fs::exists(world.library_file("player/vip/Blue/vip.MDL")));
        import_as(window, "hostage.mdl", "Blue"); // one name may serve several types
        QVERIFY(fs::exists(world.library_file("player/hostage/Blue/hostage.mdl")));
        QCOMPARE(world.messages.size(), std::size_t{6});
    }

    void aWeaponModelTakesEachOfItsFilesFromBesideThePickedOne() {
        ImportWorld world;
        for (const auto* file : {"v_ak47.mdl", "v_ak47_r.mdl", "W_AK47.MDL", "p_ak47.mdl",
                                 "V_AK47.mdl", "vxak47.mdl", "v.mdl", "w_m3.mdl"})
            TestWorld::write(world.downloads / file, file);
        auto* window = world.open_at_downloads<import_weapon>(world.main_window->mi_import_weapon);
        UiWorld::save_screenshot(window, "import_weapon");
        QCOMPARE(rows(window->browser->File1),
                 (QStringList{"v.mdl", "vxak47.mdl", "V_AK47.mdl", "v_ak47.mdl", "v_ak47_r.mdl"}));

        import_as(window, "v_ak47.mdl", "Gold");
        QCOMPARE(window->lbl_confirm->text(), QStringLiteral("Gold imported"));
        for (const auto* file : {"v_ak47.mdl", "v_ak47_r.mdl", "p_ak47.mdl"})
            QCOMPARE(TestWorld::read(world.library_file(std::string("weapon/ak47/Gold/") + file)),
                     file);
        QCOMPARE(TestWorld::read(world.library_file("weapon/ak47/Gold/w_ak47.mdl")), "W_AK47.MDL");
        QCOMPARE(world.setting("lastpath", "weaponi"), world.downloads.string());

        // vxak47.mdl stands for ak47 too, but is not one of its files: copies, no confirmation.
        import_as(window, "vxak47.mdl", "Silver");
        QVERIFY(fs::exists(world.library_file("weapon/ak47/Silver/v_ak47_r.mdl")));
        QVERIFY(window->lbl_confirm->text().isEmpty());

        import_as(window, "V_AK47.mdl", "Copper");
        import_as(window, "v.mdl", "Copper");
        import_as(window, "v_ak47_r.mdl", "Gold");
        QCOMPARE(world.messages.size(), std::size_t{3});
        QCOMPARE(world.messages[0], "Inavaild model name. The name of the model must match those "
                                    "that CS currently uses");
        QCOMPARE(world.messages[1], world.messages[0]);
        QCOMPARE(world.messages[2], "That name already exists.");
        QVERIFY(!fs::exists(world.library_file("weapon/ak47/Copper")));
    }

    void theFirstFolderIsTheLastImportsElseTheGames() {
        ImportWorld world;
        auto* window = UiWorld::open<import_player>(world.main_window->mi_import_player);
        QCOMPARE(window->browser->source_folder(), world.game_directory());
        window->close();

        fs::create_directories(world.downloads);
        platform::write_setting(library::app_title, "lastpath", "playeri",
                                world.downloads.string());
        window = UiWorld::open<import_player>(world.main_window->mi_import_player);
        QCOMPARE(window->browser->source_folder(), world.downloads.string());
        QVERIFY(window->browser->Dir1->currentItem()->text().trimmed() == "Down loads");
        window->close();

        fs::remove(world.downloads);
        window = UiWorld::open<import_player>(world.main_window->mi_import_player);
        QCOMPARE(window->browser->source_folder(), world.game_directory());
        QVERIFY(world.messages.empty());
    }

    void thePreviewHandsThePickedPathToTheViewer() {
        ImportWorld world;
        const auto log = world.root / "viewer.log";
        TestWorld::write(world.program / "mdl.exe",
                         "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + log.string() +
                             "'\n");
        fs::permissions(world.program / "mdl.exe", fs::perms::owner_all, fs::perm_options::add);
        TestWorld::write(world.downloads / "v_awp.mdl", "awp");
        auto* window = world.open_at_downloads<import_weapon>(world.main_window->mi_import_weapon);

        window->browser->cmd_preview->click();
        QCOMPARE(world.messages, std::vector<std::string>{"No file selected."});
        pick(window, "v_awp.mdl");
        window->browser->cmd_preview->click();
        QCOMPARE(TestWorld::read(log), (world.downloads / "v_awp.mdl").string() + "\n");
    }
};

QTEST_MAIN(ImportWindowsTest)
#include "import_windows_test.moc"
