#include "app/readme_window.h"

#include "library/readme.h"
#include "windows/controls.h"
#include "windows/geometry.h"
#include "windows/text.h"

#include <QPlainTextEdit>
#include <QPushButton>

ReadmeWindow::ReadmeWindow() : ChildWindow("mi_rme", tr("Readme"), 7110, 5865) {
    auto* text = named(new QPlainTextEdit(this), "rtext1");
    auto* close = named(new QPushButton(tr("&Close"), this), "btn_close");
    text->setReadOnly(true);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap at the edge
    geometry::place(text, 0, 0, 7095, 5175);
    geometry::place(close, 3000, 5280, 1215, 495);
    geometry::set_tab_order({close, text});
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // A readme that cannot be read says so in the window itself.
    const auto readme = library::readme_text();
    text->setPlainText(qtext(readme ? *readme : readme.messages().front()));
}
