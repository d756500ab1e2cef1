#include "common/clock.h"
#include "common/controls.h"
#include "common/eventboundary.h"
#include "common/form.h"
#include "common/runtimeerror.h"
#include "support/recorders.h"

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <new>
#include <stdexcept>
#include <vector>

namespace {

enum class Source {
    Typing,
    ComboPick,
    ComboArrow,
    OptionClick,
    OptionFromCode,
    CheckClick,
    CheckFromCode,
    LabelClick,
    ButtonClick,
    MenuTrigger,
    WindowUnload
};

// A window carrying one control of each kind, every handler calling `run`.
class Panel : public Form {
  public:
    static inline std::function<void()> run;

    Panel() : Form(QStringLiteral("panel"), QStringLiteral("Panneau")) {
        auto* central = new QWidget(this);
        auto* column = new QVBoxLayout(central);
        auto add = [&](auto* control) {
            column->addWidget(control);
            return control;
        };
        text = add(new TextBox(QStringLiteral("force")));
        combo = add(new ComboBox(QStringLiteral("sexe"), ComboBox::Style::List));
        combo->addItem(QStringLiteral("Masculin"));
        combo->addItem(QStringLiteral("Féminin"));
        option = add(new OptionButton(QStringLiteral("nain"), QStringLiteral("Nain"), group));
        check = add(new CheckBox(QStringLiteral("fichier"), QStringLiteral("Fichier")));
        label = add(new Label(QStringLiteral("Label16"), QStringLiteral("Escalade")));
        button = add(new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok")));
        menu = new MenuEntry(QStringLiteral("menuabout"), QStringLiteral("A propos"), this);
        menuBar()->addMenu(QStringLiteral("Aide"))->addAction(menu);
        setCentralWidget(central);
        text->onChange([] { run(); });
        combo->onClick([] { run(); });
        option->onClick([] { run(); });
        check->onClick([] { run(); });
        label->onClick([] { run(); });
        button->onClick([] { run(); });
        menu->onClick([] { run(); });
    }
    void Form_Unload() override { run(); }

    OptionGroup group;
    TextBox* text;
    ComboBox* combo;
    OptionButton* option;
    CheckBox* check;
    Label* label;
    CommandButton* button;
    MenuEntry* menu;
};

Panel& panel() {
    return forms::get<Panel>();
}

void act(Source source) {
    Panel& p = panel();
    switch (source) {
    case Source::Typing:
        QTest::keyClicks(p.text, QStringLiteral("1"));
        break;
    case Source::ComboPick:
        pickFromList(p.combo, 1);
        break;
    case Source::ComboArrow:
        p.combo->setFocus();
        QTest::keyClick(p.combo, p.combo->currentIndex() <= 0 ? Qt::Key_Down : Qt::Key_Up);
        break;
    case Source::OptionClick:
        p.option->click();
        break;
    case Source::OptionFromCode:
        p.option->setValue(true);
        break;
    case Source::CheckClick:
        p.check->click();
        break;
    case Source::CheckFromCode:
        p.check->setValue(!p.check->value());
        break;
    case Source::LabelClick:
        QTest::mouseClick(p.label, Qt::LeftButton);
        break;
    case Source::ButtonClick:
        QTest::mouseClick(p.button, Qt::LeftButton);
        break;
    case Source::MenuTrigger:
        p.menu->trigger();
        break;
    case Source::WindowUnload:
        p.close();
        break;
    }
}

} // namespace

class TestEventBoundary : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { forms::unloadAll(); }

