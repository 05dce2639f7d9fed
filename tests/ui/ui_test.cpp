// Tessary's windows, driven as a user drives them: menu commands, clicks and keys.
#include "archive_writer.h"
#include "gui/settings_store.h"
#include "model/server_check.h"
#include "model/server_check_words.h"
#include "model_writer.h"
#include "ui/message_box.h"
#include "ui/model_pictures.h"
#include "ui/slide_window.h"
#include "ui_world.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <QtTest>

namespace fs = std::filesystem;

namespace {

// A registered game with every model file, Tessary started on it, and a download folder that
// the import windows remember.
struct GameWorld : UiWorld {
    GameWorld() {
        make_game();
        main_window = start();
        fs::create_directories(downloads);
        gui::SettingsStore settings;
        settings.write("lastpath", "playeri", downloads.string());
        settings.write("lastpath", "weaponi", downloads.string());
    }

    // Makes a set from the backup window, which is closed again afterwards; gives back the status.
    QString back_up(const QString& kind, const QString& name) {
        auto* window = UiWorld::open(*main_window, "mi_backup", "mi_back");
        child<QComboBox>(window, "cmb_model_type")->setCurrentText(kind);
        child<QLineEdit>(window, "backup_name")->setText(name);
        click(window, "btn_backup");
        save_screenshot(window, "mi_back");
        const QString status = label(window, "lbl_confirm");
        window->close();
        return status;
    }

    std::unique_ptr<app::MainWindow> main_window;
    fs::path downloads = root / "Down loads";
};

void pick_file(QWidget* window, const QString& name) {
    auto* files = child<QListWidget>(window, "File1");
    const auto found = files->findItems(name, Qt::MatchExactly);
    require(!found.isEmpty(), "no file " + name.toStdString());
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                      files->visualItemRect(found.first()).center());
}

// Opens the folder of that name in the window's folder list, as Enter on it does.
void open_folder(QWidget* window, const QString& name) {
    auto* folders = child<QListWidget>(window, "Dir1");
    for (int row = 0; row < folders->count(); ++row) {
        if (folders->item(row)->text().trimmed() == name) {
            folders->setCurrentRow(row);
            QTest::keyClick(folders, Qt::Key_Return);
            return;
        }
    }
    require(false, "no folder " + name.toStdString());
}

// The tiny model with one corner moved that far forward (servers allow a player 38 units).
std::string model_reaching_forward(float x) {
    auto description = model_writer::tiny_model();
    description.body_parts[0].models[0].vertices[1].x = x;
    const auto bytes = model_writer::write_model(description).main;
    return {bytes.begin(), bytes.end()};
}

// A model is drawn over the background: not a picture of one colour.
bool shows_a_model(const QImage& picture) {
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            drawn += picture.pixel(x, y) != picture.pixel(0, 0);
    return drawn > picture.width() * picture.height() / 50;
}

void import_named(QWidget* window, const QString& file, const QString& model_name) {
    child<QListWidget>(window, "File1")->clearSelection();
    pick_file(window, file);
    child<QLineEdit>(window, "player_comment")->setText(model_name);
    click(window, "btn_import");
}

} // namespace

class WindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void eachCommandOpensOneWindowAndItsCloseBoxBringsTheMainWindowBack() {
        GameWorld world;
        for (const auto& [command, name] : menu_windows) {
            QPointer<QWidget> window = UiWorld::open(*world.main_window, command, name);
            QVERIFY(!world.main_window->isVisible());
            child<QAction>(world.main_window.get(), command)->trigger(); // the same window again
            QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(),
                                           [&](QWidget* w) { return w->objectName() == name; }),
                     1);

            window->close();
            QVERIFY(world.main_window->isVisible());
            process_deferred_deletes();
            QVERIFY(window.isNull());
        }
        QVERIFY(world.messages.empty());
        child<QAction>(world.main_window.get(), "mi_exit")->trigger();
        QVERIFY(!world.main_window->isVisible());
    }

    void eachImportWindowImportsFromAFolderOrAnArchiveAndConfirmsUntilTheNextClickOnAFile() {
        GameWorld world;
        const auto log = world.install_recorder();
        for (const auto* file :
             {"gign.mdl", "v_ak47.mdl", "w_ak47.mdl", "a.txt", "loose/v_awp.mdl"})
            TestWorld::write(world.downloads / file, file);
        TestWorld::write(world.downloads / "AK pack.zip",
                         archive_of("zip", {{ArchiveItem::Kind::file, "Pack/v_ak47.mdl", "v"},
                                            {ArchiveItem::Kind::file, "Pack/w_ak47.mdl", "w"},
                                            {ArchiveItem::Kind::file, "Pack/readme.txt", "r"}}));
        auto* player = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        QCOMPARE(rows(child<QListWidget>(player, "File1")),
                 (QStringList{"gign.mdl", "v_ak47.mdl", "w_ak47.mdl"}));
        save_screenshot(player, "import_player");
        import_named(player, "gign.mdl", "Ninja");
        QCOMPARE(label(player, "lbl_confirm"), QStringLiteral("Ninja imported"));
        // A click on the file already selected clears the confirmation too.
        pick_file(player, "gign.mdl");
        QVERIFY(label(player, "lbl_confirm").isEmpty());
        import_named(player, "gign.mdl", "Ninja");
        QVERIFY(label(player, "lbl_confirm").isEmpty());
        player->close();

        auto* weapon = UiWorld::open(*world.main_window, "mi_import_weapon", "import_weapon");
        QCOMPARE(rows(child<QListWidget>(weapon, "File1")), QStringList{"v_ak47.mdl"});
        save_screenshot(weapon, "import_weapon");
        click(weapon, "cmd_preview");
        import_named(weapon, "v_ak47.mdl", "Gold");
        QCOMPARE(label(weapon, "lbl_confirm"), QStringLiteral("Gold imported"));
        click(weapon, "cmd_preview");
        QCOMPARE(TestWorld::read(log), (world.downloads / "v_ak47.mdl").string() + "\n");

        // An archive is listed after the folders, with an icon of its own, and opens like one.
        const auto* folders = child<QListWidget>(weapon, "Dir1");
        QStringList names;
        for (const QString& row : rows(folders))
            names.append(row.trimmed());
        QCOMPARE(names.mid(names.indexOf("Down loads")),
                 (QStringList{"Down loads", "loose", "AK pack.zip"}));
        QVERIFY(folders->item(folders->count() - 1)->icon().cacheKey() !=
                folders->item(folders->count() - 2)->icon().cacheKey());

        open_folder(weapon, "AK pack.zip");
        QVERIFY(rows(child<QListWidget>(weapon, "File1")).isEmpty());
        open_folder(weapon, "Pack");
        QCOMPARE(rows(child<QListWidget>(weapon, "File1")), QStringList{"v_ak47.mdl"});
        save_screenshot(weapon, "import_weapon_archive");
        import_named(weapon, "v_ak47.mdl", "Silver");
        QCOMPARE(label(weapon, "lbl_confirm"), QStringLiteral("Silver imported"));
        // The window opens next time where the last import came from, inside the archive too.
        QCOMPARE(gui::SettingsStore().read("lastpath", "weaponi"),
                 (world.downloads / "AK pack.zip" / "Pack").string());
        open_folder(weapon, "Down loads"); // up from inside the archive
        QCOMPARE(folders->currentItem()->text().trimmed(), QStringLiteral("Down loads"));
        QCOMPARE(world.messages,
                 (std::vector<std::string>{"That name already exists.", "No file selected."}));

        // Where the last import came from is gone: the window opens at the game's folder.
        weapon->close();
        fs::remove_all(world.downloads);
        player = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        QCOMPARE(child<QListWidget>(player, "Dir1")->currentItem()->text().trimmed(),
                 QStringLiteral("Game"));
    }

    void aFileOfItsOwnNameIsImportedAsOneOfTheGameNamesFromTheFileListsMenu() {
        GameWorld world;
        const auto [main, textures] = model_writer::tiny_model_in_two_files(true);
        TestWorld::write(world.downloads / "gign.mdl", "gign");
        TestWorld::write(
            world.downloads / "Pack.zip",
            archive_of("zip", {{ArchiveItem::Kind::file, "Pack/707.mdl", main},
                               {ArchiveItem::Kind::file, "Pack/707t.mdl", textures},
                               {ArchiveItem::Kind::file, "Pack/GIGN.mdl", main},
                               {ArchiveItem::Kind::file, "Pack/v_balrog.mdl", main},
                               {ArchiveItem::Kind::file, "Pack/v_balrogT.mdl", textures},
                               {ArchiveItem::Kind::file, "Pack/p_balrog.mdl",
                                model_reaching_forward(8)}}));
        // Below the heading, which every style shows as a disabled item.
        const auto menu_names = [](QWidget* window) {
            const auto actions = child<QMenu>(window, "menu_import_as")->actions();
            if (actions.size() < 2 || actions[0]->isEnabled() ||
                actions[0]->text() != QStringLiteral("Import as") || !actions[1]->isSeparator())
                return QStringList();
            QStringList names;
            for (const QAction* action : actions.mid(2))
                names.append(action->objectName());
            return names;
        };
        // Only a file that Import does not take and that is no companion tells of Import as.
        const auto tipped = [](QWidget* window) {
            QStringList files;
            auto* list = child<QListWidget>(window, "File1");
            for (int row = 0; row < list->count(); ++row) {
                if (list->item(row)->toolTip().contains("right-click it to import it as one of "
                                                        "the game's models"))
                    files.append(list->item(row)->text());
            }
            return files;
        };

        auto* player = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        auto* files = child<QListWidget>(player, "File1");
        QCOMPARE(tipped(player), QStringList());
        open_folder(player, "Pack.zip");
        open_folder(player, "Pack");
        // GIGN.mdl is no player type's file as Import compares names, letter case and all.
        QCOMPARE(tipped(player),
                 (QStringList{"707.mdl", "GIGN.mdl", "p_balrog.mdl", "v_balrog.mdl"}));
        QCOMPARE(menu_names(player),
                 (QStringList{"import_as_gign", "import_as_gsg9", "import_as_urban",
                              "import_as_sas", "import_as_terror", "import_as_arctic",
                              "import_as_leet", "import_as_guerilla", "import_as_vip",
                              "import_as_hostage", "import_as_scientist"}));
        // A right-click picks the file under the pointer and opens the menu.
        auto* menu = child<QMenu>(player, "menu_import_as");
        child<QLineEdit>(player, "player_comment")->setText("Hero");
        // Through the window, as the system delivers a click, which makes the context menu.
        const QRect own = files->visualItemRect(files->findItems("707.mdl", Qt::MatchExactly)[0]);
        QTest::mouseClick(player->windowHandle(), Qt::RightButton, {},
                          files->viewport()->mapTo(player, own.center()));
        QTRY_VERIFY(menu->isVisible());
        save_screenshot(player, "import_player_as");
        save_screenshot(menu, "menu_import_as");
        child<QAction>(menu, "import_as_gign")->trigger();
        menu->close();
        QCOMPARE(label(player, "lbl_confirm"), QStringLiteral("Hero imported"));
        QCOMPARE(TestWorld::read(world.library_file("player/gign/Hero/gign.mdl")), main);
        QCOMPARE(TestWorld::read(world.library_file("player/gign/Hero/gignT.mdl")), textures);
        QCOMPARE(gui::SettingsStore().read("lastpath", "playeri"),
                 (world.downloads / "Pack.zip" / "Pack").string());
        child<QAction>(menu, "import_as_gign")->trigger();
        QVERIFY(label(player, "lbl_confirm").isEmpty());
        player->close();

        // Shift+F10 opens the menu at the picked file; the weapon's own files come along.
        auto* weapon = UiWorld::open(*world.main_window, "mi_import_weapon", "import_weapon");
        QStringList weapon_names;
        for (const auto& name : delivered_weapons())
            weapon_names.append(QStringLiteral("import_as_") + QString::fromStdString(name));
        QCOMPARE(menu_names(weapon), weapon_names.mid(0, 27));
        open_folder(weapon, "Pack.zip");
        open_folder(weapon, "Pack");
        QCOMPARE(tipped(weapon), QStringList{"v_balrog.mdl"});
        pick_file(weapon, "v_balrog.mdl");
        child<QLineEdit>(weapon, "player_comment")->setText("Balrog");
        menu = child<QMenu>(weapon, "menu_import_as");
        QTest::keyClick(child<QListWidget>(weapon, "File1"), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu->isVisible());
        child<QAction>(menu, "import_as_ak47")->trigger();
        menu->close();
        QCOMPARE(label(weapon, "lbl_confirm"), QStringLiteral("Balrog imported"));
        QCOMPARE(TestWorld::names_in(world.library_file("weapon/ak47/Balrog")),
                 (std::vector<std::string>{"p_ak47.mdl", "v_ak47.mdl", "v_ak47T.mdl"}));
        QCOMPARE(world.messages, std::vector<std::string>{"That name already exists."});
    }

    void aWindowGoesOnDrawingButRefusesInputWhileTheViewerIsOpen() {
        GameWorld world;
        const auto log = world.install_recorder();
        set_environment("TESSARY_VIEWER_SECONDS", "2");
        TestWorld::write(world.downloads / "gign.mdl", "gign");
        auto* window = UiWorld::open(*world.main_window, "mi_import_player", "import_player");
        pick_file(window, "gign.mdl");
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
        clock.start(100);
        // Typed, composed by an input method, a click on Ok, the close box: none reaches it.
        QTimer::singleShot(500, [window] {
            auto* name = child<QLineEdit>(window, "player_comment");
            QTest::keyClicks(name, "typed");
            QInputMethodEvent composed;
            composed.setCommitString(QStringLiteral("\u540d"));
            QApplication::sendEvent(name, &composed);
            QTest::mouseClick(child<QPushButton>(window, "btn_ok"), Qt::LeftButton);
            window->windowHandle()->close();
        });
        click(window, "cmd_preview");
        set_environment("TESSARY_VIEWER_SECONDS", "0");
        QCOMPARE(TestWorld::read(log), (world.downloads / "gign.mdl").string() + "\n");
        QVERIFY2(ticks >= 10, "the event loop stood still while the viewer ran");
        QVERIFY(window->isVisible());
        QVERIFY(child<QLineEdit>(window, "player_comment")->text().isEmpty());
    }

    void aPlayerModelIsListedNewestFirstAndInstalledOnlyOnYesWhereServersRefuseIt() {
        GameWorld world;
        for (const auto* model : {"a", "b", "c"})
            TestWorld::write(world.library_file(std::string("player/gign/") + model + "/gign.mdl"),
                             model);
        const auto wide = model_reaching_forward(60);
        auto old = model_reaching_forward(0);
        old[4] = 48; // the version of a later engine
        TestWorld::write(world.library_file("player/gign/Wide/gign.mdl"), wide);
        TestWorld::write(world.library_file("player/gign/Old/gign.mdl"), old);
        auto* window = UiWorld::open(*world.main_window, "mi_install_player", "install_player");
        QVERIFY(child<QComboBox>(window, "cmb_model_type")->currentText().isEmpty());
        click(window, "btn_install");
        click(window, "cmd_preview");
        pick_type(window, "gign");
        QCOMPARE(rows(child<QListWidget>(window, "lst_models")),
                 (QStringList{"Wide", "Old", "c", "b", "a"}));
        save_screenshot(window, "install_player");

        pick_model(window, "b");
        click(window, "btn_install");
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), "b");
        QCOMPARE(label(window, "lbl_confirm"), QStringLiteral("gign model b installed"));

        // A model picked, or under the pointer, shows its picture and what servers make of it.
        pick_model(window, "Wide");
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(
            "Servers refuse it: it is 22.0 units too long for servers, which allow 38.0 forward."));
        const auto png = QToolTip::text().section("base64,", 1).section('"', 0, 0);
        const QImage tip = QImage::fromData(QByteArray::fromBase64(png.toLatin1()), "PNG");
        QCOMPARE(tip.size(), QSize(ui::picture_size, ui::picture_size));
        QVERIFY(shows_a_model(tip));
        auto* models = child<QListWidget>(window, "lst_models");
        const QRect old_row = models->visualItemRect(models->findItems("Old", Qt::MatchExactly)[0]);
        QHelpEvent hover(QEvent::ToolTip, old_row.center(),
                         models->viewport()->mapToGlobal(old_row.center()));
        QApplication::sendEvent(models->viewport(), &hover);
        QTRY_VERIFY(
            QToolTip::text().contains("The game cannot load it: it is a model of version 48"));

        // No to the question: nothing changes, the window's confirmation neither. Yes: installed.
        const auto before = world.snapshot();
        click(window, "btn_install");
        QCOMPARE(world.snapshot(), before);
        QCOMPARE(label(window, "lbl_confirm"), QStringLiteral("gign model b installed"));
        ui::message_box::record_instead(&world.messages, true);
        click(window, "btn_install");
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), wide);
        QCOMPARE(label(window, "lbl_confirm"), QStringLiteral("gign model Wide installed"));

        pick_model(window, "Old");
        click(window, "btn_install");
        QCOMPARE(TestWorld::read(world.game_file("player/gign/gign.mdl")), wide);
        QVERIFY(label(window, "lbl_confirm").isEmpty());
        QCOMPARE(world.messages.size(), std::size_t{5});
        QCOMPARE(world.messages[0], "Please select a model before clicking install.");
        QCOMPARE(world.messages[1], "No model selected");
        QCOMPARE(world.messages[2], world.messages[3]); // asked again, after the No
        QVERIFY(world.messages[2].starts_with(
            "Servers will refuse this model: it is larger than they allow.\n\ngign.mdl of the "
            "model \"Wide\" is 22.0 units too long for servers, which allow 38.0 forward. "));
        QVERIFY(world.messages[4].starts_with(
            "gign.mdl of the model \"Old\" was not installed: the game cannot load it (it is a "
            "model of version 48"));
    }

    // The question itself, in the box the user answers: a warning, Yes or No, No the default.
    void theInstallQuestionIsAWarningThatDefaultsToNo() {
        UiWorld world;
        const auto wide = model_reaching_forward(60);
        const std::vector<std::uint8_t> bytes(wide.begin(), wide.end());
        const auto question = model::install_question(model::check_for_servers(bytes, "gign.mdl"),
                                                      "gign.mdl", "Wide");
        // The box's icon, buttons, default button and text.
        std::tuple<QMessageBox::Icon, QMessageBox::StandardButtons, QMessageBox::StandardButton,
                   QString>
            shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    shown = {box->icon(), box->standardButtons(),
                             box->standardButton(box->defaultButton()), box->text()};
                    box->button(QMessageBox::No)->click();
                }
            }
        });
        ui::message_box::record_instead(nullptr);
        const bool yes = ui::message_box::ask(question);
        ui::message_box::record_instead(&world.messages);
        QVERIFY(!yes);
        const auto& [icon, buttons, default_button, text] = shown;
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(default_button, QMessageBox::No);
        QVERIFY(text.startsWith("Servers will refuse this model"));
    }

    void theCheckWindowSaysWhatTheGameAndServersMakeOfEachFileAndKeepsItsSize() {
        GameWorld world;
        // Of the test game's own files, which are no models, only sas.mdl is kept.
        for (const auto& entry : fs::recursive_directory_iterator(world.game_file("")))
            if (entry.is_regular_file() && entry.path().filename() != "sas.mdl")
                fs::remove(entry.path());
        const auto wide = model_reaching_forward(60);
        TestWorld::write(world.library_file("player/gign/Wide/gign.mdl"), wide);
        TestWorld::write(world.game_file("player/gign/gign.mdl"), wide);
        TestWorld::write(world.library_file("weapon/ak47/Gold/p_ak47.mdl"),
                         model_reaching_forward(30));
        // A model of a later engine, and one of the game's that keeps its textures apart.
        TestWorld::write(world.library_file("player/sas/Later/sas.mdl"),
                         model_writer::with(wide, 4, std::int32_t{44}));
        const auto [textured, textures] = model_writer::tiny_model_in_two_files(true);
        TestWorld::write(world.game_file("player/urban/urban.mdl"), textured);
        TestWorld::write(world.game_file("player/urban/urbant.mdl"), textures);

        auto* window = UiWorld::open(*world.main_window, "mi_check", "check");
        QTRY_VERIFY(label(window, "lbl_confirm").endsWith(" files checked."));
        QTRY_VERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        // The cells after the picture of the row of that place and file, and its picture.
        const auto* cells = child<QTableView>(window, "tbl_check")->model();
        const auto find = [cells](const QString& where, const QString& file) {
            for (int r = 0; r < cells->rowCount(); ++r)
                if (cells->index(r, 1).data() == where && cells->index(r, 4).data() == file)
                    return r;
            require(false, "no row of " + file.toStdString());
            return -1;
        };
        const auto row = [&](const QString& where, const QString& file) {
            QStringList found;
            for (int c = 2; c < cells->columnCount(); ++c)
                found.append(cells->index(find(where, file), c).data().toString());
            return found;
        };
        const auto picture = [&](const QString& where, const QString& file) {
            return cells->index(find(where, file), 0).data(Qt::DecorationRole).value<QImage>();
        };
        const QString forward = "22.0 units too long for servers, which allow 38.0 forward";
        QCOMPARE(row("library", "gign.mdl"),
                 (QStringList{"gign", "Wide", "gign.mdl", "yes", "refused", forward,
                              "(0.0, -8.0, 0.0) to (60.0, 8.0, 16.0)"}));
        QCOMPARE(row("library", "p_ak47.mdl").mid(3, 2), (QStringList{"yes", "accepted"}));
        QCOMPARE(row("library", "sas.mdl").mid(3, 1).join("").left(31),
                 QStringLiteral("no: it is a model of version 44"));
        QCOMPARE(row("game", "gign.mdl").mid(0, 5),
                 (QStringList{"gign", "model Wide", "gign.mdl", "yes", "refused"}));
        // The texture file follows its model; the test game's own files are not models.
        QCOMPARE(find("game", "urbanT.mdl"), find("game", "urban.mdl") + 1);
        QCOMPARE(
            row("game", "urbanT.mdl").mid(3, 3),
            (QStringList{"with its model", "not checked", "it holds the textures of urban.mdl"}));
        QCOMPARE(row("game", "sas.mdl").mid(3, 2), (QStringList{"", "not a model file"}));
        QCOMPARE(label(window, "lbl_summary"),
                 QStringLiteral("Servers will refuse 2 files: gign.mdl of Wide, the game's "
                                "gign.mdl. The game cannot load 2 files: sas.mdl of Later, the "
                                "game's sas.mdl. In the game now: gign.mdl is model Wide."));
        // Each model is drawn, a file that is no model gets the plain mark.
        const QImage mark = picture("game", "sas.mdl");
        for (const auto& [where, file] :
             {std::pair{"library", "gign.mdl"}, {"game", "urban.mdl"}}) {
            const QImage drawn = picture(where, file);
            QVERIFY(!drawn.isNull() && drawn != mark);
            QVERIFY2(shows_a_model(drawn), file);
        }
        QCOMPARE(picture("library", "sas.mdl"), mark);
        save_screenshot(window, "check");

        // The size and the widths of the columns are as the user left them, next time too, and
        // after Tessary ended with the window open.
        for (const bool ended : {false, true}) {
            window->resize(700 + ended, 450);
            child<QTableView>(window, "tbl_check")->setColumnWidth(7, 333 + ended);
            if (ended)
                world.main_window = world.start();
            else
                window->close();
            window = UiWorld::open(*world.main_window, "mi_check", "check");
            QCOMPARE(window->size(), QSize(700 + ended, 450));
            QCOMPARE(child<QTableView>(window, "tbl_check")->columnWidth(7), 333 + ended);
        }
    }

    void theWeaponCheckBoxesShowWhatAModelHoldsAndOnlyTicksInstall() {
        GameWorld world;
        for (const auto* file :
             {"Full/v_ak47.mdl", "Full/v_ak47_r.mdl", "Full/w_ak47.mdl", "Full/p_ak47.mdl",
              "WP/w_ak47.mdl", "WP/p_ak47.mdl", "Right/v_ak47_r.mdl", "loose.mdl"})
            TestWorld::write(world.library_file(std::string("weapon/ak47/") + file), file);
        const auto log = world.install_recorder();
        auto* window = UiWorld::open(*world.main_window, "mi_install_weapon", "install_weapon");
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->count(), 27);
        QCOMPARE(child<QComboBox>(window, "cmb_model_type")->currentText(), QStringLiteral("ak47"));
        QCOMPARE(rows(child<QListWidget>(window, "lst_models")),
                 (QStringList{"WP", "Right", "loose.mdl", "Full"}));
        save_screenshot(window, "install_weapon");
        click(window, "cmd_preview");

        QCheckBox* boxes[] = {
            child<QCheckBox>(window, "chk_lmodel"), child<QCheckBox>(window, "chk_rmodel"),
            child<QCheckBox>(window, "chk_wmodel"), child<QCheckBox>(window, "chk_pmodel")};
        // Each model's boxes, and the file its tip shows: the left model, else the right.
        const std::tuple<const char*, QList<bool>, const char*> models[] = {
            {"WP", {false, false, true, true}, nullptr},
            {"Right", {false, true, false, false}, "v_ak47_r.mdl"},
            {"loose.mdl", {false, false, false, false}, nullptr},
            {"Full", {true, true, true, true}, "v_ak47.mdl<"}};
        for (const auto& [model, states, tip] : models) {
            boxes[2]->setChecked(true);
            pick_model(window, model);
            QList<bool> enabled;
            for (auto* box : boxes)
                enabled.append(box->isEnabled());
            QCOMPARE(enabled, states);
            if (tip)
                QTRY_VERIFY(QToolTip::text().contains(tip));
            QVERIFY(!boxes[2]->isChecked());
            click(window, "cmd_preview"); // the left model, else the right, else nothing
        }
        QCOMPARE(TestWorld::read(log),
                 world.library_file("weapon/ak47/Right/v_ak47_r.mdl").string() + "\n" +
                     world.library_file("weapon/ak47/Full/v_ak47.mdl").string() + "\n");

        click(window, "btn_install"); // nothing ticked: nothing copied, and still complete
        QCOMPARE(label(window, "lbl_confirm"), QStringLiteral("Install Complete"));
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

    void aSetIsMadeListedAndPutBackAndTheWindowSlides() {
        GameWorld world;
        QCOMPARE(world.back_up("Player models", "A"),
                 QStringLiteral("Player model backup complete."));
        world.back_up("Player models", "B");
        QCOMPARE(world.back_up("Weapon models", "Stock"),
                 QStringLiteral("Weapon model backup complete."));
        // Refused: the status stays as the backup left it.
        QCOMPARE(world.back_up("Weapon models", "Stock"),
                 QStringLiteral("Backing up weapon models..."));
        const struct {
            const char *command, *name, *show_button;
            int narrow, wide;
            QStringList sets;
            QString confirmation;
            const char* game_file;
        } windows[] = {{"mi_install_player", "install_player", "btn_showbackup", 3330, 5130,
                        QStringList{"A", "B"}, "Backup B installed", "hostage.mdl"},
                       {"mi_install_weapon", "install_weapon", "btn_showinstall", 3795, 5595,
                        QStringList{"Stock"}, "Backup install complete", "v_deagle.mdl"}};
        for (const auto& design : windows) {
            auto* window = UiWorld::open(*world.main_window, design.command, design.name);
            auto* sets = child<QListWidget>(window, "lst_backup");
            click(window, "btn_installbackup"); // nothing selected
            QCOMPARE(ui::outer_width(window), design.narrow);

            click(window, design.show_button);
            click(window, design.show_button); // the list anew, once
            QCOMPARE(ui::outer_width(window), design.wide);
            QCOMPARE(rows(sets), design.sets);
            save_screenshot(window, QString::fromLatin1(design.name) + "_restore");

            TestWorld::write(world.game_file(design.game_file), "installed since");
            sets->setCurrentRow(sets->count() - 1);
            click(window, "btn_installbackup");
            QCOMPARE(label(window, "lbl_confirm"), design.confirmation);
            QCOMPARE(ui::outer_width(window), design.narrow);
            QCOMPARE(sets->currentItem()->text(), design.sets.back());
            QVERIFY(TestWorld::read(world.game_file(design.game_file)).starts_with("game "));
        }
        QCOMPARE(world.messages,
                 (std::vector<std::string>{"That name already exists.",
                                           "Please select a backup set before clicking install.",
                                           "Please select a backup set before clicking install."}));
    }

    // A start without a whole name list says so, makes no library and shows the main window, from
    // which the readme and the About window open.
    void aStartReportsABadNameListAndTheReadmeAndAboutWindowsShowWhatTheyShow() {
        UiWorld world;
        fs::remove(world.program / "player.txt");
        const auto main_window = world.start();
        QVERIFY(main_window->isVisible());
        QVERIFY(!fs::exists(world.program / "models"));
        QCOMPARE(world.messages.size(), std::size_t{1});
        save_screenshot(main_window.get(), "mi_main");
        const auto shown = [&main_window] {
            auto* window = UiWorld::open(*main_window, "mi_readme", "mi_rme");
            const auto text = child<QPlainTextEdit>(window, "rtext1")->toPlainText();
            save_screenshot(window, "mi_rme");
            click(window, "btn_close");
            return text;
        };
        TestWorld::write(world.program / "readme.txt", "{\\rtf1 <b>Bold</b>}\r\nsecond line\r\n");
        QCOMPARE(shown(), QStringLiteral("{\\rtf1 <b>Bold</b>}\nsecond line"));
        fs::remove(world.program / "readme.txt");
        QVERIFY(shown().startsWith("readme.txt could not be read from the program folder: "));

        for (const auto key : {Qt::Key_Escape, Qt::Key_Return}) {
            auto* window = UiWorld::open(*main_window, "mi_about", "frmAbout");
            QCOMPARE(label(window, "lblVersion"),
                     QStringLiteral("Version " TESSARY_PROJECT_VERSION));
            QVERIFY(!child<QLabel>(window, "picIcon")->pixmap().isNull());
            save_screenshot(window, "frmAbout");
            QTest::keyClick(window, key);
            QVERIFY(main_window->isVisible());
        }

        // System information starts where the registry says.
        auto* window = UiWorld::open(*main_window, "mi_about", "frmAbout");
        click(window, "cmdSysInfo");
        const auto tool = world.root / "Info Tools" / "MSINFO32.EXE";
        const auto marker = world.install_recorder(tool);
        world.registry.set_text("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                                tool.parent_path().string(), 1, true, TestRegistry::View::native);
        click(window, "cmdSysInfo");
        QTRY_VERIFY(fs::exists(marker));
        // The first entry wins, even when its program is not there.
        world.registry.set_text("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                (world.root / "missing.exe").string(), 1, true,
                                TestRegistry::View::native);
        click(window, "cmdSysInfo");
        QCOMPARE(std::vector(world.messages.begin() + 1, world.messages.end()),
                 std::vector<std::string>(2, "System Information Is Unavailable At This Time"));
    }
};

QTEST_MAIN(WindowsTest)
#include "ui_test.moc"
