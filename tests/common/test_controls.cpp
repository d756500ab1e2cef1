#include "common/controls.h"
#include "common/filelists.h"
#include "support/recorders.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <memory>

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
    void init() { QGuiApplication::clipboard()->clear(); }

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
        QGuiApplication::clipboard()->setText(QStringLiteral("PASTE"));
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

    // Click is a user's choice from the list, and nothing else; it reads the chosen entry as
    // the combo's text. Typing is neither completed nor inserted into the list. The script
    // types its words, "=" writes from code, ">" types into the text part; Return, Enter (in
    // the text part), Down, Up, wheel, away (the focus), add (an entry), pickN (the mouse).
    void comboClick_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clicks"); // the text each Click saw
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, bool list, const char* script, const char* clicks,
                            int changes, const char* text) {
            QTest::newRow(name) << list << QString(script) << QString(clicks) << changes
                                << QString(text);
        };
        row("Enter on an entry's text", false, "Poire Return", "", 5, "Poire");
        row("Enter in the text part", false, ">Poire Enter", "", 5, "Poire");
        row("focus loss on an entry's text", false, "Poire away", "", 5, "Poire");
        row("code write then focus loss", false, "=Poire away", "", 1, "Poire");
        row("mouse wheel", false, "wheel", "", 0, "");
        row("filling the list", false, "add", "", 0, "");
        row("typing an entry's beginning", false, "Po", "", 2, "Po");
        row("a new name entered", false, "Aldric Return away", "", 6, "Aldric");
        row("arrow key", false, "Down", "Pomme", 0, "Pomme");
        row("mouse pick", false, "pick1", "Poire", 0, "Poire");
        row("list: mouse pick, then arrow key", true, "pick2 Up", "Prune|Poire", 0, "Poire");
    }
    void comboClick() {
        QFETCH(bool, list);
        QFETCH(QString, script);
        QFETCH(QString, clicks);
        QFETCH(int, changes);
        QFETCH(QString, text);
        Host host;
        auto* box = host.add(new ComboBox(
            QStringLiteral("melee1"), list ? ComboBox::Style::List : ComboBox::Style::Editable));
        for (const QString& fruit : fruits)
            box->addItem(fruit);
        QStringList seen;
        int changed = 0;
        box->onChange([&] { ++changed; });
        box->onClick([&] { seen << box->text(); });
        host.show();
        box->setFocus();
        const std::map<QString, std::function<void()>> steps{
            {"Return", [&] { QTest::keyClick(box, Qt::Key_Return); }},
            {"Enter", [&] { QTest::keyClick(box->lineEdit(), Qt::Key_Enter); }},
            {"Down", [&] { QTest::keyClick(box, Qt::Key_Down); }},
            {"Up", [&] { QTest::keyClick(box, Qt::Key_Up); }},
            {"wheel", [&] { wheel(box); }},
            {"away", [&] { host.elsewhere->setFocus(); }},
            {"add", [&] { box->addItem(QStringLiteral("Abricot")); }},
            {"pick1", [&] { pickFromList(box, 1); }},
            {"pick2", [&] { pickFromList(box, 2); }}};
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
        QCOMPARE(box->listCount(), script == u"add" ? 4 : 3);
    }

    // Filling never replaces the text nor selects; a chosen entry stays chosen.
    void comboFillKeepsTextAndSelection_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("picked"); // -1: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current"); // the selected entry after filling, or none
        QTest::addColumn<bool>("atOnce");     // addItems() rather than addItem() for each
        const int editable = int(ComboBox::Style::Editable);
        const int list = int(ComboBox::Style::List);
        for (bool atOnce : {false, true}) {
            const auto row = [atOnce](const char* name) {
                return std::ref(QTest::addRow("%s%s", name, atOnce ? ", at once" : ""));
            };
            row("editable, empty") << editable << "" << -1 << "" << QString() << atOnce;
            row("editable, typed") << editable << "Poi" << -1 << "Poi" << QString() << atOnce;
            // Sorted: Poire, Pomme, Prune.
            row("editable, picked") << editable << "" << 1 << "Pomme"
                                    << "Pomme" << atOnce;
            row("editable, picked then edited") << editable << "x" << 1 << "Pommex"
                                                << "Pomme" << atOnce;
            row("list, nothing chosen") << list << "" << -1 << "" << QString() << atOnce;
            row("list, chosen") << list << "" << 2 << "Prune"
                                << "Prune" << atOnce;
        }
    }
    void comboFillKeepsTextAndSelection() {
        QFETCH(int, style);
        QFETCH(QString, typed);
        QFETCH(int, picked);
        QFETCH(QString, text);
        QFETCH(QString, current);
        QFETCH(bool, atOnce);
        Host host;
        auto* box = host.add(new ComboBox(QStringLiteral("devotion"), ComboBox::Style(style)));
        box->setSorted(true);
        host.show();
        if (picked >= 0) {
            for (const QString& fruit : fruits)
                box->addItem(fruit);
            pickFromList(box, picked);
        }
        box->setFocus();
        QTest::keyClicks(box, typed);
        int changes = 0;
        box->onChange([&] { ++changes; });
        // Before, between and after the entries in the sorted order.
        const QStringList more = {"Abricot", "Pêche", "Raisin", "Figue"};
        if (atOnce)
            box->addItems(more);
        else
            for (const QString& item : more)
                box->addItem(item);
        QCOMPARE(box->listCount(), (picked >= 0 ? 3 : 0) + 4);
        QCOMPARE(box->list(0), QStringLiteral("Abricot"));
        QCOMPARE(box->text(), text);
        QCOMPARE(changes, 0);
        const QString selected =
            box->currentIndex() < 0 ? QString() : box->list(box->currentIndex());
        QCOMPARE(selected, current);
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

    // A write from code never runs Click. A list selects only the entry of that exact text;
    // emptying the list empties the text, with a Change when an editable text was there.
    void comboCodeWrites_data() {
        QTest::addColumn<bool>("list");
        QTest::addColumn<QString>("written"); // twice
        QTest::addColumn<bool>("cleared");    // then the list emptied
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        QTest::newRow("editable, an entry") << false << "Prune" << false << "Prune" << 1;
        QTest::newRow("editable, any text") << false << "Cerise" << false << "Cerise" << 1;
        QTest::newRow("list, an entry") << true << "Prune" << false << "Prune" << 0;
        QTest::newRow("list, another case") << true << "prune" << false << "" << 0;
        QTest::newRow("list, no entry") << true << "Cerise" << false << "" << 0;
        QTest::newRow("editable, cleared") << false << "Poire" << true << "" << 2;
        QTest::newRow("editable, empty, cleared") << false << "" << true << "" << 0;
        QTest::newRow("list, cleared") << true << "Poire" << true << "" << 0;
    }
    void comboCodeWrites() {
        QFETCH(bool, list);
        QFETCH(QString, written);
        QFETCH(bool, cleared);
        QFETCH(QString, text);
        QFETCH(int, changes);
        ComboBox box(QStringLiteral("sexe"),
                     list ? ComboBox::Style::List : ComboBox::Style::Editable);
        for (const QString& fruit : fruits)
            box.addItem(fruit);
        int changed = 0, clicks = 0;
        box.onChange([&] { ++changed; });
        box.onClick([&] { ++clicks; });
        box.setText(written);
        box.setText(written);
        if (cleared) box.clearList();
        QCOMPARE(box.text(), text);
        QCOMPARE(changed, changes);
        QCOMPARE(clicks, 0);
        QCOMPARE(box.listCount(), cleared ? 0 : 3);
        if (cleared) QCOMPARE(box.currentIndex(), -1);
    }

    // --- Option buttons and check boxes ------------------------------------------------------

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

    void checkBox() {
        Host host;
        auto* box = host.add(new CheckBox(QStringLiteral("fichier"), QStringLiteral("Fichier")));
        QList<bool> clicks; // the value each Click saw
        box->onClick([&] { clicks << box->value(); });
        host.show();
        box->setValue(false);
        box->setValue(true);
        box->setValue(true);
        QTest::mouseClick(box, Qt::LeftButton);
        box->setValue(false);
        box->setValue(true);
        QCOMPARE(clicks, QList<bool>({true, false, true}));
    }

    // --- Labels, buttons and menus -----------------------------------------------------------

    void labelClick() {
        Host host;
        auto* label = host.add(new Label(QStringLiteral("Label16"), QStringLiteral(" Escalade")));
        int clicks = 0;
        label->onClick([&] { ++clicks; });
        host.show();
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(clicks, 1);
        // Pressed on the label, released away from it: no click.
        QTest::mousePress(label, Qt::LeftButton);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(clicks, 1);
        // The press alone does nothing yet.
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        QTest::mouseRelease(label, Qt::LeftButton);
        QCOMPARE(clicks, 2);
    }

    void commandButton() {
        Host host;
        auto* button = host.add(new CommandButton(QStringLiteral("ok"), QStringLiteral("Ok")));
        int clicks = 0;
        button->onClick([&] { ++clicks; });
        host.show();
        QTest::mouseClick(button, Qt::LeftButton);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        QCOMPARE(clicks, 2);
    }

    // Triggering an entry leaves its mark to the handler, which sets it once.
    void menuMarks_data() {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("handlerFlips");
        QTest::newRow("marked, handler leaves it") << true << false;
        QTest::newRow("unmarked, handler leaves it") << false << false;
        QTest::newRow("marked, handler clears it") << true << true;
        QTest::newRow("unmarked, handler sets it") << false << true;
    }
    void menuMarks() {
        QFETCH(bool, marked);
        QFETCH(bool, handlerFlips);
        const bool after = marked != handlerFlips;
        QMenu menu;
        auto* entry = new MenuEntry(QStringLiteral("pause1"), QStringLiteral("1 seconde"), &menu);
        menu.addAction(entry);
        entry->setChecked(marked);
        QList<bool> seen; // the mark as the handler found it
        entry->onClick([&] {
            seen << entry->checked();
            if (handlerFlips) entry->setChecked(!entry->checked());
        });
        entry->trigger();
        QCOMPARE(seen, QList<bool>({marked}));
        QCOMPARE(entry->checked(), after);
        QCOMPARE(entry->isChecked(), after);
    }

    void menuEntryWithoutMark() {
        QMenu menu;
        auto* entry = new MenuEntry(QStringLiteral("menuabout"), QStringLiteral("A propos"), &menu);
        int clicks = 0;
        entry->onClick([&] { ++clicks; });
        entry->trigger();
        QCOMPARE(clicks, 1);
        QVERIFY(!entry->isCheckable());
        QVERIFY(!entry->checked());
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
