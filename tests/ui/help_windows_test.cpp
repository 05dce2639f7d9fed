#include "ui_world.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace fs = std::filesystem;

class HelpWindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void theReadmeIsShownAsPlainText() {
        UiWorld world;
        fs::copy_file(TESSARY_DATA_DIR "/readme.txt", world.program / "readme.txt");
        const auto main_window = world.start();
        auto* window = UiWorld::open(*main_window, "mi_readme", "mi_rme");
        auto* text = child<QPlainTextEdit>(window, "rtext1");
        QVERIFY(text->toPlainText().startsWith("TESSARY\n=======\n"));
        UiWorld::save_screenshot(window, "mi_rme");
        window->close();

        TestWorld::write(world.program / "readme.txt", "{\\rtf1 <b>Bold</b>}\r\nsecond line\r\n");
        window = UiWorld::open(*main_window, "mi_readme", "mi_rme");
        text = child<QPlainTextEdit>(window, "rtext1");
        QCOMPARE(text->toPlainText(), QStringLiteral("{\\rtf1 <b>Bold</b>}\nsecond line"));
        QVERIFY(text->isReadOnly());
        child<QPushButton>(window, "btn_close")->click();
        QVERIFY(main_window->isVisible());

        fs::remove(world.program / "readme.txt");
        window = UiWorld::open(*main_window, "mi_readme", "mi_rme");
        QVERIFY(child<QPlainTextEdit>(window, "rtext1")
                    ->toPlainText()
                    .startsWith("readme.txt could not be read from the program folder: "));
    }

    void theAboutWindowShowsTheVersionAndAnswersEscapeAndEnter() {
        UiWorld world;
        const auto main_window = world.start();
        auto* window = UiWorld::open(*main_window, "mi_about", "frmAbout");
        QCOMPARE(window->windowTitle(), QStringLiteral("About Tessary"));
        QCOMPARE(child<QLabel>(window, "lblTitle")->text(), QStringLiteral("Tessary"));
        QCOMPARE(child<QLabel>(window, "lblVersion")->text(),
                 QStringLiteral("Version " TESSARY_PROJECT_VERSION));
        QVERIFY(!child<QLabel>(window, "picIcon")->pixmap().isNull());
        UiWorld::save_screenshot(window, "frmAbout");

        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(main_window->isVisible());
        window = UiWorld::open(*main_window, "mi_about", "frmAbout");
        QTest::keyClick(window, Qt::Key_Return);
        QVERIFY(main_window->isVisible());
    }

    void systemInformationStartsWhereTheRegistrySays() {
        UiWorld world;
        const auto main_window = world.start();
        auto* window = UiWorld::open(*main_window, "mi_about", "frmAbout");
        auto* system_information = child<QPushButton>(window, "cmdSysInfo");
        system_information->click();
        const auto unavailable =
            std::vector<std::string>{"System Information Is Unavailable At This Time"};
        QCOMPARE(world.messages, unavailable);

        const auto marker = world.root / "started";
        const auto tool = world.root / "Info Tools" / "MSINFO32.EXE";
        TestWorld::write(tool, "#!/bin/sh\ntouch '" + marker.string() + "'\n");
        fs::permissions(tool, fs::perms::owner_all, fs::perm_options::add);
        world.registry.set_text("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO",
                                tool.parent_path().string(), 1, true, TestRegistry::View::native);
        world.messages.clear();
        system_information->click();
        QTRY_VERIFY(fs::exists(marker));
        QVERIFY(world.messages.empty());

        // The first entry wins, even when its program is not there.
        world.registry.set_text("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                                (world.root / "missing.exe").string(), 1, true,
                                TestRegistry::View::native);
        system_information->click();
        QCOMPARE(world.messages, unavailable);
    }
};

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
