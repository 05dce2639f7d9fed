#include "app/frmAbout.h"

#include "app/app_icon.h"
#include "library/application.h"
#include "library/system_info.h"
#include "windows/geometry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

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

QLabel* make_label(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString version_text(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout()
    : ChildWindow("frmAbout", QString(), 5730, 3150), picIcon(make_label(this, "picIcon")),
      lblTitle(make_label(this, "lblTitle")), lblVersion(make_label(this, "lblVersion")),
      lblDescription(make_label(this, "lblDescription")), Line1(new EtchedLine(this)),
      cmdOK(new QPushButton(tr("OK"), this)),
      cmdSysInfo(new QPushButton(tr("&System Info..."), this)) {
    Line1->setObjectName(QStringLiteral("Line1"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    picIcon->setPixmap(app_icon().pixmap(32, 32));
    QFont title_font = lblTitle->font();
    title_font.setPointSizeF(title_font.pointSizeF() * 1.5);
    title_font.setBold(true);
    lblTitle->setFont(title_font);
    lblDescription->setText(tr("This application is intended to help those people that like to "
                               "use custom models and need a way to organize them."));

    geometry::place(picIcon, 240, 240, 540, 540);
    geometry::place(lblTitle, 1050, 240, 3885, 480);
    geometry::place(lblVersion, 1050, 780, 3885, 225);
    geometry::place(lblDescription, 1050, 1125, 3885, 1170);
    geometry::place(Line1, 90, 2445, 5654 - 90, 30);
    geometry::place(cmdOK, 4245, 2625, 1260, 345);
    geometry::place(cmdSysInfo, 4260, 3075, 1245, 345);
    geometry::set_tab_order({cmdOK, cmdSysInfo});
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

void frmAbout::Form_Load() {
    const QString title = QString::fromLatin1(library::app_title);
    setWindowTitle(tr("About ") + title);
    lblVersion->setText(
        version_text(TESSARY_VERSION_MAJOR, TESSARY_VERSION_MINOR, TESSARY_VERSION_PATCH));
    lblTitle->setText(title);
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        cmdOK->click();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            cmdOK->click();
        return;
    default:
        ChildWindow::keyPressEvent(event);
    }
}

void frmAbout::cmdOK_Click() {
    close();
}

void frmAbout::cmdSysInfo_Click() {
    library::StartSysInfo();
}
