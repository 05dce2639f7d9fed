#include "app/about_window.h"

#include "app/app_icon.h"
#include "core/program/system_info.h"
#include "gui/application.h"
#include "gui/controls.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace app {

namespace {

// An etched separator: a grey line with a white one just below and to the right of it.
class EtchedLine final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor(0x80, 0x80, 0x80));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.setPen(Qt::white);
        painter.drawLine(1, 1, width() - 1, 1);
    }
};

QString version_text(int major, int minor, int revision) {
    return AboutWindow::tr("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

} // namespace

AboutWindow::AboutWindow()
    : ui::ChildWindow("frmAbout", tr("About %1").arg(QString::fromLatin1(gui::app_title)), 5730,
                      3150),
      ok_(gui::named(new QPushButton(tr("OK"), this), "cmdOK")) {
    auto* icon = gui::wrapping(gui::named(new QLabel(this), "picIcon"));
    auto* title = gui::wrapping(
        gui::named(new QLabel(QString::fromLatin1(gui::app_title), this), "lblTitle"));
    auto* version = gui::wrapping(
        gui::named(new QLabel(version_text(TESSARY_VERSION_MAJOR, TESSARY_VERSION_MINOR,
                                           TESSARY_VERSION_PATCH),
                              this),
                   "lblVersion"));
    auto* description = gui::wrapping(gui::named(
        new QLabel(tr("This application is intended to help those people that like to use "
                      "custom models and need a way to organize them."),
                   this),
        "lblDescription"));
    auto* line = gui::named(new EtchedLine(this), "Line1");
    auto* system_information =
        gui::named(new QPushButton(tr("&System Info..."), this), "cmdSysInfo");
    icon->setPixmap(app_icon().pixmap(32, 32));
    QFont title_font = title->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.5);
    title_font.setBold(true);
    title->setFont(title_font);

    ui::twips::place(icon, 240, 240, 540, 540);
    ui::twips::place(title, 1050, 240, 3885, 480);
    ui::twips::place(version, 1050, 780, 3885, 225);
    ui::twips::place(description, 1050, 1125, 3885, 1170);
    ui::twips::place(line, 90, 2445, 5654 - 90, 30);
    ui::twips::place(ok_, 4245, 2625, 1260, 345);
    ui::twips::place(system_information, 4260, 3075, 1245, 345);
    ui::twips::set_tab_order({ok_, system_information});
    ok_->setDefault(true);
    ok_->setFocus();

    connect(ok_, &QPushButton::clicked, this, &QWidget::close);
    connect(system_information, &QPushButton::clicked, this,
            &AboutWindow::start_system_information);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        ok_->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            ok_->click();
        return;
    default:
        ui::ChildWindow::keyPressEvent(event);
    }
}

void AboutWindow::start_system_information() {
    ui::message_box::show(core::start_system_information().messages());
}

} // namespace app
