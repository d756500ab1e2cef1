#pragma once
// A multi-line box for a field stored on one line of a record file (a description, effects):
// it wraps words over several lines on screen, but no line break ever gets into its text.
// Enter, with any modifier, inserts nothing; a pasted line break becomes one blank.
#include "common/controls.h"

class FieldMemoBox : public MemoBox {
    Q_OBJECT
public:
    explicit FieldMemoBox(const QString& name, QWidget* parent = nullptr);

    // Shows `lines` lines of text at a time, and at least `chars` characters of each.
    void showLines(int lines, int chars);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
