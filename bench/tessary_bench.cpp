// Times Tessary's operations against the plain tools doing the same work in the same run, in a
// fresh temporary folder with a sample game of its own whose Wine prefix has a registry of a
// well-used size, and prints one table of medians. Each file operation is weighed against one cp
// process a target folder, copying the same files to the same places; start-up against an empty
// Qt window with a menu bar, built and started the same way.
//
//   tessary_bench                                            the whole table
//   tessary_bench --start-up <program folder> <settings>     Tessary started to its main window
//   tessary_bench --empty-window                             an empty window with a menu bar

#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "archive/archive_file.h"
#include "archive_writer.h"
#include "core/changes/backup_sets.h"
#include "core/changes/model_import.h"
#include "core/changes/model_install.h"
#include "core/checks/companions.h"
#include "core/game/game_directory.h"
#include "core/library/library_tree.h"
#include "core/library/name_lists.h"
#include "gui/application.h"
#include "gui/settings_store.h"
#include "large_model.h"
#include "model/server_check.h"
#include "model_writer.h"
#include "platform/file_system.h"
#include "platform/memory.h"
#include "platform/program_folder.h"
#include "quiet_size_hints.h"
#include "ui/check_window.h"
#include "ui/message_box.h"
#include "ui/model_tip.h"
#include "ui/player_install_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QTableView>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int timed_runs = 7; // after one warm-up run
constexpr char set_name[] = "bench";

// Whatever goes wrong fails the whole run; the table is printed all the same.
std::vector<std::string> failures;

void check(bool condition, const std::string& what) {
    if (!condition) {
        std::fprintf(stderr, "failure: %s\n", what.c_str());
        failures.push_back(what);
    }
}

