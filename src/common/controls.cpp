#include "common/controls.h"

#include "common/eventboundary.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

namespace {

void fire(const Handler& handler) {
    if (handler) runEvent(handler);
}

// Refuses typing that would make the text longer than the limit, but lets the user shorten a
// longer text that code wrote. The edit already holds the new text while it is validated, so
// the text before the change is kept here.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QLineEdit* edit)
        : QValidator(edit), limit_(limit), before_(edit->text()) {
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { before_ = edit->text(); });
    }
    State validate(QString& input, int&) const override {
        const bool grows = input.size() > before_.size();
        return input.size() > limit_ && grows ? Invalid : Acceptable;
    }

private:
    int limit_;
    QString before_;
};

} // namespace

// --- TextBox ---------------------------------------------------------------------------------

TextBox::TextBox(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    connect(this, &QLineEdit::textChanged, this, [this] { fire(change_); });
}

double TextBox::value() const { return textnum::val(text()); }

void TextBox::setMaxLength(int length) { setValidator(new LengthLimit(length, this)); }

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
    setInsertPolicy(QComboBox::NoInsert);
    if (style == Style::Editable) {
        setEditable(true);
        setCompleter(nullptr);
        lineEdit()->installEventFilter(this);
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
        at = 0;
        while (at < count() && QString::compare(itemText(at), item, Qt::CaseInsensitive) <= 0) ++at;
    }
    {
        const QSignalBlocker blocker(lineEdit());
        insertItem(at, item);
        setCurrentIndex(keptIndex < 0 ? -1 : (keptIndex >= at ? keptIndex + 1 : keptIndex));
        if (isEditable()) setEditText(kept);
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

void ComboBox::runChange() { fire(change_); }

void ComboBox::wheelEvent(QWheelEvent* event) { event->ignore(); }

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the text part picks nothing: only a choice from the list is a Click.
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QComboBox::eventFilter(watched, event);
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
