#include "windows/import_window.h"

#include "platform/console.h"
#include "windows/geometry.h"
#include "windows/source_browser.h"
#include "windows/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

ImportWindow::ImportWindow(const Design& design)
    : ChildWindow(design.name, design.caption, design.client_width, design.client_height),
      player_comment(new QLineEdit(this)), btn_ok(new QPushButton(tr("&Ok"), this)),
      btn_import(new QPushButton(tr("&Import"), this)),
      Label1(new QLabel(design.instructions, this)), lbl_confirm(new QLabel(this)) {
    lbl_confirm->setObjectName(QStringLiteral("lbl_confirm"));
    browser = new SourceBrowser(this, lbl_confirm, design.pattern, design.settings_key);

    player_comment->setObjectName(QStringLiteral("player_comment"));
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    btn_import->setObjectName(QStringLiteral("btn_import"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl_confirm->setWordWrap(true);
    lbl_confirm->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    geometry::place(player_comment, 0, 0, 4695, 405);
    geometry::place(btn_ok, 3480, 3720, 1215, 495);
    geometry::place(btn_import, 2160, 2760, 1215, 495);
    geometry::place(browser->File1, 2160, 1080, 2535, 1650);
    geometry::place(browser->Dir1, 0, 1080, 2055, 2565);
    geometry::place(browser->Drive1, 2160, 3360, 2535, 315);
    geometry::place(Label1, 0, 480, 4695, 495);
    const QRect& confirm = design.confirm_twips;
    geometry::place(lbl_confirm, confirm.x(), confirm.y(), confirm.width(), confirm.height());
    geometry::place(browser->cmd_preview, 3480, 2760, 1215, 495);

    geometry::set_tab_order({player_comment, btn_ok, btn_import, browser->File1, browser->Dir1,
                             browser->Drive1, browser->cmd_preview});

    connect(btn_ok, &QPushButton::clicked, this, &ImportWindow::btn_ok_Click);
}

library::ImportRequest ImportWindow::request() const {
    return {browser->source_folder(), browser->picked_file(), local_text(player_comment->text())};
}

void ImportWindow::report(const library::ImportOutcome& outcome) {
    if (outcome.confirmed)
        lbl_confirm->setText(player_comment->text() + tr(" imported"));
    if (outcome.copied)
        browser->store_last_folder();
}

void ImportWindow::btn_ok_Click() {
    close();
}

void ImportWindow::Form_Unload() {
    platform::release_console();
}
