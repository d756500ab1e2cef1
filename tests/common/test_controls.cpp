#include "common/controls.h"
#include "common/nameorder.h"
#include "support/recorders.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <map>

namespace {

// One shown, active window holding the controls under test, with a second text box to move
// the focus to.
struct Host {
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    TextBox* elsewhere = new TextBox(QStringLiteral("elsewhere"), &window);

    Host() { layout->addWidget(elsewhere); }
    template <class Control> Control* add(Control* control) {
        layout->addWidget(control);
        return control;
    }
    void show() {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) qFatal("the test window never became active");
    }
};

// On the round mark itself: a wide option button takes clicks only on its mark and caption.
void clickOption(OptionButton* option) {
    QStyleOptionButton look;
    look.initFrom(option);
    const QRect mark =
        option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &look, option);
    QTest::mouseClick(option, Qt::LeftButton, {}, mark.center());
}

void wheel(QWidget* widget) {
    const QPointF at = widget->rect().center();
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

const QStringList fruits = {QStringLiteral("Pomme"), QStringLiteral("Poire"),
                            QStringLiteral("Prune")};

} // namespace

class TestControls : public QObject {
    Q_OBJECT
private slots:
    void init() { QApplication::clipboard()->clear(); }

    // --- Text boxes --------------------------------------------------------------------------

