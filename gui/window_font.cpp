#include "gui/window_font.h"

#include "gui/text.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace gui {

namespace {

// The point size of the font the fixed layouts' positions in twips were drawn for.
constexpr double layout_point_size = 7.5;

} // namespace

void use_window_font(FontSize size) {
    QFont font = QApplication::font();
    QStringList families;
    for (const auto& face : platform::window_faces())
        families << qtext(face);
    families << font.family();
    font.setFamilies(families);
    if (size == FontSize::layouts)
        font.setPointSizeF(layout_point_size);
    QApplication::setFont(font);
}

} // namespace gui
