#pragma once
// A window of the program. It is created on first use, hidden, and its Form_Load runs then;
// closing it by its close box runs Form_Unload and discards it, so the next use creates it
// afresh. Windows are reached only through forms::get<W>() so that no pointer dangles.
#include "common/eventboundary.h"

#include <QMainWindow>
#include <QPointer>
#include <typeindex>

class Form;
class QAbstractButton;

namespace forms {
void discard(Form* form); // forget it now, delete it once no handler runs any more
} // namespace forms

class Form : public QMainWindow {
    Q_OBJECT
  public:
    Form(const QString& name, const QString& caption);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    // Showing a window fits it to its screen, places it, makes it visible and gives it the
    // focus. A window that fills its contents on showing does so before calling this one.
    void setVisible(bool visible) override;

    // Positions as the settings file keeps them, in twips (15 per pixel). A position that
    // would put the window off every screen is pulled back onto the screen.
    int leftTwips() const;
    int topTwips() const;
    void moveTwips(int left, int top);

    // Where the window appears each time it is shown, fitted to the screen first:
    //  Dialog: centred on the window that opened it, every time (the default);
    //  Sheet:  on the top-left corner of the sheet it replaces, so that swapping sheets never
    //          moves what the user looks at; the first sheet centred on its screen;
    //  Tool:   where its kept position puts it (moveTwips); without one, centred on the window
    //          that opened it the first time, then where the user leaves it;
    //  Screen: centred on its screen every time, whichever window opened it.
    enum class Placement { Dialog, Sheet, Tool, Screen };
    void setPlacement(Placement placement) { placement_ = placement; }
    Placement placement() const { return placement_; }

    // A dialog's keys. Enter presses the push button that has the focus, as Space does; with
    // the focus anywhere else but in a list, which keeps Enter for its own entries, it presses
    // `confirm` while that shows and is enabled. Esc presses `escape`, or without one does what
    // the close box does. Each showing gives the focus to the first box to type in or slider,
    // else to `confirm`, else to the first push button, so that Enter does what the dialog is
    // for.
    void setDialogKeys(QAbstractButton* confirm, QAbstractButton* escape = nullptr);
    // A dialog that the window which opened it must never hide, though it leaves that window
    // usable.
    void setStaysAboveOpener();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend void forms::discard(Form* form);
    void arrangeForShowing();
    QWidget* firstFocus() const;
    bool discarded_ = false;
    Placement placement_ = Placement::Dialog;
    bool placed_ = false;
    bool dialogKeys_ = false;
    QPointer<QAbstractButton> confirm_, escape_;
    bool staysAboveOpener_ = false;
};

namespace forms {

Form* find(std::type_index type);
void put(std::type_index type, Form* form);
void unloadAll(); // deletes every window at once, running no unload handler

// The window the user worked in last that is still on screen, other than `except`: the one
// that opens a dialog or a message box. None before any window was shown.
Form* opener(const QWidget* except = nullptr);

template <class W> bool isLoaded() {
    return find(typeid(W)) != nullptr;
}

template <class W> W& get() {
    if (Form* existing = find(typeid(W))) return static_cast<W&>(*existing);
    auto* window = new W();
    // Registered before the load runs: a load may touch its own window again.
    put(typeid(W), window);
    window->Form_Load();
    return *window;
}

} // namespace forms