    // Change runs nested in each real change, typed or written; a maximum length refuses typing
    // beyond it and cuts a paste to it, while code may write longer texts, which the user can
    // shorten but not lengthen; 0 removes the limit. The handler caps the value at 13 by writing
    // its own box back, as the characteristics' do, and the limit still holds after it.
    void textBox_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");    // "<" is a backspace, "^" pastes "PASTE"
        QTest::addColumn<QString>("written"); // then written by code, when not null
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, int limit, const char* before, const char* keys,
                            const char* written, int changes, const char* after) {
            QTest::newRow(name) << limit << QString(before) << QString(keys)
                                << (written ? QString(written) : QString()) << changes
                                << QString(after);
        };
        row("code write", 0, "12", "", "13", 1, "13");
        row("code write of the same text", 0, "12", "", "12", 0, "12");
        row("code write of the empty text", 0, "12", "", "", 1, "");
        row("typing, one change a key", 0, "", "abc", nullptr, 3, "abc");
        row("typing then the typed text again", 0, "", "ab", "ab", 2, "ab");
        row("no limit", 0, "", "Chevalier", nullptr, 9, "Chevalier");
        row("typing stops at the limit", 5, "", "abcdefgh", nullptr, 5, "abcde");
        row("code writes longer", 5, "", "", "abcdefgh", 1, "abcdefgh");
        row("typing at a long text refused", 5, "abcdefgh", "xy", nullptr, 0, "abcdefgh");
        row("a long text shortened", 5, "abcdefgh", "<<", nullptr, 2, "abcdef");
        row("shortened below, then typed up to the limit", 5, "abcdef", "<<xyz", nullptr, 3,
            "abcdx");
        row("paste cut to the limit", 5, "ab", "^", nullptr, 1, "abPAS");
        row("paste at the limit refused", 5, "abcde", "^", nullptr, 0, "abcde");
        row("capped, then typed at the limit", 2, "", "995<2", nullptr, 5, "12");
    }
    void textBox() {
        QFETCH(int, limit);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, written);
        QFETCH(int, changes);
        QFETCH(QString, after);
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("courage")));
        box->setMaxLength(3);
        box->setMaxLength(limit);
        box->setText(before);
        host.show();
        int seen = 0;
        bool acting = false;
        box->onChange([&] {
            ++seen;
            QVERIFY(acting); // nested in the key or the write, not after it
            if (box->value() > 13) box->setText(QStringLiteral("13"));
        });
        box->setFocus();
        box->end(false);
        QApplication::clipboard()->setText(QStringLiteral("PASTE"));
        acting = true;
        for (QChar key : keys) {
            if (key == u'<')
                QTest::keyClick(box, Qt::Key_Backspace);
            else if (key == u'^')
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClicks(box, QString(key));
        }
        if (!written.isNull()) box->setText(written);
        acting = false;
        QCOMPARE(seen, changes);
        QCOMPARE(box->text(), after);
    }

    void textBoxValue() {
        TextBox box(QStringLiteral("force"));
        QString seen;
        box.onChange([&] { seen = box.text(); });
        box.setValue(12.5);
        QCOMPARE(seen, QStringLiteral("12.5"));
        box.setText(QStringLiteral("  7 kg"));
        QCOMPARE(box.value(), 7.0);
    }

    void memoBoxChange() {
        MemoBox notes(QStringLiteral("notes"));
        int seen = 0;
        notes.onChange([&] { ++seen; });
        notes.setText(QStringLiteral("Une corde"));
        notes.setText(QStringLiteral("Une corde"));
        QCOMPARE(seen, 1);
        QCOMPARE(notes.text(), QStringLiteral("Une corde"));
    }

    // --- Combo boxes -------------------------------------------------------------------------

    // A sorted combo holding Poire, Pomme, Prune, driven by a script: its words are typed, ">"
    // types into the text part, "=" writes from code; Return, Enter (in the text part), Down,
    // Up, wheel, away (the focus), pickN (the mouse), fill and fillall (four entries one at a
    // time or at once), clear (the list).
    //  - Click is a user's choice from the list, and nothing else; it reads the chosen entry.
    //  - Typing is neither completed nor inserted into the list.
    //  - A list selects only the entry of a written text's exact case, with no Change.
    //  - Filling keeps the order, the text and the chosen entry, selects none and runs no
    //    Change; clearing empties the text, with a Change only when an editable text was there.
    void combo_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clicks"); // the text each Click saw
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current"); // the entry selected, when not null
        const auto row = [](const QString& name, bool list, const QString& script,
                            const char* clicks, int changes, const char* text,
                            const char* current = nullptr) {
            QTest::newRow(qPrintable(name)) << list << script << QString(clicks) << changes
                                            << QString(text) << QString(current);
        };
        row("Enter on an entry's text", false, "Poire Return", "", 5, "Poire");
        row("Enter in the text part", false, ">Poire Enter", "", 5, "Poire");
        row("focus loss on an entry's text", false, "Poire away", "", 5, "Poire");
        row("code write then focus loss", false, "=Poire away", "", 1, "Poire");
        row("mouse wheel", false, "wheel", "", 0, "");
        row("typing an entry's beginning", false, "Po", "", 2, "Po");
        row("a new name entered", false, "Aldric Return away", "", 6, "Aldric");
        row("arrow key", false, "Down", "Poire", 0, "Poire");
        row("mouse pick", false, "pick1", "Pomme", 0, "Pomme");
        row("list: mouse pick, then arrow key", true, "pick2 Up", "Prune|Pomme", 0, "Pomme");
        row("editable, an entry written", false, "=Prune =Prune", "", 1, "Prune");
        row("editable, any text written", false, "=Cerise =Cerise", "", 1, "Cerise");
        row("list, an entry written", true, "=Prune =Prune", "", 0, "Prune", "Prune");
        row("list, another case written", true, "=prune", "", 0, "", "");
        row("list, no entry written", true, "=Cerise", "", 0, "", "");
        row("editable, cleared", false, "=Poire clear", "", 2, "", "");
        row("editable, empty, cleared", false, "clear", "", 0, "", "");
        row("list, cleared", true, "=Poire clear", "", 0, "", "");
        for (const QString fill : {"fill", "fillall"}) {
            row("editable, empty list filled: " + fill, false, "clear " + fill, "", 0, "", "");
            row("editable, typed: " + fill, false, "Poi " + fill, "", 3, "Poi", "");
            row("editable, picked: " + fill, false, "pick1 " + fill, "Pomme", 0, "Pomme", "Pomme");
            row("editable, picked then edited: " + fill, false, "pick1 x " + fill, "Pomme", 1,
                "Pommex", "Pomme");
            row("list, empty list filled: " + fill, true, "clear " + fill, "", 0, "", "");
            row("list, chosen: " + fill, true, "pick2 " + fill, "Prune", 0, "Prune", "Prune");
        }
    }
    void combo() {
        QFETCH(bool, list);
        QFETCH(QString, script);
        QFETCH(QString, clicks);
        QFETCH(int, changes);
        QFETCH(QString, text);
        QFETCH(QString, current);
        Host host;
        auto* box = host.add(new ComboBox(
            QStringLiteral("melee1"), list ? ComboBox::Style::List : ComboBox::Style::Editable));
        box->setSorted(true);
        for (const QString& fruit : fruits)
            box->addItem(fruit);
        QStringList seen;
        int changed = 0, count = 3;
        box->onChange([&] { ++changed; });
        box->onClick([&] { seen << box->text(); });
        host.show();
        box->setFocus();
        // Before, between and after the entries in the name order.
        const QStringList more = {"Abricot", "Pêche", "Raisin", "Figue"};
        // clang-format off
        const std::map<QString, std::function<void()>> steps{
            {"Return", [&] { QTest::keyClick(box, Qt::Key_Return); }},
            {"Enter", [&] { QTest::keyClick(box->lineEdit(), Qt::Key_Enter); }},
            {"Down", [&] { QTest::keyClick(box, Qt::Key_Down); }},
            {"Up", [&] { QTest::keyClick(box, Qt::Key_Up); }},
            {"wheel", [&] { wheel(box); }},
            {"away", [&] { host.elsewhere->setFocus(); }},
            {"pick1", [&] { pickFromList(box, 1); }},
            {"pick2", [&] { pickFromList(box, 2); }},
            {"fill", [&] { for (const QString& item : more) box->addItem(item), ++count; }},
            {"fillall", [&] { box->addItems(more), count += 4; }},
            {"clear", [&] { box->clearList(), count = 0; }}};
        // clang-format on
        for (const QString& step : script.split(u' ')) {
            if (steps.contains(step))
                steps.at(step)();
            else if (step.startsWith(u'='))
                box->setText(step.mid(1));
            else if (step.startsWith(u'>'))
                QTest::keyClicks(box->lineEdit(), step.mid(1));
            else
                QTest::keyClicks(box, step);
        }
        QCOMPARE(seen.join(u'|'), clicks);
        QCOMPARE(changed, changes);
        QCOMPARE(box->text(), text);
        if (!current.isNull())
            QCOMPARE(box->currentIndex() < 0 ? QString() : box->list(box->currentIndex()), current);
        QStringList items, sorted;
        for (int i = 0; i < box->listCount(); ++i)
            items << box->list(i);
        sortNames(sorted = items);
        QCOMPARE(items, sorted);
        QCOMPARE(items.size(), count);
    }

    // The order of the file lists, so one item sits at the same place in every list, whether
    // the names come one at a time or many at once, merged into those already there.
    void comboSortsAsFileListsDo() {
        const QStringList words = {"beta",  "Épée",  "Alpha", "gamma", "Zibeline",
                                   "Delta", "alpha", "Epieu", "écu"};
        const QStringList parts = {"é", "E", "e", "œ",  "Œ", "-", ".", " ", "'",
                                   "a", "A", "1", "10", "ß", "ç", "C", "ÿ", "z"};
        QStringList names = words;
        for (int i = 0; i < 3000; ++i)
            names << parts[i % 18] + parts[(i * 7) % 18] + parts[(i * 13 / 5) % 18];
        ComboBox one(QStringLiteral("un")), many(QStringLiteral("plusieurs"));
        for (ComboBox* box : {&one, &many})
            box->setSorted(true);
        for (const QStringList& half : {names.mid(0, 1500), names.mid(1500)}) {
            for (const QString& name : half)
                one.addItem(name);
            many.addItems(half);
        }
        sortNames(names);
        for (const ComboBox* box : {&one, &many})
            for (int i = 0; i < names.size(); ++i)
                QCOMPARE(box->list(i), names[i]);
        QStringList order = names;
        order.removeIf([&](const QString& name) { return !words.contains(name); });
        QCOMPARE(order.join(u' '), "Alpha alpha beta Delta écu Épée Epieu gamma Zibeline");
        QCOMPARE(one.list(names.size()), QString());
    }

    // --- Option buttons ----------------------------------------------------------------------

    // At most one option of a group is set, and none may be; Click runs when one is set, from
    // code, the mouse or the keyboard, even when it already was. The fourth option, of another
    // group on the same window, is left alone.
    void optionGroup() {
        Host host;
        OptionGroup group, other;
        OptionButton* options[4];
        int clicks[4] = {0, 0, 0, 0};
        for (int i = 0; i < 4; ++i) {
            options[i] = host.add(new OptionButton(QStringLiteral("Option%1").arg(i + 1),
                                                   QStringLiteral("Choix %1").arg(i + 1),
                                                   i < 3 ? group : other));
            options[i]->onClick([&clicks, i] { ++clicks[i]; });
        }
        host.show();
        const auto state = [&] { // the values, then the clicks
            QString values, counts;
            for (int i = 0; i < 4; ++i)
                values += options[i]->value() ? u'1' : u'0', counts += QString::number(clicks[i]);
            return values + u'/' + counts;
        };
        options[3]->setValue(true);
        QCOMPARE(state(), "0001/0001");
        options[1]->setValue(true);
        QCOMPARE(state(), "0101/0101");
        clickOption(options[1]);
        QCOMPARE(state(), "0101/0201");
        clickOption(options[2]);
        QCOMPARE(state(), "0011/0211");
        options[0]->setFocus();
        QTest::keyClick(options[0], Qt::Key_Space);
        QCOMPARE(state(), "1001/1211");
        options[0]->setValue(false);
        QCOMPARE(state(), "0001/1211");
    }

    // --- Check boxes, labels, buttons and menus -----------------------------------------------

    // A check box runs Click when its value changes, from code or the mouse; a label on a left
    // button released over it; a command button on the mouse and the space bar.
    void clicks() {
        Host host;
        auto* box = host.add(new CheckBox(QStringLiteral("fichier"), QStringLiteral("Fichier")));
        auto* label = host.add(new Label(QStringLiteral("Label16"), QStringLiteral(" Escalade")));
        auto* button = host.add(new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok")));
        QStringList seen; // Click by Click: the value the box saw, the label, the button
        box->onClick([&] { seen << QString::number(box->value()); });
        label->onClick([&] { seen << QStringLiteral("label"); });
        button->onClick([&] { seen << QStringLiteral("button"); });
        host.show();
        for (bool value : {false, true, true})
            box->setValue(value);
        QTest::mouseClick(box, Qt::LeftButton);
        for (bool value : {false, true})
            box->setValue(value);
        QTest::mouseClick(label, Qt::LeftButton);
        QTest::mouseClick(label, Qt::RightButton);
        QTest::mousePress(label, Qt::LeftButton); // and released away from it
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(seen.join(u' '), "1 0 1 label"); // the press alone does nothing yet
        QTest::mouseRelease(label, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(seen.join(u' '), "1 0 1 label label button button");
    }

    // Triggering an entry leaves its mark to the handler, which sets it once; an entry never
    // marked shows no mark.
    void menuMarks_data() {
        QTest::addColumn<int>("marked"); // -1: never
        QTest::addColumn<bool>("handlerFlips");
        QTest::newRow("never marked") << -1 << false;
        QTest::newRow("marked, handler leaves it") << 1 << false;
        QTest::newRow("unmarked, handler leaves it") << 0 << false;
        QTest::newRow("marked, handler clears it") << 1 << true;
        QTest::newRow("unmarked, handler sets it") << 0 << true;
    }
    void menuMarks() {
        QFETCH(int, marked);
        QFETCH(bool, handlerFlips);
        const bool after = (marked == 1) != handlerFlips;
        QMenu menu;
        auto* entry = new MenuEntry(QStringLiteral("pause1"), QStringLiteral("1 seconde"), &menu);
        menu.addAction(entry);
        if (marked >= 0) entry->setChecked(marked == 1);
        QList<bool> seen; // the mark as the handler found it
        entry->onClick([&] {
            seen << entry->checked();
            if (handlerFlips) entry->setChecked(!entry->checked());
        });
        entry->trigger();
        QCOMPARE(seen, QList<bool>({marked == 1}));
        QCOMPARE(entry->checked(), after);
        QCOMPARE(entry->isChecked(), after);
        QCOMPARE(entry->isCheckable(), marked >= 0 || handlerFlips);
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
