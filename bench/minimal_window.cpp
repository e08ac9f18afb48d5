// The reference for start-up, memory and idle CPU: the least a Qt window showing the time can do.
#include <QApplication>
#include <QLabel>
#include <QTime>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label;
    label.setWindowTitle(QStringLiteral("minimal-window"));
    label.setMinimumSize(200, 60);
    label.setAlignment(Qt::AlignCenter);
    const auto showTime = [&label] {
        label.setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    };
    showTime();
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, showTime);
    timer.start(1000);
    label.show();
    return QApplication::exec();
}
