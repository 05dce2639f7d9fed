// Tessary in each of its languages: every text translated, with the placeholders of its English,
// every window wholly in the language chosen and each text within its control, and the language
// chosen under Help kept for the next start.
#include "core/game/game_directory.h"
#include "core/library/folder_names.h"
#include "gui/language.h"
#include "gui/settings_store.h"
#include "gui/words.h"
#include "ui/message_box.h"
#include "ui_world.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

namespace {

QSet<QString> placeholders(const QString& text) {
    QSet<QString> found;
    for (const auto& match : QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text))
        found.insert(match.captured());
    return found;
}

QString without_mnemonic(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("&(?!&)")), QString());
}

// Why the control's text does not fit it, or nothing when it does.
QString overflow(const QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    QString text, why;
    QSize needed, room = control->size();
    if (const auto* label = qobject_cast<const QLabel*>(control);
        label && label->pixmap().isNull()) {
        text = label->text();
        room = label->contentsRect().size();
        needed =
            (label->wordWrap() ? metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap, text)
                               : metrics.boundingRect(text))
                .size();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        text = without_mnemonic(button->text());
        const QStyle* style = button->style();
        needed.setWidth(metrics.horizontalAdvance(text) +
                        (qobject_cast<const QCheckBox*>(control)
                             ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                   style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                             : 2 * style->pixelMetric(QStyle::PM_ButtonMargin)));
    }
    if (!text.isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
        QDebug(&why) << text << "needs" << needed << "has" << room;
    return why;
}

// The texts of a window's labels and buttons, by their controls' names.
std::map<QString, QString> texts_of(const QWidget* window) {
    std::map<QString, QString> texts;
    for (const auto* label : window->findChildren<QLabel*>())
        texts[label->objectName()] = label->text();
    for (const auto* button : window->findChildren<QAbstractButton*>())
        texts[button->objectName()] = button->text();
    texts[QStringLiteral("caption")] = window->windowTitle();
    return texts;
}

// Texts that stay as they are in every language: names of the game and of files, and numbers.
bool stays_as_it_is(const QString& text) {
    static const QRegularExpression kept(
        QStringLiteral("^(Tessary|[\\w .-]*\\.(mdl|txt)|[\\d .,%]*|OK|&Ok)$"));
    return text.trimmed().isEmpty() || kept.match(text).hasMatch();
}

} // namespace

class TranslationsTest final : public QObject {
    Q_OBJECT

private slots:
    void everyTextIsTranslatedWithTheEnglishPlaceholders() {
        for (const auto& language : gui::languages) {
            if (language.code == std::string_view("en"))
                continue;
            QFile file(QStringLiteral(TESSARY_TRANSLATIONS_DIR "/tessary_%1.ts")
                           .arg(QString::fromLatin1(language.code)));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            QXmlStreamReader ts(&file);
            QString source;
            int messages = 0;
            while (!ts.atEnd()) {
                ts.readNext();
                if (!ts.isStartElement())
                    continue;
                if (ts.name() == QLatin1String("source"))
                    source = ts.readElementText();
                if (ts.name() != QLatin1String("translation"))
                    continue;
                ++messages;
                const auto type = ts.attributes().value(QLatin1String("type"));
                const QString translation =
                    ts.readElementText(QXmlStreamReader::IncludeChildElements);
                const QString where = QString::fromLatin1(language.code) + ": " + source;
                QVERIFY2(type.isEmpty() && !translation.isEmpty(), qPrintable(where));
                QCOMPARE(placeholders(translation), placeholders(source));
            }
            QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
            QVERIFY(messages > 100);
        }
    }

    void eachWindowSpeaksTheLanguageChosenWithinItsControls() {
        std::map<QString, std::map<QString, QString>> english;
        for (const auto& language : gui::languages) {
            const QString code = QString::fromLatin1(language.code);
            UiWorld world;
            world.make_game();
            gui::SettingsStore settings;
            gui::choose_language(settings, code);
            const auto main_window = world.start();
            for (const auto& [command, name] : menu_windows) {
                auto* window = UiWorld::open(*main_window, command, name);
                const auto texts = texts_of(window);
                if (code == QStringLiteral("en")) {
                    english[name] = texts;
                } else {
                    for (const auto& [control, text] : texts) {
                        const QString& original = english[name][control];
                        QVERIFY2(text != original || stays_as_it_is(text),
                                 qPrintable(code + ": " + name + "/" + control + ": " + text));
                    }
                    for (const auto* control : window->findChildren<QWidget*>()) {
                        const QString wrong = overflow(control);
                        QVERIFY2(wrong.isEmpty(), qPrintable(code + ": " + name + "/" +
                                                             control->objectName() + ": " + wrong));
                    }
                }
                save_screenshot(window, QStringLiteral("%1_%2").arg(name, code));
                window->close();
                process_deferred_deletes();
            }
        }
    }

    void theLanguageChosenUnderHelpIsSpokenAtOnceAndNextTime() {
        UiWorld world;
        world.make_game();
        auto main_window = world.start();
        auto* model = child<QAction>(main_window.get(), "mi_model");
        QCOMPARE(model->text(), QStringLiteral("&Model"));
        child<QAction>(main_window.get(), "language_ru")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(model->text() != QStringLiteral("&Model"));
        QCOMPARE(gui::SettingsStore().read("settings", "language"), std::string("ru"));
        const QString russian = model->text();
        main_window.reset();
        main_window = world.start();
        QCOMPARE(child<QAction>(main_window.get(), "mi_model")->text(), russian);
        QVERIFY(child<QAction>(main_window.get(), "language_ru")->isChecked());
        child<QAction>(main_window.get(), "language_system")->trigger();
        QCOMPARE(gui::SettingsStore().read("settings", "language"), std::string());
    }

    // A message of the core, as a window words it: in English the design's text to the letter, and
    // in Russian the translation, its place filled with the same value.
    void aMessageOfTheCoreIsWordedInTheLanguageSpoken() {
        UiWorld world; // no game anywhere
        const auto not_found = core::game_directory();
        QVERIFY(!not_found);
        const auto no_folder_name = core::check_folder_name("Ninja?");
        QVERIFY(!no_folder_name);
        gui::speak(QStringLiteral("ru"));
        QCOMPARE(gui::words(not_found.messages().front()),
                 QStringLiteral("Ключ реестра не найден!"));
        QVERIFY(gui::words(no_folder_name.messages().front()).contains(QStringLiteral("\\ / :")));
        QVERIFY(gui::words(no_folder_name.messages().front()).contains(QStringLiteral("папк")));
        gui::speak(QStringLiteral("en"));
        QCOMPARE(gui::words(not_found.messages().front()), QStringLiteral("RegKey not found!!"));
        QCOMPARE(gui::words(no_folder_name.messages().front()),
                 QStringLiteral("That name cannot be a folder name: it holds one of the characters "
                                "\\ / : * ? \" < > |."));
    }

    void theSystemsLanguageIsSpokenWhereTessaryHasIt() {
        const std::pair<std::vector<std::string>, const char*> cases[] = {
            {{"ru_RU"}, "ru"},
            {{"uk_UA", "ru_RU"}, "uk"},
            {{"pt_PT"}, "pt_BR"},
            {{"zh_TW", "en_US"}, "en"},
            {{"zh_Hans_CN"}, "zh_CN"},
            {{"de_DE", "pl_PL"}, "pl"},
            {{"en_GB", "ru_RU"}, "en"},
            {{}, "en"},
            {{"tr"}, "tr"}};
        for (const auto& [system, spoken] : cases)
            QCOMPARE(gui::language_for(system), QString::fromLatin1(spoken));
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
