#include "ui/message_box.h"

#include "gui/application.h"
#include "gui/text.h"
#include "gui/words.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace message_box {

namespace {
std::vector<std::string>* recording = nullptr;
bool recorded_answer = false;
} // namespace

void show(const core::Message& message) {
    const QString text = gui::words(message);
    if (recording) {
        recording->push_back(gui::core_text(text));
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(gui::app_title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void show(const core::Messages& messages) {
    for (const auto& message : messages)
        show(message);
}

bool ask(const core::Message& question) {
    const QString text = gui::words(question);
    if (recording) {
        recording->push_back(gui::core_text(text));
        return recorded_answer;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(gui::app_title), text,
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void record_instead(std::vector<std::string>* log, bool answer) {
    recording = log;
    recorded_answer = answer;
}

} // namespace message_box

} // namespace ui
