#include "ui_world.h"
#include "windows/settings_store.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// A library, a registered game, and a download folder the import windows open at.
struct ImportWorld : UiWorld {
    ImportWorld() {
        register_game();
        main_window = start();
        fs::create_directories(downloads);
        SettingsStore settings;
        settings.write("lastpath", "playeri", downloads.string());
        settings.write("lastpath", "weaponi", downloads.string());
    }
    std::unique_ptr<MainWindow> main_window;
    fs::path downloads = root / "Down loads";
};

// Clicks the file in the window's file list.
void pick(QWidget* window, const QString& name) {
    auto* files = child<QListWidget>(window, "File1");
    const auto found = files->findItems(name, Qt::MatchExactly);
    require(!found.isEmpty(), "no file " + name.toStdString());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(found.first()).center());
}

void import_as(QWidget* window, const QString& file, const QString& model_name) {
    child<QListWidget>(window, "File1")->clearSelection();
    if (!file.isEmpty())
        pick(window, file);
    child<QLineEdit>(window, "player_comment")->setText(model_name);
    child<QPushButton>(window, "btn_import")->click();
}

QString confirmation(QWidget* window) {
    return child<QLabel>(window, "lbl_confirm")->text();
}

} // namespace

class ImportWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void eachWindowImportsAndConfirmsUntilTheNextClickOnAFile() {
        ImportWorld world;
        TestWorld::write(world.downloads / "gign.mdl", "ninja");
        for (const auto* file : {"v_ak47.mdl", "w_ak47.mdl", "a.txt"})
            TestWorld::write(world.downloads / file, file);
        auto* player = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        QCOMPARE(rows(child<QListWidget>(player, "File1")),
                 (QStringList{"gign.mdl", "v_ak47.mdl", "w_ak47.mdl"}));
        UiWorld::save_screenshot(player, "import_player");

        import_as(player, "gign.mdl", "Ninja");
        QCOMPARE(TestWorld::read(world.library_file("player/gign/Ninja/gign.mdl")), "ninja");
        QCOMPARE(confirmation(player), QStringLiteral("Ninja imported"));
        // A click on the file already selected clears the confirmation too.
        pick(player, "gign.mdl");
        QVERIFY(confirmation(player).isEmpty());
        import_as(player, "gign.mdl", "Ninja");
        QCOMPARE(world.messages, std::vector<std::string>{"That name already exists."});
        QVERIFY(confirmation(player).isEmpty());
        player->close();

        auto* weapon = UiWorld::open(*world.main_window, "mi_import_weapon", "import_weapon");
        QCOMPARE(rows(child<QListWidget>(weapon, "File1")), QStringList{"v_ak47.mdl"});
        UiWorld::save_screenshot(weapon, "import_weapon");
        import_as(weapon, "v_ak47.mdl", "Gold");
        QCOMPARE(confirmation(weapon), QStringLiteral("Gold imported"));
        QCOMPARE(TestWorld::names_in(world.library_file("weapon/ak47/Gold")),
                 (std::vector<std::string>{"v_ak47.mdl", "w_ak47.mdl"}));
    }

    void theFirstFolderIsTheLastImportsElseTheGames() {
        ImportWorld world;
        auto* window = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        QCOMPARE(child<QListWidget>(window, "Dir1")->currentItem()->text().trimmed(),
                 QStringLiteral("Down loads"));
        window->close();

        fs::remove(world.downloads);
        window = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        QCOMPARE(child<QListWidget>(window, "Dir1")->currentItem()->text().trimmed(),
                 QStringLiteral("Game"));
        QVERIFY(world.messages.empty());
    }

    void thePreviewHandsThePickedPathToTheViewer() {
        ImportWorld world;
        const auto log = world.install_recording_viewer();
        TestWorld::write(world.downloads / "v_awp.mdl", "awp");
        auto* window = UiWorld::open(*world.main_window, "mi_import_weapon", "import_weapon");
        child<QPushButton>(window, "cmd_preview")->click();
        QCOMPARE(world.messages, std::vector<std::string>{"No file selected."});
        pick(window, "v_awp.mdl");
        child<QPushButton>(window, "cmd_preview")->click();
        QCOMPARE(TestWorld::read(log), (world.downloads / "v_awp.mdl").string() + "\n");
    }
};

QTEST_MAIN(ImportWindowsTest)
#include "import_windows_test.moc"
