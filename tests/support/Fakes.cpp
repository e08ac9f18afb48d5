#include "Fakes.h"

#include <QCoreApplication>
#include <QTimer>

int FakeMessageBoxes::ask(const QString& text, const QString& caption, int flags) {
    shown.push_back({text, caption, flags});
    if (whileOpen) whileOpen();
    if (answers.empty()) return vt::Box::unanswered(flags);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList FakeMessageBoxes::texts() const {
    QStringList all;
    for (const Shown& box : shown)
        all << box.text;
    return all;
}

bool FakeCommonDialogs::chooseFont(vt::FontValue& value) {
    if (!font) return false;
    value = *font;
    return true;
}

bool FakeCommonDialogs::chooseColor(vt::Color& value) {
    colorRequests.push_back(value);
    if (!color) return false;
    value = *color;
    return true;
}

bool FakeCommonDialogs::openFile(vt::OpenFileRequest& request) {
    fileRequests.push_back(request);
    if (!file) return false;
    request.fileName = *file;
    return true;
}

void FakeMediaPlayer::open() {
    if (unopenable.contains(fileName))
        throw vt::Failure(QStringLiteral("Impossible d'ouvrir le fichier son %1").arg(fileName));
    opened << fileName;
}

Fakes::Fakes(SettingsPlace place) : folder(place) {
    // A loop that an earlier test asked to end, with no loop running, keeps every nested loop from
    // running until the main loop has run once more.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}
