#include "QtMessageBoxes.h"

#include "ModalDialog.h"

#include <QApplication>
#include <QMessageBox>

namespace vt {

namespace {

QMessageBox::Icon iconOf(int flags) {
    switch (flags & 0xF0) {
    case Box::IconError:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case Box::IconExclamation:
        return QMessageBox::Warning;
    case Box::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int QtMessageBoxes::ask(const QString& text, const QString& caption, int flags) {
    const bool yesNo = (flags & 0x0F) == Box::YesNo;
    QMessageBox box(iconOf(flags), caption, text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // The text as typed: a message or a path may hold "<" and "&", which rich text would eat.
    box.setTextFormat(Qt::PlainText);
    const int answer = runModal(box);
    if (!yesNo) return Box::AnswerOk;
    return answer == QMessageBox::Yes ? Box::AnswerYes : Box::AnswerNo;
}

} // namespace vt
