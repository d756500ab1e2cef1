#include "common/fieldmemo.h"

#include "common/itemrecord.h"

#include <QKeyEvent>
#include <QMimeData>

FieldMemoBox::FieldMemoBox(const QString& name, QWidget* parent) : MemoBox(name, parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void FieldMemoBox::showLines(int lines, int chars) {
    setFixedHeight(fontMetrics().lineSpacing() * lines + 2 * frameWidth() + 8);
    setMinimumWidth(fontMetrics().averageCharWidth() * chars);
}

void FieldMemoBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    MemoBox::keyPressEvent(event);
}

void FieldMemoBox::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) insertPlainText(itemrecord::oneLine(source->text()));
}
