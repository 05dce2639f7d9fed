#include "ui/message_box.h"

#include "gui/application.h"
#include "gui/text.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace message_box {

namespace {
std::vector<std::string>* recording = nullptr;
}

void show(const std::string& text) {
    if (recording) {
        recording->push_back(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(gui::app_title), gui::qtext(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void show(const core::Messages& texts) {
    for (const auto& text : texts)
        show(text);
}

void record_instead(std::vector<std::string>* log) {
    recording = log;
}

} // namespace message_box

} // namespace ui
