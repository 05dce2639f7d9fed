#include "ui_world.h"

#include <QAction>
#include <QPointer>
#include <QtTest>

namespace fs = std::filesystem;

class MainWindowTest final : public QObject {
    Q_OBJECT

private slots:
    void aStartShowsTheMainWindowAndReportsABadNameList() {
        for (const bool lists_whole : {true, false}) {
            UiWorld world;
            if (!lists_whole)
                fs::remove(world.program / "player.txt");
            const auto main_window = world.start();
            QVERIFY(main_window->isVisible());
            QCOMPARE(main_window->windowTitle(), QStringLiteral("Tessary"));
            QCOMPARE(fs::exists(world.program / "models"), lists_whole);
            QCOMPARE(world.messages.size(), std::size_t{lists_whole ? 0u : 1u});
            if (lists_whole)
                UiWorld::save_screenshot(main_window.get(), "mi_main");
        }
    }

    void eachCommandOpensOneWindowAndItsCloseBoxBringsTheMainWindowBack() {
        UiWorld world;
        world.register_game();
        const auto main_window = world.start();
        const std::pair<const char*, const char*> commands[] = {
            {"mi_backup", "mi_back"},
            {"mi_import_player", "import_player"},
            {"mi_import_weapon", "import_weapon"},
            {"mi_install_player", "install_player"},
            {"mi_install_weapon", "install_weapon"},
            {"mi_readme", "mi_rme"},
            {"mi_about", "frmAbout"}};
        for (const auto& [command, name] : commands) {
            QPointer<QWidget> window = UiWorld::open(*main_window, command, name);
            QVERIFY(!main_window->isVisible());
            child<QAction>(main_window.get(), command)->trigger(); // the same window again
            int count = 0;
            for (QWidget* widget : QApplication::topLevelWidgets())
                count += widget->objectName() == QLatin1String(name);
            QCOMPARE(count, 1);

            window->close();
            QVERIFY(main_window->isVisible());
            process_deferred_deletes();
            QVERIFY(window.isNull());
        }
        QVERIFY(world.messages.empty());
        child<QAction>(main_window.get(), "mi_exit")->trigger();
        QVERIFY(!main_window->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