double milliseconds_of(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const auto n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Starts a program directly (posix_spawnp, no shell unless the command is one), its output
// thrown away, and waits for it. Gives its peak resident size in KB.
long spawn_and_wait(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const auto& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    const bool ended = error == 0 && wait4(pid, &status, 0, &usage) == pid;
    check(ended && WIFEXITED(status) && WEXITSTATUS(status) == 0, command.front() + " failed");
    return usage.ru_maxrss;
}

// The plain way to copy files into folders and have them on the disk: one cp process a target
// folder, each given all the files that go there, started one after the other, then one sync of
// the copies and their folders, as Tessary flushes what it puts in place.
using CopyCommands = std::vector<std::vector<std::string>>;

void copy_plainly(const CopyCommands& commands) {
    std::vector<std::string> flush{"sync"};
    for (const auto& command : commands) {
        spawn_and_wait(command);
        const auto& folder = command.back();
        for (std::size_t i = 1; i + 1 < command.size(); ++i)
            flush.push_back(folder + fs::path(command[i]).filename().string());
        flush.push_back(folder);
    }
    spawn_and_wait(flush);
}

void add_copy(CopyCommands& commands, const fs::path& source, const fs::path& folder) {
    const auto target = folder.string() + "/";
    if (commands.empty() || commands.back().back() != target)
        commands.push_back({"cp", target});
    commands.back().insert(commands.back().end() - 1, source.string());
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

struct Medians {
    double tessary = 0;
    double plain = 0;
};

// Both sides run alternately, each from the state that prepare puts back outside the timing;
// Tessary runs last, so that what it made is there for the rows after.
Medians compare(const std::function<void()>& prepare, const std::function<void()>& tessary,
                const std::function<void()>& plain) {
    std::vector<double> tessary_ms, plain_ms;
    for (int run = 0; run <= timed_runs; ++run) {
        prepare();
        const double p = milliseconds_of(plain);
        prepare();
        const double t = milliseconds_of(tessary);
        if (run > 0) {
            tessary_ms.push_back(t);
            plain_ms.push_back(p);
        }
    }
    return {median(tessary_ms), median(plain_ms)};
}

struct Row {
    std::string operation;
    double tessary_ms;
    std::optional<double> plain_ms;
    std::string measure; // the ratio, or what else the row shows
    std::string goal;
    bool met;
};
std::vector<Row> table;

void ratio_row(const std::string& operation, const Medians& m, double goal, const char* tool) {
    const double ratio = m.tessary / m.plain;
    table.push_back({operation, m.tessary, m.plain, format("%.2fx", ratio),
                     format("<= %gx ", goal) + tool, ratio <= goal});
}

void print_table() {
    std::printf("%-38s %10s %10s %-16s %-20s %s\n", "operation", "Tessary ms", "plain ms", "ratio",
                "goal", "result");
    for (const auto& row : table) {
        const auto plain = row.plain_ms ? format("%.2f", *row.plain_ms) : "-";
        std::printf("%-38s %10.2f %10s %-16s %-20s %s\n", row.operation.c_str(), row.tessary_ms,
                    plain.c_str(), row.measure.c_str(), row.goal.c_str(),
                    row.goal.empty() ? "-"
                    : row.met        ? "met"
                                     : "NOT met");
    }
}

// The bench's world in a fresh temporary folder: the sample game in its own Wine prefix, and a
// program folder holding the delivered name lists.
struct World {
    fs::path root;
    fs::path game_models; // the sample game's cstrike/models
    fs::path imports;     // the sample's models to import
    fs::path program;
    fs::path plain; // where the plain tools copy to

    // The library in the program folder, with the bench's own settings store.
    core::Library library() const {
        static gui::SettingsStore settings;
        return {platform::Path(program.string()), settings};
    }
};

void copy_name_lists(const fs::path& program) {
    fs::create_directories(program);
    for (const char* list : {"weapon.txt", "player.txt"})
        fs::copy_file(fs::path(TESSARY_SOURCE_DIR) / "data" / list, program / list);
}

// A system.reg as a long-used 64-bit prefix has one: class registrations with their servers,
// numbers and binary values that Wine wraps over lines, and the game's key near the end.
void write_large_registry(const fs::path& file, std::size_t size) {
    std::mt19937 random(1729);
    const auto hex = [&](int digits) {
        std::string text;
        for (int i = 0; i < digits; ++i)
            text += "0123456789abcdef"[random() % 16];
        return text;
    };
    const std::string stamp = " 1796490955\n#time=1dd84cbbd4fa780\n";
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n"
                       "#arch=win64\n";
    for (int n = 0; text.size() < size - 1000; ++n) {
        const auto clsid =
            "{" + hex(8) + "-" + hex(4) + "-" + hex(4) + "-" + hex(4) + "-" + hex(12) + "}";
        const auto key = "\n[Software\\\\Classes\\\\CLSID\\\\" + clsid;
        text += key + "]" + stamp + "@=\"Component " + std::to_string(n) + " Class\"\n";
        text += key + "\\\\InprocServer32]" + stamp + "@=\"C:\\\\windows\\\\system32\\\\comp" +
                std::to_string(n % 700) + ".dll\"\n\"ThreadingModel\"=\"Both\"\n";
        if (n % 4 == 0) {
            text += "\n[Software\\\\Microsoft\\\\Cryptography\\\\Defaults\\\\" + clsid + "]" +
                    stamp + "\"Type\"=dword:" + hex(8) + "\n\"Signature\"=hex:";
            for (int line = 0; line < 3; ++line) {
                for (int byte = 0; byte < 24; ++byte)
                    text += hex(2) + ",";
                text += "\\\n  ";
            }
            text += hex(2) + "\n";
        }
    }
    text += "\n[Software\\\\Wow6432Node\\\\Sierra OnLine\\\\Setup\\\\CSTRIKE]" + stamp +
            "\"Directory\"=\"C:\\\\Games\\\\Sample Game\"\n";
    text += "\n[Software\\\\Wow6432Node\\\\Wine\\\\Ports]" + stamp + "\"COM1\"=\"\"\n";
    std::ofstream(file, std::ios::binary) << text;
}

World make_world() {
    std::string root = (fs::temp_directory_path() / "tessary-bench-XXXXXX").string();
    if (!mkdtemp(root.data())) {
        std::perror("tessary_bench: no temporary folder");
        std::exit(1);
    }
    World world{root, {}, {}, fs::path(root) / "program", fs::path(root) / "plain"};
    spawn_and_wait({TESSARY_SOURCE_DIR "/scripts/make-sample-game", root + "/sample"});
    const fs::path prefix = world.root / "sample/prefix";
    write_large_registry(prefix / "system.reg", 5 << 20);
    world.game_models = prefix / "drive_c/Games/Sample Game/cstrike/models";
    world.imports = world.root / "sample/models-to-import";
    copy_name_lists(world.program);

    // Nothing of the user's own is read or written: not their home, settings or Wine prefix.
    for (const char* folder : {"home", "settings", "runtime"})
        fs::create_directory(world.root / folder);
    fs::permissions(world.root / "runtime", fs::perms::owner_all);
    setenv("HOME", (world.root / "home").c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        setenv(name, (world.root / "home").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (world.root / "runtime").c_str(), 1);
    setenv("WINEPREFIX", prefix.c_str(), 1);
    gui::SettingsStore::move_to((world.root / "settings").string());
    check(core::create_library_tree(world.library()).ok(), "the library tree was not made");
    return world;
}

std::size_t files_under(const fs::path& folder) {
    return std::count_if(fs::recursive_directory_iterator(folder), {},
                         [](const fs::directory_entry& entry) { return entry.is_regular_file(); });
}

// Each weapon with the names of its files that the sample game holds.
std::vector<std::pair<std::string, std::vector<std::string>>> game_weapon_files(const World& w) {
    std::vector<std::pair<std::string, std::vector<std::string>>> weapons;
    for (const auto& weapon : *core::complete_name_list(w.library(), core::ModelKind::weapon)) {
        std::vector<std::string> files;
        for (const auto& file : {"v_" + weapon + ".mdl", "v_" + weapon + "_r.mdl",
                                 "w_" + weapon + ".mdl", "p_" + weapon + ".mdl"}) {
            if (fs::exists(w.game_models / file))
                files.push_back(file);
        }
        weapons.emplace_back(weapon, std::move(files));
    }
    return weapons;
}

fs::path game_player_file(const World& w, const std::string& type) {
    if (type == "hostage" || type == "scientist")
        return w.game_models / (type + ".mdl");
    return w.game_models / "player" / type / (type + ".mdl");
}

// The plain side makes the 27 set folders with one mkdir and fills each with one cp.
void weapon_backup_row(const World& w) {
    const auto weapons = game_weapon_files(w);
    std::vector<std::string> make_folders{"mkdir"};
    CopyCommands copies;
    for (const auto& [weapon, files] : weapons) {
        const auto folder = w.plain / "weapon" / weapon / set_name;
        make_folders.push_back(folder.string());
        for (const auto& file : files)
            add_copy(copies, w.game_models / file, folder);
    }
    const auto prepare = [&] {
        for (const auto& [weapon, files] : weapons) {
            fs::remove_all(w.program / "models/weapon" / weapon / set_name);
            fs::remove_all(w.plain / "weapon" / weapon / set_name);
            fs::create_directories(w.plain / "weapon" / weapon);
        }
        fs::remove(w.program / "wbackup.txt");
        sync();
    };
    bool completed = false;
    const auto backup = [&] {
        completed = core::create_backup_set(w.library(), {core::ModelKind::weapon, set_name}).ok();
    };
    const auto plain = [&] {
        spawn_and_wait(make_folders);
        copy_plainly(copies);
    };
    const auto m = compare(prepare, backup, plain);
    std::size_t game_files = 0;
    for (const auto& [weapon, files] : weapons)
        game_files += files.size();
    const auto copied = files_under(w.program / "models/weapon");
    check(completed && copied == game_files, "the weapon backup copied too few files");
    ratio_row("weapon backup (" + std::to_string(copied) + " files)", m, 1.2, "mkdir, cp, sync");
}

// Needs the weapon set that the backup row leaves behind.
void restore_rows(const World& w) {
    CopyCommands copies;
    for (const auto& [weapon, files] : game_weapon_files(w)) {
        for (const auto& file : files)
            add_copy(copies, w.program / "models/weapon" / weapon / set_name / file, w.game_models);
    }
    const auto restore = [&] {
        check(core::restore_backup_set(w.library(), {core::ModelKind::weapon, set_name}).ok(),
              "weapon restore");
    };
    ratio_row("weapon restore", compare(sync, restore, [&] { copy_plainly(copies); }), 1.2,
              "cp, sync");

    check(core::create_backup_set(w.library(), {core::ModelKind::player, set_name}).ok(),
          "player backup");
    copies.clear();
    const auto types = core::set_names(w.library(), core::ModelKind::player);
    for (const auto& type : *types) {
        const auto set_file = w.program / "models/player" / type / set_name / (type + ".mdl");
        add_copy(copies, set_file, game_player_file(w, type).parent_path());
    }
    const auto restore_players = [&] {
        check(core::restore_backup_set(w.library(), {core::ModelKind::player, set_name}).ok(),
              "player restore");
    };
    ratio_row("player restore (11 files)",
              compare(sync, restore_players, [&] { copy_plainly(copies); }), 1.2, "cp, sync");
}

// The install needs the player set that the restore rows leave behind.
void single_file_rows(const World& w) {
    const auto set_file = w.program / "models/player/gign" / set_name / "gign.mdl";
    CopyCommands copy_over;
    add_copy(copy_over, set_file, game_player_file(w, "gign").parent_path());
    const auto install = [&] {
        check(core::install_model(w.library(), {core::ModelKind::player, "gign", set_name},
                                  {"gign.mdl"})
                  .ok(),
              "player install");
    };
    ratio_row("player install (1 file)", compare(sync, install, [&] { copy_plainly(copy_over); }),
              1.2, "cp, sync");

    const fs::path imported = w.program / "models/player/gign/imported";
    CopyCommands copy_in;
    add_copy(copy_in, w.imports / "gign.mdl", w.plain);
    const auto prepare = [&] {
        fs::remove_all(imported);
        fs::remove(w.plain / "gign.mdl");
        sync();
    };
    const auto source = core::SourceFolder::at(platform::Path(w.imports.string()));
    const auto import = [&] {
        const auto imported =
            core::import_player_model(w.library(), {*source, "gign.mdl", "imported"});
        check(imported && imported->confirmed, "player import");
    };
    ratio_row("player import (1 file)", compare(prepare, import, [&] { copy_plainly(copy_in); }),
              1.2, "cp, sync");
}

// What an import adds for a model file that is a model: its header read for the companions it
// names, each looked for beside it; here a 2 MB model with a texture file.
void header_check_row(const World& w) {
    auto description = large_model();
    description.texture_file = true;
    auto files = model_writer::write_model(description);
    files.main.resize(2 << 20);
    const fs::path folder = w.root / "large model";
    fs::create_directories(folder);
    std::ofstream(folder / "gign.mdl", std::ios::binary)
        .write(reinterpret_cast<const char*>(files.main.data()),
               static_cast<std::streamsize>(files.main.size()));
    std::ofstream(folder / "gignT.mdl", std::ios::binary)
        .write(reinterpret_cast<const char*>(files.textures.data()),
               static_cast<std::streamsize>(files.textures.size()));
    const platform::Path model_folder(folder.string());
    std::vector<double> ms;
    for (int run = 0; run <= timed_runs; ++run) {
        std::size_t found = 0;
        ms.push_back(milliseconds_of([&] {
            for (const auto& companion : core::companions_of(model_folder / "gign.mdl", "gign.mdl"))
                found += platform::is_ordinary_file(model_folder / companion.file);
        }));
        check(found == 1, "the header check found no texture file");
    }
    ms.erase(ms.begin());
    const double check_ms = median(ms);
    table.push_back(
        {"header check of a 2 MB model", check_ms, std::nullopt, "-", "<= 1 ms", check_ms <= 1});
}

// What servers check of a player model, measured as the game does, of ten models of a player's
// size each read from disk, against one cat of the same files.
void consistency_box_row(const World& w) {
    const fs::path folder = w.root / "measured models";
    fs::create_directories(folder);
    std::vector<std::string> cat{"cat"};
    std::uintmax_t bytes = 0;
    for (int variant = 0; variant < 10; ++variant) {
        const auto file = model_writer::write_model(player_sized_model(variant)).main;
        cat.push_back((folder / ("model " + std::to_string(variant) + ".mdl")).string());
        std::ofstream(cat.back(), std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()),
                   static_cast<std::streamsize>(file.size()));
        bytes += file.size();
    }
    std::size_t measured = 0;
    const auto measure = [&] {
        measured = 0;
        for (auto file = cat.begin() + 1; file != cat.end(); ++file) {
            const auto content = platform::read_file(platform::Path(*file), 64 << 20);
            measured += content && model::measure_consistency_box(std::span(
                                       reinterpret_cast<const std::uint8_t*>(content->data()),
                                       content->size()));
        }
    };
    const auto m = compare([] {}, measure, [&] { spawn_and_wait(cat); });
    check(measured == 10, "the consistency box was not measured of every model");
    ratio_row(format("box of 10 models, %.1f MB, measured", static_cast<double>(bytes) / 1e6), m, 2,
              "cat");
}

// How the copies of a model variant lie on disk: each a file of its own, as a library's models
// are; or all links to one file, where only the window's answer to many files is timed, not their
// reading: 2,000 files of their own would be 6 GB. A cat of links reads the same ten files' pages
// over and over, which stay in the processor's cache, and takes half the time of as many files of
// their own.
enum class Copies { own_files, links };

// Player models of real size, some 3 MB each, in the library: count of them, as ten variants,
// each under a type of its own; gives the files.
std::vector<std::string> write_checked_models(const World& w, int count, Copies copies) {
    const auto types = core::set_names(w.library(), core::ModelKind::player);
    std::vector<std::string> files;
    for (int variant = 0; variant < 10; ++variant) {
        const auto bytes = model_writer::write_model(player_sized_model(variant)).main;
        std::string first;
        for (int copy = variant; copy < count; copy += 10) {
            const auto& type = (*types)[static_cast<std::size_t>(copy) % types->size()];
            const auto folder =
                w.program / "models/player" / type / ("checked " + std::to_string(copy));
            fs::create_directories(folder);
            files.push_back((folder / (type + ".mdl")).string());
            if (copies == Copies::links && !first.empty()) {
                fs::create_hard_link(first, files.back());
                continue;
            }
            first = files.back();
            std::ofstream(first, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        }
    }
    return files;
}

void remove_checked_models(const std::vector<std::string>& files) {
    for (const auto& file : files)
        fs::remove_all(fs::path(file).parent_path());
}

// Opens the Check window and waits until every row and picture is filled in; gives the number
// of rows and the longest the window's event loop stood still meanwhile, in milliseconds.
std::pair<std::size_t, double> fill_check_window(const core::Library& library) {
    auto* window = new ui::CheckWindow(library); // deletes itself when closed
    window->show();
    const auto* status = window->findChild<QLabel*>(QStringLiteral("lbl_confirm"));
    double longest = 0;
    auto last = std::chrono::steady_clock::now();
    while (!status->text().endsWith(QLatin1String(" files checked."))) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const auto now = std::chrono::steady_clock::now();
        longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
        last = now;
    }
    const auto rows = static_cast<std::size_t>(
        window->findChild<QTableView*>(QStringLiteral("tbl_check"))->model()->rowCount());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {rows, longest};
}

// The Check window over a library of 200 player models of real size and the sample game's
// files: from its opening until every row and picture is filled in, against one cat of the
// library's files. Then over 2,000 of them: how soon it shows its rows, and the longest it stands
// still while it fills them in.
void check_window_row(const World& w) {
    constexpr int model_count = 200;
    const auto library = w.library();
    const auto files = write_checked_models(w, model_count, Copies::own_files);
    std::vector<std::string> cat{"cat"};
    cat.insert(cat.end(), files.begin(), files.end());
    std::size_t rows = 0;
    const auto m = compare([] {}, [&] { rows = fill_check_window(library).first; },
                           [&] { spawn_and_wait(cat); });
    check(rows > model_count, "the Check window left out files");
    ratio_row("Check window, 200 models of 3 MB", m, 1.5, "cat");
    remove_checked_models(files);

    const auto many = write_checked_models(w, 2000, Copies::links);
    double opened = 0, stood_still = 0;
    const double filled = milliseconds_of([&] {
        opened = milliseconds_of([&] { delete new ui::CheckWindow(library); });
        stood_still = fill_check_window(library).second;
    });
    table.push_back({"Check window, 2,000 models: rows shown", opened, std::nullopt, "-",
                     "<= 200 ms", opened <= 200});
    table.push_back({"  longest pause while filling in", stood_still, std::nullopt,
                     format("%.0f ms in all", filled), "<= 100 ms", stood_still <= 100});
    remove_checked_models(many);
}

// The tip of a 3 MB model in an install list: its picture and what servers make of it.
void model_tip_row(const World& w) {
    const auto library = w.library();
    const auto files = write_checked_models(w, 1, Copies::own_files);
    const core::LibraryModel model{core::ModelKind::player, fs::path(files[0]).stem().string(),
                                   "checked 0"};
    std::vector<double> ms;
    for (int run = 0; run <= timed_runs; ++run)
        ms.push_back(milliseconds_of(
            [&] { check(!ui::model_tip(library, model, 1.5).isEmpty(), "no tip"); }));
    const double tip_ms = median(ms);
    table.push_back({"tip of a 3 MB model in an install list", tip_ms, std::nullopt, "-",
                     "<= 50 ms", tip_ms <= 50});
    remove_checked_models(files);
}

// The install window's model list, refilled when the player type is picked, as a user does.
void model_list_row(const World& w) {
    constexpr int model_count = 20000;
    const fs::path folder = w.program / "models/player/gign";
    const auto present = std::distance(fs::directory_iterator(folder), {});
    for (int n = 0; n < model_count - present; ++n)
        check(mkdir((folder / ("model " + std::to_string(n))).c_str(), 0777) == 0, "mkdir");

    const auto library = w.library();
    auto* window = new ui::PlayerInstallWindow(library); // deletes itself when closed
    window->show();
    auto* types = window->findChild<QComboBox*>(QStringLiteral("cmb_model_type"));
    auto* models = window->findChild<QListWidget*>(QStringLiteral("lst_models"));
    const auto pick = [types](const char* type) {
        const int index = types->findText(QString::fromLatin1(type));
        types->setCurrentIndex(index);
        emit types->activated(index);
    };
    // An empty list to start from; the timing takes in the events the refill leaves behind.
    const auto prepare = [&] {
        pick("sas");
        QCoreApplication::processEvents();
    };
    const auto refill = [&] {
        pick("gign");
        QCoreApplication::processEvents();
    };
    const auto m = compare(prepare, refill, [&] { spawn_and_wait({"ls", "-U", folder.string()}); });
    check(models->count() == model_count, "the model list is incomplete");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ratio_row("model list of 20,000 folders", m, 2, "ls -U");
}

// Whole processes, spawn to exit: a first start makes the library tree, a later one finds it;
// the anchor is an empty window with a menu bar, started the same way in the same runs.
void start_up_rows(const World& w) {
    const fs::path program = w.root / "start-up/program";
    const fs::path settings = w.root / "start-up/settings";
    copy_name_lists(program);
    const auto self = fs::read_symlink("/proc/self/exe").string();
    const std::vector<std::string> tessary{self, "--start-up", program.string(), settings.string()};
    const std::vector<std::string> empty_window{self, "--empty-window"};
    // A started process's own peak, as it reports it: the kernel's count for it would include
    // this process's memory, which it carried until its exec.
    const auto peak_file = w.root / "peak";
    setenv("TESSARY_BENCH_PEAK", peak_file.c_str(), 1);
    std::vector<double> first_ms, later_ms, empty_ms;
    std::vector<long> first_kb, later_kb, empty_kb;
    const auto run = [&peak_file](const std::vector<std::string>& command, std::vector<double>& ms,
                                  std::vector<long>& kb) {
        ms.push_back(milliseconds_of([&] { spawn_and_wait(command); }));
        std::ifstream peak(peak_file);
        long reported = 0;
        peak >> reported;
        kb.push_back(reported);
    };
    // Start-ups vary more than copies do: they are timed three times as often.
    for (int round = 0; round <= 3 * timed_runs; ++round) {
        fs::remove_all(program / "models");
        fs::remove_all(settings);
        sync();
        run(tessary, first_ms, first_kb);
        run(tessary, later_ms, later_kb);
        run(empty_window, empty_ms, empty_kb);
    }
    check(fs::exists(program / "models/weapon/ak47"), "no library tree after the first start");
    for (auto* warm_up : {&first_ms, &later_ms, &empty_ms})
        warm_up->erase(warm_up->begin());
    for (auto* warm_up : {&first_kb, &later_kb, &empty_kb})
        warm_up->erase(warm_up->begin());

    const auto peak = [](const std::vector<long>& kb) {
        return static_cast<double>(median(kb)) / 1024;
    };
    table.push_back({"first start-up (library tree made)", median(first_ms), median(empty_ms),
                     format("%.2fx", median(first_ms) / median(empty_ms)), "", true});
    ratio_row("later start-up", {median(later_ms), median(empty_ms)}, 1.2, "empty window");
    const double memory = peak(later_kb) / peak(empty_kb);
    table.push_back({format("later start-up peak memory, %.1f MB", peak(later_kb)), peak(later_kb),
                     peak(empty_kb), format("%.2fx", memory), "<= 1.3x empty window",
                     memory <= 1.3});
}

// A lookup in the world's 5 MB registry: read afresh after the file changed, and again while it
// stays as it was, as an operation looks it up once for every file it copies.
void game_directory_rows(const World& w) {
    const auto registry = w.root / "sample/prefix/system.reg";
    std::vector<double> changed_ms, unchanged_ms;
    for (int run = 0; run <= timed_runs; ++run) {
        fs::last_write_time(registry, fs::file_time_type::clock::now());
        std::string directory;
        changed_ms.push_back(milliseconds_of([&] { directory = core::game_directory()->text(); }));
        unchanged_ms.push_back(milliseconds_of([] { (void)core::game_directory(); }));
        check(directory == "C:\\Games\\Sample Game", "wrong game directory: " + directory);
    }
    changed_ms.erase(changed_ms.begin());
    unchanged_ms.erase(unchanged_ms.begin());
    const double changed = median(changed_ms), unchanged = median(unchanged_ms);
    table.push_back({"game directory, 5 MB system.reg changed", changed, std::nullopt, "-",
                     "<= 20 ms", changed <= 20});
    table.push_back({"game directory, system.reg unchanged", unchanged, std::nullopt, "-",
                     "<= 0.1 ms", unchanged <= 0.1});
}

// A home with three Steam installs listing eight libraries between them, the game in the last,
// and no registry entry: every lookup searches them all.
void steam_lookup_row(const World& w) {
    const fs::path home = w.root / "steam-home";
    const fs::path roots[] = {home / ".local/share/Steam", home / ".steam/debian-installation",
                              home / "snap/steam/common/.local/share/Steam"};
    fs::create_directories(home / ".steam");
    fs::create_directory_symlink(roots[0], home / ".steam/steam");
    int library = 0;
    fs::path game;
    for (const auto& root : roots) {
        std::string list = "\"libraryfolders\"\n{\n";
        for (int n = 0; n < 3 && library < 8; ++n, ++library) {
            const auto folder =
                n == 0 ? root : w.root / ("Steam Library " + std::to_string(library));
            fs::create_directories(folder / "steamapps/common");
            list += "\t\"" + std::to_string(n) + "\"\n\t{\n\t\t\"path\"\t\t\"" + folder.string() +
                    "\"\n\t\t\"apps\"\n\t\t{\n\t\t}\n\t}\n";
            game = folder / "steamapps/common/Half-Life";
        }
        fs::create_directories(root / "config");
        std::ofstream(root / "config/libraryfolders.vdf") << list << "}\n";
    }
    fs::create_directories(game / "cstrike");
    std::ofstream(game.parent_path().parent_path() / "appmanifest_10.acf")
        << "\"AppState\"\n{\n\t\"appid\"\t\t\"10\"\n\t\"StateFlags\"\t\t\"4\"\n"
           "\t\"installdir\"\t\t\"Half-Life\"\n\t\"LastUpdated\"\t\t\"1701388800\"\n}\n";

    const std::string saved_home = std::getenv("HOME"), saved_prefix = std::getenv("WINEPREFIX");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
    setenv("WINEPREFIX", (w.root / "no-prefix").c_str(), 1);
    std::vector<double> ms;
    for (int run = 0; run <= timed_runs; ++run) {
        std::string directory;
        ms.push_back(milliseconds_of([&] {
            const auto found = core::game_directory();
            directory = found ? found->text() : platform::english(found.messages().front());
        }));
        check(fs::equivalent(directory, game), "the Steam lookup found " + directory);
    }
    ms.erase(ms.begin());
    setenv("HOME", saved_home.c_str(), 1);
    setenv("XDG_DATA_HOME", saved_home.c_str(), 1);
    setenv("WINEPREFIX", saved_prefix.c_str(), 1);
    const double lookup = median(ms);
    table.push_back({"game directory from Steam (3 roots, 8 libraries)", lookup, std::nullopt, "-",
                     "<= 5 ms", lookup <= 5});
}

// A large pack of models with its sounds and sprites, 10,000 files in 100 folders: Tessary lists
// it against bsdtar -tf listing the same zip.
void archive_listing_row(const World& w) {
    constexpr int file_count = 10000;
    std::vector<ArchiveItem> items;
    for (int n = 0; n < file_count; ++n)
        items.push_back({ArchiveItem::Kind::file,
                         "pack/folder " + std::to_string(n / 100) + "/file " + std::to_string(n),
                         std::string(200, static_cast<char>(n))});
    const auto zip = w.root / "pack.zip";
    std::ofstream(zip, std::ios::binary) << archive_of("zip", items);
    std::size_t listed = 0;
    const auto list = [&] { listed = archive::list(platform::Path(zip.string()))->files().size(); };
    const auto m = compare([] {}, list, [&] { spawn_and_wait({"bsdtar", "-tf", zip.string()}); });
    check(listed == file_count, "the archive listing is incomplete");
    table.push_back({"zip of 10,000 files listed", m.tessary, m.plain,
                     format("%.2fx bsdtar -tf", m.tessary / m.plain), "<= 200 ms",
                     m.tessary <= 200});
}

// The child of the start-up rows: Tessary as its executable starts, until the main window is on
// the screen and painted.
// Writes the process's peak resident memory, in KB, where the bench asked for it.
void report_peak() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:"))
            std::ofstream(std::getenv("TESSARY_BENCH_PEAK")) << std::stol(line.substr(6));
    }
}

