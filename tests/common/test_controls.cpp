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

struct Counts {
    int change = 0;
    int click = 0;
};

enum class ComboAction {
    Enter,
    EnterInTheTextPart,
    FocusLoss,
    CodeWriteThenFocusLoss,
    Wheel,
    FillList,
    ArrowDown,
    MousePick,
    TypeText
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

    void textBoxChange_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("typed");   // typed at the end, when not empty
        QTest::addColumn<QString>("written"); // then written by code, when not null
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("after");
        QTest::newRow("code write") << "12"
                                    << ""
                                    << "13" << 1 << "13";
        QTest::newRow("code write of the same text") << "12"
                                                     << ""
                                                     << "12" << 0 << "12";
        QTest::newRow("code write of the empty text") << "12"
                                                      << ""
                                                      << "" << 1 << "";
        QTest::newRow("typing, one change a key") << ""
                                                  << "abc" << QString() << 3 << "abc";
        QTest::newRow("typing then the typed text again") << ""
                                                          << "ab"
                                                          << "ab" << 2 << "ab";
    }
    void textBoxChange() {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(int, changes);
        QFETCH(QString, after);
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("force")));
        box->setText(before);
        host.show();
        int seen = 0;
        bool writing = false;
        box->onChange([&] {
            ++seen;
            // Nested in the write: the new text is there, and the write has not returned.
            QVERIFY(typed.size() > 0 || writing);
        });
        box->setFocus();
        box->end(false);
        QTest::keyClicks(box, typed);
        if (!written.isNull()) {
            writing = true;
            box->setText(written);
            writing = false;
        }
        QCOMPARE(seen, changes);
        QCOMPARE(box->text(), after);
    }

    // Leave runs once the user leaves a box he typed in, however he leaves it, but not when a
    // message its Change shows takes the focus; a code write ends the typing. Each Change
    // tells a key (T) from a write (W).
    void textBoxLeave_data() {
        QTest::addColumn<QString>("row"); // steps | leaves | changes
        for (const char* row :
             {"type tab|1|T", "type enter|1|T", "type window|1|T", "type tab back type tab|2|TT",
              "tab|0|", "type write tab|0|TW", "message type back tab|1|T"})
            QTest::newRow(row) << QString(row);
    }
    void textBoxLeave() {
        QFETCH(QString, row);
        const QStringList cells = row.split(u'|');
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("piecesor")));
        host.show();
        // Another window taking the focus, as a message box does.
        QWidget other;
        const auto focusElsewhere = [&] {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
        };
        int left = 0;
        QString seen;
        bool messageOnChange = false;
        box->onChange([&] {
            seen += box->beingTyped() ? u'T' : u'W';
            if (std::exchange(messageOnChange, false)) focusElsewhere();
        });
        box->onLeave([&] {
            ++left;
            QVERIFY(!box->beingTyped());
        });
        box->setFocus();
        for (const QString& step : cells[0].split(u' ')) {
            if (step == u"type") {
                QTest::keyClick(box, 'x');
            } else if (step == u"write") {
                box->setText(box->text() + u'w');
            } else if (step == u"tab") {
                QTest::keyClick(box, Qt::Key_Tab);
            } else if (step == u"enter") {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (step == u"back") {
                host.window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&host.window));
                QTest::mouseClick(box, Qt::LeftButton);
            } else if (step == u"message") {
                messageOnChange = true;
            } else {
                focusElsewhere();
            }
        }
        QCOMPARE(left, cells[1].toInt());
        QCOMPARE(seen, cells[2]);
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

    // A maximum length refuses typing beyond it and cuts a paste to it; code may write longer
    // texts, which the user can still shorten but not lengthen.
    void maxLength_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("keys"); // "<" is a backspace, "^" pastes "PASTE"
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changes");
        QTest::newRow("typing stops at the limit") << ""
                                                   << "abcdefgh"
                                                   << "abcde" << 5;
        QTest::newRow("code writes longer") << "abcdefgh"
                                            << ""
                                            << "abcdefgh" << 1;
        QTest::newRow("typing at a long text refused") << "abcdefgh"
                                                       << "xy"
                                                       << "abcdefgh" << 1;
        QTest::newRow("a long text shortened") << "abcdefgh"
                                               << "<<"
                                               << "abcdef" << 3;
        QTest::newRow("shortened below, then typed up to the limit") << "abcdef"
                                                                     << "<<xyz"
                                                                     << "abcdx" << 4;
        QTest::newRow("paste cut to the limit") << "ab"
                                                << "^"
                                                << "abPAS" << 2;
        QTest::newRow("paste at the limit refused") << "abcde"
                                                    << "^"
                                                    << "abcde" << 1;
    }
    void maxLength() {
        QFETCH(QString, written);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(int, changes);
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("nom")));
        box->setMaxLength(5);
        int seen = 0;
        box->onChange([&] { ++seen; });
        host.show();
        box->setText(written);
        box->setFocus();
        box->end(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("PASTE"));
        for (QChar key : keys) {
            if (key == u'<')
                QTest::keyClick(box, Qt::Key_Backspace);
            else if (key == u'^')
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClicks(box, QString(key));
        }
        QCOMPARE(box->text(), after);
        QCOMPARE(seen, changes);
    }

    void maxLengthZeroIsNoLimit() {
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("autre")));
        box->setMaxLength(3);
        box->setMaxLength(0);
        host.show();
        QTest::keyClicks(box, QStringLiteral("Chevalier"));
        QCOMPARE(box->text(), QStringLiteral("Chevalier"));
    }

    // A Change handler that writes its own box back (a cap) leaves the limit working.
    void maxLengthAfterAWriteBack() {
        Host host;
        auto* box = host.add(new TextBox(QStringLiteral("courage")));
        box->setMaxLength(2);
        box->onChange([box] {
            if (box->value() > 13) box->setText(QStringLiteral("13"));
        });
        host.show();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("9"));
        QTest::keyClicks(box, QStringLiteral("9"));
        QCOMPARE(box->text(), QStringLiteral("13"));
        QTest::keyClicks(box, QStringLiteral("5"));
        QCOMPARE(box->text(), QStringLiteral("13"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QStringLiteral("2"));
        QCOMPARE(box->text(), QStringLiteral("12"));
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

    // Click is a user's choice from the list, and nothing else.
    void comboClick_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, ComboAction action, int clicks, int changes,
                            const QString& text) {
            QTest::newRow(name) << int(action) << clicks << changes << text;
        };
        row("Enter on an entry's text", ComboAction::Enter, 0, 5, "Poire");
        row("Enter in the text part", ComboAction::EnterInTheTextPart, 0, 5, "Poire");
        row("focus loss on an entry's text", ComboAction::FocusLoss, 0, 5, "Poire");
        row("code write then focus loss", ComboAction::CodeWriteThenFocusLoss, 0, 1, "Poire");
        row("mouse wheel", ComboAction::Wheel, 0, 0, "");
        row("filling the list", ComboAction::FillList, 0, 0, "");
        row("typing an entry's beginning", ComboAction::TypeText, 0, 2, "Po");
        row("arrow key", ComboAction::ArrowDown, 1, 0, "Pomme");
        row("mouse pick", ComboAction::MousePick, 1, 0, "Poire");
    }
    void comboClick() {
        QFETCH(int, action);
        QFETCH(int, clicks);
        QFETCH(int, changes);
        QFETCH(QString, text);
        Host host;
        auto* box = host.add(new ComboBox(QStringLiteral("melee1")));
        for (const QString& fruit : fruits)
            box->addItem(fruit);
        Counts counts;
        box->onChange([&] { ++counts.change; });
        box->onClick([&] { ++counts.click; });
        host.show();
        box->setFocus();
        switch (ComboAction(action)) {
        case ComboAction::Enter:
            QTest::keyClicks(box, QStringLiteral("Poire"));
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case ComboAction::EnterInTheTextPart:
            QTest::keyClicks(box->lineEdit(), QStringLiteral("Poire"));
            QTest::keyClick(box->lineEdit(), Qt::Key_Enter);
            break;
        case ComboAction::FocusLoss:
            QTest::keyClicks(box, QStringLiteral("Poire"));
            host.elsewhere->setFocus();
            break;
        case ComboAction::CodeWriteThenFocusLoss:
            box->setText(QStringLiteral("Poire"));
            host.elsewhere->setFocus();
            break;
        case ComboAction::Wheel:
            wheel(box);
            break;
        case ComboAction::FillList:
            box->addItem(QStringLiteral("Abricot"));
            break;
        case ComboAction::TypeText:
            QTest::keyClicks(box, QStringLiteral("Po"));
            break;
        case ComboAction::ArrowDown:
            QTest::keyClick(box, Qt::Key_Down);
            break;
        case ComboAction::MousePick:
            pickFromList(box, 1);
            break;
        }
        QCOMPARE(counts.click, clicks);
        QCOMPARE(counts.change, changes);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->listCount(), action == int(ComboAction::FillList) ? 4 : 3);
    }

    // The Click handler reads the chosen entry as the combo's text.
    void comboClickSeesTheChoice() {
        Host host;
        auto* box = host.add(new ComboBox(QStringLiteral("sexe"), ComboBox::Style::List));
        for (const QString& fruit : fruits)
            box->addItem(fruit);
        QString seen;
        box->onClick([&] { seen = box->text(); });
        host.show();
        pickFromList(box, 2);
        QCOMPARE(seen, QStringLiteral("Prune"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Up);
        QCOMPARE(seen, QStringLiteral("Poire"));
    }

    void comboTypingIsNeitherCompletedNorInserted() {
        Host host;
        auto* box = host.add(new ComboBox(QStringLiteral("nom")));
        box->addItem(QStringLiteral("Aldaron"));
        host.show();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("Ald"));
        QCOMPARE(box->text(), QStringLiteral("Ald"));
        QTest::keyClicks(box, QStringLiteral("ric"));
        QTest::keyClick(box, Qt::Key_Return);
        host.elsewhere->setFocus();
        QCOMPARE(box->text(), QStringLiteral("Aldric"));
        QCOMPARE(box->listCount(), 1);
        QCOMPARE(box->currentIndex(), -1);
    }

    // Filling never replaces the text nor selects; a chosen entry stays chosen.
    void comboFillKeepsTextAndSelection_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("picked"); // -1: none
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current"); // the selected entry after filling, or none
        QTest::addColumn<bool>("atOnce"); // addItems() rather than addItem() for each
        const int editable = int(ComboBox::Style::Editable);
        const int list = int(ComboBox::Style::List);
        for (bool atOnce : {false, true}) {
            const auto row = [atOnce](const char* name) {
                return std::ref(QTest::addRow("%s%s", name, atOnce ? ", at once" : ""));
            };
            row("editable, empty") << editable << "" << -1 << "" << QString() << atOnce;
            row("editable, typed") << editable << "Poi" << -1 << "Poi" << QString() << atOnce;
            // Sorted: Poire, Pomme, Prune.
            row("editable, picked") << editable << "" << 1 << "Pomme" << "Pomme" << atOnce;
            row("editable, picked then edited")
                << editable << "x" << 1 << "Pommex" << "Pomme" << atOnce;
            row("list, nothing chosen") << list << "" << -1 << "" << QString() << atOnce;
            row("list, chosen") << list << "" << 2 << "Prune" << "Prune" << atOnce;
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

    // The same order as the file lists, so one item sits at the same place in every list.
    void comboSortsAsFileListsDo() {
        ComboBox box(QStringLiteral("nom"));
        box.setSorted(true);
        const QStringList names = {"beta", "Épée", "Alpha", "gamma", "Zibeline", "Delta",
                                   "alpha", "Epieu", "écu"};
        for (const QString& name : names)
            box.addItem(name);
        QStringList order;
        for (int i = 0; i < box.listCount(); ++i)
            order << box.list(i);
        QStringList sorted = names;
        sortNames(sorted);
        QCOMPARE(order, sorted);
        QCOMPARE(order.mid(0, 4), QStringList({"Alpha", "alpha", "beta", "Delta"}));
        QVERIFY(order.indexOf("Épée") < order.indexOf("gamma"));
        QCOMPARE(box.list(names.size()), QString());
    }

    // Many names sorted and merged at once keep the order of one comparison at a time.
    void manyNamesKeepTheOrder() {
        const QStringList parts = {"é", "E", "e", "œ", "Œ", "-", ".", " ", "'", "a", "A", "1",
                                   "10", "ß", "ç", "C", "ÿ", "z"};
        QStringList names;
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
        std::stable_sort(names.begin(), names.end(), nameBefore);
        for (const ComboBox* box : {&one, &many})
            for (int i = 0; i < names.size(); ++i)
                QCOMPARE(box->list(i), names[i]);
    }

    void comboClearList_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("changes");
        QTest::newRow("editable with a text") << int(ComboBox::Style::Editable) << "Poire" << 1;
        QTest::newRow("editable, empty text") << int(ComboBox::Style::Editable) << "" << 0;
        QTest::newRow("list with a choice") << int(ComboBox::Style::List) << "Poire" << 0;
    }
    void comboClearList() {
        QFETCH(int, style);
        QFETCH(QString, written);
        QFETCH(int, changes);
        ComboBox box(QStringLiteral("equip1"), ComboBox::Style(style));
        for (const QString& fruit : fruits)
            box.addItem(fruit);
        box.setText(written);
        int seen = 0;
        box.onChange([&] { ++seen; });
        box.clearList();
        QCOMPARE(box.listCount(), 0);
        QCOMPARE(box.text(), QString());
        QCOMPARE(box.currentIndex(), -1);
        QCOMPARE(seen, changes);
    }

    void comboCodeWrites_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("changes");
        const int editable = int(ComboBox::Style::Editable);
        const int list = int(ComboBox::Style::List);
        QTest::newRow("editable, an entry") << editable << "Prune"
                                            << "Prune" << 1;
        QTest::newRow("editable, any text") << editable << "Cerise"
                                            << "Cerise" << 1;
        QTest::newRow("list, an entry") << list << "Prune"
                                        << "Prune" << 0;
        QTest::newRow("list, another case") << list << "prune"
                                            << "" << 0;
        QTest::newRow("list, no entry") << list << "Cerise"
                                        << "" << 0;
    }
    void comboCodeWrites() {
        QFETCH(int, style);
        QFETCH(QString, written);
        QFETCH(QString, text);
        QFETCH(int, changes);
        ComboBox box(QStringLiteral("sexe"), ComboBox::Style(style));
        for (const QString& fruit : fruits)
            box.addItem(fruit);
        Counts counts;
        box.onChange([&] { ++counts.change; });
        box.onClick([&] { ++counts.click; });
        box.setText(written);
        box.setText(written);
        QCOMPARE(box.text(), text);
        QCOMPARE(counts.change, changes);
        QCOMPARE(counts.click, 0);
    }

    // --- Option buttons and check boxes ------------------------------------------------------

    void optionGroup() {
        Host host;
        OptionGroup group;
        OptionButton* options[3];
        int clicks[3] = {0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            options[i] = host.add(new OptionButton(QStringLiteral("Option%1").arg(i + 1),
                                                   QStringLiteral("Choix %1").arg(i + 1), group));
            options[i]->onClick([&clicks, i] { ++clicks[i]; });
        }
        host.show();
        const auto set = [&] {
            QList<bool> values;
            for (OptionButton* option : options)
                values << option->value();
            return values;
        };
        QCOMPARE(set(), QList<bool>({false, false, false}));

        options[1]->setValue(true); // from code: runs its Click
        QCOMPARE(set(), QList<bool>({false, true, false}));
        QCOMPARE(clicks[1], 1);

        clickOption(options[1]); // the set one stays set
        QCOMPARE(set(), QList<bool>({false, true, false}));
        QCOMPARE(clicks[1], 2);

        clickOption(options[2]);
        QCOMPARE(set(), QList<bool>({false, false, true}));
        QCOMPARE(clicks[2], 1);
        QCOMPARE(clicks[1], 2);

        options[0]->setFocus();
        QTest::keyClick(options[0], Qt::Key_Space);
        QCOMPARE(set(), QList<bool>({true, false, false}));
        QCOMPARE(clicks[0], 1);

        options[0]->setValue(false); // none set, and no Click
        QCOMPARE(set(), QList<bool>({false, false, false}));
        QCOMPARE(clicks[0], 1);
    }

    // Two groups on one window do not clear each other.
    void optionGroupsAreApart() {
        Host host;
        OptionGroup types, filters;
        auto* nain =
            host.add(new OptionButton(QStringLiteral("nain"), QStringLiteral("Nain"), types));
        auto* elfe =
            host.add(new OptionButton(QStringLiteral("elfe"), QStringLiteral("Elfe"), types));
        auto* tout =
            host.add(new OptionButton(QStringLiteral("Option4"), QStringLiteral("Tout"), filters));
        host.show();
        nain->setValue(true);
        tout->setValue(true);
        clickOption(elfe);
        QVERIFY(!nain->value());
        QVERIFY(elfe->value());
        QVERIFY(tout->value());
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
        QCOMPARE(button->objectName(), QStringLiteral("ok"));
    }

    // Triggering an entry leaves its mark to the handler, which sets it once.
    void menuMarks_data() {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<bool>("handlerFlips");
        QTest::addColumn<bool>("after");
        QTest::newRow("marked, handler leaves it") << true << false << true;
        QTest::newRow("unmarked, handler leaves it") << false << false << false;
        QTest::newRow("marked, handler clears it") << true << true << false;
        QTest::newRow("unmarked, handler sets it") << false << true << true;
    }
    void menuMarks() {
        QFETCH(bool, marked);
        QFETCH(bool, handlerFlips);
        QFETCH(bool, after);
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
