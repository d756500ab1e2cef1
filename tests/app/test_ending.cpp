// The real end of the program, with the real event loop: kept apart from the other tests,
// which record the end instead.
#include "common/clock.h"
#include "common/controls.h"
#include "common/form.h"
#include "common/runtimeerror.h"
#include "support/recorders.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <optional>

namespace {

enum class Running { Nothing, YieldingLoop, DialogWait, MessageBox, ErrorBox };

// A sheet: closing it ends the program.
class Sheet : public Form {
  public:
    static inline QStringList steps;
    Sheet() : Form(QStringLiteral("sheet"), QStringLiteral("Feuille")) {}
    void Form_Unload() override {
        steps << QStringLiteral("sheet unload");
        endProgram();
        steps << QStringLiteral("after the end");
    }
};

// Another window, left open when the program ends.
class Tool : public Form {
  public:
    Tool() : Form(QStringLiteral("tool"), QStringLiteral("Outil")) {
        go = new CommandButton(QStringLiteral("go"), QStringLiteral("Go"), this);
        setCentralWidget(go);
    }
    void Form_Unload() override { Sheet::steps << QStringLiteral("tool unload"); }
    CommandButton* go;
};

} // namespace

class TestEnding : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { forms::unloadAll(); }

    // Closing a sheet ends the program at once: its unload stops at the end, the handler
    // that was running (even one serving the event queue) goes no further, and no other
    // window is unloaded.
    void endsAtOnce_data() {
        QTest::addColumn<int>("running");
        QTest::newRow("between events") << int(Running::Nothing);
        QTest::newRow("during a loop that yields") << int(Running::YieldingLoop);
        QTest::newRow("during a dialog wait") << int(Running::DialogWait);
        QTest::newRow("during a message box") << int(Running::MessageBox);
        QTest::newRow("during an error's box") << int(Running::ErrorBox);
    }
    void endsAtOnce() {
        QFETCH(int, running);
        std::optional<MessageRecorder> messages;
        if (Running(running) != Running::MessageBox && Running(running) != Running::ErrorBox)
            messages.emplace();
        Sheet::steps.clear();
        Sheet& sheet = forms::get<Sheet>();
        Tool& tool = forms::get<Tool>();
        QWidget dialog;
        sheet.show();
        tool.show();
        tool.go->onClick([&] {
            Sheet::steps << QStringLiteral("handler starts");
            QTimer::singleShot(20, &sheet, [&] { sheet.close(); });
            if (Running(running) == Running::YieldingLoop) {
                for (;;)
                    appclock::yield();
            } else if (Running(running) == Running::MessageBox) {
                msgBox(QStringLiteral("Combat terminé"));
            } else if (Running(running) == Running::ErrorBox) {
                throw RuntimeError(53);
            } else {
                dialog.show();
                appclock::waitWhileVisible(&dialog, &tool);
            }
            Sheet::steps << QStringLiteral("handler goes on");
        });
        if (Running(running) == Running::Nothing)
            QTimer::singleShot(0, &sheet, [&] { sheet.close(); });
        else
            QTimer::singleShot(0, tool.go, [&] { tool.go->click(); });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        watchdog.start(5000);

        QCOMPARE(QCoreApplication::exec(), 0);

        QStringList expected{"sheet unload"};
        if (Running(running) != Running::Nothing) expected.prepend("handler starts");
        QCOMPARE(Sheet::steps, expected);
        if (messages) QCOMPARE(messages->count(), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(forms::isLoaded<Tool>());

        // Once the loop has returned, a new run starts clean.
        bool served = false;
        QTimer::singleShot(0, [&] {
            served = true;
            appclock::yield();
            QCoreApplication::exit(5);
        });
        QCOMPARE(QCoreApplication::exec(), 5);
        QVERIFY(served);
    }
};

QTEST_MAIN(TestEnding)
#include "test_ending.moc"
