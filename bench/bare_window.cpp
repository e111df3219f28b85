// The yardsticks for start-up time and memory: a bare Qt window with one
// Japanese label, and with --two-fonts one label in each of the game's two
// Japanese faces (the Gothic and the Mincho), the floor for the game's memory.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("～Nabrel～ 母と娘")));
    if (argc > 1 && std::strcmp(argv[1], "--two-fonts") == 0) {
        auto* mincho = new QLabel(QStringLiteral("～Nabrel～"));
        mincho->setFont(QFont(QStringLiteral("IPAPMincho"), 36));
        auto* gothic = new QLabel(QStringLiteral("母と娘"));
        gothic->setFont(QFont(QStringLiteral("IPAPGothic"), 9));
        layout->addWidget(mincho);
        layout->addWidget(gothic);
    }
    window.resize(402, 213);
    window.show();
    return app.exec();
}
