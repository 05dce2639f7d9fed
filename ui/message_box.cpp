#include "ui/message_box.h"

#include "gui/application.h"
#include "gui/text.h"

#include <QApplication>
#include <QMessageBox>

namespace ui {

namespace message_box {

namespace {
std::vector<std::string>* recording = nullptr;
bool recorded_answer = false;
} // namespace

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

bool ask(const std::string& question) {
    if (recording) {
        recording->push_back(question);
        return recorded_answer;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(gui::app_title), gui::qtext(question),
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
