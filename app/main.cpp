#include "font_substitution.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nabrel"));
    QApplication::setApplicationVersion(QStringLiteral(NABREL_VERSION));
    runtime::InstallFontSubstitutions();

    auto* main = new frmMain;
    main->show();
    return app.exec();
}
