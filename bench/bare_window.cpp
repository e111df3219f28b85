// The yardstick for start-up time and memory: a bare Qt window with one Japanese label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("～Nabrel～ 母と娘"));
    label.setWindowTitle(QStringLiteral("bare"));
    label.resize(402, 213);
    label.show();
    return app.exec();
}
