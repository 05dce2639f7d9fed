#include "windows/message_box.h"

#include "library/application.h"
#include "windows/text.h"

#include <QApplication>
#include <QMessageBox>

namespace message_box {

namespace {
std::vector<std::string>* recording = nullptr;
}

void show(const std::string& text) {
    if (recording) {
        recording->push_back(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(library::app_title), qtext(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void show(const library::Messages& texts) {
    for (const auto& text : texts)
        show(text);
}

void record_instead(std::vector<std::string>* log) {
    recording = log;
}

} // namespace message_box
