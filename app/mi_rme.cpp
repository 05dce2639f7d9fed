#include "app/mi_rme.h"

#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "windows/geometry.h"
#include "windows/text.h"

#include <QPlainTextEdit>
#include <QPushButton>

mi_rme::mi_rme()
    : ChildWindow("mi_rme", tr("Readme"), 7110, 5865), rtext1(new QPlainTextEdit(this)),
      btn_close(new QPushButton(tr("&Close"), this)) {
    rtext1->setObjectName(QStringLiteral("rtext1"));
    btn_close->setObjectName(QStringLiteral("btn_close"));
    rtext1->setReadOnly(true);
    rtext1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap at the edge
    geometry::place(rtext1, 0, 0, 7095, 5175);
    geometry::place(btn_close, 3000, 5280, 1215, 495);
    geometry::set_tab_order({btn_close, rtext1});
    btn_close->setFocus();

    connect(btn_close, &QPushButton::clicked, this, &mi_rme::btn_close_Click);
    Form_Load();
}

void mi_rme::Form_Load() {
    const auto read = platform::read_lines(platform::program_folder() + "\\readme.txt");
    if (read.error) {
        rtext1->setPlainText(qtext(
            "readme.txt could not be read from the program folder: " + read.error.message() + "."));
        return;
    }
    QStringList lines;
    for (const auto& line : read.lines)
        lines.append(qtext(line));
    rtext1->setPlainText(lines.join(QLatin1Char('\n')));
}

void mi_rme::btn_close_Click() {
    close();
}
