#include "common/controls.h"

#include "common/eventboundary.h"
#include "common/nameorder.h"

#include <QApplication>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QStringListModel>
#include <QValidator>
#include <QWheelEvent>

namespace {

void fire(const Handler& handler) {
    if (handler) runEvent(handler);
}

// Refuses typing that would make the text longer than the limit, and cuts a paste down to it,
// but lets the user shorten a longer text that code wrote. Code writes are never limited: Qt
// validates them too, but they are the only changes that leave the box unmodified.
class LengthLimit : public QValidator {
  public:
    LengthLimit(int limit, QLineEdit* edit) : QValidator(edit), limit_(limit), edit_(edit) {
        // Read back rather than taken from the signal: a Change handler may have written
        // the box again meanwhile.
        connect(edit, &QLineEdit::textChanged, this, [this] { before_ = edit_->text(); });
        before_ = edit->text();
    }
    State validate(QString& input, int& cursor) const override {
        if (!edit_->isModified() || input.size() <= limit_ || input.size() <= before_.size())
            return Acceptable;
        if (before_.size() >= limit_) return Invalid;
        // What was just inserted ends at the cursor: keep its beginning, up to the limit.
        const qsizetype excess = input.size() - limit_;
        const qsizetype from = cursor - excess;
        if (from < 0) return Invalid;
        input.remove(from, excess);
        cursor = static_cast<int>(from);
        return input == before_ ? Invalid : Acceptable;
    }

  private:
    int limit_;
    QLineEdit* edit_;
    QString before_;
};

} // namespace

// --- TextBox ---------------------------------------------------------------------------------

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] {
        ++changing_;
        fire(change_);
        --changing_;
    });
}

// Qt's own "modified" flag is the typing mark: every code write clears it, every key sets it.
// Leaving clears it too, so that a box its Leave left as it was is no longer typed in. Qt's
// editingFinished would not do: it is not raised again for the same typing, so a leave that
// came too early would swallow the real one.
void TextBox::left() {
    // A message that the box's own Change shows takes the focus for a moment only: the user
    // has not left, and the Change may still write the box.
    if (changing_ > 0 || !isModified()) return;
    setModified(false);
    fire(leave_);
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu opened on the box is no leaving.
    if (event->reason() != Qt::PopupFocusReason) left();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) left();
}

double TextBox::value() const {
    return textnum::val(text());
}

void TextBox::setMaxLength(int length) {
    setValidator(length > 0 ? new LengthLimit(length, this) : nullptr);
}

// --- MemoBox ---------------------------------------------------------------------------------

MemoBox::MemoBox(const QString& name, QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(name);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QString now = toPlainText();
        if (now == last_) return; // a format-only change is no change of the text
        last_ = now;
        fire(change_);
    });
}

void MemoBox::setText(const QString& text) {
    if (text != toPlainText()) setPlainText(text);
}

// --- ComboBox --------------------------------------------------------------------------------

ComboBox::ComboBox(const QString& name, Style style, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    // The list is held as one QStringList: a catalogue of ten thousand names is handed to the
    // box whole and shared, where one item object per name would be made for every list.
    names_ = new QStringListModel(this);
    setModel(names_);
    setInsertPolicy(QComboBox::NoInsert);
    if (style == Style::Editable) {
        // Qt makes a completer for every line edit given to a combo box that has none, and the
        // boxes never complete: the hero sheets hold some sixty of them. A line edit lent the
        // one shared completer gets none of its own, and then loses that one too. The popup
        // list is made when first opened.
        static QPointer<QCompleter> lent;
        if (!lent) lent = new QCompleter(qApp);
        auto* edit = new QLineEdit(this);
        edit->setCompleter(lent);
        setLineEdit(edit);
        setCompleter(nullptr);
        // Qt picks the entry matching the typed text on Enter and on focus loss, and calls it
        // a choice from the list: only the list itself may choose.
        disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
        disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] { runChange(); });
    }
    setCurrentIndex(-1);
    connect(this, &QComboBox::activated, this, [this] { fire(click_); });
}

QString ComboBox::text() const {
    if (isEditable()) return lineEdit()->text();
    return currentIndex() < 0 ? QString() : currentText();
}

void ComboBox::setText(const QString& text) {
    if (!isEditable()) {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        return;
    }
    if (text == lineEdit()->text()) return;
    setEditText(text);
    runChange();
}