    // An error no handler traps is shown where the event entered, and the next event works.
    void untrappedErrorIsShown_data() {
        QTest::addColumn<int>("source");
        QTest::newRow("typing") << int(Source::Typing);
        QTest::newRow("combo pick") << int(Source::ComboPick);
        QTest::newRow("combo arrow key") << int(Source::ComboArrow);
        QTest::newRow("option click") << int(Source::OptionClick);
        QTest::newRow("option set by code") << int(Source::OptionFromCode);
        QTest::newRow("check box click") << int(Source::CheckClick);
        QTest::newRow("check box set by code") << int(Source::CheckFromCode);
        QTest::newRow("label click") << int(Source::LabelClick);
        QTest::newRow("button click") << int(Source::ButtonClick);
        QTest::newRow("menu entry") << int(Source::MenuTrigger);
        QTest::newRow("window unload") << int(Source::WindowUnload);
    }
    void untrappedErrorIsShown() {
        QFETCH(int, source);
        MessageRecorder messages;
        int reached = 0;
        Panel::run = [&] {
            ++reached;
            throw RuntimeError(53);
        };
        panel().show();
        QVERIFY(QTest::qWaitForWindowActive(&panel()));
        act(Source(source));
        QCOMPARE(reached, 1);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, RuntimeError::describe(53));
        QCOMPARE(messages.last().title, QStringLiteral("Erreur !"));
        QCOMPARE(messages.last().icon, MsgIcon::Critical);

        // The program goes on: the next event runs its handler.
        Panel::run = [&] { ++reached; };
        panel().show();
        act(Source(source));
        QCOMPARE(reached, 2);
        QCOMPARE(messages.count(), 1);
    }

    void descriptions_data() {
        QTest::addColumn<std::function<void()>>("failure");
        QTest::addColumn<QString>("shown");
        using Failure = std::function<void()>;
        QTest::newRow("numbered error")
            << Failure([] { throw RuntimeError(76); }) << RuntimeError::describe(76);
        QTest::newRow("own description")
            << Failure([] { throw RuntimeError(75, QStringLiteral("Accès refusé : c:\\x")); })
            << QStringLiteral("Accès refusé : c:\\x");
        QTest::newRow("index out of range")
            << Failure([] { (void)std::vector<int>{}.at(3); }) << RuntimeError::describe(9);
        QTest::newRow("overflow") << Failure([] { throw std::overflow_error("x"); })
                                  << RuntimeError::describe(6);
        QTest::newRow("out of memory")
            << Failure([] { throw std::bad_alloc(); }) << QStringLiteral("Mémoire insuffisante");
        QTest::newRow("anything else") << Failure([] { throw std::runtime_error("panne"); })
                                       << QStringLiteral("Erreur d'exécution : panne");
    }
    void descriptions() {
        QFETCH(std::function<void()>, failure);
        QFETCH(QString, shown);
        MessageRecorder messages;
        bool after = false;
        runEvent([&] {
            failure();
            after = true;
        });
        QVERIFY(!after);
        QCOMPARE(messages.texts(), QStringList{shown});
        QCOMPARE(messages.last().title, QStringLiteral("Erreur !"));
    }

    // An error inside an event served by a waiting handler stops that event only.
    void nestedEventFails() {
        MessageRecorder messages;
        bool outerFinished = false;
        runEvent([&] {
            QTimer::singleShot(0, [] { runEvent([] { throw RuntimeError(62); }); });
            appclock::yield();
            outerFinished = true;
        });
        QVERIFY(outerFinished);
        QCOMPARE(messages.texts(), QStringList{RuntimeError::describe(62)});
    }

    // Work put off until no handler runs: at once outside handlers, after the outermost
    // handler inside them, errors included.
    void afterHandlersWaits() {
        MessageRecorder messages;
        QStringList order;
        afterHandlers([&] { order << "outside"; });
        runEvent([&] {
            afterHandlers([&] { order << "deferred"; });
            runEvent([&] {
                afterHandlers([&] { order << "inner"; });
                throw RuntimeError(53);
            });
            order << "outer end";
            throw std::runtime_error("x");
        });
        QCOMPARE(order, QStringList({"outside", "outer end", "deferred", "inner"}));
        QCOMPARE(messages.count(), 2);
    }
};

QTEST_MAIN(TestEventBoundary)
#include "test_eventboundary.moc"
