// Process-level: the real event loop ends when the main window is closed
// while a choice is pending and a game-over screen is open; nothing is left
// waiting, nothing crashes.
#include "desktop/program_lifetime.h"
#include "screens/font_substitution.h"
#include "screens/frmGameOver.h"
#include "screens/frmMain.h"
#include "tests/household/household_fakes.h"
#include "tests/screens/choice_dialog_driver.h"
#include "tests/screens/fixed_motion_preference.h"
#include "tests/screens/scripted_message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    screens::installFontSubstitutions();
    desktop::quitWhenNoWindowIsLeft(app);
    ScriptedMessageBoxes boxes;
    household::testing::ScriptedRandom random;
    FixedMotionPreference motion;
    random.draws = {0.9f, 0.0f, 0.0f};  // the first game ends in an arrest
    random.afterScript = 0.0f;
    QPointer<frmMain> window = new frmMain({random, boxes, motion});
    window->show();
    QPointer<frmGameOver> leftOver;

    const auto typeOne = [&window] {
        QKeyEvent one(QEvent::KeyPress, Qt::Key_1, Qt::NoModifier, QStringLiteral("1"));
        QApplication::sendEvent(window, &one);  // Work
    };
    bool dialogSeen = false;
    bool gameOverShown = false;
    QTimer::singleShot(0, [&] {
        window->findChild<QAction*>("mnuStart")->trigger();
        typeOne();
        answerChoiceDialog(2);
        leftOver = visibleWindows<frmGameOver>().value(0);
        gameOverShown = !leftOver.isNull();

        window->findChild<QAction*>("mnuStart")->trigger();
        typeOne();
        dialogSeen = openChoiceDialogs().size() == 1;
        window->findChild<QAction*>("mnuEnd")->trigger();
        boxes.answer(screens::MessageBoxAnswer::Yes);
    });
    // A hang fails here, within CTest's time-out, saying what it waited for.
    QTimer::singleShot(45000, [] {
        std::fputs("FAIL: the event loop did not end\n", stderr);
        std::_Exit(2);
    });

    const int code = app.exec();
    flushDeletes();
    const bool ok = code == 0 && dialogSeen && gameOverShown && leftOver.isNull() && !window && openChoiceDialogs().isEmpty() &&
                    boxes.texts == QStringList{QStringLiteral("終了しますか？")};
    std::printf("%s: exec %d, dialog seen %d, main window %s, game-over screen %s\n", ok ? "PASS" : "FAIL", code,
                dialogSeen, window ? "left" : "gone", leftOver ? "left" : "gone");
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