void ComboBox::addItem(const QString& item) {
    const QString kept = text();
    const int keptIndex = currentIndex();
    int at = count();
    if (sorted_) {
        // After the names it does not come before: lists of a thousand items are filled often.
        int low = 0;
        while (low < at) {
            const int middle = (low + at) / 2;
            if (nameBefore(item, itemText(middle)))
                at = middle;
            else
                low = middle + 1;
        }
    }
    {
        const QSignalBlocker blocker(lineEdit());
        insertItem(at, item);
        setCurrentIndex(keptIndex < 0 ? -1 : (keptIndex >= at ? keptIndex + 1 : keptIndex));
        if (isEditable()) setEditText(kept);
    }
}

void ComboBox::addItems(const QStringList& items, Order order) {
    if (items.isEmpty()) return;
    QStringList incoming = items;
    if (sorted_ && order == Order::Any) sortNames(incoming);
    const QString kept = text();
    int keptIndex = currentIndex();
    const QStringList existing = names_->stringList();
    QStringList all;
    if (existing.isEmpty())
        all = incoming;
    else if (!sorted_ || !nameBefore(incoming.front(), existing.back()))
        all = existing + incoming;
    else
        all = mergeNames(existing, incoming, keptIndex);
    const QSignalBlocker blocker(lineEdit());
    names_->setStringList(all);
    setCurrentIndex(keptIndex);
    if (isEditable()) setEditText(kept);
}

void addItems(const std::vector<ComboBox*>& lists, const QStringList& items) {
    QStringList sorted;
    for (ComboBox* list : lists) {
        if (!list->isSorted()) {
            list->addItems(items);
            continue;
        }
        if (sorted.isEmpty()) {
            sorted = items;
            sortNames(sorted);
        }
        list->addItems(sorted, ComboBox::Order::Sorted);
    }
}

void ComboBox::clearList() {
    const QString before = text();
    {
        const QSignalBlocker blocker(lineEdit());
        clear();
        if (isEditable()) setEditText(QString());
    }
    if (isEditable() && !before.isEmpty()) runChange();
}

void ComboBox::clearItems() {
    const QString kept = text();
    const QSignalBlocker blocker(lineEdit());
    clear();
    if (isEditable()) setEditText(kept);
}

void ComboBox::runChange() {
    fire(change_);
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

// --- Option buttons --------------------------------------------------------------------------

void OptionGroup::clearExcept(OptionButton* kept) {
    for (OptionButton* b : buttons_)
        if (b != kept && b->isChecked()) b->setChecked(false);
}

OptionButton::OptionButton(const QString& name, const QString& caption, OptionGroup& group,
                           QWidget* parent)
    : QRadioButton(caption, parent), group_(group) {
    setObjectName(name);
    setAutoExclusive(false); // the group allows none set, which Qt's exclusivity does not
    group_.add(this);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(click_); });
}

void OptionButton::setValue(bool selected) {
    if (!selected) {
        setChecked(false);
        return;
    }
    group_.clearExcept(this);
    setChecked(true);
    fire(click_);
}

void OptionButton::nextCheckState() {
    // A click selects, never clears: clicking the set option keeps it set.
    group_.clearExcept(this);
    setChecked(true);
}

// --- CheckBox --------------------------------------------------------------------------------

CheckBox::CheckBox(const QString& name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(name);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(click_); });
}

void CheckBox::setValue(bool checked) {
    if (checked == isChecked()) return;
    setChecked(checked);
    fire(click_);
}

// --- Label -----------------------------------------------------------------------------------

Label::Label(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    setObjectName(name);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        fire(click_);
}

// --- CommandButton ---------------------------------------------------------------------------

CommandButton::CommandButton(const QString& name, const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] { fire(click_); });
}

// --- MenuEntry -------------------------------------------------------------------------------

MenuEntry::MenuEntry(const QString& name, const QString& caption, QObject* parent)
    : QAction(caption, parent) {
    setObjectName(name);
    connect(this, &QAction::triggered, this, [this] {
        if (isCheckable()) QAction::setChecked(mark_); // undo Qt's own toggle
        fire(click_);
    });
}

void MenuEntry::setChecked(bool mark) {
    mark_ = mark;
    setCheckable(true);
    QAction::setChecked(mark);
}
