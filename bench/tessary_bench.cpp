// Times Tessary's operations against plain tools doing the same file work in the same run, in a
// fresh temporary folder with a sample game of its own, and prints one table of medians.
//
//   tessary_bench                                            the whole table
//   tessary_bench --start-up <program folder> <settings>     Tessary started to its main window

#include "app/app_icon.h"
#include "app/message_box.h"
#include "app/mi_main.h"
#include "app/startup.h"
#include "library/application.h"
#include "library/backup_sets.h"
#include "library/game_directory.h"
#include "library/library_tree.h"
#include "library/model_import.h"
#include "library/model_install.h"
#include "library/name_lists.h"
#include "library/restore_sets.h"
#include "model/studio_model.h"
#include "model_writer.h"
#include "platform/message.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "windows/install_player.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
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

void sh(const std::string& script) {
    spawn_and_wait({"sh", "-c", script});
}

// The text as one word of a shell command, with the blank before it.
std::string word(const std::string& text) {
    std::string result = " '";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
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
};

void copy_name_lists(const fs::path& program) {
    fs::create_directories(program);
    for (const char* list : {"weapon.txt", "player.txt"})
        fs::copy_file(fs::path(TESSARY_SOURCE_DIR) / "data" / list, program / list);
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
    platform::set_program_folder(world.program.string());
    platform::set_settings_folder((world.root / "settings").string());
    platform::install_message_function(
        [](const std::string& text) { check(false, "Tessary showed: " + text); });
    library::create_library_tree();
    return world;
}

std::size_t files_under(const fs::path& folder) {
    return std::count_if(fs::recursive_directory_iterator(folder), {},
                         [](const fs::directory_entry& entry) { return entry.is_regular_file(); });
}