bool shown_and_painted(QWidget& window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window.windowHandle()->isExposed();
}

int start_up(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(gui::app_title));
    QApplication::setWindowIcon(app::app_icon());
    gui::SettingsStore::move_to(argv[3]);
    std::vector<std::string> messages;
    ui::message_box::record_instead(&messages);
    const auto window = app::start_tessary(platform::Path(argv[2]));
    for (const auto& message : messages)
        std::fprintf(stderr, "Tessary showed: %s\n", message.c_str());
    const bool shown = shown_and_painted(*window);
    report_peak();
    return shown && messages.empty() ? 0 : 1;
}

// The anchor of the start-up rows: the least a Qt Widgets program with a menu bar does.
int empty_window(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    for (const char* menu : {"&File", "&Model", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    window.setCentralWidget(new QWidget);
    window.show();
    const bool shown = shown_and_painted(window);
    report_peak();
    return shown ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quiet_size_hints);
    if (argc == 4 && std::string(argv[1]) == "--start-up")
        return start_up(argc, argv);
    if (argc == 2 && std::string(argv[1]) == "--empty-window")
        return empty_window(argc, argv);

    const World world = make_world();
    QApplication application(argc, argv);
    platform::keep_large_blocks_for_reuse(); // as Tessary does as it starts
    // Named on the command line, only those rows are timed.
    const std::pair<const char*, void (*)(const World&)> rows[] = {
        {"backup", weapon_backup_row}, {"restore", restore_rows},
        {"files", single_file_rows},   {"header", header_check_row},
        {"box", consistency_box_row},  {"check", check_window_row},
        {"tip", model_tip_row},        {"list", model_list_row},
        {"start", start_up_rows},      {"game", game_directory_rows},
        {"steam", steam_lookup_row},   {"archive", archive_listing_row}};
    const std::vector<std::string> wanted(argv + 1, argv + argc);
    for (const auto& [name, row] : rows) {
        if (wanted.empty() || std::ranges::find(wanted, name) != wanted.end())
            row(world);
    }
    print_table();

    fs::remove_all(world.root);
    if (!failures.empty()) {
        std::fprintf(stderr, "%zu failures: the timings above do not count\n", failures.size());
        return 1;
    }
    return 0;
}
