#include "app/readme_window.h"

#include "core/library/readme.h"
#include "gui/controls.h"
#include "gui/language.h"
#include "gui/text.h"
#include "gui/words.h"
#include "ui/twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace app {

ReadmeWindow::ReadmeWindow(const core::Library& library)
    : ui::ChildWindow("mi_rme", tr("Readme"), 7110, 5865) {
    auto* text = gui::named(new QPlainTextEdit(this), "rtext1");
    auto* close = gui::named(new QPushButton(tr("&Close"), this), "btn_close");
    text->setReadOnly(true);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // lines wrap at the edge
    ui::twips::place(text, 0, 0, 7095, 5175);
    ui::twips::place(close, 3000, 5280, 1215, 495);
    ui::twips::set_tab_order({close, text});
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // A readme that cannot be read says so in the window itself.
    const auto readme =
        core::readme_text(library, gui::core_text(gui::language_to_speak(library.settings())));
    text->setPlainText(readme ? gui::qtext(*readme) : gui::words(readme.messages().front()));
}

} // namespace app
