#include "manual_clock.h"
#include "model_writer.h"
#include "render/overlays.h"
#include "viewer/model_view.h"
#include "viewer/texture_browser.h"
#include "viewer/viewer_window.h"
#include "windows_under_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <utility>

namespace {

// The centres of texels (3, 4) and (4, 4) of the test models' quad, which spans Y -8..8 and
// Z 0..16 at X = 0 with its checked texture upright on it.
constexpr model::Vec3 white_texel{0, -1, 7};
constexpr model::Vec3 black_texel{0, 1, 7};

// The pixel shows the colour as the light leaves it: each channel within 105 of the colour's.
bool shows(QRgb pixel, QColor colour) {
    return std::abs(qRed(pixel) - colour.red()) < 105 &&
           std::abs(qGreen(pixel) - colour.green()) < 105 &&
           std::abs(qBlue(pixel) - colour.blue()) < 105;
}

// Red shows through: what servers refuse, drawn over whatever lies behind it.
bool reddish(QRgb pixel) {
    return qRed(pixel) - std::max(qGreen(pixel), qBlue(pixel)) > 60;
}

QString text_of(const std::unique_ptr<viewer::ViewerWindow>& window, const char* label) {
    return child<QLabel>(window.get(), label)->text();
}

QColor colour_of(render::Colour colour) {
    return QColor(render::red_of(colour), render::green_of(colour), render::blue_of(colour));
}

// The picture's pixel where a point of the model lands; 0 outside the picture.
QRgb pixel_at(viewer::ViewerWindow* window, model::Vec3 point) {
    const QImage picture = window->picture();
    const auto screen = child<viewer::ModelView>(window, "view")
                            ->camera()
                            .project(point, picture.width(), picture.height());
    const QPoint at =
        screen ? QPoint(static_cast<int>(screen->x), static_cast<int>(screen->y)) : QPoint(-1, -1);
    return picture.rect().contains(at) ? picture.pixel(at) : 0;
}

// The tiny model with two sequences more: "sink", whose root goes down 36 units as a player's
// does, and "aim", whose two blend sets from -90 to 90 turn the quad a quarter about Z or not.
model_writer::Description sinking_and_aiming_model() {
    using model_writer::Animation;
    auto description = model_writer::tiny_model();
    model_writer::Sequence sink{
        .label = "sink", .looping = false, .frames = 3, .animation = Animation(1)};
    sink.animation[0][2] = {0, -18 * 256, -36 * 256};
    model_writer::Sequence aim{.label = "aim",
                               .animation = Animation(1),
                               .more_blends = {Animation(1)},
                               .blend_range = {-90, 90}};
    aim.more_blends[0][0][5] = {4096};
    description.sequences.insert(description.sequences.end(), {sink, aim});
    return description;
}

// Triggers the window's action, and in the file dialog it opens notes the folder suggested, then
// picks the file, or cancels where there is none. The folder suggested.
QString folder_suggested(const QWidget* window, const char* action, const QString& file = {}) {
    QString folder;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no file dialog");
        folder = dialog->directory().absolutePath();
        if (file.isEmpty())
            return dialog->reject();
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept(); // as its own button does
    });
    child<QAction>(window, action)->trigger();
    return folder;
}

// Drops the file on the window as a file manager does; whether the window took it.
bool drop(QWidget* window, const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &dropped);
    return dropped.isAccepted();
}

// Nothing but the background along the picture's edges: nothing of the model is cut off.
bool edges_clear(const QImage& picture) {
    QImage edges = picture, clear(picture.size(), picture.format());
    clear.fill(picture.pixel(0, 0));
    QPainter(&edges).fillRect(edges.rect().adjusted(1, 1, -1, -1), QColor(picture.pixel(0, 0)));
    return edges == clear;
}

} // namespace