// Each weapon with the names of its files that the sample game holds.
std::vector<std::pair<std::string, std::vector<std::string>>> game_weapon_files(const World& w) {
    std::vector<std::pair<std::string, std::vector<std::string>>> weapons;
    (void)library::load_weapon_names(library::weapon_names);
    for (const auto& weapon : library::weapon_names) {
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

// The plain side of every multi-file row is one `sh -c` script of cp commands, so that it pays for
// one shell and one cp process per copy command, as a person's script would.
void weapon_backup_row(const World& w) {
    const auto weapons = game_weapon_files(w);
    std::string script = "mkdir -p";
    for (const auto& [weapon, files] : weapons)
        script += word((w.plain / "weapon" / weapon / set_name).string());
    for (const auto& [weapon, files] : weapons) {
        script += " && cp";
        for (const auto& file : files)
            script += word((w.game_models / file).string());
        script += word((w.plain / "weapon" / weapon / set_name).string() + "/");
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
        library::create_weapon_set(set_name, [&](const std::string&) { completed = true; });
    };
    const auto m = compare(prepare, backup, [&] { sh(script); });
    std::size_t game_files = 0;
    for (const auto& [weapon, files] : weapons)
        game_files += files.size();
    const auto copied = files_under(w.program / "models/weapon");
    check(completed && copied == game_files, "the weapon backup copied too few files");
    ratio_row("weapon backup (" + std::to_string(copied) + " files)", m, 1.3, "cp");
}

// Needs the weapon set that the backup row leaves behind.
void restore_rows(const World& w) {
    std::string script = "true";
    for (const auto& [weapon, files] : game_weapon_files(w)) {
        script += " && cp";
        for (const auto& file : files)
            script += word((w.program / "models/weapon" / weapon / set_name / file).string());
        script += word(w.game_models.string() + "/");
    }
    const auto restore = [] { check(library::restore_weapon_set(set_name), "weapon restore"); };
    ratio_row("weapon restore", compare(sync, restore, [&] { sh(script); }), 1.3, "cp");

    library::create_player_set(set_name, [](const std::string&) {});
    script = "true";
    for (const auto& type : library::player_set_types()) {
        const auto set_file = w.program / "models/player" / type / set_name / (type + ".mdl");
        script += " && cp" + word(set_file.string()) + word(game_player_file(w, type).string());
    }
    const auto restore_players = [] {
        check(library::restore_player_set(set_name), "player restore");
    };
    ratio_row("player restore (11 files)", compare(sync, restore_players, [&] { sh(script); }), 1.3,
              "cp");
}

// The single-file rows spawn cp directly, without a shell. The install needs the player set that
// the restore rows leave behind.
void single_file_rows(const World& w) {
    const auto set_file = w.program / "models/player/gign" / set_name / "gign.mdl";
    const std::vector<std::string> copy_over{"cp", set_file.string(),
                                             game_player_file(w, "gign").string()};
    const auto install = [] {
        check(library::install_player_model("gign", set_name), "player install");
    };
    ratio_row("player install (1 file)", compare(sync, install, [&] { spawn_and_wait(copy_over); }),
              1.3, "cp");

    const fs::path imported = w.program / "models/player/gign/imported";
    const std::vector<std::string> copy_in{"cp", (w.imports / "gign.mdl").string(),
                                           (w.plain / "gign.mdl").string()};
    const auto prepare = [&] {
        fs::remove_all(imported);
        fs::remove(w.plain / "gign.mdl");
        sync();
    };
    const auto import = [&] {
        const auto outcome =
            library::import_player_model({w.imports.string(), "gign.mdl", "imported"});
        check(outcome.confirmed, "player import");
    };
    ratio_row("player import (1 file)", compare(prepare, import, [&] { spawn_and_wait(copy_in); }),
              1.3, "cp");
}

// The install window's model list, refilled when the player type is picked, as a user does.
void model_list_row(const World& w) {
    constexpr int model_count = 20000;
    const fs::path folder = w.program / "models/player/gign";
    const auto present = std::distance(fs::directory_iterator(folder), {});
    for (int n = 0; n < model_count - present; ++n)
        check(mkdir((folder / ("model " + std::to_string(n))).c_str(), 0777) == 0, "mkdir");

    auto* window = new install_player; // deletes itself when closed
    window->show();
    const auto pick = [window](const char* type) {
        const int index = window->cmb_model_type->findText(QString::fromLatin1(type));
        window->cmb_model_type->setCurrentIndex(index);
        emit window->cmb_model_type->activated(index);
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
    check(window->lst_models->count() == model_count, "the model list is incomplete");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ratio_row("model list of 20,000 folders", m, 50, "ls -U");
}

// Whole processes, spawn to exit: a first start makes the library tree, a later one finds it.
void start_up_rows(const World& w) {
    const fs::path program = w.root / "start-up/program";
    const fs::path settings = w.root / "start-up/settings";
    copy_name_lists(program);
    const std::vector<std::string> command{fs::read_symlink("/proc/self/exe").string(),
                                           "--start-up", program.string(), settings.string()};
    std::vector<double> first_ms, later_ms;
    std::vector<long> first_kb, later_kb;
    for (int run = 0; run <= timed_runs; ++run) {
        fs::remove_all(program / "models");
        fs::remove_all(settings);
        sync();
        long kb = 0;
        const double first = milliseconds_of([&] { kb = spawn_and_wait(command); });
        if (run > 0) {
            first_ms.push_back(first);
            first_kb.push_back(kb);
        }
        const double later = milliseconds_of([&] { kb = spawn_and_wait(command); });
        if (run > 0) {
            later_ms.push_back(later);
            later_kb.push_back(kb);
        }
    }
    check(fs::exists(program / "models/weapon/ak47"), "no library tree after the first start");
    const auto peak = [](const std::vector<long>& kb) {
        return format("peak RSS %.1f MB", static_cast<double>(median(kb)) / 1024);
    };
    table.push_back({"first start-up (library tree made)", median(first_ms), std::nullopt,
                     peak(first_kb), "", true});
    const double later = median(later_ms);
    table.push_back(
        {"later start-up", later, std::nullopt, peak(later_kb), "<= 300 ms", later <= 300});
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

Row game_directory_row(const World& w) {
    const fs::path prefix = w.root / "large-prefix";
    fs::create_directories(prefix);
    write_large_registry(prefix / "system.reg", 5 << 20);
    const std::string sample_prefix = std::getenv("WINEPREFIX");
    setenv("WINEPREFIX", prefix.c_str(), 1);
    std::vector<double> ms;
    for (int run = 0; run <= timed_runs; ++run) {
        std::string directory;
        ms.push_back(milliseconds_of([&] { directory = library::GetGameDirectory(); }));
        check(directory == "C:\\Games\\Sample Game", "wrong game directory: " + directory);
    }
    ms.erase(ms.begin());
    setenv("WINEPREFIX", sample_prefix.c_str(), 1);
    const double lookup = median(ms);
    return {"game directory from a 5 MB system.reg",
            lookup,
            std::nullopt,
            "-",
            "<= 20 ms",
            lookup <= 20};
}

// The model reader on a model as large as the game's players: read once when a model is opened,
// then posed and drawn once per frame by a viewer playing at 120 frames per second or more.
void model_rows() {
    const auto files = model_writer::write_model(model_writer::large_model());
    const auto no_companions = [](const std::string&) -> std::optional<std::vector<std::uint8_t>> {
        return std::nullopt;
    };
    constexpr int frames = 30;
    std::vector<double> read_ms, draw_ms;
    for (int run = 0; run <= timed_runs; ++run) {
        std::optional<model::StudioModel> model;
        read_ms.push_back(milliseconds_of([&] {
            auto result = model::read_model(files.main, no_companions, "large.mdl");
            if (result)
                model.emplace(std::move(result).value());
        }));
        check(model.has_value(), "the large model was refused");
        if (!model)
            return;
        draw_ms.push_back(milliseconds_of([&] {
                              for (int frame = 0; frame < frames; ++frame)
                                  check(!model->draw({run % 4, frame + 0.5f, {}, 0}).meshes.empty(),
                                        "the large model drew nothing");
                          }) /
                          frames);
    }
    read_ms.erase(read_ms.begin());
    draw_ms.erase(draw_ms.begin());
    const double read = median(read_ms);
    const double draw = median(draw_ms);
    table.push_back(
        {"read a 3,040-triangle, 40-bone model", read, std::nullopt, "-", "<= 30 ms", read <= 30});
    table.push_back(
        {"pose and draw it for one frame", draw, std::nullopt, "-", "<= 1 ms", draw <= 1});
}

// The child of the start-up rows: Tessary as its executable starts, until the main window is on
// the screen and painted.
int start_up(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(library::app_title));
    QApplication::setWindowIcon(app_icon());
    platform::set_program_folder(argv[2]);
    platform::set_settings_folder(argv[3]);
    std::vector<std::string> messages;
    message_box::record_instead(&messages);
    const auto window = start_tessary();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    for (const auto& message : messages)
        std::fprintf(stderr, "Tessary showed: %s\n", message.c_str());
    return window->windowHandle()->isExposed() && messages.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 4 && std::string(argv[1]) == "--start-up")
        return start_up(argc, argv);

    const World world = make_world();
    QApplication application(argc, argv);
    // The lookup comes first: the big allocations of the rows after it leave the heap grown, which
    // hides most of what reading a large file costs a process that has just started.
    const Row lookup = game_directory_row(world);
    weapon_backup_row(world);
    restore_rows(world);
    single_file_rows(world);
    model_list_row(world);
    model_rows();
    start_up_rows(world);
    table.push_back(lookup);
    print_table();

    fs::remove_all(world.root);
    if (!failures.empty()) {
        std::fprintf(stderr, "%zu failures: the timings above do not count\n", failures.size());
        return 1;
    }
    return 0;
}
