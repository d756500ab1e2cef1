#pragma once
// The controls every window is built from: thin Qt widgets that raise their events the way the
// program's handlers expect them.
//  - A text box's Change runs nested in the write, typed or written by code, only when its text
//    really changes. A maximum length limits typing only. Its Leave runs when the user leaves
//    it (Tab, a click elsewhere, Enter, another window) after typing in it.
//  - A combo box's Change runs on typing and on code writes of its text; its Click only when
//    the user picks an entry of its list (mouse or arrow keys): never from code, Enter, focus
//    loss or the mouse wheel. Filling its list never replaces its text nor selects an entry.
//  - Selecting an option button or changing a check box's value from code runs its Click.
// Every handler runs inside runEvent(), so an untrapped error is shown and the program goes on.
#include "common/textnum.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

class QStringListModel;

using Handler = std::function<void()>;

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(const QString& name, QWidget* parent = nullptr);

    double value() const; // leading numeric value of the text
    void setValue(double value) { setText(textnum::fmt(value)); }
    // Typing only: code may write longer texts. 0 removes the limit.
    void setMaxLength(int length);
    void onChange(Handler handler) { change_ = std::move(handler); }
    void onLeave(Handler handler) { leave_ = std::move(handler); }

    // Whether the text is the user's typing: true from his first key until he leaves the box
    // or code writes it. A Change handler asks it to tell a key from a write.
    bool beingTyped() const { return isModified(); }

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void left();
    Handler change_;
    Handler leave_;
    int changing_ = 0; // Change handlers of this box running, nested ones included
};

// A multi-line text box (the notes). Same Change rule as TextBox.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit MemoBox(const QString& name, QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text);
    void onChange(Handler handler) { change_ = std::move(handler); }

  private:
    QString last_;
    Handler change_;
};

class ComboBox : public QComboBox {
    Q_OBJECT
  public:
    enum class Style { Editable, List };
    explicit ComboBox(const QString& name, Style style = Style::Editable,
                      QWidget* parent = nullptr);

    QString text() const;
    // Editable: writes the text (Change when it differs). List: selects the entry with this
    // exact text, or none.
    void setText(const QString& text);

    void addItem(const QString& item); // keeps the text; a sorted list sorts without case
    // The same as addItem() for each, in one insertion. `items` may be said to be in name
    // order already, so that many lists given the same names sort them once.
    enum class Order { Any, Sorted };
    void addItems(const QStringList& items, Order order = Order::Any);
    void clearList();                  // empties the list and the text
    void clearItems();                 // empties the list only: the text stays, no Change runs
    int listCount() const { return count(); }
    QString list(int index) const { return itemText(index); }
    void setSorted(bool sorted) { sorted_ = sorted; }
    bool isSorted() const { return sorted_; }

    void onChange(Handler handler) { change_ = std::move(handler); }
    void onClick(Handler handler) { click_ = std::move(handler); }

  protected:
    void wheelEvent(QWheelEvent* event) override;

  private:
    void runChange();
    QStringListModel* names_;
    bool sorted_ = false;
    Handler change_;
    Handler click_;
};

// Adds the same names to each list, sorted once: the fast way to fill many lists with a
// catalogue.
void addItems(const std::vector<ComboBox*>& lists, const QStringList& items);

class OptionButton;

// Option buttons of one frame: at most one set, and none may be.
class OptionGroup {
  public:
    void add(OptionButton* button) { buttons_.push_back(button); }
    void clearExcept(OptionButton* kept);
    const std::vector<OptionButton*>& buttons() const { return buttons_; }

  private:
    std::vector<OptionButton*> buttons_;
};

class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    OptionButton(const QString& name, const QString& caption, OptionGroup& group,
                 QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    // true selects it (the others of its group are cleared) and runs Click; false clears it.
    void setValue(bool selected);
    void onClick(Handler handler) { click_ = std::move(handler); }

  protected:
    void nextCheckState() override;

  private:
    OptionGroup& group_;
    Handler click_;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    CheckBox(const QString& name, const QString& caption, QWidget* parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool checked); // runs Click when the value changes
    void onClick(Handler handler) { click_ = std::move(handler); }

  private:
    Handler click_;
};

class Label : public QLabel {
    Q_OBJECT
  public:
    Label(const QString& name, const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void onClick(Handler handler) { click_ = std::move(handler); }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    Handler click_;
};

class CommandButton : public QPushButton {
    Q_OBJECT
  public:
    CommandButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
    void onClick(Handler handler) { click_ = std::move(handler); }

  private:
    Handler click_;
};

// A menu entry whose check mark only its handler sets.
class MenuEntry : public QAction {
    Q_OBJECT
  public:
    MenuEntry(const QString& name, const QString& caption, QObject* parent);

    bool checked() const { return mark_; }
    void setChecked(bool mark);
    void onClick(Handler handler) { click_ = std::move(handler); }

  private:
    bool mark_ = false;
    Handler click_;
};
