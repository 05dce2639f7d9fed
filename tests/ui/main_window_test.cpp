#include "app/frmAbout.h"
#include "app/mi_rme.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "ui_world.h"
#include "windows/import_player.h"
#include "windows/import_weapon.h"
#include "windows/install_player.h"
#include "windows/install_weapon.h"
#include "windows/mi_back.h"

#include <QMenu>
#include <QMenuBar>
#include <QtTest>

namespace fs = std::filesystem;

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void aFirstStartRecordsTheFolderAndBuildsTheLibrary() {
        UiWorld world;
        const auto main_window = world.start();
        QVERIFY(main_window->isVisible());
        QCOMPARE(main_window->windowTitle(), QStringLiteral("Tessary"));
        QCOMPARE(world.setting("settings", "install path"), world.program_folder());
        QVERIFY(fs::is_directory(world.library_file("weapon/xm1014")));
        QVERIFY(fs::is_directory(world.library_file("player/scientist")));
        QVERIFY(world.messages.empty());
        UiWorld::save_screenshot(main_window.get(), "mi_main");
    }

    void theRecordedFolderIsKeptUnlessItIsEmpty() {
        UiWorld world;
        platform::write_setting("Tessary", "settings", "install path", "");
        world.start();
        QCOMPARE(world.setting("settings", "install path"), world.program_folder());

        // A start from another folder builds the library there and keeps the first folder.
        const auto other = world.root / "Other";
        fs::create_directories(other);
        fs::copy(world.program / "weapon.txt", other);
        fs::copy(world.program / "player.txt", other);
        platform::set_program_folder(other.string());
        world.start();
        QCOMPARE(world.setting("settings", "install path"), world.program_folder());
        QVERIFY(fs::is_directory(other / "models" / "player" / "vip"));
    }

    void anExistingLibraryReadsNoNameList() {
        UiWorld world;
        fs::create_directories(world.program / "models");
        fs::remove(world.program / "weapon.txt");
        fs::remove(world.program / "player.txt");
        const auto main_window = world.start();
        QVERIFY(main_window->isVisible());
        QVERIFY(world.messages.empty());
        QVERIFY(fs::is_empty(world.program / "models"));
    }

    void aBadNameListIsReportedAndTheMainWindowStillShows() {
        UiWorld world;
        fs::remove(world.program / "player.txt");
        const auto main_window = world.start();
        QVERIFY(main_window->isVisible());
        QCOMPARE(world.messages.size(), std::size_t{1});
        QVERIFY(world.messages[0].find("player.txt") != std::string::npos);
        QVERIFY(!fs::exists(world.program / "models"));
    }

    void theMenuBarHoldsEveryCommand() {
        UiWorld world;
        const auto main_window = world.start();
        const QStringList items{"MI_File:&File",
                                "mi_exit:E&xit",
                                "mi_model:&Model",
                                "mi_backup:&Backup",
                                "mi_import:&Import",
                                "mi_import_player:&Player",
                                "mi_import_weapon:&Weapon",
                                "mi_model_install:I&nstall",
                                "mi_install_player:Player Model",
                                "mi_install_weapon:Weapon Model",
                                "mi_help:&Help",
                                "mi_readme:&Readme",
                                "mi_about:&About"};
        for (const QString& item : items) {
            const auto* action = main_window->findChild<QAction*>(item.section(':', 0, 0));
            QVERIFY2(action, qPrintable(item));
            QCOMPARE(action->text(), item.section(':', 1));
        }
        QCOMPARE(main_window->menuBar()->actions().size(), 3);
    }

    void eachCommandOpensOneWindowAndItsCloseBoxBringsTheMainWindowBack() {
        UiWorld world;
        world.register_game();
        const auto main_window = world.start();
        checkHandOver<mi_back>(*main_window, main_window->mi_backup);
        checkHandOver<import_player>(*main_window, main_window->mi_import_player);
        checkHandOver<import_weapon>(*main_window, main_window->mi_import_weapon);
        checkHandOver<install_player>(*main_window, main_window->mi_install_player);
        checkHandOver<install_weapon>(*main_window, main_window->mi_install_weapon);
        checkHandOver<mi_rme>(*main_window, main_window->mi_readme);
        checkHandOver<frmAbout>(*main_window, main_window->mi_about);
        QVERIFY(world.messages.empty());
    }

    void exitClosesTheMainWindow() {
        UiWorld world;
        const auto main_window = world.start();
        main_window->mi_exit->trigger();
        QVERIFY(!main_window->isVisible());
    }

private:
    template <typename Window> void checkHandOver(mi_main& main_window, QAction* command) {
        auto* window = UiWorld::open<Window>(command);
        QVERIFY(window && window->isVisible());
        QVERIFY(!main_window.isVisible());
        command->trigger(); // opening it again shows that same window
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<Window*>(widget) != nullptr;
        QCOMPARE(count, 1);

        QPointer<Window> watched(window);
        window->close();
        QVERIFY(main_window.isVisible());
        process_deferred_deletes();
        QVERIFY(watched.isNull());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
