#include "ui/install_window.h"

#include "core/changes/model_install.h"
#include "core/program/preview.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/model_tip.h"
#include "ui/slide_window.h"
#include "ui/viewer_wait.h"

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>

namespace ui {

InstallWindow::InstallWindow(const char* name, const QString& caption, int client_width,
                             int client_height, const core::Library& library,
                             RestoreControls::Design restore_design)
    : ChildWindow(name, caption, client_width, client_height, Console::held), library_(library),
      kind_(restore_design.kind), opening_width_(restore_design.narrow_width) {
    auto* confirmation = gui::wrapping(gui::named(new QLabel(this), "lbl_confirm"));
    controls_ = {
        gui::named(new QPushButton(tr("&Install"), this), "btn_install"),
        gui::named(new QPushButton(tr("&Ok"), this), "btn_ok"),
        gui::wrapping(gui::named(
            new QLabel(tr("Select the model you would like to install and click install."), this),
            "Label1")),
        gui::named(new QComboBox(this), "cmb_model_type"),
        gui::named(new QListWidget(this), "lst_models"),
        confirmation,
        gui::named(new QPushButton(tr("&Preview"), this), "cmd_preview"),
        new RestoreControls(this, confirmation, library, restore_design),
    };
    controls_.models->setSelectionMode(QAbstractItemView::SingleSelection);
    controls_.models->setUniformItemSizes(true); // keeps a list of thousands of models quick

    // The restore controls lie just beyond the right edge until the window slides open.
    set_outer_width(this, opening_width_);

    connect(controls_.ok, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.model_types, &QComboBox::activated, this, &InstallWindow::list_models);
    connect(controls_.preview, &QPushButton::clicked, this, &InstallWindow::preview_model);
    connect(controls_.install, &QPushButton::clicked, this, &InstallWindow::install_picked_model);
    // A model picked, by a click or the keys, shows its tip beside it.
    connect(controls_.models, &QListWidget::itemSelectionChanged, this, [this] {
        const auto selected = controls_.models->selectedItems();
        if (!selected.isEmpty())
            show_tip(*selected.first(),
                     controls_.models->viewport()->mapToGlobal(
                         controls_.models->visualItemRect(selected.first()).bottomRight()));
    });
    controls_.models->viewport()->installEventFilter(this);
}

std::string InstallWindow::model_type() const {
    return gui::core_text(controls_.model_types->currentText());
}

core::LibraryModel InstallWindow::picked_model() const {
    const auto selected = controls_.models->selectedItems();
    return {kind_, model_type(),
            selected.isEmpty() ? std::string() : gui::core_text(selected.first()->text())};
}

void InstallWindow::list_models() {
    QStringList rows;
    for (const auto& name : core::list_models(library_, kind_, model_type()))
        rows.append(gui::qtext(name));
    const QSignalBlocker blocker(controls_.models);
    controls_.models->clear();
    controls_.models->addItems(rows);
    tips_.clear();
    wanted_tip_ = {};
    ++listing_;
}

void InstallWindow::install_picked_model() {
    const auto model = picked_model();
    const auto files = files_to_install();
    if (!servers_allowed(model, files))
        return;
    controls_.confirmation->clear();
    const auto installed = core::install_model(library_, model, files);
    message_box::show(installed.messages());
    if (installed)
        controls_.confirmation->setText(installed_text(model));
}

bool InstallWindow::servers_allowed(const core::LibraryModel& model,
                                    const std::vector<std::string>& files) {
    for (const auto& question : core::questions_before_install(library_, model, files)) {
        if (!message_box::ask(question))
            return false;
    }
    return true;
}

void InstallWindow::showEvent(QShowEvent* event) {
    if (!shown_)
        set_outer_width(this, opening_width_);
    shown_ = true;
    ChildWindow::showEvent(event);
}

bool InstallWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != controls_.models->viewport() || event->type() != QEvent::ToolTip)
        return ChildWindow::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const auto* item = controls_.models->itemAt(help->pos())) {
        show_tip(*item, help->globalPos());
    } else {
        wanted_tip_ = {};
        QToolTip::hideText();
    }
    return true;
}

void InstallWindow::show_tip(const QListWidgetItem& item, const QPoint& at) {
    const QString model = item.text();
    if (const auto found = tips_.constFind(model); found != tips_.constEnd()) {
        QToolTip::showText(at, *found, controls_.models->viewport(),
                           controls_.models->visualItemRect(&item));
        return;
    }
    const bool being_made = !wanted_tip_.model.isNull() && wanted_tip_.model == model;
    wanted_tip_ = {model, at};
    if (being_made)
        return;
    tip_makers_.start([this, listing = listing_, model,
                       picked = core::LibraryModel{kind_, model_type(), gui::core_text(model)},
                       pixel_ratio = devicePixelRatioF()] {
        const QString tip = model_tip(library_, picked, pixel_ratio);
        QMetaObject::invokeMethod(
            this, [this, listing, model, tip] { tip_made(listing, model, tip); },
            Qt::QueuedConnection);
    });
}

void InstallWindow::tip_made(int listing, const QString& model, const QString& tip) {
    if (listing != listing_)
        return;
    tips_.insert(model, tip);
    if (wanted_tip_.model != model)
        return;
    const QPoint at = wanted_tip_.at;
    wanted_tip_ = {};
    const auto found = controls_.models->findItems(model, Qt::MatchExactly);
    if (!found.isEmpty())
        show_tip(*found.first(), at);
}

void InstallWindow::preview_model() {
    message_box::show(
        core::preview_library_model(library_, picked_model(), keep_drawn_while_viewing).messages());
}

} // namespace ui