class ViewerWindowTest final : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;

    // Writes the model, with its texture and group file when it has them, into a folder whose
    // path has blanks, as a user's may; the main file's path.
    QString write(const model_writer::Description& description) {
        const auto files = model_writer::write_model(description);
        const QString stem = QString::fromStdString(description.name).chopped(4);
        for (const auto& [name, bytes] : {std::pair{stem + ".mdl", &files.main},
                                          {stem + "T.mdl", &files.textures},
                                          {stem + "01.mdl", &files.group}}) {
            QFile file(folder->filePath(name));
            if (!bytes->empty() && (!file.open(QIODevice::WriteOnly) ||
                                    file.write(reinterpret_cast<const char*>(bytes->data()),
                                               static_cast<qint64>(bytes->size())) < 0))
                qFatal("cannot write %s", qPrintable(file.fileName()));
        }
        return folder->filePath(stem + ".mdl");
    }

    // A window on the model, shown, with its own clock.
    static std::unique_ptr<viewer::ViewerWindow> open(const QString& path,
                                                      ManualClock* clock = nullptr) {
        auto window = std::make_unique<viewer::ViewerWindow>(path, clock ? clock : new ManualClock);
        window->show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        return window;
    }

private slots:
    void init() {
        folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/viewer test XXXXXX");
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           folder->filePath(QStringLiteral("settings")));
    }

    void showsWhyAFileCannotBeShownOrOpensItsModel() {
        QFile damaged(folder->filePath(QStringLiteral("damaged.mdl")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a model at all");
        damaged.close();
        auto window = open(damaged.fileName());
        const auto* message = child<QLabel>(window.get(), "message");
        QVERIFY2(message->text().contains("damaged.mdl cannot be shown") &&
                     message->text().contains("not a model file"),
                 qPrintable(message->text()));
        QVERIFY(message->isVisible() &&
                !child<viewer::ModelView>(window.get(), "view")->isVisible());

        // A sequence group file, which offers to open its model.
        auto grouped = model_writer::tiny_model();
        grouped.sequences[0].in_group_file = true;
        write(grouped);
        window = open(folder->filePath("test01.mdl"));
        QVERIFY(text_of(window, "message").contains("of the model test.mdl"));
        save_screenshot(window.get(), "viewer_group_file");
        child<QPushButton>(window.get(), "open_model")->click();
        QVERIFY(child<QWidget>(window.get(), "panel_scroll")->isVisible());
        child<QCheckBox>(window.get(), "show_ground")->setChecked(false);
        save_screenshot(window.get(), "viewer_tiny");
        QVERIFY(shows(pixel_at(window.get(), white_texel), Qt::white));
        QVERIFY(shows(pixel_at(window.get(), black_texel), Qt::black));
        QVERIFY(edges_clear(window->picture()));
    }

    void standsAloneAndOpensModelsFromItsMenuAndByDrops() {
        auto window = open(QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Tessary model viewer"));
        QVERIFY(text_of(window, "message").contains("File → Open"));
        save_screenshot(window.get(), "viewer_empty");

        const QString tiny = write(model_writer::tiny_model());
        folder_suggested(window.get(), "mi_open", tiny);
        QCOMPARE(window->windowTitle(), QStringLiteral("test.mdl — Tessary model viewer"));
        QVERIFY(child<QWidget>(window.get(), "panel_scroll")->isVisible());

        // Another model takes the place of the first, with a panel and textures of its own.
        auto skins = model_writer::two_skin_model();
        skins.name = "skins.mdl";
        QVERIFY(!drop(window.get(), folder->filePath(QStringLiteral("skins.png"))));
        QVERIFY(drop(window.get(), write(skins)));
        QCOMPARE(window->findChildren<QScrollArea*>(QStringLiteral("panel_scroll")).size(), 1);
        QCOMPARE(child<QTabWidget>(window.get(), "pages")->count(), 2);
        child<QComboBox>(window.get(), "skin")->setCurrentIndex(1);
        QVERIFY(shows(pixel_at(window.get(), white_texel), Qt::red));
        save_screenshot(window.get(), "viewer_red_skin");

        // The next window looks where the last model was opened from.
        window = open(QString());
        QCOMPARE(folder_suggested(window.get(), "mi_open"), folder->path());

        // What servers make of a file: none checks test.mdl; gign.mdl reaches beyond its box.
        window = open(tiny);
        QVERIFY(text_of(window, "servers").contains("No server checks a file named test.mdl."));
        auto wide = model_writer::tiny_model();
        wide.name = "gign.mdl";
        wide.body_parts[0].models[0].vertices[1].x = 60;
        window = open(write(wide));
        QVERIFY(text_of(window, "servers")
                    .contains("servers refuse it: it is 22.0 units too long for servers, which "
                              "allow 38.0 forward."));
        save_screenshot(window.get(), "viewer_refused");
    }

    void drawsTheServerBoxAndThePlayerSizeOnlyWhenAsked() {
        // The quad reaches 60 forward at a corner: 22 units too long for gign.mdl.
        auto wide = model_writer::tiny_model();
        wide.name = "gign.mdl";
        wide.body_parts[0].models[0].vertices[1].x = 60;
        auto window = open(write(wide));
        child<QCheckBox>(window.get(), "show_ground")->setChecked(false);
        const QImage plain = window->picture();
        const model::Vec3 beyond{60, 0, 8}; // the middle of the measured box's front
        QVERIFY(!reddish(pixel_at(window.get(), beyond)));
        auto* server_box = child<QCheckBox>(window.get(), "chk_server_box");
        server_box->setChecked(true);
        QVERIFY(reddish(pixel_at(window.get(), beyond)));
        QCOMPARE(QColor(pixel_at(window.get(), {38, 24, 41})),
                 colour_of(render::allowed_box_colour));
        QCOMPARE(QColor(pixel_at(window.get(), {0, -8, 0})),
                 colour_of(render::measured_box_colour));
        save_screenshot(window.get(), "viewer_server_box");
        auto* first_person = child<QCheckBox>(window.get(), "first_person");
        first_person->setChecked(true);
        const QImage from_the_eye = window->picture();
        server_box->setChecked(false);
        QVERIFY(window->picture() != from_the_eye);
        first_person->setChecked(false);
        const QString saved = folder->filePath(QStringLiteral("no box.png"));
        QVERIFY(window->save_picture(saved));
        QCOMPARE(QImage(saved).convertToFormat(QImage::Format_RGB32),
                 plain.convertToFormat(QImage::Format_RGB32));

        // A model of the hull's height in its front face: the hull's corners are the model's.
        auto player = model_writer::tiny_model();
        player.name = "sas.mdl";
        for (auto& vertex : player.body_parts[0].models[0].vertices)
            vertex = {16, vertex.y * 2, vertex.z * 4.5f - 36};
        window = open(write(player));
        child<QCheckBox>(window.get(), "chk_player_size")->setChecked(true);
        QVERIFY(text_of(window, "server_box_legend").contains("32 × 32 × 72"));
        for (const float z : {-36.0f, 36.0f})
            QCOMPARE(QColor(pixel_at(window.get(), {16, 16, z})),
                     colour_of(render::standing_hull_colour));
        QCOMPARE(QColor(pixel_at(window.get(), {16, 16, 18})),
                 colour_of(render::crouched_hull_colour));
        save_screenshot(window.get(), "viewer_player_size");
        QVERIFY(QColor(pixel_at(window.get(), {16, 15, 35})) !=
                colour_of(render::ViewOptions{}.background));
    }

    // Run again on a small screen at 200% (small_screen.json).
    void opensWithinItsScreenWhereThePanelScrolls() {
        for (const auto& shown : {QString(), write(model_writer::body_parts_model({2, 2, 2}))}) {
            auto window = open(shown);
            const QRect room = window->screen()->availableGeometry();
            QVERIFY2(room.contains(window->frameGeometry()), qPrintable(shown));
            if (shown.isEmpty())
                continue;
            const auto* panel = child<QScrollArea>(window.get(), "panel_scroll");
            QVERIFY(panel->verticalScrollBar()->maximum() + panel->viewport()->height() >=
                    panel->widget()->minimumSizeHint().height());
            QCOMPARE(panel->horizontalScrollBar()->maximum(), 0); // no text cut off at the side
            save_screenshot(window.get(),
                            QStringLiteral("viewer_on_%1x%2").arg(room.width()).arg(room.height()));
        }
    }

    void opensOnItsFirstSequencePlayingByTheClock() {
        auto* clock = new ManualClock;
        auto window = open(write(model_writer::tiny_model()), clock);
        QCOMPARE(child<QListWidget>(window.get(), "sequences")->currentRow(), 1);
        const auto still = window->picture();
        clock->advance(0.05); // half way to the quarter turn
        QVERIFY(window->picture() != still);
        clock->advance(0.1); // a quarter turn: the quad is seen from its side
        QVERIFY(!shows(pixel_at(window.get(), white_texel), Qt::white));
        save_screenshot(window.get(), "viewer_turned");

        // Paused, the clock moves the picture no more; steps go back to the first frame.
        child<QPushButton>(window.get(), "play")->click();
        const auto paused = window->picture();
        clock->advance(0.1);
        QCOMPARE(window->picture(), paused);
        child<QPushButton>(window.get(), "previous_frame")->click();
        child<QPushButton>(window.get(), "previous_frame")->click();
        QCOMPARE(window->picture(), still);
    }

    void bodyPartAndSkinChoicesChangeThePicture() {
        auto window = open(write(model_writer::body_parts_model({2})));
        QVERIFY(shows(pixel_at(window.get(), white_texel), Qt::white));
        child<QComboBox>(window.get(), "body_part_0")->setCurrentIndex(1); // 20 units along Y
        QVERIFY(shows(pixel_at(window.get(), {0, 19, 7}), Qt::white));
        child<QComboBox>(window.get(), "body_part_0")->setCurrentIndex(0);
        QVERIFY(shows(pixel_at(window.get(), white_texel), Qt::white));
    }

    void viewOptionsSurviveARestartAndThePictureIsSavedAsShown() {
        const QString path = write(model_writer::tiny_model());
        // Each option away from its default.
        const std::pair<const char*, bool> chosen[] = {{"show_wireframe", true},
                                                       {"show_ground", false},
                                                       {"chk_player_size", true},
                                                       {"chk_server_box", true}};
        auto window = open(path);
        for (const auto& [name, on] : chosen)
            child<QCheckBox>(window.get(), name)->setChecked(on);
        window->set_background(QColor(10, 20, 30));
        window.reset();

        window = open(path);
        for (const auto& [name, on] : chosen)
            QVERIFY2(child<QCheckBox>(window.get(), name)->isChecked() == on, name);
        QCOMPARE(QColor(window->picture().pixel(2, 2)), QColor(10, 20, 30));
        // No server checks test.mdl: it is held against the player box.
        QVERIFY(text_of(window, "server_box_legend")
                    .contains("Yellow: the box servers would measure."));

        child<QCheckBox>(window.get(), "show_bones")->setChecked(true);
        const QString picture = folder->filePath(QStringLiteral("picture.png"));
        QVERIFY(window->save_picture(picture));
        QCOMPARE(QImage(picture).convertToFormat(QImage::Format_RGB32),
                 window->picture().convertToFormat(QImage::Format_RGB32));
        save_screenshot(window.get(), "viewer_bones");
        child<QTabWidget>(window.get(), "pages")->setCurrentIndex(1);
        save_screenshot(window.get(), "viewer_textures");
    }

    void savesPicturesOutsideTheExtractionFolderWhereTheLastWent() {
        const QString model = write(model_writer::tiny_model());
        QVERIFY(QDir(folder->path()).mkpath(".extracted.tessary-new/inner"));
        const QString extracted = folder->filePath(".extracted.tessary-new/inner/test.mdl");
        QVERIFY(QFile::copy(model, extracted));
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        QVERIFY(QDir().mkpath(pictures));

        auto window = open(extracted);
        QCOMPARE(folder_suggested(window.get(), "mi_save_picture"), pictures);
        const QString elsewhere = folder->filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkpath(elsewhere));
        folder_suggested(window.get(), "mi_save_picture", elsewhere + "/test.png");
        QVERIFY(QFile::exists(elsewhere + "/test.png"));

        // Saved elsewhere, the next picture of any model goes there too; saved beside its model,
        // beside its own.
        window = open(model);
        QCOMPARE(folder_suggested(window.get(), "mi_save_picture", folder->filePath("test.png")),
                 elsewhere);
        QCOMPARE(folder_suggested(window.get(), "mi_save_picture"), folder->path());
        window = open(extracted);
        QCOMPARE(folder_suggested(window.get(), "mi_save_picture"), pictures);
    }

    void keepsSinkingAndAimingSequencesFramedAboveTheGround() {
        const QString path = write(sinking_and_aiming_model());
        const auto model = model::load_model(path.toStdString());
        auto window = open(path);
        auto* view = child<viewer::ModelView>(window.get(), "view");
        auto* sequences = child<QListWidget>(window.get(), "sequences");
        child<QCheckBox>(window.get(), "show_ground")->setChecked(false);
        sequences->setCurrentRow(2); // "sink"
        for (int frame = 0; frame < model->sequences()[1].frame_count; ++frame) {
            child<QSlider>(window.get(), "frame_slider")->setValue(frame);
            QVERIFY2(edges_clear(window->picture()), qPrintable(QString::number(frame)));
            QVERIFY(view->ground().centre.z <= model->draw({1, static_cast<float>(frame)}).min.z);
        }
        child<QCheckBox>(window.get(), "show_ground")->setChecked(true);
        save_screenshot(window.get(), "viewer_sinking");

        // Turned by the user, the view stays as it is for the next sequence until Home.
        auto* blend_row = child<QWidget>(window.get(), "blend_row");
        QVERIFY(!blend_row->isVisible());
        sequences->setCurrentRow(3); // "aim"
        const QImage framed = window->picture();
        const model::Vec3 target = view->camera().target();
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Plus);
        QVERIFY(window->picture() != framed);
        sequences->setCurrentRow(2);
        QCOMPARE(view->camera().target().z, target.z);
        sequences->setCurrentRow(3);
        QTest::keyClick(view, Qt::Key_Home);
        QCOMPARE(window->picture(), framed);

        QVERIFY(blend_row->isVisible());
        auto* blend = child<QSlider>(window.get(), "blend_slider");
        QCOMPARE(blend->value(), (blend->minimum() + blend->maximum()) / 2);
        blend->setValue(blend->maximum());
        QVERIFY(window->picture() != framed);
        save_screenshot(window.get(), "viewer_aiming");
    }

    void seesAWeaponFromTheEye() {
        auto weapon = model_writer::tiny_model();
        weapon.name = "V_tiny.mdl";
        // The quad 16 units ahead of the eye, facing it, from 10 units below the eye up.
        auto& quad = weapon.body_parts[0].models[0];
        for (auto& vertex : quad.vertices)
            vertex = {16, -vertex.y, vertex.z - 10};
        quad.normals = {{-1, 0, 0}};
        const QString path = write(weapon);
        auto window = open(path);
        auto* first_person = child<QCheckBox>(window.get(), "first_person");
        QVERIFY(first_person->isChecked() &&
                !child<QCheckBox>(window.get(), "show_ground")->isEnabled());
        QVERIFY(shows(pixel_at(window.get(), {16, 1, -3}), Qt::white));
        const QImage eye = window->picture();
        QTest::keyClick(child<viewer::ModelView>(window.get(), "view"), Qt::Key_Left);
        QCOMPARE(window->picture(), eye);
        save_screenshot(window.get(), "viewer_first_person");

        first_person->setChecked(false);
        QVERIFY(window->picture() != eye);
        window = open(path);
        QVERIFY(!child<QCheckBox>(window.get(), "first_person")->isChecked());
    }

    void showsTexturesAndSavesThemWithTheirIndicesAndPalette() {
        auto description = model_writer::tiny_model();
        description.texture_file = true;
        auto& texture = description.textures[0];
        // Rows of 5 indices, which a BMP pads; drawn as chrome and additive.
        const std::vector<std::uint8_t> indices{1, 255, 0, 1, 1, 0,   255, 255,
                                                1, 0,   1, 0, 0, 255, 1};
        texture = {"odd.bmp", 0x22, 5, 3, indices, texture.palette};
        auto window = open(write(description));
        const QTreeWidgetItem* row =
            child<QTreeWidget>(window.get(), "texture_list")->topLevelItem(0);
        QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}),
                 QStringList({"odd.bmp", "5 × 3", "chrome, additive"}));
        for (const char* name : {"odd.bmp", "odd.png"}) {
            const QString path = folder->filePath(QLatin1String(name));
            QVERIFY(
                child<viewer::TextureBrowser>(window.get(), "texture_browser")->save_texture(path));
            const QImage saved(path);
            QCOMPARE(saved.format(), QImage::Format_Indexed8);
            for (int i = 0; i < 15; ++i)
                QCOMPARE(saved.pixelIndex(i % 5, i / 5), texture.pixels[i]);
            for (int i = 0; i < 256; ++i)
                QCOMPARE(saved.color(i), qRgb(texture.palette[i * 3], texture.palette[i * 3 + 1],
                                              texture.palette[i * 3 + 2]));
        }

        window = open(folder->filePath("testT.mdl"));
        QCOMPARE(text_of(window, "texture_note"),
                 QStringLiteral("testT.mdl holds the textures of the model test.mdl."));
        QCOMPARE(child<QTabWidget>(window.get(), "pages")->count(), 1);
        QCOMPARE(child<QTreeWidget>(window.get(), "texture_list")->topLevelItemCount(), 1);
    }
};

QTEST_MAIN(ViewerWindowTest)
#include "viewer_window_test.moc"
